#include "reports/season/frmPfSeasonPersonalGameInfo.h"

#include "core/ini.h"
#include "core/records.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"
#include "reports/season/personalpages.h"


using print::AlignCenter;
using print::AlignLeft;
using print::line;
using namespace personalpages;

namespace {

constexpr Long kInfoRowHeight = 540;
constexpr double kTextHeight = 375;

// The trimmed Name of a course's or series' section, whatever its State;
// "" when the file has none.
QString storedName(const QString& file, const QString& prefix, Long id)
{
    return vb::Trim(gfReadIniFile(file, prefix + QString::number(id), QStringLiteral("Name")));
}

}  // namespace

frmPfSeasonPersonalGameInfo::frmPfSeasonPersonalGameInfo()
    : PageFrame(QStringLiteral("frmPfSeasonPersonalGameInfo"), QStringLiteral("個別ゲーム情報表"))
{
    for (const print::Control& c : gfHeadLabels({.exract = {0, 0},
                                                 .scorePage = {8625, 2430},
                                                 .seasonTittle = {300, 10785},
                                                 .scoreTittle = {300, 9675},
                                                 .entryNum = {10140, 855}}))
        add(c);

    add(gfColumnHeader("lblNoNo", -1, 240, 495, QStringLiteral("No.")));
    add(gfColumnHeader("Label2", -1, 780, 2055, QStringLiteral("日付")));
    add(gfColumnHeader("lblHR", -1, 2880, 495, QStringLiteral("H-R")));
    add(gfColumnHeader("Label1", -1, 3480, 2415, QStringLiteral("ゲーム・タイトル")));
    add(gfColumnHeader("Label3", -1, 6060, 2355, QStringLiteral("コース")));
    add(gfColumnHeader("Label4", -1, 8520, 2415, QStringLiteral("シリーズ＆大会")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    add(gfTateLine(0, 240, 2));
    add(gfTateLine(1, 720, 2));
    add(gfTateLine(6, 2820, 2));
    add(gfTateLine(2, 3420, 1));
    add(gfTateLine(3, 6000, 1));
    add(gfTateLine(4, 8480, 1));
    add(gfTateLine(5, 11040, 2));
    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(240, 1740, 11040, 1740).color(print::kBlue).hidden());

    add(gfCellTemplate("lblNo", 300, 375, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblDate", 780, 1995, AlignLeft, QStringLiteral("平成21年03月01日(日)")));
    add(gfCellTemplate("lblHandR", 2880, 495, AlignCenter, QStringLiteral("8-3")).withFont(font(9)));
    // The texts may wrap to a second line inside the row.
    add(gfCellTemplate("lblGameTittle", 3480, 2475, AlignLeft, QStringLiteral("ゲーム")).at(3480, 0, 2475, kTextHeight));
    add(gfCellTemplate("lblCource", 6060, 2415, AlignLeft, QStringLiteral("コース")).at(6060, 0, 2415, kTextHeight));
    add(gfCellTemplate("lblSeries", 8520, 2475, AlignLeft, QStringLiteral("シリーズ")).at(8520, 0, 2475, kTextHeight));
}

void frmPfSeasonPersonalGameInfo::pfDataSetBody()
{
    const Long rows = glngSeasonGameRankingUBound() + 1;
    psSetHeads(QStringLiteral("参加 ") + QString::number(rows) + QStringLiteral("回"));
    psStretchTateToTop();

    // A course or series cell: its name, or "-" centred for none.
    const auto nameCell = [this](const char* array, Long id, const QString& file, const QString& prefix) {
        print::Control& cell = psCell(QLatin1String(array), id < 1 ? QStringLiteral("-") : storedName(file, prefix, id));
        if (id < 1)
            cell.alignment = AlignCenter;
    };

    Walk walk;
    walk.rows = rows;
    walk.rowHeight = kInfoRowHeight;
    walk.drawRow = [&](Long i) {
        const SeasonScore& row = gSeasonGameRanking[static_cast<size_t>(i)];
        const GameInfo& game = gameOf(row.GameNo);
        psCell(QStringLiteral("lblNo"), QString::number(i + 1));
        psCell(QStringLiteral("lblDate"), vb::FormatDateText(row.Date, kPersonalDatePattern));
        psCell(QStringLiteral("lblHandR"), QString::number(game.Hole) + QLatin1Char('-') + QString::number(game.Round));
        psCell(QStringLiteral("lblGameTittle"), game.Tittle);
        nameCell("lblCource", game.CourceID, gstrCourceFile, QStringLiteral("Cource"));
        nameCell("lblSeries", game.SeriesID, gstrSeriesFile, QStringLiteral("Series"));
    };
    psWalk(walk);

    psNameThePlayer(*this, rows > 0 ? gSeasonGameRanking.front().IDNo : 0);
}

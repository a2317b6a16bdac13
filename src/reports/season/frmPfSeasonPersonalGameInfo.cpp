#include "reports/season/frmPfSeasonPersonalGameInfo.h"

#include "core/ini.h"
#include "core/records.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/season/personalpages.h"

#include <tuple>

using print::AlignCenter;
using print::AlignLeft;
using print::line;

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
    using namespace personalpages;
    for (const print::Control& c : headLabels({8625, 2430}, {300, 10785}, {300, 9675}, {10140, 855}))
        add(c);

    add(header("lblNoNo", -1, 240, 495, QStringLiteral("No.")));
    add(header("Label2", -1, 780, 2055, QStringLiteral("日付")));
    add(header("lblHR", -1, 2880, 495, QStringLiteral("H-R")));
    add(header("Label1", -1, 3480, 2415, QStringLiteral("ゲーム・タイトル")));
    add(header("Label3", -1, 6060, 2355, QStringLiteral("コース")));
    add(header("Label4", -1, 8520, 2415, QStringLiteral("シリーズ＆大会")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    const double tate[7] = {240, 720, 3420, 6000, 8480, 11040, 2820};
    for (int i = 0; i < 7; ++i)
        add(tateLine(i, tate[i], i <= 1 || i >= 5));
    add(rowLineTemplate("linFutoYoko", 240, 11040, true));
    add(rowLineTemplate("linHosoYoko", 240, 11040, false));

    add(cellTemplate("lblNo", 300, 375, AlignCenter));
    add(cellTemplate("lblDate", 780, 1995, AlignLeft));
    add(cellTemplate("lblHandR", 2880, 495, AlignCenter).withFont(font(9)));
    for (const auto& [name, left, width] : {std::tuple{"lblGameTittle", 3480, 2475}, std::tuple{"lblCource", 6060, 2415},
                                            std::tuple{"lblSeries", 8520, 2475}}) {
        print::Control text = cellTemplate(name, left, width, AlignLeft);
        text.height = kTextHeight;
        add(text);
    }
}

void frmPfSeasonPersonalGameInfo::pfDataSetBody()
{
    using namespace personalpages;
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

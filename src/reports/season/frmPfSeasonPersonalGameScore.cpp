#include "reports/season/frmPfSeasonPersonalGameScore.h"

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

constexpr Long kBandLeft = 3360;
constexpr Long kBandWidth = 4020;
// The stroke-class columns "2打" to "5打".
constexpr StrokeClassColumns kClasses{9420, 420};

}  // namespace

frmPfSeasonPersonalGameScore::frmPfSeasonPersonalGameScore()
    : PageFrame(QStringLiteral("frmPfSeasonPersonalGameScore"), QStringLiteral("個別ゲーム一覧表"))
{
    const print::Font bold = font(9.75, true);
    const print::Font small = font(9);
    for (const print::Control& c : gfHeadLabels({.exract = {0, 0},
                                                 .scorePage = {8625, 2430},
                                                 .seasonTittle = {300, 10785},
                                                 .scoreTittle = {300, 9555},
                                                 .entryNum = {10140, 855}}))
        add(c);

    add(gfColumnHeader("lblNoNo", -1, 240, 495, QStringLiteral("No.")));
    add(gfColumnHeader("Label2", -1, 780, 2055, QStringLiteral("日付")));
    add(gfColumnHeader("lblHR", -1, 2880, 435, QStringLiteral("H-R")).withFont(small));
    add(gfColumnHeader("Label3", -1, 7440, 435, QStringLiteral("実打")));
    add(gfColumnHeader("lblSPTotal", 81, 7980, 315, QStringLiteral("H")));
    add(gfColumnHeader("lblHcTitle", -1, 8400, 315, QStringLiteral("Hc")));
    add(gfColumnHeader("Label13", -1, 8820, 495, QStringLiteral("合計")).withFont(bold));
    for (const print::Control& c : kClasses.headers())
        add(c);

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    add(gfTateLine(0, 240, 2));
    add(gfTateLine(1, 720, 2));
    add(gfTateLine(11, 2820, 1));
    add(gfTateLine(2, 3360, 2));
    add(gfTateLine(3, 7380, 2));
    add(gfTateLine(4, 7920, 1));
    add(gfTateLine(12, 8340, 2));
    add(gfTateLine(5, 8760, 2));
    add(gfTateLine(6, 9360, 2));
    add(gfTateLine(7, 9780, 1));
    add(gfTateLine(8, 10200, 1));
    add(gfTateLine(9, 10620, 1));
    add(gfTateLine(10, 11040, 2));
    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(240, 1560, 11040, 1560).color(print::kBlue).hidden());
    add(line("linRoundTate", 0).from(4700, 840, 4700, 2280).color(print::kBlue).hidden());

    add(gfCellTemplate("lblNo", 240, 495, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblDate", 780, 1995, AlignLeft, QStringLiteral("平成21年03月01日(日)")));
    add(gfCellTemplate("lblHandR", 2880, 435, AlignCenter, QStringLiteral("8-3")).withFont(small));
    add(gfCellTemplate("lblRound", kBandLeft, 1340, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblRoundNo", kBandLeft, 1340, AlignCenter, QStringLiteral("R1")).withFont(font(9, true)));
    add(gfCellTemplate("lblJituDa", 7440, 435, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblHits", 7920, 435, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblHc", 8400, 315, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblGoukei", 8820, 495, AlignCenter, QStringLiteral("99")).withFont(bold));
}

void frmPfSeasonPersonalGameScore::pfDataSetBody()
{
    const Long rows = glngSeasonGameRankingUBound() + 1;
    psSetHeads(QStringLiteral("参加 ") + QString::number(rows) + QStringLiteral("回"));
    psStretchTateToTop();

    // The round columns: one per round of the player's longest game.
    const Long rounds = gPersonalGameInfo.Round;
    const Long w = gfLayoutNumberedBand(*this, QStringLiteral("linRoundTate"), QStringLiteral("lblRoundNo"),
                                        kBandLeft, kBandWidth, rounds, QStringLiteral("R"));

    bool handicaps = false;
    for (const SeasonScore& row : gSeasonGameRanking)
        if (gameOf(row.GameNo).HandiCapKind != 0)
            handicaps = true;
    if (!handicaps)
        control(QStringLiteral("lblHcTitle")).caption = QStringLiteral("-");

    Walk walk;
    walk.rows = rows;
    walk.drawRow = [&](Long i) {
        const SeasonScore& row = gSeasonGameRanking[static_cast<size_t>(i)];
        const GameInfo& game = gameOf(row.GameNo);
        const bool played = row.Total != 0;
        psCell(QStringLiteral("lblNo"), QString::number(i + 1));
        psCell(QStringLiteral("lblDate"), vb::FormatDateText(row.Date, kPersonalDatePattern));
        psCell(QStringLiteral("lblHandR"), QString::number(game.Hole) + QLatin1Char('-') + QString::number(game.Round));
        for (Long r = 0; r < rounds; ++r) {
            QString text = QStringLiteral("／");
            if (r < game.Round) {
                const Long sum = gfElementAt(row.RoundSum, r);
                text = sum >= 1 ? QString::number(sum) : QStringLiteral("-");
            }
            print::Control& cell = psCell(QStringLiteral("lblRound"), text);
            cell.left = kBandLeft + r * w;
            cell.width = w;
        }
        psCell(QStringLiteral("lblJituDa"), QString::number(row.Total));
        psCell(QStringLiteral("lblHits"), gfNumberOrDash(played, row.StrokeCount[0]));
        psCell(QStringLiteral("lblHc"), gfNumberOrDash(played && game.HandiCapKind != 0, row.Handicap));
        psCell(QStringLiteral("lblGoukei"), gfNumberOrDash(played, row.Net));
        for (int k = 1; k <= 4; ++k)
            psCell(QStringLiteral("lblHits"), gfNumberOrDash(played, row.StrokeCount[k])).left =
                kClasses.left(k);
    };
    walk.atPageEnd = [this] { gsStretchLoadedLines(*this, QStringLiteral("linRoundTate"), mY); };
    psWalk(walk);

    psNameThePlayer(*this, rows > 0 ? gSeasonGameRanking.front().IDNo : 0);
}

#include "reports/season/frmPfSeasonPersonalGameScore.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/season/personalpages.h"

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::label;
using print::line;

namespace {

constexpr Long kBandLeft = 3360;
constexpr Long kBandWidth = 4020;
constexpr double kStrokeLeft = 9420;
constexpr double kStrokeStep = 420;

}  // namespace

frmPfSeasonPersonalGameScore::frmPfSeasonPersonalGameScore()
    : PageFrame(QStringLiteral("frmPfSeasonPersonalGameScore"), QStringLiteral("個別ゲーム一覧表"))
{
    using namespace personalpages;
    const print::Font bold = font(9.75, true);
    const print::Font small = font(9);

    for (const print::Control& c : headLabels({8625, 2430}, {300, 10785}, {300, 9555}, {10140, 855}))
        add(c);

    add(header("lblNoNo", -1, 240, 495, QStringLiteral("No.")));
    add(header("Label2", -1, 780, 2055, QStringLiteral("日付")));
    add(header("lblHR", -1, 2880, 435, QStringLiteral("H-R")).withFont(small));
    add(header("Label3", -1, 7440, 435, QStringLiteral("実打")));
    add(header("lblSPTotal", 81, 7980, 315, QStringLiteral("H")));
    add(header("lblHcTitle", -1, 8400, 315, QStringLiteral("Hc")));
    add(header("Label13", -1, 8820, 495, QStringLiteral("合計")).withFont(bold));
    for (int k = 1; k <= 4; ++k)
        add(header("lblSPTotal", 80 - k, kStrokeLeft + (k - 1) * kStrokeStep, 315,
                   QString::number(k + 1) + QStringLiteral("打")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    const double tate[13] = {240, 720, 3360, 7380, 7920, 8760, 9360, 9780, 10200, 10620, 11040, 2820, 8340};
    for (int i = 0; i < 13; ++i) {
        const bool thick = i <= 3 || i == 12 || i == 5 || i == 6 || i == 10;
        add(tateLine(i, tate[i], thick));
    }
    add(rowLineTemplate("linFutoYoko", 240, 11040, true));
    add(rowLineTemplate("linHosoYoko", 240, 11040, false));
    add(line("linRoundTate", 0).from(4700, 840, 4700, 2280).color(print::kBlue).hidden());

    add(cellTemplate("lblNo", 240, 495, AlignCenter));
    add(cellTemplate("lblDate", 780, 1995, AlignLeft));
    add(cellTemplate("lblHandR", 2880, 435, AlignCenter).withFont(small));
    add(cellTemplate("lblRound", kBandLeft, 1340, AlignCenter));
    add(cellTemplate("lblRoundNo", kBandLeft, 1340, AlignCenter).withFont(font(9, true)));
    add(cellTemplate("lblJituDa", 7440, 435, AlignCenter));
    add(cellTemplate("lblHits", 7920, 435, AlignCenter));
    add(cellTemplate("lblHc", 8400, 315, AlignCenter));
    add(cellTemplate("lblGoukei", 8820, 495, AlignCenter).withFont(bold));
}

void frmPfSeasonPersonalGameScore::pfDataSetBody()
{
    using namespace personalpages;
    const Long rows = glngSeasonGameRankingUBound() + 1;
    psSetHeads(QStringLiteral("参加 ") + QString::number(rows) + QStringLiteral("回"));
    psStretchTateToTop();

    // The round columns: one per round of the player's longest game.
    const Band band = psLayBand(*this, kBandLeft, kBandWidth, gPersonalGameInfo.Round, QStringLiteral("linRoundTate"),
                                QStringLiteral("lblRoundNo"), QStringLiteral("R"));

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
        for (Long r = 0; r < band.columns; ++r) {
            QString text;
            if (r >= game.Round) {
                text = QStringLiteral("／");
            } else {
                const Long sum = elementAt(row.RoundSum, r);
                text = sum >= 1 ? QString::number(sum) : QStringLiteral("-");
            }
            print::Control& cell = psCell(QStringLiteral("lblRound"), text);
            cell.left = band.columnLeft(r);
            cell.width = band.width;
        }
        psCell(QStringLiteral("lblJituDa"), QString::number(row.Total));
        psCell(QStringLiteral("lblHits"), numberOrDash(played, row.StrokeCount[0]));
        psCell(QStringLiteral("lblHc"), numberOrDash(played && game.HandiCapKind != 0, row.Handicap));
        psCell(QStringLiteral("lblGoukei"), numberOrDash(played, row.Net));
        for (int k = 1; k <= 4; ++k)
            psCell(QStringLiteral("lblHits"), numberOrDash(played, row.StrokeCount[k])).left =
                kStrokeLeft + (k - 1) * kStrokeStep;
    };
    walk.atPageEnd = [&] { psStretchBand(*this, QStringLiteral("linRoundTate"), mY); };
    psWalk(walk);

    psNameThePlayer(*this, rows > 0 ? gSeasonGameRanking.front().IDNo : 0);
}

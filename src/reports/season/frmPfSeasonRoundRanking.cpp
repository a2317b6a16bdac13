#include "reports/season/frmPfSeasonRoundRanking.h"

#include "core/helpers.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/pagecells.h"
#include "reports/pagedesign.h"

#include <QStringList>

using print::AlignLeft;
using print::AlignRight;

namespace {

// The hole band between linTate(9) and linTate(3).
constexpr Long kBandLeft = 4200;
constexpr Long kBandWidth = 3720;

}  // namespace

frmPfSeasonRoundRanking::frmPfSeasonRoundRanking()
    : PageFrame(QStringLiteral("frmPfSeasonRoundRanking"), QStringLiteral("通算ベストラウンド"))
{
    using namespace pagedesign;
    add(scorePage(9135, 1920));
    add(titleLine(QStringLiteral("lblSeasonTittle"), 300, 240, 10785));
    add(titleLine(QStringLiteral("lblScoreTittle"), 300, 540, 9615));
    add(entryNum(10140, 855));
    add(pageFooter());

    add(header(QStringLiteral("lblNoNo"), -1, 240, 495, QStringLiteral("順位")));
    add(header(QStringLiteral("Label7"), -1, 780, 2055, QStringLiteral("名 前　（年令・性別）")));
    add(header(QStringLiteral("Label2"), -1, 2940, 855, QStringLiteral("日付")));
    add(header(QStringLiteral("Label8"), -1, 3900, 255, QStringLiteral("R"))).withFont(font(9, true));
    add(header(QStringLiteral("Label3"), -1, 7920, 495, QStringLiteral("実打")));
    add(header(QStringLiteral("lblSPTotal"), 81, 8460, 255, QStringLiteral("H")));
    add(header(QStringLiteral("Label13"), -1, 8820, 435, QStringLiteral("合計"))).font.bold = true;
    add(header(QStringLiteral("lblSPTotal"), 0, 9300, 1095, QStringLiteral("2-3-4-5打")));
    add(header(QStringLiteral("Label1"), -1, 10440, 615, QStringLiteral("年令")));

    add(top(240, 11040));
    const struct {
        int index;
        double x;
        bool thick;
    } tates[] = {{0, 240, true},  {1, 720, true},   {10, 2880, true}, {2, 3840, true},  {9, 4200, true},
                 {3, 7920, true}, {4, 8400, false}, {5, 8760, true},  {6, 9300, true},  {7, 10380, false},
                 {8, 11040, true}};
    for (const auto& t : tates)
        add(tate(t.index, t.x, t.thick));
    add(separator(QStringLiteral("linFutoYoko"), 240, 11040, true));
    add(separator(QStringLiteral("linHosoYoko"), 240, 11040, false));
    add(separator(QStringLiteral("linRoundTate"), 0, 0, false).from(0, 840, 0, 2280));

    add(cell(QStringLiteral("lblNo"), 240, 495));
    add(cell(QStringLiteral("lblName"), 780, 1755, AlignLeft));
    add(cell(QStringLiteral("lblAge"), 2100, 735, AlignRight));
    add(cell(QStringLiteral("lblDate"), 2880, 975)).font.size = 9;
    add(cell(QStringLiteral("lblRound"), 3900, 255)).withFont(font(9, true));
    add(cell(QStringLiteral("lblHoleNo"), 0, 0));
    add(cell(QStringLiteral("lblScore"), 0, 0));
    add(cell(QStringLiteral("lblJituDa"), 7920, 495));
    add(cell(QStringLiteral("lblHits"), 8460, 255));
    add(cell(QStringLiteral("lblGoukei"), 8760, 555)).font.bold = true;
    add(cell(QStringLiteral("lbl2345DaNum"), 9360, 975));
    add(cell(QStringLiteral("lblBirthday"), 10440, 615));
}

void frmPfSeasonRoundRanking::pfDataSetBody()
{
    const Long rows = glngSeasonGameRankingUBound() + 1;
    psSetHeads(QStringLiteral("参加 ") + QString::number(rows) + QStringLiteral("名"));
    psStretchTateToTop();
    const Long holes = gSeasonGameInfo.Hole;
    const pagecells::Band band = pagecells::psLayBand(*this, kBandLeft, kBandWidth, holes,
                                                      QStringLiteral("linRoundTate"), QStringLiteral("lblHoleNo"),
                                                      holes, QString());
    psClearPageTexts();

    const Integer judgeDaSu = gSeasonGameInfo.JudgeDaSu;
    const bool byBirthday = gSeasonGameInfo.JudgeBirthday == 1;

    Walk walk;
    walk.rows = rows;
    walk.drawRow = [&](Long i) {
        const SeasonScore& r = gSeasonGameRanking[static_cast<std::size_t>(i)];
        const bool played = r.Total != 0;
        psCell(QStringLiteral("lblNo"), QString::number(r.Rank));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), pagecells::ageAndGender(r.IDNo, r.Date));
        psCell(QStringLiteral("lblDate"), vb::FormatDateText(r.Date, QStringLiteral("ge/mm/dd")));
        psCell(QStringLiteral("lblRound"), QString::number(r.RoundNo));
        for (Long h = 0; h < band.columns; ++h) {
            if (h >= static_cast<Long>(r.HoleSum.size()))
                vb::raiseSubscriptOutOfRange();
            print::Control& cell =
                psCell(QStringLiteral("lblScore"), pagecells::strokeCell(r.HoleSum[static_cast<std::size_t>(h)]));
            cell.left = band.columnLeft(h);
            cell.width = band.width;
        }
        psCell(QStringLiteral("lblJituDa"), QString::number(r.Total));
        psCell(QStringLiteral("lblHits"), played ? QString::number(r.StrokeCount[0]) : QStringLiteral("-"));
        psCell(QStringLiteral("lblGoukei"), played ? QString::number(r.Net) : QStringLiteral("-"));
        QStringList classes;
        for (int k = 1; k <= 4; ++k)
            classes << (k < judgeDaSu ? QString::number(r.StrokeCount[k]) : QStringLiteral("x"));
        psCell(QStringLiteral("lbl2345DaNum"), classes.join(QLatin1Char('-')));
        psCell(QStringLiteral("lblBirthday"),
               byBirthday ? gfGetAge(gfGetMemberBirthday(r.IDNo), r.Date, 1) : QStringLiteral("-"));
    };
    walk.atPageEnd = [&] { pagecells::psStretchBand(*this, QStringLiteral("linRoundTate"), mY); };
    psWalk(walk);
}

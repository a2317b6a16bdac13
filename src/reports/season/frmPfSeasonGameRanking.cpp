#include "reports/season/frmPfSeasonGameRanking.h"

#include "core/helpers.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/pagedesign.h"
#include "reports/pagecells.h"

using print::AlignLeft;
using print::AlignRight;

namespace {

// The round band between linTate(2) and linTate(3).
constexpr Long kBandLeft = 3840;
constexpr Long kBandWidth = 3720;

}  // namespace

frmPfSeasonGameRanking::frmPfSeasonGameRanking()
    : PageFrame(QStringLiteral("frmPfSeasonGameRanking"), QStringLiteral("通算ベストゲーム"))
{
    using namespace pagedesign;
    add(scorePage(9315, 1740));
    add(titleLine(QStringLiteral("lblSeasonTittle"), 300, 240, 10785));
    add(titleLine(QStringLiteral("lblScoreTittle"), 300, 540, 9615));
    add(entryNum(10140, 855));
    add(pageFooter());

    add(header(QStringLiteral("lblNoNo"), -1, 240, 495, QStringLiteral("順位")));
    add(header(QStringLiteral("Label7"), -1, 780, 2055, QStringLiteral("名 前　（年令・性別）")));
    add(header(QStringLiteral("Label2"), -1, 2940, 855, QStringLiteral("日付")));
    add(header(QStringLiteral("Label3"), -1, 7560, 495, QStringLiteral("実打")));
    add(header(QStringLiteral("lblSPTotal"), 81, 8100, 255, QStringLiteral("H")));
    add(header(QStringLiteral("Label13"), -1, 8460, 435, QStringLiteral("合計"))).font.bold = true;
    add(header(QStringLiteral("lblSPTotal"), 79, 9000, 315, QStringLiteral("2打")));
    add(header(QStringLiteral("lblSPTotal"), 78, 9360, 315, QStringLiteral("3打")));
    add(header(QStringLiteral("lblSPTotal"), 77, 9720, 315, QStringLiteral("4打")));
    add(header(QStringLiteral("lblSPTotal"), 76, 10080, 315, QStringLiteral("5打")));
    add(header(QStringLiteral("Label1"), -1, 10440, 555, QStringLiteral("年令")));

    add(top(240, 11040));
    const struct {
        int index;
        double x;
        bool thick;
    } tates[] = {{0, 240, true},   {1, 720, true},   {12, 2880, true}, {2, 3840, true}, {3, 7560, true},
                 {4, 8040, false}, {5, 8400, true},  {6, 8940, true},  {7, 9300, false}, {8, 9660, false},
                 {9, 10020, false}, {10, 10380, false}, {11, 11040, true}};
    for (const auto& t : tates)
        add(tate(t.index, t.x, t.thick));
    add(separator(QStringLiteral("linFutoYoko"), 240, 11040, true));
    add(separator(QStringLiteral("linHosoYoko"), 240, 11040, false));
    add(separator(QStringLiteral("linRoundTate"), 0, 0, false).from(0, 840, 0, 2280));

    add(cell(QStringLiteral("lblNo"), 240, 495));
    add(cell(QStringLiteral("lblName"), 780, 1755, AlignLeft));
    add(cell(QStringLiteral("lblAge"), 2100, 735, AlignRight));
    add(cell(QStringLiteral("lblDate"), 2880, 975)).font.size = 9;
    add(cell(QStringLiteral("lblRoundNo"), 0, 0)).withFont(font(9, true));
    add(cell(QStringLiteral("lblRound"), 0, 0));
    add(cell(QStringLiteral("lblJituDa"), 7560, 495));
    add(cell(QStringLiteral("lblHits"), 8100, 255));
    add(cell(QStringLiteral("lblGoukei"), 8400, 555)).font.bold = true;
    add(cell(QStringLiteral("lblBirthday"), 10440, 615));
}

void frmPfSeasonGameRanking::pfDataSetBody()
{
    const Long rows = glngSeasonGameRankingUBound() + 1;
    psSetHeads(QStringLiteral("参加 ") + QString::number(rows) + QStringLiteral("名"));
    psStretchTateToTop();
    const Long rounds = gSeasonGameInfo.Round;
    const pagecells::Band band = pagecells::psLayBand(*this, kBandLeft, kBandWidth, rounds,
                                                      QStringLiteral("linRoundTate"), QStringLiteral("lblRoundNo"),
                                                      rounds, QStringLiteral("R"));
    psClearPageTexts();

    const Integer judgeDaSu = gSeasonGameInfo.JudgeDaSu;
    const bool byBirthday = gSeasonGameInfo.JudgeBirthday == 1;
    Long groupRounds = gSeasonGameInfo.Round;
    const double hitsWidth = control(QStringLiteral("lblHits"), 0).width;

    Walk walk;
    walk.rows = rows;
    walk.separator = [&](Long i, bool first) {
        const Long rounds = gSeasonGameRanking[static_cast<std::size_t>(i)].Rounds;
        const bool thick = first || rounds != groupRounds;
        if (thick)
            groupRounds = rounds;
        psSeparator(thick);
    };
    walk.drawRow = [&](Long i) {
        const SeasonScore& r = gSeasonGameRanking[static_cast<std::size_t>(i)];
        const bool played = r.Total != 0;
        psCell(QStringLiteral("lblNo"), QString::number(r.Rank));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), pagecells::ageAndGender(r.IDNo, r.Date));
        psCell(QStringLiteral("lblDate"), vb::FormatDateText(r.Date, QStringLiteral("ge/mm/dd")));
        for (Long c = 0; c < band.columns; ++c) {
            if (c >= static_cast<Long>(r.RoundSum.size()))
                vb::raiseSubscriptOutOfRange();
            const Long strokes = r.RoundSum[static_cast<std::size_t>(c)];
            print::Control& cell = psCell(QStringLiteral("lblRound"),
                                          strokes >= 1 ? QString::number(strokes) : QStringLiteral("-"));
            cell.left = band.columnLeft(c);
            cell.width = band.width;
        }
        psCell(QStringLiteral("lblJituDa"), QString::number(r.Total));
        psCell(QStringLiteral("lblHits"), played ? QString::number(r.StrokeCount[0]) : QStringLiteral("-"));
        psCell(QStringLiteral("lblGoukei"), played ? QString::number(r.Net) : QStringLiteral("-"));
        for (int k = 1; k <= 4; ++k) {
            const bool breaksTies = played && k < judgeDaSu;
            print::Control& cell = psCell(QStringLiteral("lblHits"), breaksTies ? QString::number(r.StrokeCount[k])
                                                                                 : QStringLiteral("-"));
            cell.left = 8940 + 60 + (k - 1) * 360;
            cell.width = hitsWidth;
        }
        psCell(QStringLiteral("lblBirthday"),
               byBirthday ? gfGetAge(gfGetMemberBirthday(r.IDNo), r.Date, 1) : QStringLiteral("-"));
    };
    walk.atPageEnd = [&] { pagecells::psStretchBand(*this, QStringLiteral("linRoundTate"), mY); };
    psWalk(walk);
}

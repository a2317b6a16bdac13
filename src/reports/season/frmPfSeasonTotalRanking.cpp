#include "reports/season/frmPfSeasonTotalRanking.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/ranking.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/pagecells.h"
#include "reports/pagedesign.h"

#include <algorithm>

using print::AlignLeft;
using print::AlignRight;

namespace {

const QString kDa[4] = {QStringLiteral("lblDa2"), QStringLiteral("lblDa3"), QStringLiteral("lblDa4"),
                        QStringLiteral("lblDa5")};

// The extra 60 twips of a double line.
constexpr Long kDoubleLineGap = 60;

}  // namespace

frmPfSeasonTotalRanking::frmPfSeasonTotalRanking()
    : PageFrame(QStringLiteral("frmPfSeasonTotalRanking"), QStringLiteral("通算順位表"))
{
    using namespace pagedesign;
    add(scorePage(9075, 2040));
    add(titleLine(QStringLiteral("lblSeasonTittle"), 240, 240, 10890));
    add(titleLine(QStringLiteral("lblScoreTittle"), 240, 540, 9735));
    add(entryNum(10200, 855));
    add(pageFooter());

    add(header(QStringLiteral("lblNoNo"), -1, 180, 495, QStringLiteral("順位")));
    add(header(QStringLiteral("Label7"), -1, 720, 1935, QStringLiteral("　名 前　（年令・性別）"), AlignLeft));
    add(header(QStringLiteral("lblBelongOrLocation"), -1, 2760, 915, QStringLiteral("所属")));
    add(header(QStringLiteral("lblGNum"), -1, 3780, 435, QStringLiteral("G数")));
    add(header(QStringLiteral("lblRNum"), -1, 4320, 555, QStringLiteral("R数")));
    add(header(QStringLiteral("lblHNum"), -1, 4980, 615, QStringLiteral("Ho数")));
    add(header(QStringLiteral("Label3"), 1, 5700, 675, QStringLiteral("実打")));
    add(header(QStringLiteral("lblH1Tittle"), -1, 6480, 315, QStringLiteral("H")));
    add(header(QStringLiteral("lblHcTitle"), -1, 6900, 315, QStringLiteral("Hc")));
    add(header(QStringLiteral("lblTotalTittle"), -1, 7320, 735, QStringLiteral("合計"))).font.bold = true;
    add(header(QStringLiteral("lblRGAverage"), -1, 8160, 1815, QStringLiteral("R平均")));
    // The stroke-class columns of the total basis: their templates are the
    // headers, shown at the header row only under that basis.
    const double daLeft[4] = {8160, 8640, 9120, 9600};
    for (int k = 0; k < 4; ++k)
        add(header(kDa[k], 0, daLeft[k], 375, QString::number(k + 2) + QStringLiteral("打")).hidden()).top = 1980;
    add(header(QStringLiteral("Label13"), 0, 10080, 975, QStringLiteral("生年月日")));

    add(top(180, 11100));
    const struct {
        int index;
        double x;
        bool thick;
    } tates[] = {{0, 180, true},   {1, 660, true},    {14, 2700, false}, {2, 3720, true},  {3, 4260, false},
                 {4, 4920, false}, {5, 5640, true},   {6, 6420, false},  {15, 6840, true}, {7, 7260, true},
                 {8, 8100, true},  {11, 8580, false}, {12, 9060, false}, {13, 9540, false}, {10, 10020, true},
                 {9, 11100, true}};
    for (const auto& t : tates) {
        print::Control& c = add(tate(t.index, t.x, t.thick));
        if (t.index >= 11 && t.index <= 13)
            c.visible = false;
    }
    add(separator(QStringLiteral("linFutoYoko"), 180, 11100, true));
    add(separator(QStringLiteral("linHosoYoko"), 180, 11100, false));

    add(cell(QStringLiteral("lblNo"), 180, 495));
    add(cell(QStringLiteral("lblName"), 720, 1395, AlignLeft));
    add(cell(QStringLiteral("lblAge"), 1980, 675, AlignRight));
    add(cell(QStringLiteral("lblGroupName"), 2760, 915)).font.size = 9;
    add(cell(QStringLiteral("lblGameNum"), 3720, 555));
    add(cell(QStringLiteral("lblRoundNum"), 4260, 675));
    add(cell(QStringLiteral("lblHoleNum"), 4920, 735));
    add(cell(QStringLiteral("lblJituDa"), 5640, 795));
    add(cell(QStringLiteral("lblHoleIn1Num"), 6420, 435));
    add(cell(QStringLiteral("lblHc"), 6840, 435));
    add(cell(QStringLiteral("lblGoukei"), 7260, 855)).font.bold = true;
    add(cell(QStringLiteral("lblRoundAve"), 8160, 1815));
    add(cell(QStringLiteral("lblBirthday"), 10080, 975));
}

QString frmPfSeasonTotalRanking::pfGetPageTitle()
{
    gGame = gSeasonGameInfo;
    return gfGetCategoryTitle() + QStringLiteral("通算順位表");
}

QString frmPfSeasonTotalRanking::reportTitle() const
{
    return pfGetPageTitle() + m_basisText;
}

void frmPfSeasonTotalRanking::psSetBasis()
{
    const auto bold = [this](const QString& name, int index = -1) { control(name, index).font.bold = true; };
    const auto thick = [this](int index) { control(QStringLiteral("linTate"), index).borderWidth = 2; };
    print::Control& average = control(QStringLiteral("lblRGAverage"));
    print::Control& handicapTitle = control(QStringLiteral("lblHcTitle"));
    handicapTitle.caption = QStringLiteral("-");

    switch (gintTotalRankingMode) {
    case 0:
        m_basisText = QStringLiteral("［ﾗｳﾝﾄﾞ平均］");
        average.caption = QStringLiteral("R平均");
        average.font.bold = true;
        bold(QStringLiteral("lblRNum"));
        bold(QStringLiteral("lblRoundNum"), 0);
        bold(QStringLiteral("lblRoundAve"), 0);
        thick(3);
        thick(4);
        break;
    case 1:
        m_basisText = QStringLiteral("［ｹﾞｰﾑ平均］");
        average.caption = QStringLiteral("G平均");
        average.font.bold = true;
        bold(QStringLiteral("lblGNum"));
        bold(QStringLiteral("lblGameNum"), 0);
        bold(QStringLiteral("lblRoundAve"), 0);
        thick(3);
        break;
    case 2:
        m_basisText = QStringLiteral("［ﾎｰﾙ平均］");
        average.caption = QStringLiteral("Ho平均");
        average.font.bold = true;
        bold(QStringLiteral("lblHNum"));
        bold(QStringLiteral("lblHoleNum"), 0);
        bold(QStringLiteral("lblRoundAve"), 0);
        thick(4);
        break;
    case 3:
        m_basisText = QStringLiteral("［合計］");
        average.visible = false;
        bold(QStringLiteral("lblGameNum"), 0);
        bold(QStringLiteral("lblRoundNum"), 0);
        bold(QStringLiteral("lblHoleNum"), 0);
        for (int i = 11; i <= 13; ++i)
            control(QStringLiteral("linTate"), i).visible = true;
        for (const QString& da : kDa) {
            print::Control& h = control(da, 0);
            h.visible = true;
            h.top = control(QStringLiteral("lblH1Tittle")).top;
        }
        m_handicaps = std::any_of(gSeasonTotalRanking.begin(), gSeasonTotalRanking.end(),
                                  [](const SeasonScore& r) { return r.Handicap != 0; });
        if (m_handicaps)
            handicapTitle.caption = QStringLiteral("Hc");
        break;
    case 4:
        m_basisText = QStringLiteral("［ﾎｰﾙｲﾝﾜﾝ］");
        average.caption = QString();
        bold(QStringLiteral("lblH1Tittle"));
        bold(QStringLiteral("lblHoleIn1Num"), 0);
        control(QStringLiteral("lblTotalTittle")).font.bold = false;
        control(QStringLiteral("lblGoukei"), 0).font.bold = false;
        thick(6);
        break;
    default:
        vb::raiseSubscriptOutOfRange();
    }
}

void frmPfSeasonTotalRanking::pfDataSetBody()
{
    const Long rows = glngSeasonTotalRankingUBound() + 1;
    psSetHeads(QStringLiteral("参加 ") + QString::number(rows) + QStringLiteral("名"));
    psSetBasis();
    print::Control& extra = control(QStringLiteral("lblBelongOrLocation"));
    if (gintBelongOrLocation == 0)
        extra.caption = QString();
    else if (gintBelongOrLocation == 1)
        extra.caption = QStringLiteral("所属");
    else if (gintBelongOrLocation == 2)
        extra.caption = QStringLiteral("地域");
    psStretchTateToTop();
    psClearPageTexts();

    const Integer basis = gintTotalRankingMode;
    const Integer judgeDaSu = gSeasonGameInfo.JudgeDaSu;
    const bool byBirthday = gSeasonGameInfo.JudgeBirthday == 1;
    bool doubleLineDrawn = false;
    Long prevGames = 0, prevRounds = 0, prevHoles = 0;

    const auto belowMinimum = [basis](const SeasonScore& r) {
        switch (basis) {
        case 0: return r.Rounds < glngKiteiRound;
        case 1: return r.RoundNo < glngKiteiGame;
        case 2: return r.HoleCount < glngKiteiHole;
        default: return false;
        }
    };
    const auto averageText = [basis](const SeasonScore& r) {
        const Long divisor = basis == 0 ? r.Rounds : basis == 1 ? r.RoundNo : r.HoleCount;
        if (divisor == 0)
            vb::raiseDivisionByZero();
        return vb::FormatRatio(r.Net, divisor, basis == 2 ? QStringLiteral("0.0000") : QStringLiteral("0.000"));
    };

    Walk walk;
    walk.rows = rows;
    walk.separator = [&](Long i, bool first) {
        const SeasonScore& r = gSeasonTotalRanking[static_cast<std::size_t>(i)];
        if (basis == 3) {
            if (r.RoundNo != prevGames || r.Rounds != prevRounds || r.HoleCount != prevHoles) {
                prevGames = r.RoundNo;
                prevRounds = r.Rounds;
                prevHoles = r.HoleCount;
                psSeparator(true);
                return;
            }
        } else if (belowMinimum(r) && !doubleLineDrawn) {
            // The first row below the requirement on the page: a double line.
            psSeparator(true);
            mY += kDoubleLineGap;
            psSeparator(true);
            doubleLineDrawn = true;
            return;
        }
        psSeparator(first);
    };
    walk.drawRow = [&](Long i) {
        const SeasonScore& r = gSeasonTotalRanking[static_cast<std::size_t>(i)];
        psCell(QStringLiteral("lblNo"), QString::number(r.Rank));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), pagecells::ageAndGender(r.IDNo, gstrSeasonLastDate));
        QString extraCell;
        if (gintBelongOrLocation == 1)
            extraCell = gfGetMemberBelongShortName(r.IDNo);
        else if (gintBelongOrLocation == 2)
            extraCell = gfGetMemberLocation(r.IDNo);
        psCell(QStringLiteral("lblGroupName"), extraCell);
        psCell(QStringLiteral("lblGameNum"), QString::number(r.RoundNo));
        psCell(QStringLiteral("lblRoundNum"), QString::number(r.Rounds));
        psCell(QStringLiteral("lblHoleNum"), QString::number(r.HoleCount));
        psCell(QStringLiteral("lblJituDa"), QString::number(r.Total));
        psCell(QStringLiteral("lblHoleIn1Num"), QString::number(r.StrokeCount[0]));
        psCell(QStringLiteral("lblHc"), basis == 3 && m_handicaps ? QString::number(r.Handicap) : QStringLiteral("-"));
        psCell(QStringLiteral("lblGoukei"), QString::number(r.Net));
        if (basis <= 2) {
            psCell(QStringLiteral("lblRoundAve"), averageText(r));
        } else if (basis == 3) {
            for (int k = 1; k <= 4; ++k)
                psCell(kDa[k - 1], k < judgeDaSu ? QString::number(r.StrokeCount[k]) : QStringLiteral("-"));
        }
        psCell(QStringLiteral("lblBirthday"),
               byBirthday ? vb::FormatDateText(gfGetMemberBirthday(r.IDNo), QStringLiteral("gee/mm/dd"))
                          : QStringLiteral("-"));
    };
    psWalk(walk);
}

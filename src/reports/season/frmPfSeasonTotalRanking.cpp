#include "reports/season/frmPfSeasonTotalRanking.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/ranking.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

#include <algorithm>

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::label;
using print::line;

namespace {

const QString kDa[4] = {QStringLiteral("lblDa2"), QStringLiteral("lblDa3"), QStringLiteral("lblDa4"),
                        QStringLiteral("lblDa5")};

// The extra 60 twips of a double line.
constexpr Long kDoubleLineGap = 60;

}  // namespace

frmPfSeasonTotalRanking::frmPfSeasonTotalRanking()
    : PageFrame(QStringLiteral("frmPfSeasonTotalRanking"), QStringLiteral("通算順位表"))
{
    const print::Font bold = font(9.75, true);

    add(label("lblScorePage").at(9075, 0, 2040, 195).align(AlignRight).withFont(bold).sizedToText());
    add(label("lblSeasonTittle").at(240, 240, 10890, 195).withFont(bold));
    add(label("lblScoreTittle").at(240, 540, 9735, 195).withFont(bold));
    add(label("lblEntryNum").at(10200, 540, 855, 195).align(AlignRight).sizedToText());
    add(label("lblPage").at(5198, 14760, 915, 195).align(AlignCenter));

    add(gfColumnHeader("lblNoNo", -1, 180, 495, QStringLiteral("順位")));
    add(gfColumnHeader("Label7", -1, 720, 1935, QStringLiteral("　名 前　（年令・性別）")).align(AlignLeft));
    add(gfColumnHeader("lblBelongOrLocation", -1, 2760, 915, QStringLiteral("所属")));
    add(gfColumnHeader("lblGNum", -1, 3780, 435, QStringLiteral("G数")));
    add(gfColumnHeader("lblRNum", -1, 4320, 555, QStringLiteral("R数")));
    add(gfColumnHeader("lblHNum", -1, 4980, 615, QStringLiteral("Ho数")));
    add(gfColumnHeader("Label3", 1, 5700, 675, QStringLiteral("実打")));
    add(gfColumnHeader("lblH1Tittle", -1, 6480, 315, QStringLiteral("H")));
    add(gfColumnHeader("lblHcTitle", -1, 6900, 315, QStringLiteral("Hc")));
    add(gfColumnHeader("lblTotalTittle", -1, 7320, 735, QStringLiteral("合計")).withFont(bold));
    add(gfColumnHeader("lblRGAverage", -1, 8160, 1815, QStringLiteral("R平均")));
    // The stroke-class columns of the total basis: their templates are the
    // headers, shown in the header row only under that basis.
    for (int k = 0; k < 4; ++k)
        add(gfColumnHeader(kDa[k], 0, 8160 + 480 * k, 375, QString::number(k + 2) + QStringLiteral("打")).hidden())
            .top = 1980;
    add(gfColumnHeader("Label13", 0, 10080, 975, QStringLiteral("生年月日")));

    add(line("linTop").from(180, 840, 11100, 840).thick(2));
    add(gfTateLine(0, 180, 2));
    add(gfTateLine(1, 660, 2));
    add(gfTateLine(14, 2700, 1));
    add(gfTateLine(2, 3720, 2));
    add(gfTateLine(3, 4260, 1));
    add(gfTateLine(4, 4920, 1));
    add(gfTateLine(5, 5640, 2));
    add(gfTateLine(6, 6420, 1));
    add(gfTateLine(15, 6840, 2));
    add(gfTateLine(7, 7260, 2));
    add(gfTateLine(8, 8100, 2));
    add(gfTateLine(11, 8580, 1).hidden());
    add(gfTateLine(12, 9060, 1).hidden());
    add(gfTateLine(13, 9540, 1).hidden());
    add(gfTateLine(10, 10020, 2));
    add(gfTateLine(9, 11100, 2));

    add(line("linFutoYoko", 0).from(180, 1200, 11100, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(180, 1560, 11100, 1560).color(print::kBlue).hidden());
    add(gfCellTemplate("lblNo", 180, 495, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblName", 720, 1395, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 1980, 675, AlignRight, QStringLiteral("(99,M)")));
    add(gfCellTemplate("lblGroupName", 2760, 915, AlignCenter, QStringLiteral("所属")).withFont(font(9)));
    add(gfCellTemplate("lblGameNum", 3720, 555, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblRoundNum", 4260, 675, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblHoleNum", 4920, 735, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblJituDa", 5640, 795, AlignCenter, QStringLiteral("9999")));
    add(gfCellTemplate("lblHoleIn1Num", 6420, 435, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblHc", 6840, 435, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblGoukei", 7260, 855, AlignCenter, QStringLiteral("9999")).withFont(bold));
    add(gfCellTemplate("lblRoundAve", 8160, 1815, AlignCenter, QStringLiteral("99.999")));
    add(gfCellTemplate("lblBirthday", 10080, 975, AlignCenter, QStringLiteral("S23/05/01")));
}

QString frmPfSeasonTotalRanking::pfGetPageTitle()
{
    gGame = gSeasonGameInfo;
    return gfGetCategoryTitle() + QStringLiteral("通算順位表");
}

QString frmPfSeasonTotalRanking::pfBasisText()
{
    switch (gintTotalRankingMode) {
    case 0: return QStringLiteral("［ﾗｳﾝﾄﾞ平均］");
    case 1: return QStringLiteral("［ｹﾞｰﾑ平均］");
    case 2: return QStringLiteral("［ﾎｰﾙ平均］");
    case 3: return QStringLiteral("［合計］");
    case 4: return QStringLiteral("［ﾎｰﾙｲﾝﾜﾝ］");
    default: return QString();
    }
}

QString frmPfSeasonTotalRanking::reportTitle() const
{
    return pfGetPageTitle() + pfBasisText();
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
        average.caption = QStringLiteral("R平均");
        average.font.bold = true;
        bold(QStringLiteral("lblRNum"));
        bold(QStringLiteral("lblRoundNum"), 0);
        bold(QStringLiteral("lblRoundAve"), 0);
        thick(3);
        thick(4);
        break;
    case 1:
        average.caption = QStringLiteral("G平均");
        average.font.bold = true;
        bold(QStringLiteral("lblGNum"));
        bold(QStringLiteral("lblGameNum"), 0);
        bold(QStringLiteral("lblRoundAve"), 0);
        thick(3);
        break;
    case 2:
        average.caption = QStringLiteral("Ho平均");
        average.font.bold = true;
        bold(QStringLiteral("lblHNum"));
        bold(QStringLiteral("lblHoleNum"), 0);
        bold(QStringLiteral("lblRoundAve"), 0);
        thick(4);
        break;
    case 3:
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
        const SeasonScore& r = gSeasonTotalRanking[static_cast<size_t>(i)];
        if (basis == 3) {
            if (r.RoundNo != prevGames || r.Rounds != prevRounds || r.HoleCount != prevHoles) {
                prevGames = r.RoundNo;
                prevRounds = r.Rounds;
                prevHoles = r.HoleCount;
                psRowLine(QStringLiteral("linFutoYoko"), true);
                return;
            }
        } else if (belowMinimum(r) && !doubleLineDrawn) {
            // The first row below the requirement on the page: a double line.
            psRowLine(QStringLiteral("linFutoYoko"), true);
            mY += kDoubleLineGap;
            psRowLine(QStringLiteral("linFutoYoko"), true);
            doubleLineDrawn = true;
            return;
        }
        psSeparator(first);
    };
    walk.drawRow = [&](Long i) {
        const SeasonScore& r = gSeasonTotalRanking[static_cast<size_t>(i)];
        psCell(QStringLiteral("lblNo"), QString::number(r.Rank));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), gfAgeGenderCellText(r.IDNo, gstrSeasonLastDate));
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
        psCell(QStringLiteral("lblHc"), gfNumberOrDash(basis == 3 && m_handicaps, r.Handicap));
        psCell(QStringLiteral("lblGoukei"), QString::number(r.Net));
        if (basis <= 2) {
            psCell(QStringLiteral("lblRoundAve"), averageText(r));
        } else if (basis == 3) {
            for (int k = 1; k <= 4; ++k)
                psCell(kDa[k - 1], gfNumberOrDash(k < judgeDaSu, r.StrokeCount[k]));
        }
        psCell(QStringLiteral("lblBirthday"), gfBirthdayCellText(r.IDNo, gSeasonGameInfo.JudgeBirthday));
    };
    psWalk(walk);
}

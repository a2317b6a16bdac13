#include "reports/game/frmPfRoundRanking.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::Control;
using print::line;

namespace {

constexpr Long kHoleLeft = 3000;
constexpr Long kHoleBand = 4260;

constexpr StrokeClassColumns kClasses{8640, 360};

}  // namespace

frmPfRoundRanking::frmPfRoundRanking()
    : PageFrame(QStringLiteral("frmPfRoundRanking"), QStringLiteral("ベスト・ラウンド"))
{
    const print::Font bold = font(9.75, true);

    for (const print::Control& c : gfHeadLabels({.exract = {240, 1560},
                                                 .scorePage = {9105, 2010},
                                                 .seasonTittle = {240, 10890},
                                                 .scoreTittle = {240, 9735},
                                                 .entryNum = {10200, 855}}))
        add(c);

    add(gfColumnHeader("lblNoNo", -1, 180, 465, QStringLiteral("順位")));
    add(gfColumnHeader("Label7", -1, 720, 1875, QStringLiteral("名 前　（年令・性別）")));
    add(gfColumnHeader("Label8", -1, 2700, 255, QStringLiteral("R")).withFont(bold));
    add(gfColumnHeader("Label3", -1, 7320, 435, QStringLiteral("実打")).align(AlignLeft));
    add(gfColumnHeader("lblSPTotal", 81, 7800, 255, QStringLiteral("H")));
    add(gfColumnHeader("Label9", -1, 8100, 495, QStringLiteral("合計")).withFont(bold));
    for (const print::Control& c : kClasses.headers())
        add(c);
    add(gfColumnHeader("Label13", -1, 10020, 1095, QStringLiteral("生年月日")));

    add(line("linTop").from(180, 840, 11100, 840).thick(2));
    add(gfTateLine(0, 180, 2));
    add(gfTateLine(1, 660, 2));
    add(gfTateLine(2, 2640, 2));
    add(gfTateLine(3, 3000, 2));
    add(gfTateLine(4, 7260, 2));
    add(gfTateLine(5, 7740, 1));
    add(gfTateLine(6, 8100, 1));
    add(gfTateLine(7, 8580, 2));
    add(gfTateLine(9, 8940, 1));
    add(gfTateLine(10, 9300, 1));
    add(gfTateLine(11, 9660, 1));
    add(gfTateLine(8, 10020, 2));
    add(gfTateLine(12, 11100, 2));

    add(line("linFutoYoko", 0).from(180, 1200, 11100, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHoso1", 0).from(180, 1560, 11100, 1560).color(print::kBlue).hidden());
    add(line("linScoreTate", 0).from(3532, 840, 3532, 2280).color(print::kBlue).hidden());
    add(gfCellTemplate("lblNo", 180, 465, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblName", 720, 1575, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 1860, 735, AlignRight, QStringLiteral("(99,M)")));
    add(gfCellTemplate("lblRound", 2700, 255, AlignCenter, QStringLiteral("9")).withFont(bold));
    add(gfCellTemplate("lblScore", kHoleLeft, 532, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblJituDa", 7320, 375, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblHits", 7800, 255, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblSyokei", 8160, 375, AlignCenter, QStringLiteral("99")).withFont(bold));
    add(gfCellTemplate("lblBirthday", 10020, 1095, AlignCenter, QStringLiteral("S23/05/01")));
}

void frmPfRoundRanking::pfDataSetBody()
{
    psSetHeads(QStringLiteral("参加 ") + QString::number(gintPrintEntryNum) + QStringLiteral("名"));
    psStretchTateToTop();

    // The hole columns, their separators and the hole numbers, on every load.
    const Long holes = gGame.Hole;
    const Long w = gfLayoutNumberedBand(*this, QStringLiteral("linScoreTate"), QStringLiteral("lblScore"),
                                        kHoleLeft, kHoleBand, holes);

    psClearPageTexts();

    Walk walk;
    walk.rows = glngRoundRankingUBound() + 1;
    walk.groupFilter = true;
    walk.keep = [](Long i) { return gfInPrintGroup(gRoundRanking[static_cast<size_t>(i)].IDNo); };
    walk.separator = [this](Long, bool firstOfPage) {
        psRowLine(firstOfPage ? QStringLiteral("linFutoYoko") : QStringLiteral("linHoso1"), true);
    };
    walk.drawRow = [&](Long i) {
        const RoundRank& r = gRoundRanking[static_cast<size_t>(i)];
        const bool played = r.Gross != 0;
        psCell(QStringLiteral("lblNo"), QString::number(r.Rank));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), gfAgeGenderCellText(r.IDNo, gstrPrintDate));
        psCell(QStringLiteral("lblRound"), gfNumberOrDash(played, r.RoundNo));
        for (Long h = 0; h < holes; ++h) {
            Control& c = psCell(QStringLiteral("lblScore"), gfStrokeCellText(gfElementAt(r.Holes, h)));
            c.left = kHoleLeft + h * w;
            c.width = w;
        }
        psCell(QStringLiteral("lblJituDa"), gfNumberOrDash(played, r.Gross));
        psCell(QStringLiteral("lblHits"), gfNumberOrDash(played, r.StrokeCount[0]));
        psCell(QStringLiteral("lblSyokei"), gfNumberOrDash(played, r.Net));
        for (int k = 1; k <= 4; ++k)
            psCell(QStringLiteral("lblHits"),
                   gfNumberOrDash(played && k < gGame.JudgeDaSu, r.StrokeCount[k]))
                .left = kClasses.left(k);
        psCell(QStringLiteral("lblBirthday"), gfBirthdayCellText(r.IDNo, gGame.JudgeBirthday));
    };
    walk.atPageEnd = [this] { gsStretchLoadedLines(*this, QStringLiteral("linScoreTate"), mY); };
    psWalk(walk);
}

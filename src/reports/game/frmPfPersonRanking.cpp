#include "reports/game/frmPfPersonRanking.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/ranking.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::Control;
using print::line;

namespace {

constexpr Long kRoundLeft = 2820;
constexpr Long kRoundBand = 3480;
// The stroke-class cells (2 to 5 strokes) share lblHits with the
// hole-in-one cell.
constexpr StrokeClassColumns kClasses{8340, 420};

}  // namespace

frmPfPersonRanking::frmPfPersonRanking()
    : PageFrame(QStringLiteral("frmPfPersonRanking"), QString())
{
    const print::Font bold = font(9.75, true);

    for (const print::Control& c : gfHeadLabels({.exract = {300, 1560},
                                                 .scorePage = {9165, 1890},
                                                 .seasonTittle = {300, 10785},
                                                 .scoreTittle = {300, 9615},
                                                 .entryNum = {10140, 855}}))
        add(c);

    add(gfColumnHeader("lblNoNo", -1, 240, 525, QStringLiteral("順位")));
    add(gfColumnHeader("Label7", -1, 780, 1995, QStringLiteral("名　前　（年令・性別）")));
    add(gfColumnHeader("Label3", -1, 6360, 435, QStringLiteral("実打")));
    add(gfColumnHeader("lblSPTotal", 81, 6900, 315, QStringLiteral("H")));
    add(gfColumnHeader("lblHcTitle", -1, 7320, 315, QStringLiteral("Hc")));
    add(gfColumnHeader("Label13", -1, 7740, 495, QStringLiteral("合計")).withFont(bold));
    for (const print::Control& c : kClasses.headers())
        add(c);
    add(gfColumnHeader("Label1", -1, 10020, 975, QStringLiteral("生年月日")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    add(gfTateLine(0, 240, 2));
    add(gfTateLine(1, 720, 2));
    add(gfTateLine(2, 2820, 2));
    add(gfTateLine(3, 6300, 2));
    add(gfTateLine(4, 6840, 1));
    add(gfTateLine(12, 7260, 2));
    add(gfTateLine(5, 7680, 2));
    add(gfTateLine(6, 8280, 2));
    add(gfTateLine(7, 8700, 1));
    add(gfTateLine(8, 9120, 1));
    add(gfTateLine(9, 9540, 1));
    add(gfTateLine(10, 9960, 1));
    add(gfTateLine(11, 11040, 2));

    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(240, 1560, 11040, 1560).color(print::kBlue).hidden());
    add(line("linRoundTate", 0).from(3980, 840, 3980, 2280).color(print::kBlue).hidden());
    add(gfCellTemplate("lblNo", 240, 525, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblName", 780, 1695, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 2040, 735, AlignRight, QStringLiteral("(99,M)")));
    add(gfCellTemplate("lblRoundNo", kRoundLeft, 1160, AlignCenter, QStringLiteral("R9")).withFont(font(9, true)));
    add(gfCellTemplate("lblRound", kRoundLeft, 1160, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblJituDa", 6360, 435, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblHits", 6900, 315, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblHc", 7320, 315, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblGoukei", 7680, 615, AlignCenter, QStringLiteral("999")).withFont(bold));
    add(gfCellTemplate("lblBirthday", 10020, 975, AlignCenter, QStringLiteral("S23/05/01")));
}

QString frmPfPersonRanking::reportTitle() const
{
    return gfGetCategoryTitle() + QStringLiteral("順位表");
}

void frmPfPersonRanking::pfDataSetBody()
{
    psSetHeads(QStringLiteral("参加 ") + QString::number(gintPrintEntryNum) + QStringLiteral("名"));
    psStretchTateToTop();

    // The round columns, their separators and the round headers.
    const Long rounds = gGame.Round;
    const Long w = gfLayoutNumberedBand(*this, QStringLiteral("linRoundTate"), QStringLiteral("lblRoundNo"),
                                        kRoundLeft, kRoundBand, rounds, QStringLiteral("R"));
    if (gGame.HandiCapKind == 0)
        control(QStringLiteral("lblHcTitle")).caption = QStringLiteral("-");

    psClearPageTexts();

    // The complete rounds of the run of rows under the last thick line.
    Long runRounds = rounds;

    Walk walk;
    walk.rows = glngRankingUBound() + 1;
    walk.groupFilter = true;
    walk.keep = [](Long i) { return gfInPrintGroup(gRanking[static_cast<size_t>(i)].IDNo); };
    walk.separator = [&](Long i, bool firstOfPage) {
        const PersonRank& r = gRanking[static_cast<size_t>(i)];
        if (!firstOfPage && r.Rounds == runRounds) {
            psRowLine(QStringLiteral("linHosoYoko"), true);
        } else {
            psRowLine(QStringLiteral("linFutoYoko"), true);
            runRounds = r.Rounds;
        }
    };
    walk.drawRow = [&](Long i) {
        const PersonRank& r = gRanking[static_cast<size_t>(i)];
        const bool played = r.Gross != 0;
        psCell(QStringLiteral("lblNo"), QString::number(r.Rank));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), gfAgeGenderCellText(r.IDNo, gstrPrintDate));
        for (Long k = 0; k < rounds; ++k) {
            const Integer gross = gfElementAt(r.RoundGross, k);
            Control& c = psCell(QStringLiteral("lblRound"), gfNumberOrDash(gross != 0, gross));
            c.left = kRoundLeft + k * w;
            c.width = w;
        }
        psCell(QStringLiteral("lblJituDa"), gfNumberOrDash(played, r.Gross));
        psCell(QStringLiteral("lblHits"), gfNumberOrDash(played, r.StrokeCount[0]));
        psCell(QStringLiteral("lblHc"), gfNumberOrDash(gGame.HandiCapKind != 0 && played, r.Handicap));
        psCell(QStringLiteral("lblGoukei"), gfNumberOrDash(played, r.Net));
        for (int k = 1; k <= 4; ++k)
            psCell(QStringLiteral("lblHits"),
                   gfNumberOrDash(played && k < gGame.JudgeDaSu, r.StrokeCount[k]))
                .left = kClasses.left(k);
        psCell(QStringLiteral("lblBirthday"), gfBirthdayCellText(r.IDNo, gGame.JudgeBirthday));
    };
    walk.atPageEnd = [this] { gsStretchLoadedLines(*this, QStringLiteral("linRoundTate"), mY); };
    psWalk(walk);
}

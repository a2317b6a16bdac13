#include "reports/game/frmPfScore.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

#include <cmath>

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::Control;
using print::line;

namespace {

constexpr Long kHoleLeft = 3000;
constexpr Long kHoleBand = 3900;
// The stroke-class cells (2 to 5 strokes) share lblHits with the hole-in-one
// cell.
constexpr StrokeClassColumns kClasses{9480, 420};
constexpr quint32 kGroupLineColor = print::rgb(100, 100, 100);

}  // namespace

frmPfScore::frmPfScore()
    : PageFrame(QStringLiteral("frmPfScore"), QStringLiteral("スコア表"))
{
    const print::Font bold = font(9.75, true);

    for (const print::Control& c : gfHeadLabels({.exract = {240, 1560},
                                                 .scorePage = {9510, 1605},
                                                 .seasonTittle = {240, 10890},
                                                 .scoreTittle = {240, 9735},
                                                 .entryNum = {10200, 855}}))
        add(c);

    // Column headers.
    add(gfColumnHeader("lblNoNo", -1, 240, 345, QStringLiteral("No.")));
    add(gfColumnHeader("Label7", -1, 660, 1935, QStringLiteral("名 前　（年令・性別）")));
    add(gfColumnHeader("Label8", -1, 2700, 255, QStringLiteral("R")).withFont(bold));
    add(gfColumnHeader("Label3", -1, 6960, 435, QStringLiteral("実打")));
    add(gfColumnHeader("lblSPTotal", 81, 7500, 315, QStringLiteral("H")));
    add(gfColumnHeader("Label9", -1, 7920, 435, QStringLiteral("小計")));
    add(gfColumnHeader("lblHcTitle", -1, 8460, 315, QStringLiteral("Hc")));
    add(gfColumnHeader("Label13", -1, 8880, 495, QStringLiteral("合計")).withFont(bold));
    for (const print::Control& c : kClasses.headers())
        add(c);

    add(line("linTop").from(180, 840, 11100, 840).thick(2));
    add(gfTateLine(0, 180, 2));
    add(gfTateLine(1, 600, 2));
    add(gfTateLine(2, 2640, 2));
    add(gfTateLine(3, 3000, 2));
    add(gfTateLine(4, 6900, 2));
    add(gfTateLine(5, 7440, 1));
    add(gfTateLine(6, 7860, 1));
    add(gfTateLine(13, 8400, 2));
    add(gfTateLine(7, 8820, 2));
    add(gfTateLine(8, 9420, 2));
    add(gfTateLine(9, 9840, 1));
    add(gfTateLine(10, 10260, 1));
    add(gfTateLine(11, 10680, 1));
    add(gfTateLine(12, 11100, 2));

    // Templates.
    add(line("linFutoYoko", 0).from(180, 1200, 11100, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHoso1", 0).from(2640, 1560, 8400, 1560).color(print::kBlue).hidden());
    add(line("linHoso2", 0).from(9420, 1560, 11100, 1560).color(print::kBlue).hidden());
    add(line("linScoreTate", 0).from(3480, 840, 3480, 2280).color(print::kBlue).hidden());
    add(gfCellTemplate("lblNo", 180, 435, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblName", 660, 1635, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 1800, 795, AlignRight, QStringLiteral("(99,M)")));
    add(gfCellTemplate("lblRound", 2700, 255, AlignCenter, QStringLiteral("9")).withFont(bold));
    add(gfCellTemplate("lblScore", kHoleLeft, 488, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblJituDa", 6960, 435, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblHits", 7500, 315, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblSyokei", 7920, 435, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblHc", 8460, 315, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblGoukei", 8880, 495, AlignCenter, QStringLiteral("999")).withFont(bold));
}

void frmPfScore::pfDataSetBody()
{
    psSetHeads(QStringLiteral("参加 ") + QString::number(gintPrintEntryNum) + QStringLiteral("名"));
    psStretchTateToTop();

    // The hole columns, their separators and the hole numbers.
    const Long holes = gGame.Hole;
    const Long w = gfLayoutNumberedBand(*this, QStringLiteral("linScoreTate"), QStringLiteral("lblScore"),
                                        kHoleLeft, kHoleBand, holes);
    if (gGame.HandiCapKind == 0)
        control(QStringLiteral("lblHcTitle")).caption = QStringLiteral("-");

    psClearPageTexts();

    // One walk step per score line; a player's block is drawn at the first
    // line and a page ends only before a block that would not fit whole.
    const Long last = glngScoreLinesUBound();
    const Long blockHeight = static_cast<Long>(gGame.Round) * kRowHeight;
    Long number = 0;
    psStartRows();
    for (Long i = 0; i <= last; ++i) {
        pfPageTop(true);
        const ScoreLine& row = gScoreLines[static_cast<size_t>(i)];
        if (row.RoundNo == 1)
            ++number;   // before the filter: the numbers of dropped players stay used
        const bool dropped = !gfInPrintGroup(row.IDNo);
        if (pfFilling() && row.RoundNo == 1 && !dropped)
            psDrawBlock(i, number, w);
        if (!dropped)
            mY += kRowHeight;
        const bool pageEnds =
            i == last || (gScoreLines[static_cast<size_t>(i + 1)].RoundNo == 1 && mY + blockHeight > kPageLimit);
        if (pageEnds)
            psEndPage([this] { gsStretchLoadedLines(*this, QStringLiteral("linScoreTate"), mY); });
    }
}

void frmPfScore::psDrawBlock(Long first, Long number, Long holeWidth)
{
    const Long rounds = gGame.Round;
    if (rounds < 1 || first + rounds - 1 > glngScoreLinesUBound())
        vb::raiseSubscriptOutOfRange();
    const ScoreLine& head = gScoreLines[static_cast<size_t>(first)];
    const Long middle = static_cast<Long>(std::floor(rounds / 2.0 - 0.5));
    const double y = mY;
    auto rowTop = [y](Long r) { return y + r * kRowHeight + kCellOffset; };
    auto cellAt = [this, &rowTop](const char* array, Long r, const QString& caption) -> Control& {
        Control& c = psCell(QLatin1String(array), caption);
        c.top = rowTop(r);
        return c;
    };

    // Every block opens with a thick line; thin lines part its rounds over
    // the round, hole and round-total columns and the stroke classes.
    psSeparator(true);
    for (Long j = 1; j <= rounds - 1; ++j)
        for (const char* array : {"linHoso1", "linHoso2"}) {
            Control& thin = loadElement(QLatin1String(array));
            thin.y1 = thin.y2 = y + j * kRowHeight;
            thin.borderColor = print::kBlack;
            thin.visible = true;
        }

    cellAt("lblNo", middle, QString::number(number));
    cellAt("lblName", middle, gfGetMemberName(head.IDNo));
    cellAt("lblAge", middle, gfAgeGenderCellText(head.IDNo, gstrPrintDate));
    if (rounds >= 2) {
        QString groupTeam;
        if (head.RoundGNo > 0)
            groupTeam = QStringLiteral("<") + QString::number(head.RoundGNo) + QStringLiteral("> ");
        const QString team = vb::Trim(head.TeamID);
        if (!team.isEmpty())
            groupTeam += QStringLiteral("[ ") + team + QStringLiteral(" ]");
        cellAt("lblName", middle + 1, groupTeam).foreColor = kGroupLineColor;
    }

    qint64 played = 0;   // strokes of the complete rounds
    qint64 net = 0;      // the rounds without a missing hole, less 3 for every hole in one
    for (Long r = 0; r < rounds; ++r) {
        const ScoreLine& ln = gScoreLines[static_cast<size_t>(first + r)];
        cellAt("lblRound", r, QString::number(ln.RoundNo));
        Long strokes = 0;
        Long classes[5] = {0, 0, 0, 0, 0};   // holes done in 1 to 5 strokes
        bool missing = false;
        for (Long h = 1; h <= gGame.Hole; ++h) {
            const QString& text = gfElementAt(ln.Holes, h - 1);
            const double v = vb::Val(text);
            Control& c = cellAt("lblScore", r, gfStrokeCellText(text));
            c.left = kHoleLeft + (h - 1) * holeWidth;
            c.width = holeWidth;
            strokes = vb::CLng(strokes + v);
            if (v <= 0)
                missing = true;
            for (int k = 1; k <= 5; ++k)
                if (v == k)
                    ++classes[k - 1];
        }
        const bool counts = strokes != 0 && !missing;
        const Long subtotal = strokes - 3 * classes[0];
        cellAt("lblJituDa", r, gfNumberOrDash(counts, strokes));
        cellAt("lblHits", r, gfNumberOrDash(counts, classes[0]));
        cellAt("lblSyokei", r, gfNumberOrDash(counts, subtotal));
        for (int k = 2; k <= 5; ++k)
            cellAt("lblHits", r, gfNumberOrDash(counts, classes[k - 1])).left = kClasses.left(k - 1);
        if (counts)
            played += strokes;
        if (!missing)
            net += subtotal;
    }

    const bool handicaps = gGame.HandiCapKind != 0;
    cellAt("lblHc", middle, gfNumberOrDash(handicaps, head.Handicap));
    cellAt("lblGoukei", middle,
           gfNumberOrDash(played != 0, net + (handicaps ? head.Handicap : 0)));
}

#include "reports/season/frmPfSeasonPersonalRoundScore.h"

#include "core/printstate.h"
#include "core/records.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"
#include "reports/season/personalpages.h"

#include <array>
#include <limits>

using print::AlignCenter;
using print::AlignLeft;
using print::line;
using namespace personalpages;

namespace {

constexpr Long kBandLeft = 3060;
constexpr Long kBandWidth = 3840;
// The stroke-class columns "2打" to "5打".
constexpr StrokeClassColumns kClasses{9480, 420};
// The room the hole-in-one row needs under the last block.
constexpr Long kHoleInOneRow = 420;
constexpr quint32 kTeamGrey = print::rgb(100, 100, 100);

// The value of a stroke text: its leading number, halves to even.
Long strokeValue(const QString& text)
{
    return vb::CLng(vb::Val(text));
}

// One round of a block: its strokes, the holes done in 1 to 5 strokes, and
// whether every hole holds a stroke.
struct RoundTally {
    qint64 strokes = 0;
    std::array<Long, 6> count{};   // count[v]: holes done in v strokes (1 to 5)
    bool complete = true;
};

RoundTally tallyRound(const SeasonRoundLine& line, Long holes)
{
    RoundTally t;
    for (Long i = 0; i < holes; ++i) {
        const Long v = strokeValue(gfElementAt(line.Holes, i));
        t.strokes += v;
        if (v >= 1 && v <= 5)
            ++t.count[static_cast<size_t>(v)];
        if (v <= 0)
            t.complete = false;
    }
    return t;
}

const SeasonRoundLine& lineAt(Long n)
{
    return gfElementAt(gSeasonRoundLines, n);
}

}  // namespace

frmPfSeasonPersonalRoundScore::frmPfSeasonPersonalRoundScore()
    : PageFrame(QStringLiteral("frmPfSeasonPersonalRoundScore"), QStringLiteral("個別スコア表"))
{
    const print::Font bold = font(9.75, true);
    const print::Font smallBold = font(9, true);
    for (const print::Control& c : gfHeadLabels({.exract = {0, 0},
                                                 .scorePage = {9510, 1605},
                                                 .seasonTittle = {240, 10890},
                                                 .scoreTittle = {240, 9735},
                                                 .entryNum = {10200, 855}}))
        add(c);

    add(gfColumnHeader("lblNoNo", -1, 240, 345, QStringLiteral("No.")));
    add(gfColumnHeader("Label7", -1, 660, 1995, QStringLiteral("日付")));
    add(gfColumnHeader("Label8", -1, 2760, 255, QStringLiteral("R")).withFont(smallBold));
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
    add(gfTateLine(2, 2700, 2));
    add(gfTateLine(3, 3060, 2));
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
    add(line("linFutoYoko", 0).from(180, 1200, 11100, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHoso1", 0).from(2700, 1560, 8400, 1560).color(print::kBlue).hidden());
    add(line("linHoso2", 0).from(9420, 1560, 11100, 1560).color(print::kBlue).hidden());
    add(line("linScoreTate", 0).from(3540, 840, 3540, 2280).color(print::kBlue).hidden());

    add(gfCellTemplate("lblNo", 180, 435, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblName", 660, 1995, AlignLeft, QStringLiteral("平成21年03月01日(日)")));
    add(gfCellTemplate("lblRound", 2760, 255, AlignCenter, QStringLiteral("9")).withFont(smallBold));
    add(gfCellTemplate("lblScore", kBandLeft, 480, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblJituDa", 6960, 435, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblHits", 7500, 315, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblSyokei", 7920, 435, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblHc", 8460, 315, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblGoukei", 8880, 495, AlignCenter, QStringLiteral("99")).withFont(bold));
}

void frmPfSeasonPersonalRoundScore::pfDataSetBody()
{
    const Long lines = glngSeasonRoundLinesUBound() + 1;
    Long games = 0;
    for (const SeasonRoundLine& l : gSeasonRoundLines)
        if (l.RoundNo == 1)
            ++games;
    psSetHeads(QStringLiteral("参加 ") + QString::number(games) + QStringLiteral("回"));
    psStretchTateToTop();

    // The hole columns: one per hole of the player's largest game.
    const Long columns = gPersonalGameInfo.Hole;
    const Long w = gfLayoutNumberedBand(*this, QStringLiteral("linScoreTate"), QStringLiteral("lblScore"),
                                        kBandLeft, kBandWidth, columns);
    psClearPageTexts();

    bool handicaps = false;
    for (const SeasonRoundLine& l : gSeasonRoundLines)
        if (l.RoundNo == 1 && gameOf(l.GameNo).HandiCapKind != 0)
            handicaps = true;
    if (!handicaps)
        control(QStringLiteral("lblHcTitle")).caption = QStringLiteral("-");

    // Hole-in-ones per hole column over every round of every game, complete
    // or not; counted on every load, so the last page has them all.
    std::vector<Integer> holeInOnes(static_cast<size_t>(std::max<Long>(columns, 0)), 0);
    Integer block = 0;

    psStartRows();
    for (Long n = 0; n < lines; ++n) {
        pfPageTop();
        const SeasonRoundLine& current = gSeasonRoundLines[static_cast<size_t>(n)];
        if (current.RoundNo == 1) {
            if (block == std::numeric_limits<Integer>::max())
                vb::raiseOverflow();
            ++block;
            gGame = gameOf(current.GameNo);
            for (Long k = 0; k < gGame.Round; ++k) {
                const SeasonRoundLine& round = lineAt(n + k);
                for (Long i = 0; i < gGame.Hole; ++i) {
                    if (vb::Val(gfElementAt(round.Holes, i)) != 1)
                        continue;
                    if (i >= static_cast<Long>(holeInOnes.size()))
                        vb::raiseSubscriptOutOfRange();
                    Integer& count = holeInOnes[static_cast<size_t>(i)];
                    if (count == std::numeric_limits<Integer>::max())
                        vb::raiseOverflow();
                    ++count;
                }
            }
            if (pfFilling())
                psDrawBlock(n, block, columns, w);
        }
        mY += kRowHeight;

        // A page ends only before a block that would not fit with the room
        // for the hole-in-one row.
        bool pageEnds = n == lines - 1;
        if (!pageEnds) {
            const SeasonRoundLine& next = gSeasonRoundLines[static_cast<size_t>(n + 1)];
            pageEnds = next.RoundNo == 1 &&
                       mY + kRowHeight * static_cast<qint64>(gameOf(next.GameNo).Round) + kHoleInOneRow > kPageLimit;
        }
        if (!pageEnds)
            continue;
        const double bottom = mY;
        const bool filling = pfFilling();
        psEndPage([&] { gsStretchLoadedLines(*this, QStringLiteral("linScoreTate"), bottom); });
        if (filling && gintPageNo == gintPageCount)
            psDrawHoleInOneRow(bottom, w, holeInOnes);
    }

    psNameThePlayer(*this, lines > 0 ? gSeasonRoundLines.front().IDNo : 0);
}

void frmPfSeasonPersonalRoundScore::psDrawBlock(Long n, Integer block, Long columns, Long w)
{
    const SeasonRoundLine& first = lineAt(n);
    const Long rounds = gGame.Round;
    const Long holes = gGame.Hole;
    const double top = mY;

    // The block's rules: thick above it, thin between its round rows except
    // under No., the date, Hc and the total, which hold one value per block.
    psSeparator(true);
    for (Long k = 1; k < rounds; ++k) {
        for (const char* array : {"linHoso1", "linHoso2"}) {
            print::Control& rule = loadElement(QLatin1String(array));
            rule.y1 = rule.y2 = top + k * kRowHeight;
            rule.borderColor = print::kBlack;
            rule.visible = true;
        }
    }

    // The round rows.
    qint64 actual = 0;     // strokes of the complete rounds
    qint64 subtotal = 0;   // their strokes less 3 a hole-in-one
    for (Long k = 0; k < rounds; ++k) {
        const SeasonRoundLine& round = lineAt(n + k);
        mY = top + k * kRowHeight;
        psCell(QStringLiteral("lblRound"), QString::number(round.RoundNo));
        for (Long i = 0; i < columns; ++i) {
            print::Control& cell = psCell(QStringLiteral("lblScore"),
                                          i < holes ? gfStrokeCellText(gfElementAt(round.Holes, i)) : QStringLiteral("／"));
            cell.left = kBandLeft + i * w;
            cell.width = w;
        }
        const RoundTally t = tallyRound(round, holes);
        const bool shown = t.complete && t.strokes != 0;
        if (t.complete) {
            if (t.strokes != 0)
                actual += t.strokes;
            subtotal += t.strokes - 3 * t.count[1];
        }
        psCell(QStringLiteral("lblJituDa"), gfNumberOrDash(shown, t.strokes));
        psCell(QStringLiteral("lblHits"), gfNumberOrDash(shown, t.count[1]));
        psCell(QStringLiteral("lblSyokei"), gfNumberOrDash(shown, t.strokes - 3 * t.count[1]));
        for (int v = 2; v <= 5; ++v)
            psCell(QStringLiteral("lblHits"), gfNumberOrDash(shown, t.count[static_cast<size_t>(v)])).left =
                kClasses.left(v - 1);
    }

    // The block's own cells on its middle round row (the upper of the two
    // middle rows for an even number of rounds).
    mY = top + kRowHeight * ((rounds - 1) / 2);
    psCell(QStringLiteral("lblNo"), QString::number(block));
    psCell(QStringLiteral("lblName"), vb::FormatDateText(first.Date, kPersonalDatePattern));
    const QString team = vb::Trim(first.TeamID);
    if (!team.isEmpty() && rounds > 1) {
        mY += kRowHeight;
        psCell(QStringLiteral("lblName"), QStringLiteral("[ ") + team + QStringLiteral(" ]")).foreColor = kTeamGrey;
        mY -= kRowHeight;
    }
    const bool handicap = gGame.HandiCapKind != 0;
    psCell(QStringLiteral("lblHc"), gfNumberOrDash(handicap, first.Handicap));
    psCell(QStringLiteral("lblGoukei"), gfNumberOrDash(actual != 0, subtotal + (handicap ? first.Handicap : 0)));
    mY = top;
}

void frmPfSeasonPersonalRoundScore::psDrawHoleInOneRow(double y, Long w, const std::vector<Integer>& counts)
{
    forEachElement(QStringLiteral("linTate"), [y](print::Control& c) { c.y2 = y + kHoleInOneRow; });
    gsStretchLoadedLines(*this, QStringLiteral("linScoreTate"), y + kHoleInOneRow);
    for (const double at : {y + 60, y + kHoleInOneRow}) {
        print::Control& rule = loadElement(QStringLiteral("linFutoYoko"));
        const print::Control& topLine = control(QStringLiteral("linTop"));
        rule.x1 = topLine.x1;
        rule.x2 = topLine.x2;
        rule.y1 = rule.y2 = at;
        rule.borderColor = print::kBlack;
        rule.visible = true;
    }
    const double saved = mY;
    mY = static_cast<Long>(y) + 120 - kCellOffset;
    psCell(QStringLiteral("lblName"), QStringLiteral("ﾎｰﾙ毎のﾎｰﾙｲﾝﾜﾝ数"));
    qint64 sum = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        sum += counts[i];
        print::Control& cell = psCell(QStringLiteral("lblScore"), QString::number(counts[i]));
        cell.left = kBandLeft + static_cast<Long>(i) * w;
        cell.width = w;
    }
    psCell(QStringLiteral("lblHits"), QString::number(sum));
    mY = static_cast<Long>(saved);
}

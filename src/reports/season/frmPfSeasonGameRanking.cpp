#include "reports/season/frmPfSeasonGameRanking.h"

#include "core/helpers.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::Control;
using print::label;
using print::line;

namespace {

// The round band between linTate(2) and linTate(3).
constexpr Long kRoundLeft = 3840;
constexpr Long kRoundBand = 3720;
// The stroke-class cells (2 to 5 strokes) share lblHits with the
// hole-in-one cell.
constexpr double kClassLeft[4] = {9000, 9360, 9720, 10080};

}  // namespace

frmPfSeasonGameRanking::frmPfSeasonGameRanking()
    : PageFrame(QStringLiteral("frmPfSeasonGameRanking"), QStringLiteral("通算ベストゲーム"))
{
    const print::Font bold = font(9.75, true);

    add(label("lblScorePage").at(9315, 0, 1740, 195).align(AlignRight).withFont(bold).sizedToText());
    add(label("lblSeasonTittle").at(300, 240, 10785, 195).withFont(bold));
    add(label("lblScoreTittle").at(300, 540, 9615, 195).withFont(bold));
    add(label("lblEntryNum").at(10140, 540, 855, 195).align(AlignRight).sizedToText());
    add(label("lblPage").at(5198, 14760, 915, 195).align(AlignCenter));

    add(gfColumnHeader("lblNoNo", -1, 240, 495, QStringLiteral("順位")));
    add(gfColumnHeader("Label7", -1, 780, 2055, QStringLiteral("名 前　（年令・性別）")));
    add(gfColumnHeader("Label2", -1, 2940, 855, QStringLiteral("日付")));
    add(gfColumnHeader("Label3", -1, 7560, 495, QStringLiteral("実打")));
    add(gfColumnHeader("lblSPTotal", 81, 8100, 255, QStringLiteral("H")));
    add(gfColumnHeader("Label13", -1, 8460, 435, QStringLiteral("合計")).withFont(bold));
    add(gfColumnHeader("lblSPTotal", 79, 9000, 315, QStringLiteral("2打")));
    add(gfColumnHeader("lblSPTotal", 78, 9360, 315, QStringLiteral("3打")));
    add(gfColumnHeader("lblSPTotal", 77, 9720, 315, QStringLiteral("4打")));
    add(gfColumnHeader("lblSPTotal", 76, 10080, 315, QStringLiteral("5打")));
    add(gfColumnHeader("Label1", -1, 10440, 555, QStringLiteral("年令")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    add(gfTateLine(0, 240, 2));
    add(gfTateLine(1, 720, 2));
    add(gfTateLine(12, 2880, 2));
    add(gfTateLine(2, 3840, 2));
    add(gfTateLine(3, 7560, 2));
    add(gfTateLine(4, 8040, 1));
    add(gfTateLine(5, 8400, 2));
    add(gfTateLine(6, 8940, 2));
    add(gfTateLine(7, 9300, 1));
    add(gfTateLine(8, 9660, 1));
    add(gfTateLine(9, 10020, 1));
    add(gfTateLine(10, 10380, 1));
    add(gfTateLine(11, 11040, 2));

    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(240, 1560, 11040, 1560).color(print::kBlue).hidden());
    add(line("linRoundTate", 0).from(5080, 840, 5080, 2280).color(print::kBlue).hidden());
    add(gfCellTemplate("lblNo", 240, 495, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblName", 780, 1755, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 2100, 735, AlignRight, QStringLiteral("(99,M)")));
    add(gfCellTemplate("lblDate", 2880, 975, AlignCenter, QStringLiteral("H21/03/01")).withFont(font(9)));
    add(gfCellTemplate("lblRoundNo", kRoundLeft, 1240, AlignCenter, QStringLiteral("R9")).withFont(font(9, true)));
    add(gfCellTemplate("lblRound", kRoundLeft, 1240, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblJituDa", 7560, 495, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblHits", 8100, 255, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblGoukei", 8400, 555, AlignCenter, QStringLiteral("999")).withFont(bold));
    add(gfCellTemplate("lblBirthday", 10440, 615, AlignCenter, QStringLiteral("99.999")));
}

void frmPfSeasonGameRanking::pfDataSetBody()
{
    psSetHeads(QStringLiteral("参加 ") + QString::number(glngSeasonGameRankingUBound() + 1) + QStringLiteral("名"));
    psStretchTateToTop();

    // The round columns, their separators and the round headers.
    const Long rounds = gSeasonGameInfo.Round;
    const Long w = gfColumnWidth(kRoundBand, rounds);
    gsLayoutColumnBand(*this, {.separators = QStringLiteral("linRoundTate"),
                               .headers = QStringLiteral("lblRoundNo"),
                               .left = kRoundLeft,
                               .width = w,
                               .columns = rounds,
                               .headerCount = rounds,
                               .headerTop = control(QStringLiteral("linTop")).y1 + kCellOffset,
                               .caption = [](Long i) { return QStringLiteral("R") + QString::number(i + 1); }});
    psClearPageTexts();

    const Integer judgeDaSu = gSeasonGameInfo.JudgeDaSu;
    const bool byAge = gSeasonGameInfo.JudgeBirthday == 1;
    // The complete rounds of the run of rows under the last thick line.
    Long runRounds = rounds;

    Walk walk;
    walk.rows = glngSeasonGameRankingUBound() + 1;
    walk.separator = [&](Long i, bool firstOfPage) {
        const SeasonScore& r = gSeasonGameRanking[static_cast<size_t>(i)];
        if (!firstOfPage && r.Rounds == runRounds) {
            psRowLine(QStringLiteral("linHosoYoko"), true);
        } else {
            psRowLine(QStringLiteral("linFutoYoko"), true);
            runRounds = r.Rounds;
        }
    };
    walk.drawRow = [&](Long i) {
        const SeasonScore& r = gSeasonGameRanking[static_cast<size_t>(i)];
        const bool played = r.Total != 0;
        psCell(QStringLiteral("lblNo"), QString::number(r.Rank));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), gfAgeGenderCellText(r.IDNo, r.Date));
        psCell(QStringLiteral("lblDate"), vb::FormatDateText(r.Date, QStringLiteral("ge/mm/dd")));
        for (Long k = 0; k < rounds; ++k) {
            const Long strokes = gfElementAt(r.RoundSum, k);
            Control& c = psCell(QStringLiteral("lblRound"), gfNumberOrDash(strokes >= 1, strokes));
            c.left = kRoundLeft + k * w;
            c.width = w;
        }
        psCell(QStringLiteral("lblJituDa"), QString::number(r.Total));
        psCell(QStringLiteral("lblHits"), gfNumberOrDash(played, r.StrokeCount[0]));
        psCell(QStringLiteral("lblGoukei"), gfNumberOrDash(played, r.Net));
        for (int k = 1; k <= 4; ++k)
            psCell(QStringLiteral("lblHits"), gfNumberOrDash(played && k < judgeDaSu, r.StrokeCount[k])).left =
                kClassLeft[k - 1];
        psCell(QStringLiteral("lblBirthday"),
               byAge ? gfGetAge(gfGetMemberBirthday(r.IDNo), r.Date, 1) : QStringLiteral("-"));
    };
    walk.atPageEnd = [this] { gsStretchLoadedLines(*this, QStringLiteral("linRoundTate"), mY); };
    psWalk(walk);
}

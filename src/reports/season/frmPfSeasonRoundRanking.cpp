#include "reports/season/frmPfSeasonRoundRanking.h"

#include "core/helpers.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

#include <QStringList>

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::Control;
using print::label;
using print::line;

namespace {

// The hole band between linTate(9) and linTate(3).
constexpr Long kHoleLeft = 4200;
constexpr Long kHoleBand = 3720;

}  // namespace

frmPfSeasonRoundRanking::frmPfSeasonRoundRanking()
    : PageFrame(QStringLiteral("frmPfSeasonRoundRanking"), QStringLiteral("通算ベストラウンド"))
{
    const print::Font bold = font(9.75, true);

    add(label("lblScorePage").at(9135, 0, 1920, 195).align(AlignRight).withFont(bold).sizedToText());
    add(label("lblSeasonTittle").at(300, 240, 10785, 195).withFont(bold));
    add(label("lblScoreTittle").at(300, 540, 9615, 195).withFont(bold));
    add(label("lblEntryNum").at(10140, 540, 855, 195).align(AlignRight).sizedToText());
    add(label("lblPage").at(5198, 14760, 915, 195).align(AlignCenter));

    add(gfColumnHeader("lblNoNo", -1, 240, 495, QStringLiteral("順位")));
    add(gfColumnHeader("Label7", -1, 780, 2055, QStringLiteral("名 前　（年令・性別）")));
    add(gfColumnHeader("Label2", -1, 2940, 855, QStringLiteral("日付")));
    add(gfColumnHeader("Label8", -1, 3900, 255, QStringLiteral("R")).withFont(font(9, true)));
    add(gfColumnHeader("Label3", -1, 7920, 495, QStringLiteral("実打")));
    add(gfColumnHeader("lblSPTotal", 81, 8460, 255, QStringLiteral("H")));
    add(gfColumnHeader("Label13", -1, 8820, 435, QStringLiteral("合計")).withFont(bold));
    add(gfColumnHeader("lblSPTotal", 0, 9300, 1095, QStringLiteral("2-3-4-5打")));
    add(gfColumnHeader("Label1", -1, 10440, 615, QStringLiteral("年令")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    add(gfTateLine(0, 240, 2));
    add(gfTateLine(1, 720, 2));
    add(gfTateLine(10, 2880, 2));
    add(gfTateLine(2, 3840, 2));
    add(gfTateLine(9, 4200, 2));
    add(gfTateLine(3, 7920, 2));
    add(gfTateLine(4, 8400, 1));
    add(gfTateLine(5, 8760, 2));
    add(gfTateLine(6, 9300, 2));
    add(gfTateLine(7, 10380, 1));
    add(gfTateLine(8, 11040, 2));

    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(240, 1560, 11040, 1560).color(print::kBlue).hidden());
    add(line("linRoundTate", 0).from(5130, 840, 5130, 2280).color(print::kBlue).hidden());
    add(gfCellTemplate("lblNo", 240, 495, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblName", 780, 1755, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 2100, 735, AlignRight, QStringLiteral("(99,M)")));
    add(gfCellTemplate("lblDate", 2880, 975, AlignCenter, QStringLiteral("H21/03/01")).withFont(font(9)));
    add(gfCellTemplate("lblRound", 3900, 255, AlignCenter, QStringLiteral("9")).withFont(font(9, true)));
    add(gfCellTemplate("lblHoleNo", kHoleLeft, 930, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblScore", kHoleLeft, 930, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblJituDa", 7920, 495, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblHits", 8460, 255, AlignCenter, QStringLiteral("9")));
    add(gfCellTemplate("lblGoukei", 8760, 555, AlignCenter, QStringLiteral("99")).withFont(bold));
    add(gfCellTemplate("lbl2345DaNum", 9360, 975, AlignCenter, QStringLiteral("9-9-9-9")));
    add(gfCellTemplate("lblBirthday", 10440, 615, AlignCenter, QStringLiteral("99.999")));
}

void frmPfSeasonRoundRanking::pfDataSetBody()
{
    psSetHeads(QStringLiteral("参加 ") + QString::number(glngSeasonGameRankingUBound() + 1) + QStringLiteral("名"));
    psStretchTateToTop();

    // The hole columns, their separators and the hole numbers.
    const Long holes = gSeasonGameInfo.Hole;
    const Long w = gfColumnWidth(kHoleBand, holes);
    gsLayoutColumnBand(*this, {.separators = QStringLiteral("linRoundTate"),
                               .headers = QStringLiteral("lblHoleNo"),
                               .left = kHoleLeft,
                               .width = w,
                               .columns = holes,
                               .headerCount = holes,
                               .headerTop = control(QStringLiteral("linTop")).y1 + kCellOffset,
                               .caption = [](Long i) { return QString::number(i + 1); }});
    psClearPageTexts();

    const Integer judgeDaSu = gSeasonGameInfo.JudgeDaSu;
    const bool byAge = gSeasonGameInfo.JudgeBirthday == 1;

    Walk walk;
    walk.rows = glngSeasonGameRankingUBound() + 1;
    walk.drawRow = [&](Long i) {
        const SeasonScore& r = gSeasonGameRanking[static_cast<size_t>(i)];
        const bool played = r.Total != 0;
        psCell(QStringLiteral("lblNo"), QString::number(r.Rank));
        psCell(QStringLiteral("lblName"), gfGetMemberName(r.IDNo));
        psCell(QStringLiteral("lblAge"), gfAgeGenderCellText(r.IDNo, r.Date));
        psCell(QStringLiteral("lblDate"), vb::FormatDateText(r.Date, QStringLiteral("ge/mm/dd")));
        psCell(QStringLiteral("lblRound"), QString::number(r.RoundNo));
        for (Long h = 0; h < holes; ++h) {
            Control& c = psCell(QStringLiteral("lblScore"), gfStrokeCellText(QString::number(gfElementAt(r.HoleSum, h))));
            c.left = kHoleLeft + h * w;
            c.width = w;
        }
        psCell(QStringLiteral("lblJituDa"), QString::number(r.Total));
        psCell(QStringLiteral("lblHits"), gfNumberOrDash(played, r.StrokeCount[0]));
        psCell(QStringLiteral("lblGoukei"), gfNumberOrDash(played, r.Net));
        QStringList classes;
        for (int k = 1; k <= 4; ++k)
            classes << (k < judgeDaSu ? QString::number(r.StrokeCount[k]) : QStringLiteral("x"));
        psCell(QStringLiteral("lbl2345DaNum"), classes.join(QLatin1Char('-')));
        psCell(QStringLiteral("lblBirthday"),
               byAge ? gfGetAge(gfGetMemberBirthday(r.IDNo), r.Date, 1) : QStringLiteral("-"));
    };
    walk.atPageEnd = [this] { gsStretchLoadedLines(*this, QStringLiteral("linRoundTate"), mY); };
    psWalk(walk);
}

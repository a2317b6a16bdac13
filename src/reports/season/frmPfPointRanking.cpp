#include "reports/season/frmPfPointRanking.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::label;
using print::line;

namespace {

constexpr double kHeaderTop = 1200;
constexpr double kCellHeight = 255;
constexpr double kHeadHeight = 195;

}  // namespace

frmPfPointRanking::frmPfPointRanking()
    : PageFrame(QStringLiteral("frmPfPointRanking"), QStringLiteral("ポイント集計"))
{
    const print::Font normal = font(9.75);
    const print::Font bold = font(9.75, true);
    const print::Font small = font(9);

    add(label("lblScorePage").at(9180, 0, 1935, kHeadHeight).align(AlignRight).withFont(bold).sizedToText());
    add(label("lblSeasonTittle").at(240, 240, 10890, 225).withFont(font(11.25, true)));
    add(label("lblPeriod").at(240, 540, 6195, kHeadHeight).withFont(bold));
    add(label("lblScoreTittle").at(6660, 540, 4455, kHeadHeight).withFont(bold));
    add(label("lblEntryNum").at(10200, 840, 855, kHeadHeight).align(AlignRight).withFont(normal).sizedToText());
    add(label("lblGamePoints").at(240, 900, 9675, 180).withFont(small));
    add(label("lblPage").at(5198, 14760, 915, 180).align(AlignCenter).withFont(small));

    // The column headers, element 0 over the left half, 1 over the right.
    for (int half = 0; half < 2; ++half) {
        const double shift = half * 5520;
        add(label("lblNoTitle", half).at(240 + shift, kHeaderTop, 435, kCellHeight).align(AlignCenter)
                .text(QStringLiteral("順位")));
        add(label("lblNameTitle", half).at(780 + shift, kHeaderTop, 1935, kCellHeight).align(AlignLeft)
                .text(QStringLiteral("　名 前　（年令・性別）")));
        add(label("lblBelongOrLocation", half).at(2820 + shift, kHeaderTop, 915, kCellHeight).align(AlignCenter)
                .text(QStringLiteral("所属")));
        add(label("lblGNumTitle", half).at(3840 + shift, kHeaderTop, 435, kCellHeight).align(AlignCenter)
                .text(QStringLiteral("G数")));
        add(label("lblPointsTitle", half).at(4380 + shift, kHeaderTop, 1155, kCellHeight).align(AlignCenter)
                .withFont(bold).text(QStringLiteral("ポイント合計")));
    }

    add(line("linTop").from(180, 1140, 11100, 1140).thick(2));
    const double tate[12] = {180, 720, 2760, 3780, 4320, 5580, 5700, 6240, 8280, 9300, 9840, 11100};
    for (int i = 0; i < 12; ++i)
        add(line("linTate", i).from(tate[i], 1140, tate[i], 2580).thick(i == 2 || i == 8 ? 1 : 2));
    add(line("linFutoYoko", 0).from(180, 1500, 11100, 1500).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(180, 1860, 11100, 1860).color(print::kBlue).hidden());

    add(gfCellTemplate("lblNo", 240, 435, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblName", 780, 1395, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 2040, 675, AlignRight, QStringLiteral("(99,M)")));
    add(gfCellTemplate("lblGroupName", 2820, 915, AlignCenter, QStringLiteral("所属")).withFont(small));
    add(gfCellTemplate("lblGameNum", 3840, 435, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblPoints", 4380, 1155, AlignCenter, QStringLiteral("999.9")).withFont(bold));
}

void frmPfPointRanking::pfDataSetBody()
{
    const Long rows = glngPointRankingUBound() + 1;
    psSetHeads(QStringLiteral("参加 ") + QString::number(rows) + QStringLiteral("名"));
    control(QStringLiteral("lblPeriod")).caption = gstrPrintDate;
    control(QStringLiteral("lblGamePoints")).caption = gstrPrintPointsNote;

    QString column;
    if (gintBelongOrLocation == 1)
        column = QStringLiteral("所属");
    else if (gintBelongOrLocation == 2)
        column = QStringLiteral("地域");
    for (int half = 0; half < 2; ++half)
        control(QStringLiteral("lblBelongOrLocation"), half).caption = column;

    psStretchTateToTop();
    psClearPageTexts();

    // Rows fill the left half of a page, then its right half, which starts
    // level with the left half's first row and draws no separators (the left
    // rows' lines span both halves). The page closes at the bottom of the
    // left half, never shorter than the right one.
    psStartRows();
    bool rightHalf = false;
    Long leftBottom = 0;
    for (Long i = 0; i < rows; ++i) {
        const bool first = !rightHalf && pfPageTop();
        if (pfFilling()) {
            if (!rightHalf)
                psSeparator(first);
            psDrawRow(i, rightHalf ? 1 : 0);
        }
        mY += kRowHeight;

        const bool last = i == rows - 1;
        if (!last && mY + kRowHeight <= kPageLimit)
            continue;
        if (!last && !rightHalf) {
            leftBottom = mY;
            mY = mTopY + kRowHeight;
            rightHalf = true;
            continue;
        }
        if (rightHalf)
            mY = leftBottom;
        psEndPage();
        rightHalf = false;
    }
}

void frmPfPointRanking::psDrawRow(Long i, int half)
{
    const PointRank& row = gPointRanking[static_cast<size_t>(i)];
    const auto leftOf = [this, half](const char* header) { return control(QLatin1String(header), half).left; };

    psCell(QStringLiteral("lblNo"), QString::number(row.Rank)).left = leftOf("lblNoTitle");
    psCell(QStringLiteral("lblName"), gfGetMemberName(row.IDNo)).left = leftOf("lblNameTitle");

    const print::Control& nameTitle = control(QStringLiteral("lblNameTitle"), half);
    print::Control& age = psCell(QStringLiteral("lblAge"), gfAgeGenderCellText(row.IDNo, gstrSeasonLastDate));
    age.left = nameTitle.left + nameTitle.width - age.width;

    QString group;
    if (gintBelongOrLocation == 1)
        group = gfGetMemberBelongShortName(row.IDNo);
    else if (gintBelongOrLocation == 2)
        group = gfGetMemberLocation(row.IDNo);
    psCell(QStringLiteral("lblGroupName"), group).left = leftOf("lblBelongOrLocation");
    psCell(QStringLiteral("lblGameNum"), QString::number(row.Games)).left = leftOf("lblGNumTitle");
    psCell(QStringLiteral("lblPoints"), vb::FormatRatio(row.Points, 10, QStringLiteral("0.0"))).left =
        leftOf("lblPointsTitle");
}

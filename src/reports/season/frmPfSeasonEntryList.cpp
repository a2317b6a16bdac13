#include "reports/season/frmPfSeasonEntryList.h"

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

frmPfSeasonEntryList::frmPfSeasonEntryList()
    : PageFrame(QStringLiteral("frmPfSeasonEntryList"), QStringLiteral("参加者一覧"))
{
    const print::Font bold = font(9.75, true);

    add(label("lblScorePage").at(9375, 0, 1680, 195).align(AlignRight).withFont(bold).sizedToText());
    add(label("lblSeasonTittle").at(300, 240, 10785, 195).withFont(bold));
    add(label("lblScoreTittle").at(300, 540, 9075, 195).withFont(bold));
    add(label("lblEntryNum").at(9480, 540, 1575, 195).align(AlignRight).sizedToText());
    add(label("lblPage").at(5198, 14760, 915, 195).align(AlignCenter));

    add(gfColumnHeader("lblNoNo", -1, 300, 435, QStringLiteral("No.")));
    add(gfColumnHeader("lblSPTotal", 83, 840, 615, QStringLiteral("参加数")));
    add(gfColumnHeader("Label7", -1, 1560, 2475, QStringLiteral("名　前　")));
    add(gfColumnHeader("Label13", -1, 4140, 555, QStringLiteral("年令")));
    add(gfColumnHeader("Label3", -1, 4800, 555, QStringLiteral("性別")));
    add(gfColumnHeader("Label1", -1, 5460, 1035, QStringLiteral("地域")));
    add(gfColumnHeader("lblSPTotal", 82, 6600, 4395, QStringLiteral("所属")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    const double tates[] = {240, 780, 1500, 4080, 4740, 5400, 6540, 11040};
    for (int i = 0; i < 8; ++i)
        add(gfTateLine(i, tates[i], 2));
    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(240, 1560, 11040, 1560).color(print::kBlue).hidden());

    add(gfCellTemplate("lblNo", 300, 435, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblEntryGameNum", 840, 615, AlignCenter, QStringLiteral("99")).withFont(bold));
    add(gfCellTemplate("lblName", 1560, 2475, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 4140, 555, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblGender", 4800, 555, AlignCenter, QStringLiteral("男")));
    add(gfCellTemplate("lblLocation", 5460, 1035, AlignCenter, QStringLiteral("東京都")));
    add(gfCellTemplate("lblBelong", 6600, 4395, AlignLeft, QStringLiteral("所属グループ")));
}

void frmPfSeasonEntryList::pfDataSetBody()
{
    psSetHeads(QStringLiteral("参加 ") + QString::number(glngSeasonEntryListUBound() + 1) + QStringLiteral("名"));
    psStretchTateToTop();
    psClearPageTexts();

    Walk walk;
    walk.rows = glngSeasonEntryListUBound() + 1;
    walk.drawRow = [&](Long i) {
        const SeasonScore& row = gSeasonEntryList[static_cast<size_t>(i)];
        // The row number runs through every page (a 16-bit count).
        psCell(QStringLiteral("lblNo"), QString::number(vb::CInt(i + 1)));
        psCell(QStringLiteral("lblEntryGameNum"), QString::number(row.RoundNo));
        psCell(QStringLiteral("lblName"), gfGetMemberName(row.IDNo));
        psCell(QStringLiteral("lblAge"), gfGetMemberAge(row.IDNo, gstrSeasonLastDate));
        psCell(QStringLiteral("lblGender"), gfGetMemberGender(row.IDNo, 0));
        psCell(QStringLiteral("lblLocation"), gfGetMemberLocation(row.IDNo));
        psCell(QStringLiteral("lblBelong"), gfGetMemberBelongName(row.IDNo));
    };
    psWalk(walk);
}

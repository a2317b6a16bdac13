#include "reports/game/frmPfEntryList.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/reportcells.h"

using print::AlignCenter;
using print::AlignLeft;
using print::line;

frmPfEntryList::frmPfEntryList()
    : PageFrame(QStringLiteral("frmPfEntryList"), QStringLiteral("参加一覧"), QStringLiteral("frmPfentryList"))
{
    const print::Font bold = font(9.75, true);

    for (const print::Control& c : gfHeadLabels({.exract = {300, 1560},
                                                 .scorePage = {9375, 1680},
                                                 .seasonTittle = {300, 10785},
                                                 .scoreTittle = {300, 9135},
                                                 .entryNum = {9420, 1575}}))
        add(c);

    add(gfColumnHeader("lblNoNo", -1, 300, 435, QStringLiteral("No.")));
    add(gfColumnHeader("lblSPTotal", 83, 840, 555, QStringLiteral("ﾁｰﾑ")));
    add(gfColumnHeader("Label7", -1, 1500, 2475, QStringLiteral("名　前　")));
    add(gfColumnHeader("Label13", -1, 4080, 495, QStringLiteral("年令")));
    add(gfColumnHeader("Label3", -1, 4680, 495, QStringLiteral("性別")));
    add(gfColumnHeader("Label1", -1, 5280, 1035, QStringLiteral("地域")));
    add(gfColumnHeader("lblSPTotal", 82, 6420, 4035, QStringLiteral("所属")));
    add(gfColumnHeader("Label2", -1, 10560, 435, QStringLiteral("RG")));

    add(line("linTop").from(240, 840, 11040, 840).thick(2));
    add(gfTateLine(0, 240, 2));
    add(gfTateLine(1, 780, 2));
    add(gfTateLine(2, 1440, 2));
    add(gfTateLine(3, 4020, 2));
    add(gfTateLine(4, 4620, 2));
    add(gfTateLine(5, 5220, 2));
    add(gfTateLine(6, 6360, 2));
    add(gfTateLine(8, 10500, 2));
    add(gfTateLine(7, 11040, 2));
    add(line("linFutoYoko", 0).from(240, 1200, 11040, 1200).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(240, 1560, 11040, 1560).color(print::kBlue).hidden());

    add(gfCellTemplate("lblNo", 300, 435, AlignCenter, QStringLiteral("999")));
    add(gfCellTemplate("lblTeamID", 840, 555, AlignCenter, QStringLiteral("ABC")).withFont(bold));
    add(gfCellTemplate("lblName", 1500, 2475, AlignLeft, QStringLiteral("山田太郎")));
    add(gfCellTemplate("lblAge", 4080, 495, AlignCenter, QStringLiteral("99")));
    add(gfCellTemplate("lblGender", 4680, 495, AlignCenter, QStringLiteral("男")));
    add(gfCellTemplate("lblLocation", 5280, 1035, AlignCenter, QStringLiteral("東京都")));
    add(gfCellTemplate("lblBelong", 6420, 4095, AlignLeft, QStringLiteral("所属グループ")));
    add(gfCellTemplate("lblRoundGroup", 10560, 435, AlignCenter, QStringLiteral("99")).withFont(bold));
}

void frmPfEntryList::pfDataSetBody()
{
    psSetHeads(QStringLiteral("参加 ") + QString::number(gintPrintEntryNum) + QStringLiteral("名、") +
               QString::number(gintPrintTeamNum) + QStringLiteral("ﾁｰﾑ"));
    psStretchTateToTop();
    psClearPageTexts();

    // One row per player: the lines 0, Round, 2 x Round, ...
    const Long step = gGame.Round;
    if (step < 1)
        vb::raiseInvalidArgument();
    auto lineOf = [step](Long row) -> const ScoreLine& { return gScoreLines[static_cast<size_t>(row * step)]; };

    Walk walk;
    walk.rows = glngScoreLinesUBound() < 0 ? 0 : glngScoreLinesUBound() / step + 1;
    walk.groupFilter = true;
    walk.keep = [&](Long row) { return gfInPrintGroup(lineOf(row).IDNo); };
    walk.drawRow = [&](Long row) {
        const ScoreLine& ln = lineOf(row);
        // Every player counts, dropped ones too.
        psCell(QStringLiteral("lblNo"), QString::number(row + 1));
        psCell(QStringLiteral("lblTeamID"), vb::Trim(ln.TeamID));
        psCell(QStringLiteral("lblName"), gfGetMemberName(ln.IDNo));
        psCell(QStringLiteral("lblAge"), gfGetMemberAge(ln.IDNo, gstrPrintDate));
        psCell(QStringLiteral("lblGender"), gfGetMemberGender(ln.IDNo, 0));
        psCell(QStringLiteral("lblLocation"), gfGetMemberLocation(ln.IDNo));
        psCell(QStringLiteral("lblBelong"), gfGetMemberBelongName(ln.IDNo));
        psCell(QStringLiteral("lblRoundGroup"), ln.RoundGNo >= 1 ? QString::number(ln.RoundGNo) : QString());
    };
    psWalk(walk);
}

#include "reports/season/frmPfSeasonEntryList.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "platform/vbruntime.h"
#include "reports/pagedesign.h"

using print::AlignCenter;
using print::AlignLeft;

frmPfSeasonEntryList::frmPfSeasonEntryList()
    : PageFrame(QStringLiteral("frmPfSeasonEntryList"), QStringLiteral("参加者一覧"))
{
    using namespace pagedesign;
    add(scorePage(9375, 1680));
    add(titleLine(QStringLiteral("lblSeasonTittle"), 300, 240, 10785));
    add(titleLine(QStringLiteral("lblScoreTittle"), 300, 540, 9075));
    add(entryNum(9480, 1575));
    add(pageFooter());

    add(header(QStringLiteral("lblNoNo"), -1, 300, 435, QStringLiteral("No.")));
    add(header(QStringLiteral("lblSPTotal"), 83, 840, 615, QStringLiteral("参加数")));
    add(header(QStringLiteral("Label7"), -1, 1560, 2475, QStringLiteral("名　前　")));
    add(header(QStringLiteral("Label13"), -1, 4140, 555, QStringLiteral("年令")));
    add(header(QStringLiteral("Label3"), -1, 4800, 555, QStringLiteral("性別")));
    add(header(QStringLiteral("Label1"), -1, 5460, 1035, QStringLiteral("地域")));
    add(header(QStringLiteral("lblSPTotal"), 82, 6600, 4395, QStringLiteral("所属")));

    add(top(240, 11040));
    const double tates[] = {240, 780, 1500, 4080, 4740, 5400, 6540, 11040};
    for (int i = 0; i < 8; ++i)
        add(tate(i, tates[i], true));
    add(separator(QStringLiteral("linFutoYoko"), 240, 11040, true));
    add(separator(QStringLiteral("linHosoYoko"), 240, 11040, false));

    add(cell(QStringLiteral("lblNo"), 300, 435));
    add(cell(QStringLiteral("lblEntryGameNum"), 840, 615)).font.bold = true;
    add(cell(QStringLiteral("lblName"), 1560, 2475, AlignLeft));
    add(cell(QStringLiteral("lblAge"), 4140, 555));
    add(cell(QStringLiteral("lblGender"), 4800, 555));
    add(cell(QStringLiteral("lblLocation"), 5460, 1035));
    add(cell(QStringLiteral("lblBelong"), 6600, 4395, AlignLeft));
}

void frmPfSeasonEntryList::pfDataSetBody()
{
    psSetHeads(QStringLiteral("参加 ") + QString::number(glngSeasonEntryListUBound() + 1) + QStringLiteral("名"));
    psStretchTateToTop();
    psClearPageTexts();

    Walk walk;
    walk.rows = glngSeasonEntryListUBound() + 1;
    walk.drawRow = [&](Long i) {
        const SeasonScore& row = gSeasonEntryList[static_cast<std::size_t>(i)];
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

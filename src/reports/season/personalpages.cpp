#include "reports/season/personalpages.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "reports/pageframe.h"
#include "reports/reportcells.h"

namespace personalpages {

const QString kPersonalDatePattern = QStringLiteral("ggge年mm月dd日(aaa)");

const GameInfo& gameOf(Long gameNo)
{
    return gfElementAt(gGameList, gameNo);
}

void psNameThePlayer(print::PageForm& form, Long player)
{
    if (gintPageNo < 1 || gintPageNo > form.gintMaxPageNo)
        return;
    print::Control& title = form.control(QStringLiteral("lblScoreTittle"));
    title.caption += QStringLiteral(" ： 【") + gfGetMemberName(player) + QStringLiteral("】");
}

}  // namespace personalpages

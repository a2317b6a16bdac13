#include "reports/modReports.h"

#include "print/modPrint.h"
#include "reports/game/frmPfRegiTeamList.h"

Integer gfPrintRegiTeamList(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfRegiTeamList>(), QStringLiteral("gfPrintRegiTeamList"), 10, 0,
                         mode, owner);
}

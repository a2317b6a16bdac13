#include "pointsreport.h"

#include "pagereports.h"

#include "core/gamefile.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "reports/season/frmPrintPoinsRanking.h"

#include <QPushButton>

QString runPointsReport(const QStringList& args)
{
    bool ok = false;
    const Long series = args.size() == 1 ? args[0].toInt(&ok) : 0;
    if (!ok)
        return QStringLiteral("takes SERIESID");

    if (const QString refused = readMainWindowListsOrRefuse(); !refused.isEmpty())
        return refused;

    gintDialogResult = -1;
    glngDialogParam = series;
    frmPrintPoinsRanking dialog;
    if (!dialog.btnOK->isEnabled())
        return QStringLiteral("series %1 is not a live point series").arg(series);
    dialog.btnOK->click();
    return QString();
}

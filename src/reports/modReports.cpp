#include "reports/modReports.h"

#include "platform/uiservice.h"
#include "print/modPrint.h"
#include "reports/game/frmPfEntryList.h"
#include "reports/game/frmPfPersonRanking.h"
#include "reports/game/frmPfRegiTeamList.h"
#include "reports/game/frmPfRoundRanking.h"
#include "reports/game/frmPfScore.h"
#include "reports/game/frmPfTeamList.h"
#include "reports/game/frmPfTeamRanking.h"
#include "reports/season/frmPfSeasonEntryList.h"
#include "reports/season/frmPfSeasonGameRanking.h"
#include "reports/season/frmPfSeasonRoundRanking.h"
#include "reports/season/frmPfSeasonTeamList.h"
#include "reports/season/frmPfSeasonTeamRanking.h"
#include "reports/season/frmPfSeasonTotalRanking.h"
#include "reports/season/frmPfPointRanking.h"
#include "reports/season/frmPfSeasonPersonalGameInfo.h"
#include "reports/season/frmPfSeasonPersonalGameScore.h"
#include "reports/season/frmPfSeasonPersonalRoundScore.h"

#include <QWidget>

#include <algorithm>

const std::vector<ReportPageForm>& gReportPageForms()
{
    using print::pageFormFactory;
    static const std::vector<ReportPageForm> rows{
        {QStringLiteral("gfPrintRegiTeamList"), pageFormFactory<frmPfRegiTeamList>(), 10, 0},
        {QStringLiteral("gfPrintEntryList"), pageFormFactory<frmPfEntryList>(), 10, 0},
        {QStringLiteral("gfPrintScore"), pageFormFactory<frmPfScore>(), 10, 0},
        {QStringLiteral("gfPrintPersonRanking"), pageFormFactory<frmPfPersonRanking>(), 10, 0},
        {QStringLiteral("gfPrintRoundRanking"), pageFormFactory<frmPfRoundRanking>(), 10, 0},
        {QStringLiteral("gfPrintTeamList"), pageFormFactory<frmPfTeamList>(), 10, 0},
        {QStringLiteral("gfPrintTeamRanking"), pageFormFactory<frmPfTeamRanking>(), 5, 0},
        {QStringLiteral("gfPrintSeasonEntryList"), pageFormFactory<frmPfSeasonEntryList>(), 10, 0},
        {QStringLiteral("gfPrintSeasonTotalRanking"), pageFormFactory<frmPfSeasonTotalRanking>(), 10, 0},
        {QStringLiteral("gfPrintSeasonGameRanking"), pageFormFactory<frmPfSeasonGameRanking>(), 10, 0},
        {QStringLiteral("gfPrintSeasonRoundRanking"), pageFormFactory<frmPfSeasonRoundRanking>(), 10, 0},
        {QStringLiteral("gfPrintSeasonTeamList"), pageFormFactory<frmPfSeasonTeamList>(), 10, 0},
        {QStringLiteral("gfPrintSeasonTeamRanking"), pageFormFactory<frmPfSeasonTeamRanking>(), 10, 0},
        {QStringLiteral("gfPrintPointRanking"), pageFormFactory<frmPfPointRanking>(), 10, 0},
        {QStringLiteral("gfPrintSeasonPersonalGameScore"), pageFormFactory<frmPfSeasonPersonalGameScore>(), 10, 0},
        {QStringLiteral("gfPrintSeasonPersonalGameInfo"), pageFormFactory<frmPfSeasonPersonalGameInfo>(), 10, 0},
        {QStringLiteral("gfPrintSeasonPersonalRoundScore"), pageFormFactory<frmPfSeasonPersonalRoundScore>(), 10, 0},
    };
    return rows;
}

namespace {

// The launcher's print of its row of the report table. A launcher without
// a row (a mistake of this file) gets its error box from the missing form.
Integer psPrintRow(const QString& launcher, Integer mode, QWidget* owner)
{
    const std::vector<ReportPageForm>& rows = gReportPageForms();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const ReportPageForm& r) { return r.launcher == launcher; });
    const ReportPageForm none{launcher, {}};
    const ReportPageForm& r = row != rows.end() ? *row : none;
    return gfPrintReport(r.form, launcher, r.offsetDownMm, r.offsetAcrossMm, mode, owner);
}

}  // namespace

Integer gfPrintRegiTeamList(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintRegiTeamList"), mode, owner);
}

Integer gfPrintEntryList(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintEntryList"), mode, owner);
}

Integer gfPrintScore(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintScore"), mode, owner);
}

Integer gfPrintPersonRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintPersonRanking"), mode, owner);
}

Integer gfPrintRoundRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintRoundRanking"), mode, owner);
}

Integer gfPrintTeamList(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintTeamList"), mode, owner);
}

Integer gfPrintTeamRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintTeamRanking"), mode, owner);
}

void gsMsgNoPrintData(QWidget* owner)
{
    platform::MsgBox(QStringLiteral("印刷データはありません。"), platform::vbOKOnly, QStringLiteral("ｴﾗｰ"), owner);
}

Integer gfPrintSeasonEntryList(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonEntryList"), mode, owner);
}

Integer gfPrintSeasonTotalRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonTotalRanking"), mode, owner);
}

Integer gfPrintSeasonGameRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonGameRanking"), mode, owner);
}

Integer gfPrintSeasonRoundRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonRoundRanking"), mode, owner);
}

Integer gfPrintSeasonTeamList(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonTeamList"), mode, owner);
}

Integer gfPrintSeasonTeamRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonTeamRanking"), mode, owner);
}

Integer gfPrintPointRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintPointRanking"), mode, owner);
}

Integer gfPrintSeasonPersonalGameScore(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonPersonalGameScore"), mode, owner);
}

Integer gfPrintSeasonPersonalGameInfo(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonPersonalGameInfo"), mode, owner);
}

Integer gfPrintSeasonPersonalRoundScore(Integer mode, QWidget* owner)
{
    return psPrintRow(QStringLiteral("gfPrintSeasonPersonalRoundScore"), mode, owner);
}

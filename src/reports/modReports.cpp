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

namespace {

using print::pageFormFactory;

// Each launcher's row: its name (for its error box), its page form and its
// offsets in millimetres, down and across.
const ReportPageForm kRegiTeamList{QStringLiteral("gfPrintRegiTeamList"),
                                   pageFormFactory<frmPfRegiTeamList>(), 10, 0};
const ReportPageForm kEntryList{QStringLiteral("gfPrintEntryList"), pageFormFactory<frmPfEntryList>(), 10, 0};
const ReportPageForm kScore{QStringLiteral("gfPrintScore"), pageFormFactory<frmPfScore>(), 10, 0};
const ReportPageForm kPersonRanking{QStringLiteral("gfPrintPersonRanking"),
                                    pageFormFactory<frmPfPersonRanking>(), 10, 0};
const ReportPageForm kRoundRanking{QStringLiteral("gfPrintRoundRanking"),
                                   pageFormFactory<frmPfRoundRanking>(), 10, 0};
const ReportPageForm kTeamList{QStringLiteral("gfPrintTeamList"), pageFormFactory<frmPfTeamList>(), 10, 0};
const ReportPageForm kTeamRanking{QStringLiteral("gfPrintTeamRanking"), pageFormFactory<frmPfTeamRanking>(), 5, 0};
const ReportPageForm kSeasonEntryList{QStringLiteral("gfPrintSeasonEntryList"),
                                      pageFormFactory<frmPfSeasonEntryList>(), 10, 0};
const ReportPageForm kSeasonTotalRanking{QStringLiteral("gfPrintSeasonTotalRanking"),
                                         pageFormFactory<frmPfSeasonTotalRanking>(), 10, 0};
const ReportPageForm kSeasonGameRanking{QStringLiteral("gfPrintSeasonGameRanking"),
                                        pageFormFactory<frmPfSeasonGameRanking>(), 10, 0};
const ReportPageForm kSeasonRoundRanking{QStringLiteral("gfPrintSeasonRoundRanking"),
                                         pageFormFactory<frmPfSeasonRoundRanking>(), 10, 0};
const ReportPageForm kSeasonTeamList{QStringLiteral("gfPrintSeasonTeamList"),
                                     pageFormFactory<frmPfSeasonTeamList>(), 10, 0};
const ReportPageForm kSeasonTeamRanking{QStringLiteral("gfPrintSeasonTeamRanking"),
                                        pageFormFactory<frmPfSeasonTeamRanking>(), 10, 0};
const ReportPageForm kPointRanking{QStringLiteral("gfPrintPointRanking"),
                                   pageFormFactory<frmPfPointRanking>(), 10, 0};
const ReportPageForm kSeasonPersonalGameScore{QStringLiteral("gfPrintSeasonPersonalGameScore"),
                                              pageFormFactory<frmPfSeasonPersonalGameScore>(), 10, 0};
const ReportPageForm kSeasonPersonalGameInfo{QStringLiteral("gfPrintSeasonPersonalGameInfo"),
                                             pageFormFactory<frmPfSeasonPersonalGameInfo>(), 10, 0};
const ReportPageForm kSeasonPersonalRoundScore{QStringLiteral("gfPrintSeasonPersonalRoundScore"),
                                               pageFormFactory<frmPfSeasonPersonalRoundScore>(), 10, 0};

Integer psPrintRow(const ReportPageForm& r, Integer mode, QWidget* owner)
{
    return gfPrintReport(r.form, r.launcher, r.offsetDownMm, r.offsetAcrossMm, mode, owner);
}

}  // namespace

const std::vector<ReportPageForm>& gReportPageForms()
{
    static const std::vector<ReportPageForm> rows{
        kRegiTeamList,
        kEntryList,
        kScore,
        kPersonRanking,
        kRoundRanking,
        kTeamList,
        kTeamRanking,
        kSeasonEntryList,
        kSeasonTotalRanking,
        kSeasonGameRanking,
        kSeasonRoundRanking,
        kSeasonTeamList,
        kSeasonTeamRanking,
        kPointRanking,
        kSeasonPersonalGameScore,
        kSeasonPersonalGameInfo,
        kSeasonPersonalRoundScore,
    };
    return rows;
}

Integer gfPrintRegiTeamList(Integer mode, QWidget* owner)
{
    return psPrintRow(kRegiTeamList, mode, owner);
}

Integer gfPrintEntryList(Integer mode, QWidget* owner)
{
    return psPrintRow(kEntryList, mode, owner);
}

Integer gfPrintScore(Integer mode, QWidget* owner)
{
    return psPrintRow(kScore, mode, owner);
}

Integer gfPrintPersonRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(kPersonRanking, mode, owner);
}

Integer gfPrintRoundRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(kRoundRanking, mode, owner);
}

Integer gfPrintTeamList(Integer mode, QWidget* owner)
{
    return psPrintRow(kTeamList, mode, owner);
}

Integer gfPrintTeamRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(kTeamRanking, mode, owner);
}

void gsMsgNoPrintData(QWidget* owner)
{
    platform::MsgBox(QStringLiteral("印刷データはありません。"), platform::vbOKOnly, QStringLiteral("ｴﾗｰ"), owner);
}

Integer gfPrintSeasonEntryList(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonEntryList, mode, owner);
}

Integer gfPrintSeasonTotalRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonTotalRanking, mode, owner);
}

Integer gfPrintSeasonGameRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonGameRanking, mode, owner);
}

Integer gfPrintSeasonRoundRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonRoundRanking, mode, owner);
}

Integer gfPrintSeasonTeamList(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonTeamList, mode, owner);
}

Integer gfPrintSeasonTeamRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonTeamRanking, mode, owner);
}

Integer gfPrintPointRanking(Integer mode, QWidget* owner)
{
    return psPrintRow(kPointRanking, mode, owner);
}

Integer gfPrintSeasonPersonalGameScore(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonPersonalGameScore, mode, owner);
}

Integer gfPrintSeasonPersonalGameInfo(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonPersonalGameInfo, mode, owner);
}

Integer gfPrintSeasonPersonalRoundScore(Integer mode, QWidget* owner)
{
    return psPrintRow(kSeasonPersonalRoundScore, mode, owner);
}

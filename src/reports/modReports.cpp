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

Integer gfPrintRegiTeamList(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfRegiTeamList>(), QStringLiteral("gfPrintRegiTeamList"), 10, 0,
                         mode, owner);
}

Integer gfPrintEntryList(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfEntryList>(), QStringLiteral("gfPrintEntryList"), 10, 0, mode,
                         owner);
}

Integer gfPrintScore(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfScore>(), QStringLiteral("gfPrintScore"), 10, 0, mode, owner);
}

Integer gfPrintPersonRanking(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfPersonRanking>(), QStringLiteral("gfPrintPersonRanking"), 10,
                         0, mode, owner);
}

Integer gfPrintRoundRanking(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfRoundRanking>(), QStringLiteral("gfPrintRoundRanking"), 10, 0,
                         mode, owner);
}

Integer gfPrintTeamList(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfTeamList>(), QStringLiteral("gfPrintTeamList"), 10, 0, mode,
                         owner);
}

Integer gfPrintTeamRanking(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfTeamRanking>(), QStringLiteral("gfPrintTeamRanking"), 5, 0,
                         mode, owner);
}

void gsMsgNoPrintData(QWidget* owner)
{
    platform::MsgBox(QStringLiteral("印刷データはありません。"), platform::vbOKOnly, QStringLiteral("ｴﾗｰ"), owner);
}

Integer gfPrintSeasonEntryList(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonEntryList>(), QStringLiteral("gfPrintSeasonEntryList"),
                         10, 0, mode, owner);
}

Integer gfPrintSeasonTotalRanking(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonTotalRanking>(),
                         QStringLiteral("gfPrintSeasonTotalRanking"), 10, 0, mode, owner);
}

Integer gfPrintSeasonGameRanking(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonGameRanking>(),
                         QStringLiteral("gfPrintSeasonGameRanking"), 10, 0, mode, owner);
}

Integer gfPrintSeasonRoundRanking(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonRoundRanking>(),
                         QStringLiteral("gfPrintSeasonRoundRanking"), 10, 0, mode, owner);
}

Integer gfPrintSeasonTeamList(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonTeamList>(), QStringLiteral("gfPrintSeasonTeamList"),
                         10, 0, mode, owner);
}

Integer gfPrintSeasonTeamRanking(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonTeamRanking>(),
                         QStringLiteral("gfPrintSeasonTeamRanking"), 10, 0, mode, owner);
}

Integer gfPrintPointRanking(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfPointRanking>(), QStringLiteral("gfPrintPointRanking"), 10, 0,
                         mode, owner);
}

Integer gfPrintSeasonPersonalGameScore(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonPersonalGameScore>(),
                         QStringLiteral("gfPrintSeasonPersonalGameScore"), 10, 0, mode, owner);
}

Integer gfPrintSeasonPersonalGameInfo(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonPersonalGameInfo>(),
                         QStringLiteral("gfPrintSeasonPersonalGameInfo"), 10, 0, mode, owner);
}

Integer gfPrintSeasonPersonalRoundScore(Integer mode, QWidget* owner)
{
    return gfPrintReport(print::pageFormFactory<frmPfSeasonPersonalRoundScore>(),
                         QStringLiteral("gfPrintSeasonPersonalRoundScore"), 10, 0, mode, owner);
}

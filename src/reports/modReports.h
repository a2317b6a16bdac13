// The report launchers, one per report page form: each counts its report's
// pages and opens the preview (mode 0) or prints every page (mode 1), and
// returns 0, or -1 after its error box. The caller sets the print state and
// the tables the page reads first, and passes itself as the owner.
//
// Adding a report: give it a row in modReports.cpp (the launcher's name,
// its page form, its offsets in millimetres down and across) and put the
// row in the report table there, declare its launcher here and define it
// there as the print of its row. The table is the program's list of report
// page forms: what holds for every page form (each fixed caption on one
// line) is tested over it.
#pragma once

#include "core/records.h"
#include "print/pageform.h"

#include <QString>

#include <vector>

class QWidget;

// One report page form and how its launcher prints it (gfPrintReport,
// print/modPrint.h).
struct ReportPageForm {
    QString launcher;   // the launcher's name ("gfPrintScore"), for its error box
    print::PageFormFactory form;
    Long offsetDownMm = 10;
    Long offsetAcrossMm = 0;
};

// Every report page form of the program, one row per launcher.
const std::vector<ReportPageForm>& gReportPageForms();

// The list of registered teams (frmPfRegiTeamList), from the team dialog.
Integer gfPrintRegiTeamList(Integer mode, QWidget* owner);

// The reports of one game, from the game print dialog: the participants
// list, the score sheet, the personal ranking, the best rounds, the team
// list and the team ranking (printed 5 mm down, the others 10 mm).
Integer gfPrintEntryList(Integer mode, QWidget* owner);
Integer gfPrintScore(Integer mode, QWidget* owner);
Integer gfPrintPersonRanking(Integer mode, QWidget* owner);
Integer gfPrintRoundRanking(Integer mode, QWidget* owner);
Integer gfPrintTeamList(Integer mode, QWidget* owner);
Integer gfPrintTeamRanking(Integer mode, QWidget* owner);

// The print dialogs' refusal when a report has no row:
// "印刷データはありません。", titled "ｴﾗｰ", OK only, no icon.
void gsMsgNoPrintData(QWidget* owner);

// The season reports, from the season print dialog (frmPrintTotalGames): the
// entry list, the total ranking, the best games, the best rounds, the team
// list and the team ranking.
Integer gfPrintSeasonEntryList(Integer mode, QWidget* owner);
Integer gfPrintSeasonTotalRanking(Integer mode, QWidget* owner);
Integer gfPrintSeasonGameRanking(Integer mode, QWidget* owner);
Integer gfPrintSeasonRoundRanking(Integer mode, QWidget* owner);
Integer gfPrintSeasonTeamList(Integer mode, QWidget* owner);
Integer gfPrintSeasonTeamRanking(Integer mode, QWidget* owner);

// The point ranking of a series (frmPfPointRanking), from the point ranking
// dialog (frmPrintPoinsRanking).
Integer gfPrintPointRanking(Integer mode, QWidget* owner);

// One player's season reports, from the season print dialog
// (frmPrintTotalGames): the game list by date or result
// (frmPfSeasonPersonalGameScore), the game information
// (frmPfSeasonPersonalGameInfo) and the round scores
// (frmPfSeasonPersonalRoundScore).
Integer gfPrintSeasonPersonalGameScore(Integer mode, QWidget* owner);
Integer gfPrintSeasonPersonalGameInfo(Integer mode, QWidget* owner);
Integer gfPrintSeasonPersonalRoundScore(Integer mode, QWidget* owner);

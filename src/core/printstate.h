// The print state: what the dialog that starts a report leaves for the
// report's page form (titles, dates, head counts, season options), and the
// page position the print engine steps through.
//
// Plain program-wide values: the strings start empty and the numbers 0, and
// nothing resets them; every report's dialog writes all that its report
// reads before it calls the report's launcher. They are declared here, in
// the core, so that the season tallies can read them without depending on
// the print library; the print engine and the page forms use them from
// here.
#pragma once

#include "core/records.h"

#include <QString>

// Season total ranking method: 0 average net strokes per round, 1 per game,
// 2 per hole, 3 season total, 4 number of holes-in-one.
extern Integer gintTotalRankingMode;
// Required complete rounds (method 0), games (method 1) and holes (method 2).
extern Long glngKiteiRound;
extern Long glngKiteiGame;
extern Long glngKiteiHole;
// Smallest and largest date of the ticked games ("yyyy/mm/dd", compared as
// text).
extern QString gstrSeasonFirstDate;
extern QString gstrSeasonLastDate;
// Two characters: the first "1" when the ticked games differ in holes, the
// second "1" when they differ in rounds ("0" otherwise).
extern QString gstrSeasonDiffer;

// Head counts of the open game as the game reports print them: the number of
// players and the number of teams. The game window sets them whenever it
// refreshes its entry-count label; the season team pages use them as their
// own counters.
extern Integer gintPrintEntryNum;
extern Integer gintPrintTeamNum;

// Title lines of a report page, from the print dialog's two title boxes.
extern QString gstrPrintTitle1;
extern QString gstrPrintTitle2;
// The points-per-place note of the point ranking ("（ポイント：...）").
extern QString gstrPrintPointsNote;
// The game reports: the game's date (the reference date of ages); the point
// ranking: its period line.
extern QString gstrPrintDate;
// The extra column of the season total ranking and the point ranking: 0
// none, 1 the player's group, 2 the player's region.
extern Integer gintBelongOrLocation;
// Title switch of the season best games page (0: "通算ベストゲーム").
extern Integer gintPrintGameRankTitle;

// The page the next load of a page form fills, from 1; -1 while the form
// only counts its pages.
extern Integer gintPageNo;
// The pages of the report in hand (-1 while counting).
extern Integer gintPageCount;

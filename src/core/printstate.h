// Print-state values read by the core's season tallies.
//
// The print engine owns these values: the main window's season command and
// the season print dialog set them before a season report is tallied, and
// the season pages read them while they print. They are declared here, in
// the core, so that the tallies can read them without depending on the print
// library; the print engine includes this header and may keep further
// print-state variables of its own beside them.
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

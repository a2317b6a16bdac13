// One-time jobs of the start-up: taking over the data of an older version and
// rewriting every stored game file in the current format.
#pragma once

#include <QString>

// Turns the older version's data folder (gstrAppFolder & "/data") into the
// current layout: its series list goes into the current series file and every
// old score file becomes a game file of its own.
void gsMigrateOldData();

// Reads one old score file into gGame (date and title) and gScoreLines.
void psReadOldScoreFile(const QString& path);

// Rewrites every game file of the game list with the current writer.
void gsConvert200to210();

#include "core/printstate.h"

Integer gintTotalRankingMode = 0;
Long glngKiteiRound = 0;
Long glngKiteiGame = 0;
Long glngKiteiHole = 0;
QString gstrSeasonFirstDate;
QString gstrSeasonLastDate;
QString gstrSeasonDiffer;
Integer gintPrintEntryNum = 0;
Integer gintPrintTeamNum = 0;

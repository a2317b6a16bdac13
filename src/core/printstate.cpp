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
QString gstrPrintTitle1;
QString gstrPrintTitle2;
QString gstrPrintPointsNote;
QString gstrPrintDate;
Integer gintBelongOrLocation = 0;
Integer gintPrintGameRankTitle = 0;
Integer gintPageNo = 0;
Integer gintPageCount = 0;

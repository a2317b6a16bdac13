// The season reports of the page dump tool:
//   season REPORT --games FILE,FILE,... [--series ID] [--course ID]
//                 [--category GENDER,LOW,HIGH] [--basis 0..4]
//                 [--player ID] [--order date|result|info]
#pragma once

#include <QString>
#include <QStringList>

// The usage text of the arguments.
QString seasonReportArguments();
// Ticks the games as the main window would (in its list's order, by date),
// prepares the season dialog's inputs with the series and course filters
// (default すべて), opens the season print dialog on its stored settings,
// sets the category (as the category dialog's OK would) and the basis of
// the total ranking or the order of the personal game list, and presses
// the report's button; a personal report's player chooser is answered with
// --player. "" when the report ran, else what was wrong with the arguments
// (or the player the chooser does not offer).
QString runSeasonReport(const QStringList& args);

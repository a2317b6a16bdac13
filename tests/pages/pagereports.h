// The reports the page dump tool knows, by the name given on its command
// line.
//
// Adding a report: one entry in pagereports.cpp with its name, its
// arguments for the usage text, and a function that does what the report's
// dialog does before and when it calls the launcher (sets the print state,
// runs the tally, calls the launcher with mode 0). The tool replaces the
// preview window, so the launcher's preview writes the pages instead.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct PageReport {
    QString name;
    QString arguments;   // for the usage text ("" when it takes none)
    // Runs the report with the arguments after the name. Returns "" when
    // the report was started, else what was wrong with the arguments.
    std::function<QString(const QStringList& args)> run;
};

const std::vector<PageReport>& pageReports();

// Reads what the main window has read when it lists the games: the players,
// the groups and the game list. Returns the game files it could not read.
QStringList readMainWindowLists();

// For the reports over several games: reads as readMainWindowLists() and
// returns "" when every game file could be read, else the refusal naming
// the damaged ones.
QString readMainWindowListsOrRefuse();

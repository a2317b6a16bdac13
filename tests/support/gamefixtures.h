// Fixtures shared by the tests of several folders: the program's data paths
// pointed into a temporary folder, and players and their score lines put
// straight into the tables.
#pragma once

#include "core/records.h"

#include <QString>
#include <initializer_list>

namespace testsupport {

// Points every data path of the program into `root`: the application folder
// root/app (settings, re-execute file, temp), the document folder root/doc
// with its data folder and games folder. Makes the application and games
// folders.
void pointDataPathsAt(const QString& root);

// Appends a player to gMemberList.
void addMember(Long id, const QString& name, const QString& birthday, Integer gender, Long belong = 0,
               const QString& location = QString());

// Appends one player's lines to gScoreLines: one text per round, the hole
// texts separated by blanks ("1 2 3 3"), "." for a hole not entered.
void addPlayer(Long id, std::initializer_list<const char*> rounds, const QString& team = QString(),
               Long handicap = 0, Long group = 0);

}  // namespace testsupport

// Per-user base folders (XDG) and small file-system helpers.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The local application-data base folder ($XDG_DATA_HOME). Empty when it
// cannot be resolved.
QString localAppDataFolder();
// The documents folder (XDG documents); created when missing. Empty when it
// cannot be resolved or created.
QString documentsFolder();

// The names of a folder's entries that are not folders: files of any kind,
// hidden ones, links that lead to no folder (broken ones too), in no set
// order; none when the folder cannot be read. The names QDir::entryList
// gives with QDir::Files | QDir::Hidden | QDir::System, read straight from
// the folder instead of through a file information object per entry, so a
// folder of thousands of files is listed quickly.
QStringList folderFileNames(const QString& folder);

// Folder of the installed program (where the help pages live).
QString installationFolder();

// Milliseconds since some fixed moment (GetTickCount) and a plain sleep.
quint32 tickCount();
void sleepMs(int ms);

}  // namespace platform

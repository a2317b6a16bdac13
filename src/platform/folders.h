// Per-user base folders (XDG) and small file-system helpers.
#pragma once

#include <QString>

namespace platform {

// The local application-data base folder ($XDG_DATA_HOME). Empty when it
// cannot be resolved.
QString localAppDataFolder();
// The documents folder (XDG documents); created when missing. Empty when it
// cannot be resolved or created.
QString documentsFolder();

// Folder of the installed program (where the help pages live).
QString installationFolder();

// Milliseconds since some fixed moment (GetTickCount) and a plain sleep.
quint32 tickCount();
void sleepMs(int ms);

}  // namespace platform

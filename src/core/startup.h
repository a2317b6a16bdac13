// Program start: the per-user base folders, every file path, the single
// running instance and the hand-over file of a second start, the setting
// defaults, the team file from an older version's settings and the one-time
// jobs, with the start-up window shown for at least 800 ms.
//
// The core sees no widgets: the start-up window, the main window and the
// one-time jobs are reached through hooks the executable fills in.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// What Main calls outside the core. An empty hook is skipped.
struct StartUpHooks {
    // Loads and shows the start-up window modeless and paints it.
    std::function<void()> showStartUp;
    // Shows a progress message in the start-up window at once.
    std::function<void(const QString&)> setStartUpMessage;
    // Unloads the start-up window.
    std::function<void()> closeStartUp;
    // One-time take-over of an older version's data (on the start that
    // creates the data folder while the old data folder exists).
    std::function<void()> migrateOldData;
    // One-time rewrite of every game file. While this hook is empty the
    // conversion marker is left alone, so the conversion still runs at the
    // first start that has it.
    std::function<void()> convertGameFiles;
    // Loads and shows the main window modeless.
    std::function<void()> showMainWindow;

    // Milliseconds since a fixed moment and a plain sleep; empty = the
    // platform's clock. Tests pass a fake clock.
    std::function<quint32()> tickCount;
    std::function<void(int)> sleepMs;

    // The command-line arguments without the program name; empty = the
    // application's own arguments.
    std::optional<QStringList> arguments;
};

// How Main ended.
enum class StartUpResult {
    MainWindowShown,   // the program runs on in the message loop
    HandedOver,        // another instance runs: the hand-over file was written
    Ended,             // a base folder was missing or start-up failed
};

// The start-up sequence. Returns when the main window is shown (or when the
// program is to end).
StartUpResult Main(const StartUpHooks& hooks);

// Unloads the start-up window when Main has it open.
void psUnloadStartUp();

// The per-user base folders (local application data, documents), or "" after
// a message box when the folder cannot be resolved.
QString gfGetLocalAppDataFolder();
QString gfGetMyDocumentsFolder();

// Replaces the base-folder sources (tests point them at temporary folders);
// an empty function restores the platform's own look-up.
void gsSetBaseFolderSources(std::function<QString()> localAppData,
                            std::function<QString()> documents);

// Sets every file path from the per-user base folders as Main does, but
// creates none of the program's folders and takes no lock: for tools that
// read the program's data beside it. False after the look-up's message when
// a base folder cannot be resolved.
bool gfSetFilePaths();

// Gives up the single-instance lock taken by Main (tests, and a clean end).
void gsReleaseInstanceLock();

// The documents folder: the one that holds the maker's folder, which holds
// the program's own folder gstrDocFolder. Where a file dialog starts when
// it has no folder of its own.
QString gfDocumentsBaseFolder();

// The minimum time the start-up window stays up, from the start of Main.
constexpr int kStartUpMinimumMs = 800;

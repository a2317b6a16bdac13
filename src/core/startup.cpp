#include "core/startup.h"

#include "core/ini.h"
#include "core/records.h"
#include "platform/folders.h"
#include "platform/textfile.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <exception>
#include <memory>

namespace {

const QString kMaker = QStringLiteral("Talvane Software");
const QString kAppName = QStringLiteral("Tallicor");
const QString kProductTitle = QStringLiteral("Corvanti - Tallicor");

std::function<QString()> gLocalAppDataSource;
std::function<QString()> gDocumentsSource;

// Held from the moment Main knows it is the only instance until the end of
// the run (or gsReleaseInstanceLock).
std::unique_ptr<QLockFile> gInstanceLock;

// The start-up window's hook while it is open.
std::function<void()> gCloseStartUp;
bool gStartUpOpen = false;

// Shows the folder look-up's message and gives the empty text.
QString folderNotFound()
{
    platform::MsgBox(QStringLiteral("The folder does not exist"), platform::vbOKOnly, kAppName);
    return QString();
}

QString lookUpFolder(const std::function<QString()>& source, QString (*platformLookUp)())
{
    QString folder;
    try {
        folder = source ? source() : platformLookUp();
    } catch (...) {
        return QString();
    }
    if (vb::Trim(folder).isEmpty())
        return folderNotFound();
    return folder;
}

// Creates one folder when no folder of that name is there; raises the
// runtime's error when that fails.
void createFolderWhenMissing(const QString& path)
{
    if (QFileInfo(path).isDir())
        return;
    if (QFileInfo::exists(path))
        vb::raise(58, QStringLiteral("既に同名のファイルが存在しています。"));
    if (!QDir().mkdir(path))
        vb::raisePermissionDenied();
}

// Copies a file over another (QFile::copy never overwrites).
void copyFileOver(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to) && !QFile::remove(to))
        vb::raisePermissionDenied();
    if (!QFile::copy(from, to))
        vb::raisePermissionDenied();
}

// A base folder that does not exist is created (a fresh Linux home often has
// no documents folder yet); false after the look-up's message when that
// fails.
bool ensureBaseFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    if (QDir().mkpath(folder) && QFileInfo(folder).isDir())
        return true;
    folderNotFound();
    return false;
}

QString commandLine(const StartUpHooks& hooks)
{
    QStringList args;
    if (hooks.arguments) {
        args = *hooks.arguments;
    } else if (QCoreApplication::instance()) {
        args = QCoreApplication::arguments();
        if (!args.isEmpty())
            args.removeFirst();
    }
    return vb::Trim(args.join(QLatin1Char(' ')));
}

void writeDefault(const QString& file, const QString& section, const QString& key,
                  const QString& value)
{
    if (vb::Trim(gfReadIniFile(file, section, key)).isEmpty())
        gfWriteIniFile(file, section, key, value);
}

// The team file of an older version's settings: Team1, Team2, ... up to the
// first blank one.
void seedTeamFile()
{
    if (QFileInfo::exists(gstrTeamFile))
        return;
    for (int n = 1;; ++n) {
        const QString num = QString::number(n);
        const QString team =
            vb::Trim(gfReadIniFile(gstrIniFile, QStringLiteral("RecentTeam"), QStringLiteral("Team") + num));
        if (team.isEmpty())
            break;
        gfWriteIniFile(gstrTeamFile, QStringLiteral("Team"), QStringLiteral("ID") + num, team);
        gfWriteIniFile(gstrTeamFile, QStringLiteral("Team"), QStringLiteral("Detail") + num,
                       QStringLiteral(""));
    }
}

// The program's own folder under a per-user base folder.
QString productFolder(const QString& base)
{
    return base + QStringLiteral("/") + kMaker + QStringLiteral("/") + kAppName;
}

QString dataFolderOf(const QString& docFolder) { return docFolder + QStringLiteral("/data"); }

void setSettingsPaths()
{
    gstrIniFile = gstrAppFolder + QStringLiteral("/") + kAppName + QStringLiteral(".ini");
    gstrTempFolder = gstrAppFolder + QStringLiteral("/temp");
}

void setDataPaths()
{
    gstrGamesFolder = gstrDocFolder + QStringLiteral("/data/games");
    gstrManagerFile = gstrGamesFolder + QStringLiteral("/manager.dat");
    gstrMemberFile = gstrDataFolder + QStringLiteral("/member.dat");
    gstrSeriesFile = gstrDataFolder + QStringLiteral("/series.dat");
    gstrGroupFile = gstrDataFolder + QStringLiteral("/group.dat");
    gstrCourceFile = gstrDataFolder + QStringLiteral("/cource.dat");
    gstrLocationFile = gstrDataFolder + QStringLiteral("/location.dat");
    gstrTeamFile = gstrDataFolder + QStringLiteral("/team.dat");
    gstrRoundGroupFile = gstrDataFolder + QStringLiteral("/roundgroup.dat");
    gstrReExecuteFile = gstrAppFolder + QStringLiteral("/") + kAppName + QStringLiteral(".rex");
}

// Takes the single-instance lock in the application folder. False when
// another running instance holds it; a lock left by a crashed run is taken
// over.
bool takeInstanceLock()
{
    auto lock = std::make_unique<QLockFile>(gstrAppFolder + QStringLiteral("/") + kAppName +
                                            QStringLiteral(".lock"));
    // Only a dead owner makes a lock stale, never its age: the program runs
    // for hours.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        gInstanceLock = std::move(lock);
        return true;
    }
    if (lock->error() == QLockFile::LockFailedError)
        return false;
    vb::raisePermissionDenied();
}

// Removes the temporary files that saves killed between writing and
// renaming left beside the program's own files in the settings, data and
// games folders. Called while this run holds the single-instance lock, so
// no other run writes these files now (a second start writes only the
// hand-over file, whose temporary name lasts an instant). Anything else in
// those folders stays, whatever its name.
void removeStaleTemporaryFiles()
{
    const auto fileName = [](const QString& path) { return QFileInfo(path).fileName(); };
    const QStringList settingsFiles{fileName(gstrIniFile), fileName(gstrReExecuteFile)};
    const QStringList dataFiles{fileName(gstrMemberFile),   fileName(gstrSeriesFile),
                                fileName(gstrGroupFile),    fileName(gstrCourceFile),
                                fileName(gstrLocationFile), fileName(gstrTeamFile),
                                fileName(gstrRoundGroupFile)};
    const QString managerFile = fileName(gstrManagerFile);
    const struct {
        QString folder;
        std::function<bool(const QString&)> ownFile;
    } folders[] = {
        {gstrAppFolder, [&](const QString& name) { return settingsFiles.contains(name); }},
        {gstrDataFolder, [&](const QString& name) { return dataFiles.contains(name); }},
        {gstrGamesFolder,
         [&](const QString& name) { return name == managerFile || name.endsWith(QStringLiteral(".tcg")); }},
    };
    for (const auto& f : folders) {
        const QDir dir(f.folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            QString target;
            if (platform::isAtomicWriteLeftover(name, &target) && f.ownFile(target))
                QFile::remove(dir.filePath(name));
        }
    }
}

void showFailure(const QString& description)
{
    psUnloadStartUp();
    platform::MsgBox(kProductTitle + QStringLiteral("の起動に失敗しました。") + QStringLiteral("\r\n") +
                         description,
                     platform::vbOKOnly | platform::vbExclamation, QStringLiteral("システム・エラー"));
}

}  // namespace

void gsSetBaseFolderSources(std::function<QString()> localAppData,
                            std::function<QString()> documents)
{
    gLocalAppDataSource = std::move(localAppData);
    gDocumentsSource = std::move(documents);
}

QString gfGetLocalAppDataFolder()
{
    return lookUpFolder(gLocalAppDataSource, &platform::localAppDataFolder);
}

QString gfGetMyDocumentsFolder()
{
    return lookUpFolder(gDocumentsSource, &platform::documentsFolder);
}

bool gfSetFilePaths()
{
    const QString appData = gfGetLocalAppDataFolder();
    if (vb::Trim(appData).isEmpty())
        return false;
    const QString documents = gfGetMyDocumentsFolder();
    if (vb::Trim(documents).isEmpty())
        return false;
    gstrAppFolder = productFolder(appData);
    gstrDocFolder = productFolder(documents);
    gstrDataFolder = dataFolderOf(gstrDocFolder);
    setDataPaths();
    setSettingsPaths();
    return true;
}

void gsReleaseInstanceLock()
{
    gInstanceLock.reset();
}

QString gfDocumentsBaseFolder()
{
    // gstrDocFolder is <documents>/<maker>/<program>.
    return QFileInfo(QFileInfo(gstrDocFolder).path()).path();
}

void psUnloadStartUp()
{
    if (!gStartUpOpen)
        return;
    gStartUpOpen = false;
    auto close = std::move(gCloseStartUp);
    gCloseStartUp = nullptr;
    if (close)
        close();
}

StartUpResult Main(const StartUpHooks& hooks)
{
    const auto tick = hooks.tickCount ? hooks.tickCount : std::function<quint32()>(&platform::tickCount);
    const auto sleep = hooks.sleepMs ? hooks.sleepMs : std::function<void(int)>(&platform::sleepMs);

    // 1: the start time.
    const quint32 started = tick();

    try {
        // 2, 3: the base folders.
        const QString appData = gfGetLocalAppDataFolder();
        if (vb::Trim(appData).isEmpty())
            return StartUpResult::Ended;
        const QString documents = gfGetMyDocumentsFolder();
        if (vb::Trim(documents).isEmpty())
            return StartUpResult::Ended;
        if (!ensureBaseFolder(appData) || !ensureBaseFolder(documents))
            return StartUpResult::Ended;

        // 4: the product folders.
        createFolderWhenMissing(appData + QStringLiteral("/") + kMaker);
        gstrAppFolder = productFolder(appData);
        createFolderWhenMissing(gstrAppFolder);
        createFolderWhenMissing(documents + QStringLiteral("/") + kMaker);
        gstrDocFolder = productFolder(documents);
        createFolderWhenMissing(gstrDocFolder);
        gstrDataFolder = dataFolderOf(gstrDocFolder);

        // The single-instance test comes before the data folder is made, so
        // that of two first starts at the same moment the one that stays is
        // the one that notes the old data.
        if (!takeInstanceLock()) {
            // 7, 8: a second start hands its request over and ends.
            setDataPaths();
            gfWriteIniFile(gstrReExecuteFile, QStringLiteral("ReExecute"), QStringLiteral("Really"),
                           QStringLiteral("Yes"));
            gfWriteIniFile(gstrReExecuteFile, QStringLiteral("ReExecute"), QStringLiteral("Command"),
                           commandLine(hooks));
            return StartUpResult::HandedOver;
        }

        // 5: the data folder, and the old version's player and group files
        // when it is made now.
        bool migrate = false;
        if (!QFileInfo(gstrDataFolder).isDir()) {
            createFolderWhenMissing(gstrDataFolder);
            const QString oldData = gstrAppFolder + QStringLiteral("/data");
            if (QFileInfo(oldData).isDir()) {
                migrate = true;
                for (const QString& name : {QStringLiteral("member.dat"), QStringLiteral("group.dat")}) {
                    const QString from = oldData + QStringLiteral("/") + name;
                    if (QFileInfo::exists(from))
                        copyFileOver(from, gstrDataFolder + QStringLiteral("/") + name);
                }
            }
        }

        // 6, 7: the games folder and the file paths.
        setDataPaths();
        createFolderWhenMissing(gstrGamesFolder);

        // 9: a request left from earlier is never acted on.
        if (QFileInfo::exists(gstrReExecuteFile) && !QFile::remove(gstrReExecuteFile))
            vb::raisePermissionDenied();

        // 10: the start-up window.
        gCloseStartUp = hooks.closeStartUp;
        gStartUpOpen = true;
        if (hooks.showStartUp)
            hooks.showStartUp();
        if (hooks.setStartUpMessage)
            hooks.setStartUpMessage(QStringLiteral("初期処理中…"));

        // 11: the older version's data, once.
        if (migrate && hooks.migrateOldData)
            hooks.migrateOldData();

        // 12, 13: the settings file and the temporary folder.
        setSettingsPaths();
        createFolderWhenMissing(gstrTempFolder);

        // What killed saves left behind, now that no other run can write.
        removeStaleTemporaryFiles();

        // 14, 15: defaults, each only where the value is blank.
        writeDefault(gstrMemberFile, QStringLiteral("Management"), QStringLiteral("MaxMemberNo"),
                     QStringLiteral("0"));
        writeDefault(gstrIniFile, QStringLiteral("Setup"), QStringLiteral("Hole"), QStringLiteral("8"));
        writeDefault(gstrIniFile, QStringLiteral("Setup"), QStringLiteral("Round"), QStringLiteral("3"));
        writeDefault(gstrIniFile, QStringLiteral("Setup"), QStringLiteral("KeepMemberEntry"),
                     QStringLiteral("1"));

        // 16: the team file from an older version's settings.
        seedTeamFile();

        // 17, 18: the start-up window stays at least the minimum time.
        const quint32 elapsed = tick() - started;
        if (elapsed < static_cast<quint32>(kStartUpMinimumMs))
            sleep(kStartUpMinimumMs - static_cast<int>(elapsed));
        psUnloadStartUp();

        // 19: the one-time rewrite of the game files; its marker is written
        // only after it returned.
        if (hooks.convertGameFiles &&
            vb::Trim(gfReadIniFile(gstrIniFile, QStringLiteral("Convert"), QStringLiteral("200to210"))).isEmpty()) {
            hooks.convertGameFiles();
            gfWriteIniFile(gstrIniFile, QStringLiteral("Convert"), QStringLiteral("200to210"),
                           QStringLiteral("Finished"));
        }

        // 20: the main window.
        if (hooks.showMainWindow)
            hooks.showMainWindow();
        return StartUpResult::MainWindowShown;
    } catch (const vb::VbError& e) {
        showFailure(e.description());
    } catch (const std::exception& e) {
        showFailure(QString::fromLocal8Bit(e.what()));
    }
    return StartUpResult::Ended;
}

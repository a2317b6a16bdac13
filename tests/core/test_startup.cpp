#include "core/ini.h"
#include "core/records.h"
#include "core/startup.h"
#include "platform/textfile.h"
#include "platform/vbruntime.h"
#include "support/recordingui.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StartUpTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        ASSERT_TRUE(root.isValid());
        appData = root.filePath(QStringLiteral("share"));
        documents = root.filePath(QStringLiteral("Documents"));
        QDir().mkpath(appData);
        gsSetBaseFolderSources([this] { return appData; }, [this] { return documents; });
        appFolder = appData + QStringLiteral("/Talvane Software/Tallicor");
        docFolder = documents + QStringLiteral("/Talvane Software/Tallicor");
    }

    void TearDown() override
    {
        gsReleaseInstanceLock();
        gsSetBaseFolderSources(nullptr, nullptr);
    }

    // Hooks that log what Main does, with a fake clock: every call of the
    // clock returns `now`; hooks may move it on to stand for work done.
    StartUpHooks hooks()
    {
        StartUpHooks h;
        h.showStartUp = [this] { log << QStringLiteral("show"); now += workMs; };
        h.setStartUpMessage = [this](const QString& m) { log << QStringLiteral("msg:") + m; };
        h.closeStartUp = [this] { log << QStringLiteral("close"); };
        h.showMainWindow = [this] { log << QStringLiteral("main"); };
        h.tickCount = [this] { return now; };
        h.sleepMs = [this](int ms) {
            log << QStringLiteral("sleep:%1").arg(ms);
            now += static_cast<quint32>(ms);
        };
        h.arguments = QStringList{};
        return h;
    }

    // Every file and folder below a base folder, relative, sorted.
    static QStringList tree(const QString& base)
    {
        QStringList entries;
        QDirIterator it(base, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            entries << QDir(base).relativeFilePath(it.filePath()) + (it.fileInfo().isDir() ? "/" : "");
        }
        entries.sort();
        return entries;
    }

    static QStringList lines(const QString& path)
    {
        QStringList l;
        platform::readTextLines(path, l);
        return l;
    }

    QString ini(const QString& section, const QString& key)
    {
        return gfReadIniFile(appFolder + QStringLiteral("/Tallicor.ini"), section, key);
    }

    QTemporaryDir root;
    QString appData, documents, appFolder, docFolder;
    QStringList log;
    quint32 now = 5000;
    quint32 workMs = 0;
};

TEST_F(StartUpTest, FirstStartCreatesFoldersDefaultsAndPaths)
{
    // The documents folder of a fresh home does not exist yet: it is created.
    ASSERT_FALSE(QFileInfo::exists(documents));
    bool converted = false;
    StartUpHooks h = hooks();
    h.convertGameFiles = [&] {
        log << QStringLiteral("convert");
        converted = true;
    };
    ASSERT_EQ(Main(h), StartUpResult::MainWindowShown);

    EXPECT_EQ(log, (QStringList{"show", "msg:初期処理中…", "sleep:800", "close", "convert", "main"}));
    EXPECT_TRUE(converted);
    EXPECT_TRUE(recordingUi().messages.empty());

    EXPECT_EQ(tree(appData), (QStringList{"Talvane Software/", "Talvane Software/Tallicor/",
                                          "Talvane Software/Tallicor/Tallicor.ini",
                                          "Talvane Software/Tallicor/Tallicor.lock",
                                          "Talvane Software/Tallicor/temp/"}));
    EXPECT_EQ(tree(documents), (QStringList{"Talvane Software/", "Talvane Software/Tallicor/",
                                            "Talvane Software/Tallicor/data/",
                                            "Talvane Software/Tallicor/data/games/",
                                            "Talvane Software/Tallicor/data/member.dat"}));

    EXPECT_EQ(lines(docFolder + "/data/member.dat"), (QStringList{"[Management]", "MaxMemberNo=0"}));
    EXPECT_EQ(ini("Setup", "Hole"), "8");
    EXPECT_EQ(ini("Setup", "Round"), "3");
    EXPECT_EQ(ini("Setup", "KeepMemberEntry"), "1");
    EXPECT_EQ(ini("Convert", "200to210"), "Finished");

    EXPECT_EQ(gstrAppFolder, appFolder);
    EXPECT_EQ(gstrDocFolder, docFolder);
    EXPECT_EQ(gstrDataFolder, docFolder + "/data");
    EXPECT_EQ(gstrGamesFolder, docFolder + "/data/games");
    EXPECT_EQ(gstrManagerFile, docFolder + "/data/games/manager.dat");
    EXPECT_EQ(gstrMemberFile, docFolder + "/data/member.dat");
    EXPECT_EQ(gstrSeriesFile, docFolder + "/data/series.dat");
    EXPECT_EQ(gstrGroupFile, docFolder + "/data/group.dat");
    EXPECT_EQ(gstrCourceFile, docFolder + "/data/cource.dat");
    EXPECT_EQ(gstrLocationFile, docFolder + "/data/location.dat");
    EXPECT_EQ(gstrTeamFile, docFolder + "/data/team.dat");
    EXPECT_EQ(gstrRoundGroupFile, docFolder + "/data/roundgroup.dat");
    EXPECT_EQ(gstrReExecuteFile, appFolder + "/Tallicor.rex");
    EXPECT_EQ(gstrIniFile, appFolder + "/Tallicor.ini");
    EXPECT_EQ(gstrTempFolder, appFolder + "/temp");

    // The marker stops the conversion at the next start.
    gsReleaseInstanceLock();
    converted = false;
    log.clear();
    ASSERT_EQ(Main(h), StartUpResult::MainWindowShown);
    EXPECT_FALSE(converted);
}

TEST_F(StartUpTest, FilePathsAloneAreThoseOfAStartAndCreateNothing)
{
    ASSERT_TRUE(gfSetFilePaths());
    EXPECT_TRUE(tree(appData).isEmpty());
    const QStringList alone{gstrAppFolder, gstrDocFolder,  gstrDataFolder,  gstrGamesFolder,    gstrManagerFile,
                            gstrMemberFile, gstrSeriesFile, gstrGroupFile,   gstrCourceFile,     gstrLocationFile,
                            gstrTeamFile,   gstrRoundGroupFile, gstrReExecuteFile, gstrIniFile, gstrTempFolder};
    ASSERT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
    const QStringList started{gstrAppFolder, gstrDocFolder,  gstrDataFolder,  gstrGamesFolder,    gstrManagerFile,
                              gstrMemberFile, gstrSeriesFile, gstrGroupFile,   gstrCourceFile,     gstrLocationFile,
                              gstrTeamFile,   gstrRoundGroupFile, gstrReExecuteFile, gstrIniFile, gstrTempFolder};
    EXPECT_EQ(alone, started);
    EXPECT_EQ(gstrTeamFile, docFolder + "/data/team.dat");

    gsSetBaseFolderSources([] { return QString(); }, [this] { return documents; });
    EXPECT_FALSE(gfSetFilePaths());
    EXPECT_EQ(recordingUi().messages.size(), 1u);
}

TEST_F(StartUpTest, WithoutTheConversionTheMarkerStaysBlank)
{
    ASSERT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
    EXPECT_EQ(ini("Convert", "200to210"), QString());
}

TEST_F(StartUpTest, SecondStartOnlyWritesTheHandOverFile)
{
    ASSERT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
    const QStringList appBefore = tree(appData);
    const QStringList docBefore = tree(documents);
    const QStringList iniBefore = lines(appFolder + "/Tallicor.ini");

    // The first run still holds its lock.
    log.clear();
    StartUpHooks h = hooks();
    h.arguments = QStringList{QStringLiteral(" /open"), QStringLiteral("game00001.tcg ")};
    bool converted = false;
    h.convertGameFiles = [&] { converted = true; };
    EXPECT_EQ(Main(h), StartUpResult::HandedOver);

    EXPECT_TRUE(log.isEmpty());   // no window at all
    EXPECT_FALSE(converted);
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(lines(appFolder + "/Tallicor.rex"),
              (QStringList{"[ReExecute]", "Really=Yes", "Command=/open game00001.tcg"}));
    QStringList appAfter = tree(appData);
    appAfter.removeAll("Talvane Software/Tallicor/Tallicor.rex");
    EXPECT_EQ(appAfter, appBefore);
    EXPECT_EQ(tree(documents), docBefore);
    EXPECT_EQ(lines(appFolder + "/Tallicor.ini"), iniBefore);
}

TEST_F(StartUpTest, NormalStartDeletesAStaleHandOverFileBeforeItsWindow)
{
    QDir().mkpath(appFolder);
    ASSERT_TRUE(platform::writeTextLinesAtomic(appFolder + "/Tallicor.rex",
                                               {"[ReExecute]", "Really=Yes", "Command="}));
    StartUpHooks h = hooks();
    bool existedAtShow = true;
    h.showStartUp = [&] { existedAtShow = QFileInfo::exists(appFolder + "/Tallicor.rex"); };
    ASSERT_EQ(Main(h), StartUpResult::MainWindowShown);
    EXPECT_FALSE(existedAtShow);
    EXPECT_FALSE(QFileInfo::exists(appFolder + "/Tallicor.rex"));
}

TEST_F(StartUpTest, ALockLeftByACrashedRunIsTakenOver)
{
    QDir().mkpath(appFolder);
    // A lock whose owner process no longer exists.
    QFile lock(appFolder + "/Tallicor.lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("2147483000\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    EXPECT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
    EXPECT_FALSE(QFileInfo::exists(appFolder + "/Tallicor.rex"));
}

// Temporary files left by saves killed before their rename go at the next
// start, but only the writer's own names for the program's own files, only
// in the settings, data and games folders, and only in the run that holds
// the single-instance lock.
TEST_F(StartUpTest, StaleTemporaryFilesOfKilledSavesAreRemovedAfterTheLock)
{
    const QString data = docFolder + "/data";
    const QString games = data + "/games";
    const struct { QString path; bool removed; } files[] = {
        {appFolder + "/Tallicor.ini.qWxYzA", true},
        {appFolder + "/Tallicor.rex.AbCdEf", true},
        {data + "/member.dat.hGtKqa", true},
        {data + "/group.dat.XyZabc", true},
        {data + "/roundgroup.dat.QqQqQq", true},
        {games + "/manager.dat.ZzZzZz", true},
        {games + "/game00001.tcg.PqRsTu", true},
        // Not the writer's pattern, or not a file of this folder's.
        {appFolder + "/Tallicor.ini.AbC3Ef", false},
        {appFolder + "/notes.txt.AbCdEf", false},
        {data + "/member.dat.AbCdE", false},
        {data + "/member.dat", false},
        {data + "/game00001.tcg.PqRsTu", false},
        {games + "/member.dat.AbCdEf", false},
        {games + "/game00001.tcg", false},
        // Other folders: the temporary pictures, the program's documents
        // folder, an older version's data and the documents folder itself.
        {appFolder + "/temp/Tallicor.ini.qWxYzA", false},
        {docFolder + "/member.dat.AbCdEf", false},
        {appFolder + "/data/member.dat.AbCdEf", false},
        {documents + "/member.dat.AbCdEf", false},
    };
    auto plant = [&] {
        for (const auto& f : files) {
            QDir().mkpath(QFileInfo(f.path).path());
            ASSERT_TRUE(platform::writeTextLinesAtomic(f.path, {"[Management]", "MaxGameNo=1"}));
        }
        // A folder with a leftover's name is no leftover.
        QDir().mkpath(data + "/team.dat.AbCdEf");
    };
    plant();
    // The data folder exists, so no older version's data is taken over.
    ASSERT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
    for (const auto& f : files)
        EXPECT_EQ(QFileInfo::exists(f.path), !f.removed) << f.path.toStdString();
    EXPECT_TRUE(QFileInfo(data + "/team.dat.AbCdEf").isDir());

    // A second start while this run holds the lock touches none of them.
    plant();
    EXPECT_EQ(Main(hooks()), StartUpResult::HandedOver);
    for (const auto& f : files)
        EXPECT_TRUE(QFileInfo::exists(f.path)) << f.path.toStdString();
}

TEST_F(StartUpTest, TeamFileSeededFromOlderSettingsUpToTheFirstGap)
{
    QDir().mkpath(appFolder);
    const QString iniFile = appFolder + "/Tallicor.ini";
    gfWriteIniFile(iniFile, "RecentTeam", "Team1", "  A1 ");
    gfWriteIniFile(iniFile, "RecentTeam", "Team2", "B2");
    gfWriteIniFile(iniFile, "RecentTeam", "Team3", "　");
    gfWriteIniFile(iniFile, "RecentTeam", "Team4", "D4");
    ASSERT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
    EXPECT_EQ(lines(docFolder + "/data/team.dat"),
              (QStringList{"[Team]", "ID1=A1", "Detail1=", "ID2=B2", "Detail2="}));

    // An existing team file is left alone.
    gsReleaseInstanceLock();
    ASSERT_TRUE(platform::writeTextLinesAtomic(docFolder + "/data/team.dat", {"[Team]", "ID1=Z"}));
    ASSERT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
    EXPECT_EQ(lines(docFolder + "/data/team.dat"), (QStringList{"[Team]", "ID1=Z"}));
}

TEST_F(StartUpTest, ExistingValuesAreNeverReplacedByDefaults)
{
    QDir().mkpath(appFolder);
    QDir().mkpath(docFolder + "/data");
    const QString iniFile = appFolder + "/Tallicor.ini";
    gfWriteIniFile(iniFile, "Setup", "Hole", "0");
    gfWriteIniFile(iniFile, "Setup", "Round", " ");
    gfWriteIniFile(iniFile, "Setup", "KeepMemberEntry", "0");
    gfWriteIniFile(docFolder + "/data/member.dat", "Management", "MaxMemberNo", "12");
    ASSERT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
    EXPECT_EQ(ini("Setup", "Hole"), "0");
    EXPECT_EQ(ini("Setup", "Round"), "3");
    EXPECT_EQ(ini("Setup", "KeepMemberEntry"), "0");
    EXPECT_EQ(gfReadIniFile(docFolder + "/data/member.dat", "Management", "MaxMemberNo"), "12");
}

TEST_F(StartUpTest, StartUpWindowStaysAtLeastTheMinimumTime)
{
    struct Case {
        quint32 start;
        quint32 work;
        QStringList expected;
    };
    const Case cases[] = {
        {5000, 300, {"show", "msg:初期処理中…", "sleep:500", "close", "main"}},
        {5000, 799, {"show", "msg:初期処理中…", "sleep:1", "close", "main"}},
        {5000, 800, {"show", "msg:初期処理中…", "close", "main"}},
        {5000, 2000, {"show", "msg:初期処理中…", "close", "main"}},
        // The tick count wraps around during start-up.
        {0xFFFFFF00u, 100, {"show", "msg:初期処理中…", "sleep:700", "close", "main"}},
    };
    for (const Case& c : cases) {
        log.clear();
        now = c.start;
        workMs = c.work;
        ASSERT_EQ(Main(hooks()), StartUpResult::MainWindowShown);
        EXPECT_EQ(log, c.expected) << "work " << c.work;
        gsReleaseInstanceLock();
    }
}

TEST_F(StartUpTest, OldDataIsCopiedAndMigratedOnTheStartThatMakesTheDataFolder)
{
    const QString oldData = appFolder + "/data";
    QDir().mkpath(oldData);
    ASSERT_TRUE(platform::writeTextLinesAtomic(oldData + "/member.dat",
                                               {"[Management]", "MaxMemberNo=1", "[member1]", "Name=甲"}));
    // No group file in the old folder: only the player file is copied.
    StartUpHooks h = hooks();
    int migrated = 0;
    h.migrateOldData = [&] {
        ++migrated;
        log << QStringLiteral("migrate");
        // The settings file is not known yet while migrating.
    };
    ASSERT_EQ(Main(h), StartUpResult::MainWindowShown);
    EXPECT_EQ(migrated, 1);
    EXPECT_EQ(log.mid(0, 3), (QStringList{"show", "msg:初期処理中…", "migrate"}));
    EXPECT_EQ(lines(docFolder + "/data/member.dat"),
              (QStringList{"[Management]", "MaxMemberNo=1", "[member1]", "Name=甲"}));
    EXPECT_FALSE(QFileInfo::exists(docFolder + "/data/group.dat"));

    // The data folder exists now: never again.
    gsReleaseInstanceLock();
    ASSERT_EQ(Main(h), StartUpResult::MainWindowShown);
    EXPECT_EQ(migrated, 1);
}

TEST_F(StartUpTest, FailureClosesTheStartUpWindowAndShowsTheMessage)
{
    // A file where the temporary folder belongs.
    QDir().mkpath(appFolder);
    QFile blocker(appFolder + "/temp");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    EXPECT_EQ(Main(hooks()), StartUpResult::Ended);
    EXPECT_EQ(log, (QStringList{"show", "msg:初期処理中…", "close"}));
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    const RecordedMessage& m = recordingUi().messages[0];
    EXPECT_EQ(m.prompt, QStringLiteral("Corvanti - Tallicorの起動に失敗しました。\r\n既に同名のファイルが存在しています。"));
    EXPECT_EQ(m.style, platform::vbOKOnly | platform::vbExclamation);
    EXPECT_EQ(m.title, QStringLiteral("システム・エラー"));
    // Work done before the failure stays.
    EXPECT_TRUE(QFileInfo(docFolder + "/data/games").isDir());
}

TEST_F(StartUpTest, AFailedConversionLeavesItsMarkerBlank)
{
    StartUpHooks h = hooks();
    h.convertGameFiles = [] { vb::raiseOverflow(); };
    EXPECT_EQ(Main(h), StartUpResult::Ended);
    // The start-up window was already closed; it is not closed twice.
    EXPECT_EQ(log, (QStringList{"show", "msg:初期処理中…", "sleep:800", "close"}));
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt,
              QStringLiteral("Corvanti - Tallicorの起動に失敗しました。\r\nオーバーフローしました。"));
    EXPECT_EQ(ini("Convert", "200to210"), QString());
}

TEST_F(StartUpTest, BaseFolderProblemsEndWithoutAWindow)
{
    // Cannot be resolved: the look-up's message.
    gsSetBaseFolderSources([] { return QString(); }, [this] { return documents; });
    EXPECT_EQ(Main(hooks()), StartUpResult::Ended);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("The folder does not exist"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("Tallicor"));

    // Missing and impossible to create (below a file): the same message.
    resetRecordingUi();
    QFile file(root.filePath("plain"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    gsSetBaseFolderSources([this] { return appData; }, [this] { return root.filePath("plain/Documents"); });
    EXPECT_EQ(Main(hooks()), StartUpResult::Ended);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("The folder does not exist"));
    EXPECT_TRUE(log.isEmpty());
}

}  // namespace

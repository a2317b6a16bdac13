// The main window and the game information dialog with damaged master and
// settings files: a value that no file of this program writes must neither
// stall the window nor stop it from opening.
#include "core/ini.h"
#include "core/records.h"
#include "game/frmAddScoreMember.h"
#include "registers/frmCourceRegi.h"
#include "registers/frmGetName.h"
#include "game/frmGameInfo.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmNewScoreSetup.h"
#include "platform/profile.h"
#include "platform/textfile.h"
#include "support/registers_support.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class DamagedFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        resetRecordingUi();
        testsupport::pointDataPathsAt(dir.path());
        gGameList.clear();
        gMemberList.clear();
        gBelongList.clear();
        gGame = GameInfo();
        gbolGameUnsaved = false;
    }

    void TearDown() override
    {
        w.reset();
        resetRecordingUi();
    }

    static void writeFile(const QString& path, const QStringList& lines)
    {
        ASSERT_TRUE(platform::writeTextLinesAtomic(path, lines)) << path.toStdString();
    }

    // One live series, group and course under a highest number far beyond
    // the 32767 numbers a register hands out.
    void writeHugeHighestNumbers(const QString& highest)
    {
        writeFile(gstrSeriesFile, {"[Management]", "MaxSeriesNo=" + highest, "[Series1]", "Name=春季リーグ", "State=0"});
        writeFile(gstrGroupFile, {"[Management]", "MaxGroupNo=" + highest, "[group1]", "Name=東町クラブ", "State=0"});
        writeFile(gstrCourceFile, {"[Management]", "MaxCourceNo=" + highest, "[Cource1]", "Name=中央公園", "State=0"});
        writeFile(gstrGamesFolder + "/game00001.tcg",
                  {"[Management]", "Date=2026/04/01", "Tittle=春の大会", "MaxScoreNo=0", "SeriesID=40000",
                   "CourceID=1", "Hole=8", "Round=3"});
        writeFile(gstrManagerFile, {"[Management]", "MaxGameNo=1"});
    }

    QTemporaryDir dir;
    std::unique_ptr<frmMain> w;
};

// Numbers run to 32767 at most: sections beyond cannot exist, so the lists
// stop there (a missing section within counts as live, as it always has).
TEST_F(DamagedFilesTest, HugeHighestNumbersNeitherStallNorFillTheLists)
{
    for (const QString& highest : {QStringLiteral("2000000000"), QStringLiteral("99999999999")}) {
        SCOPED_TRACE(highest.toStdString());
        writeHugeHighestNumbers(highest);
        resetRecordingUi();
        w = std::make_unique<frmMain>();
        EXPECT_TRUE(recordingUi().messages.empty());

        // すべて, 指定なし and the numbers 1 to 32767.
        ASSERT_EQ(w->cobSeason->count(), 2 + 32767);
        EXPECT_EQ(w->cobSeason->itemText(2), QStringLiteral("春季リーグ"));
        ASSERT_EQ(gBelongList.size(), 1u);
        EXPECT_EQ(gBelongList[0].Name, QStringLiteral("東町クラブ"));

        // A series beyond the highest possible number is not live: its
        // reference is cleared, the live course stays.
        w->psClearDeletedRefs();
        ASSERT_EQ(gGameList.size(), 1u);
        EXPECT_EQ(gGameList[0].SeriesID, 0);
        EXPECT_EQ(gGameList[0].CourceID, 1);

        frmGameInfo dlg;
        EXPECT_EQ(dlg.cobSeries->count(), 1 + 32767);
        EXPECT_EQ(dlg.cobCource->count(), 1 + 32767);
        EXPECT_EQ(dlg.cobCource->itemText(1), QStringLiteral("中央公園"));
        w.reset();
    }
}

// A list of a master file's entries parses that file once, however high its
// highest number: 50 groups under MaxGroupNo=32767 cost one parse of the
// group file, not one per number and key.
TEST_F(DamagedFilesTest, AHighestNumberOf32767CostsOneParseOfItsFilePerList)
{
    writeHugeHighestNumbers(QStringLiteral("32767"));
    QStringList groups{"[Management]", "MaxGroupNo=32767"};
    for (int n = 1; n <= 50; ++n)
        groups << QString("[group%1]").arg(n) << QString("Name=クラブ%1").arg(n) << "ShortName=ク" << "State=0";
    writeFile(gstrGroupFile, groups);

    QMap<QString, int> parses;
    platform::setProfileLoadObserver([&parses](const QString& file) { ++parses[QFileInfo(file).fileName()]; });
    struct Restore {
        ~Restore() { platform::setProfileLoadObserver(nullptr); }
    } restore;

    w = std::make_unique<frmMain>();
    EXPECT_EQ(parses.value("group.dat"), 1);
    ASSERT_EQ(gBelongList.size(), 50u);
    EXPECT_EQ(gBelongList[49].BelongID, 50);
    EXPECT_EQ(gBelongList[49].Name, QStringLiteral("クラブ50"));

    // Each other list of numbered entries: one parse of its file.
    const auto parsesOf = [&parses](const QString& file, const std::function<void()>& fill) {
        parses.clear();
        fill();
        return parses.value(file);
    };
    EXPECT_EQ(parsesOf("group.dat", [this] { w->psReadGroups(); }), 1);
    // The series list, and the look-up of the series it selects.
    EXPECT_EQ(parsesOf("series.dat", [this] { w->psSetSeasonList(); }), 2);
    EXPECT_EQ(w->cobSeason->count(), 2 + 32767);
    parses.clear();
    w->psClearDeletedRefs();
    EXPECT_EQ(parses.value("series.dat"), 1);
    EXPECT_EQ(parses.value("cource.dat"), 1);
    EXPECT_EQ(parsesOf("cource.dat", [] { frmCourceRegi dlg; }), 1);
    parses.clear();
    {
        frmGameInfo dlg;
        EXPECT_EQ(dlg.cobCource->count(), 1 + 32767);
    }
    EXPECT_EQ(parses.value("cource.dat"), 1);
    // The series list, and the look-up of the chosen series.
    EXPECT_LE(parses.value("series.dat"), 2);
}

// The settings hold only the user's last choices and the window position: a
// number there that fits no field reads as if it were not stored, instead of
// keeping the program from starting.
TEST_F(DamagedFilesTest, SettingsThatFitNoFieldReadAsNotStored)
{
    writeHugeHighestNumbers(QStringLiteral("1"));
    writeFile(gstrIniFile, {"[Setup]", "SelectedSeason=99999999999", "SelectedHoleRound=-99999999999",
                            "SelectedCource=99999999999", "[WindowSize]", "Main_Top=99999999999",
                            "Main_Left=-99999999999"});
    frmMain* opened = nullptr;
    ASSERT_NO_THROW(w = std::make_unique<frmMain>());
    opened = w.get();
    EXPECT_TRUE(recordingUi().messages.empty());
    // As if nothing had been chosen before: all series, the only course.
    EXPECT_EQ(opened->cobSeason->currentText(), QStringLiteral("すべて"));
    EXPECT_EQ(opened->cobCource->currentText(), QStringLiteral("中央公園"));
    EXPECT_EQ(gGameList.size(), 1u);
}

// Numbers in the player, group and series files too large for their fields
// (hand-edited files) are read as 0: the window opens and, once it is open,
// one message names every such value; the files stay as they are.
TEST_F(DamagedFilesTest, MasterNumbersThatFitNoFieldAreReadAsZeroAndReportedOnce)
{
    writeHugeHighestNumbers(QStringLiteral("1"));
    writeFile(gstrSeriesFile, {"[Management]", "MaxSeriesNo=1", "[Series1]", "Name=春季リーグ", "State=0",
                               "PointSeries=1", "Point1=99999", "Point2=8"});
    writeFile(gstrGroupFile, {"[Management]", "MaxGroupNo=2", "[group1]", "Name=東町クラブ", "State=99999",
                              "[group2]", "Name=西町クラブ", "State=2"});
    writeFile(gstrMemberFile, {"[Management]", "MaxMemberNo=12", "[member1]", "Name=山田", "Gender=1",
                               "BelongID=1", "[member12]", "Name=鈴木", "Gender=99999",
                               "BelongID=9999999999"});
    writeFile(gstrIniFile, {"[Setup]", "SelectedSeason=1"});
    QMap<QString, QByteArray> before;
    for (const QString& path : {gstrSeriesFile, gstrGroupFile, gstrMemberFile}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        before.insert(path, f.readAll());
    }

    ASSERT_NO_THROW(w = std::make_unique<frmMain>());
    w->show();
    // Not while the window is being built, but right after.
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_TRUE(testsupport::waitUntil([] { return !recordingUi().messages.empty(); }));
    testsupport::deliverQueuedEvents();
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    const RecordedMessage& m = recordingUi().messages[0];
    EXPECT_EQ(m.title, QStringLiteral("エラー"));
    EXPECT_EQ(m.style, platform::vbOKOnly | platform::vbExclamation);
    EXPECT_EQ(m.prompt, QStringLiteral("次のデータに読み取れない値があります。該当する項目は 0 として扱います。\n"
                                       "member.dat [member12] Gender=99999\n"
                                       "member.dat [member12] BelongID=9999999999\n"
                                       "group.dat [group1] State=99999\n"
                                       "series.dat [Series1] Point1=99999"));

    ASSERT_EQ(gMemberList.size(), 2u);
    EXPECT_EQ(gMemberList[1].Name, QStringLiteral("鈴木"));
    EXPECT_EQ(gMemberList[1].Gender, 0);
    EXPECT_EQ(gMemberList[1].BelongID, 0);
    ASSERT_EQ(gBelongList.size(), 2u);
    EXPECT_EQ(gBelongList[0].State, 0);
    EXPECT_EQ(gBelongList[1].State, 2);
    EXPECT_EQ(w->cobSeason->currentText(), QStringLiteral("春季リーグ"));
    EXPECT_TRUE(w->btnPointTotal->isVisible());

    // Later readings of the series (a new filter, a new tick) add no message.
    testsupport::deliverQueuedEvents();
    EXPECT_EQ(recordingUi().messages.size(), 1u);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        QFile f(it.key());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), it.value()) << it.key().toStdString();
    }
}

// A window whose files are sound shows no message after it opens.
TEST_F(DamagedFilesTest, SoundMasterFilesBringNoMessage)
{
    writeHugeHighestNumbers(QStringLiteral("1"));
    writeFile(gstrMemberFile, {"[Management]", "MaxMemberNo=1", "[member1]", "Name=山田", "Gender=1"});
    w = std::make_unique<frmMain>();
    w->show();
    testsupport::deliverQueuedEvents();   // where a deferred message would come from
    EXPECT_TRUE(recordingUi().messages.empty());
}

// The group last chosen in the participant dialogs and the kept participants
// of the last new game: a stored number that fits no field names no group or
// player, so the dialogs still open (they are the only way to store a new
// choice).
TEST_F(DamagedFilesTest, ParticipantDialogsOpenWithALastGroupThatFitsNoField)
{
    writeHugeHighestNumbers(QStringLiteral("1"));
    writeFile(gstrIniFile, {"[Setup]", "LastBelong_at_NewGame=99999999999",
                            "LastBelong_at_AddScoreMember=-99999999999", "KeepMemberEntry=1", "[ScoreEntry]",
                            "member1=99999999999", "team1=A", "member2=1", "team2=B"});
    BelongInfo b;
    b.BelongID = 1;
    b.Name = QStringLiteral("東町クラブ");
    gBelongList.push_back(b);
    MemberInfo m;
    m.IDNo = 1;
    m.Name = QStringLiteral("山田太郎");
    m.BelongID = 1;
    gMemberList.push_back(m);
    gGame.Hole = 8;
    gGame.Round = 3;
    glngDialogParam = 0;

    // The kept participants: one that fits no number is no player.
    EXPECT_NO_THROW({
        frmNewScoreSetup d;
        EXPECT_EQ(d.lstMember[1]->count(), 1);
    });
    EXPECT_NO_THROW({ frmAddScoreMember d; });
    EXPECT_TRUE(recordingUi().messages.empty());
}

}  // namespace

namespace {

// A register file that cannot be written (read-only, or a folder where the
// file should be): the user is told, and the list never shows an entry as
// stored or deleted when the file did not change.
class UnwritableRegisterTest : public regtest::RegistersTest {};

TEST_F(UnwritableRegisterTest, AddAndDeleteThatCannotBeWrittenAreReportedAndNotShown)
{
    ASSERT_TRUE(platform::writeTextLinesAtomic(gstrCourceFile,
                                               {"[Management]", "MaxCourceNo=1", "[Cource1]", "Name=中央公園", "State=0"}));
    frmCourceRegi f;
    ASSERT_TRUE(regtest::showActive(f));
    ASSERT_EQ(f.lstList->count(), 1);

    // The file becomes a folder of that name: no write can replace it.
    ASSERT_TRUE(QFile::remove(gstrCourceFile));
    ASSERT_TRUE(QDir().mkdir(gstrCourceFile));

    regtest::onNextDialog<frmGetName>([](frmGetName* d) {
        regtest::setText(d->txtAddGroup, QStringLiteral("西コース"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_EQ(f.lstList->count(), 1);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(recordingUi().messages[0].prompt,
              QStringLiteral("ファイルに書き込めませんでした。\r\n") + QDir::toNativeSeparators(gstrCourceFile));

    // A rename keeps the stored name on show.
    resetRecordingUi();
    f.lstList->setCurrentRow(0);
    f.lstList->item(0)->setSelected(true);
    regtest::onNextDialog<frmGetName>([](frmGetName* d) {
        regtest::setText(d->txtAddGroup, QStringLiteral("東公園"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt,
              QStringLiteral("ファイルに書き込めませんでした。\r\n") + QDir::toNativeSeparators(gstrCourceFile));
    EXPECT_EQ(f.lstList->item(0)->text(), QStringLiteral("中央公園"));

    resetRecordingUi();
    recordingUi().answers.push_back(platform::vbOK);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[1].prompt,
              QStringLiteral("ファイルに書き込めませんでした。\r\n") + QDir::toNativeSeparators(gstrCourceFile));
    EXPECT_EQ(f.lstList->count(), 1);
}

}  // namespace

// The main window's game commands: a new game through the game information
// and participants dialogs to the game window, opening a stored game,
// printing a stored game's reports, deleting a game after the question, and
// clearing references to deleted series and courses in the game files.
#include "core/ini.h"
#include "core/printstate.h"
#include "core/records.h"
#include "print/modPreview.h"
#include "game/frmParvona.h"
#include "grid/uctMyGrid.h"
#include "game/frmGameInfo.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmNewScoreSetup.h"
#include "registers/frmSeriesRegi.h"
#include "platform/eradate.h"
#include "platform/textfile.h"
#include "reports/game/frmSelectPrintScore.h"
#include "reports/season/frmPrintTotalGames.h"
#include "support/modaldialog.h"
#include "gamelist_support.h"
#include "support/registers_support.h"
#include "support/gamefixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

using gamelisttest::Game;

QString gameFile(int no)
{
    return QString("game%1.tcg").arg(no, 5, 10, QChar('0'));
}

class FrmMainGameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        resetRecordingUi();
        testsupport::pointDataPathsAt(dir.path());
        gGameList.clear();
        gMemberList.clear();
        gBelongList.clear();
        gNewEntries.clear();
        gGame = GameInfo();
        gbolGameUnsaved = false;
        gintDialogResult = -1;
        glngDialogParam = 0;
        writeMembers(3);
    }

    void TearDown() override
    {
        if (w) {
            delete w->gameWindow();
            w.reset();
        }
        resetRecordingUi();
    }

    static void writeFile(const QString& path, const QStringList& lines)
    {
        ASSERT_TRUE(platform::writeTextLinesAtomic(path, lines)) << path.toStdString();
    }

    static QStringList gameLines(const Game& g)
    {
        return {"[Management]", "Date=" + g.date, "Tittle=" + g.title, "MaxScoreNo=1",
                QString("SeriesID=%1").arg(g.series), QString("CourceID=%1").arg(g.cource),
                QString("Hole=%1").arg(g.hole), QString("Round=%1").arg(g.round), "[Score1]", "IDNo=1",
                "Holes=3,4,", "TeamID=", "[Ranking]", "RealEntries=1", "Rank1=1"};
    }

    void writeGames(const std::vector<Game>& games)
    {
        int top = 0;
        for (const Game& g : games) {
            top = std::max(top, g.no);
            writeFile(gstrGamesFolder + "/" + gameFile(g.no), gameLines(g));
        }
        writeFile(gstrManagerFile, {"[Management]", QString("MaxGameNo=%1").arg(top)});
    }

    // Series: name and state.
    void writeSeries(const std::vector<std::pair<QString, int>>& series)
    {
        QStringList lines{"[Management]", QString("MaxSeriesNo=%1").arg(series.size())};
        int n = 0;
        for (const auto& [name, state] : series) {
            ++n;
            lines << QString("[Series%1]").arg(n) << "Name=" + name << QString("State=%1").arg(state);
        }
        writeFile(gstrSeriesFile, lines);
    }

    void writeCources(const std::vector<std::pair<QString, int>>& cources)
    {
        QStringList lines{"[Management]", QString("MaxCourceNo=%1").arg(cources.size())};
        int n = 0;
        for (const auto& [name, state] : cources) {
            ++n;
            lines << QString("[Cource%1]").arg(n) << "Name=" + name << QString("State=%1").arg(state);
        }
        writeFile(gstrCourceFile, lines);
    }

    void writeMembers(int count)
    {
        QStringList lines{"[Management]", QString("MaxMemberNo=%1").arg(count)};
        for (int i = 1; i <= count; ++i)
            lines << QString("[member%1]").arg(i) << QString("Name=選手%1").arg(i) << "State=0" << "Gender=1";
        writeFile(gstrMemberFile, lines);
    }

    void setting(const QString& key, const QString& value) { gfWriteIniFile(gstrIniFile, "Setup", key, value); }
    QString settingOf(const QString& key) { return gfReadIniFile(gstrIniFile, "Setup", key); }

    frmMain& open()
    {
        w = std::make_unique<frmMain>();
        w->show();
        return *w;
    }

    uctMyGrid& grid() { return *w->uctGameList; }

    QStringList titles() { return gamelisttest::titles(grid()); }

    int selectedRow() { return gamelisttest::selectedRow(grid()); }

    void selectRow(int r)
    {
        grid().gsSetSelectRow(r);
        grid().gsUpdate();
    }

    static void choose(QComboBox* c, const QString& text) { gamelisttest::choose(c, text); }

    QStringList gameFiles() const
    {
        return QDir(gstrGamesFolder).entryList({"*.tcg"}, QDir::Files, QDir::Name);
    }

    QString messages() const { return recordedMessages(); }

    QTemporaryDir dir;
    std::unique_ptr<frmMain> w;
};

// ---------------------------------------------------------------- new game

TEST_F(FrmMainGameCommandsTest, NewGameTakesTheFiltersAndOpensTheGameWindowWithTheParticipants)
{
    writeSeries({{"春季", 0}});
    writeCources({{"北", 0}, {"南", 0}});
    writeGames({{1, "2024/04/01", "春1", 1, 2, 9, 3}});
    open();
    choose(w->cobSeason, "春季");
    choose(w->cobHoleRound, " 9 ﾎｰﾙ、 3 ﾗｳﾝﾄﾞ");
    choose(w->cobCource, "南");
    // Whatever the last game left in the record does not reach the new one.
    gGame.RealEntries = 40;
    gGame.RGUmu = 1;
    gGame.RGPriority = {1, 2, 3, 4, 0};
    gGame.GameFileName = "game00001.tcg";
    const QStringList filesBefore = gameFiles();

    bool infoShown = false;
    bool setupShown = false;
    regtest::onNextDialog<frmGameInfo>([&](frmGameInfo* d) {
        infoShown = true;
        EXPECT_EQ(glngDialogParam, 0);
        EXPECT_EQ(d->windowTitle(), "ゲーム情報 - 新規登録");
        EXPECT_EQ(gGame.Date, vb::FormatDate(QDate::currentDate(), "yyyy/mm/dd"));
        EXPECT_EQ(gGame.Tittle, "");
        EXPECT_EQ(gGame.MaxScoreNo, 0);
        EXPECT_EQ(gGame.SeriesID, 1);
        EXPECT_EQ(gGame.CourceID, 2);
        EXPECT_EQ(gGame.Hole, 9);
        EXPECT_EQ(gGame.Round, 3);
        EXPECT_EQ(gGame.TeamHowtoRank, 0);
        EXPECT_EQ(gGame.CategoryGender, 0);
        EXPECT_EQ(gGame.CategoryAgeLow, -1);
        EXPECT_EQ(gGame.CategoryAgeHigh, -1);
        EXPECT_EQ(gGame.JudgeDaSu, 5);
        EXPECT_EQ(gGame.JudgeBirthday, 1);
        EXPECT_EQ(gGame.HandiCapKind, 0);
        EXPECT_EQ(gGame.PointGame, 1);
        EXPECT_EQ(gGame.GameFileName, "");
        EXPECT_EQ(gGame.RealEntries, 0);
        EXPECT_EQ(gGame.RGUmu, 0);
        EXPECT_EQ(d->cobSeries->currentText(), "春季");
        EXPECT_EQ(d->cobCource->currentText(), "南");
        EXPECT_EQ(d->cobHoleNum->currentText(), "  9 ﾎｰﾙ");
        d->txtDate->setText("2024/5/5");
        d->txtTittle->setText("こどもの日");
        d->btnOK_Click();
    });
    regtest::onNextDialog<frmNewScoreSetup>([&](frmNewScoreSetup* d) {
        setupShown = true;
        EXPECT_TRUE(gNewEntries.empty());
        d->lstMember[0]->item(2)->setSelected(true);
        d->lstMember[0]->item(0)->setSelected(true);
        d->btnEntry_Click();
        d->btnOK_Click();
    });
    w->btnNewGame_Click();

    EXPECT_TRUE(infoShown);
    EXPECT_TRUE(setupShown);
    EXPECT_EQ(gGame.Date, "2024/05/05");
    EXPECT_EQ(gGame.Tittle, "こどもの日");
    EXPECT_EQ(gGame.SeriesID, 1);
    EXPECT_EQ(gGame.CourceID, 2);
    EXPECT_EQ(gGame.Hole, 9);
    ASSERT_EQ(gNewEntries.size(), 2u);
    EXPECT_EQ(gNewEntries[0].IDNo, 1);
    EXPECT_EQ(gNewEntries[1].IDNo, 3);

    QWidget* game = w->gameWindow();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(game->isVisible());
    EXPECT_EQ(game->parentWidget(), w.get());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->mGameWindowOpen, 1);
    EXPECT_EQ(w->mOpenedStoredGame, 0);
    // Nothing is written until the game window saves.
    EXPECT_EQ(gameFiles(), filesBefore);
    EXPECT_TRUE(recordingUi().messages.empty()) << messages().toStdString();
}

TEST_F(FrmMainGameCommandsTest, NewGameWithEveryFilterOnAllAndCancelledDialogs)
{
    writeSeries({{"春季", 0}});
    writeCources({{"北", 0}});
    writeGames({{1, "2024/04/01", "春1", 1, 0, 9, 2}, {2, "2024/04/02", "春2", 1, 1, 8, 3}});
    open();
    // Two pairs and two courses (none and 北) among the games: each list
    // starts with "すべて", which is chosen.
    ASSERT_EQ(w->cobSeason->currentText(), "すべて");
    ASSERT_EQ(w->cobHoleRound->currentText(), "すべて");
    ASSERT_EQ(w->cobCource->count(), 3);
    ASSERT_EQ(w->cobCource->itemText(1), "指定なし");
    ASSERT_EQ(w->cobCource->itemText(2), "北");
    ASSERT_EQ(w->cobCource->currentText(), "すべて");

    // Cancel in the game information dialog: no participants dialog.
    regtest::onNextDialog<frmGameInfo>([](frmGameInfo* d) {
        EXPECT_EQ(gGame.SeriesID, 0);
        EXPECT_EQ(gGame.CourceID, 0);
        EXPECT_EQ(gGame.Hole, 8);
        EXPECT_EQ(gGame.Round, 3);
        d->btnCancel_Click();
    });
    w->btnNewGame_Click();
    testsupport::deliverQueuedEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(w->gameWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->mGameWindowOpen, 0);

    // Cancel in the participants dialog: no game window either.
    regtest::onNextDialog<frmGameInfo>([](frmGameInfo* d) { d->btnOK_Click(); });
    regtest::onNextDialog<frmNewScoreSetup>([](frmNewScoreSetup* d) {
        d->lstMember[0]->selectAll();
        d->btnEntry_Click();
        d->btnCancel_Click();
    });
    w->btnNewGame_Click();
    EXPECT_EQ(w->gameWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(gNewEntries.empty());
    EXPECT_EQ(gameFiles(), QStringList({"game00001.tcg", "game00002.tcg"}));
}

TEST_F(FrmMainGameCommandsTest, NewGameKeepsTheParticipantsForTheNextOne)
{
    writeGames({{1, "2024/04/01", "一"}});
    open();
    for (int round = 0; round < 2; ++round) {
        regtest::onNextDialog<frmGameInfo>([](frmGameInfo* d) { d->btnOK_Click(); });
        regtest::onNextDialog<frmNewScoreSetup>([round](frmNewScoreSetup* d) {
            if (round == 0) {
                d->lstMember[0]->item(1)->setSelected(true);
                d->btnEntry_Click();
                d->chkKeepMemberEntry->setChecked(true);
            } else {
                // The second new game starts with the first one's participants.
                EXPECT_TRUE(d->chkKeepMemberEntry->isChecked());
                EXPECT_EQ(d->lstMember[1]->count(), 1);
            }
            d->btnOK_Click();
        });
        w->btnNewGame_Click();
        ASSERT_EQ(gNewEntries.size(), 1u) << round;
        EXPECT_EQ(gNewEntries[0].IDNo, 2) << round;
        delete w->gameWindow();
        w->show();
        w->mGameWindowOpen = 0;
    }
}

// Closing the game window shows this window again: an unsaved new game
// leaves the list as it was; a saved one is listed and selected.
TEST_F(FrmMainGameCommandsTest, ClosingTheGameWindowShowsTheMainWindowWithTheSavedGameSelected)
{
    writeGames({{1, "2024/04/01", "一"}});
    open();
    const QStringList listBefore = titles();
    for (const int answer : {platform::vbNo, platform::vbYes}) {
        SCOPED_TRACE(answer);
        regtest::onNextDialog<frmGameInfo>([](frmGameInfo* d) {
            d->txtTittle->setText("新春");
            d->btnOK_Click();
        });
        regtest::onNextDialog<frmNewScoreSetup>([](frmNewScoreSetup* d) {
            d->lstMember[0]->item(0)->setSelected(true);
            d->btnEntry_Click();
            d->btnOK_Click();
        });
        w->btnNewGame_Click();
        QWidget* game = w->gameWindow();
        ASSERT_NE(game, nullptr);
        ASSERT_FALSE(w->isVisible());

        // The game window asks whether to save the new game.
        recordingUi().answers.push_back(answer);
        game->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(w->gameWindow(), nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->mGameWindowOpen, 0);
        if (answer == platform::vbNo) {
            EXPECT_EQ(titles(), listBefore);
            EXPECT_EQ(gameFiles(), QStringList({"game00001.tcg"}));
        } else {
            ASSERT_EQ(gameFiles().size(), 2);
            EXPECT_EQ(settingOf("SelectedGame"), gGame.GameFileName);
            const int row = titles().indexOf("新春") + 1;
            ASSERT_GT(row, 0) << titles().join(",").toStdString();
            EXPECT_EQ(selectedRow(), row);
        }
    }
}

// ---------------------------------------------------------------- open

TEST_F(FrmMainGameCommandsTest, OpenCopiesTheRecordAndHandsOverToTheGameWindow)
{
    writeGames({{1, "2024/04/01", "一"}, {2, "2024/04/02", "二", 0, 0, 9, 2}});
    open();
    selectRow(2);
    gNewEntries = {NewEntry{3, "A"}};
    w->btnOpenGame_Click();
    EXPECT_TRUE(gNewEntries.empty());
    EXPECT_EQ(gGame.GameFileName, "game00002.tcg");
    EXPECT_EQ(gGame.Tittle, "二");
    EXPECT_EQ(gGame.Hole, 9);
    EXPECT_EQ(gGame.Round, 2);
    EXPECT_EQ(w->mOpenedStoredGame, 1);
    EXPECT_EQ(w->mGameWindowOpen, 1);
    ASSERT_NE(w->gameWindow(), nullptr);
    EXPECT_TRUE(w->gameWindow()->isVisible());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(recordingUi().messages.empty()) << messages().toStdString();

    // A double-click on a row does the same.
    delete w->gameWindow();
    w->show();
    w->mGameWindowOpen = 0;
    w->mOpenedStoredGame = 0;
    selectRow(1);
    emit grid().MGCellDblClick(2, 1);
    EXPECT_EQ(gGame.GameFileName, "game00001.tcg");
    EXPECT_EQ(w->mOpenedStoredGame, 1);
    ASSERT_NE(w->gameWindow(), nullptr);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FrmMainGameCommandsTest, OpenAndDeleteWithoutASelectedRowAsk)
{
    writeGames({{1, "2024/04/01", "一"}});
    setting("SelectedGame", "none");
    open();
    ASSERT_EQ(selectedRow(), 0);
    w->btnOpenGame_Click();
    w->btnDeleteGame_Click();
    EXPECT_EQ(messages(), "エラー|ゲームを選択してください。\nエラー|ゲームを選択してください。");
    EXPECT_EQ(w->gameWindow(), nullptr);
    EXPECT_EQ(gameFiles(), QStringList({"game00001.tcg"}));
}

// ---------------------------------------------------------------- print

TEST_F(FrmMainGameCommandsTest, PrintShowsTheDialogOverTheSelectedGameAndClearsTheTablesAfterIt)
{
    writeGames({{1, "2024/04/01", "一"}, {2, "2024/04/02", "二"}});
    setting("SelectedGame", "none");
    open();
    EXPECT_FALSE(w->btnGamePrint->isEnabled());
    w->btnGamePrint_Click();
    EXPECT_EQ(messages(), "エラー|ゲームを選択してください。");

    selectRow(2);
    emit grid().MGCellClick(2, 2);
    ASSERT_TRUE(w->btnGamePrint->isEnabled());
    QString seen;
    testsupport::onNextDialog<frmSelectPrintScore>([&](frmSelectPrintScore* d) {
        seen = gGame.GameFileName + ' ' + QString::number(glngScoreLinesUBound()) + ' ' + d->txtTittle2->text();
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    });
    QTest::mouseClick(w->btnGamePrint, Qt::LeftButton);
    EXPECT_EQ(seen, QStringLiteral("game00002.tcg 2 令和6年4月2日(火) 「二」"));
    EXPECT_TRUE(gScoreLines.empty());
    EXPECT_EQ(w->gameWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());
}

// A game that cannot be read prints nothing: the print command says why
// (the read failure, as the game window says it) or that there is nothing
// to print, for every report, and no run-time error reaches the user.
TEST_F(FrmMainGameCommandsTest, ADamagedGamePrintsNothingAndSaysWhy)
{
    struct Case {
        const char* what;
        QStringList lines;   // empty: a file of 0 bytes
        const char* said;    // the first message
    };
    const QStringList header{"[Management]", "Date=2024/04/02", "Tittle=二", "SeriesID=0", "CourceID=0"};
    const Case cases[] = {
        {"0 bytes", {}, "ｴﾗｰ|印刷データはありません。"},
        {"no holes", header + QStringList{"MaxScoreNo=1", "Hole=0", "Round=3", "[Score1]", "IDNo=1", "Holes=3,4,"},
         "System error|スコア・データの読み込みに失敗しました。\r\ngame00002.tcg"},
        {"an entry missing", header + QStringList{"MaxScoreNo=2", "Hole=8", "Round=1", "[Score1]", "IDNo=1",
                                                  "Holes=3,4,"},
         "System error|スコア・データの読み込みに失敗しました。\r\ngame00002.tcg"},
    };
    int previews = 0;
    print::setPreviewWindow([&](QWidget*) { ++previews; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeGames({{2, "2024/04/02", "二"}});
        QFile file(gstrGamesFolder + "/" + gameFile(2));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.close();
        if (!c.lines.isEmpty())
            writeFile(file.fileName(), c.lines);
        setting("SelectedGame", gameFile(2));
        w.reset();
        open();
        resetRecordingUi();
        ASSERT_EQ(selectedRow(), 1);

        // When the dialog opens, every report is tried.
        testsupport::onNextDialog<frmSelectPrintScore>([&](frmSelectPrintScore* d) {
            for (QRadioButton* report : d->optScoreSelectPrint) {
                report->setChecked(true);
                d->btnOK_Click();
            }
            d->btnCancel_Click();
        });
        w->btnGamePrint_Click();
        testsupport::endDialogHandlers();
        ASSERT_FALSE(recordingUi().messages.empty());
        EXPECT_TRUE(messages().startsWith(c.said)) << messages().toStdString();
        EXPECT_EQ(recordingUi().messages.size(), 1u) << messages().toStdString();
        EXPECT_EQ(previews, 0);
        EXPECT_TRUE(gScoreLines.empty());
    }
    print::setPreviewWindow(nullptr);
}

// ---------------------------------------------------------------- delete

TEST_F(FrmMainGameCommandsTest, DeleteAsksAndRemovesOnlyTheFile)
{
    writeGames({{1, "2024/04/01", "一"}, {2, "2024/04/02", "二"}, {3, "2024/04/03", "三"}});
    const QByteArray manager = regtest::readBytes(gstrManagerFile);
    open();
    selectRow(2);

    // Cancel: nothing happens.
    recordingUi().answers.push_back(platform::vbCancel);
    w->btnDeleteGame_Click();
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].title, "ゲーム削除確認");
    EXPECT_EQ(recordingUi().messages[0].prompt, "ゲーム：「2024/04/02：二」\nを削除します。");
    EXPECT_EQ(recordingUi().messages[0].style & 7, platform::vbOKCancel);
    EXPECT_EQ(gameFiles().size(), 3);
    EXPECT_EQ(titles(), QStringList({"一", "二", "三"}));

    // OK: the file goes, the list follows, the row below is selected.
    resetRecordingUi();
    recordingUi().answers.push_back(platform::vbOK);
    w->btnDeleteGame_Click();
    EXPECT_EQ(gameFiles(), QStringList({"game00001.tcg", "game00003.tcg"}));
    EXPECT_EQ(titles(), QStringList({"一", "三"}));
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_EQ(settingOf("SelectedGame"), "game00003.tcg");
    EXPECT_EQ(gGameList.size(), 2u);
    EXPECT_EQ(regtest::readBytes(gstrManagerFile), manager);
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
    EXPECT_EQ(recordingUi().messages.size(), 1u);

    // The last row: the one above is selected.
    recordingUi().answers.push_back(platform::vbOK);
    w->btnDeleteGame_Click();
    EXPECT_EQ(titles(), QStringList({"一"}));
    EXPECT_EQ(selectedRow(), 1);

    // The only row: no selection afterwards.
    recordingUi().answers.push_back(platform::vbOK);
    w->btnDeleteGame_Click();
    EXPECT_EQ(titles(), QStringList());
    EXPECT_EQ(gameFiles(), QStringList());
    EXPECT_FALSE(w->btnDeleteGame->isEnabled());
}

TEST_F(FrmMainGameCommandsTest, DeleteFirstRowSelectsTheNewFirstAndKeepsUnticks)
{
    writeGames({{1, "2024/04/01", "一"}, {2, "2024/04/02", "二"}, {3, "2024/04/03", "三"},
                {4, "2024/04/04", "四"}});
    open();
    grid().gsSetCellData(0, 3, "Value", 0);   // 三 unticked
    grid().gsSetCellData(0, 1, "Value", 0);   // 一 unticked, and deleted
    selectRow(1);
    recordingUi().answers.push_back(platform::vbOK);
    w->btnDeleteGame_Click();
    EXPECT_EQ(titles(), QStringList({"二", "三", "四"}));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(grid().gfGetCellData(0, 1, "Value").toInt(), 2);
    EXPECT_EQ(grid().gfGetCellData(0, 2, "Value").toInt(), 0);
    EXPECT_EQ(grid().gfGetCellData(0, 3, "Value").toInt(), 2);
}

TEST_F(FrmMainGameCommandsTest, DeleteOfAVanishedFileSaysNothingAndChangesNothing)
{
    writeGames({{1, "2024/04/01", "一"}, {2, "2024/04/02", "二"}});
    setting("SelectedGame", "game00002.tcg");
    open();
    ASSERT_TRUE(QFile::remove(gstrGamesFolder + "/game00002.tcg"));
    w->btnDeleteGame_Click();
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(titles(), QStringList({"一", "二"}));
    EXPECT_EQ(settingOf("SelectedGame"), "game00002.tcg");
}

TEST_F(FrmMainGameCommandsTest, DeleteThatFailsIsReportedAndTheListStays)
{
    writeGames({{1, "2024/04/01", "一"}, {2, "2024/04/02", "二"}});
    setting("SelectedGame", "game00001.tcg");
    open();
    // Once the user has seen the question, a folder stands where the file
    // was: deleting it fails for every user, root included.
    const QString path = gstrGamesFolder + "/game00001.tcg";
    const QString aside = gstrGamesFolder + "/aside";
    recordingUi().onMessage = [&](const RecordedMessage&) {
        if (QFile::exists(aside))
            return;
        ASSERT_TRUE(QFile::rename(path, aside));
        ASSERT_TRUE(QDir().mkdir(path));
    };
    recordingUi().answers.push_back(platform::vbOK);
    w->btnDeleteGame_Click();
    recordingUi().onMessage = nullptr;
    ASSERT_TRUE(QDir().rmdir(path));
    ASSERT_TRUE(QFile::rename(aside, path));
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[1].title, "エラー");
    EXPECT_TRUE(recordingUi().messages[1].prompt.startsWith("ゲームファイルを削除できませんでした。"));
    EXPECT_EQ(gameFiles().size(), 2);
    EXPECT_EQ(titles(), QStringList({"一", "二"}));
    EXPECT_EQ(settingOf("SelectedGame"), "game00001.tcg");
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
}

// ---------------------------------------------------------------- deleted references

TEST_F(FrmMainGameCommandsTest, ReferencesToDeletedSeriesAndCoursesAreCleared)
{
    writeSeries({{"春季", 0}, {"秋季", 0}});
    writeCources({{"北", 0}, {"南", 0}});
    writeGames({{1, "2024/04/01", "一", 1, 1}, {2, "2024/10/01", "二", 2, 2}, {3, "2024/10/02", "三", 2, 1},
                {4, "2024/10/03", "四", 0, 2}});
    open();
    // Series 2 and course 2 are deleted in their registers.
    writeSeries({{"春季", 0}, {"秋季", 2}});
    writeCources({{"北", 0}, {"南", 2}});
    std::map<int, QByteArray> before;
    for (int n = 1; n <= 4; ++n)
        before[n] = regtest::readBytes(gstrGamesFolder + "/" + gameFile(n));

    w->psClearDeletedRefs();

    auto expectFile = [&](int n, int series, int cource) {
        const Game g{n, gGameList[n - 1].Date, gGameList[n - 1].Tittle, series, cource};
        QByteArray expected = platform::encodeCp932(gameLines(g).join("\r\n") + "\r\n");
        EXPECT_EQ(regtest::readBytes(gstrGamesFolder + "/" + gameFile(n)), expected) << n;
    };
    EXPECT_EQ(regtest::readBytes(gstrGamesFolder + "/" + gameFile(1)), before[1]);
    expectFile(2, 0, 0);
    expectFile(3, 0, 1);
    expectFile(4, 0, 0);
    EXPECT_EQ(gGameList[0].SeriesID, 1);
    EXPECT_EQ(gGameList[1].SeriesID, 0);
    EXPECT_EQ(gGameList[1].CourceID, 0);
    EXPECT_EQ(gGameList[2].SeriesID, 0);
    EXPECT_EQ(gGameList[2].CourceID, 1);
    EXPECT_EQ(gGameList[3].CourceID, 0);
    EXPECT_TRUE(recordingUi().messages.empty()) << messages().toStdString();

    // The games now list under "指定なし".
    w->psSetSeasonList();
    choose(w->cobSeason, "指定なし");
    EXPECT_EQ(titles(), QStringList({"二", "三", "四"}));

    // Nothing left to clear: no file is touched again.
    const QByteArray two = regtest::readBytes(gstrGamesFolder + "/" + gameFile(2));
    w->psClearDeletedRefs();
    EXPECT_EQ(regtest::readBytes(gstrGamesFolder + "/" + gameFile(2)), two);
}

TEST_F(FrmMainGameCommandsTest, DeletingASeriesInItsRegisterClearsItInTheGames)
{
    writeSeries({{"春季", 0}, {"秋季", 0}});
    writeGames({{1, "2024/04/01", "一", 1}, {2, "2024/10/01", "二", 2}});
    open();
    const QByteArray one = regtest::readBytes(gstrGamesFolder + "/" + gameFile(1));
    regtest::onNextDialog<frmSeriesRegi>([](frmSeriesRegi* d) {
        ASSERT_EQ(d->lstList->count(), 2);
        d->lstList->setCurrentRow(1);   // 秋季
        recordingUi().answers.push_back(platform::vbOK);
        d->btnDelete_Click();
        d->done(QDialog::Accepted);
    });
    w->btnSeries_Click();
    EXPECT_EQ(gfReadIniFile(gstrSeriesFile, "Series2", "State"), "2");
    EXPECT_EQ(regtest::readBytes(gstrGamesFolder + "/" + gameFile(1)), one);
    EXPECT_EQ(regtest::readBytes(gstrGamesFolder + "/" + gameFile(2)),
              platform::encodeCp932(gameLines({2, "2024/10/01", "二", 0}).join("\r\n") + "\r\n"));
    EXPECT_EQ(gGameList[1].SeriesID, 0);
    choose(w->cobSeason, "指定なし");
    EXPECT_EQ(titles(), QStringList({"二"}));
}

TEST_F(FrmMainGameCommandsTest, ClearingDoesNotCreateAVanishedGameFile)
{
    writeSeries({{"春季", 0}});
    writeGames({{1, "2024/04/01", "一", 1}});
    open();
    writeSeries({{"春季", 2}});
    ASSERT_TRUE(QFile::remove(gstrGamesFolder + "/game00001.tcg"));
    w->psClearDeletedRefs();
    EXPECT_FALSE(QFile::exists(gstrGamesFolder + "/game00001.tcg"));
    EXPECT_EQ(gGameList[0].SeriesID, 0);
    EXPECT_TRUE(recordingUi().messages.empty());
}

// ---------------------------------------------------------------- season

TEST_F(FrmMainGameCommandsTest, SeasonPrintOpensTheSeasonDialogOverTheTickedGames)
{
    writeSeries({{"春季", 0}});
    writeCources({{"中央", 0}, {"東", 0}});
    writeGames({{1, "2024/05/12", "三", 1, 1, 8, 3}, {2, "2024/04/14", "二", 1, 1, 8, 2},
                {3, "2024/03/10", "一", 1, 1, 8, 3}, {4, "2024/06/09", "四", 1, 2, 8, 3}});
    setting("SelectedSeason", "1");
    setting("SelectedCource", "1");
    open();
    ASSERT_EQ(titles(), (QStringList{"一", "二", "三"}));
    grid().gsSetCellData(0, 2, "Value", 0);   // "二" unticked
    w->psSetButtonsEnabled();
    ASSERT_TRUE(w->btnSeasonPrint->isEnabled());

    int opened = 0;
    testsupport::onNextDialog<frmPrintTotalGames>(
        [](frmPrintTotalGames* d) {
            // The ticked games in the list's order (by date).
            ASSERT_EQ(gSelectedGames.size(), 2u);
            EXPECT_EQ(gGameList[gSelectedGames[0]].Tittle, "一");
            EXPECT_EQ(gGameList[gSelectedGames[1]].Tittle, "三");
            EXPECT_EQ(gstrSeasonFirstDate, "2024/03/10");
            EXPECT_EQ(gstrSeasonLastDate, "2024/05/12");
            EXPECT_EQ(gstrSeasonDiffer, "00");
            EXPECT_EQ(gSeasonGameInfo.SeriesID, 1);
            EXPECT_EQ(gSeasonGameInfo.CourceID, 1);
            EXPECT_EQ(gSeasonGameInfo.Hole, 8);
            EXPECT_EQ(gSeasonGameInfo.Round, 3);
            EXPECT_EQ(d->txtTittle1->text(), "* 春季 * 中央");
            EXPECT_EQ(d->txtTittle2->text(), "8ﾎｰﾙ、3ﾗｳﾝﾄﾞ ： 令和6年3月10日(日)～令和6年5月12日(日)");
            EXPECT_EQ(d->txtKiteiGame->text(), "1");
            EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
            d->btnOK->click();
        },
        &opened);
    w->btnSeasonPrint->click();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(gSelectedGames.empty());
    EXPECT_TRUE(gSeasonScores.empty());
    // The season settings stay until the next season command.
    EXPECT_EQ(gstrSeasonLastDate, "2024/05/12");
    EXPECT_TRUE(recordingUi().messages.empty()) << messages().toStdString();

    // Nothing ticked: the button is disabled, and the command shows nothing.
    w->btnSyukeiClear->click();
    EXPECT_FALSE(w->btnSeasonPrint->isEnabled());
    w->btnSeasonPrint_Click();
    EXPECT_EQ(opened, 1);
}

}  // namespace

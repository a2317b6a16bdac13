// The main window: filters, game list, ticks and selection across reloads,
// button rules, hand-over timer, window position, backup and help.
#include "core/ini.h"
#include "core/records.h"
#include "grid/uctMyGrid.h"
#include "mainwin/frmAbout.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmPeriod.h"
#include "mainwin/modWebUpload.h"
#include "platform/folders.h"
#include "platform/textfile.h"
#include "gamelist_support.h"
#include "support/gamefixtures.h"
#include "support/modaldialog.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using gamelisttest::Game;

class FrmMainTest : public ::testing::Test {
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
        EXPECT_EQ(testsupport::endDialogHandlers(), 0) << "a dialog the test waited for never opened";
        resetRecordingUi();
    }

    static void writeFile(const QString& path, const QStringList& lines)
    {
        ASSERT_TRUE(platform::writeTextLinesAtomic(path, lines)) << path.toStdString();
    }

    void writeGames(const std::vector<Game>& games, int maxNo = -1)
    {
        int top = 0;
        for (const Game& g : games) {
            top = std::max(top, g.no);
            writeFile(gstrGamesFolder + QString("/game%1.tcg").arg(g.no, 5, 10, QChar('0')),
                      {"[Management]", "Date=" + g.date, "Tittle=" + g.title, "MaxScoreNo=0",
                       QString("SeriesID=%1").arg(g.series), QString("CourceID=%1").arg(g.cource),
                       QString("Hole=%1").arg(g.hole), QString("Round=%1").arg(g.round),
                       "[Ranking]", QString("RealEntries=%1").arg(g.entries)});
        }
        writeFile(gstrManagerFile,
                  {"[Management]", QString("MaxGameNo=%1").arg(maxNo < 0 ? top : maxNo)});
    }

    // Series: name, state, point series.
    void writeSeries(const std::vector<std::tuple<QString, int, int>>& series)
    {
        QStringList lines{"[Management]", QString("MaxSeriesNo=%1").arg(series.size())};
        int n = 0;
        for (const auto& [name, state, point] : series) {
            ++n;
            lines << QString("[Series%1]").arg(n) << "Name=" + name << QString("State=%1").arg(state)
                  << QString("PointSeries=%1").arg(point);
        }
        writeFile(gstrSeriesFile, lines);
    }

    void writeCources(const QStringList& names)
    {
        QStringList lines{"[Management]", QString("MaxCourceNo=%1").arg(names.size())};
        for (int i = 0; i < names.size(); ++i)
            lines << QString("[Cource%1]").arg(i + 1) << "Name=" + names[i] << "State=0";
        writeFile(gstrCourceFile, lines);
    }

    // Players: states.
    void writeMembers(const std::vector<int>& states)
    {
        QStringList lines{"[Management]", QString("MaxMemberNo=%1").arg(states.size())};
        for (std::size_t i = 0; i < states.size(); ++i)
            lines << QString("[member%1]").arg(i + 1) << QString("Name=選手%1").arg(i + 1)
                  << QString("State=%1").arg(states[i]);
        writeFile(gstrMemberFile, lines);
    }

    void setting(const QString& key, const QString& value)
    {
        gfWriteIniFile(gstrIniFile, "Setup", key, value);
    }
    QString settingOf(const QString& key, const QString& section = "Setup")
    {
        return gfReadIniFile(gstrIniFile, section, key);
    }

    frmMain& open()
    {
        w = std::make_unique<frmMain>();
        return *w;
    }

    uctMyGrid& grid() { return *w->uctGameList; }

    QStringList comboTexts(QComboBox* c)
    {
        QStringList t;
        for (int i = 0; i < c->count(); ++i)
            t << c->itemText(i);
        return t;
    }

    // Titles of the listed games from the top.
    QStringList titles() { return gamelisttest::titles(grid()); }

    QStringList headers()
    {
        QStringList t;
        for (int c = 0; c < grid().colCount(); ++c)
            t << grid().gfGetCellData(c, 0, "Text").toString();
        return t;
    }

    int selectedRow() { return gamelisttest::selectedRow(grid()); }

    // The user picks an entry of a list.
    static void choose(QComboBox* c, const QString& text) { gamelisttest::choose(c, text); }

    QTemporaryDir dir;
    std::unique_ptr<frmMain> w;
};

constexpr int snap(int twips)
{
    return twips / 15 * 15;
}

// ---------------------------------------------------------------- controls

TEST_F(FrmMainTest, CaptionsAndMenus)
{
    open();
    EXPECT_EQ(w->windowTitle(), "Corvanti - Tallicor");
    const std::vector<std::pair<const char*, const char*>> buttons = {
        {"btnBelong", "所属登録"}, {"btnMember", "プレイヤー登録"}, {"btnSeries", "シリーズ＆大会"},
        {"btnCource", "コース登録"}, {"btnTeamRegi", "チーム登録"}, {"btnNewGame", "新しいゲーム"},
        {"btnPeriod", "期間"}, {"btnPointTotal", "ポイント集計/印刷"}, {"btnSeasonPrint", "集計/印刷"},
        {"btnSyukeiClear", "集計 クリア"}, {"btnSyukeiCheckedAll", "集計 全選択"}, {"btnOpenGame", "開く"},
        {"btnGamePrint", "印刷"}, {"btnDeleteGame", "削除"}, {"btnUploadFile", "ｱｯﾌﾟﾛｰﾄﾞ･ﾌｧｲﾙの作成"},
        {"btnClose", "終了"}};
    for (const auto& [name, caption] : buttons) {
        auto* b = w->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(w->Label1->text(), "シリーズ＆大会：");
    EXPECT_EQ(w->Label3->text(), "コース：");
    EXPECT_EQ(w->Label2->text(), "ゲーム形式：");
    EXPECT_EQ(w->mnuFile->title(), "ファイル(&F)");
    EXPECT_EQ(w->mnuTool->title(), "ツール(&T)");
    EXPECT_EQ(w->mnuHelp->title(), "ヘルプﾟ(&H)");
    QStringList items;
    for (QAction* a : w->mnuHelp->actions())
        items << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items, QStringList({"Tallicor について（ｵﾝﾗｲﾝ）", "ヘルプ（ｵﾝﾗｲﾝ）", "-", "ローカル・ヘルプ", "-",
                                  "ReadMe.html", "-", "バージョン情報(&A)..."}));
    EXPECT_EQ(w->mnuFile_ExitApp->text(), "Tallicor の終了(&X)");
    EXPECT_EQ(w->mnuTool_Backup->text(), "バックアップ(&B)");
    EXPECT_EQ(w->timMain->interval(), 200);
    EXPECT_TRUE(w->timMain->isActive());
    // The grid fills its picture box: 11475 x 4995 twips less the border.
    EXPECT_EQ(w->picGameListBody->width() * 15, 11475);
    EXPECT_EQ(w->picGameListBody->height() * 15, 4995);
    EXPECT_EQ(w->uctGameList->geometry(), w->picGameListBody->contentsRect());
}

// ---------------------------------------------------------------- lists

TEST_F(FrmMainTest, NoGamesAtAll)
{
    writeSeries({{"春季リーグ", 0, 0}});
    open();
    EXPECT_EQ(comboTexts(w->cobSeason), QStringList({"すべて", "指定なし", "春季リーグ"}));
    EXPECT_EQ(comboTexts(w->cobHoleRound), QStringList({"すべて"}));
    EXPECT_EQ(comboTexts(w->cobCource), QStringList({"すべて"}));
    EXPECT_EQ(w->cobHoleRound->currentIndex(), 0);
    EXPECT_EQ(w->cobCource->currentIndex(), 0);
    EXPECT_EQ(w->mPeriodFrom, "");
    EXPECT_EQ(w->mPeriodTo, "");
    EXPECT_EQ(w->lblPeriod->text(), "");
    EXPECT_EQ(grid().gfRowCount(), 1);
    EXPECT_EQ(w->lblGameListCount->text(), "0 ｹﾞｰﾑ");
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(FrmMainTest, SeriesListSkipsDeletedAndFallsBackToTheLastLiveSeries)
{
    writeSeries({{"A", 0, 0}, {"B", 2, 0}, {"C", 0, 0}, {"D", 2, 0}});
    setting("SelectedSeason", "2");   // deleted
    open();
    EXPECT_EQ(comboTexts(w->cobSeason), QStringList({"すべて", "指定なし", "A", "C"}));
    EXPECT_EQ(w->cobSeason->currentText(), "C");
    EXPECT_EQ(settingOf("SelectedSeason"), "3");
}

TEST_F(FrmMainTest, SeriesListSelection)
{
    struct Case {
        QString saved;
        QString expected;
    };
    const std::vector<Case> cases = {{"", "すべて"}, {"-1", "すべて"}, {"0", "指定なし"}, {"1", "A"},
                                     {"99", "A"}};
    for (const Case& c : cases) {
        writeSeries({{"A", 0, 0}});
        setting("SelectedSeason", c.saved);
        open();
        EXPECT_EQ(w->cobSeason->currentText(), c.expected) << c.saved.toStdString();
        w.reset();
    }
    // No live series at all: "指定なし" is the last entry.
    writeSeries({{"A", 2, 0}});
    setting("SelectedSeason", "1");
    open();
    EXPECT_EQ(w->cobSeason->currentText(), "指定なし");
    EXPECT_EQ(settingOf("SelectedSeason"), "0");
}

TEST_F(FrmMainTest, SinglePairIsSelectedWithoutAllEntryAndHidesItsColumns)
{
    writeSeries({{"A", 0, 0}});
    writeCources({"北コース"});
    writeGames({{1, "2024/05/01", "一", 1, 1, 8, 3}, {2, "2024/05/02", "二", 1, 1, 8, 3},
                {3, "2024/05/03", "三", 0, 0, 12, 2}});
    setting("SelectedSeason", "1");
    setting("SelectedHoleRound", "1202");   // names a pair the series does not have
    open();
    EXPECT_EQ(comboTexts(w->cobHoleRound), QStringList({" 8 ﾎｰﾙ、 3 ﾗｳﾝﾄﾞ"}));
    EXPECT_EQ(w->cobHoleRound->currentIndex(), 0);
    EXPECT_EQ(settingOf("SelectedHoleRound"), "803");
    EXPECT_EQ(comboTexts(w->cobCource), QStringList({"北コース"}));
    // Every filter on a single value: five columns, the title takes the rest.
    EXPECT_EQ(headers(), QStringList({"集計", "No.", "日付", "参加", "タイトル"}));
    EXPECT_EQ(grid().gfGetColWidth(4), snap(8000));
}

TEST_F(FrmMainTest, AllFiltersOnAllShowEightColumns)
{
    writeSeries({{"春季", 0, 0}});
    writeCources({"北コース", "南コース"});
    writeGames({{1, "2024/05/01", "一", 1, 1, 8, 3}, {2, "2024/05/02", "二", 0, 2, 12, 2}});
    open();
    EXPECT_EQ(comboTexts(w->cobHoleRound), QStringList({"すべて", " 8 ﾎｰﾙ、 3 ﾗｳﾝﾄﾞ", "12 ﾎｰﾙ、 2 ﾗｳﾝﾄﾞ"}));
    EXPECT_EQ(comboTexts(w->cobCource), QStringList({"すべて", "北コース", "南コース"}));
    EXPECT_EQ(headers(),
              QStringList({"集計", "No.", "日付", "H-R", "参加", "タイトル", "コース", "シリーズ"}));
    const std::vector<int> widths = {550, 600, 1300, 650, 600, 3050, 2150, 2150};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(grid().gfGetColWidth(c), snap(widths[c])) << c;
    // Row 1: 2024/05/01, 8-3, series and course names.
    EXPECT_EQ(grid().gfGetCellData(1, 1, "Text").toString(), "1");
    EXPECT_EQ(grid().gfGetCellData(2, 1, "Text").toString(), "R06/05/01");
    EXPECT_EQ(grid().gfGetCellData(3, 1, "Text").toString(), "8-3");
    EXPECT_EQ(grid().gfGetCellData(4, 1, "Text").toString(), "4");
    EXPECT_EQ(grid().gfGetCellData(6, 1, "Text").toString(), "北コース");
    EXPECT_EQ(grid().gfGetCellData(7, 1, "Text").toString(), "春季");
    EXPECT_EQ(grid().gfGetCellData(7, 2, "Text").toString(), "");
    EXPECT_EQ(grid().cellAt(0, 1)->Type, 5);
    EXPECT_EQ(grid().gfGetCellData(0, 1, "Value").toInt(), 2);
    EXPECT_EQ(grid().cellAt(5, 1)->Alignment, 0);
    EXPECT_EQ(grid().cellAt(2, 1)->Alignment, 2);
    EXPECT_EQ(grid().rowInfo(1)->Height, snap(350));
}

TEST_F(FrmMainTest, SortByDateEqualDatesInGameOrderEmptyDateFirst)
{
    writeGames({{1, "2024/06/01", "後"}, {2, "2024/05/01", "同日1"}, {4, "2024/05/01", "同日2"},
                {5, "", "日付なし"}, {7, "2024/01/01", "最初"}},
               8);
    open();
    EXPECT_EQ(titles(), QStringList({"日付なし", "最初", "同日1", "同日2", "後"}));
    EXPECT_EQ(w->lblGameListCount->text(), "5 ｹﾞｰﾑ");
    // The empty date opens the start of the default period.
    EXPECT_EQ(w->mPeriodFrom, "");
    EXPECT_EQ(w->mPeriodTo, "2024/06/01");
    EXPECT_EQ(w->lblPeriod->text(), "　～　R06/06/01");
    // Shading: rows 2 and 4, No. cells always button face.
    for (int r = 1; r <= 5; ++r) {
        const quint32 back = grid().cellAt(2, r)->BackColor.toUInt();
        if (r % 2 == 0)
            EXPECT_EQ(back, 0xF0FFF0u) << r;
        else
            EXPECT_NE(back, 0xF0FFF0u) << r;
        EXPECT_EQ(grid().cellAt(1, r)->BackColor.toUInt(), 0x8000000Fu) << r;
    }
}

TEST_F(FrmMainTest, FiltersNarrowTheList)
{
    writeSeries({{"春季", 0, 0}, {"秋季", 0, 0}});
    writeCources({"北", "南"});
    writeGames({{1, "2024/04/01", "春1", 1, 1, 8, 3}, {2, "2024/04/08", "春2", 1, 2, 9, 3},
                {3, "2024/04/15", "春3", 1, 1, 8, 3}, {4, "2024/10/01", "秋1", 2, 2, 8, 3},
                {5, "2024/11/01", "無所属", 0, 0, 8, 2}});
    open();
    EXPECT_EQ(titles().size(), 5);
    EXPECT_EQ(w->lblPeriod->text(), "R06/04/01　～　R06/11/01");

    choose(w->cobSeason, "春季");
    EXPECT_EQ(settingOf("SelectedSeason"), "1");
    EXPECT_EQ(titles(), QStringList({"春1", "春2", "春3"}));
    EXPECT_EQ(comboTexts(w->cobHoleRound), QStringList({"すべて", " 8 ﾎｰﾙ、 3 ﾗｳﾝﾄﾞ", " 9 ﾎｰﾙ、 3 ﾗｳﾝﾄﾞ"}));
    EXPECT_EQ(comboTexts(w->cobCource), QStringList({"すべて", "北", "南"}));
    EXPECT_EQ(w->mPeriodFrom, "2024/04/01");
    EXPECT_EQ(w->mPeriodTo, "2024/04/15");
    EXPECT_FALSE(headers().contains("シリーズ"));

    choose(w->cobHoleRound, " 8 ﾎｰﾙ、 3 ﾗｳﾝﾄﾞ");
    EXPECT_EQ(settingOf("SelectedHoleRound"), "803");
    EXPECT_EQ(titles(), QStringList({"春1", "春3"}));
    EXPECT_FALSE(headers().contains("H-R"));

    choose(w->cobCource, "南");
    EXPECT_EQ(settingOf("SelectedCource"), "2");
    EXPECT_EQ(titles(), QStringList());
    EXPECT_EQ(w->lblGameListCount->text(), "0 ｹﾞｰﾑ");

    choose(w->cobCource, "すべて");
    choose(w->cobHoleRound, "すべて");
    w->mPeriodFrom = "2024/04/08";
    w->mPeriodTo = "2024/04/08";
    w->psSetGamesList();
    EXPECT_EQ(titles(), QStringList({"春2"}));

    // A series selection resets the period and lists the games without one.
    choose(w->cobSeason, "指定なし");
    EXPECT_EQ(titles(), QStringList({"無所属"}));
    EXPECT_EQ(comboTexts(w->cobCource), QStringList({"指定なし"}));
    EXPECT_EQ(w->mPeriodFrom, "2024/11/01");
}

TEST_F(FrmMainTest, SavedChoicesComeBackAtTheNextStart)
{
    writeSeries({{"春季", 0, 0}});
    writeCources({"北", "南"});
    writeGames({{1, "2024/04/01", "一", 1, 1, 8, 3}, {2, "2024/04/08", "二", 1, 2, 9, 3},
                {3, "2024/04/15", "三", 1, 2, 8, 3}});
    open();
    choose(w->cobSeason, "春季");
    choose(w->cobHoleRound, " 8 ﾎｰﾙ、 3 ﾗｳﾝﾄﾞ");
    choose(w->cobCource, "南");
    w.reset();
    open();
    EXPECT_EQ(w->cobSeason->currentText(), "春季");
    EXPECT_EQ(w->cobHoleRound->currentText(), " 8 ﾎｰﾙ、 3 ﾗｳﾝﾄﾞ");
    EXPECT_EQ(w->cobCource->currentText(), "南");
    EXPECT_EQ(titles(), QStringList({"三"}));
}

TEST_F(FrmMainTest, SelectionFromSettingsAndRowClick)
{
    writeMembers({0});
    std::vector<Game> games;
    for (int i = 1; i <= 30; ++i)
        games.push_back({i, QString("2024/01/%1").arg(i, 2, 10, QChar('0')), QString("G%1").arg(i)});
    writeGames(games);
    setting("SelectedGame", "game00025.tcg");
    open();
    EXPECT_EQ(selectedRow(), 25);
    // Scrolled so the selected row is the second from the bottom:
    // 25 - round(4995 / 350) + 3 = 14.
    EXPECT_EQ(grid().gfGetTopIndexOfRowsY(), 25 - 14 + 3);
    EXPECT_TRUE(w->btnOpenGame->isEnabled());
    EXPECT_TRUE(w->btnDeleteGame->isEnabled());
    EXPECT_TRUE(w->btnUploadFile->isEnabled());

    // The user selects another row: the key follows.
    grid().gsSetSelectRow(3);
    emit grid().MGCellClick(2, 3);
    EXPECT_EQ(settingOf("SelectedGame"), "game00003.tcg");
}

TEST_F(FrmMainTest, SelectedGameFilteredOutLeavesNoSelection)
{
    writeMembers({0});
    writeSeries({{"A", 0, 0}});
    writeGames({{1, "2024/01/01", "一", 1}, {2, "2024/01/02", "二", 0}});
    setting("SelectedSeason", "1");
    setting("SelectedGame", "game00002.tcg");
    open();
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_FALSE(w->btnOpenGame->isEnabled());
    EXPECT_FALSE(w->btnDeleteGame->isEnabled());
    EXPECT_FALSE(w->btnUploadFile->isEnabled());
    EXPECT_FALSE(w->btnGamePrint->isEnabled());
    EXPECT_TRUE(w->btnNewGame->isEnabled());
}

TEST_F(FrmMainTest, NewGameNeedsALivePlayer)
{
    writeGames({{1, "2024/01/01", "一"}});
    for (const auto& [states, enabled] : std::vector<std::pair<std::vector<int>, bool>>{
             {{}, false}, {{2, 2}, false}, {{2, 0}, true}}) {
        writeMembers(states);
        open();
        EXPECT_EQ(w->btnNewGame->isEnabled(), enabled) << states.size();
        w.reset();
    }
}

TEST_F(FrmMainTest, PointButtonOnlyForALivePointSeries)
{
    writeSeries({{"普通", 0, 0}, {"ポイント", 0, 1}});
    writeGames({{1, "2024/01/01", "一", 2}});
    open();
    const std::vector<std::pair<QString, bool>> cases = {
        {"すべて", false}, {"指定なし", false}, {"普通", false}, {"ポイント", true}};
    for (const auto& [entry, shown] : cases) {
        choose(w->cobSeason, entry);
        EXPECT_EQ(!w->btnPointTotal->isHidden(), shown) << entry.toStdString();
    }
    // Both commands are there: the point ranking and, over the ticked game,
    // the season tallies.
    EXPECT_TRUE(w->btnPointTotal->isEnabled());
    EXPECT_TRUE(w->btnSeasonPrint->isEnabled());
}

TEST_F(FrmMainTest, TickCommands)
{
    writeGames({{1, "2024/01/01", "一"}, {2, "2024/01/02", "二"}, {3, "2024/01/03", "三"}});
    open();
    w->btnSyukeiClear->click();
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(grid().gfGetCellData(0, r, "Value").toInt(), 0);
    grid().gsSetCellData(0, 2, "Value", 2);
    w->btnSyukeiCheckedAll->click();
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(grid().gfGetCellData(0, r, "Value").toInt(), 2);
}

// A button that has the focus is pressed by Enter as by a click.
TEST_F(FrmMainTest, EnterPressesTheFocusedButton)
{
    writeGames({{1, "2024/01/01", "一"}, {2, "2024/01/02", "二"}});
    open();
    ASSERT_TRUE(testsupport::showActive(*w));
    w->btnSyukeiClear->setFocus();
    QTest::keyClick(w->btnSyukeiClear, Qt::Key_Return);
    EXPECT_TRUE(testsupport::waitUntil([&] { return grid().gfGetCellData(0, 1, "Value").toInt() == 0; }));
    EXPECT_EQ(grid().gfGetCellData(0, 2, "Value").toInt(), 0);
    w->btnSyukeiCheckedAll->setFocus();
    QTest::keyClick(w->btnSyukeiCheckedAll, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(testsupport::waitUntil([&] { return grid().gfGetCellData(0, 1, "Value").toInt() == 2; }));
}

TEST_F(FrmMainTest, GroupsAreReadLiveAndDeleted)
{
    writeFile(gstrGroupFile, {"[Management]", "MaxGroupNo=4", "[group1]", "Name= 東 ", "ShortName=ひ",
                              "State=0", "[group2]", "Name=　", "[group3]", "Name=西", "State=2"});
    open();
    ASSERT_EQ(gBelongList.size(), 2u);
    EXPECT_EQ(gBelongList[0].BelongID, 1);
    EXPECT_EQ(gBelongList[0].Name, "東");
    EXPECT_EQ(gBelongList[0].ShortName, "ひ");
    EXPECT_EQ(gBelongList[1].BelongID, 3);
    EXPECT_EQ(gBelongList[1].State, 2);
}

TEST_F(FrmMainTest, RegisterButtonsOpenTheirDialogsAndRefreshAfterwards)
{
    writeSeries({{"A", 0, 0}});
    open();
    // Runs `during` while the modal dialog opened by `click` is up, then
    // closes it; returns the dialog's object name.
    auto withDialog = [&](QPushButton* button, const std::function<void()>& during) {
        QString name;
        testsupport::onNextDialog<QDialog>([&](QDialog* dlg) {
            name = dlg->metaObject()->className();
            EXPECT_EQ(dlg->parentWidget(), w.get());
            during();
            dlg->close();
        });
        button->click();
        return name;
    };
    EXPECT_EQ(withDialog(w->btnSeries, [&] { writeSeries({{"A", 0, 0}, {"B", 0, 0}}); }), "frmSeriesRegi");
    EXPECT_EQ(comboTexts(w->cobSeason), QStringList({"すべて", "指定なし", "A", "B"}));
    EXPECT_EQ(withDialog(w->btnCource, [&] { writeSeries({{"A", 2, 0}, {"B", 0, 0}}); }), "frmCourceRegi");
    EXPECT_EQ(comboTexts(w->cobSeason), QStringList({"すべて", "指定なし", "B"}));
    EXPECT_EQ(withDialog(w->btnTeamRegi, [] { EXPECT_EQ(glngDialogParam, 1); }), "frmSetTeam");
    EXPECT_EQ(withDialog(w->btnBelong, [] {}), "frmBelong");
    EXPECT_FALSE(w->btnNewGame->isEnabled());
    EXPECT_EQ(withDialog(w->btnMember, [&] { gMemberList.push_back(MemberInfo{}); }), "frmMember");
    EXPECT_TRUE(w->btnNewGame->isEnabled());
}

TEST_F(FrmMainTest, UploadButtonExportsTheSelectedGame)
{
    writeMembers({0});
    writeFile(gstrGamesFolder + "/game00001.tcg",
              {"[Management]", "Date=2024/01/01", "Tittle=一", "MaxScoreNo=1", "SeriesID=0", "CourceID=0",
               "Hole=2", "Round=1", "[Score1]", "IDNo=1", "Holes=3,4,", "Handicap=0", "RoundGNo=0",
               "SeedNo=0", "[Ranking]", "RealEntries=1"});
    writeFile(gstrManagerFile, {"[Management]", "MaxGameNo=1"});
    setting("SelectedGame", "game00001.tcg");
    open();
    QWidget* askedBy = nullptr;
    webupload::setSaveFileChooser([&](QWidget* owner, const QString&) {
        askedBy = owner;
        return QString();
    });
    w->btnUploadFile->click();
    webupload::setSaveFileChooser({});
    EXPECT_EQ(askedBy, w.get());
}

// ---------------------------------------------------------------- return from a game

TEST_F(FrmMainTest, ReturnWithoutSaveChangesNothing)
{
    writeGames({{1, "2024/01/01", "一"}, {2, "2024/01/02", "二"}});
    setting("SelectedGame", "game00001.tcg");
    open();
    grid().gsSetCellData(0, 2, "Value", 0);
    // A game was added on disk meanwhile: an unsaved return does not reload.
    writeGames({{1, "2024/01/01", "一"}, {2, "2024/01/02", "二"}, {3, "2024/01/03", "三"}});
    gGame = gGameList[1];
    gbolGameUnsaved = true;
    w->mGameWindowOpen = 1;
    w->hide();
    w->gsShowMain();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->mGameWindowOpen, 0);
    EXPECT_EQ(titles(), QStringList({"一", "二"}));
    EXPECT_EQ(grid().gfGetCellData(0, 2, "Value").toInt(), 0);
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(settingOf("SelectedGame"), "game00001.tcg");
}

TEST_F(FrmMainTest, ReturnAfterSaveReloadsSelectsAndKeepsTicks)
{
    writeSeries({{"A", 0, 0}});
    writeGames({{1, "2024/01/01", "一", 1}, {2, "2024/01/02", "二", 1}, {3, "2024/01/03", "三", 1}});
    setting("SelectedSeason", "1");
    open();
    grid().gsSetCellData(0, 1, "Value", 0);   // "一" unticked
    // The game window saved a new game as number 4.
    writeGames({{1, "2024/01/01", "一", 1}, {2, "2024/01/02", "二", 1}, {3, "2024/01/03", "三", 1},
                {4, "2024/01/02", "新", 1}});
    gGame.GameFileName = "game00004.tcg";
    gGame.SeriesID = 1;
    gGame.Date = "2024/01/02";
    gGame.Hole = 8;
    gGame.Round = 3;
    w->mOpenedStoredGame = 0;
    gbolGameUnsaved = false;
    w->gsShowMain();
    EXPECT_EQ(titles(), QStringList({"一", "二", "新", "三"}));
    EXPECT_EQ(selectedRow(), 3);
    EXPECT_EQ(settingOf("SelectedGame"), "game00004.tcg");
    EXPECT_EQ(grid().gfGetCellData(0, 1, "Value").toInt(), 0);
    EXPECT_EQ(grid().gfGetCellData(0, 2, "Value").toInt(), 2);
}

TEST_F(FrmMainTest, ReturnAfterSaveIntoAnotherSeriesFollowsTheGameAndDropsUnticks)
{
    writeSeries({{"A", 0, 0}, {"B", 0, 0}});
    writeGames({{1, "2024/01/01", "一", 1}, {2, "2024/01/02", "二", 2}, {3, "2024/01/03", "三", 2}});
    setting("SelectedSeason", "1");
    open();
    ASSERT_EQ(titles(), QStringList({"一"}));
    grid().gsSetCellData(0, 1, "Value", 0);
    // Game one was moved to series B and to a date outside B's period.
    writeGames({{1, "2023/12/01", "一", 2}, {2, "2024/01/02", "二", 2}, {3, "2024/01/03", "三", 2}});
    gGame = gGameList[0];
    gGame.SeriesID = 2;
    gGame.Date = "2023/12/01";
    w->mOpenedStoredGame = 1;
    w->gsShowMain();
    EXPECT_EQ(w->cobSeason->currentText(), "B");
    EXPECT_EQ(titles(), QStringList({"一", "二", "三"}));
    EXPECT_EQ(selectedRow(), 1);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(grid().gfGetCellData(0, r, "Value").toInt(), 2) << r;
}

TEST_F(FrmMainTest, ReturnAfterSaveRefillsTheFiltersAndResetsTheChosenPeriod)
{
    writeGames({{1, "2024/01/01", "一"}, {2, "2024/02/01", "二"}, {3, "2024/03/01", "三"}});
    open();
    w->mPeriodFrom = "2024/02/01";
    w->mPeriodTo = "2024/02/01";
    w->psSetGamesList();
    ASSERT_EQ(titles(), QStringList({"二"}));
    gGame = gGameList[2];
    w->mOpenedStoredGame = 1;
    w->gsShowMain();
    // Refilling the series list selects its entry again, which sets the
    // period to the span of the series' games.
    EXPECT_EQ(w->mPeriodFrom, "2024/01/01");
    EXPECT_EQ(w->mPeriodTo, "2024/03/01");
    EXPECT_EQ(titles(), QStringList({"一", "二", "三"}));
    EXPECT_EQ(selectedRow(), 3);
    EXPECT_EQ(w->lblPeriod->text(), "R06/01/01　～　R06/03/01");
}

// ---------------------------------------------------------------- hand-over timer

TEST_F(FrmMainTest, HandOverFileIsAlwaysDeletedAndOnlyYesActs)
{
    open();
    w->timMain->stop();
    w->show();
    const std::vector<std::pair<QString, bool>> cases = {
        {"Yes", true}, {" Yes ", true}, {"yes", false}, {"", false}, {"YES", false}, {"No", false}};
    for (const auto& [really, restores] : cases) {
        w->showMinimized();
        ASSERT_TRUE(w->isMinimized());
        writeFile(gstrReExecuteFile, {"[ReExecute]", "Really=" + really, "Command="});
        w->timMain_Timer();
        EXPECT_FALSE(QFile::exists(gstrReExecuteFile)) << really.toStdString();
        EXPECT_EQ(!w->isMinimized(), restores) << really.toStdString();
        w->showNormal();
    }
    // No file: nothing happens.
    w->showMinimized();
    w->timMain_Timer();
    EXPECT_TRUE(w->isMinimized());
}

TEST_F(FrmMainTest, HandOverActsOnTheGameWindowWhileAGameIsOpen)
{
    open();
    w->timMain->stop();
    auto* game = new QWidget(w.get(), Qt::Window);
    game->setObjectName("frmParvona");
    game->showMinimized();
    w->showMinimized();
    w->mGameWindowOpen = 1;
    writeFile(gstrReExecuteFile, {"[ReExecute]", "Really=Yes"});
    w->timMain_Timer();
    EXPECT_FALSE(game->isMinimized());
    EXPECT_TRUE(w->isMinimized());
    EXPECT_FALSE(QFile::exists(gstrReExecuteFile));
}

TEST_F(FrmMainTest, TimerRunsWhileAModalDialogIsOpen)
{
    open();
    writeFile(gstrReExecuteFile, {"[ReExecute]", "Really=Yes"});
    bool deletedDuringDialog = false;
    testsupport::onNextDialog<frmPeriod>([&](frmPeriod* dlg) {
        deletedDuringDialog = testsupport::waitUntil([&] { return !QFile::exists(gstrReExecuteFile); });
        dlg->btnCancel_Click();
    });
    w->btnPeriod_Click();
    EXPECT_TRUE(deletedDuringDialog);
}

// ---------------------------------------------------------------- position

TEST_F(FrmMainTest, PositionIsStoredInTwipsAndNegativeBecomesZero)
{
    gfWriteIniFile(gstrIniFile, "WindowSize", "Main_Top", "1500");
    gfWriteIniFile(gstrIniFile, "WindowSize", "Main_Left", "-300");
    open();
    EXPECT_EQ(w->pos(), QPoint(0, 100));
    w->move(40, 60);
    w->close();
    EXPECT_EQ(settingOf("Main_Top", "WindowSize"), "900");
    EXPECT_EQ(settingOf("Main_Left", "WindowSize"), "600");
}

TEST_F(FrmMainTest, BlankTopKeepsTheDefaultPositionEvenWithALeft)
{
    gfWriteIniFile(gstrIniFile, "WindowSize", "Main_Left", "3000");
    open();
    const QPoint defaultPos = w->pos();
    EXPECT_NE(defaultPos.x(), 200);
    gfWriteIniFile(gstrIniFile, "WindowSize", "Main_Top", "-15");
    w.reset();
    open();
    EXPECT_EQ(w->pos(), QPoint(200, 0));
}

TEST_F(FrmMainTest, PositionOffEveryScreenComesBack)
{
    gfWriteIniFile(gstrIniFile, "WindowSize", "Main_Top", "900000");
    gfWriteIniFile(gstrIniFile, "WindowSize", "Main_Left", "900000");
    open();
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(avail.contains(w->pos())) << w->pos().x() << "," << w->pos().y();
}

// ---------------------------------------------------------------- backup and help

TEST_F(FrmMainTest, BackupExplainsAndOpensTheDocumentsFolder)
{
    open();
    recordingUi().answers = {platform::vbCancel};
    w->mnuTool_Backup->trigger();
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().openedFolders.isEmpty());
    const RecordedMessage& m = recordingUi().messages[0];
    EXPECT_EQ(m.title, "バックアップ");
    EXPECT_EQ(m.style, platform::vbOKCancel);
    EXPECT_EQ(m.prompt,
              "Tallicorのデータフォルダを開きます。\n"
              "\"data\"フォルダを他の場所（外部ハードディスクやUSBメモリなど）にコピーして保存（退避）してください。\n"
              "復元はTallicorを終了させてから、\"data\"フォルダを入れ替えてください。\n");
    w->mnuTool_Backup->trigger();
    EXPECT_EQ(recordingUi().openedFolders, QStringList({gstrDocFolder}));
    EXPECT_EQ(recordingUi().messages.size(), 2u);   // the explanation only
    EXPECT_TRUE(recordingUi().clipboard.isEmpty());
}

TEST_F(FrmMainTest, BackupThatCannotOpenTheFolderNamesItAndCopiesIt)
{
    open();
    const QString expected = "Tallicorのデータフォルダを開けませんでした。\n" + gstrDocFolder
                             + "\nこのフォルダの場所をクリップボードにコピーしました。\n"
                               "ファイルマネージャーのアドレス欄などに貼り付け(ペースト)て開いてください。";
    // No opener at all (xdg-open not installed), and an opener that started
    // but found no file manager and ended with an error.
    for (const bool late : {false, true}) {
        SCOPED_TRACE(late ? "opener failed later" : "no opener");
        resetRecordingUi();
        recordingUi().openFolderResult = late;
        w->mnuTool_Backup->trigger();
        EXPECT_EQ(recordingUi().openedFolders, QStringList({gstrDocFolder}));
        if (late) {
            ASSERT_EQ(recordingUi().messages.size(), 1u);   // nothing said yet
            ASSERT_TRUE(recordingUi().openFailed);
            recordingUi().openFailed();
        }
        ASSERT_EQ(recordingUi().messages.size(), 2u);
        const RecordedMessage& m = recordingUi().messages[1];
        EXPECT_EQ(m.title, "バックアップ");
        EXPECT_EQ(m.style, platform::vbOKOnly | platform::vbExclamation);
        EXPECT_EQ(m.prompt, expected);
        EXPECT_EQ(recordingUi().clipboard, gstrDocFolder);
    }
}

TEST_F(FrmMainTest, HelpOpensTheBrowserOrFallsBackToTheClipboard)
{
    open();
    const std::vector<std::pair<QAction*, QString>> items = {
        {w->mnuHelp_AboutTallicor, frmMain::productPageUrl()},
        {w->mnuHelp_OnlineHelp, frmMain::onlineHelpUrl()},
        {w->mnuHelp_LocalHelp, frmMain::localHelpPath()},
        {w->mnuHelp_ReadMe, frmMain::readMePath()}};
    EXPECT_TRUE(frmMain::localHelpPath().endsWith("/html/help/index.html"));
    EXPECT_TRUE(frmMain::readMePath().endsWith("/readme.html"));
    for (const auto& [item, address] : items) {
        resetRecordingUi();
        item->trigger();
        EXPECT_EQ(recordingUi().openedUrls, QStringList({address}));
        EXPECT_TRUE(recordingUi().messages.empty());

        // No browser could be started, or it started and then could not
        // show the page: the address goes to the clipboard with a message.
        for (const bool late : {false, true}) {
            resetRecordingUi();
            recordingUi().openUrlResult = late;
            item->trigger();
            if (late) {
                EXPECT_TRUE(recordingUi().messages.empty());
                ASSERT_TRUE(recordingUi().openFailed);
                recordingUi().openFailed();
            }
            EXPECT_EQ(recordingUi().clipboard, address);
            ASSERT_EQ(recordingUi().messages.size(), 1u);
            EXPECT_EQ(recordingUi().messages[0].title, "エラー");
            EXPECT_EQ(recordingUi().messages[0].prompt,
                      address + "\nURLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。ご利用のﾌﾞﾗｳｻﾞのｱﾄﾞﾚｽﾊﾞｰに貼り付け(ﾍﾟｲｽﾄ)てください。");
        }
    }
}

// The help items' addresses, taken from the program's folder, name pages
// that the build put beside the program: one page each, nothing loaded from
// anywhere else, and the read-me gives the version the about box shows.
TEST(FrmMainHelpPages, StandBesideTheProgramAndNeedNothingElse)
{
    const QString programFolder = platform::installationFolder();
    QString readMe;
    for (const QString& address : {frmMain::localHelpPath(), frmMain::readMePath()}) {
        ASSERT_TRUE(address.startsWith(programFolder + "/")) << address.toStdString();
        const QString page = QStringLiteral(TALLICOR_APP_DIR) + address.mid(programFolder.size());
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(html.contains("<html lang=\"ja\">")) << page.toStdString();
        EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << page.toStdString();
        for (const char* outside : {"<script", "<link", "<img", "<iframe", "<object", "<embed", "src=",
                                    "url(", "@import", "http:", "https:", "@"})
            EXPECT_FALSE(html.contains(QLatin1String(outside), Qt::CaseInsensitive))
                << page.toStdString() << " has " << outside;
        // Every link inside the page leads to a heading of the page.
        static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        for (auto m = link.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(html.contains("id=\"" + target + "\"")) << page.toStdString() << " #" << target.toStdString();
        }
        if (address == frmMain::readMePath())
            readMe = html;
    }
    frmAbout about;
    EXPECT_TRUE(about.lblVersion->text().startsWith("Version "));
    EXPECT_TRUE(readMe.contains(about.lblVersion->text() + "<br>")) << about.lblVersion->text().toStdString();
}

// ---------------------------------------------------------------- period

TEST_F(FrmMainTest, PeriodDialogNarrowsByDateAndCancelKeepsIt)
{
    writeGames({{1, "2024/01/01", "一"}, {2, "2024/02/01", "二"}, {3, "2024/03/01", "三"}});
    open();
    auto runDialog = [&](const QString& from, const QString& to, bool ok) {
        testsupport::onNextDialog<frmPeriod>([=](frmPeriod* dlg) {
            EXPECT_EQ(dlg->txtFromDate->text(), "R6/1/1");
            dlg->txtFromDate->setText(from);
            dlg->txtToDate->setText(to);
            if (ok)
                dlg->btnOK_Click();
            else
                dlg->btnCancel_Click();
        });
        w->btnPeriod_Click();
    };
    runDialog("2024/2/1", "", false);
    EXPECT_EQ(titles().size(), 3);
    runDialog("2024/2/1", "", true);
    EXPECT_EQ(w->mPeriodFrom, "2024/02/01");
    EXPECT_EQ(w->mPeriodTo, "");
    EXPECT_EQ(titles(), QStringList({"二", "三"}));
    EXPECT_EQ(w->lblPeriod->text(), "R06/02/01　～　");
}

}  // namespace

// The game window's commands on participants and the game header: adding and
// removing a participant, a participant's team, the game information, the
// category and the moves to the score tab.
#include "test_gamecommands_support.h"

#include "forms/frmCategory.h"
#include "game/frmAddScoreMember.h"
#include "game/frmGameInfo.h"
#include "game/frmSetTeam.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

using namespace cmdtest;

// Chooses member `id` in the add dialog and presses the position button
// (0 above, 1 below, 2 top, 3 end).
void addChosen(frmAddScoreMember* d, Long id, int position)
{
    for (int i = 0; i < d->lstMember->count(); ++i)
        if (d->lstMember->item(i)->data(Qt::UserRole).toInt() == id)
            d->lstMember->setCurrentRow(i);
    QTest::mouseClick(d->btnAddPosition[position], Qt::LeftButton);
}

QStringList offered(const frmAddScoreMember* d)
{
    QStringList out;
    for (int i = 0; i < d->lstMember->count(); ++i)
        out << QString::number(d->lstMember->item(i)->data(Qt::UserRole).toInt());
    return out;
}

TEST_F(CommandTest, AddingAParticipantAboveTheSelectedOne)
{
    openStoredGame();
    select(entries(), 2);   // player 2
    onNextDialog<frmAddScoreMember>([](frmAddScoreMember* d) {
        EXPECT_EQ(glngDialogParam, 2);   // the selected player's first line
        EXPECT_EQ(offered(d), QStringList({"4"}));   // players of the game are not offered
        EXPECT_TRUE(d->btnAddPosition[0]->isEnabled());
        addChosen(d, 4, 0);
    });
    click("btnAddMember0");
    EXPECT_TRUE(modified());
    EXPECT_EQ(lineKeys(), QStringLiteral("1/1 1/2 4/1 4/2 2/1 2/2 3/1 3/2"));
    const ScoreLine& added = gScoreLines[2];
    EXPECT_EQ(added.Handicap, 0);   // not the displaced player's -5
    EXPECT_EQ(added.TeamID, QString());
    EXPECT_EQ(holesOf(added, 16), QStringLiteral(". . . . . . . . . . . . . . . ."));
    // Both grids show the new participant, selected.
    EXPECT_EQ(entries()->gfRowCount(), 5);
    EXPECT_EQ(cell(entries(), 2, 2), QStringLiteral("田中次郎"));
    EXPECT_TRUE(entries()->gfGetRowSelected(2));
    EXPECT_EQ(scores()->gfRowCount(), 9);
    EXPECT_EQ(cell(scores(), 1, 3), QStringLiteral("田中次郎"));
    EXPECT_TRUE(scores()->gfGetRowSelected(3));
    EXPECT_EQ(cell(entries(), 0, 0), QStringLiteral("No."));
}

TEST_F(CommandTest, AddingPlacesBelowAtTheTopAndAtTheEnd)
{
    struct Case {
        int selectedRow;   // 0 = none
        int position;
        const char* lines;
    };
    const Case cases[] = {
        {1, 1, "1/1 1/2 4/1 4/2 2/1 2/2 3/1 3/2"},
        {3, 1, "1/1 1/2 2/1 2/2 3/1 3/2 4/1 4/2"},   // below the last player: the end
        {2, 2, "4/1 4/2 1/1 1/2 2/1 2/2 3/1 3/2"},
        {0, 3, "1/1 1/2 2/1 2/2 3/1 3/2 4/1 4/2"},
    };
    for (const Case& c : cases) {
        if (window)
            delete window.data();
        openStoredGame();
        if (c.selectedRow > 0)
            select(entries(), c.selectedRow);
        onNextDialog<frmAddScoreMember>([&c](frmAddScoreMember* d) {
            // Without a selected participant only the top and the end are offered.
            EXPECT_EQ(d->btnAddPosition[0]->isEnabled(), c.selectedRow > 0);
            EXPECT_EQ(d->btnAddPosition[1]->isEnabled(), c.selectedRow > 0);
            addChosen(d, 4, c.position);
        });
        click("btnAddMember0");
        EXPECT_EQ(lineKeys(), QString::fromLatin1(c.lines)) << c.selectedRow << "/" << c.position;
        EXPECT_EQ(gfCountGameMembers(), 4);
    }
}

TEST_F(CommandTest, CancelledAddChangesNothing)
{
    openStoredGame();
    onNextDialog<frmAddScoreMember>([](frmAddScoreMember* d) { QTest::mouseClick(d->btnCancel, Qt::LeftButton); });
    click("btnAddMember0");
    EXPECT_FALSE(modified());
    EXPECT_EQ(gScoreLines.size(), 6u);
}

TEST_F(CommandTest, RemovingAParticipantAsksFirst)
{
    openStoredGame();
    click("btnDeleteMember0");
    EXPECT_EQ(lastMessage(), QStringLiteral("エラー|取消すプレイヤーを選択してください。"));

    select(entries(), 3);   // player 3 has no birthday
    recordingUi().answers.push_back(platform::vbCancel);
    click("btnDeleteMember0");
    EXPECT_EQ(lastMessage(), QStringLiteral("参加取消し確認|鈴木一郎　（-、-歳） さんの参加を取り消します。"));
    EXPECT_EQ(recordingUi().messages.back().style, platform::vbOKCancel);
    EXPECT_EQ(gScoreLines.size(), 6u);
    EXPECT_FALSE(modified());

    select(entries(), 1);
    recordingUi().answers.push_back(platform::vbOK);
    click("btnDeleteMember0");
    EXPECT_EQ(lastMessage(), QStringLiteral("参加取消し確認|山田太郎　（男、76歳） さんの参加を取り消します。"));
    EXPECT_TRUE(modified());
    EXPECT_EQ(lineKeys(), QStringLiteral("2/1 2/2 3/1 3/2"));
    EXPECT_EQ(entries()->gfRowCount(), 3);
    EXPECT_EQ(cell(entries(), 2, 1), QStringLiteral("佐藤花子"));
    EXPECT_EQ(scores()->gfRowCount(), 5);

    // The last ones: no lines remain.
    for (int i = 0; i < 2; ++i) {
        select(entries(), 1);
        recordingUi().answers.push_back(platform::vbOK);
        click("btnDeleteMember0");
    }
    EXPECT_TRUE(gScoreLines.empty());
    EXPECT_EQ(entries()->gfRowCount(), 1);
    EXPECT_EQ(scores()->gfRowCount(), 1);
}

TEST_F(CommandTest, TeamOfAParticipantFromTheButtonAndTheTeamColumn)
{
    openStoredGame();
    click("btnTeam");
    EXPECT_EQ(lastMessage(), QStringLiteral("エラー|設定するプレイヤーを選択してください。"));

    // A click in the team column: choose team B.
    select(entries(), 1);
    onNextDialog<frmSetTeam>([](frmSetTeam* d) {
        EXPECT_EQ(gstrDialogText1, QStringLiteral("A"));
        EXPECT_EQ(glngDialogParam, 0);
        d->lstTeams->setCurrentRow(1);
        QTest::mouseClick(d->btnSelect, Qt::LeftButton);
    });
    emit entries()->MGCellClick(1, 1);
    EXPECT_TRUE(modified());
    EXPECT_EQ(gScoreLines[0].TeamID, QStringLiteral("B"));
    EXPECT_EQ(gScoreLines[1].TeamID, QStringLiteral("B"));
    EXPECT_EQ(gScoreLines[4].TeamID, QStringLiteral("A"));   // player 3 keeps theirs
    EXPECT_EQ(cell(entries(), 1, 1), QStringLiteral("B"));
    EXPECT_EQ(cell(scores(), 1, 2), QStringLiteral("[ B ]"));

    // No team: the player's lines and the cell are cleared.
    select(entries(), 3);
    onNextDialog<frmSetTeam>([](frmSetTeam* d) { QTest::mouseClick(d->btnNone, Qt::LeftButton); });
    click("btnTeam");
    EXPECT_EQ(gScoreLines[4].TeamID, QString());
    EXPECT_EQ(gScoreLines[5].TeamID, QString());
    EXPECT_EQ(cell(entries(), 1, 3), QString());

    // Other columns open nothing.
    emit entries()->MGCellClick(2, 3);
    EXPECT_TRUE(QApplication::activeModalWidget() == nullptr);
}

TEST_F(CommandTest, GameInformationMarksModifiedOnlyWhenAFieldChanged)
{
    openStoredGame();
    chooseTab(3);
    const std::vector<ScoreLine> before = gScoreLines;

    // OK without a change: nothing.
    onNextDialog<frmGameInfo>([](frmGameInfo* d) {
        EXPECT_EQ(glngDialogParam, 1);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    click("btnGameInfo");
    EXPECT_FALSE(modified());

    // A new title: modified, the caption shows it, lines and handicaps stay,
    // the current tab is shown again.
    onNextDialog<frmGameInfo>([](frmGameInfo* d) {
        d->txtTittle->setText(QStringLiteral("秋季大会"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    click("btnGameInfo");
    EXPECT_TRUE(modified());
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("秋季大会")));
    EXPECT_EQ(gScoreLines.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(gScoreLines[i].Holes, before[i].Holes);
        EXPECT_EQ(gScoreLines[i].Handicap, before[i].Handicap);
    }
    EXPECT_EQ(currentTab(), 3);
    EXPECT_FALSE(grid("uctGridList2")->isHidden());
}

TEST_F(CommandTest, MoreRoundsKeepHandicapsMoreHolesRedealStrokesAndClearThem)
{
    openStoredGame();
    // Three rounds: the new round is empty, handicaps stay.
    onNextDialog<frmGameInfo>([](frmGameInfo* d) {
        d->cobRoundNum->setCurrentIndex(d->cobRoundNum->findData(3));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    click("btnGameInfo");
    EXPECT_TRUE(modified());
    EXPECT_EQ(lineKeys(), QStringLiteral("1/1 1/2 1/3 2/1 2/2 2/3 3/1 3/2 3/3"));
    EXPECT_EQ(holesOf(gScoreLines[2], 3), QStringLiteral(". . ."));
    EXPECT_EQ(gScoreLines[3].Handicap, -5);
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(scores()->gfRowCount(), 10);

    // Four holes with handicaps before and after: the strokes are dealt out
    // again in their stored order, the handicaps cleared after the message.
    onNextDialog<frmGameInfo>([](frmGameInfo* d) {
        d->cobHoleNum->setCurrentIndex(d->cobHoleNum->findData(4));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    click("btnGameInfo");
    EXPECT_EQ(lastMessage(),
              QStringLiteral("ハンディキャップのクリア|ハンディキャップをクリアします。再設定してください。"));
    EXPECT_EQ(recordingUi().messages.back().style, platform::vbOKCancel);
    EXPECT_EQ(holesOf(gScoreLines[0], 4), QStringLiteral("2 1 3 4"));
    EXPECT_EQ(holesOf(gScoreLines[1], 4), QStringLiteral(". 5 . ."));
    for (const ScoreLine& l : gScoreLines)
        EXPECT_EQ(l.Handicap, 0);
    EXPECT_EQ(cell(scores(), 8, 0), QStringLiteral("4"));
}

TEST_F(CommandTest, SwitchingHandicapsOffClearsThemWithoutAMessage)
{
    openStoredGame();
    onNextDialog<frmGameInfo>([](frmGameInfo* d) {
        d->optHandicap[0]->setChecked(true);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    click("btnGameInfo");
    EXPECT_EQ(gGame.HandiCapKind, 0);
    EXPECT_TRUE(recordingUi().messages.empty());
    for (const ScoreLine& l : gScoreLines)
        EXPECT_EQ(l.Handicap, 0);
    EXPECT_EQ(holesOf(gScoreLines[5], 3), QStringLiteral("10 3 3"));
    EXPECT_EQ(cell(scores(), 11, 0), QStringLiteral("合計"));
}

TEST_F(CommandTest, GameInformationLeavesADamagedTableAlone)
{
    openStoredGame();
    gScoreLines.pop_back();   // the last player lacks a round
    const QString keys = lineKeys();
    click("btnGameInfo");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_FALSE(recordingUi().messages.empty());
    EXPECT_EQ(recordingUi().messages.back().title, QStringLiteral("System error"));
    EXPECT_TRUE(recordingUi().messages.back().prompt.startsWith(QStringLiteral("btnGameInfo_Click():")));
    EXPECT_EQ(lineKeys(), keys);
    EXPECT_FALSE(modified());
}

TEST_F(CommandTest, CategoryChangeRetitlesTheRankingTabAndShowsIt)
{
    openStoredGame();
    // OK without a change: not modified, the ranking is shown.
    onNextDialog<frmCategory>([](frmCategory* d) { QTest::mouseClick(d->btnOK, Qt::LeftButton); });
    click("btnCategory");
    EXPECT_FALSE(modified());
    EXPECT_EQ(currentTab(), 3);

    chooseTab(1);
    onNextDialog<frmCategory>([](frmCategory* d) {
        d->optGender[2]->setChecked(true);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    click("btnCategory");
    EXPECT_TRUE(modified());
    EXPECT_EQ(gGame.CategoryGender, 2);
    EXPECT_EQ(currentTab(), 3);
    EXPECT_EQ(tabs()->tabText(2), QStringLiteral(" ") + gfGetCategoryTitle() + QStringLiteral("順位 "));
    EXPECT_NE(tabs()->tabText(2), QStringLiteral(" 総合順位 "));
    // Only the one woman is ranked.
    EXPECT_EQ(grid("uctGridList2")->gfRowCount(), 2);
    EXPECT_EQ(cell(grid("uctGridList2"), 1, 1), QStringLiteral("佐藤花子"));

    // Cancel: nothing, not even the tab.
    chooseTab(1);
    onNextDialog<frmCategory>([](frmCategory* d) { QTest::mouseClick(d->btnCancel, Qt::LeftButton); });
    click("btnCategory");
    EXPECT_EQ(currentTab(), 1);
}

TEST_F(CommandTest, ParticipantToTheScoreTab)
{
    openStoredGame();
    // Without a selection the score tab is shown.
    click("btnGotoScore");
    EXPECT_EQ(currentTab(), 2);

    chooseTab(1);
    select(entries(), 3);
    emit entries()->MGCellDblClick(2, 3);
    EXPECT_EQ(currentTab(), 2);
    EXPECT_TRUE(scores()->gfGetRowSelected(5));   // player 3's round-1 row
    EXPECT_EQ(scores()->gfGetTopIndexOfRowsY(), 3);
}

TEST_F(CommandTest, ResultRowToTheScoreTab)
{
    openStoredGame();
    // The best-round tab: the player's round-1 row, whatever the best round.
    chooseTab(4);
    uctMyGrid* best = grid("uctGridList4");
    int row = 0;
    for (int n = 1; n < best->gfRowCount(); ++n)
        if (cell(best, 1, n) == QStringLiteral("鈴木一郎"))
            row = n;
    ASSERT_GT(row, 0);
    select(best, row);
    emit best->MGCellDblClick(1, row);
    EXPECT_EQ(currentTab(), 2);
    EXPECT_TRUE(scores()->gfGetRowSelected(5));

    // The ranking tab through the button.
    chooseTab(3);
    uctMyGrid* ranking = grid("uctGridList2");
    for (int n = 1; n < ranking->gfRowCount(); ++n)
        if (cell(ranking, 1, n) == QStringLiteral("佐藤花子"))
            row = n;
    select(ranking, row);
    click("btnGotoScore2");
    EXPECT_EQ(currentTab(), 2);
    EXPECT_TRUE(scores()->gfGetRowSelected(3));

    // No selected row: just the score tab.
    chooseTab(5);
    click("btnGotoScore2");
    EXPECT_EQ(currentTab(), 2);
}

// Saving works out the finishing places in the ranking table: the result tab
// on show still leads to the player of the row the user chose.
TEST_F(CommandTest, ResultRowToTheScoreTabAfterASave)
{
    struct Case {
        int tab;
        const char* grid;
        int nameCol;
        const char* name;
        int scoreRow;   // the player's round-1 row
    };
    const Case cases[] = {
        {3, "uctGridList2", 1, "山田太郎", 1},   // the men only: one row of three
        {5, "uctGridList6", 3, "佐藤花子", 3},   // the team list, in team order
    };
    for (const Case& c : cases) {
        if (window)
            delete window.data();
        openStoredGame();
        gGame.CategoryGender = c.tab == 3 ? 1 : 0;
        chooseTab(c.tab);
        uctMyGrid* result = grid(c.grid);
        int row = 0;
        for (int n = 1; n < result->gfRowCount(); ++n)
            if (cell(result, c.nameCol, n) == QString::fromUtf8(c.name))
                row = n;
        ASSERT_GT(row, 0) << c.tab;
        select(result, row);
        click("btnSave");
        EXPECT_FALSE(modified()) << c.tab;
        click("btnGotoScore2");
        EXPECT_EQ(currentTab(), 2) << c.tab;
        EXPECT_TRUE(scores()->gfGetRowSelected(c.scoreRow)) << c.tab;
    }
}

}  // namespace

// The game window's score entry command: the button and a click on a score
// row open the score dialog for that row's player, the handicap column starts
// it in the handicap box, OK marks the game modified and the player's rows
// are redrawn either way.
#include "test_gamecommands_support.h"

#include "game/frmScore.h"

#include <QLineEdit>

namespace {

using namespace cmdtest;

TEST_F(CommandTest, ScoreButtonWithoutASelectedRowAsksForOne)
{
    openStoredGame();
    chooseTab(2);
    click("btnScore");
    EXPECT_EQ(lastMessage(), QStringLiteral("エラー|行を選択してください。"));
    EXPECT_EQ(recordingUi().messages.back().style, platform::vbOKOnly);
    EXPECT_FALSE(modified());
}

TEST_F(CommandTest, ClickOnASecondRoundRowEditsTheWholePlayerAndMarksModified)
{
    openStoredGame();
    chooseTab(2);
    select(scores(), 4);   // player 2, round 2
    int opened = 0;
    onNextDialog<frmScore>(
        [](frmScore* d) {
            EXPECT_EQ(d->mIDNo, 2);
            EXPECT_EQ(d->mStartMode, 0);
            EXPECT_EQ(gintDialogResult, -1);
            EXPECT_EQ(gstrDialogText1, QStringLiteral("2026/05/10"));
            EXPECT_EQ(d->windowTitle(), QStringLiteral("スコア - 佐藤花子　（女、65歳）"));
            EXPECT_NE(d->focusWidget(), d->txtHandicap);
            d->txtScore[0][0]->setText(QStringLiteral("4"));
            d->txtScore[1][2]->setText(QStringLiteral("1"));
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
        },
        &opened);
    emit scores()->MGCellClick(2, 4);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(modified());
    EXPECT_EQ(holesOf(gScoreLines[2], 3), QStringLiteral("4 1 1"));
    EXPECT_EQ(holesOf(gScoreLines[3], 3), QStringLiteral("2 2 1"));
    // The player's rows are redrawn: hole marks, round tally and total.
    EXPECT_EQ(cell(scores(), 5, 3), QStringLiteral("4"));
    EXPECT_EQ(cell(scores(), 7, 4), QStringLiteral("①"));
    EXPECT_EQ(cell(scores(), 8, 3), QStringLiteral("6"));
    EXPECT_EQ(cell(scores(), 12, 3), QStringLiteral("-3"));   // 0 + 2 - 5
    EXPECT_TRUE(scores()->gfGetRowSelected(4));
}

TEST_F(CommandTest, HandicapColumnStartsInTheHandicapBoxAndCancelOnlyRedraws)
{
    openStoredGame();
    chooseTab(2);
    select(scores(), 1);
    // Lines changed behind the grid's back show after the dialog, even when
    // it was cancelled.
    gScoreLines[0].Holes[0] = QStringLiteral("9");
    onNextDialog<frmScore>([](frmScore* d) {
        EXPECT_EQ(d->mStartMode, 1);
        EXPECT_EQ(d->focusWidget(), d->txtHandicap);
        d->txtScore[0][1]->setText(QStringLiteral("7"));
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    });
    emit scores()->MGCellClick(3 + 8, 1);   // "Hc"
    EXPECT_FALSE(modified());
    EXPECT_EQ(gScoreLines[0].Holes[1], QStringLiteral("1"));
    EXPECT_EQ(cell(scores(), 5, 1), QStringLiteral("9"));
}

TEST_F(CommandTest, OKWithoutChangeMarksModified)
{
    openStoredGame();
    chooseTab(2);
    select(scores(), 5);
    onNextDialog<frmScore>([](frmScore* d) {
        EXPECT_EQ(d->mIDNo, 3);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    click("btnScore");
    EXPECT_TRUE(modified());
    EXPECT_EQ(holesOf(gScoreLines[5], 3), QStringLiteral("10 3 3"));
}

TEST_F(CommandTest, WithoutHandicapsTheColumnAfterTheTallyIsAnOrdinaryStart)
{
    gGame.HandiCapKind = 0;
    openStoredGame();
    chooseTab(2);
    ASSERT_EQ(cell(scores(), 3 + 8, 0), QStringLiteral("合計"));
    select(scores(), 3);
    onNextDialog<frmScore>([](frmScore* d) {
        EXPECT_EQ(d->mStartMode, 0);
        EXPECT_FALSE(d->picHndicap->isVisibleTo(d));
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    });
    emit scores()->MGCellClick(3 + 8, 3);
    EXPECT_FALSE(modified());
}

}  // namespace

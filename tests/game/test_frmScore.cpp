// The score entry dialog: opening on a player's lines, standard input typed
// hole by hole, the totals and their colours, the handicap box, start modes,
// the remembered input mode, OK / Cancel / close box and the layout.
#include "test_frmScore_support.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace scoretest;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

TEST_F(ScoreTest, OpensOnAllThePlayersRoundsWithTotals)
{
    addPlayer(2, {"2 2 2 2 2 2 2 2", "2 2 2 2 2 2 2 2", "2 2 2 2 2 2 2 2"});
    addPlayer(1, {"1 2 3 1 2 3 2 2", "3 . 3 3 3 3 3 3", ". . . . . . . ."});
    frmScore* d = open(4);   // the round-2 line of player 1

    EXPECT_EQ(d->windowTitle(), QStringLiteral("スコア - 山田太郎　（男、76歳）"));
    EXPECT_EQ(d->mIDNo, 1);
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(howTo(), QStringLiteral("0"));   // a missing setting opens standard input and is written
    EXPECT_TRUE(d->optHowTo[0]->isChecked());
    EXPECT_TRUE(hasWindowFocus(hole(1, 1)));

    QStringList round1;
    for (int h = 1; h <= 8; ++h)
        round1 << hole(1, h)->text();
    EXPECT_EQ(round1.join(QLatin1Char(' ')), QStringLiteral("1 2 3 1 2 3 2 2"));
    EXPECT_EQ(hole(2, 2)->text(), QString());

    // A complete round in black counts; a round with an empty hole shows its
    // sum in red and does not; a round without strokes shows dashes.
    EXPECT_EQ(roundValues(1), QStringLiteral("16/2/10"));
    EXPECT_EQ(roundColour(1), kBlack);
    EXPECT_EQ(roundValues(2), QStringLiteral("21/0/21"));
    EXPECT_EQ(roundColour(2), kRed);
    EXPECT_EQ(roundValues(3), QStringLiteral("-/-/-"));
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("10"));

    // Only the game's holes and rounds are shown.
    EXPECT_TRUE(hole(3, 8)->isVisible());
    EXPECT_FALSE(hole(1, 9)->isVisible());
    EXPECT_FALSE(d->lblHole[8]->isVisible());
    EXPECT_FALSE(hole(4, 1)->isVisible());
    EXPECT_FALSE(d->lblRound[3]->isVisible());
    EXPECT_FALSE(d->lblRDa[3]->isVisible());
    EXPECT_FALSE(easy(1)->isVisible());
    EXPECT_FALSE(d->picHndicap->isVisible());
    EXPECT_EQ(d->lblRound[2]->text(), QStringLiteral("R3:"));
    EXPECT_EQ(d->lblHole[7]->text(), QStringLiteral("8"));
}

TEST_F(ScoreTest, CaptionWithoutBirthdayOrGender)
{
    addPlayer(3, {"", "", ""});
    frmScore* d = open(0);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("スコア - 鈴木一郎　（-、-歳）"));
}

TEST_F(ScoreTest, StandardInputTypedHoleByHoleIsWrittenOnOK)
{
    addPlayer(1, {"4 4 4 4 4 4 4 4", "", ""});
    addPlayer(3, {"", "", ""}, 0, QStringLiteral("A"));
    frmScore* d = open(3);

    // Typing replaces the box's text; Enter moves to the next hole and from
    // the last hole of a round to the next round.
    QLineEdit* box = hole(1, 1);
    ASSERT_TRUE(hasWindowFocus(box));
    const char* strokes[8] = {"3", "12", "1", "07", "2", "3", "2", "2"};
    for (int h = 1; h <= 8; ++h) {
        ASSERT_TRUE(hasWindowFocus(hole(1, h))) << h;
        testsupport::deliverQueuedEvents();   // the deferred select-all of the box entered
        QTest::keyClicks(hole(1, h), strokes[h - 1]);
        enter(hole(1, h));
    }
    EXPECT_TRUE(hasWindowFocus(hole(2, 1)));
    EXPECT_EQ(roundValues(1), QStringLiteral("32/1/29"));
    EXPECT_EQ(roundColour(1), kBlack);
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("29"));

    // Only digits, two at most; other keys beep.
    resetRecordingUi();
    QTest::keyClicks(hole(2, 1), "a5-x678");
    EXPECT_EQ(hole(2, 1)->text(), QStringLiteral("56"));
    EXPECT_EQ(recordingUi().beeps, 3);
    // "0" and "00" count as not entered.
    enter(hole(2, 1));
    QTest::keyClicks(hole(2, 2), "00");
    enter(hole(2, 2));
    QTest::keyClicks(hole(2, 3), "0");
    enter(hole(2, 3));
    EXPECT_EQ(roundValues(2), QStringLiteral("56/0/56"));
    EXPECT_EQ(roundColour(2), kRed);

    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(holesOf(gScoreLines[3]), QStringLiteral("3 12 1 7 2 3 2 2 . . . . . . . ."));
    EXPECT_EQ(holesOf(gScoreLines[4], 8), QStringLiteral("56 . . . . . . ."));
    EXPECT_EQ(holesOf(gScoreLines[5], 8), QStringLiteral(". . . . . . . ."));
    EXPECT_EQ(gScoreLines[4].TeamID, QStringLiteral("A"));
    // Another player's lines stay as they were.
    EXPECT_EQ(holesOf(gScoreLines[0], 8), QStringLiteral("4 4 4 4 4 4 4 4"));
}

TEST_F(ScoreTest, TotalsFollowLeavingABox)
{
    gGame.Hole = 3;
    gGame.Round = 2;
    addPlayer(1, {"", ""});
    frmScore* d = open(0);
    QTest::keyClicks(hole(1, 1), "5");
    EXPECT_EQ(roundValues(1), QStringLiteral("-/-/-"));   // not yet left
    enter(hole(1, 1));
    EXPECT_EQ(roundValues(1), QStringLiteral("5/0/5"));
    EXPECT_EQ(roundColour(1), kRed);
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("-"));
    QTest::keyClicks(hole(1, 2), "1");
    enter(hole(1, 2));
    QTest::keyClicks(hole(1, 3), "1");
    enter(hole(1, 3));
    EXPECT_EQ(roundValues(1), QStringLiteral("7/2/1"));
    EXPECT_EQ(roundColour(1), kBlack);
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("1"));
}

TEST_F(ScoreTest, EnterInTheLastBoxMovesToOKAndNeitherEnterNorEscCloses)
{
    gGame.Hole = 2;
    gGame.Round = 1;
    addPlayer(1, {"3 3"});
    frmScore* d = open(0);
    enter(hole(1, 1));
    enter(hole(1, 2));
    EXPECT_TRUE(hasWindowFocus(d->btnOK));

    // No default or cancel button: Esc anywhere and Enter outside a button do nothing.
    QTest::keyClick(d->btnOK, Qt::Key_Escape);
    QTest::keyClick(d, Qt::Key_Escape);
    d->optHowTo[0]->setFocus();
    QTest::keyClick(d->optHowTo[0], Qt::Key_Enter);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_FALSE(d->btnOK->isDefault());
    EXPECT_FALSE(d->btnCancel->isDefault());
}

TEST_F(ScoreTest, EnterOnTheFocusedButtonPressesIt)
{
    // Typing a player's strokes ends with Enter in the last box, which puts
    // the focus on OK; one more Enter confirms, as on any focused button.
    gGame.Hole = 2;
    gGame.Round = 1;
    for (bool ok : {true, false}) {
        gsClearCalcResults();
        addPlayer(1, {"3 3"});
        frmScore* d = open(0);
        type(hole(1, 1), "5");
        enter(hole(1, 1));
        enter(hole(1, 2));
        QPushButton* b = ok ? d->btnOK : d->btnCancel;
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(gintDialogResult, ok ? 0 : -1);
        EXPECT_EQ(holesOf(gScoreLines[0], 2), ok ? QStringLiteral("5 3") : QStringLiteral("3 3"));
    }
}

TEST_F(ScoreTest, CancelAndTheCloseBoxWriteNothing)
{
    addPlayer(1, {"1 1 1 1 1 1 1 1", "", ""}, 4);
    for (bool closeBox : {false, true}) {
        frmScore* d = open(0);
        QTest::keyClicks(hole(1, 1), "9");
        enter(hole(1, 1));
        if (closeBox)
            d->close();
        else
            QTest::mouseClick(d->btnCancel, Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(gintDialogResult, -1);
        EXPECT_EQ(holesOf(gScoreLines[0], 8), QStringLiteral("1 1 1 1 1 1 1 1"));
        EXPECT_EQ(gScoreLines[0].Handicap, 4);
    }
}

TEST_F(ScoreTest, OKWithoutChangeRewritesNormalisedLines)
{
    // Texts a stored file may hold: blanks, a leading zero, a zero, junk and
    // strokes beyond the game's holes.
    gGame.Hole = 4;
    gGame.Round = 2;
    addPlayer(1, {" 3 ", "", ""});
    gScoreLines[0].Holes = {QStringLiteral(" 3 "), QStringLiteral("07"), QStringLiteral("0"), QStringLiteral("x"),
                            QStringLiteral("5")};
    gScoreLines[1].Holes[0] = QStringLiteral("2");
    gScoreLines[0].Handicap = 3;
    gScoreLines[1].Handicap = 8;   // rows that disagree get the first row's handicap
    frmScore* d = open(1);
    EXPECT_EQ(hole(1, 1)->text(), QStringLiteral("3"));
    EXPECT_EQ(hole(1, 2)->text(), QStringLiteral("07"));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(holesOf(gScoreLines[0]), QStringLiteral("3 7 . . . . . . . . . . . . . ."));
    EXPECT_EQ(holesOf(gScoreLines[1], 4), QStringLiteral("2 . . ."));
    EXPECT_EQ(gScoreLines[0].Handicap, 3);
    EXPECT_EQ(gScoreLines[1].Handicap, 3);
}

TEST_F(ScoreTest, HandicapBoxClampsWhenLeftAndCountsOnlyForAPositiveNet)
{
    gGame.HandiCapKind = 2;
    gGame.Hole = 3;
    gGame.Round = 2;
    addPlayer(1, {"10 20 20", ""}, -150);
    frmScore* d = open(0);
    EXPECT_TRUE(d->picHndicap->isVisible());
    // A stored value beyond the range shows as it is until the box is left.
    EXPECT_EQ(d->txtHandicap->text(), QStringLiteral("-150"));
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("-100"));

    struct Case {
        const char* typed;
        const char* shown;
        const char* total;
    };
    const Case cases[] = {{"5", "5", "55"}, {"150", "99", "149"}, {"abc", "0", "50"}, {"-5", "-5", "45"},
                          {"-999", "-99", "-49"}, {"1234", "99", "149"}};
    for (const Case& c : cases) {
        const QString typed = QString::fromLatin1(c.typed);
        type(d->txtHandicap, typed);
        EXPECT_EQ(d->txtHandicap->text(), typed.left(3));   // three characters at most
        enter(d->txtHandicap);
        EXPECT_FALSE(hasWindowFocus(d->txtHandicap));
        EXPECT_EQ(d->txtHandicap->text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(d->lblTotal->text(), QString::fromLatin1(c.total)) << c.typed;
    }

    // A net of 0 gets no handicap (the grid adds it; this dialog does not).
    type(d->txtHandicap, QStringLiteral("5"));
    enter(d->txtHandicap);
    type(hole(1, 1), QStringLiteral("1"));
    enter(hole(1, 1));
    QTest::keyClicks(hole(1, 2), "1");
    enter(hole(1, 2));
    QTest::keyClicks(hole(1, 3), "4");
    enter(hole(1, 3));
    EXPECT_EQ(roundValues(1), QStringLiteral("6/2/0"));
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("0"));

    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gScoreLines[0].Handicap, 5);
    EXPECT_EQ(gScoreLines[1].Handicap, 5);
}

TEST_F(ScoreTest, HandicapIsNotAddedWithoutACompleteRound)
{
    gGame.HandiCapKind = 2;
    addPlayer(1, {"3 3 3", "", ""}, 9);
    frmScore* d = open(0);
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("-"));
}

TEST_F(ScoreTest, StartModeOneFocusesTheHandicapOnlyInAHandicapGame)
{
    gGame.HandiCapKind = 2;
    addPlayer(1, {"", "", ""}, 7);
    frmScore* d = open(0, 1);
    EXPECT_TRUE(hasWindowFocus(d->txtHandicap));
    EXPECT_EQ(d->mStartMode, 1);
    EXPECT_EQ(gintDialogResult, -1);

    // Without handicaps: the panel is hidden, the start is ordinary and the
    // handicap is written back as it was loaded.
    gGame.HandiCapKind = 0;
    d = open(0, 1);
    EXPECT_FALSE(d->picHndicap->isVisible());
    EXPECT_TRUE(hasWindowFocus(hole(1, 1)));
    QTest::keyClicks(hole(1, 1), "2");
    enter(hole(1, 1));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gScoreLines[0].Handicap, 7);
    EXPECT_EQ(gScoreLines[2].Handicap, 7);
    EXPECT_EQ(gScoreLines[0].Holes[0], QStringLiteral("2"));
}

TEST_F(ScoreTest, StoredModeIsReadAndWrittenBack)
{
    addPlayer(1, {"", "", ""});
    const std::pair<const char*, const char*> cases[] = {{"2", "1"}, {"1", "1"}, {" 0 ", "0"}, {"", "0"}, {"x", "1"}};
    for (const auto& [stored, written] : cases) {
        setHowTo(QString::fromLatin1(stored));
        frmScore* d = open(0);
        const bool fast = QString::fromLatin1(written) == QStringLiteral("1");
        EXPECT_EQ(howTo(), QString::fromLatin1(written)) << stored;
        EXPECT_EQ(d->mHowTo, fast ? 1 : 0) << stored;
        EXPECT_EQ(d->optHowTo[1]->isChecked(), fast) << stored;
        EXPECT_EQ(easy(1)->isVisible(), fast) << stored;
        EXPECT_EQ(hole(1, 1)->isVisible(), !fast) << stored;
        EXPECT_EQ(d->lblHole[0]->isVisible(), !fast) << stored;
        EXPECT_TRUE(hasWindowFocus(fast ? easy(1) : hole(1, 1))) << stored;
    }
}

TEST_F(ScoreTest, LayoutFollowsTheGamesHolesAndRounds)
{
    // One hole, one round: a single box, the window as wide as the footer.
    gGame.Hole = 1;
    gGame.Round = 1;
    addPlayer(1, {"4"});
    frmScore* d = open(0);
    EXPECT_EQ(d->width(), 4200 / 15);
    EXPECT_TRUE(hole(1, 1)->isVisible());
    EXPECT_FALSE(hole(1, 2)->isVisible());
    EXPECT_FALSE(hole(2, 1)->isVisible());
    EXPECT_EQ(d->picFooter->x(), 0);
    EXPECT_EQ(d->picFooter->y(), (840 + 390 + 60) / 15);
    EXPECT_EQ(d->height(), (840 + 390 + 60 + 915) / 15);

    // Sixteen holes and ten rounds: nothing hidden; the calculation panel
    // right of the last hole decides the width; the footer is centred.
    gGame.Hole = 16;
    gGame.Round = 10;
    gsClearCalcResults();
    addPlayer(1, {"", "", "", "", "", "", "", "", "", ""});
    d = open(0);
    for (int r = 1; r <= 10; ++r)
        for (int h = 1; h <= 16; ++h)
            ASSERT_TRUE(hole(r, h)->isVisible()) << r << "/" << h;
    const int calLeft = (600 + 540 * 15 + 495 + 60) / 15;
    EXPECT_EQ(d->picCal->x(), calLeft);
    EXPECT_EQ(d->picHndicap->x(), calLeft);
    EXPECT_EQ(d->width(), calLeft + 2475 / 15);
    EXPECT_EQ(d->picFooter->x(), (d->width() - 4200 / 15) / 2);
    EXPECT_EQ(hole(10, 16)->geometry(), QRect((600 + 540 * 15) / 15, (840 + 480 * 9) / 15, 495 / 15, 390 / 15));
    EXPECT_EQ(d->lblRDa[9]->mapTo(d, QPoint(0, 0)).y(), hole(10, 1)->y());
}

// With handicaps in a game of few holes the handicap panel keeps clear of
// the mode options and their help button, inside the window; with more holes
// it stands right above the calculation panel.
TEST_F(ScoreTest, HandicapPanelNeverCoversTheModeOptions)
{
    gGame.HandiCapKind = 2;
    gGame.Round = 1;
    for (int holes = 1; holes <= 6; ++holes) {
        gGame.Hole = static_cast<Integer>(holes);
        gsClearCalcResults();
        addPlayer(1, {""});
        frmScore* d = open(0);
        const QRect panel = d->picHndicap->geometry();
        ASSERT_TRUE(d->picHndicap->isVisible());
        EXPECT_FALSE(panel.intersects(d->Frame1->geometry())) << holes;
        EXPECT_FALSE(panel.intersects(d->btnHelpEasyScore->geometry())) << holes;
        EXPECT_LE(panel.right(), d->rect().right()) << holes;
        if (holes >= 5)
            EXPECT_EQ(panel.x(), d->picCal->x()) << holes;
    }
}

TEST_F(ScoreTest, HelpButtonsShowTheirTexts)
{
    addPlayer(1, {"", "", ""});
    frmScore* d = open(0);
    QTest::mouseClick(d->btnHelpEasyScore, Qt::LeftButton);
    QTest::mouseClick(d->btnHelpHandicap, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("スコア入力のヘルプ"));
    EXPECT_EQ(recordingUi().messages[0].prompt,
              QStringLiteral("入力域の移動は Enterキー or Tabキーが便利です。\r\n\r\n"
                             "快速入力では数字１文字を１ホール分の打数とします。\r\n"
                             "二桁の数字（10～99）を入力したい場合は先頭に'0'を付けます。\r\n"
                             "'0'直後の数字2文字を打数とします。\r\n"
                             "例). \"2340101234\" -> 2-3-4-10-1-2-3-4"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);
    EXPECT_EQ(recordingUi().messages[1].title, QStringLiteral("ハンディキャップのヘルプ"));
    EXPECT_EQ(recordingUi().messages[1].prompt,
              QStringLiteral("ハンディキャップの入力可能範囲： 最小値= -99 、最大値= 99 です。\r\n"
                             "範囲を超える値が入力された場合は、最小値、最大値に自動修正されます。"));
    EXPECT_TRUE(d->isVisible());
}

TEST_F(ScoreTest, TabOrderRunsThroughHolesFastBoxesButtonsAndEndsAtTheHandicap)
{
    gGame.Hole = 2;
    gGame.Round = 2;
    gGame.HandiCapKind = 2;
    addPlayer(1, {"", ""});
    frmScore* d = open(0);
    QList<QWidget*> seen;
    for (int i = 0; i < 12; ++i) {
        seen << d->focusWidget();
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
    }
    const QList<QWidget*> expected = {hole(1, 1), hole(1, 2), hole(2, 1), hole(2, 2), d->btnOK, d->btnCancel,
                                      d->optHowTo[0], d->btnHelpEasyScore, d->btnHelpHandicap, d->txtHandicap,
                                      hole(1, 1), hole(1, 2)};
    EXPECT_EQ(seen, expected);
}

TEST_F(ScoreTest, InFastInputTheTabStopOfTheModeOptionsIsFastInput)
{
    // The chosen option is the group's stop: Space there keeps the mode.
    setHowTo("1");
    gGame.Hole = 2;
    gGame.Round = 1;
    addPlayer(1, {"3 4"});
    frmScore* d = open(0);
    d->btnCancel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d->btnCancel, Qt::Key_Tab);
    EXPECT_TRUE(hasWindowFocus(d->optHowTo[1]));
    QTest::keyClick(d->optHowTo[1], Qt::Key_Space);
    EXPECT_TRUE(d->optHowTo[1]->isChecked());
    EXPECT_EQ(howTo(), QStringLiteral("1"));
}

}  // namespace

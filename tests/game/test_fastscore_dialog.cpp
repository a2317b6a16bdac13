// Fast input in the score dialog: typing a round's digits with the totals
// following every key, surplus digits flowing into the next empty round,
// conversions between the two modes and stored counts without a notation.
#include "test_frmScore_support.h"

#include <QFocusEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace scoretest;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

class FastScoreTest : public ScoreTest {
protected:
    void SetUp() override
    {
        ScoreTest::SetUp();
        setHowTo(QStringLiteral("1"));
    }
};

TEST_F(FastScoreTest, TypedDigitsFillTheRoundAndSurplusFlowsIntoTheNextEmptyRound)
{
    addPlayer(1, {"", "", ""});
    frmScore* d = open(0);
    ASSERT_TRUE(hasWindowFocus(easy(1)));

    // Every key recomputes.
    QTest::keyClicks(easy(1), "234");
    EXPECT_EQ(roundValues(1), QStringLiteral("9/0/9"));
    EXPECT_EQ(roundColour(1), kRed);
    EXPECT_EQ(textColour(easy(1), QPalette::Text), kRed);
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("-"));
    QTest::keyClicks(easy(1), "0101234");
    EXPECT_EQ(roundValues(1), QStringLiteral("29/1/26"));
    EXPECT_EQ(roundColour(1), kBlack);
    EXPECT_EQ(textColour(easy(1), QPalette::Text), kBlack);
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("26"));

    // The surplus goes into round 2 when the box is left.
    QTest::keyClicks(easy(1), "332");
    enter(easy(1));
    EXPECT_EQ(easy(1)->text(), QStringLiteral("2340101234"));
    EXPECT_EQ(easy(2)->text(), QStringLiteral("332"));
    EXPECT_TRUE(hasWindowFocus(easy(2)));
    EXPECT_EQ(roundValues(2), QStringLiteral("8/0/8"));
    EXPECT_EQ(roundColour(2), kRed);

    QTest::keyClick(easy(2), Qt::Key_End);
    QTest::keyClicks(easy(2), "11111");
    enter(easy(2));
    EXPECT_EQ(roundValues(2), QStringLiteral("13/5/-2"));
    EXPECT_EQ(d->lblTotal->text(), QStringLiteral("24"));
    EXPECT_TRUE(hasWindowFocus(easy(3)));
    enter(easy(3));
    EXPECT_TRUE(hasWindowFocus(d->btnOK));

    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(holesOf(gScoreLines[0], 8), QStringLiteral("2 3 4 10 1 2 3 4"));
    EXPECT_EQ(holesOf(gScoreLines[1], 8), QStringLiteral("3 3 2 1 1 1 1 1"));
    EXPECT_EQ(holesOf(gScoreLines[2], 8), QStringLiteral(". . . . . . . ."));
}

TEST_F(FastScoreTest, SurplusIsDroppedWhenTheNextRoundHoldsSomethingOrIsNotTheGames)
{
    addPlayer(1, {"", "5", ""});
    frmScore* d = open(0);
    EXPECT_EQ(easy(2)->text(), QStringLiteral("5"));
    QTest::keyClicks(easy(1), "2340101234332");
    enter(easy(1));
    EXPECT_EQ(easy(1)->text(), QStringLiteral("2340101234"));
    EXPECT_EQ(easy(2)->text(), QStringLiteral("5"));

    // The last round's surplus is always dropped.
    type(easy(3), QStringLiteral("111111119"));
    enter(easy(3));
    EXPECT_EQ(easy(3)->text(), QStringLiteral("11111111"));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(holesOf(gScoreLines[1], 8), QStringLiteral("5 . . . . . . ."));
    EXPECT_EQ(holesOf(gScoreLines[2], 8), QStringLiteral("1 1 1 1 1 1 1 1"));
}

TEST_F(FastScoreTest, CarriedTextKeepsItsLeadingBlankAndIsReadWhenLeft)
{
    addPlayer(1, {"", "", ""});
    frmScore* d = open(0);
    QTest::keyClicks(easy(1), "12345678 9 a");
    enter(easy(1));
    EXPECT_EQ(easy(2)->text(), QStringLiteral(" 9 a"));
    enter(easy(2));
    EXPECT_EQ(easy(2)->text(), QStringLiteral(" 9"));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(holesOf(gScoreLines[1], 3), QStringLiteral(". 9 ."));
}

TEST_F(FastScoreTest, LeavingTheWindowIsNoLeavingOfTheBox)
{
    addPlayer(1, {"", "", ""});
    open(0);
    QTest::keyClicks(easy(1), "1111111122");
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(easy(1), &out);
        EXPECT_EQ(easy(1)->text(), QStringLiteral("1111111122"));
        EXPECT_EQ(easy(2)->text(), QString());
    }
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(easy(1), &out);
    EXPECT_EQ(easy(1)->text(), QStringLiteral("11111111"));
    EXPECT_EQ(easy(2)->text(), QStringLiteral("22"));
}

TEST_F(FastScoreTest, NormalisingWhenLeft)
{
    addPlayer(1, {"", "", ""});
    open(0);
    const std::pair<const char*, const char*> cases[] = {
        {"1a3", "1 3"}, {"20", "2"}, {"205", "25"}, {"000", ""}, {"012  ", "012"}, {"0-5", ""}};
    for (const auto& [typed, normalised] : cases) {
        type(easy(3), QString::fromLatin1(typed));
        enter(easy(3));
        EXPECT_EQ(easy(3)->text(), QString::fromLatin1(normalised)) << typed;
    }
}

TEST_F(FastScoreTest, NegativeEntriesEnterTheSumButAreNotSaved)
{
    gGame.Hole = 3;
    addPlayer(1, {"", "", ""});
    frmScore* d = open(0);
    QTest::keyClicks(easy(1), "40-55");   // 4, -5, 5
    EXPECT_EQ(roundValues(1), QStringLiteral("4/0/4"));
    EXPECT_EQ(roundColour(1), kRed);
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(holesOf(gScoreLines[0], 3), QStringLiteral("4 . 5"));
}

TEST_F(FastScoreTest, SwitchingModesConvertsBothWays)
{
    setHowTo(QStringLiteral("0"));
    addPlayer(1, {"", "", ""});
    frmScore* d = open(0);
    const char* strokes[8] = {"2", "3", "4", "10", "1", "2", "3", "04"};
    for (int h = 1; h <= 8; ++h) {
        testsupport::deliverQueuedEvents();   // the deferred select-all of the box entered
        QTest::keyClicks(hole(1, h), strokes[h - 1]);
        enter(hole(1, h));
    }
    QTest::keyClicks(hole(2, 1), "12");
    enter(hole(2, 1));

    QTest::mouseClick(d->optHowTo[1], Qt::LeftButton, {}, QPoint(6, d->optHowTo[1]->height() / 2));
    EXPECT_EQ(d->mHowTo, 1);
    EXPECT_EQ(howTo(), QStringLiteral("1"));
    EXPECT_EQ(easy(1)->text(), QStringLiteral("2340101234"));
    EXPECT_EQ(easy(2)->text(), QStringLiteral("012"));
    EXPECT_EQ(easy(3)->text(), QString());
    EXPECT_TRUE(easy(1)->isVisible());
    EXPECT_FALSE(hole(1, 1)->isVisible());
    EXPECT_FALSE(d->lblHole[0]->isVisible());
    EXPECT_EQ(roundValues(1), QStringLiteral("29/1/26"));
    EXPECT_EQ(textColour(easy(1), QPalette::Text), kBlack);
    EXPECT_EQ(textColour(easy(2), QPalette::Text), kRed);

    type(easy(3), QStringLiteral("9"));
    QTest::mouseClick(d->optHowTo[0], Qt::LeftButton, {}, QPoint(6, d->optHowTo[0]->height() / 2));
    EXPECT_EQ(d->mHowTo, 0);
    EXPECT_EQ(howTo(), QStringLiteral("0"));
    QStringList round1;
    for (int h = 1; h <= 8; ++h)
        round1 << hole(1, h)->text();
    EXPECT_EQ(round1.join(QLatin1Char(' ')), QStringLiteral("2 3 4 10 1 2 3 4"));   // "04" came back as "4"
    EXPECT_EQ(hole(2, 1)->text(), QStringLiteral("12"));
    EXPECT_EQ(hole(3, 1)->text(), QStringLiteral("9"));
    EXPECT_TRUE(hole(1, 1)->isVisible());
    EXPECT_FALSE(easy(1)->isVisible());

    // OK in standard input saves the boxes.
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(holesOf(gScoreLines[0], 8), QStringLiteral("2 3 4 10 1 2 3 4"));
    EXPECT_EQ(holesOf(gScoreLines[2], 8), QStringLiteral("9 . . . . . . ."));
}

TEST_F(FastScoreTest, RoundsNotEditedKeepCountsWithoutANotation)
{
    // Counts of 100 and more can only come from stored files; the notation
    // cannot write them so that they read back.
    gGame.Hole = 3;
    addPlayer(1, {"100 5 2", "100 1 1", "150 . 3"});
    frmScore* d = open(0);
    EXPECT_EQ(easy(1)->text(), QStringLiteral("0010052"));
    EXPECT_EQ(roundValues(1), QStringLiteral("107/0/107"));
    EXPECT_EQ(roundValues(3), QStringLiteral("153/0/153"));

    // Entering and leaving a box without typing is no edit.
    easy(1)->setFocus(Qt::TabFocusReason);
    enter(easy(1));
    EXPECT_EQ(easy(1)->text(), QStringLiteral("0010052"));
    EXPECT_EQ(easy(2)->text(), QStringLiteral("0010011"));

    // An edited round is read as typed.
    type(easy(2), QStringLiteral("611"));
    enter(easy(2));

    // Switching to standard input and back keeps the unedited rounds too.
    QTest::mouseClick(d->optHowTo[0], Qt::LeftButton, {}, QPoint(6, d->optHowTo[0]->height() / 2));
    EXPECT_EQ(hole(1, 1)->text(), QStringLiteral("100"));
    EXPECT_EQ(hole(3, 1)->text(), QStringLiteral("150"));
    QTest::mouseClick(d->optHowTo[1], Qt::LeftButton, {}, QPoint(6, d->optHowTo[1]->height() / 2));

    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    EXPECT_EQ(holesOf(gScoreLines[0], 3), QStringLiteral("100 5 2"));
    EXPECT_EQ(holesOf(gScoreLines[1], 3), QStringLiteral("6 1 1"));
    EXPECT_EQ(holesOf(gScoreLines[2], 3), QStringLiteral("150 . 3"));
}

TEST_F(FastScoreTest, OpensWithTheFastTextsOfTheStoredStrokes)
{
    addPlayer(2, {"5 . 12 . . . . .", ". 7", ""});
    frmScore* d = open(2);
    EXPECT_TRUE(d->optHowTo[1]->isChecked());
    EXPECT_EQ(easy(1)->text(), QStringLiteral("5 012"));
    EXPECT_EQ(easy(2)->text(), QStringLiteral(" 7"));
    EXPECT_EQ(easy(3)->text(), QString());
    EXPECT_EQ(roundValues(1), QStringLiteral("17/0/17"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("スコア - 佐藤花子　（女、65歳）"));
}

}  // namespace

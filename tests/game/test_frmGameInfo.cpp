// The game information dialog: loading both modes, the series and course
// lists, the point frame, the date box, OK writing exactly the header fields,
// Cancel and the keys that do nothing.
#include "core/ini.h"
#include "core/records.h"
#include "game/frmGameInfo.h"
#include "support/registers_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using testsupport::hasWindowFocus;

namespace {

using regtest::RegistersTest;

QStringList comboTexts(const QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

bool sameHeader(const GameInfo& a, const GameInfo& b)
{
    return a.Date == b.Date && a.Tittle == b.Tittle && a.MaxScoreNo == b.MaxScoreNo
           && a.SeriesID == b.SeriesID && a.CourceID == b.CourceID && a.Hole == b.Hole
           && a.Round == b.Round && a.TeamHowtoRank == b.TeamHowtoRank
           && a.CategoryGender == b.CategoryGender && a.CategoryAgeLow == b.CategoryAgeLow
           && a.CategoryAgeHigh == b.CategoryAgeHigh && a.JudgeDaSu == b.JudgeDaSu
           && a.JudgeBirthday == b.JudgeBirthday && a.HandiCapKind == b.HandiCapKind
           && a.PointGame == b.PointGame && a.RealEntries == b.RealEntries && a.RGUmu == b.RGUmu
           && a.RGWhichBy == b.RGWhichBy && a.RGCT == b.RGCT && a.RGPriority == b.RGPriority
           && a.GameFileName == b.GameFileName;
}

class FrmGameInfoTest : public RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        // Series 1 plain, 2 a point series, 3 deleted, 4 a point series
        // deleted; courses 1 and 3 live, 2 deleted.
        regtest::writeFile(gstrSeriesFile,
                           "[Management]\r\nMaxSeriesNo=4\r\n"
                           "[Series1]\r\nName=春季リーグ\r\nState=0\r\nPointSeries=0\r\n"
                           "[Series2]\r\nName=ポイント杯\r\nState=0\r\nPointSeries=1\r\n"
                           "[Series3]\r\nName=旧大会\r\nState=2\r\nPointSeries=0\r\n"
                           "[Series4]\r\nName=旧ポイント\r\nState=2\r\nPointSeries=1\r\n");
        regtest::writeFile(gstrCourceFile,
                           "[Management]\r\nMaxCourceNo=3\r\n"
                           "[Cource1]\r\nName=河川敷\r\nState=0\r\n"
                           "[Cource2]\r\nName=廃止コース\r\nState=2\r\n"
                           "[Cource3]\r\nName=公園\r\n");
        gGame = gfNewGameDefaults();
        gGame.Date = "2024/05/03";
        gGame.Tittle = "こどもの日大会";
        gGame.MaxScoreNo = 12;
        gGame.Hole = 8;
        gGame.Round = 3;
        gGame.RealEntries = 9;
        gGame.RGUmu = 1;
        gGame.RGPriority = {1, 2, 3, 4, 0};
        gGame.GameFileName = "game00007.tcg";
        gGame.CategoryAgeLow = 60;
    }
};

TEST_F(FrmGameInfoTest, NewGameModeShowsTheDefaultsAndFocusesTheSeries)
{
    glngDialogParam = 0;
    gGame.SeriesID = 0;
    gGame.Hole = 8;
    gGame.Round = 3;
    frmGameInfo dlg;
    EXPECT_EQ(dlg.windowTitle(), "ゲーム情報 - 新規登録");
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(comboTexts(dlg.cobSeries), QStringList({"指定なし", "春季リーグ", "ポイント杯"}));
    EXPECT_EQ(dlg.cobSeries->itemData(2).toInt(), 2);
    EXPECT_EQ(dlg.cobSeries->currentIndex(), 0);
    EXPECT_EQ(comboTexts(dlg.cobCource), QStringList({"指定なし", "河川敷", "公園"}));
    EXPECT_EQ(dlg.cobCource->itemData(2).toInt(), 3);
    EXPECT_EQ(dlg.txtDate->text(), "R6/5/3");
    EXPECT_EQ(dlg.txtTittle->text(), "こどもの日大会");
    ASSERT_EQ(dlg.cobHoleNum->count(), 12);
    EXPECT_EQ(dlg.cobHoleNum->itemText(0), "  1 ﾎｰﾙ");
    EXPECT_EQ(dlg.cobHoleNum->itemText(11), " 12 ﾎｰﾙ");
    EXPECT_EQ(dlg.cobHoleNum->currentText(), "  8 ﾎｰﾙ");
    ASSERT_EQ(dlg.cobRoundNum->count(), 10);
    EXPECT_EQ(dlg.cobRoundNum->itemText(9), " 10 ﾗｳﾝﾄﾞ");
    EXPECT_EQ(dlg.cobRoundNum->currentText(), "  3 ﾗｳﾝﾄﾞ");
    EXPECT_EQ(comboTexts(dlg.cobPointRate), QStringList({"1倍", "2倍", "3倍"}));
    EXPECT_FALSE(dlg.cobPointRate->isEditable());
    EXPECT_TRUE(dlg.chkPointGame->isChecked());
    EXPECT_TRUE(dlg.optDa[5]->isChecked());
    EXPECT_TRUE(dlg.chkBirthday->isChecked());
    EXPECT_TRUE(dlg.optTeamHowtoRank[0]->isChecked());
    EXPECT_TRUE(dlg.optHandicap[0]->isChecked());
    EXPECT_TRUE(dlg.fraPoint->isHidden());
    EXPECT_EQ(dlg.fraPoint->title(), "");
    EXPECT_EQ(dlg.btnCancel->text(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(dlg.btnHelpDate->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(dlg.cobHoleNum->font().pointSizeF(), 12.0);

    ASSERT_TRUE(regtest::showActive(dlg));
    EXPECT_TRUE(hasWindowFocus(dlg.cobSeries));
}

TEST_F(FrmGameInfoTest, ChangeModeFocusesOkAndShowsDeletedReferencesAsNone)
{
    glngDialogParam = 1;
    gGame.SeriesID = 3;    // deleted since
    gGame.CourceID = 2;    // deleted since
    frmGameInfo dlg;
    EXPECT_EQ(dlg.windowTitle(), "ゲーム情報 - 変更・確認");
    EXPECT_EQ(dlg.cobSeries->currentText(), "指定なし");
    EXPECT_EQ(dlg.cobCource->currentText(), "指定なし");
    ASSERT_TRUE(regtest::showActive(dlg));
    EXPECT_TRUE(hasWindowFocus(dlg.btnOK));

    dlg.btnOK_Click();
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(gGame.SeriesID, 0);
    EXPECT_EQ(gGame.CourceID, 0);
    EXPECT_EQ(glngDialogParam, 1);   // read, never changed
}

TEST_F(FrmGameInfoTest, PointFrameFollowsTheChosenSeries)
{
    gGame.SeriesID = 2;
    frmGameInfo dlg;
    EXPECT_FALSE(dlg.fraPoint->isHidden());
    dlg.cobSeries->setCurrentIndex(dlg.cobSeries->findText("春季リーグ"));
    EXPECT_TRUE(dlg.fraPoint->isHidden());
    dlg.cobSeries->setCurrentIndex(dlg.cobSeries->findText("ポイント杯"));
    EXPECT_FALSE(dlg.fraPoint->isHidden());
    dlg.cobSeries->setCurrentIndex(0);
    EXPECT_TRUE(dlg.fraPoint->isHidden());

    // A missing series file leaves only "指定なし" and no frame.
    QFile::remove(gstrSeriesFile);
    QFile::remove(gstrCourceFile);
    frmGameInfo bare;
    EXPECT_EQ(comboTexts(bare.cobSeries), QStringList({"指定なし"}));
    EXPECT_EQ(comboTexts(bare.cobCource), QStringList({"指定なし"}));
    EXPECT_TRUE(bare.fraPoint->isHidden());
}

// Showing or hiding the point frame moves nothing: OK and ｷｬﾝｾﾙ stay where
// the user is about to click, and no button looks like a default button.
TEST_F(FrmGameInfoTest, PointFrameLeavesTheLayoutAsItIs)
{
    gGame.SeriesID = 2;
    frmGameInfo dlg;
    dlg.show();
    testsupport::deliverQueuedEvents();
    const QSize size = dlg.size();
    const QRect ok = dlg.btnOK->geometry();
    const QRect cancel = dlg.btnCancel->geometry();
    const QRect title = dlg.txtTittle->geometry();
    for (const char* series : {"春季リーグ", "ポイント杯", "指定なし"}) {
        dlg.cobSeries->setCurrentIndex(dlg.cobSeries->findText(QString::fromUtf8(series)));
        testsupport::deliverQueuedEvents();
        EXPECT_EQ(dlg.size(), size) << series;
        EXPECT_EQ(dlg.btnOK->geometry(), ok) << series;
        EXPECT_EQ(dlg.btnCancel->geometry(), cancel) << series;
        EXPECT_EQ(dlg.txtTittle->geometry(), title) << series;
    }
    EXPECT_FALSE(dlg.btnOK->autoDefault());
    EXPECT_FALSE(dlg.btnCancel->autoDefault());
    EXPECT_FALSE(dlg.btnOK->isDefault());
    EXPECT_FALSE(dlg.btnCancel->isDefault());
}

// What OK stores for a header as it comes in and the user's edits.
TEST_F(FrmGameInfoTest, OkStoresTheHeaderFields)
{
    struct Case {
        const char* name;
        std::function<void(GameInfo&)> given;
        std::function<void(frmGameInfo&)> edit;
        std::function<void(GameInfo&)> expected;   // changes against the given header
    };
    const std::vector<Case> cases = {
        {"unchanged new game", [](GameInfo&) {}, [](frmGameInfo&) {}, [](GameInfo&) {}},
        {"every field edited",
         [](GameInfo&) {},
         [](frmGameInfo& d) {
             d.cobSeries->setCurrentIndex(2);
             d.cobCource->setCurrentIndex(2);
             d.txtDate->setText(" h19/2/1 ");
             d.txtTittle->setText("　秋の大会 ");
             d.cobHoleNum->setCurrentIndex(8);
             d.cobRoundNum->setCurrentIndex(9);
             d.optTeamHowtoRank[1]->setChecked(true);
             d.optDa[0]->setChecked(true);
             d.chkBirthday->setChecked(false);
             d.cobPointRate->setCurrentIndex(1);
             d.optHandicap[1]->setChecked(true);
         },
         [](GameInfo& g) {
             g.SeriesID = 2;
             g.CourceID = 3;
             g.Date = "2007/02/01";
             g.Tittle = "秋の大会";
             g.Hole = 9;
             g.Round = 10;
             g.TeamHowtoRank = 1;
             g.JudgeDaSu = 0;
             g.JudgeBirthday = 0;
             g.PointGame = 2;
             g.HandiCapKind = 2;
         }},
        {"point weight 3 unticked stores 0",
         [](GameInfo& g) { g.PointGame = 3; g.SeriesID = 2; },
         [](frmGameInfo& d) {
             EXPECT_TRUE(d.chkPointGame->isChecked());
             EXPECT_EQ(d.cobPointRate->currentText(), "3倍");
             d.chkPointGame->setChecked(false);
         },
         [](GameInfo& g) { g.PointGame = 0; }},
        {"hidden point frame still stores its weight",
         [](GameInfo& g) { g.SeriesID = 1; g.PointGame = 1; },
         [](frmGameInfo& d) { EXPECT_TRUE(d.fraPoint->isHidden()); },
         [](GameInfo&) {}},
        {"not a point game opens unticked on 1倍",
         [](GameInfo& g) { g.PointGame = 0; },
         [](frmGameInfo& d) {
             EXPECT_FALSE(d.chkPointGame->isChecked());
             EXPECT_EQ(d.cobPointRate->currentText(), "1倍");
         },
         [](GameInfo&) {}},
        {"handicap kind 1 comes back as 2",
         [](GameInfo& g) { g.HandiCapKind = 1; },
         [](frmGameInfo& d) { EXPECT_TRUE(d.optHandicap[1]->isChecked()); },
         [](GameInfo& g) { g.HandiCapKind = 2; }},
        {"16 holes are kept",
         [](GameInfo& g) { g.Hole = 16; },
         [](frmGameInfo& d) {
             EXPECT_EQ(d.cobHoleNum->count(), 13);
             EXPECT_EQ(d.cobHoleNum->currentText(), " 16 ﾎｰﾙ");
         },
         [](GameInfo&) {}},
        {"13 holes can be changed to 9",
         [](GameInfo& g) { g.Hole = 13; },
         [](frmGameInfo& d) { d.cobHoleNum->setCurrentIndex(8); },
         [](GameInfo& g) { g.Hole = 9; }},
        {"holes and rounds out of range show 8 and 3",
         [](GameInfo& g) { g.Hole = 0; g.Round = 11; },
         [](frmGameInfo& d) { EXPECT_EQ(d.cobHoleNum->count(), 12); },
         [](GameInfo& g) { g.Hole = 8; g.Round = 3; }},
        {"two-digit year and era date",
         [](GameInfo&) {},
         [](frmGameInfo& d) { d.txtDate->setText("40/1/20"); },
         [](GameInfo& g) { g.Date = "1940/01/20"; }},
    };
    for (const Case& c : cases) {
        resetRecordingUi();
        SetUp();
        c.given(gGame);
        GameInfo expected = gGame;
        c.expected(expected);
        glngDialogParam = 0;
        frmGameInfo dlg;
        c.edit(dlg);
        dlg.btnOK_Click();
        EXPECT_EQ(gintDialogResult, 0) << c.name;
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << c.name;
        EXPECT_TRUE(sameHeader(gGame, expected))
            << c.name << ": " << gGame.Date.toStdString() << " hole " << gGame.Hole << " round "
            << gGame.Round << " point " << gGame.PointGame << " series " << gGame.SeriesID;
        EXPECT_TRUE(recordingUi().messages.empty()) << c.name;
    }
}

TEST_F(FrmGameInfoTest, InvalidDateOnOkShowsTheErrorAndChangesNothing)
{
    const QString error = "エラー|日付入力に誤りがあります。\n西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\n"
                          "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。";
    for (const QString& text : {QString(""), QString("　"), QString("abc"), QString("2024/2/30"),
                                QString("S64/1/8")}) {
        resetRecordingUi();
        const GameInfo before = gGame;
        frmGameInfo dlg;
        ASSERT_TRUE(regtest::showActive(dlg));
        dlg.txtDate->setText(text);
        dlg.txtTittle->setText("変更");
        dlg.btnOK_Click();
        EXPECT_EQ(messages(), error) << text.toStdString();
        EXPECT_TRUE(dlg.isVisible()) << text.toStdString();
        EXPECT_EQ(gintDialogResult, -1);
        EXPECT_TRUE(sameHeader(gGame, before)) << text.toStdString();
        EXPECT_TRUE(hasWindowFocus(dlg.txtDate)) << text.toStdString();
        dlg.btnCancel_Click();
    }
}

TEST_F(FrmGameInfoTest, StoredNonDateIsShownAsItIs)
{
    gGame.Date = "未定";
    frmGameInfo dlg;
    EXPECT_EQ(dlg.txtDate->text(), "未定");
}

TEST_F(FrmGameInfoTest, LeavingTheDateBoxRewritesOrRefuses)
{
    frmGameInfo dlg;
    ASSERT_TRUE(regtest::showActive(dlg));

    // A date is rewritten in the era form when the box is left.
    regtest::setText(dlg.txtDate, "h19/2/1");
    QTest::keyClick(dlg.txtDate, Qt::Key_Tab);
    EXPECT_EQ(dlg.txtDate->text(), "H19/2/1");
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_TRUE(hasWindowFocus(dlg.txtTittle));   // the point frame is hidden

    // Anything else is refused and the focus comes back, once.
    regtest::setText(dlg.txtDate, "2024/13/1");
    QTest::keyClick(dlg.txtDate, Qt::Key_Tab);
    EXPECT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].title, "エラー");
    EXPECT_TRUE(hasWindowFocus(dlg.txtDate));
    EXPECT_EQ(dlg.txtDate->text(), "2024/13/1");

    // Enter moves on like Tab and checks the box the same way.
    resetRecordingUi();
    regtest::setText(dlg.txtDate, "2024/6/1");
    QTest::keyClick(dlg.txtDate, Qt::Key_Return);
    EXPECT_EQ(dlg.txtDate->text(), "R6/6/1");
    EXPECT_TRUE(hasWindowFocus(dlg.txtTittle));

    // ｷｬﾝｾﾙ is never held up by an invalid date.
    regtest::setText(dlg.txtDate, "xyz");
    QTest::mouseClick(dlg.btnCancel, Qt::LeftButton);
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(gintDialogResult, -1);
}

// Destroyed after closing with the focus in the date box holding a date the
// box would refuse: no handler runs on the half-destroyed dialog (no error
// message), as for the register dialogs' checked boxes.
TEST_F(FrmGameInfoTest, DestroyedWithTheFocusInARefusedDateRunsNoHandler)
{
    QWidget owner;
    ASSERT_TRUE(regtest::showActive(owner));
    auto* dlg = new frmGameInfo(&owner);
    dlg->txtDate->setText("2010/2/30x");
    regtest::closeBeforeItsActivationArrives(dlg, dlg->txtDate);
    delete dlg;
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(FrmGameInfoTest, CancelAndEscapeLeaveTheGameUntouched)
{
    const GameInfo before = gGame;
    frmGameInfo dlg;
    ASSERT_TRUE(regtest::showActive(dlg));
    dlg.cobSeries->setCurrentIndex(1);
    dlg.txtTittle->setText("別のタイトル");
    dlg.optHandicap[1]->setChecked(true);

    // Esc does nothing.
    QTest::keyClick(dlg.cobCource, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());

    QTest::mouseClick(dlg.btnCancel, Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_TRUE(sameHeader(gGame, before));
}

TEST_F(FrmGameInfoTest, EnterMovesOnOnlyInTheListedControls)
{
    gGame.SeriesID = 2;   // point frame shown
    frmGameInfo dlg;
    ASSERT_TRUE(regtest::showActive(dlg));
    dlg.cobSeries->setFocus();
    QTest::keyClick(dlg.cobSeries, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(dlg.cobCource));
    QTest::keyClick(dlg.cobCource, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(dlg.txtDate));
    QTest::keyClick(dlg.txtDate, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(dlg.chkPointGame));
    // No Enter handling in the point frame: the focus stays, no button runs.
    QTest::keyClick(dlg.chkPointGame, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(dlg.chkPointGame));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(recordingUi().messages.empty());
}

// An option group is one stop, and the stop is the chosen option: reaching
// the group by Enter or Tab must not leave the focus on an unchosen option,
// where Space or an arrow key would change the tie-break by accident.
TEST_F(FrmGameInfoTest, ReachingAnOptionGroupFocusesItsChosenOption)
{
    gGame.JudgeDaSu = 5;
    gGame.TeamHowtoRank = 1;
    gGame.HandiCapKind = 2;
    frmGameInfo dlg;
    ASSERT_TRUE(regtest::showActive(dlg));
    dlg.cobRoundNum->setFocus();
    QTest::keyClick(dlg.cobRoundNum, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(dlg.optDa[5]));
    QTest::keyClick(dlg.optDa[5], Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(dlg.chkBirthday));
    QTest::keyClick(dlg.chkBirthday, Qt::Key_Tab);
    EXPECT_TRUE(hasWindowFocus(dlg.optTeamHowtoRank[1]));
    QTest::keyClick(dlg.optTeamHowtoRank[1], Qt::Key_Tab);
    EXPECT_TRUE(hasWindowFocus(dlg.optHandicap[1]));
    QTest::keyClick(dlg.optHandicap[1], Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(hasWindowFocus(dlg.optTeamHowtoRank[1]));
    EXPECT_TRUE(dlg.optDa[5]->isChecked() && dlg.optTeamHowtoRank[1]->isChecked() && dlg.optHandicap[1]->isChecked());

    // An arrow key still moves the choice inside the group, and the new
    // choice becomes the group's stop.
    dlg.optDa[5]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dlg.optDa[5], Qt::Key_Left);
    EXPECT_TRUE(dlg.optDa[4]->isChecked());
    dlg.cobRoundNum->setFocus();
    QTest::keyClick(dlg.cobRoundNum, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(dlg.optDa[4]));
}

// Enter on the focused OK (where change mode puts the focus) or ｷｬﾝｾﾙ
// presses that button.
TEST_F(FrmGameInfoTest, EnterOnAFocusedButtonPressesIt)
{
    glngDialogParam = 1;
    {
        frmGameInfo dlg;
        ASSERT_TRUE(regtest::showActive(dlg));
        ASSERT_TRUE(hasWindowFocus(dlg.btnOK));
        QTest::keyClick(dlg.btnOK, Qt::Key_Return);
        EXPECT_TRUE(testsupport::waitUntil([&] { return !dlg.isVisible(); }));
        EXPECT_EQ(gintDialogResult, 0);
    }
    {
        frmGameInfo dlg;
        ASSERT_TRUE(regtest::showActive(dlg));
        dlg.btnCancel->setFocus();
        QTest::keyClick(dlg.btnCancel, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(testsupport::waitUntil([&] { return !dlg.isVisible(); }));
        EXPECT_EQ(gintDialogResult, -1);
    }
}

TEST_F(FrmGameInfoTest, DateHelp)
{
    frmGameInfo dlg;
    QTest::mouseClick(dlg.btnHelpDate, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].title, "日付入力ヘルプ");
    EXPECT_EQ(recordingUi().messages[0].prompt,
              "日付は下記の形式で入力してください。但し入力域は常に西暦に変換表示されます。\n"
              "西暦は yyyy/mm/dd, yy/mm/dd 形式で入力してください。例). 1940/1/20 or 40/1/20\n"
              "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。小文字も可です。\n"
              "　　　　　　　　例). s15/12/3  （昭和15年12月3日の場合）");
}

}  // namespace

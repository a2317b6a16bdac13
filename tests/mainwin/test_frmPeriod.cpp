// The period dialog: loading in the era form, leaving a box, OK and Cancel.
#include "core/records.h"
#include "forms/dialoghelpers.h"
#include "mainwin/frmPeriod.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::hasWindowFocus;

namespace {

class FrmPeriodTest : public ::testing::Test {
protected:
    void SetUp() override { resetRecordingUi(); }
    void TearDown() override { resetRecordingUi(); }

    QStringList prompts()
    {
        QStringList p;
        for (const auto& m : recordingUi().messages)
            p << m.title + "|" + m.prompt;
        return p;
    }
};

TEST_F(FrmPeriodTest, LoadShowsTheEraFormAndSetsTheResult)
{
    gstrDialogText1 = "2007/02/01";
    gstrDialogText2 = "";
    gintDialogResult = 5;
    frmPeriod dlg;
    EXPECT_EQ(dlg.windowTitle(), "期間");
    EXPECT_EQ(dlg.txtFromDate->text(), "H19/2/1");
    EXPECT_EQ(dlg.txtToDate->text(), "");
    EXPECT_EQ(dlg.Label1->text(), "～");
    EXPECT_EQ(dlg.btnHelpDate->text(), "?");
    EXPECT_EQ(dlg.btnOK->text(), "OK");
    EXPECT_EQ(dlg.btnCancel->text(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_TRUE(dlg.txtFromDate->inputMethodHints() & Qt::ImhPreferLatin);
    EXPECT_TRUE(dlg.txtToDate->inputMethodHints() & Qt::ImhPreferLatin);
}

TEST_F(FrmPeriodTest, OkValidatesAndReturnsTheStoredForm)
{
    struct Case {
        QString from, to;
        bool accepted;
        QString outFrom, outTo;
        const char* focus;   // box that has the focus after a refusal
    };
    const std::vector<Case> cases = {
        {"", "", true, "", "", nullptr},
        {"2024/4/1", "", true, "2024/04/01", "", nullptr},
        {"", "h1/1/8", true, "", "1989/01/08", nullptr},
        {"s15/12/3", "S15/12/3", true, "1940/12/03", "1940/12/03", nullptr},
        {"40/1/20", "2024/1/1", true, "1940/01/20", "2024/01/01", nullptr},
        {"2024/5/2", "2024/5/1", false, "", "", "txtFromDate"},
        {"2024/2/30", "", false, "", "", "txtFromDate"},
        {"2024/1/1", "abc", false, "", "", "txtToDate"},
    };
    for (const Case& c : cases) {
        resetRecordingUi();
        gstrDialogText1 = "in1";
        gstrDialogText2 = "in2";
        frmPeriod dlg;
        dlg.show();
        dlg.txtFromDate->setText(c.from);
        dlg.txtToDate->setText(c.to);
        dlg.btnOK_Click();
        const std::string label = (c.from + " / " + c.to).toStdString();
        if (c.accepted) {
            EXPECT_EQ(dlg.result(), QDialog::Accepted) << label;
            EXPECT_EQ(gintDialogResult, 0) << label;
            EXPECT_EQ(gstrDialogText1, c.outFrom) << label;
            EXPECT_EQ(gstrDialogText2, c.outTo) << label;
            EXPECT_TRUE(recordingUi().messages.empty()) << label;
        } else {
            EXPECT_TRUE(dlg.isVisible()) << label;
            EXPECT_EQ(gintDialogResult, -1) << label;
            EXPECT_EQ(gstrDialogText1, "in1") << label;
            ASSERT_EQ(recordingUi().messages.size(), 1u) << label;
            EXPECT_EQ(recordingUi().messages[0].title, "エラー");
            EXPECT_EQ(dlg.focusWidget() ? dlg.focusWidget()->objectName() : QString(),
                      QString::fromLatin1(c.focus))
                << label;
        }
    }
}

TEST_F(FrmPeriodTest, MessagesAreTheDialogsOwn)
{
    frmPeriod dlg;
    dlg.show();
    dlg.txtFromDate->setText("2024/5/2");
    dlg.txtToDate->setText("2024/5/1");
    dlg.btnOK_Click();
    dlg.txtFromDate->setText("x");
    dlg.btnOK_Click();
    dlg.btnHelpDate_Click();
    EXPECT_EQ(prompts(),
              QStringList({"エラー|前より後ろの方が後の日付になっています。",
                           "エラー|日付入力に誤りがあります。\n西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\n"
                           "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。",
                           "日付入力ヘルプ|日付は下記の形式で入力してください。但し入力域は常に西暦に変換表示されます。\n"
                           "西暦は yyyy/mm/dd, yy/mm/dd 形式で入力してください。例). 1940/1/20 or 40/1/20\n"
                           "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。小文字も可です。\n"
                           "　　　　　　　　例). s15/12/3  （昭和15年12月3日の場合）"}));
}

TEST_F(FrmPeriodTest, LeavingABoxRewritesOrRefuses)
{
    frmPeriod dlg;
    ASSERT_TRUE(testsupport::showActive(dlg));
    ASSERT_TRUE(hasWindowFocus(dlg.txtFromDate));

    // A lower-case era comes back upper-case when the box is left with Enter.
    dlg.txtFromDate->setText("s15/12/3");
    QTest::keyClick(dlg.txtFromDate, Qt::Key_Return);
    EXPECT_EQ(dlg.txtFromDate->text(), "S15/12/3");
    EXPECT_TRUE(hasWindowFocus(dlg.txtToDate));
    EXPECT_TRUE(recordingUi().messages.empty());

    // Text that is no date: the message, the text stays, the focus comes back.
    dlg.txtToDate->setText("1月");
    QTest::keyClick(dlg.txtToDate, Qt::Key_Tab);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, dialoghelpers::dateErrorText());
    EXPECT_EQ(dlg.txtToDate->text(), "1月");
    EXPECT_TRUE(hasWindowFocus(dlg.txtToDate));

    // An empty box is left without a word; Cancel is never blocked.
    dlg.txtToDate->setText("");
    QTest::keyClick(dlg.txtToDate, Qt::Key_Tab);
    EXPECT_EQ(recordingUi().messages.size(), 1u);
    dlg.txtToDate->setFocus();
    dlg.txtToDate->setText("x");
    dlg.btnCancel->setFocus(Qt::MouseFocusReason);
    dlg.btnCancel->click();
    EXPECT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(gintDialogResult, -1);
}

TEST_F(FrmPeriodTest, EscDoesNotCloseTheDialog)
{
    frmPeriod dlg;
    ASSERT_TRUE(testsupport::showActive(dlg));
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QTest::keyClick(dlg.txtFromDate, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
}

}  // namespace

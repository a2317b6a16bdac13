// The print range dialog: the lists it offers, its checks in their order,
// the copies box and its keys.
#include "print/frmPpPrintSetup.h"

#include "core/records.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace {

class PrintSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        gintDialogResult = 7;
    }

    frmPpPrintSetup* open(Integer pageMax)
    {
        dlg = std::make_unique<frmPpPrintSetup>(pageMax);
        EXPECT_TRUE(testsupport::showActive(*dlg));
        return dlg.get();
    }

    QStringList messages() const
    {
        QStringList out;
        for (const RecordedMessage& m : recordingUi().messages) {
            EXPECT_EQ(m.title, QStringLiteral("エラー"));
            EXPECT_EQ(m.style, 0);   // OK only, no icon
            out << m.prompt;
        }
        return out;
    }

    std::unique_ptr<frmPpPrintSetup> dlg;
};

TEST_F(PrintSetupTest, OpensWithTheWholeReportAndOneCopy)
{
    frmPpPrintSetup* d = open(12);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("印刷設定"));
    EXPECT_EQ(d->Label1->text(), QStringLiteral("印刷ﾍﾟｰｼﾞ："));
    EXPECT_EQ(d->Label2->text(), QStringLiteral("～"));
    EXPECT_EQ(d->Label3->text(), QStringLiteral("部数："));
    EXPECT_EQ(d->btnOK->text(), QStringLiteral("印刷"));
    EXPECT_EQ(d->btnCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(d->gintCopy, 1);
    EXPECT_EQ(d->txtCopy->text(), QStringLiteral("1"));

    for (QComboBox* box : {d->cobStartPage, d->cobEndPage}) {
        ASSERT_EQ(box->count(), 12);
        EXPECT_FALSE(box->isEditable());
        EXPECT_EQ(box->itemText(0), QStringLiteral(" 1 ﾍﾟｰｼﾞ"));
        EXPECT_EQ(box->itemText(11), QStringLiteral(" 12 ﾍﾟｰｼﾞ"));
        EXPECT_EQ(box->itemData(11).toInt(), 12);
    }
    EXPECT_EQ(d->cobStartPage->currentIndex(), 0);
    EXPECT_EQ(d->cobEndPage->currentIndex(), 11);
    EXPECT_EQ(d->focusWidget(), d->cobStartPage);

    // Tab order: start, end, copies, print, cancel.
    for (QWidget* next : std::initializer_list<QWidget*>{d->cobEndPage, d->txtCopy, d->btnOK, d->btnCancel}) {
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(d->focusWidget(), next) << next->objectName().toStdString();
    }
}

// The checks run in their order: the first that fails speaks, and the dialog
// stays open with the result -1.
TEST_F(PrintSetupTest, ChecksInTheirOrder)
{
    struct Case {
        const char* what;
        int start;          // index chosen in the start list (-1 none)
        int end;            // index chosen in the end list (-1 none)
        const char* copies;
        const char* message;   // nullptr: accepted
        Integer first, last, copiesOut;
    };
    const Case cases[] = {
        {"no start page", -1, -1, "0", "開始ﾍﾟｰｼﾞが指定されてません。"},
        {"no end page", 0, -1, "0", "最終ﾍﾟｰｼﾞが指定されてません。"},
        {"start after end", 2, 1, "0", "開始ﾍﾟｰｼﾞ > 最終ﾍﾟｰｼﾞになってます。"},
        {"no copies", 0, 2, "", "部数は1～999を指定してください。"},
        {"zero copies", 0, 2, "0", "部数は1～999を指定してください。"},
        {"pasted fraction that rounds to 0", 0, 2, "0.4", "部数は1～999を指定してください。"},
        {"start = end", 1, 1, "1", nullptr, 2, 2, 1},
        {"999 copies", 0, 2, "999", nullptr, 1, 3, 999},
        {"2 copies of 2 to 3", 1, 2, "2", nullptr, 2, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetRecordingUi();
        frmPpPrintSetup* d = open(3);
        d->cobStartPage->setCurrentIndex(c.start);
        d->cobEndPage->setCurrentIndex(c.end);
        d->txtCopy->setText(QString::fromUtf8(c.copies));
        d->btnOK->setFocus();
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        if (c.message) {
            EXPECT_EQ(messages(), QStringList{QString::fromUtf8(c.message)});
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(gintDialogResult, -1);
            if (QString::fromUtf8(c.message).startsWith(QStringLiteral("部数")))
                EXPECT_EQ(d->focusWidget(), d->txtCopy);
        } else {
            EXPECT_TRUE(messages().isEmpty());
            EXPECT_FALSE(d->isVisible());
            EXPECT_EQ(d->result(), QDialog::Accepted);
            EXPECT_EQ(gintDialogResult, 0);
            EXPECT_EQ(d->gintStartPage, c.first);
            EXPECT_EQ(d->gintEndPage, c.last);
            EXPECT_EQ(d->gintCopy, c.copiesOut);
        }
    }
}

TEST_F(PrintSetupTest, NoPagesDisablesTheListsAndOnlyCancelCloses)
{
    frmPpPrintSetup* d = open(0);
    EXPECT_EQ(d->cobStartPage->count(), 0);
    EXPECT_EQ(d->cobEndPage->count(), 0);
    EXPECT_FALSE(d->cobStartPage->isEnabled());
    EXPECT_FALSE(d->cobEndPage->isEnabled());
    EXPECT_FALSE(d->btnOK->isEnabled());

    // F8 still runs the checks.
    QTest::keyClick(d->txtCopy, Qt::Key_F8);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("開始ﾍﾟｰｼﾞが指定されてません。")});
    EXPECT_TRUE(d->isVisible());

    QTest::keyClick(d->txtCopy, Qt::Key_F9);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(gintDialogResult, -1);
}

TEST_F(PrintSetupTest, OnePageNeedsOnlyEnter)
{
    frmPpPrintSetup* d = open(1);
    EXPECT_EQ(d->cobStartPage->currentIndex(), 0);
    EXPECT_EQ(d->cobEndPage->currentIndex(), 0);
    QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(d->gintStartPage, 1);
    EXPECT_EQ(d->gintEndPage, 1);
    EXPECT_EQ(d->gintCopy, 1);
}

TEST_F(PrintSetupTest, FunctionKeysAndEscape)
{
    // F8 confirms like the print button, from any control.
    frmPpPrintSetup* d = open(4);
    d->cobStartPage->setCurrentIndex(2);
    QTest::keyClick(d->cobEndPage, Qt::Key_F8);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(d->gintStartPage, 3);
    EXPECT_EQ(d->gintEndPage, 4);

    // F8 runs the checks too.
    d = open(4);
    d->cobStartPage->setCurrentIndex(3);
    d->cobEndPage->setCurrentIndex(0);
    QTest::keyClick(d->txtCopy, Qt::Key_F8);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("開始ﾍﾟｰｼﾞ > 最終ﾍﾟｰｼﾞになってます。")});
    EXPECT_TRUE(d->isVisible());

    for (Qt::Key key : {Qt::Key_F9, Qt::Key_F12, Qt::Key_Escape}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        d = open(4);
        gintDialogResult = 5;
        QTest::keyClick(d->cobStartPage, key);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_EQ(gintDialogResult, -1);
    }

    // The close box leaves the -1 of the opening.
    d = open(4);
    d->close();
    EXPECT_EQ(gintDialogResult, -1);
}

TEST_F(PrintSetupTest, CopiesBoxTakesThreeDigitsOnly)
{
    frmPpPrintSetup* d = open(2);
    d->cobEndPage->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d->cobEndPage, Qt::Key_Tab);
    ASSERT_EQ(d->focusWidget(), d->txtCopy);
    // The whole text is selected on entry, so typing replaces it.
    QTRY_COMPARE(d->txtCopy->selectedText(), QStringLiteral("1"));
    QTest::keyClicks(d->txtCopy, QStringLiteral("2a-5."));
    EXPECT_EQ(d->txtCopy->text(), QStringLiteral("25"));
    EXPECT_EQ(recordingUi().beeps, 3);
    QTest::keyClicks(d->txtCopy, QStringLiteral("07"));
    EXPECT_EQ(d->txtCopy->text(), QStringLiteral("250"));

    // Enter in the box prints.
    QTest::keyClick(d->txtCopy, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->gintCopy, 250);
}

}  // namespace

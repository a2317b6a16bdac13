// The course register and the name dialog: the course file written by add,
// rename and delete, identifiers never reused, and the name dialog's check.

#include "registers/frmCourceRegi.h"
#include "registers/frmGetName.h"
#include "support/registers_support.h"

#include <QListWidget>
#include <QPushButton>

using testsupport::hasWindowFocus;
using regtest::onNextDialog;
using regtest::readFile;

namespace {

class CourceRegiTest : public regtest::RegistersTest {
protected:
    // Adds a course through the name dialog.
    void add(frmCourceRegi& f, const QString& name)
    {
        onNextDialog<frmGetName>([name](frmGetName* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("コース（会場）"));
            EXPECT_EQ(d->txtAddGroup->text(), QString());
            regtest::setText(d->txtAddGroup, name);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
        });
        QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    }
    QStringList rows(const frmCourceRegi& f)
    {
        QStringList out;
        for (int i = 0; i < f.lstList->count(); ++i)
            out << f.lstList->item(i)->text() + "#" + f.lstList->item(i)->data(Qt::UserRole).toString();
        return out;
    }
};

TEST_F(CourceRegiTest, AddRenameDeleteWriteTheFileAndNeverReuseAnId)
{
    frmCourceRegi f;
    ASSERT_TRUE(regtest::showActive(f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("コース（会場）一覧"));
    EXPECT_EQ(f.lstList->count(), 0);

    add(f, QStringLiteral("　東公園 "));
    add(f, QStringLiteral("西コース"));
    EXPECT_EQ(rows(f), (QStringList{QStringLiteral("東公園#1"), QStringLiteral("西コース#2")}));
    EXPECT_EQ(f.lstList->selectedItems().value(0), f.lstList->item(1));
    EXPECT_EQ(readFile(gstrCourceFile),
              QStringLiteral("[Management]\r\nMaxCourceNo=2\r\n"
                             "[Cource1]\r\nName=東公園\r\nState=0\r\n"
                             "[Cource2]\r\nName=西コース\r\nState=0\r\n"));

    // Delete the highest ID (answer OK), then add: ID 3.
    recordingUi().answers.push_back(platform::vbOK);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("削除確認"));
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("コース（会場）：西コース\nを削除します。"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKCancel);
    EXPECT_EQ(rows(f), QStringList{QStringLiteral("東公園#1")});
    add(f, QStringLiteral("西コース"));
    EXPECT_EQ(rows(f), (QStringList{QStringLiteral("東公園#1"), QStringLiteral("西コース#3")}));

    // Rename the first: the dialog opens with the current name selected.
    f.lstList->setCurrentRow(0);
    onNextDialog<frmGetName>([](frmGetName* d) {
        EXPECT_EQ(d->txtAddGroup->text(), QStringLiteral("東公園"));
        QTRY_COMPARE(d->txtAddGroup->selectedText(), QStringLiteral("東公園"));
        regtest::setText(d->txtAddGroup, QStringLiteral(" 東公園A "));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    EXPECT_EQ(f.lstList->item(0)->text(), QStringLiteral("東公園A"));
    EXPECT_EQ(readFile(gstrCourceFile),
              QStringLiteral("[Management]\r\nMaxCourceNo=3\r\n"
                             "[Cource1]\r\nName=東公園A\r\nState=0\r\n"
                             "[Cource2]\r\nName=西コース\r\nState=2\r\n"
                             "[Cource3]\r\nName=西コース\r\nState=0\r\n"));

    // A new register lists the live courses only.
    frmCourceRegi again;
    EXPECT_EQ(rows(again), (QStringList{QStringLiteral("東公園A#1"), QStringLiteral("西コース#3")}));
    EXPECT_TRUE(again.lstList->selectedItems().isEmpty());
}

TEST_F(CourceRegiTest, CancelAndRefusalsWriteNothing)
{
    regtest::writeFile(gstrCourceFile, QStringLiteral("[Management]\r\nMaxCourceNo=2\r\n[Cource1]\r\nName=A\r\n"
                                                      "[Cource2]\r\nName=B\r\nState=0\r\n"));
    const QString before = readFile(gstrCourceFile);
    frmCourceRegi f;
    ASSERT_TRUE(regtest::showActive(f));
    // A missing State is live.
    EXPECT_EQ(f.lstList->count(), 2);

    // Nothing selected: messages, focus to the list.
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringLiteral("エラー|編集する「コース（会場）」を選択してください。\n"
                                         "エラー|削除する「コース（会場）」を選択してください。"));
    // The double click does nothing here.
    f.lstList->setCurrentRow(0);
    emit f.lstList->itemDoubleClicked(f.lstList->item(0));

    // Blank name refused with the dialog kept open; then cancelled.
    resetRecordingUi();
    onNextDialog<frmGetName>([this](frmGetName* d) {
        regtest::setText(d->txtAddGroup, QStringLiteral("　 "));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(messages(), QStringLiteral("エラー|名称が未入力です。"));
        EXPECT_TRUE(hasWindowFocus(d->txtAddGroup));
        QTest::keyClick(d->txtAddGroup, Qt::Key_Escape);
    });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    // Delete answered with Cancel.
    recordingUi().answers.push_back(platform::vbCancel);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    EXPECT_EQ(f.lstList->count(), 2);
    EXPECT_EQ(readFile(gstrCourceFile), before);
}

TEST_F(CourceRegiTest, NameDialogReturnsThroughTheDialogVariables)
{
    gstrDialogText1 = QStringLiteral("元の名前");
    gstrDialogText2 = QStringLiteral("キャプション");
    gintDialogResult = 5;
    {
        frmGetName d;
        EXPECT_EQ(d.windowTitle(), QStringLiteral("キャプション"));
        EXPECT_EQ(gintDialogResult, -1);
        ASSERT_TRUE(regtest::showActive(d));
        QTest::mouseClick(d.btnCancel, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(gstrDialogText1, QStringLiteral("元の名前"));
    }
    {
        frmGetName d;
        ASSERT_TRUE(regtest::showActive(d));
        // Enter moves on like Tab instead of pressing a button.
        d.txtAddGroup->setFocus();
        QTest::keyClick(d.txtAddGroup, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(hasWindowFocus(d.btnOK));
        d.close();   // the close box
        EXPECT_EQ(gintDialogResult, -1);
    }
    {
        // Name, Enter, Enter: the second Enter presses the focused OK.
        frmGetName d;
        ASSERT_TRUE(regtest::showActive(d));
        regtest::setText(d.txtAddGroup, QStringLiteral("入力"));
        QTest::keyClick(d.txtAddGroup, Qt::Key_Return);
        QTest::keyClick(d.btnOK, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(gintDialogResult, 0);
        EXPECT_EQ(gstrDialogText1, QStringLiteral("入力"));
    }
    {
        frmGetName d;
        ASSERT_TRUE(regtest::showActive(d));
        regtest::setText(d.txtAddGroup, QStringLiteral(" 新しい "));
        QTest::mouseClick(d.btnOK, Qt::LeftButton);
        EXPECT_EQ(gintDialogResult, 0);
        EXPECT_EQ(gstrDialogText1, QStringLiteral("新しい"));
    }
}

}  // namespace

namespace {

TEST_F(CourceRegiTest, NoIdBeyondTheSixteenBitRange)
{
    const QString file = QStringLiteral("[Management]\r\nMaxCourceNo=32767\r\n");
    regtest::writeFile(gstrCourceFile, file);
    frmCourceRegi f;
    ASSERT_TRUE(regtest::showActive(f));
    onNextDialog<frmGetName>([](frmGetName* d) {
        regtest::setText(d->txtAddGroup, QStringLiteral("満杯"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    // The add ends before anything is written, without a message, with the
    // arrow pointer back.
    EXPECT_EQ(readFile(gstrCourceFile), file);
    EXPECT_TRUE(f.lstList->findItems(QStringLiteral("満杯"), Qt::MatchExactly).isEmpty());
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
}

}  // namespace

namespace {

TEST_F(CourceRegiTest, HighestNumberBeyondTheSixteenBitRangeStillOpensTheList)
{
    // A hand-edited highest number: the register opens on the numbers it
    // can hold (a missing section reads as live, as always).
    regtest::writeFile(gstrCourceFile,
                       QStringLiteral("[Management]\r\nMaxCourceNo=40000\r\n[Cource2]\r\nName=第二\r\nState=0\r\n"));
    frmCourceRegi f;
    ASSERT_EQ(f.lstList->count(), 32767);
    EXPECT_EQ(f.lstList->item(1)->text(), QStringLiteral("第二"));
}

}  // namespace

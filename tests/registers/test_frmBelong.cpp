// The group register and the group dialog: the group file written on add,
// edit and delete, gBelongList kept in step, the grid's rows, selection and
// scroll position.

#include "grid/uctMyGrid.h"
#include "registers/frmBelong.h"
#include "registers/frmRegiGroup.h"
#include "support/registers_support.h"

#include <QLabel>
#include <QPushButton>

using testsupport::hasWindowFocus;
using regtest::onNextDialog;
using regtest::readFile;

namespace {

class BelongTest : public regtest::RegistersTest {
protected:
    QStringList rows(frmBelong& f)
    {
        QStringList out;
        uctMyGrid* g = f.uctGroupList;
        for (int r = 0; r < g->gfRowCount(); ++r)
            out << g->gfGetCellData(0, r, "Text").toString() + "|" + g->gfGetCellData(1, r, "Text").toString() + "#"
                       + QString::number(g->gfGetRowItemData(r)) + (g->gfGetRowSelected(r) ? "*" : "");
        return out;
    }
    static void fill(const QString& name, const QString& shortName)
    {
        onNextDialog<frmRegiGroup>([=](frmRegiGroup* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("所属登録/編集"));
            regtest::setText(d->txtAddGroup, name);
            regtest::setText(d->txtShortName, shortName);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
        });
    }
    // A real click on data row r (1-based) while the first row is on top.
    static void clickRow(frmBelong& f, int r, bool dbl = false)
    {
        const QPoint p = f.uctGroupList->mapTo(&f, QPoint(40, 23 * r + 11));
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p);
        if (dbl)
            QTest::mouseDClick(f.windowHandle(), Qt::LeftButton, {}, p);
    }
};

TEST_F(BelongTest, AddEditDeleteKeepFileListAndGridInStep)
{
    regtest::writeFile(gstrIniFile, QStringLiteral("[Setup]\r\nSelectedBlong=1\r\n"));
    frmBelong f;
    ASSERT_TRUE(regtest::showActive(f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("所属一覧"));
    // Opening empties SelectedBlong; no live group: header only, messages.
    EXPECT_EQ(readFile(gstrIniFile), QStringLiteral("[Setup]\r\nSelectedBlong=\r\n"));
    EXPECT_EQ(rows(f), QStringList{QStringLiteral("所属名|略名#-1")});
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringLiteral("エラー|編集する所属を選択してください。\nエラー|削除する所属を選択してください。"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);

    fill(QStringLiteral(" 東クラブ　"), QStringLiteral("東"));
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    fill(QStringLiteral("西クラブ"), QString());
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_EQ(rows(f), (QStringList{QStringLiteral("所属名|略名#-1"), QStringLiteral("東クラブ|東#1"),
                                    QStringLiteral("西クラブ|#2*")}));
    EXPECT_EQ(readFile(gstrGroupFile),
              QStringLiteral("[Management]\r\nMaxGroupNo=2\r\n[group1]\r\nName=東クラブ\r\nShortName=東\r\nState=0\r\n"
                             "[group2]\r\nName=西クラブ\r\nShortName=\r\nState=0\r\n"));
    ASSERT_EQ(gBelongList.size(), 2u);
    EXPECT_EQ(gBelongList[1].BelongID, 2);
    // The second data row is shaded; the header is a fixed row.
    EXPECT_EQ(f.uctGroupList->cellAt(0, 2)->BackColor.toUInt(), 0xFAFAFAu);
    EXPECT_FALSE(f.uctGroupList->cellAt(0, 1)->BackColor.isValid() && f.uctGroupList->cellAt(0, 1)->BackColor.toUInt() == 0xFAFAFAu);
    EXPECT_EQ(f.uctGroupList->gfGetColWidth(0), 4500);
    EXPECT_EQ(f.uctGroupList->gfGetColWidth(1), 1200);

    // Click the first row: remembered; double click edits it.
    clickRow(f, 1);
    EXPECT_EQ(readFile(gstrIniFile), QStringLiteral("[Setup]\r\nSelectedBlong=1\r\n"));
    onNextDialog<frmRegiGroup>([](frmRegiGroup* d) {
        EXPECT_EQ(d->txtAddGroup->text(), QStringLiteral("東クラブ"));
        EXPECT_EQ(d->txtShortName->text(), QStringLiteral("東"));
        regtest::setText(d->txtAddGroup, QStringLiteral("東クラブA "));
        d->txtShortName->clear();
        QTest::keyClicks(d->txtShortName, "abcdefg");   // five at most
        EXPECT_EQ(d->txtShortName->text(), QStringLiteral("abcde"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    clickRow(f, 1, true);
    EXPECT_EQ(rows(f)[1], QStringLiteral("東クラブA|abcde#1*"));
    EXPECT_TRUE(readFile(gstrGroupFile).contains(QStringLiteral("[group1]\r\nName=東クラブA\r\nShortName=abcde\r\nState=0\r\n")));
    EXPECT_EQ(gBelongList[0].Name, QStringLiteral("東クラブA"));

    // Delete it: asked, State 2, the row goes, nothing selected.
    resetRecordingUi();
    recordingUi().answers = {platform::vbCancel, platform::vbOK};
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    EXPECT_EQ(rows(f).size(), 3);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[1].title, QStringLiteral("所属削除確認"));
    EXPECT_EQ(recordingUi().messages[1].prompt, QStringLiteral("所属：東クラブA\nを削除します。"));
    EXPECT_EQ(recordingUi().messages[1].style, platform::vbOKCancel);
    EXPECT_EQ(rows(f), (QStringList{QStringLiteral("所属名|略名#-1"), QStringLiteral("西クラブ|#2")}));
    EXPECT_EQ(gBelongList[0].State, 2);

    // The next group gets ID 3.
    fill(QStringLiteral("南"), QString());
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_EQ(rows(f).last(), QStringLiteral("南|#3*"));
    EXPECT_TRUE(readFile(gstrGroupFile).startsWith(QStringLiteral("[Management]\r\nMaxGroupNo=3\r\n[group1]\r\nName=東クラブA\r\nShortName=abcde\r\nState=2\r\n")));
}

TEST_F(BelongTest, DialogRefusesABlankNameAndCancelChangesNothing)
{
    frmBelong f;
    ASSERT_TRUE(regtest::showActive(f));
    onNextDialog<frmRegiGroup>([this](frmRegiGroup* d) {
        regtest::setText(d->txtAddGroup, QStringLiteral("　"));
        QTest::keyClick(d->txtAddGroup, Qt::Key_Return);
        EXPECT_TRUE(hasWindowFocus(d->txtShortName));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        EXPECT_EQ(messages(), QStringLiteral("エラー|名称が未入力です。"));
        EXPECT_TRUE(hasWindowFocus(d->txtAddGroup));
        QTest::keyClick(d->txtAddGroup, Qt::Key_Escape);
    });
    gstrDialogCaption.clear();
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(gstrGroupFile));
    EXPECT_TRUE(gBelongList.empty());
    EXPECT_EQ(f.uctGroupList->gfRowCount(), 1);
    // Esc does not close the register.
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(BelongTest, NewRowIsScrolledIntoViewAndEditKeepsTheScrollPosition)
{
    QString file = QStringLiteral("[Management]\r\nMaxGroupNo=20\r\n");
    for (int n = 1; n <= 20; ++n) {
        gBelongList.push_back({n, QStringLiteral("G%1").arg(n), "", 0, 0});
        file += QStringLiteral("[group%1]\r\nName=G%1\r\nShortName=\r\nState=0\r\n").arg(n);
    }
    regtest::writeFile(gstrGroupFile, file);
    frmBelong f;
    ASSERT_TRUE(regtest::showActive(f));
    EXPECT_EQ(f.uctGroupList->twipsHeight(), 3495);
    EXPECT_EQ(f.uctGroupList->gfGetTopIndexOfRowsY(), 1);
    fill(QStringLiteral("G21"), QString());
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_TRUE(f.uctGroupList->gfGetRowSelected(21));
    EXPECT_EQ(f.uctGroupList->gfGetTopIndexOfRowsY(), 14);

    onNextDialog<frmRegiGroup>([](frmRegiGroup* d) {
        regtest::setText(d->txtAddGroup, QStringLiteral("G21x"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    EXPECT_EQ(f.uctGroupList->gfGetTopIndexOfRowsY(), 14);
    EXPECT_TRUE(f.uctGroupList->gfGetRowSelected(21));
    EXPECT_EQ(f.uctGroupList->gfGetCellData(0, 21, "Text").toString(), QStringLiteral("G21x"));
}

}  // namespace

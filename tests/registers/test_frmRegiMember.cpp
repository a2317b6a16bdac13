// The player dialog: loading a player, the birthday box and its label, the
// region history, the checks on OK and what OK hands back.

#include "core/helpers.h"
#include "registers/frmRegiMember.h"
#include "support/registers_support.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using testsupport::hasWindowFocus;
using regtest::readFile;

namespace {

class RegiMemberTest : public regtest::RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        gBelongList = {{1, QStringLiteral("東クラブ"), "", 0, 0}, {2, QStringLiteral("旧クラブ"), "", 2, 0},
                       {3, QStringLiteral("西クラブ"), "", 0, 0}};
    }
    QStringList regions(const frmRegiMember& d)
    {
        QStringList out;
        for (int i = 0; i < d.cobLocation->count(); ++i)
            out << d.cobLocation->itemText(i);
        return out;
    }
    static QString today() { return QDate::currentDate().toString("yyyy/MM/dd"); }
};

TEST_F(RegiMemberTest, LoadShowsTheStoredPlayer)
{
    {
        // Even empty, the region box is wide enough for five full-width
        // characters.
        frmRegiMember e;
        ASSERT_TRUE(regtest::showActive(e));
        EXPECT_GE(e.cobLocation->lineEdit()->width(),
                  e.cobLocation->fontMetrics().horizontalAdvance(QStringLiteral("長い地域名")));
        e.close();
    }
    regtest::writeFile(gstrLocationFile, QStringLiteral("[PlayerLocation]\r\nlocation1=北区\r\n"
                                                        "location2= 長い地域名です\r\nlocation3=\r\nlocation4=南区\r\n"));
    gEditMember = MemberInfo{7, QStringLiteral("山田"), "1990/01/05", 0, 2, 0, 2, "", QStringLiteral("やまだ"),
                             QStringLiteral("とても長い地域")};
    frmRegiMember d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("プレイヤー登録/変更"));
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(d.txtName->text(), QStringLiteral("山田"));
    EXPECT_EQ(d.txtSortStr->text(), QStringLiteral("やまだ"));
    EXPECT_FALSE(d.optGender[0]->isChecked());
    EXPECT_TRUE(d.optGender[1]->isChecked());
    EXPECT_EQ(d.txtBirthday->text(), QStringLiteral("H2/1/5"));
    EXPECT_EQ(d.lblBirthday->text(),
              QStringLiteral("平成02年1月5日生　") + gfGetAge("H2/1/5", today(), 0) + QStringLiteral("歳"));
    // The deleted group is not offered: the player opens on 無し.
    EXPECT_EQ(d.cobBelong->count(), 3);
    EXPECT_EQ(d.cobBelong->currentText(), QStringLiteral("無し"));
    // Regions up to the first blank, cut to 5 characters as read (the
    // profile read drops the blanks around a value).
    EXPECT_EQ(regions(d), (QStringList{QStringLiteral("北区"), QStringLiteral("長い地域名")}));
    EXPECT_EQ(d.cobLocation->currentText(), QStringLiteral("とても長い地域"));

    // OK without changes: group 0, region kept as loaded, history rewritten.
    ASSERT_TRUE(regtest::showActive(d));
    QTest::mouseClick(d.btnOK, Qt::LeftButton);
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(gEditMember.BelongID, 0);
    EXPECT_EQ(gEditMember.Birthday, QStringLiteral("1990/01/05"));
    EXPECT_EQ(gEditMember.Location, QStringLiteral("とても長い地域"));
    EXPECT_EQ(gEditMember.IDNo, 7);
    EXPECT_EQ(readFile(gstrLocationFile), QStringLiteral("[PlayerLocation]\r\nlocation1=北区\r\nlocation2=長い地域名\r\n"
                                                         "location3=\r\nlocation4=南区\r\n"));
}

TEST_F(RegiMemberTest, EraBirthdayIsShownInEraFormAndStoredWestern)
{
    gEditMember.BelongID = 3;
    frmRegiMember d;
    ASSERT_TRUE(regtest::showActive(d));
    EXPECT_EQ(d.cobBelong->currentText(), QStringLiteral("西クラブ"));
    regtest::setText(d.txtName, QStringLiteral(" 佐藤 "));
    regtest::clickCheck(d.optGender[0]);
    regtest::setText(d.txtBirthday, "s15/12/3");
    QTest::keyClick(d.txtBirthday, Qt::Key_Return);   // leaves the box like Tab
    EXPECT_FALSE(hasWindowFocus(d.txtBirthday));
    EXPECT_EQ(d.txtBirthday->text(), QStringLiteral("S15/12/3"));
    EXPECT_EQ(d.lblBirthday->text(),
              QStringLiteral("昭和15年12月3日生　") + gfGetAge("S15/12/3", today(), 0) + QStringLiteral("歳"));
    QTest::mouseClick(d.btnOK, Qt::LeftButton);
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(gEditMember.Name, QStringLiteral("佐藤"));
    EXPECT_EQ(gEditMember.Sort, QString());
    EXPECT_EQ(gEditMember.Gender, 1);
    EXPECT_EQ(gEditMember.Birthday, QStringLiteral("1940/12/03"));
    EXPECT_EQ(gEditMember.BelongID, 3);
    EXPECT_FALSE(QFile::exists(gstrLocationFile));   // no region, nothing to write
}

TEST_F(RegiMemberTest, ChecksOnOkInOrderWithNothingStored)
{
    gEditMember.Name = QStringLiteral("元");
    frmRegiMember d;
    ASSERT_TRUE(regtest::showActive(d));
    const QString dateError = QStringLiteral("エラー|日付入力に誤りがあります。\n"
                                             "西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\n"
                                             "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。");
    regtest::setText(d.txtName, QStringLiteral("　"));
    d.cobLocation->setEditText(QStringLiteral("東区"));
    // A good date typed last is shown in era form when the box is left for OK.
    regtest::setText(d.txtBirthday, QStringLiteral("s15/12/3"));
    QTest::mouseClick(d.btnOK, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringLiteral("エラー|名前が未入力です。"));
    EXPECT_TRUE(hasWindowFocus(d.txtName));
    EXPECT_EQ(d.txtBirthday->text(), QStringLiteral("S15/12/3"));
    EXPECT_TRUE(d.lblBirthday->text().startsWith(QStringLiteral("昭和15年12月3日生　")));

    resetRecordingUi();
    regtest::setText(d.txtName, QStringLiteral("鈴木"));
    QTest::mouseClick(d.btnOK, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringLiteral("エラー|性別が未選択です。"));
    EXPECT_TRUE(hasWindowFocus(d.optGender[0]));

    // A wrong date: refused when the box is left and again on OK.
    resetRecordingUi();
    regtest::clickCheck(d.optGender[1]);
    regtest::setText(d.txtBirthday, "2010/2/30");
    QTest::keyClick(d.txtBirthday, Qt::Key_Tab);
    EXPECT_EQ(messages(), dateError);
    EXPECT_TRUE(hasWindowFocus(d.txtBirthday));
    EXPECT_EQ(d.txtBirthday->text(), QStringLiteral("2010/2/30"));
    EXPECT_EQ(d.lblBirthday->text(), QString());
    resetRecordingUi();
    QTest::mouseClick(d.btnOK, Qt::LeftButton);
    EXPECT_EQ(messages(), dateError);
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(gEditMember.Name, QStringLiteral("元"));

    // ｷｬﾝｾﾙ is not held up by the wrong date and writes nothing.
    resetRecordingUi();
    d.txtBirthday->setFocus();
    QTest::mouseClick(d.btnCancel, Qt::LeftButton);
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_FALSE(QFile::exists(gstrLocationFile));
}

TEST_F(RegiMemberTest, RegionMovesToTheTopAndHistoryIsCappedAt301Keys)
{
    QString file = QStringLiteral("[PlayerLocation]\r\n");
    for (int n = 1; n <= 305; ++n)
        file += QStringLiteral("location%1=R%2\r\n").arg(n).arg(n);
    regtest::writeFile(gstrLocationFile, file);
    gEditMember.Name = "A";
    gEditMember.Gender = 1;
    frmRegiMember d;
    ASSERT_TRUE(regtest::showActive(d));
    ASSERT_EQ(d.cobLocation->count(), 305);

    // Typed with blanks and too long: trimmed, cut, put on top.
    d.cobLocation->setFocus();
    d.cobLocation->setEditText(QStringLiteral("　R10xyz "));
    QTest::keyClick(d.cobLocation, Qt::Key_Return);
    EXPECT_EQ(d.cobLocation->currentText(), QStringLiteral("R10xy"));
    EXPECT_EQ(d.cobLocation->itemText(0), QStringLiteral("R10xy"));
    // Choosing an existing region moves it to the top, the older copy goes.
    d.cobLocation->setFocus();
    d.cobLocation->setEditText(QStringLiteral("R3"));
    QTest::keyClick(d.cobLocation, Qt::Key_Tab);
    EXPECT_EQ(d.cobLocation->itemText(0), QStringLiteral("R3"));
    EXPECT_EQ(d.cobLocation->itemText(1), QStringLiteral("R10xy"));
    EXPECT_EQ(d.cobLocation->itemText(2), QStringLiteral("R1"));
    EXPECT_EQ(d.cobLocation->itemText(4), QStringLiteral("R4"));
    EXPECT_EQ(d.cobLocation->count(), 306);

    QTest::mouseClick(d.btnOK, Qt::LeftButton);
    EXPECT_EQ(gEditMember.Location, QStringLiteral("R3"));
    const QString text = readFile(gstrLocationFile);
    EXPECT_TRUE(text.contains(QStringLiteral("location1=R3\r\nlocation2=R10xy\r\nlocation3=R1\r\nlocation4=R2\r\nlocation5=R4\r\n")));
    // location301 is the last written (R300); later keys stay as they were.
    EXPECT_TRUE(text.contains(QStringLiteral("location301=R300\r\nlocation302=R302\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("location305=R305\r\n")));
}

// Editing a woman: Enter from the reading rests on 女性, where Space changes
// nothing, not on 男性.
TEST_F(RegiMemberTest, EnterIntoTheGenderOptionsFocusesTheChosenOne)
{
    gEditMember.Name = QStringLiteral("佐藤 花子");
    gEditMember.Gender = 2;
    frmRegiMember d;
    ASSERT_TRUE(regtest::showActive(d));
    d.txtSortStr->setFocus();
    QTest::keyClick(d.txtSortStr, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(d.optGender[1]));
    QTest::keyClick(d.optGender[1], Qt::Key_Space);
    EXPECT_TRUE(d.optGender[1]->isChecked());
    QTest::keyClick(d.optGender[1], Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(d.txtBirthday));
}

TEST_F(RegiMemberTest, EnterMovesOnAndHelpBoxes)
{
    frmRegiMember d;
    ASSERT_TRUE(regtest::showActive(d));
    d.txtName->setFocus();
    QTest::keyClick(d.txtName, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(d.txtSortStr));
    QTest::keyClick(d.txtSortStr, Qt::Key_Enter);
    EXPECT_TRUE(hasWindowFocus(d.optGender[0]));
    d.cobBelong->setFocus();
    QTest::keyClick(d.cobBelong, Qt::Key_Return);
    EXPECT_TRUE(hasWindowFocus(d.cobLocation));
    EXPECT_TRUE(d.isVisible());

    QTest::mouseClick(d.btnHelpDate, Qt::LeftButton);
    QTest::mouseClick(d.btnHelpSporMoji, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("日付入力ヘルプ"));
    EXPECT_TRUE(recordingUi().messages[0].prompt.endsWith(
        QString(17, QChar(0x3000)) + QStringLiteral("例). s15/12/3  （昭和15年12月3日の場合）")));
    EXPECT_EQ(recordingUi().messages[0].prompt.count('\n'), 3);
    EXPECT_EQ(recordingUi().messages[1].title, QStringLiteral("順ソート文字ヘルプ"));
    EXPECT_EQ(recordingUi().messages[1].prompt,
              QStringLiteral("名前の順ソート（並び順判断）に使用します。\nひらがなで入力してください。\n"
                             "名前の先頭１文字か２文字でも入力してください。\n長ければそれだけ精度は増します。"));
    EXPECT_EQ(recordingUi().messages[1].style, platform::vbOKOnly);

    // Esc cancels.
    QTest::keyClick(d.cobLocation, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(gintDialogResult, -1);
}

}  // namespace

// The player register: the group filter, add, change and delete written to
// "member.dat" key by key and kept in step with gMemberList.

#include "core/masterlists.h"
#include "registers/frmMember.h"
#include "registers/frmRegiMember.h"
#include "support/registers_support.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using testsupport::hasWindowFocus;
using regtest::onNextDialog;
using regtest::readFile;

namespace {

class MemberTest : public regtest::RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        gBelongList = {{1, QStringLiteral("東クラブ"), "", 0, 0}, {2, QStringLiteral("旧クラブ"), "", 2, 0},
                       {3, QStringLiteral("西クラブ"), "", 0, 0}};
    }
    void players(const QString& text)
    {
        regtest::writeFile(gstrMemberFile, text);
        gsReadMemberData();
    }
    QStringList rows(const frmMember& f)
    {
        QStringList out;
        for (int i = 0; i < f.lstMember->count(); ++i)
            out << f.lstMember->item(i)->text() + "#" + f.lstMember->item(i)->data(Qt::UserRole).toString();
        return out;
    }
    int selected(const frmMember& f)
    {
        const auto items = f.lstMember->selectedItems();
        return items.isEmpty() ? -1 : f.lstMember->row(items.first());
    }
    // Fills the player dialog: name, gender (1/2), group entry text.
    static void fill(const QString& name, int gender, const QString& group)
    {
        onNextDialog<frmRegiMember>([=](frmRegiMember* d) {
            regtest::setText(d->txtName, name);
            regtest::clickCheck(d->optGender[gender - 1]);
            d->cobBelong->setCurrentIndex(d->cobBelong->findText(group));
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
        });
    }
    const QString twoPlayers = QStringLiteral(
        "[Management]\r\nMaxMemberNo=3\r\n"
        "[member1]\r\nName=青木\r\nState=0\r\nBirthday=\r\nGender=1\r\nBelongID=1\r\nSort=あおき\r\nLocation=\r\n"
        "[member3]\r\nName=井上\r\nState=0\r\nBirthday=\r\nGender=2\r\nBelongID=0\r\nSort=いのうえ\r\nLocation=北区\r\n");
};

TEST_F(MemberTest, FilterOpensOnTheStoredLiveGroupElseAll)
{
    players(twoPlayers);
    struct { const char* stored; const char* shown; int count; } cases[] = {
        {"3", "西クラブ", 0}, {"1", "東クラブ", 1}, {"0", "すべて", 2}, {"-1", "すべて", 2}, {"2", "すべて", 2}, {"", "すべて", 2}};
    for (const auto& c : cases) {
        regtest::writeFile(gstrIniFile, QStringLiteral("[Setup]\r\nLastBelong_at_Member=%1\r\n").arg(c.stored));
        frmMember f;
        EXPECT_EQ(f.cobBelong->currentText(), QString::fromUtf8(c.shown)) << c.stored;
        EXPECT_EQ(f.lstMember->count(), c.count) << c.stored;
        EXPECT_EQ(f.lblNumMembers->text(), QString::number(c.count) + QStringLiteral(" 名"));
    }
    frmMember f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("プレイヤー一覧"));
    // Entries: すべて, 無し, the live groups.
    QStringList entries;
    for (int i = 0; i < f.cobBelong->count(); ++i)
        entries << f.cobBelong->itemText(i) + "=" + f.cobBelong->itemData(i).toString();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("すべて=-1"), QStringLiteral("無し=0"),
                                    QStringLiteral("東クラブ=1"), QStringLiteral("西クラブ=3")}));
    EXPECT_EQ(rows(f), (QStringList{QStringLiteral(" 青木 (男)#1"), QStringLiteral(" 井上 (女：北区)#3")}));
    // Choosing 無し lists the players without a group; closing remembers it.
    f.cobBelong->setCurrentIndex(1);
    EXPECT_EQ(rows(f), QStringList{QStringLiteral(" 井上 (女：北区)#3")});
    f.close();
    EXPECT_EQ(readFile(gstrIniFile), QStringLiteral("[Setup]\r\nLastBelong_at_Member=0\r\n"));
}

TEST_F(MemberTest, AddWritesKeysInOrderAndFollowsTheNewPlayersGroup)
{
    frmMember f;
    ASSERT_TRUE(regtest::showActive(f));
    EXPECT_EQ(f.lblNumMembers->text(), QStringLiteral("0 名"));
    // Under すべて: the dialog opens on 無し; the filter follows the group.
    onNextDialog<frmRegiMember>([](frmRegiMember* d) {
        EXPECT_EQ(d->cobBelong->currentText(), QStringLiteral("無し"));
        EXPECT_FALSE(d->optGender[0]->isChecked() || d->optGender[1]->isChecked());
        regtest::setText(d->txtName, QStringLiteral("山田〜太郎−"));
        regtest::setText(d->txtSortStr, QStringLiteral("やまだ"));
        regtest::clickCheck(d->optGender[0]);
        regtest::setText(d->txtBirthday, "1990/1/5");
        d->cobBelong->setCurrentIndex(d->cobBelong->findText(QStringLiteral("西クラブ")));
        d->cobLocation->setEditText(QStringLiteral("南区"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_EQ(f.cobBelong->currentText(), QStringLiteral("西クラブ"));
    ASSERT_EQ(f.lstMember->count(), 1);
    EXPECT_EQ(selected(f), 0);
    EXPECT_EQ(f.lblNumMembers->text(), QStringLiteral("1 名"));
    EXPECT_EQ(readFile(gstrMemberFile),
              QStringLiteral("[Management]\r\nMaxMemberNo=1\r\n[member1]\r\nName=山田～太郎－\r\nState=0\r\n"
                             "Birthday=1990/01/05\r\nGender=1\r\nBelongID=3\r\nSort=やまだ\r\nLocation=南区\r\n"));
    // The two characters a Linux input method gives are stored in their CP932
    // forms and read back as such.
    EXPECT_TRUE(regtest::readBytes(gstrMemberFile).contains(QByteArray("\x81\x60") + QByteArray("\x91\xbe\x98\x59\x81\x7c")));
    ASSERT_EQ(gMemberList.size(), 1u);
    EXPECT_EQ(gMemberList[0].IDNo, 1);
    EXPECT_EQ(gMemberList[0].BelongID, 3);
    gsReadMemberData();
    ASSERT_EQ(gMemberList.size(), 1u);
    EXPECT_EQ(gMemberList[0].Name, QStringLiteral("山田～太郎－"));

    // In the group shown: appended without refilling the list.
    QListWidgetItem* first = f.lstMember->item(0);
    fill(QStringLiteral("川口"), 2, QStringLiteral("西クラブ"));
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    ASSERT_EQ(f.lstMember->count(), 2);
    EXPECT_EQ(f.lstMember->item(0), first);
    EXPECT_EQ(f.lstMember->item(1)->text(), QStringLiteral(" 川口 (女)"));
    EXPECT_EQ(selected(f), 1);
    EXPECT_EQ(gMemberList.back().IDNo, 2);
}

TEST_F(MemberTest, ChangeAndDeleteKeepStateAndNumbers)
{
    players(twoPlayers);
    frmMember f;
    ASSERT_TRUE(regtest::showActive(f));
    ASSERT_EQ(f.cobBelong->currentText(), QStringLiteral("すべて"));

    // Nothing selected.
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringLiteral("エラー|変更するプレイヤーを選択してください。\n"
                                         "エラー|削除するプレイヤーを選択してください。"));
    EXPECT_TRUE(hasWindowFocus(f.lstMember));

    // Change by double click: six keys rewritten, State untouched.
    f.lstMember->setCurrentRow(0);
    onNextDialog<frmRegiMember>([](frmRegiMember* d) {
        EXPECT_EQ(d->txtName->text(), QStringLiteral("青木"));
        EXPECT_EQ(d->cobBelong->currentText(), QStringLiteral("東クラブ"));
        regtest::setText(d->txtName, QStringLiteral("青木二郎"));
        d->cobBelong->setCurrentIndex(0);   // 無し
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    emit f.lstMember->itemDoubleClicked(f.lstMember->item(0));
    EXPECT_EQ(rows(f), (QStringList{QStringLiteral(" 青木二郎 (男)#1"), QStringLiteral(" 井上 (女：北区)#3")}));
    EXPECT_EQ(selected(f), 0);
    EXPECT_TRUE(readFile(gstrMemberFile).startsWith(QStringLiteral(
        "[Management]\r\nMaxMemberNo=3\r\n"
        "[member1]\r\nName=青木二郎\r\nState=0\r\nBirthday=\r\nGender=1\r\nBelongID=0\r\nSort=あおき\r\nLocation=\r\n")));
    EXPECT_EQ(gMemberList[0].Name, QStringLiteral("青木二郎"));
    EXPECT_EQ(gMemberList[0].BelongID, 0);

    // Under 無し, moving a player to a group takes it off the list.
    f.cobBelong->setCurrentIndex(1);
    f.lstMember->setCurrentRow(1);
    onNextDialog<frmRegiMember>([](frmRegiMember* d) {
        d->cobBelong->setCurrentIndex(1);   // 東クラブ
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    EXPECT_EQ(rows(f), QStringList{QStringLiteral(" 青木二郎 (男)#1")});
    EXPECT_EQ(selected(f), -1);

    // Delete: asked with the entry's text, State 2, number never reused.
    f.lstMember->setCurrentRow(0);
    resetRecordingUi();
    recordingUi().answers = {platform::vbCancel, platform::vbOK};
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    EXPECT_EQ(f.lstMember->count(), 1);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[1].title, QStringLiteral("プレイヤー削除確認"));
    EXPECT_EQ(recordingUi().messages[1].prompt, QStringLiteral("プレイヤー： 青木二郎 (男)\nを削除します。"));
    EXPECT_EQ(recordingUi().messages[1].style, platform::vbOKCancel);
    EXPECT_EQ(f.lstMember->count(), 0);
    EXPECT_EQ(f.lblNumMembers->text(), QStringLiteral("0 名"));
    EXPECT_EQ(gMemberList[0].State, 2);
    EXPECT_TRUE(readFile(gstrMemberFile).contains(QStringLiteral("[member1]\r\nName=青木二郎\r\nState=2\r\n")));

    fill(QStringLiteral("新人"), 1, QStringLiteral("無し"));
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_EQ(rows(f), QStringList{QStringLiteral(" 新人 (男)#4")});
    EXPECT_TRUE(readFile(gstrMemberFile).startsWith(QStringLiteral("[Management]\r\nMaxMemberNo=4\r\n")));

    // A cancelled dialog changes nothing.
    const QString before = readFile(gstrMemberFile);
    onNextDialog<frmRegiMember>([](frmRegiMember* d) { QTest::mouseClick(d->btnCancel, Qt::LeftButton); });
    QTest::mouseClick(f.btnAdd, Qt::LeftButton);
    EXPECT_EQ(readFile(gstrMemberFile), before);
    EXPECT_EQ(gMemberList.size(), 3u);
}

}  // namespace

namespace {

// A player file that cannot be written (read-only, or a folder where the file
// should be): a change or deletion is reported and the list and the loaded
// players stay as they are stored.
TEST_F(MemberTest, ChangeAndDeleteThatCannotBeWrittenAreReportedAndNotShown)
{
    players(twoPlayers);
    frmMember f;
    ASSERT_TRUE(regtest::showActive(f));
    const QStringList before = rows(f);
    ASSERT_TRUE(QFile::remove(gstrMemberFile));
    ASSERT_TRUE(QDir().mkdir(gstrMemberFile));
    const QString notWritten = QStringLiteral("エラー|ファイルに書き込めませんでした。\r\n") + QDir::toNativeSeparators(gstrMemberFile);

    f.lstMember->setCurrentRow(0);
    onNextDialog<frmRegiMember>([](frmRegiMember* d) {
        regtest::setText(d->txtName, QStringLiteral("青木二郎"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    EXPECT_EQ(messages(), notWritten);
    EXPECT_EQ(rows(f), before);
    EXPECT_EQ(gMemberList[0].Name, QStringLiteral("青木"));

    resetRecordingUi();
    f.lstMember->setCurrentRow(0);
    recordingUi().answers.push_back(platform::vbOK);
    QTest::mouseClick(f.btnDelete, Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[1].title + "|" + recordingUi().messages[1].prompt, notWritten);
    EXPECT_EQ(rows(f), before);
    EXPECT_EQ(gMemberList[0].State, 0);
}

TEST_F(MemberTest, ChangeKeepsTheScrollPosition)
{
    QString file = QStringLiteral("[Management]\r\nMaxMemberNo=40\r\n");
    for (int n = 1; n <= 40; ++n)
        file += QStringLiteral("[member%1]\r\nName=P%1\r\nState=0\r\nGender=1\r\nBelongID=0\r\n").arg(n);
    players(file);
    frmMember f;
    ASSERT_TRUE(regtest::showActive(f));
    f.lstMember->verticalScrollBar()->setValue(10);
    f.lstMember->setCurrentRow(15);
    onNextDialog<frmRegiMember>([](frmRegiMember* d) {
        regtest::setText(d->txtName, QStringLiteral("P16x"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(f.btnEdit, Qt::LeftButton);
    EXPECT_EQ(f.lstMember->item(15)->text(), QStringLiteral(" P16x (男)"));
    EXPECT_EQ(selected(f), 15);
    EXPECT_EQ(f.lstMember->verticalScrollBar()->value(), 10);
}

}  // namespace

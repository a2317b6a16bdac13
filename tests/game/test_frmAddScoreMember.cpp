// The add-participant dialog: only players not yet in the game are offered,
// the place buttons follow the position and the list, and the result codes
// and stored choices.
#include "core/ini.h"
#include "core/records.h"
#include "game/frmAddScoreMember.h"
#include "support/registers_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

using testsupport::hasWindowFocus;

namespace {

using regtest::RegistersTest;
using regtest::ids;

MemberInfo player(Long id, const QString& name, const QString& sort, Long group, Integer marked,
                  Integer state = 0)
{
    MemberInfo m;
    m.IDNo = id;
    m.Name = name;
    m.Sort = sort;
    m.Gender = 2;
    m.BelongID = group;
    m.Marked = marked;
    m.State = state;
    return m;
}

class FrmAddScoreMemberTest : public RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        // Players 2 and 4 are in the game; 5 is deleted; group 2's only live
        // player is in the game.
        gMemberList = {player(1, "渡辺", "わたなべ", 1, 0), player(2, "井上", "いのうえ", 1, 1),
                       player(3, "上田", "うえだ", 0, 0), player(4, "江藤", "えとう", 2, 1),
                       player(5, "大野", "おおの", 1, 0, 2), player(6, "加藤", "かとう", 1, 0)};
        BelongInfo a;
        a.BelongID = 1;
        a.Name = "北クラブ";
        BelongInfo b;
        b.BelongID = 2;
        b.Name = "南クラブ";
        gBelongList = {a, b};
    }

    void setting(const QString& key, const QString& value)
    {
        gfWriteIniFile(gstrIniFile, "Setup", key, value);
    }
    QString settingOf(const QString& key) { return gfReadIniFile(gstrIniFile, "Setup", key); }

    static QList<bool> enabled(const frmAddScoreMember& d)
    {
        QList<bool> v;
        for (QPushButton* b : d.btnAddPosition)
            v << b->isEnabled();
        return v;
    }
};

TEST_F(FrmAddScoreMemberTest, OffersOnlyPlayersNotInTheGame)
{
    glngDialogParam = 3;
    frmAddScoreMember d;
    EXPECT_EQ(d.windowTitle(), "参加追加");
    EXPECT_EQ(d.btnAddPosition[0]->text(), "上に追加");
    EXPECT_EQ(d.btnAddPosition[1]->text(), "下に追加");
    EXPECT_EQ(d.btnAddPosition[2]->text(), "先頭に追加");
    EXPECT_EQ(d.btnAddPosition[3]->text(), "最後尾に追加");
    EXPECT_EQ(d.btnCancel->text(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(d.lstMember->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(d.cobBelong->currentText(), "すべて");
    EXPECT_EQ(ids(d.lstMember), QList<int>({1, 3, 6}));
    EXPECT_EQ(d.lstMember->item(0)->text(), "渡辺 (女)");
    EXPECT_EQ(enabled(d), QList<bool>({true, true, true, true}));

    // A group whose live players are all in the game: empty, nothing to add.
    d.cobBelong->setCurrentIndex(d.cobBelong->findText("南クラブ"));
    EXPECT_EQ(d.lstMember->count(), 0);
    EXPECT_EQ(enabled(d), QList<bool>({false, false, false, false}));
    d.cobBelong->setCurrentIndex(1);   // 無し
    EXPECT_EQ(ids(d.lstMember), QList<int>({3}));
    EXPECT_EQ(enabled(d), QList<bool>({true, true, true, true}));

    ASSERT_TRUE(regtest::showActive(d));
    EXPECT_TRUE(hasWindowFocus(d.lstMember));
}

TEST_F(FrmAddScoreMemberTest, NoSelectedParticipantKeepsAboveAndBelowDisabled)
{
    glngDialogParam = -1;
    frmAddScoreMember d;
    EXPECT_EQ(enabled(d), QList<bool>({false, false, true, true}));
    d.cobBelong->setCurrentIndex(d.cobBelong->findText("南クラブ"));
    EXPECT_EQ(enabled(d), QList<bool>({false, false, false, false}));
    d.cobBelong->setCurrentIndex(d.cobBelong->findText("北クラブ"));
    EXPECT_EQ(enabled(d), QList<bool>({false, false, true, true}));
}

TEST_F(FrmAddScoreMemberTest, RestoresGroupAndSortOnlyWhenTheyGiveAList)
{
    struct Case {
        QString saved;
        QString shown;
    };
    for (const Case& c : std::vector<Case>{{"", "すべて"}, {"1", "北クラブ"}, {"0", "すべて"},
                                           {"2", "すべて"}, {"7", "すべて"}}) {
        setting("LastBelong_at_AddScoreMember", c.saved);
        frmAddScoreMember d;
        EXPECT_EQ(d.cobBelong->currentText(), c.shown) << c.saved.toStdString();
    }

    setting("LastBelong_at_AddScoreMember", "1");
    setting("Sort_at_AddScoreMember", "1");
    frmAddScoreMember d;
    EXPECT_TRUE(d.chkSort->isChecked());
    EXPECT_EQ(ids(d.lstMember), QList<int>({6, 1}));
    QTest::mouseClick(d.chkSort, Qt::LeftButton, {}, QPoint(8, d.chkSort->height() / 2));
    EXPECT_EQ(ids(d.lstMember), QList<int>({1, 6}));

    // Every live player already in the game: "すべて" with an empty list.
    for (MemberInfo& m : gMemberList)
        m.Marked = 1;
    frmAddScoreMember all;
    EXPECT_EQ(all.cobBelong->currentText(), "すべて");
    EXPECT_EQ(all.lstMember->count(), 0);
    EXPECT_EQ(enabled(all), QList<bool>({false, false, false, false}));
}

TEST_F(FrmAddScoreMemberTest, AddingReturnsThePlaceAndThePlayerAndStoresTheChoices)
{
    for (int k = 0; k < 4; ++k) {
        resetRecordingUi();
        QFile::remove(gstrIniFile);
        glngDialogParam = 0;
        frmAddScoreMember d;
        d.cobBelong->setCurrentIndex(d.cobBelong->findText("北クラブ"));
        d.chkSort->setChecked(k % 2 == 1);

        // Nothing chosen: a message and the dialog stays.
        d.btnAddPosition_Click(k);
        EXPECT_EQ(messages(), "エラー|追加するプレイヤーを選択してください。");
        EXPECT_EQ(gintDialogResult, -1);
        EXPECT_EQ(glngDialogParam, 0);
        EXPECT_FALSE(QFile::exists(gstrIniFile));

        d.lstMember->setCurrentRow(ids(d.lstMember).indexOf(6));
        QTest::mouseClick(d.btnAddPosition[k], Qt::LeftButton);
        EXPECT_EQ(gintDialogResult, k + 1);
        EXPECT_EQ(glngDialogParam, 6);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(settingOf("LastBelong_at_AddScoreMember"), "1");
        EXPECT_EQ(settingOf("Sort_at_AddScoreMember"), k % 2 == 1 ? "1" : "0");
    }
}

TEST_F(FrmAddScoreMemberTest, CancelStoresNothingAndEscapeDoesNothing)
{
    glngDialogParam = 2;
    frmAddScoreMember d;
    ASSERT_TRUE(regtest::showActive(d));
    d.cobBelong->setCurrentIndex(1);
    d.lstMember->setCurrentRow(0);
    QTest::keyClick(d.lstMember, Qt::Key_Escape);
    QTest::keyClick(d.lstMember, Qt::Key_Return);
    emit d.lstMember->itemDoubleClicked(d.lstMember->item(0));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(gintDialogResult, -1);
    QTest::mouseClick(d.btnCancel, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_EQ(glngDialogParam, 2);
    EXPECT_FALSE(QFile::exists(gstrIniFile));
}

// No add button is the default one, not even by look; Enter presses only a
// focused button.
TEST_F(FrmAddScoreMemberTest, NoDefaultButtonAndEnterPressesTheFocusedOne)
{
    glngDialogParam = 0;
    frmAddScoreMember d;
    ASSERT_TRUE(regtest::showActive(d));
    for (QPushButton* b : d.findChildren<QPushButton*>())
        EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
    d.lstMember->setCurrentRow(0);
    const int id = d.lstMember->item(0)->data(Qt::UserRole).toInt();
    d.btnAddPosition[3]->setFocus();
    QTest::keyClick(d.btnAddPosition[3], Qt::Key_Return);
    EXPECT_TRUE(testsupport::waitUntil([&] { return !d.isVisible(); }));
    EXPECT_EQ(gintDialogResult, 4);
    EXPECT_EQ(glngDialogParam, id);
}

}  // namespace

// The season player chooser: the groups of the marked players, the stored
// filter, the list by group and sorted, accepting, double-clicking and
// cancelling, and its two settings keys.
#include "core/ini.h"
#include "core/records.h"
#include "reports/season/frmSelectPrintMember.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SelectPrintMemberTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        resetRecordingUi();
        testsupport::pointDataPathsAt(dir.path());
        gMemberList.clear();
        gBelongList.clear();
        gintDialogResult = 99;
        glngDialogParam = 0;
        // Groups 1 and 2 live, 3 deleted, 4 live without a marked player.
        group(1, "東クラブ");
        group(2, "西クラブ");
        group(3, "旧クラブ", 2);
        group(4, "北クラブ");
        // Marked: 1 (group 2), 2 (no group), 3 (group 1), 5 (group 3);
        // 4 (group 4) is not marked, 6 (group 1) is deleted.
        member(1, "やまだ", "山田", 2, 1);
        member(2, "あべ", "阿部", 0, 1);
        member(3, "かとう", "加藤", 1, 1);
        member(4, "いとう", "伊藤", 4, 0);
        member(5, "うえだ", "上田", 3, 1);
        member(6, "えとう", "江藤", 1, 1, 2);
    }

    void TearDown() override
    {
        gMemberList.clear();
        gBelongList.clear();
    }

    static void group(Long id, const QString& name, Integer state = 0)
    {
        BelongInfo b;
        b.BelongID = id;
        b.Name = name;
        b.State = state;
        gBelongList.push_back(b);
    }

    static void member(Long id, const QString& sort, const QString& name, Long belong, Integer marked,
                       Integer state = 0)
    {
        testsupport::addMember(id, name, QString(), 1, belong);
        gMemberList.back().Sort = sort;
        gMemberList.back().Marked = marked;
        gMemberList.back().State = state;
    }

    static QStringList groups(const frmSelectPrintMember& d)
    {
        QStringList out;
        for (int i = 0; i < d.cobBelong->count(); ++i)
            out << d.cobBelong->itemText(i) + "=" + d.cobBelong->itemData(i).toString();
        return out;
    }

    static std::vector<int> listed(const frmSelectPrintMember& d)
    {
        std::vector<int> out;
        for (int i = 0; i < d.lstMember->count(); ++i)
            out.push_back(d.lstMember->item(i)->data(Qt::UserRole).toInt());
        return out;
    }

    static QString setting(const QString& key) { return gfReadIniFile(gstrIniFile, "Setup", key); }
    static void store(const QString& key, const QString& value) { gfWriteIniFile(gstrIniFile, "Setup", key, value); }

    QTemporaryDir dir;
};

TEST_F(SelectPrintMemberTest, OffersTheLiveGroupsOfTheMarkedPlayers)
{
    frmSelectPrintMember d;
    EXPECT_EQ(d.windowTitle(), "プレイヤー選択");
    EXPECT_EQ(groups(d), (QStringList{"すべて=-1", "無し=0", "東クラブ=1", "西クラブ=2"}));
    EXPECT_EQ(d.cobBelong->currentIndex(), 0);
    EXPECT_EQ(listed(d), (std::vector<int>{1, 2, 3, 5}));
    EXPECT_EQ(d.lstMember->currentRow(), -1);
    EXPECT_EQ(gintDialogResult, -1);
    // The marks of the groups stay after the chooser.
    EXPECT_EQ(gBelongList[0].Marked, 1);
    EXPECT_EQ(gBelongList[2].Marked, 1);
    EXPECT_EQ(gBelongList[3].Marked, 0);
    // The filter chosen while opening is stored.
    EXPECT_EQ(setting("SelectPrintMember"), "-1");
}

TEST_F(SelectPrintMemberTest, TheStoredFilterReopensOnlyOnAnOfferedGroup)
{
    struct Case {
        QString stored;
        int index;
        std::vector<int> players;
    } cases[] = {
        {"2", 3, {1}},        // 西クラブ
        {"1.4", 2, {3}},      // rounded to 1
        {"0", 0, {1, 2, 3, 5}},   // 無し reopens on すべて
        {"-1", 0, {1, 2, 3, 5}},
        {"3", 0, {1, 2, 3, 5}},   // deleted
        {"4", 0, {1, 2, 3, 5}},   // nobody marked
        {"x", 0, {1, 2, 3, 5}},
        {"99999999999", 0, {1, 2, 3, 5}},
    };
    for (const Case& c : cases) {
        store("SelectPrintMember", c.stored);
        frmSelectPrintMember d;
        EXPECT_EQ(d.cobBelong->currentIndex(), c.index) << c.stored.toStdString();
        EXPECT_EQ(listed(d), c.players) << c.stored.toStdString();
    }
}

TEST_F(SelectPrintMemberTest, ChoosingAFilterRebuildsTheListAndStoresIt)
{
    frmSelectPrintMember d;
    d.show();
    d.lstMember->setCurrentRow(0);
    d.cobBelong->setCurrentIndex(1);
    emit d.cobBelong->activated(1);
    EXPECT_EQ(listed(d), (std::vector<int>{2}));
    EXPECT_EQ(d.lstMember->currentRow(), -1);
    EXPECT_EQ(setting("SelectPrintMember"), "0");
    d.cobBelong->setCurrentIndex(2);
    emit d.cobBelong->activated(2);
    EXPECT_EQ(listed(d), (std::vector<int>{3}));
    EXPECT_EQ(setting("SelectPrintMember"), "1");
}

TEST_F(SelectPrintMemberTest, SortTickRebuildsAndIsStoredOnlyOnAccepting)
{
    frmSelectPrintMember d;
    d.show();
    d.lstMember->setCurrentRow(1);
    d.chkSort->click();
    ASSERT_TRUE(d.chkSort->isChecked());
    // By reading: あべ, うえだ, かとう, やまだ.
    EXPECT_EQ(listed(d), (std::vector<int>{2, 5, 3, 1}));
    EXPECT_EQ(d.lstMember->currentRow(), -1);
    EXPECT_TRUE(setting("Sort_at_SelectPrinterMember").isEmpty());

    d.lstMember->setCurrentRow(2);
    d.btnOK->click();
    EXPECT_EQ(gintDialogResult, 0);
    EXPECT_EQ(glngDialogParam, 3);
    EXPECT_EQ(setting("Sort_at_SelectPrinterMember"), "1");
    EXPECT_FALSE(d.isVisible());

    frmSelectPrintMember again;
    EXPECT_TRUE(again.chkSort->isChecked());
    EXPECT_EQ(listed(again), (std::vector<int>{2, 5, 3, 1}));
}

TEST_F(SelectPrintMemberTest, AcceptingWithoutAPlayerAsksForOne)
{
    frmSelectPrintMember d;
    d.show();
    d.btnOK->click();
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, "集計するプレイヤーを選択してください。");
    EXPECT_EQ(recordingUi().messages[0].title, "エラー");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(gintDialogResult, -1);
    EXPECT_TRUE(setting("Sort_at_SelectPrinterMember").isEmpty());
}

TEST_F(SelectPrintMemberTest, NobodyMarkedLeavesOnlyTheTwoFilters)
{
    for (MemberInfo& m : gMemberList)
        m.Marked = 0;
    frmSelectPrintMember d;
    EXPECT_EQ(groups(d), (QStringList{"すべて=-1", "無し=0"}));
    EXPECT_TRUE(listed(d).empty());
    d.show();
    d.btnOK->click();
    EXPECT_EQ(recordingUi().messages.size(), 1u);
}

TEST_F(SelectPrintMemberTest, DoubleClickAcceptsAndCancelOrCloseReturnMinusOne)
{
    {
        frmSelectPrintMember d;
        d.show();
        QListWidgetItem* item = d.lstMember->item(1);
        d.lstMember->setCurrentItem(item);
        emit d.lstMember->itemDoubleClicked(item);
        EXPECT_EQ(gintDialogResult, 0);
        EXPECT_EQ(glngDialogParam, 2);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(setting("Sort_at_SelectPrinterMember"), "0");
    }
    {
        frmSelectPrintMember d;
        d.show();
        d.lstMember->setCurrentRow(0);
        d.btnCancel->click();
        EXPECT_EQ(gintDialogResult, -1);
        EXPECT_FALSE(d.isVisible());
    }
    {
        frmSelectPrintMember d;
        d.show();
        gintDialogResult = 0;
        d.close();
        EXPECT_EQ(gintDialogResult, -1);
    }
}

}  // namespace

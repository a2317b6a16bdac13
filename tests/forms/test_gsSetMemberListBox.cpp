#include "core/masterlists.h"
#include "core/records.h"
#include "forms/gsSetMemberListBox.h"
#include "support/recordingui.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace {

MemberInfo player(Long id, const char* name, const char* sort, Integer state, Long belong,
                  Integer marked)
{
    MemberInfo m;
    m.IDNo = id;
    m.Name = QString::fromUtf8(name);
    m.Sort = QString::fromUtf8(sort);
    m.State = state;
    m.BelongID = belong;
    m.Marked = marked;
    m.Gender = 1;
    return m;
}

class MemberListBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        gsSetMemberAgeClock([] { return QDate(2010, 5, 9); });
        gMemberList = {
            player(1, "山田", "やまだ", 0, 1, 0),
            player(2, "佐藤", "さとう", 2, 1, 0),   // deleted
            player(3, "鈴木B", " すずき", 0, 2, 1),
            player(4, "鈴木A", "すずき ", 0, 0, 0),
            player(5, "阿部", "あべ", 0, 1, 1),
        };
        gMemberList[4].Birthday = QStringLiteral("2000/05/10");
        gMemberList[4].Location = QStringLiteral("東京");
    }
    void TearDown() override
    {
        gMemberList.clear();
        gsSetMemberAgeClock(nullptr);
    }

    static QList<Long> ids(const QListWidget& list)
    {
        QList<Long> v;
        for (int i = 0; i < list.count(); ++i)
            v << list.item(i)->data(Qt::UserRole).toInt();
        return v;
    }

    QListWidget list;
};

TEST_F(MemberListBoxTest, OrderAndFilters)
{
    struct Case {
        Integer sort;
        Long group;
        Integer mark;
        QList<Long> expected;
    };
    const Case cases[] = {
        // Reading, then name (the trimmed reading is the same for 3 and 4).
        {1, -1, -1, {5, 4, 3, 1}},
        // List order.
        {0, -1, -1, {1, 3, 4, 5}},
        {1, 1, -1, {5, 1}},
        {1, 0, -1, {4}},   // players without a group
        {0, -1, 0, {1, 4}},
        {0, 1, 1, {5}},
        {0, 7, -1, {}},
    };
    for (const Case& c : cases) {
        gsSetMemberListBox(c.sort, 2, &list, c.group, c.mark);
        EXPECT_EQ(ids(list), c.expected) << "sort " << c.sort << " group " << c.group << " mark "
                                         << c.mark;
    }
}

TEST_F(MemberListBoxTest, TextsAndRefill)
{
    gsSetMemberListBox(0, 1, &list, 1, 1);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral(" 阿部 (男、平成12年5月10日生　9歳：東京)"));

    gsSetMemberListBox(0, 0, &list, 1, 1);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("阿部 (男、9歳：東京)"));

    // A refill starts empty and without a selection.
    gsSetMemberListBox(0, 2, &list, -1, -1);
    list.setCurrentRow(2);
    gsSetMemberListBox(0, 2, &list, -1, -1);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_TRUE(list.selectedItems().isEmpty());

    gMemberList.clear();
    gsSetMemberListBox(1, 1, &list, -1, -1);
    EXPECT_EQ(list.count(), 0);
}

}  // namespace

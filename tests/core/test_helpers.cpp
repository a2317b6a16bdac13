#include "core/helpers.h"
#include "quicksort_reference.h"
#include "support/recordingui.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <numeric>

namespace {

std::vector<Long> identity(size_t n)
{
    std::vector<Long> index(n);
    std::iota(index.begin(), index.end(), 0);
    return index;
}

std::vector<QString> texts(std::initializer_list<const char*> list)
{
    std::vector<QString> v;
    for (const char* s : list)
        v.push_back(QString::fromUtf8(s));
    return v;
}

class HelpersTest : public testing::Test {
protected:
    void SetUp() override { resetRecordingUi(); }
};

// The expected orders are what the partition scheme gives (traced by hand and
// by a reference run), not what a stable sort would give: every ranking's
// order of equal keys depends on them.
TEST_F(HelpersTest, QuickSortGivesTheOrderOfItsPartitionScheme)
{
    struct Case {
        std::vector<QString> keys;
        Integer mode;
        bool ascending;
        std::vector<Long> expected;
    };
    const std::vector<Case> cases = {
        {texts({"b", "a", "c"}), 0, true, {1, 0, 2}},
        {texts({"b", "a", "b", "a", "b"}), 0, true, {3, 1, 4, 0, 2}},
        {texts({"b", "a", "b", "a", "b"}), 0, false, {2, 4, 0, 3, 1}},
        // Numeric mode: leading numbers, "x" counts 0; "10" after "9".
        {texts({"10", "9", "2", "10", "09", "x"}), 1, true, {5, 2, 4, 1, 0, 3}},
        {texts({"10", "9", "2", "10", "09", "x"}), 1, false, {3, 0, 4, 1, 2, 5}},
        // Text mode: "10" before "2" and "9".
        {texts({"10", "9", "2", "10", "09", "x"}), 0, true, {4, 3, 0, 2, 1, 5}},
        {texts({"0003b", "0001a", "0003a", "0002", "0001a", "0003b", "0001a"}), 0, true,
         {4, 1, 6, 3, 2, 0, 5}},
        // Character codes: upper case before lower case.
        {texts({"b", "B", "a", "A"}), 0, true, {3, 1, 2, 0}},
    };
    for (const Case& c : cases) {
        std::vector<Long> index = identity(c.keys.size());
        const Long high = static_cast<Long>(index.size()) - 1;
        if (c.ascending)
            csQuickSort_Asc(0, high, index, c.keys, c.mode);
        else
            csQuickSort_Desc(0, high, index, c.keys, c.mode);
        EXPECT_EQ(index, c.expected) << c.keys.front().toStdString() << " mode " << c.mode
                                     << (c.ascending ? " asc" : " desc");
    }
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(HelpersTest, QuickSortTouchesOnlyItsRangeAndLeavesAPermutation)
{
    // One entry, or low == high: nothing changes.
    std::vector<Long> one{0};
    csQuickSort_Asc(0, 0, one, texts({"z"}), 0);
    EXPECT_EQ(one, std::vector<Long>{0});
    std::vector<Long> index{2, 1, 0};
    csQuickSort_Asc(1, 1, index, texts({"c", "b", "a"}), 0);
    EXPECT_EQ(index, (std::vector<Long>{2, 1, 0}));

    // Keys are indexed through the list: positions 1..3 sorted, 0 and 4 kept.
    const auto keys = texts({"e", "d", "c", "b", "a"});
    index = {0, 1, 2, 3, 4};
    csQuickSort_Asc(1, 3, index, keys, 0);
    EXPECT_EQ(index, (std::vector<Long>{0, 3, 2, 1, 4}));

    // All keys equal: still every entry exactly once.
    std::vector<QString> same(37, QStringLiteral("k"));
    index = identity(same.size());
    csQuickSort_Desc(0, 36, index, same, 0);
    std::vector<Long> sorted = index;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, identity(same.size()));
}

TEST_F(HelpersTest, QuickSortShowsItsErrorAndStops)
{
    // An index entry that points past the keys.
    std::vector<Long> index{0, 5, 1};
    csQuickSort_Asc(0, 2, index, texts({"b", "a"}), 0);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt,
              QStringLiteral("csQuickSort_Asc(): インデックスが有効範囲にありません。"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbCritical);
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("エラー"));

    resetRecordingUi();
    index = {0, 1};
    csQuickSort_Desc(0, 2, index, texts({"b", "a"}), 0);   // high past the list
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith(QStringLiteral("csQuickSort_Desc(): ")));
}

// Tables with many equal keys, in both directions and both modes, whole and
// in part: the result is the first version's, position for position.
TEST_F(HelpersTest, QuickSortKeepsTheOrderOfTheRecursiveVersion)
{
    QRandomGenerator random(14);
    const std::vector<QString> texts5 = texts({"a", "b", "c", "d", "e"});
    for (int round = 0; round < 60; ++round) {
        const size_t n = 1 + random.bounded(400);
        const int distinct = 1 + static_cast<int>(random.bounded(round % 3 == 0 ? 3 : 12));
        const Integer mode = static_cast<Integer>(round % 2);
        const bool ascending = (round / 2) % 2 == 0;
        std::vector<QString> keys;
        for (size_t k = 0; k < n; ++k) {
            const int v = static_cast<int>(random.bounded(distinct));
            // Numeric mode also sees texts that differ but have one value.
            keys.push_back(mode == 1 ? QString::number(v) + texts5[random.bounded(5)]
                                     : QString::number(v));
        }
        std::vector<Long> index(n);
        std::iota(index.begin(), index.end(), 0);
        std::shuffle(index.begin(), index.end(), random);
        const Long low = round % 5 == 4 ? static_cast<Long>(n / 3) : 0;
        const Long high = round % 5 == 4 ? static_cast<Long>(n - 1 - n / 4) : static_cast<Long>(n) - 1;

        std::vector<Long> expected = index;
        quicksortreference::sort(low, high, expected, keys, mode, ascending);
        if (ascending)
            csQuickSort_Asc(low, high, index, keys, mode);
        else
            csQuickSort_Desc(low, high, index, keys, mode);
        ASSERT_EQ(index, expected) << "round " << round;
    }
    EXPECT_TRUE(recordingUi().messages.empty());
}

// A bad index entry deep in a large table: the same ranges fail, with the
// same messages, and the rest is sorted as the first version sorts it.
TEST_F(HelpersTest, QuickSortFailsOnTheSameRangesAsTheRecursiveVersion)
{
    std::vector<QString> keys;
    for (int k = 0; k < 3000; ++k)
        keys.push_back(QString::number(k % 37));
    std::vector<Long> index(keys.size());
    std::iota(index.begin(), index.end(), 0);
    std::shuffle(index.begin(), index.end(), QRandomGenerator(3));
    index[2100] = 99999;

    std::vector<Long> expected = index;
    quicksortreference::sort(0, Long(index.size()) - 1, expected, keys, 0, true);
    std::vector<QString> expectedMessages;
    for (const auto& m : recordingUi().messages)
        expectedMessages.push_back(m.prompt);
    resetRecordingUi();

    csQuickSort_Asc(0, Long(index.size()) - 1, index, keys, 0);
    EXPECT_EQ(index, expected);
    std::vector<QString> messages;
    for (const auto& m : recordingUi().messages)
        messages.push_back(m.prompt);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages, expectedMessages);
}

// Ascending then descending keys drive the first version's recursion half as
// deep as the table is long (and its work up to the square of the length,
// which the same partition steps keep). 4,000 such keys sort in the first
// version's order on a thread whose 64 KiB stack could not hold its 2,000
// levels of recursion: that version overflows it and ends the program.
TEST_F(HelpersTest, QuickSortOfAnOrganPipeTableDoesNotOverflowTheStack)
{
    constexpr Long n = 4000;
    std::vector<QString> keys;
    for (Long k = 0; k < n; ++k)
        keys.push_back(corehelpers::padNum(k < n / 2 ? k : n - k, 6));
    std::vector<Long> expected = identity(keys.size());
    quicksortreference::sort(0, n - 1, expected, keys, 0, true);

    std::vector<Long> index;
    QThread* thread = QThread::create([&] { index = gfSortedIndexAsc(keys); });
    thread->setStackSize(64 * 1024);
    thread->start();
    thread->wait();
    delete thread;
    EXPECT_EQ(index, expected);
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(HelpersTest, AgeInWholeYearsAndWithFraction)
{
    struct Case {
        const char* birthday;
        const char* ref;
        Integer fraction;
        const char* expected;
    };
    const Case cases[] = {
        {"2000/05/10", "2010/05/09", 0, "9"},
        {"2000/05/10", "2010/05/10", 0, "10"},
        {"2000/05/10", "2010/05/09", 1, "9.997"},
        {"2000/05/10", "2010/05/10", 1, "10.000"},
        // A leap-year span: 365 of 366 days.
        {"2003/06/01", "2004/05/31", 1, "0.997"},
        // 29 February: whole years count from 1 March in other years, the
        // fraction from 28 February (so 28 February shows a full year).
        {"2000/02/29", "2001/02/28", 0, "0"},
        {"2000/02/29", "2001/02/28", 1, "1.000"},
        {"2000/02/29", "2001/03/01", 0, "1"},
        {"2000/02/29", "2001/03/01", 1, "1.003"},
        {"2000/02/29", "2004/02/29", 0, "4"},
        {"2000/02/29", "2004/02/28", 0, "3"},
        // Era forms, blanks around the dates, a time of day.
        {"H12/5/10", "2010/05/09", 0, "9"},
        {"平成12年5月10日", "R2/5/10", 0, "20"},
        {"S64/1/7", "1999/01/07", 0, "10"},
        {"　2000/05/10 ", " 2010/05/10", 0, "10"},
        {"2000/05/10", "2010/05/09 23:59:59", 0, "9"},
        // Birthday after the reference date.
        {"2010/05/10", "2005/05/10", 0, "-5"},
        // Not dates.
        {"", "2010/05/09", 0, "-"},
        {"2000/05/10", "", 1, "-"},
        {"2000/02/30", "2010/05/09", 0, "-"},
        {"abc", "2010/05/09", 0, "-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gfGetAge(QString::fromUtf8(c.birthday), QString::fromUtf8(c.ref), c.fraction),
                  QString::fromUtf8(c.expected))
            << c.birthday << " on " << c.ref << " fraction " << c.fraction;
}

TEST_F(HelpersTest, ParentFolder)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/data/file.tcw", "/home/u/data"},
        {"/home/u/data/", "/home/u/data"},
        {"  /home/u/x.tcw　", "/home/u"},
        {"C:\\export\\game.tcw", "C:\\export"},
        {"a\\b/c", "a\\b"},
        {"/file", ""},
        {"file.tcw", ""},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& [path, parent] : cases)
        EXPECT_EQ(gfGetParentFolder(QString::fromUtf8(path)), QString::fromUtf8(parent)) << path;
}

TEST_F(HelpersTest, OpenWebPageReportsAFailedStartAsFailure)
{
    auto& ui = recordingUi();
    EXPECT_FALSE(gfOpenWebPage(QStringLiteral("https://example.org/page.html"), true));
    ASSERT_EQ(ui.openedUrls.size(), 1);
    EXPECT_EQ(ui.openedUrls[0], QStringLiteral("https://example.org/page.html"));

    ui.openUrlResult = false;
    EXPECT_TRUE(gfOpenWebPage(QStringLiteral("/opt/tallicor/html/help/index.html"), false));
    EXPECT_TRUE(ui.messages.empty());   // the caller tells the user
}

}  // namespace

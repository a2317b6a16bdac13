// The point ranking page: its two halves (36 rows each, the right half level
// with the left and without separators of its own, 72 rows a page, 73 give
// two), points in tenths with one decimal, ranks as stored, the age and
// gender cell, the group or region column and the head lines.

#include "core/test_season_fixture.h"
#include "loaded_report.h"

#include "core/printstate.h"
#include "reports/season/frmPfPointRanking.h"
#include "support/recordingui.h"

using namespace loadedreport;

namespace {

class PointPageTest : public seasonfx::Folder {
protected:
    void SetUp() override
    {
        Folder::SetUp();
        gBelongList.clear();
        gstrPrintTitle1 = QStringLiteral("* 春季リーグ *");
        gstrPrintTitle2 = QStringLiteral("最終");
        gstrPrintDate = QStringLiteral("令和1年5月3日(金)～令和1年6月1日(土)：ゲーム数（5）");
        gstrPrintPointsNote = QStringLiteral("（ポイント：1位：10、...）");
        gstrSeasonLastDate = QStringLiteral("2019/06/01");
        gintBelongOrLocation = 0;
    }
    void TearDown() override
    {
        gBelongList.clear();
        Folder::TearDown();
    }

    // n ranked players 1..n, Points 10 * (n - i) tenths, each rank its
    // position.
    static void rank(int n)
    {
        gPointRanking.clear();
        for (int i = 0; i < n; ++i)
            gPointRanking.push_back(PointRank{i + 1, 1, 10 * (n - i), i + 1});
    }
};

TEST_F(PointPageTest, SeventyThreePlayersFillTwoHalvesOfPageOneAndOneRowOfPageTwo)
{
    rank(73);
    const Report r = load<frmPfPointRanking>();
    ASSERT_EQ(r.counted, 2);
    EXPECT_TRUE(recordingUi().messages.empty());
    const print::PageForm& p1 = r.page(1);
    EXPECT_EQ(shown(p1, "lblNo").size(), 72u);
    // Row 1 and row 37 stand level at 1500 (cells at 1560), left and right.
    EXPECT_EQ(cellAt(p1, "lblNo", 240, 1560), "1");
    EXPECT_EQ(cellAt(p1, "lblNo", 5760, 1560), "37");
    EXPECT_EQ(cellAt(p1, "lblGameNum", 9360, 1560), "1");
    EXPECT_EQ(cellAt(p1, "lblPoints", 9900, 1560), "37.0");
    // Row 36 is the last of the left half, ending at 14460.
    EXPECT_EQ(cellAt(p1, "lblNo", 240, 14160), "36");
    EXPECT_EQ(cellAt(p1, "lblNo", 5760, 14160), "72");
    // Separators come from the left rows only, across both halves; the page
    // closes at the bottom of the left half.
    QStringList thin;
    for (int k = 1; k < 36; ++k)
        thin << QStringLiteral("%1:1").arg(1500 + 360 * k);
    EXPECT_EQ(rules(p1, "linHosoYoko"), thin);
    EXPECT_EQ(rules(p1, "linFutoYoko"), QStringList({"1500:2", "14460:2"}));
    for (const print::Control* sep : shown(p1, "linHosoYoko")) {
        EXPECT_EQ(sep->x1, 180);
        EXPECT_EQ(sep->x2, 11100);
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(p1.control("linTate", i).y1, 1140);
        EXPECT_EQ(p1.control("linTate", i).y2, 14460);
    }
    EXPECT_EQ(p1.control("lblScorePage").caption, QStringLiteral("ポイント集計（1/2）"));
    EXPECT_EQ(p1.control("lblPage").caption, "- 1 -");

    const print::PageForm& p2 = r.page(2);
    EXPECT_EQ(captions(p2, "lblNo"), QStringList{"73"});
    EXPECT_EQ(cellAt(p2, "lblNo", 240, 1560), "73");
    EXPECT_EQ(rules(p2, "linFutoYoko"), QStringList({"1500:2", "1860:2"}));
    EXPECT_EQ(p2.control("linTate", 11).y2, 1860);
    EXPECT_EQ(p2.control("lblScorePage").caption, QStringLiteral("ポイント集計（2/2）"));
    for (int p : {1, 2})
        EXPECT_EQ(r.page(p).control("lblEntryNum").caption, QStringLiteral("参加 73名"));
}

TEST_F(PointPageTest, HalvesAndPagesByRowCount)
{
    struct Case {
        int rows;
        int pages;
        int leftOnPage1;
        int rightOnPage1;
    };
    for (const Case c : {Case{1, 1, 1, 0}, Case{36, 1, 36, 0}, Case{37, 1, 36, 1}, Case{72, 1, 36, 36},
                         Case{73, 2, 36, 36}}) {
        SCOPED_TRACE(c.rows);
        rank(c.rows);
        const Report r = load<frmPfPointRanking>();
        EXPECT_EQ(r.counted, c.pages);
        int left = 0, right = 0;
        for (const print::Control* cell : shown(r.page(1), "lblNo"))
            (cell->left == 240 ? left : right)++;
        EXPECT_EQ(left, c.leftOnPage1);
        EXPECT_EQ(right, c.rightOnPage1);
        // The right half never adds a separator; the closing line is at the
        // left half's bottom.
        EXPECT_EQ(shown(r.page(1), "linHosoYoko").size(), size_t(c.leftOnPage1 - 1));
        EXPECT_EQ(rules(r.page(1), "linFutoYoko").value(1), QStringLiteral("%1:2").arg(1500 + 360 * c.leftOnPage1));
    }
}

TEST_F(PointPageTest, PointsInTenthsRanksAsStoredAndTheAgeGenderCell)
{
    testsupport::addMember(1, QStringLiteral("山田"), "1956/01/10", 1);
    testsupport::addMember(2, QStringLiteral("鈴木"), "", 2);
    testsupport::addMember(3, QStringLiteral("佐藤"), "1960/02/30", 0);
    gPointRanking = {{1, 5, 125, 1}, {2, 4, 125, 1}, {3, 2, 100, 3}, {9, 1, 0, 4}};
    const Report r = load<frmPfPointRanking>();
    const print::PageForm& p = r.page(1);
    EXPECT_EQ(captions(p, "lblNo"), QStringList({"1", "1", "3", "4"}));
    EXPECT_EQ(captions(p, "lblPoints"), QStringList({"12.5", "12.5", "10.0", "0.0"}));
    EXPECT_EQ(captions(p, "lblGameNum"), QStringList({"5", "4", "2", "1"}));
    EXPECT_EQ(captions(p, "lblName"), QStringList({QStringLiteral("山田"), QStringLiteral("鈴木"),
                                                   QStringLiteral("佐藤"), ""}));
    // Ages on the last game date; a missing birthday or gender is "-", a
    // player missing from the list has neither.
    EXPECT_EQ(captions(p, "lblAge"), QStringList({"(63,M)", "(-,F)", "(-,-)", "(,)"}));
    for (const print::Control* age : shown(p, "lblAge"))
        EXPECT_EQ(age->left + age->width, 2715);   // the name header's right edge
}

TEST_F(PointPageTest, GroupOrRegionColumn)
{
    gBelongList.push_back(BelongInfo{5, QStringLiteral("東町ゲートボール愛好会"), QString(), 0, 0});
    gBelongList.push_back(BelongInfo{6, QStringLiteral("西町クラブ"), QStringLiteral("西町"), 0, 0});
    testsupport::addMember(1, "a", "", 1, 5, QStringLiteral("北海道札幌市"));
    testsupport::addMember(2, "b", "", 1, 6, QStringLiteral("東京"));
    testsupport::addMember(3, "c", "", 1, 0, QString());
    gPointRanking = {{1, 1, 30, 1}, {2, 1, 20, 2}, {3, 1, 10, 3}};
    struct Case {
        Integer option;
        QString header;
        QStringList cells;
    };
    const Case cases[] = {
        {0, "", {"", "", ""}},
        {1, QStringLiteral("所属"), {QStringLiteral("東町ゲート"), QStringLiteral("西町"), ""}},
        {2, QStringLiteral("地域"), {QStringLiteral("北海道札幌"), QStringLiteral("東京"), ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        gintBelongOrLocation = c.option;
        const Report r = load<frmPfPointRanking>();
        const print::PageForm& p = r.page(1);
        for (int half : {0, 1}) {
            EXPECT_EQ(p.control("lblBelongOrLocation", half).caption, c.header);
            EXPECT_TRUE(p.control("lblBelongOrLocation", half).visible);
        }
        // The cells are made and shown even when empty; the column's lines
        // stay.
        EXPECT_EQ(captions(p, "lblGroupName"), c.cells);
        EXPECT_EQ(p.control("linTate", 2).x1, 2760);
        EXPECT_EQ(p.control("linTate", 2).borderWidth, 1);
    }
}

TEST_F(PointPageTest, HeadLines)
{
    rank(2);
    const Report r = load<frmPfPointRanking>();
    const print::PageForm& p = r.page(1);
    const auto& title = p.control("lblSeasonTittle");
    EXPECT_EQ(title.caption, gstrPrintTitle1);
    EXPECT_EQ(title.font.size, 11.25);
    EXPECT_TRUE(title.font.bold);
    EXPECT_EQ(p.control("lblPeriod").caption, gstrPrintDate);
    EXPECT_TRUE(p.control("lblPeriod").font.bold);
    EXPECT_EQ(p.control("lblScoreTittle").caption, QStringLiteral("最終"));
    EXPECT_EQ(p.control("lblScoreTittle").left, 6660);
    EXPECT_EQ(p.control("lblGamePoints").caption, gstrPrintPointsNote);
    EXPECT_EQ(p.control("lblGamePoints").font.size, 9);
    EXPECT_EQ(p.control("lblEntryNum").caption, QStringLiteral("参加 2名"));
    // Right-aligned and sized to its text, its right edge stays at 11055.
    EXPECT_NEAR(p.control("lblEntryNum").left + p.control("lblEntryNum").width, 11055, 0.5);
    EXPECT_EQ(p.control("lblEntryNum").top, 840);
    EXPECT_EQ(p.control("lblNameTitle", 1).caption, QStringLiteral("　名 前　（年令・性別）"));
    EXPECT_EQ(p.control("lblPointsTitle", 0).caption, QStringLiteral("ポイント合計"));

    // The counting load leaves the page texts empty.
    gintPageNo = -1;
    gintPageCount = -1;
    const auto counting = print::loadPageForm(print::pageFormFactory<frmPfPointRanking>());
    EXPECT_TRUE(counting->control("lblScorePage").caption.isEmpty());
    EXPECT_TRUE(counting->control("lblPage").caption.isEmpty());
    EXPECT_TRUE(shown(*counting, "lblNo").empty());
}

}  // namespace

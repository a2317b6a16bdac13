// The page-form frame on a small test form: page counting, the page asked
// for filled alone, the row that ends exactly at the page limit, a report
// without rows, the group filter, auto-sized head labels and the failure
// path.

#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/records.h"
#include "platform/vbruntime.h"
#include "reports/pageframe.h"
#include "support/recordingui.h"

#include <gtest/gtest.h>

#include <vector>

using print::Control;

namespace {

// One row per entry of `groups` (the row's group), numbered from 1; the
// filter keeps the rows of glngExtractBelong when it is set.
class frmPfTest : public PageFrame {
public:
    explicit frmPfTest(double top = 840) : PageFrame(QStringLiteral("frmPfTest"), QStringLiteral("テスト表"))
    {
        const print::Font bold = font(9.75, true);
        add(print::label("lblExractBelong").at(240, 0, 1560, 195).sizedToText().hidden());
        add(print::label("lblScorePage").at(9510, 0, 1605, 195).align(print::AlignRight).withFont(bold).sizedToText());
        add(print::label("lblSeasonTittle").at(240, 240, 10890, 195).withFont(bold));
        add(print::label("lblScoreTittle").at(240, 540, 9735, 195).withFont(bold));
        add(print::label("lblEntryNum").at(10200, 540, 855, 195).align(print::AlignRight).sizedToText());
        add(print::label("lblPage").at(5198, 14760, 915, 195).align(print::AlignCenter));
        add(print::line("linTop").from(180, top, 11100, top).thick(2));
        add(print::line("linTate", 0).from(180, top, 180, 2280).thick(2));
        add(print::line("linTate", 1).from(11100, top, 11100, 2280).thick(2));
        add(print::line("linFutoYoko", 0).from(180, 0, 11100, 0).thick(2).color(print::kRed).hidden());
        add(print::line("linHosoYoko", 0).from(600, 0, 8400, 0).color(print::kBlue).hidden());
        add(print::label("lblNo", 0).at(240, 0, 345, 255).color(print::kRed).text("99").hidden());
    }

    std::vector<Long> groups;
    bool filter = false;
    Long failAtRow = -1;

protected:
    void pfDataSetBody() override
    {
        psSetHeads(QStringLiteral("参加 ") + QString::number(groups.size()) + QStringLiteral("名"));
        psStretchTateToTop();
        psClearPageTexts();
        Walk w;
        w.rows = static_cast<Long>(groups.size());
        w.groupFilter = filter;
        if (filter)
            w.keep = [this](Long i) { return glngExtractBelong == 0 || groups[size_t(i)] == glngExtractBelong; };
        w.drawRow = [this](Long i) {
            if (i == failAtRow)
                vb::raiseDivisionByZero();
            psCell(QStringLiteral("lblNo"), QString::number(i + 1));
        };
        psWalk(w);
    }
};

class PageFrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        glngExtractBelong = 0;
        gstrPrintTitle1 = QStringLiteral("第1回");
        gstrPrintTitle2 = QStringLiteral("大会");
    }
    void TearDown() override { glngExtractBelong = 0; }

    // Loads the form for `page` of `count` (-1: only counting).
    std::unique_ptr<frmPfTest> load(size_t rows, Integer page, Integer count, double top = 840)
    {
        auto f = std::make_unique<frmPfTest>(top);
        f->groups.assign(rows, 1);
        return loadWith(std::move(f), page, count);
    }
    std::unique_ptr<frmPfTest> loadWith(std::unique_ptr<frmPfTest> f, Integer page, Integer count)
    {
        gintPageNo = page;
        gintPageCount = count;
        f->load();
        return f;
    }
    // The visible loaded elements of an array, as "caption@top" or, for
    // lines, "y1" with "T" for a thick one.
    static QStringList cells(const frmPfTest& f)
    {
        QStringList out;
        for (const Control& c : f.controls())
            if (c.name == "lblNo" && c.index > 0 && c.visible)
                out << c.caption + '@' + QString::number(c.top);
        return out;
    }
    static QStringList separators(const frmPfTest& f)
    {
        QStringList out;
        for (const Control& c : f.controls())
            if ((c.name == "linFutoYoko" || c.name == "linHosoYoko") && c.index > 0 && c.visible)
                out << QString::number(c.y1) + (c.name == "linFutoYoko" ? "T" : "");
        return out;
    }
};

TEST_F(PageFrameTest, ThirtySevenRowsFillAPageAndTheThirtyEighthStartsTheNext)
{
    EXPECT_EQ(load(37, -1, -1)->gintMaxPageNo, 1);
    EXPECT_EQ(load(38, -1, -1)->gintMaxPageNo, 2);
    EXPECT_EQ(load(74, -1, -1)->gintMaxPageNo, 2);
    EXPECT_EQ(load(75, -1, -1)->gintMaxPageNo, 3);
    // With linTop at 1020 the 37th row ends exactly at 14700 and stays.
    EXPECT_EQ(load(37, -1, -1, 1020)->gintMaxPageNo, 1);
    EXPECT_EQ(load(38, -1, -1, 1020)->gintMaxPageNo, 2);
    const auto f = load(37, 1, 1, 1020);
    EXPECT_EQ(cells(*f).last(), "37@14400");
    EXPECT_EQ(f->control("linTate", 0).y2, 14700);
}

TEST_F(PageFrameTest, CountingLoadMakesNoRowAndLeavesThePageTextsEmpty)
{
    const auto f = load(80, -1, -1);
    EXPECT_EQ(f->gintMaxPageNo, 3);
    EXPECT_EQ(f->loadedCount("lblNo"), 0);
    EXPECT_EQ(f->loadedCount("linFutoYoko"), 0);
    EXPECT_EQ(f->loadedCount("linHosoYoko"), 0);
    EXPECT_EQ(f->control("lblScorePage").caption, "");
    EXPECT_EQ(f->control("lblPage").caption, "");
    // The heads are set on every load.
    EXPECT_EQ(f->control("lblSeasonTittle").caption, QStringLiteral("第1回"));
    EXPECT_EQ(f->control("lblScoreTittle").caption, QStringLiteral("大会"));
    EXPECT_EQ(f->control("lblEntryNum").caption, QStringLiteral("参加 80名"));
}

TEST_F(PageFrameTest, PageTwoOfThreeFillsOnlyPageTwo)
{
    const auto f = load(80, 2, 3);
    EXPECT_EQ(f->gintMaxPageNo, 3);
    const QStringList c = cells(*f);
    ASSERT_EQ(c.size(), 37);
    EXPECT_EQ(c.first(), "38@1260");   // the first row at 840 + 360, its cell 60 below
    EXPECT_EQ(c.last(), "74@14220");
    QStringList expectedLines{"1200T"};
    for (int r = 1; r < 37; ++r)
        expectedLines << QString::number(1200 + r * 360);
    expectedLines << "14520T";   // the closing line under the 37th row
    EXPECT_EQ(separators(*f), expectedLines);
    EXPECT_EQ(f->control("lblScorePage").caption, QStringLiteral("テスト表（2/3）"));
    EXPECT_EQ(f->control("lblPage").caption, QStringLiteral("- 2 -"));
    for (int i : {0, 1}) {
        EXPECT_EQ(f->control("linTate", i).y1, 840);
        EXPECT_EQ(f->control("linTate", i).y2, 14520);
    }
    // A thick separator spans linTop, a thin one keeps its template's ends.
    const Control& thick = f->control("linFutoYoko", 1);
    EXPECT_EQ(thick.x1, 180);
    EXPECT_EQ(thick.x2, 11100);
    EXPECT_EQ(thick.borderColor, print::kBlack);
    EXPECT_EQ(f->control("linHosoYoko", 1).x1, 600);
    EXPECT_EQ(f->control("lblNo", 1).foreColor, print::kBlack);
    EXPECT_EQ(f->control("lblNo", 1).left, 240);

    // The last page holds the rest.
    EXPECT_EQ(cells(*load(80, 3, 3)), QStringList({"75@1260", "76@1620", "77@1980", "78@2340", "79@2700", "80@3060"}));
}

TEST_F(PageFrameTest, NoRowsCountNoPageAndTheOnePageShownIsEmpty)
{
    auto f = std::make_unique<frmPfTest>();
    f->filter = true;
    glngExtractBelong = 3;
    f = loadWith(std::move(f), -1, -1);
    EXPECT_EQ(f->gintMaxPageNo, 0);
    f = std::make_unique<frmPfTest>();
    f->filter = true;
    f = loadWith(std::move(f), 1, 1);
    EXPECT_TRUE(cells(*f).isEmpty());
    EXPECT_TRUE(separators(*f).isEmpty());
    EXPECT_EQ(f->control("lblScorePage").caption, "");
    EXPECT_EQ(f->control("lblPage").caption, "");
    EXPECT_FALSE(f->control("lblExractBelong").visible);
    EXPECT_EQ(f->control("linTate", 0).y1, 840);
    EXPECT_EQ(f->control("linTate", 0).y2, 2280);   // its design length
}

TEST_F(PageFrameTest, GroupFilterKeepsNumbersAndGivesAThinLineAfterADroppedPageTopRow)
{
    gBelongList.clear();
    gBelongList.push_back(BelongInfo{2, QStringLiteral("青組"), QStringLiteral("青"), 0, 0});
    auto make = [&] {
        auto f = std::make_unique<frmPfTest>();
        f->filter = true;
        // Rows 1..37 fill page 1 unfiltered; with group 2 only rows 1, 3 and
        // 5 take room, and the rows of group 1 pass the page steps only.
        f->groups = {2, 1, 2, 1, 2};
        return f;
    };
    glngExtractBelong = 2;
    auto f = loadWith(make(), 1, 1);
    EXPECT_EQ(f->gintMaxPageNo, 1);
    EXPECT_EQ(cells(*f), QStringList({"1@1260", "3@1620", "5@1980"}));
    EXPECT_EQ(separators(*f), QStringList({"1200T", "1560", "1920", "2280T"}));
    EXPECT_TRUE(f->control("lblExractBelong").visible);
    EXPECT_EQ(f->control("lblExractBelong").caption, QStringLiteral("【所属抽出：青組】"));

    // A page that begins with a dropped row: the first row shown on it is
    // not its first row and gets a thin line.
    auto g = std::make_unique<frmPfTest>();
    g->filter = true;
    g->groups = {1, 2, 2};
    g = loadWith(std::move(g), 1, 1);
    EXPECT_EQ(cells(*g), QStringList({"2@1260", "3@1620"}));
    EXPECT_EQ(separators(*g), QStringList({"1200", "1560", "1920T"}));

    // Every row after a page break dropped: the last page is its head only,
    // closed under the header row.
    auto h = std::make_unique<frmPfTest>();
    h->filter = true;
    h->groups.assign(37, 2);
    h->groups.push_back(1);
    h->groups.push_back(1);
    EXPECT_EQ(loadWith(std::move(h), -1, -1)->gintMaxPageNo, 2);
    h = std::make_unique<frmPfTest>();
    h->filter = true;
    h->groups.assign(37, 2);
    h->groups.push_back(1);
    h->groups.push_back(1);
    h = loadWith(std::move(h), 2, 2);
    EXPECT_TRUE(cells(*h).isEmpty());
    EXPECT_EQ(separators(*h), QStringList({"1200T"}));
    EXPECT_EQ(h->control("lblScorePage").caption, QStringLiteral("テスト表（2/2）"));
    EXPECT_EQ(h->control("linTate", 1).y2, 1200);

    // Without a group chosen every row is shown and the group label hidden.
    glngExtractBelong = 0;
    auto all = loadWith(make(), 1, 1);
    EXPECT_EQ(cells(*all).size(), 5);
    EXPECT_FALSE(all->control("lblExractBelong").visible);
    gBelongList.clear();
}

TEST_F(PageFrameTest, AutoSizedHeadLabelsKeepTheirRightOrLeftEdge)
{
    gstrPrintTitle1.clear();
    const auto f = load(1, 1, 1);
    const Control& page = f->control("lblScorePage");
    EXPECT_DOUBLE_EQ(page.left + page.width, 9510 + 1605);
    EXPECT_DOUBLE_EQ(page.width, print::textWidthTwips(page.font, QStringLiteral("テスト表（1/1）")));
    EXPECT_GT(page.height, 0);
    const Control& entries = f->control("lblEntryNum");
    EXPECT_DOUBLE_EQ(entries.left + entries.width, 10200 + 855);

    glngExtractBelong = 9;
    auto g = std::make_unique<frmPfTest>();
    g->filter = true;
    g->groups = {9};
    g = loadWith(std::move(g), 1, 1);
    const Control& belong = g->control("lblExractBelong");
    EXPECT_EQ(belong.left, 240);
    EXPECT_DOUBLE_EQ(belong.width, print::textWidthTwips(belong.font, belong.caption));
}

TEST_F(PageFrameTest, AFailureShowsTheFormsMessagesAndKeepsWhatWasBuilt)
{
    auto f = std::make_unique<frmPfTest>();
    f->groups.assign(50, 1);
    f->failAtRow = 39;   // the third row of page 2
    f = loadWith(std::move(f), 2, 2);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("frmPfTest::pfDataSet(): 0 で除算しました。"));
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);
    EXPECT_EQ(recordingUi().messages[1].prompt, QStringLiteral("印刷中にエラーが発生しました！ 再実行してください。"));
    EXPECT_EQ(recordingUi().messages[1].title, QString());
    EXPECT_EQ(recordingUi().messages[1].style, platform::vbOKOnly | platform::vbExclamation);
    EXPECT_EQ(f->gintMaxPageNo, 2);
    EXPECT_EQ(cells(*f), QStringList({"38@1260", "39@1620"}));
}

}  // namespace

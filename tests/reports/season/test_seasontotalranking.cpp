// The season total ranking through the page dump tool: the five bases with
// their titles, bold columns, thick lines, averages and stroke classes, the
// double line above the players below the minimum, the handicap column, the
// category title with renumbered ranks, and the extra column.
#include "season_pages_support.h"

namespace {

using seasonfx::Game;
using seasonpages::Dump;
using seasonpages::Element;

// Eight holes of `strokes` each, the last `extra` holes one stroke more.
QString holes(int strokes, int extra = 0)
{
    QStringList l;
    for (int h = 0; h < 8; ++h)
        l << QString::number(h >= 8 - extra ? strokes + 1 : strokes);
    return l.join(',');
}

class SeasonTotalRankingTest : public seasonpages::SeasonPagesTest {
protected:
    // Games of one round of 8 holes:
    //   1 (man, 1940/01/10, 青空): 72, 72, 73 = 217 over 3 rounds, 24 holes
    //   2 (woman, 1949/05/10, 白雲クラブ): 144, 145 = 289 over 2
    //   3 (woman, no birthday, 大阪府大阪市北区): 33, 33, 34 = 100 over 24 holes
    //   4 (man, 1980/01/01): 22 with a hole in one (net 19), handicap 5 in the
    //     first game, which counts handicaps
    void SetUp() override
    {
        SeasonPagesTest::SetUp();
        writeMembers({{1, "一郎", 1, "1940/01/10", 1}, {2, "花子", 2, "1949/05/10", 2},
                      {3, "春子", 2, "", 0, "", "大阪府大阪市北区"}, {4, "四郎", 1, "1980/01/01"}});
        writeGroups({{1, "青空クラブ", "青空"}, {2, "白雲クラブ", ""}});
        Game g1, g2, g3;
        for (Game* g : {&g1, &g2, &g3}) {
            g->hole = 8;
            g->round = 1;
        }
        g1.date = "2009/03/01";
        g2.date = "2009/04/05";
        g3.date = "2009/05/10";
        g1.handicapKind = 1;
        g1.players = {{1, {holes(9)}}, {2, {holes(18)}}, {3, {holes(4, 1)}}, {4, {"1,3,3,3,3,3,3,3"}, "", 5}};
        g2.players = {{1, {holes(9)}}, {2, {holes(18, 1)}}, {3, {holes(4, 1)}}};
        g3.players = {{1, {holes(9, 1)}}, {3, {holes(4, 2)}}};
        games = writeGames({g1, g2, g3});
    }

    Dump basis(int b, const QStringList& more = {})
    {
        const Dump d = run("total-ranking", games, QStringList{"--basis", QString::number(b)} + more);
        EXPECT_EQ(d.exitCode, 0) << d.errors.toStdString();
        return d;
    }

    QStringList games;
};

TEST_F(SeasonTotalRankingTest, TheFiveBases)
{
    struct Case {
        int basis;
        QString title;
        QString averageHeader;   // "<hidden>" when not shown
        QStringList names;
        QStringList ranks;
        QStringList averages;
        QStringList rules;
        QString boldHeader;      // the header made bold
        std::vector<int> thickTates;
    } cases[] = {
        {0, "総合通算順位表［ﾗｳﾝﾄﾞ平均］（1/1）", "R平均", {"春子", "一郎", "花子", "四郎"}, {"1", "2", "3", "4"},
         {"33.333", "72.333", "144.500", "19.000"},
         // Four is below the 2 rounds required: a double line, 60 apart.
         {"1200:2", "1560:1", "1920:1", "2280:2", "2340:2", "2700:2"}, "lblRNum", {3, 4}},
        {1, "総合通算順位表［ｹﾞｰﾑ平均］（1/1）", "G平均", {"春子", "一郎", "花子", "四郎"}, {"1", "2", "3", "4"},
         {"33.333", "72.333", "144.500", "19.000"}, {"1200:2", "1560:1", "1920:1", "2280:2", "2340:2", "2700:2"},
         "lblGNum", {3}},
        {2, "総合通算順位表［ﾎｰﾙ平均］（1/1）", "Ho平均", {"春子", "一郎", "花子", "四郎"}, {"1", "2", "3", "4"},
         {"4.1667", "9.0417", "18.0625", "2.3750"}, {"1200:2", "1560:1", "1920:1", "2280:2", "2340:2", "2700:2"},
         "lblHNum", {4}},
        // Groups of equal games, rounds and holes open with a thick line.
        {3, "総合通算順位表［合計］（1/1）", "<hidden>", {"春子", "一郎", "花子", "四郎"}, {"1", "2", "3", "4"}, {},
         {"1200:2", "1560:1", "1920:2", "2280:2", "2640:2"}, "", {}},
        // Holes in one first, then the older birthday; no birthday last.
        {4, "総合通算順位表［ﾎｰﾙｲﾝﾜﾝ］（1/1）", "", {"四郎", "一郎", "花子", "春子"}, {"1", "2", "3", "4"}, {},
         {"1200:2", "1560:1", "1920:1", "2280:1", "2640:2"}, "lblH1Tittle", {6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.basis);
        const Dump d = basis(c.basis);
        EXPECT_EQ(d.pages, 1);
        EXPECT_EQ(d.caption(1, "lblScorePage"), c.title);
        EXPECT_EQ(d.caption(1, "lblEntryNum"), "参加 4名");
        EXPECT_EQ(d.caption(1, "lblRGAverage"), c.averageHeader);
        EXPECT_EQ(d.captions(1, "lblName"), c.names);
        EXPECT_EQ(d.captions(1, "lblNo"), c.ranks);
        EXPECT_EQ(d.captions(1, "lblRoundAve"), c.averages);
        EXPECT_EQ(d.rules(1), c.rules);
        if (c.basis <= 2)
            EXPECT_TRUE(d.find(1, "lblRGAverage")->bold);
        // Bold headers and the thick column lines of the basis.
        for (const char* h : {"lblGNum", "lblRNum", "lblHNum", "lblH1Tittle"})
            EXPECT_EQ(d.find(1, h)->bold, c.boldHeader == h) << h;
        EXPECT_EQ(d.find(1, "lblTotalTittle")->bold, c.basis != 4);
        EXPECT_EQ(d.find(1, "lblGoukei", 1)->bold, c.basis != 4);
        for (int t : {3, 4, 6})
            EXPECT_EQ(d.find(1, "linTate", t)->width,
                      std::count(c.thickTates.begin(), c.thickTates.end(), t) ? 2 : 1)
                << t;
        // The stroke-class columns only under the total.
        EXPECT_EQ(d.find(1, "lblDa2", 0) != nullptr, c.basis == 3);
        EXPECT_EQ(d.find(1, "linTate", 12) != nullptr, c.basis == 3);
    }
}

TEST_F(SeasonTotalRankingTest, BoldCellsFollowTheBasis)
{
    const struct {
        int basis;
        std::vector<const char*> bold;
    } cases[] = {{0, {"lblRoundNum", "lblRoundAve"}},
                 {1, {"lblGameNum", "lblRoundAve"}},
                 {2, {"lblHoleNum", "lblRoundAve"}},
                 {3, {"lblGameNum", "lblRoundNum", "lblHoleNum"}},
                 {4, {"lblHoleIn1Num"}}};
    for (const auto& c : cases) {
        const Dump d = basis(c.basis);
        for (const char* cell : {"lblGameNum", "lblRoundNum", "lblHoleNum", "lblHoleIn1Num", "lblRoundAve"}) {
            const Element* e = d.find(1, cell, 1);
            if (!e)
                continue;
            const bool expected = std::find_if(c.bold.begin(), c.bold.end(),
                                               [cell](const char* b) { return QString(b) == cell; })
                                  != c.bold.end();
            EXPECT_EQ(e->bold, expected) << c.basis << " " << cell;
        }
    }
}

TEST_F(SeasonTotalRankingTest, TheTotalShowsHandicapsAndStrokeClassesUpToJudgeDaSu)
{
    store("SeriesPrint_JudgeDaSu", "3");
    const Dump d = basis(3);
    // Some handicap is not zero: the header stays and every row shows its own.
    EXPECT_EQ(d.caption(1, "lblHcTitle"), "Hc");
    EXPECT_EQ(d.captions(1, "lblHc"), (QStringList{"0", "0", "0", "5"}));
    EXPECT_EQ(d.captions(1, "lblGoukei"), (QStringList{"100", "217", "289", "24"}));   // 19 + 5
    // The four headers moved up to the header row, 480 apart.
    for (int k = 0; k < 4; ++k) {
        const Element* h = d.find(1, QStringLiteral("lblDa%1").arg(k + 2), 0);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->b, 900);
        EXPECT_EQ(h->a, 8160 + 480 * k);
        EXPECT_EQ(h->caption, QStringLiteral("%1打").arg(k + 2));
    }
    // Four: seven holes in 3, none in 2: 2打 and 3打 count, 4打 and 5打 do not.
    EXPECT_EQ(d.captions(1, "lblDa2").last(), "0");
    EXPECT_EQ(d.captions(1, "lblDa3").last(), "7");
    EXPECT_EQ(d.captions(1, "lblDa4"), QStringList(4, "-"));
    EXPECT_EQ(d.captions(1, "lblDa5"), QStringList(4, "-"));
    EXPECT_EQ(d.captions(1, "lblHoleIn1Num"), (QStringList{"0", "0", "0", "1"}));
    EXPECT_TRUE(d.captions(1, "lblRoundAve").isEmpty());

    // Under the averages the handicap column is "-" throughout.
    const Dump r = basis(0);
    EXPECT_EQ(r.caption(1, "lblHcTitle"), "-");
    EXPECT_EQ(r.captions(1, "lblHc"), QStringList(4, "-"));
}

TEST_F(SeasonTotalRankingTest, TotalWithoutHandicapsShowsDashes)
{
    // The first game no longer counts handicaps.
    QStringList lines;
    ASSERT_TRUE(platform::readTextLines(QDir(gstrGamesFolder).filePath(games[0]), lines));
    lines.replaceInStrings("HandiCapKind=1", "HandiCapKind=0");
    write(QDir(gstrGamesFolder).filePath(games[0]), lines);
    const Dump d = basis(3);
    EXPECT_EQ(d.caption(1, "lblHcTitle"), "-");
    EXPECT_EQ(d.captions(1, "lblHc"), QStringList(4, "-"));
}

TEST_F(SeasonTotalRankingTest, CellsOfARow)
{
    const Dump d = basis(0);
    // Row 2 is 一郎 (cells 60 below the row at 1560).
    EXPECT_EQ(d.cellAt(1, "lblName", 1620), "一郎");
    EXPECT_EQ(d.cellAt(1, "lblAge", 1620), "(69,M)");   // at 2009/05/10
    EXPECT_EQ(d.cellAt(1, "lblGroupName", 1620), "青空");
    EXPECT_EQ(d.cellAt(1, "lblGameNum", 1620), "3");
    EXPECT_EQ(d.cellAt(1, "lblRoundNum", 1620), "3");
    EXPECT_EQ(d.cellAt(1, "lblHoleNum", 1620), "24");
    EXPECT_EQ(d.cellAt(1, "lblJituDa", 1620), "217");
    EXPECT_EQ(d.cellAt(1, "lblHoleIn1Num", 1620), "0");
    EXPECT_EQ(d.cellAt(1, "lblBirthday", 1620), "S15/01/10");
    EXPECT_EQ(d.cellAt(1, "lblGroupName", 1980), "白雲クラブ");   // no short name: the name's first five
    EXPECT_EQ(d.cellAt(1, "lblBirthday", 1260), "");            // 春子 has no birthday
    EXPECT_EQ(d.cellAt(1, "lblAge", 1260), "(-,F)");
    EXPECT_EQ(d.caption(1, "lblBelongOrLocation"), "所属");
    const Element* font = d.find(1, "lblGroupName", 1);
    EXPECT_EQ(font->size, "9");

    store("SeriesPrint_BelongOrLocation", "2");
    store("SeriesPrint_JudgeBirthday", "0");
    const Dump r = basis(0);
    EXPECT_EQ(r.caption(1, "lblBelongOrLocation"), "地域");
    EXPECT_EQ(r.cellAt(1, "lblGroupName", 1260), "大阪府大阪");
    EXPECT_EQ(r.captions(1, "lblBirthday"), QStringList(4, "-"));
    store("SeriesPrint_BelongOrLocation", "0");
    const Dump n = basis(0);
    EXPECT_EQ(n.caption(1, "lblBelongOrLocation"), "");
    EXPECT_EQ(n.captions(1, "lblGroupName"), QStringList(4, ""));
}

TEST_F(SeasonTotalRankingTest, CategoryTitleAndRenumberedRanks)
{
    // Women of 60 and above at the last game date: 花子 is exactly 60, 春子
    // has no birthday.
    const Dump d = basis(0, {"--category", "2,60,-1"});
    EXPECT_EQ(d.caption(1, "lblScorePage"), "部門別（女子：60歳～）通算順位表［ﾗｳﾝﾄﾞ平均］（1/1）");
    EXPECT_EQ(d.caption(1, "lblEntryNum"), "参加 1名");
    EXPECT_EQ(d.captions(1, "lblName"), QStringList{"花子"});
    EXPECT_EQ(d.captions(1, "lblNo"), QStringList{"1"});

    // Nobody fits: one page with the heads and no row.
    const Dump e = basis(0, {"--category", "1,90,-1"});
    EXPECT_EQ(e.pages, 1);
    EXPECT_EQ(e.caption(1, "lblEntryNum"), "参加 0名");
    EXPECT_EQ(e.caption(1, "lblScorePage"), "");
    EXPECT_TRUE(e.captions(1, "lblName").isEmpty());
}

TEST_F(SeasonTotalRankingTest, EveryPageOfPlayersBelowTheMinimumOpensWithTheDoubleLine)
{
    // 38 players with one round each over 3 ticked games: 2 rounds required.
    std::vector<seasonpages::Member> members;
    Game g;
    g.hole = 8;
    g.round = 1;
    g.date = "2009/03/01";
    for (int id = 1; id <= 38; ++id) {
        members.push_back({id, QStringLiteral("選手%1").arg(id)});
        g.players.push_back({id, {holes(3 + id % 5)}});
    }
    writeMembers(members);
    Game empty = g;
    empty.players.clear();
    empty.date = "2009/04/01";
    const QStringList files = writeGames({g, empty, empty});
    const Dump d = run("total-ranking", files);
    ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
    EXPECT_EQ(d.pages, 2);
    const QStringList page1 = d.rules(1);
    ASSERT_EQ(page1.size(), 39);   // double line, 36 thin, closing
    EXPECT_EQ(page1.mid(0, 3), (QStringList{"1200:2", "1260:2", "1620:1"}));
    EXPECT_EQ(page1.last(), "14580:2");   // the 37th row ends 60 lower
    EXPECT_EQ(d.captions(1, "lblName").size(), 37);
    EXPECT_EQ(d.rules(2), (QStringList{"1200:2", "1260:2", "1620:2"}));
    EXPECT_EQ(d.find(2, "lblNo", 1)->b, 1320);
    EXPECT_EQ(d.caption(2, "lblEntryNum"), "参加 38名");
}

}  // namespace

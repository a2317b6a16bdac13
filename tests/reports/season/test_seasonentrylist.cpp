// The season entry list through the page dump tool: its orders, the row
// number running across pages, the head count and the cells.
#include "season_pages_support.h"

namespace {

using seasonfx::Game;
using seasonfx::Player;
using seasonpages::Dump;
using seasonpages::Member;

class SeasonEntryListTest : public seasonpages::SeasonPagesTest {
protected:
    // Players 1..n in groups 2 and 1 alternately, readings in reverse id
    // order; the first game has them all, the second every third one, and
    // player 99 never completes a round.
    QStringList season(int n)
    {
        std::vector<Member> members;
        for (int id = 1; id <= n; ++id)
            members.push_back({id, QStringLiteral("選手%1").arg(id), Integer(id % 2 ? 1 : 2), "1960/04/01",
                               id % 2 ? 2 : 1, QStringLiteral("よみ%1").arg(100 - id, 3, 10, QChar('0')),
                               QStringLiteral("東京都千代田区")});
        members.push_back({99, "未完", 1, "", 0, "ん", ""});
        writeMembers(members);
        writeGroups({{1, "青空クラブ", "青空"}, {2, "白雲クラブ", ""}});
        Game a, b;
        a.date = "2009/04/01";
        b.date = "2009/05/01";
        for (int id = 1; id <= n; ++id) {
            a.players.push_back({id, {"3,3,3,3", "3,3,3,3"}});
            if (id % 3 == 0)
                b.players.push_back({id, {"3,3,3,3", ",,,"}});
        }
        a.players.push_back({99, {"3,,3,3", ""}});
        return writeGames({a, b});
    }
};

TEST_F(SeasonEntryListTest, ThirtyEightPlayersNumberedAcrossTwoPages)
{
    const QStringList games = season(38);
    store("SeriesPrint_SortBelong", "0");
    store("SeriesPrint_NameOrEntries", "0");   // by reading
    const Dump d = run("entry-list", games);
    ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
    EXPECT_EQ(d.pages, 2);
    for (int page : {1, 2}) {
        EXPECT_EQ(d.caption(page, "lblEntryNum"), "参加 38名");
        EXPECT_EQ(d.caption(page, "lblScorePage"), QStringLiteral("参加者一覧（%1/2）").arg(page));
        EXPECT_EQ(d.caption(page, "lblPage"), QStringLiteral("- %1 -").arg(page));
    }
    const QStringList numbers1 = d.captions(1, "lblNo");
    ASSERT_EQ(numbers1.size(), 37);
    EXPECT_EQ(numbers1.first(), "1");
    EXPECT_EQ(numbers1.last(), "37");
    EXPECT_EQ(d.captions(2, "lblNo"), QStringList{"38"});
    // By reading: よみ062 (player 38) first, よみ099 (player 1) last.
    EXPECT_EQ(d.captions(1, "lblName").first(), "選手38");
    EXPECT_EQ(d.captions(2, "lblName"), QStringList{"選手1"});

    // The first row's cells and where they stand.
    const auto cell = [&](const char* array) { return *d.find(1, array, 1); };
    EXPECT_EQ(cell("lblNo").a, 300);
    EXPECT_EQ(cell("lblNo").b, 1260);
    EXPECT_EQ(cell("lblEntryGameNum").caption, "1");   // player 38 misses the second game
    EXPECT_TRUE(cell("lblEntryGameNum").bold);
    EXPECT_EQ(cell("lblAge").caption, "49");           // at the last game date 2009/05/01
    EXPECT_EQ(cell("lblGender").caption, "女");
    EXPECT_EQ(cell("lblLocation").caption, "東京都千代");
    EXPECT_EQ(cell("lblBelong").caption, "青空クラブ");
    EXPECT_EQ(cell("lblBelong").a, 6600);
    // Lines: the 37th row closes at 14520, the second page after one row.
    EXPECT_EQ(d.find(1, "linTate", 7)->d, 14520);
    EXPECT_EQ(d.find(2, "linTate", 7)->d, 1560);
    EXPECT_EQ(d.rules(2), (QStringList{"1200:2", "1560:2"}));
    EXPECT_EQ(d.caption(1, "lblSPTotal", 83), "参加数");
}

TEST_F(SeasonEntryListTest, OrdersByGroupByNameAndByGamesEntered)
{
    const QStringList games = season(6);
    struct Case {
        QString byBelong, order;
        QStringList names;
        QStringList entries;
    } cases[] = {
        // Group 1 (even ids) first, then by games entered, then ... ties by
        // the quicksort: the games column is what the order fixes.
        {"1", "1", {}, {"2", "1", "1", "2", "1", "1"}},
        {"1", "0", {"選手6", "選手4", "選手2", "選手5", "選手3", "選手1"}, {}},
        {"0", "0", {"選手6", "選手5", "選手4", "選手3", "選手2", "選手1"}, {}},
        {"0", "1", {}, {"2", "2", "1", "1", "1", "1"}},
    };
    for (const Case& c : cases) {
        store("SeriesPrint_SortBelong", c.byBelong);
        store("SeriesPrint_NameOrEntries", c.order);
        const Dump d = run("entry-list", games);
        ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
        EXPECT_EQ(d.caption(1, "lblEntryNum"), "参加 6名");
        if (!c.names.isEmpty())
            EXPECT_EQ(d.captions(1, "lblName"), c.names) << c.byBelong.toStdString() << c.order.toStdString();
        if (!c.entries.isEmpty())
            EXPECT_EQ(d.captions(1, "lblEntryGameNum"), c.entries) << c.byBelong.toStdString() << c.order.toStdString();
        if (c.byBelong == "1") {
            const QStringList groups = d.captions(1, "lblBelong");
            EXPECT_EQ(groups.mid(0, 3), QStringList(3, "青空クラブ"));
            EXPECT_EQ(groups.mid(3), QStringList(3, "白雲クラブ"));
        }
    }
}

}  // namespace

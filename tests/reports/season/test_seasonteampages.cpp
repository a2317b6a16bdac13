// The season team list and team ranking through the page dump tool: a
// player who changed team counts in both teams (のべ), the team count and
// member total the pages make themselves, the season's ranking method, and
// the positions that differ from the game's pages.
#include "season_pages_support.h"

namespace {

using seasonfx::Game;
using seasonpages::Dump;

class SeasonTeamPagesTest : public seasonpages::SeasonPagesTest {
protected:
    // Two games of 2 rounds of 4 holes, 3 strokes a hole unless told:
    //   1 一郎: team A in the first game, team B in the second
    //   2 次郎: team A in both
    //   3 三郎: team B in both
    //   4 四郎: team C in the first game, with a hole in one (22, net 19)
    void SetUp() override
    {
        SeasonPagesTest::SetUp();
        writeMembers({{1, "一郎", 1, "1950/01/01", 1}, {2, "次郎", 1, "1960/01/01"},
                      {3, "三郎", 1, "1970/01/01"}, {4, "四郎", 2, "1980/01/01"}});
        writeGroups({{1, "青空クラブ", "青空"}});
        const QString r = "3,3,3,3";
        Game g1, g2;
        g1.date = "2009/03/01";
        g2.date = "2009/04/01";
        g1.players = {{1, {r, r}, "A"}, {2, {r, r}, "A"}, {3, {r, r}, "B"}, {4, {"1,3,3,3", r}, "C"}};
        g2.players = {{1, {r, r}, "B"}, {2, {r, r}, "A"}, {3, {r, r}, "B"}};
        games = writeGames({g1, g2});
    }

    QStringList games;
};

TEST_F(SeasonTeamPagesTest, TeamListCountsAPlayerInEachOfHisTeams)
{
    const Dump d = run("team-list", games);
    ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
    EXPECT_EQ(d.pages, 1);
    EXPECT_EQ(d.caption(1, "lblScorePage"), "通算チーム一覧表（1/1）");
    EXPECT_EQ(d.caption(1, "lblEntryNum"), "参加 3ﾁｰﾑ、のべ5名");
    EXPECT_EQ(d.captions(1, "lblNo"), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(d.captions(1, "lblTeamID"), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(d.captions(1, "lblMNo"), (QStringList{"M1", "M2", "M1", "M2", "M1"}));
    // Within a team, more complete rounds first (the total method).
    EXPECT_EQ(d.captions(1, "lblName"), (QStringList{"次郎", "一郎", "三郎", "一郎", "四郎"}));
    EXPECT_EQ(d.captions(1, "lblAge"), (QStringList{"(49,M)", "(59,M)", "(39,M)", "(59,M)", "(29,F)"}));
    EXPECT_EQ(d.captions(1, "lblRoundNum"), (QStringList{"4", "2", "4", "2", "2"}));
    EXPECT_EQ(d.captions(1, "lblRHits"), (QStringList{"48", "24", "48", "24", "22"}));
    EXPECT_EQ(d.captions(1, "lblHits"), (QStringList{"0", "0", "0", "0", "1"}));
    EXPECT_EQ(d.captions(1, "lblGoukei"), (QStringList{"48", "24", "48", "24", "19"}));
    EXPECT_EQ(d.captions(1, "lblRoundAve"), (QStringList{"12.00", "12.00", "12.00", "12.00", "9.50"}));
    EXPECT_EQ(d.captions(1, "lblBelong"), (QStringList{"", "青空クラブ", "", "青空クラブ", ""}));
    // A thick line opens each team; thin ones from 1260 part its members.
    EXPECT_EQ(d.rules(1), (QStringList{"1200:2", "1560:1", "1920:2", "2280:1", "2640:2", "3000:2"}));
    EXPECT_EQ(d.array(1, "linHosoYoko")[0].a, 1260);
    // The season's own positions.
    EXPECT_EQ(d.find(1, "lblTeamID", 1)->a, 660);
    EXPECT_EQ(d.find(1, "lblTeamID", 1)->c, 615);
    EXPECT_EQ(d.find(1, "lblAge", 1)->a, 3180);
    EXPECT_EQ(d.find(1, "linTate", 9)->a, 1260);
    // The total method: 合計 bold, R平均 not.
    EXPECT_TRUE(d.find(1, "lblTotalT")->bold);
    EXPECT_FALSE(d.find(1, "lblRAveT")->bold);
    EXPECT_TRUE(d.find(1, "lblGoukei", 1)->bold);
    EXPECT_FALSE(d.find(1, "lblRoundAve", 1)->bold);

    store("SeriesPrint_TeamHowtoRank", "1");
    const Dump a = run("team-list", games);
    EXPECT_FALSE(a.find(1, "lblTotalT")->bold);
    EXPECT_TRUE(a.find(1, "lblRAveT")->bold);
    EXPECT_TRUE(a.find(1, "lblRoundAve", 1)->bold);
}

TEST_F(SeasonTeamPagesTest, TeamRankingSumsTheMembersAfterのべ)
{
    const Dump d = run("team-ranking", games);
    ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
    EXPECT_EQ(d.caption(1, "lblScorePage"), "通算チーム順位表（1/1）");
    EXPECT_EQ(d.caption(1, "lblEntryNum"), "参加 3ﾁｰﾑ、のべ5名");
    // A and B hold the same totals and members: they share the rank.
    EXPECT_EQ(d.captions(1, "lblNo"), (QStringList{"1", "1", "3"}));
    EXPECT_EQ(d.captions(1, "lblTeamID").last(), "C");
    EXPECT_EQ(d.captions(1, "lblTeamMemberNum"), (QStringList{"2", "2", "1"}));
    EXPECT_EQ(d.captions(1, "lblRoundNum"), (QStringList{"6", "6", "2"}));
    EXPECT_EQ(d.captions(1, "lblGoukei"), (QStringList{"72", "72", "19"}));
    EXPECT_EQ(d.captions(1, "lblRoundAve"), (QStringList{"12.000", "12.000", "9.500"}));
    // Five member columns of 1344, headed M1 and M2; member totals.
    EXPECT_EQ(d.captions(1, "lblMNo"), (QStringList{"M1", "M2", "48", "24", "48", "24", "19"}));
    EXPECT_EQ(d.array(1, "linMNoTate").size(), 4u);
    EXPECT_EQ(d.array(1, "lblMNo")[3].a, 4320 + 1344);
    // The season's positions and the identifier in 9.75 pt bold.
    const auto* id = d.find(1, "lblTeamID", 1);
    EXPECT_EQ(id->a, 780);
    EXPECT_EQ(id->size, "9.75");
    EXPECT_TRUE(id->bold);
    EXPECT_EQ(d.find(1, "linTate", 2)->a, 1380);
    EXPECT_EQ(d.find(1, "lblTotalT")->a, 2520);

    store("SeriesPrint_TeamHowtoRank", "1");
    const Dump a = run("team-ranking", games);
    // By the average C (9.50 a round) comes first.
    EXPECT_EQ(a.captions(1, "lblTeamID").first(), "C");
    EXPECT_EQ(a.captions(1, "lblNo"), (QStringList{"1", "2", "2"}));
    EXPECT_EQ(a.captions(1, "lblMNo").mid(2), (QStringList{"9.50", "12.00", "12.00", "12.00", "12.00"}));
    EXPECT_TRUE(a.find(1, "lblRAveT")->bold);
    EXPECT_FALSE(a.find(1, "lblTotalT")->bold);
}

}  // namespace

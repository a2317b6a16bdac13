// Season total ranking by its five methods, with the required minimums and
// the birthday tie-break.
#include "test_season_fixture.h"

#include "core/printstate.h"
#include "core/season.h"

#include <algorithm>

using namespace seasonfx;

namespace {

class SeasonTotal : public Folder {
protected:
    void SetUp() override
    {
        Folder::SetUp();
        gintTotalRankingMode = 0;
        glngKiteiRound = glngKiteiGame = glngKiteiHole = 0;
    }

    // Player 1: two games of 3 rounds (nets 60 and 63); player 2: one game of
    // 3 rounds (net 57); player 3: games of 2 and 3 rounds (nets 44 and 66).
    void threePlayers()
    {
        gSeasonScores = {record(1, 3, 60, 0), record(2, 3, 57, 0), record(3, 2, 44, 0),
                         record(1, 3, 63, 1), record(3, 3, 66, 1)};
        gSeasonScores[0].StrokeCount = {1, 2, 3, 4, 5};
        gSeasonScores[3].StrokeCount = {1, 0, 0, 0, 0};
        gSeasonScores[1].StrokeCount = {2, 0, 0, 0, 0};
    }
};

}  // namespace

TEST_F(SeasonTotal, FiveMethodsWithTheirMinimums)
{
    threePlayers();
    struct Case {
        Integer mode;
        Long kiteiRound, kiteiGame, kiteiHole;
        std::vector<Long> order;
        std::vector<Long> ranks;
    };
    const Case cases[] = {
        // Round averages 20.5, 19, 22; player 2 has 3 rounds, below 4.
        {0, 4, 0, 0, {1, 3, 2}, {1, 2, 3}},
        {0, 0, 0, 0, {2, 1, 3}, {1, 2, 3}},
        // Game averages 61.5, 57, 55; player 2 has 1 game, below 2.
        {1, 0, 2, 0, {3, 1, 2}, {1, 2, 3}},
        // Hole averages 5.125, 4.75, 5.5; player 2 has 12 holes, below 16.
        {2, 0, 0, 16, {1, 3, 2}, {1, 2, 3}},
        {2, 0, 0, 12, {2, 1, 3}, {1, 2, 3}},
        // Season total: more games, then more rounds, whatever the net.
        {3, 0, 0, 0, {1, 3, 2}, {1, 2, 3}},
        // Holes-in-one: 2, 2 and 0 tie without birthdays.
        {4, 0, 0, 0, {1, 2, 3}, {1, 1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        gintTotalRankingMode = c.mode;
        glngKiteiRound = c.kiteiRound;
        glngKiteiGame = c.kiteiGame;
        glngKiteiHole = c.kiteiHole;
        ASSERT_FALSE(gsCalSeasonTotalRanking());
        if (c.mode == 4) {
            // The two tied players may come in either order.
            ASSERT_EQ(gSeasonTotalRanking.size(), 3u);
            EXPECT_EQ(gSeasonTotalRanking[2].IDNo, 3);
        } else {
            EXPECT_EQ(ids(gSeasonTotalRanking), c.order);
        }
        EXPECT_EQ(ranks(gSeasonTotalRanking), c.ranks);
    }
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(SeasonTotal, RowsSumThePlayersRecords)
{
    threePlayers();
    gSeasonScores[0].HoleSum = {1, 2, 3, 4, 5, 6};
    gSeasonScores[3].HoleSum = {1, 1, 1, 1, 1, 1};
    gSeasonScores[0].RoundSum = {20, 20, 20};
    gSeasonScores[3].RoundSum = {21, 21, 21};
    gSeasonScores[0].Handicap = 3;
    gSeasonScores[0].TeamID = "A";
    gSeasonGameInfo.Hole = 4;
    gSeasonGameInfo.Round = 2;
    gintTotalRankingMode = 3;
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    const SeasonScore& p1 = gSeasonTotalRanking[0];
    ASSERT_EQ(p1.IDNo, 1);
    EXPECT_EQ(p1.RoundNo, 2);
    EXPECT_EQ(p1.Rounds, 6);
    EXPECT_EQ(p1.HoleCount, 24);
    EXPECT_EQ(p1.Net, 123);
    EXPECT_EQ(p1.Handicap, 3);
    EXPECT_TRUE(p1.TeamID.isEmpty());
    EXPECT_TRUE(p1.Date.isEmpty());
    // Only the season's holes and rounds are summed.
    EXPECT_EQ((std::array<Long, 16>{2, 3, 4, 5}), p1.HoleSum);
    EXPECT_EQ((std::array<Long, 10>{41, 41}), p1.RoundSum);
    EXPECT_EQ((std::array<Long, 5>{2, 2, 3, 4, 5}), p1.StrokeCount);
}

TEST_F(SeasonTotal, BirthdayBreaksTiesInEveryMethod)
{
    addMember(1, "1940/05/01");
    addMember(2, "1938/12/31");
    addMember(3, "");
    // Equal in every number.
    gSeasonScores = {record(1, 3, 60), record(2, 3, 60), record(3, 3, 60)};
    for (Integer mode = 0; mode <= 4; ++mode) {
        SCOPED_TRACE(mode);
        gintTotalRankingMode = mode;
        gSeasonGameInfo.JudgeBirthday = 0;
        ASSERT_FALSE(gsCalSeasonTotalRanking());
        EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 1, 1}));
        gSeasonGameInfo.JudgeBirthday = 1;
        ASSERT_FALSE(gsCalSeasonTotalRanking());
        EXPECT_EQ(ids(gSeasonTotalRanking), (std::vector<Long>{2, 1, 3}));
        EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 2, 3}));
    }
}

TEST_F(SeasonTotal, StrokeClassesCountOnlyInTheSeasonTotal)
{
    gSeasonScores = {record(1, 3, 60), record(2, 3, 60)};
    gSeasonScores[0].StrokeCount = {1, 1, 0, 0, 0};
    gSeasonScores[1].StrokeCount = {1, 2, 0, 0, 0};
    gintTotalRankingMode = 3;
    gSeasonGameInfo.JudgeDaSu = 1;
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 1}));
    gSeasonGameInfo.JudgeDaSu = 2;
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    EXPECT_EQ(ids(gSeasonTotalRanking), (std::vector<Long>{2, 1}));
    EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 2}));

    gSeasonGameInfo.JudgeDaSu = 5;
    for (Integer mode : {0, 1, 2}) {
        gintTotalRankingMode = mode;
        ASSERT_FALSE(gsCalSeasonTotalRanking());
        EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 1}));
    }
}

TEST_F(SeasonTotal, AveragesCompareAtEightDecimals)
{
    // 19999 / 20000 = 0.99995 and 20000 / 20001 = 0.9999500025: equal to
    // eight decimals.
    gSeasonScores = {record(1, 1, 19999), record(2, 1, 20000), record(3, 1, 20002)};
    gSeasonScores[0].HoleCount = 20000;
    gSeasonScores[1].HoleCount = 20001;
    gSeasonScores[2].HoleCount = 20001;
    gintTotalRankingMode = 2;
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 1, 3}));
    EXPECT_EQ(gSeasonTotalRanking[2].IDNo, 3);

    // 1 / 512 = 0.001953125 rounds half up to 0.00195313 and ties with that
    // exact average; 0.00195312 stays ahead.
    gSeasonScores = {record(1, 1, 1), record(2, 1, 195313), record(3, 1, 195312)};
    gSeasonScores[0].HoleCount = 512;
    gSeasonScores[1].HoleCount = 100000000;
    gSeasonScores[2].HoleCount = 100000000;
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    EXPECT_EQ(gSeasonTotalRanking[0].IDNo, 3);
    EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 2, 2}));
}

TEST_F(SeasonTotal, NegativeAveragesRankBeforePositiveOnesInNumericOrder)
{
    // Rounds of nothing but holes-in-one give negative nets: averages
    // -16.5, -16, -8 and 5 rank in that order.
    gSeasonScores = {record(1, 1, 5), record(2, 1, -8), record(3, 2, -33), record(4, 1, -16)};
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    EXPECT_EQ(ids(gSeasonTotalRanking), (std::vector<Long>{3, 4, 2, 1}));
    EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 2, 3, 4}));
    // Equal negative averages still tie.
    gSeasonScores = {record(1, 2, -33), record(2, 4, -66), record(3, 1, 0)};
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    EXPECT_EQ(ranks(gSeasonTotalRanking), (std::vector<Long>{1, 1, 3}));
}

TEST_F(SeasonTotal, NothingToRankAndTrappedErrors)
{
    gSeasonTotalRanking = {record(9, 1, 1)};
    EXPECT_TRUE(gsCalSeasonTotalRanking());
    EXPECT_TRUE(gSeasonTotalRanking.empty());
    EXPECT_TRUE(recordingUi().messages.empty());

    // A record of player 0 first has no row to add to.
    gSeasonScores = {record(0, 1, 20), record(1, 1, 20)};
    EXPECT_TRUE(gsCalSeasonTotalRanking());
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith("gsCalSeasonTotalRanking()::"));
    EXPECT_EQ(recordingUi().messages[0].title, "System error");
}

TEST_F(SeasonTotal, EndToEndFromGameFilesByGameAverage)
{
    // Player 1 finishes every round of games 1 and 2 and only some of game 3:
    // only the two full games count for the game average.
    Game g;
    g.players = {{1, {"3,3,3,3", "3,3,3,3"}}, {2, {"4,4,4,4", "4,4,4,4"}}};
    addGame(g);
    addGame(g);
    g.players = {{1, {"2,2,2,2", ""}}, {2, {"4,4,4,4", "4,4,4,4"}}};
    addGame(g);
    gintTotalRankingMode = 1;
    glngKiteiGame = 3;
    ASSERT_FALSE(gfSetSeasonTallicor(2));
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    EXPECT_EQ(ids(gSeasonTotalRanking), (std::vector<Long>{2, 1}));
    EXPECT_EQ(gSeasonTotalRanking[0].RoundNo, 3);
    EXPECT_EQ(gSeasonTotalRanking[1].RoundNo, 2);
    EXPECT_EQ(gSeasonTotalRanking[1].Net, 48);
}

TEST_F(SeasonTotal, ManyTiesShareTheRankOfTheFirstInAnyOrder)
{
    // Thirty players with 0 to 3 holes-in-one, each in two records: the sort
    // does not fix the order of equal counts, the ranks must still be right.
    for (Long id = 1; id <= 30; ++id) {
        for (Long game = 0; game < 2; ++game) {
            SeasonScore s = record(id, 1, 20, game);
            s.StrokeCount[0] = (id * 7 + game) % 4 == 0 ? 1 : 0;
            gSeasonScores.push_back(s);
        }
    }
    gintTotalRankingMode = 4;
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    ASSERT_EQ(gSeasonTotalRanking.size(), 30u);
    std::vector<Long> seen;
    for (size_t i = 0; i < gSeasonTotalRanking.size(); ++i) {
        const SeasonScore& r = gSeasonTotalRanking[i];
        seen.push_back(r.IDNo);
        EXPECT_EQ(r.RoundNo, 2);
        if (i > 0)
            EXPECT_LE(r.StrokeCount[0], gSeasonTotalRanking[i - 1].StrokeCount[0]) << i;
        Long better = 0;
        for (const SeasonScore& o : gSeasonTotalRanking)
            better += o.StrokeCount[0] > r.StrokeCount[0] ? 1 : 0;
        EXPECT_EQ(r.Rank, better + 1) << "player " << r.IDNo;
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
}

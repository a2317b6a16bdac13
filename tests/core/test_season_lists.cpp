// Season best game and best round, entry list, team list and team ranking,
// and one player's game and round scores.
#include "test_season_fixture.h"

#include "core/season.h"
#include "platform/vbruntime.h"

using namespace seasonfx;

namespace {

class SeasonLists : public Folder {};

SeasonScore teamRecord(Long id, const QString& team, Long rounds, Long net, Long gameNo)
{
    SeasonScore s = record(id, rounds, net, gameNo);
    s.TeamID = team;
    return s;
}

std::vector<Long> gameNos(const std::vector<SeasonScore>& rows)
{
    std::vector<Long> out;
    for (const SeasonScore& r : rows)
        out.push_back(r.GameNo);
    return out;
}

}  // namespace

// ---------------------------------------------------------------- best game and best round

TEST_F(SeasonLists, BestGamePrefersMoreRoundsThenLowerNet)
{
    gSeasonScores = {record(1, 3, 70, 0), record(1, 2, 40, 1), record(2, 3, 72, 0),
                     record(3, 3, 75, 1), record(2, 3, 69, 2)};
    ASSERT_FALSE(gsCalSeasonGameRanking());
    EXPECT_EQ(ids(gSeasonGameRanking), (std::vector<Long>{2, 1, 3}));
    EXPECT_EQ(gameNos(gSeasonGameRanking), (std::vector<Long>{2, 0, 1}));
    EXPECT_EQ(ranks(gSeasonGameRanking), (std::vector<Long>{1, 2, 3}));
    EXPECT_EQ(gSeasonGameRanking[1].Net, 70);
}

TEST_F(SeasonLists, BestGameAgeInDaysAtTheGameDate)
{
    addMember(1, "1950/06/01");
    addMember(2, "1950/01/01");
    addMember(3, "");
    gSeasonGameInfo.JudgeBirthday = 1;
    // Player 1's two equal games: the later one makes him older, so it is kept.
    gSeasonScores = {record(1, 3, 60, 0, "2008/04/12"), record(1, 3, 60, 1, "2008/05/03")};
    ASSERT_FALSE(gsCalSeasonGameRanking());
    ASSERT_EQ(gSeasonGameRanking.size(), 1u);
    EXPECT_EQ(gSeasonGameRanking[0].GameNo, 1);

    // Equal best games: player 1 at 2009/01/01 is older in days than player 2
    // at 2008/01/01, though born later; player 3 without a birthday is last.
    gSeasonScores = {record(2, 3, 60, 0, "2008/01/01"), record(1, 3, 60, 1, "2009/01/01"),
                     record(3, 3, 60, 1, "2009/01/01")};
    ASSERT_FALSE(gsCalSeasonGameRanking());
    EXPECT_EQ(ids(gSeasonGameRanking), (std::vector<Long>{1, 2, 3}));
    EXPECT_EQ(ranks(gSeasonGameRanking), (std::vector<Long>{1, 2, 3}));

    gSeasonGameInfo.JudgeBirthday = 0;
    ASSERT_FALSE(gsCalSeasonGameRanking());
    EXPECT_EQ(ranks(gSeasonGameRanking), (std::vector<Long>{1, 1, 1}));
}

TEST_F(SeasonLists, BestRoundFromGameFiles)
{
    addMember(1, "1940/05/01");
    addMember(2, "1938/12/31");
    addMember(3, "");
    Game g;
    g.round = 2;
    g.players = {{1, {"4,4,4,4", "5,5,4,4"}},   // best round 1: net 16
                 {2, {"5,5,5,5", "4,4,4,4"}},   // best round 2: net 16
                 {3, {"4,4,4,4", ""}},           // net 16
                 {4, {"1,6,6,6", "1,1,6,6"}}};   // round 2: net 8
    addGame(g);
    ASSERT_FALSE(gfSetSeasonTallicor(5));
    ASSERT_FALSE(gsCalSeasonGameRanking());
    EXPECT_EQ(gSeasonGameRanking[0].IDNo, 4);
    EXPECT_EQ(gSeasonGameRanking[0].RoundNo, 2);
    EXPECT_EQ(gSeasonGameRanking[0].Net, 8);
    EXPECT_EQ(ranks(gSeasonGameRanking), (std::vector<Long>{1, 2, 2, 2}));

    gSeasonGameInfo.JudgeBirthday = 1;
    ASSERT_FALSE(gsCalSeasonGameRanking());
    EXPECT_EQ(ids(gSeasonGameRanking), (std::vector<Long>{4, 2, 1, 3}));
    EXPECT_EQ(ranks(gSeasonGameRanking), (std::vector<Long>{1, 2, 3, 4}));
    EXPECT_EQ(gSeasonGameRanking[1].RoundNo, 2);
}

TEST_F(SeasonLists, BestGameNothingToRankAndNonDateGame)
{
    EXPECT_TRUE(gsCalSeasonGameRanking());
    EXPECT_TRUE(recordingUi().messages.empty());

    addMember(1, "1950/01/01");
    gSeasonGameInfo.JudgeBirthday = 1;
    gSeasonScores = {record(1, 3, 60, 0, "未定")};
    EXPECT_TRUE(gsCalSeasonGameRanking());
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith("gsCalSeasonGameRanking()::"));
    EXPECT_EQ(recordingUi().messages[0].title, "System error");
}

// ---------------------------------------------------------------- entry list

TEST_F(SeasonLists, EntryListOrdersAndNumbering)
{
    addMember(1, "", 2, "あおき");
    addMember(2, "", 1, "いとう");
    addMember(3, "", 0, "うえだ");
    addMember(4, "", 1, "アベ");
    gSeasonScores = {record(1, 3, 60, 0), record(1, 3, 60, 1), record(1, 3, 60, 2),
                     record(2, 3, 60, 0), record(2, 3, 60, 1), record(2, 3, 60, 2),
                     record(2, 3, 60, 3), record(2, 3, 60, 4), record(3, 3, 60, 0),
                     record(3, 2, 40, 1), record(3, 3, 60, 2), record(4, 1, 20, 3)};

    ASSERT_FALSE(gsCalSeasonEntryList(0, 1));
    ASSERT_EQ(gSeasonEntryList.size(), 4u);
    EXPECT_EQ(gSeasonEntryList[0].IDNo, 2);
    EXPECT_EQ(gSeasonEntryList[0].RoundNo, 5);
    EXPECT_EQ(gSeasonEntryList[3].IDNo, 4);
    EXPECT_EQ(ranks(gSeasonEntryList), (std::vector<Long>{1, 2, 3, 4}));

    ASSERT_FALSE(gsCalSeasonEntryList(1, 0));
    EXPECT_EQ(ids(gSeasonEntryList), (std::vector<Long>{3, 2, 4, 1}));
    EXPECT_EQ(ranks(gSeasonEntryList), (std::vector<Long>{1, 2, 3, 4}));
    const SeasonScore& p3 = gSeasonEntryList[0];
    EXPECT_EQ(p3.RoundNo, 3);
    EXPECT_EQ(p3.Rounds, 8);
    EXPECT_EQ(p3.Net, 160);
    EXPECT_EQ(p3.HoleCount, 0);
    EXPECT_EQ(p3.GameNo, 0);

    ASSERT_FALSE(gsCalSeasonEntryList(0, 0));
    EXPECT_EQ(ids(gSeasonEntryList), (std::vector<Long>{1, 2, 3, 4}));
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(SeasonLists, EntryListCountsGamesWithACompleteRound)
{
    addMember(1);
    Game g;
    g.players = {{1, {"3,3,3,3", ""}}};
    addGame(g);
    addGame(g);
    addGame(g);
    g.players = {{1, {"3,3,,3", ""}}};
    addGame(g);
    ASSERT_FALSE(gfSetSeasonTallicor(1));
    ASSERT_FALSE(gsCalSeasonEntryList(0, 1));
    ASSERT_EQ(gSeasonEntryList.size(), 1u);
    EXPECT_EQ(gSeasonEntryList[0].RoundNo, 3);
}

TEST_F(SeasonLists, EntryListNothingAndUnknownPlayer)
{
    EXPECT_TRUE(gsCalSeasonEntryList(0, 0));
    EXPECT_TRUE(recordingUi().messages.empty());

    addMember(1);
    gSeasonScores = {record(1, 3, 60), record(2, 3, 60)};
    EXPECT_TRUE(gsCalSeasonEntryList(0, 0));
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith("gsCalSeasonEntryList()::"));
    EXPECT_EQ(recordingUi().messages[0].title, "System error");
}

// ---------------------------------------------------------------- team list and team ranking

TEST_F(SeasonLists, TeamListAndRankingWithATeamSwitcher)
{
    gSeasonScores = {teamRecord(1, "A", 3, 60, 0), teamRecord(2, "A", 3, 58, 0),
                     teamRecord(1, "A", 3, 62, 1), teamRecord(1, "B", 2, 40, 2),
                     teamRecord(3, "B", 3, 59, 2), teamRecord(4, "", 3, 50, 2),
                     teamRecord(5, "  ", 3, 50, 2)};

    gSeasonGameInfo.TeamHowtoRank = 0;
    ASSERT_FALSE(gsCalSeasonTeamList());
    ASSERT_EQ(gSeasonTeamList.size(), 4u);
    EXPECT_EQ(ids(gSeasonTeamList), (std::vector<Long>{1, 2, 3, 1}));
    EXPECT_EQ(ranks(gSeasonTeamList), (std::vector<Long>{1, 2, 3, 4}));
    EXPECT_EQ(gSeasonTeamList[0].RoundNo, 2);
    EXPECT_EQ(gSeasonTeamList[0].Rounds, 6);
    EXPECT_EQ(gSeasonTeamList[0].Net, 122);
    EXPECT_EQ(gSeasonTeamList[0].GameNo, 0);
    EXPECT_EQ(gSeasonTeamList[3].TeamID, "B");
    EXPECT_EQ(gSeasonTeamList[3].RoundNo, 1);
    EXPECT_EQ(gSeasonTeamList[3].GameNo, 2);

    ASSERT_FALSE(gsCalSeasonTeamRanking());
    ASSERT_EQ(gTeamRanking.size(), 2u);
    EXPECT_EQ(gTeamRanking[0].TeamID, "A");
    EXPECT_EQ(gTeamRanking[0].FirstRow, 0);
    EXPECT_EQ(gTeamRanking[0].Members, 2);
    EXPECT_EQ(gTeamRanking[0].Rounds, 9);
    EXPECT_EQ(gTeamRanking[0].Net, 180);
    EXPECT_EQ(gTeamRanking[1].TeamID, "B");
    EXPECT_EQ(gTeamRanking[1].FirstRow, 2);
    EXPECT_EQ(gTeamRanking[1].Members, 2);
    EXPECT_EQ(gTeamRanking[1].Rounds, 5);
    EXPECT_EQ(ranks(gTeamRanking), (std::vector<Long>{1, 2}));

    // Round average: team B (19.8) before team A (20.0); inside each team
    // the better average first.
    gSeasonGameInfo.TeamHowtoRank = 1;
    ASSERT_FALSE(gsCalSeasonTeamList());
    EXPECT_EQ(ids(gSeasonTeamList), (std::vector<Long>{2, 1, 3, 1}));
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    EXPECT_EQ(gTeamRanking[0].TeamID, "B");
    EXPECT_EQ(gTeamRanking[0].FirstRow, 2);
    EXPECT_EQ(gTeamRanking[1].TeamID, "A");
}

TEST_F(SeasonLists, TeamRankingMethodsAndTies)
{
    // 12 rounds net 246 (20.500) against 10 rounds net 206 (20.600).
    gSeasonScores = {teamRecord(1, "X", 12, 246, 0), teamRecord(2, "Y", 10, 206, 0)};
    gSeasonGameInfo.TeamHowtoRank = 1;
    ASSERT_FALSE(gsCalSeasonTeamList());
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    EXPECT_EQ(gTeamRanking[0].TeamID, "X");
    // By total, more rounds first whatever the net.
    gSeasonScores = {teamRecord(1, "X", 18, 300, 0), teamRecord(2, "Y", 20, 500, 0)};
    gSeasonGameInfo.TeamHowtoRank = 0;
    ASSERT_FALSE(gsCalSeasonTeamList());
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    EXPECT_EQ(gTeamRanking[0].TeamID, "Y");

    // Equal teams share the rank; eleven members all count, ten compared.
    gSeasonScores.clear();
    for (Long i = 0; i < 11; ++i) {
        gSeasonScores.push_back(teamRecord(100 + i, "P", 3, 60, 0));
        gSeasonScores.push_back(teamRecord(200 + i, "Q", 3, 60, 0));
    }
    ASSERT_FALSE(gsCalSeasonTeamList());
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    ASSERT_EQ(gTeamRanking.size(), 2u);
    EXPECT_EQ(gTeamRanking[0].Members, 11);
    EXPECT_EQ(gTeamRanking[0].Rounds, 33);
    EXPECT_EQ(ranks(gTeamRanking), (std::vector<Long>{1, 1}));
    // The equal players of each team share the rank of the team's first row,
    // in whatever order the sort left them; the ranks run over the whole list.
    ASSERT_EQ(gSeasonTeamList.size(), 22u);
    for (size_t i = 0; i < gSeasonTeamList.size(); ++i) {
        EXPECT_EQ(gSeasonTeamList[i].TeamID, i < 11 ? "P" : "Q") << i;
        EXPECT_EQ(gSeasonTeamList[i].Rank, i < 11 ? 1 : 12) << i;
    }
}

TEST_F(SeasonLists, TeamsNothingToList)
{
    EXPECT_TRUE(gsCalSeasonTeamList());
    gSeasonScores = {record(1, 3, 60)};
    EXPECT_TRUE(gsCalSeasonTeamList());
    EXPECT_TRUE(gSeasonTeamList.empty());
    EXPECT_TRUE(gsCalSeasonTeamRanking());
    EXPECT_TRUE(gTeamRanking.empty());
    EXPECT_TRUE(recordingUi().messages.empty());
}

// ---------------------------------------------------------------- one player's games and rounds

TEST_F(SeasonLists, PersonalGameScoreRanksThePlayersGames)
{
    gSeasonGameRanking = {record(1, 3, 62, 0), record(1, 3, 58, 1), record(1, 2, 40, 2)};
    ASSERT_FALSE(gsCalSeasonPersonalGameScore());
    EXPECT_EQ(gameNos(gSeasonGameRanking), (std::vector<Long>{1, 0, 2}));
    EXPECT_EQ(ranks(gSeasonGameRanking), (std::vector<Long>{1, 2, 3}));

    // All five classes count, birthdays and JudgeDaSu do not.
    gSeasonGameInfo.JudgeDaSu = 0;
    gSeasonGameRanking = {record(1, 3, 60, 0), record(1, 3, 60, 1), record(1, 3, 60, 2)};
    gSeasonGameRanking[2].StrokeCount = {0, 0, 0, 0, 1};
    ASSERT_FALSE(gsCalSeasonPersonalGameScore());
    EXPECT_EQ(gSeasonGameRanking[0].GameNo, 2);
    EXPECT_EQ(ranks(gSeasonGameRanking), (std::vector<Long>{1, 2, 2}));
}

TEST_F(SeasonLists, PersonalScoresHandicapOnlyInHandicapGames)
{
    Game hc;
    hc.handicapKind = 2;
    hc.date = "2008/04/12";
    hc.players = {{1, {"4,4,4,4", "4,4,4,4"}, "A", 10}, {2, {"4,4,4,4", "4,4,4,4"}}};
    Game plain = hc;
    plain.handicapKind = 0;
    plain.date = "2008/03/01";
    plain.players[0].rounds = {"5,5,5,5", "5,5,5,5"};
    addGame(hc);     // net 32 + 10
    addGame(plain);  // net 40, the stored handicap not counted

    ASSERT_FALSE(gfSetSeasonTallicor(8));
    ASSERT_FALSE(gfSortSeasonTallicor());
    for (const SeasonScore& s : gSeasonScores)
        if (s.IDNo == 1)
            gSeasonGameRanking.push_back(s);
    ASSERT_FALSE(gsCalSeasonPersonalGameScore());
    ASSERT_EQ(gSeasonGameRanking.size(), 2u);
    EXPECT_EQ(gameNos(gSeasonGameRanking), (std::vector<Long>{1, 0}));
    EXPECT_EQ(gSeasonGameRanking[0].Net, 40);
    EXPECT_EQ(gSeasonGameRanking[1].Net, 42);
    EXPECT_EQ(gSeasonGameRanking[1].Handicap, 10);
}

TEST_F(SeasonLists, PersonalRoundLines)
{
    Game may;
    may.round = 3;
    may.date = "2008/05/03";
    may.players = {{2, {"3,3,3,3", "3,3,3,3", "3,3,3,3"}},
                   {1, {"3,4,2,1", "2,2,2,2", ""}, " B ", 7}};
    Game april = may;
    april.date = "2008/04/12";
    april.players[1].rounds = {"4,x,4,4", "", "5,5,5,5"};
    april.players[1].team = "C";
    Game none = may;
    none.players[1].rounds = {"3,,3,3", "", ""};
    addGame(may);     // 0
    addGame(none);    // 1: player 1 completed nothing
    addGame(april);   // 2

    ASSERT_FALSE(gfSetSeasonTallicor(9));
    ASSERT_FALSE(gfSortSeasonTallicor());
    ASSERT_FALSE(gsCalSeasonPersonalRoundScore(1));
    ASSERT_EQ(gSeasonRoundLines.size(), 6u);
    const SeasonRoundLine& first = gSeasonRoundLines[0];
    EXPECT_EQ(first.Date, "2008/04/12");
    EXPECT_EQ(first.GameNo, 2);
    EXPECT_EQ(first.RoundNo, 1);
    EXPECT_EQ(first.Holes[1], "x");
    EXPECT_EQ(first.TeamID, "C");
    EXPECT_EQ(gSeasonRoundLines[1].Holes[0], "");
    EXPECT_EQ(gSeasonRoundLines[2].Holes[3], "5");
    const SeasonRoundLine& may1 = gSeasonRoundLines[3];
    EXPECT_EQ(may1.Date, "2008/05/03");
    EXPECT_EQ(may1.GameNo, 0);
    EXPECT_EQ(may1.IDNo, 1);
    EXPECT_EQ(may1.TeamID, "B");
    EXPECT_EQ(may1.Handicap, 7);
    EXPECT_EQ(may1.Holes[3], "1");
    EXPECT_EQ(may1.Holes[4], "");
    EXPECT_EQ(gSeasonRoundLines[5].RoundNo, 3);
    for (int h = 0; h < 16; ++h)
        EXPECT_TRUE(gSeasonRoundLines[5].Holes[h].isEmpty());

    EXPECT_TRUE(gsCalSeasonPersonalRoundScore(99));
    EXPECT_TRUE(gSeasonRoundLines.empty());
    EXPECT_TRUE(recordingUi().messages.empty());
}

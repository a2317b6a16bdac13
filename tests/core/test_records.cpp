#include "core/records.h"

#include <gtest/gtest.h>

namespace {

// Fills every table with one row, so a clear shows which ones it empties.
void fillAllTables()
{
    gGameList.assign(2, GameInfo{});
    gSelectedGames.assign(2, 0);
    gMemberList.assign(2, MemberInfo{});
    gBelongList.assign(2, BelongInfo{});
    gNewEntries.assign(2, NewEntry{});
    gScoreLines.assign(2, ScoreLine{});
    gScoreData.assign(2, StoredScore{});
    gRanking.assign(2, PersonRank{});
    gRoundRanking.assign(2, RoundRank{});
    gTeamRanking.assign(2, TeamRank{});
    gSeasonScores.assign(2, SeasonScore{});
    gSeasonTotalRanking.assign(2, SeasonScore{});
    gSeasonGameRanking.assign(2, SeasonScore{});
    gSeasonEntryList.assign(2, SeasonScore{});
    gSeasonTeamList.assign(2, SeasonScore{});
    gSeasonRoundLines.assign(2, SeasonRoundLine{});
    gPointRanking.assign(2, PointRank{});
    gRGMembers.assign(2, RGMember{});
}

}  // namespace

TEST(Records, ClearCalcResultsEmptiesTheResultTablesOnly)
{
    fillAllTables();
    gGame.Tittle = "kept";
    gintDialogResult = 3;
    gsClearCalcResults();

    const Long cleared[] = {
        glngScoreLinesUBound(),        glngRankingUBound(),          glngRoundRankingUBound(),
        glngTeamRankingUBound(),       glngSeasonScoresUBound(),     glngSeasonTotalRankingUBound(),
        glngSeasonGameRankingUBound(), glngSeasonEntryListUBound(),  glngSeasonTeamListUBound(),
        glngSeasonRoundLinesUBound(),
    };
    for (Long bound : cleared)
        EXPECT_EQ(bound, -1);
    // A loop from 0 to the bound runs no round.
    int rounds = 0;
    for (Long i = 0; i <= glngRankingUBound(); ++i)
        ++rounds;
    EXPECT_EQ(rounds, 0);

    const Long kept[] = {
        glngScoreDataUBound(),  glngPointRankingUBound(), glngGameListUBound(),
        glngSelectedGamesUBound(), glngMemberListUBound(), glngBelongListUBound(),
        glngNewEntriesUBound(), glngRGMembersUBound(),
    };
    for (Long bound : kept)
        EXPECT_EQ(bound, 1);
    EXPECT_EQ(gGame.Tittle, "kept");
    EXPECT_EQ(gintDialogResult, 3);

    gGame = GameInfo{};
    gintDialogResult = 0;
    gGameList.clear();
    gSelectedGames.clear();
    gMemberList.clear();
    gBelongList.clear();
    gNewEntries.clear();
    gScoreData.clear();
    gPointRanking.clear();
    gRGMembers.clear();
}

TEST(Records, NewGameDefaults)
{
    const GameInfo g = gfNewGameDefaults();
    EXPECT_EQ(g.TeamHowtoRank, 0);
    EXPECT_EQ(g.CategoryGender, 0);
    EXPECT_EQ(g.CategoryAgeLow, -1);
    EXPECT_EQ(g.CategoryAgeHigh, -1);
    EXPECT_EQ(g.JudgeDaSu, 5);
    EXPECT_EQ(g.JudgeBirthday, 1);
    EXPECT_EQ(g.HandiCapKind, 0);
    EXPECT_EQ(g.PointGame, 1);
    EXPECT_EQ(g.MaxScoreNo, 0);
    EXPECT_TRUE(g.GameFileName.isEmpty());
}

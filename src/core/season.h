// Season tallies over the games ticked in the main window.
//
// Every season report runs: gsClearCalcResults, gfSetSeasonTallicor(kind),
// for the personal reports gfSortSeasonTallicor, then one calculation below.
// All of them return true on failure: after a trapped error (a message box
// "<procedure>()::<description>" titled "System error") and also when there
// is nothing to tally (no message; the season print dialog shows its own).
#pragma once

#include "core/records.h"

// Report kinds of the season collection: which records each game adds.
enum SeasonKind : Integer {
    SeasonKindEntryList = 1,         // complete rounds summed
    SeasonKindGameAverage = 2,       // all rounds complete, or nothing
    SeasonKindBestGame = 3,          // complete rounds summed
    SeasonKindSummed = 4,            // complete rounds summed (no report)
    SeasonKindBestRound = 5,         // the game's best round
    SeasonKindTeamList = 6,          // complete rounds summed
    SeasonKindTeamRanking = 7,       // complete rounds summed
    SeasonKindPersonalGames = 8,     // complete rounds summed, with handicap
    SeasonKindPersonalRounds = 9,    // complete rounds summed, with handicap
    SeasonKindRoundAverage = 10,     // complete rounds summed
    SeasonKindHoleAverage = 11,      // complete rounds summed
    SeasonKindSeasonTotal = 12,      // complete rounds summed, with handicap
    SeasonKindHoleInOne = 13,        // complete rounds summed
};

// Rereads every ticked game (gSelectedGames) and appends its records of the
// given kind to gSeasonScores; never empties the table. Leaves gGame,
// gScoreData and gScoreLines holding the last ticked game.
bool gfSetSeasonTallicor(Integer kind);
// Sorts gSeasonScores by player, game date and game index.
bool gfSortSeasonTallicor();

// One row per player in gSeasonTotalRanking, ranked by gintTotalRankingMode
// with the required minimums glngKiteiRound / glngKiteiGame / glngKiteiHole.
bool gsCalSeasonTotalRanking();
// Each player's best record (best game or best round) in gSeasonGameRanking.
bool gsCalSeasonGameRanking();
// One row per player in gSeasonEntryList, numbered 1 to n. byBelong 1 groups
// by the players' groups; order 0 sorts by reading, otherwise by games.
bool gsCalSeasonEntryList(Integer byBelong, Integer order);
// One row per team and player in gSeasonTeamList, ranked over the list.
bool gsCalSeasonTeamList();
// The teams of gSeasonTeamList ranked into gTeamRanking.
bool gsCalSeasonTeamRanking();
// Ranks the rows of gSeasonGameRanking (one player's games) among themselves.
bool gsCalSeasonPersonalGameScore();
// Rebuilds gSeasonRoundLines with every round of `player` in the games of
// his records; true when there is none.
bool gsCalSeasonPersonalRoundScore(Long player);


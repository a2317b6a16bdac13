// Rankings of the current game (gGame + gScoreLines): the personal ranking
// with its tie-breaks, the head counts, the category caption and filter, the
// best-round ranking, and the team list and team ranking.
//
// Terms shared by every tally: the value of a stroke text is its leading
// number; a round is complete when each of its holes 1..Hole has a value of
// at least 1, and only complete rounds count anywhere; a hole-in-one is a
// value of exactly 1 and takes 3 strokes off the net; the stroke classes are
// the values exactly 1..5.
//
// Errors (Round 0 or above 10, Hole above 16, JudgeDaSu above 5, score rows
// that do not fill every player's rounds, overflowing values) throw
// vb::VbError; the result table is then left as far as it was filled.
#pragma once

#include "core/records.h"

#include <QString>
#include <vector>

namespace corehelpers {

// The rows taken in the given order (positions into rows and keys) and
// ranked 1, 2, ... by position; a row whose key equals the previous row's key
// shares that row's rank. Every ranking of the game, the season and the
// series numbers its places this way.
template <class Row>
std::vector<Row> rankedInOrder(const std::vector<Row>& rows, const std::vector<QString>& keys,
                               const std::vector<Long>& order)
{
    std::vector<Row> out;
    out.reserve(order.size());
    for (size_t pos = 0; pos < order.size(); ++pos) {
        Row row = rows[static_cast<size_t>(order[pos])];
        row.Rank = static_cast<Long>(pos) + 1;
        if (pos > 0 && keys[static_cast<size_t>(order[pos])] == keys[static_cast<size_t>(order[pos - 1])])
            row.Rank = out.back().Rank;
        out.push_back(row);
    }
    return out;
}

// True when the player fits the category of `game` (CategoryGender,
// CategoryAgeLow, CategoryAgeHigh) at the reference date: gender 1 needs a
// man, 2 a woman; with an age bound the whole years must be known and within
// the bounds (both inclusive). A player missing from the list fits no
// gender and no age bound.
bool gfFitsCategory(Long id, const GameInfo& game, const QString& referenceDate);

// True when `game` sets no category (no gender, no age bound).
bool gfNoCategory(const GameInfo& game);

// The rows of a ranking, in their order, whose player fits the category of
// `game`, renumbered: a row whose old rank differs from that of the previous
// kept row takes its position among the kept rows, one with the same old
// rank shares the previous kept row's new rank (1, 2, 2, 4). Without a
// category the rows come back unchanged.
template <class Row>
std::vector<Row> keptInCategory(const std::vector<Row>& rows, const GameInfo& game,
                                const QString& referenceDate)
{
    if (gfNoCategory(game))
        return rows;
    std::vector<Row> kept;
    Long prevOldRank = 0;
    for (const Row& row : rows) {
        if (!gfFitsCategory(row.IDNo, game, referenceDate))
            continue;
        Row k = row;
        k.Rank = static_cast<Long>(kept.size()) + 1;
        if (!kept.empty() && row.Rank == prevOldRank)
            k.Rank = kept.back().Rank;
        prevOldRank = row.Rank;
        kept.push_back(k);
    }
    return kept;
}

}  // namespace corehelpers

// Number of distinct player identifiers among the score rows.
Integer gfCountGameMembers();
// Number of distinct trimmed, non-empty team identifiers among the score rows
// (compared case-sensitively).
Integer gfCountGameTeams();

// Rebuilds gRanking from the score rows. noHandicap 1 leaves handicaps out;
// 0 counts them when the game uses handicaps (HandiCapKind not 0).
void gsCalPersonRanking(Integer noHandicap);

// Caption of the current game's category: "総合" or "部門別（...）".
QString gfGetCategoryTitle();

// Keeps in gRanking only the players inside the current game's category at
// the reference date and renumbers their ranks (shared ranks stay shared).
void gsFilterRankingByCategory(const QString& referenceDate);

// Rebuilds gRoundRanking: each player's single best round, ranked.
void gsCalRoundRanking();

// Replaces gRanking by the handicap-free personal ranking of the players with
// a team, ordered by team and, inside a team, best first.
void gsCalTeamList();

// Runs gsCalTeamList and rebuilds gTeamRanking from it.
void gsCalTeamRanking();

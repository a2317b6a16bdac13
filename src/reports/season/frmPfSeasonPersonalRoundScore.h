// Every round of one player's season games, hole by hole
// (gSeasonRoundLines): one block per game with a row per round of the game.
// The block's number, date, handicap and total stand on its middle round row
// (the player's team in grey one row lower), each round row shows the round,
// the strokes of every hole in gPersonalGameInfo.Hole columns ("／" beyond
// the game's holes), the actual strokes, hole-in-ones, subtotal and the holes
// done in 2 to 5 strokes ("-" for a round not complete). A page ends only
// between blocks and keeps 420 twips for the row of hole-in-ones per hole
// that closes the last page (counted over every round of every game). The
// second title line names the player on the page being filled; the head
// count is "参加 n回". Every block start copies its game's header into gGame.
#pragma once

#include "reports/pageframe.h"

#include <vector>

class frmPfSeasonPersonalRoundScore : public PageFrame {
public:
    frmPfSeasonPersonalRoundScore();

protected:
    void pfDataSetBody() override;

private:
    // Draws the block of the game's rounds from line n at mY, over `columns`
    // hole columns `w` wide.
    void psDrawBlock(Long n, Integer block, Long columns, Long w);
    // The hole-in-one row under the last block, whose bottom is y.
    void psDrawHoleInOneRow(double y, Long w, const std::vector<Integer>& counts);
};

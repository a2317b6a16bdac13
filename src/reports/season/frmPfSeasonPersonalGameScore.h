// One player's season games, one row each (gSeasonGameRanking, in date or
// result order): the running number, the date, holes-rounds, the strokes of
// each round in gPersonalGameInfo.Round columns ("／" beyond a game's
// rounds), the actual strokes, hole-in-ones, handicap (only for a game that
// uses handicaps), total and the holes done in 2 to 5 strokes. The second
// title line names the player on the page being filled; the head count is
// "参加 n回".
#pragma once

#include "reports/pageframe.h"

class frmPfSeasonPersonalGameScore : public PageFrame {
public:
    frmPfSeasonPersonalGameScore();

protected:
    void pfDataSetBody() override;
};

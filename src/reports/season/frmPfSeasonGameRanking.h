// The season best games "通算ベストゲーム": each player's best game over the
// ticked games (gSeasonGameRanking), ranked, with the game's date, its round
// strokes, totals and stroke classes, and the age on that game's day. A
// thick line opens every page and every group of rows with another number
// of complete rounds.
#pragma once

#include "reports/pageframe.h"

class frmPfSeasonGameRanking : public PageFrame {
public:
    frmPfSeasonGameRanking();

protected:
    void pfDataSetBody() override;
};

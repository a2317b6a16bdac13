// The season best rounds "通算ベストラウンド": each player's best complete
// round over the ticked games (gSeasonGameRanking), ranked, with the game's
// date, the round's number and strokes hole by hole, its totals, the
// stroke classes in one cell ("3-5-x-x") and the age on that game's day.
#pragma once

#include "reports/pageframe.h"

class frmPfSeasonRoundRanking : public PageFrame {
public:
    frmPfSeasonRoundRanking();

protected:
    void pfDataSetBody() override;
};

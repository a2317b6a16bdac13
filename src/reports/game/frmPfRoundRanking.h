// The best-round ranking of the current game: one row per player
// (gRoundRanking) with the rank, name, age and sex, the number of the
// player's best round and its strokes hole by hole, its totals, the stroke
// classes that break ties and the birthday when it breaks ties.
#pragma once

#include "reports/pageframe.h"

class frmPfRoundRanking : public PageFrame {
public:
    frmPfRoundRanking();

protected:
    void pfDataSetBody() override;
};

// The participants list of the current game: one row per player (the
// player's first score line) with the player's number, team, name, age,
// sex, region, group and playing group. Numbers count every player, so the
// group filter leaves gaps in them; the head count is the whole game's.
#pragma once

#include "reports/pageframe.h"

class frmPfEntryList : public PageFrame {
public:
    frmPfEntryList();

protected:
    void pfDataSetBody() override;
};

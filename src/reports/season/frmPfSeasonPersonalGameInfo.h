// One player's season games with their details (gSeasonGameRanking in date
// order): the running number, the date, holes-rounds, the game's title, and
// the names of its course and series as cource.dat and series.dat hold them
// (deleted ones too; "-" centred for none). Rows are 540 twips high so that
// the three texts can wrap to a second line: 25 rows a page. The second
// title line names the player on the page being filled; the head count is
// "参加 n回".
#pragma once

#include "reports/pageframe.h"

class frmPfSeasonPersonalGameInfo : public PageFrame {
public:
    frmPfSeasonPersonalGameInfo();

protected:
    void pfDataSetBody() override;
};

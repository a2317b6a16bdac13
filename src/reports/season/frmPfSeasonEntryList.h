// The season entry list "参加者一覧": one row per player of gSeasonEntryList
// (players with a complete round in a ticked game), in the order the season
// dialog chose, numbered 1 to n across the pages, with the games entered,
// name, age at the last game date, gender, region and group.
#pragma once

#include "reports/pageframe.h"

class frmPfSeasonEntryList : public PageFrame {
public:
    frmPfSeasonEntryList();

protected:
    void pfDataSetBody() override;
};

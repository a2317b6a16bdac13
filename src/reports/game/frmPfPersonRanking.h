// The personal ranking of the current game in its category: one row per
// ranked player (gRanking as the print dialog leaves it, category filter
// applied) with the rank, name, age and sex, the strokes of every round,
// the totals, the stroke classes that break ties and the birthday when it
// breaks ties. A thick line opens every page and every run of players with
// fewer complete rounds. The title carries the category ("総合順位表").
#pragma once

#include "reports/pageframe.h"

class frmPfPersonRanking : public PageFrame {
public:
    frmPfPersonRanking();

    // The category title and "順位表".
    QString reportTitle() const override;

protected:
    void pfDataSetBody() override;
};

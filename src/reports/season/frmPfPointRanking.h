// The point ranking of a point series (gPointRanking): rank, name with age
// and gender, the group's short name or the region (gintBelongOrLocation),
// the games that earned points and the points in tenths printed with one
// decimal. The table has two halves side by side: 36 rows fill the left
// half, the next 36 the right half of the same page, 72 a page. The head
// shows the period line (gstrPrintDate), the points note
// (gstrPrintPointsNote) and "参加 n名"; ages are taken on
// gstrSeasonLastDate.
#pragma once

#include "reports/pageframe.h"

class frmPfPointRanking : public PageFrame {
public:
    frmPfPointRanking();

protected:
    void pfDataSetBody() override;

private:
    // The six cells of row i in the half (0 left, 1 right) at mY.
    void psDrawRow(Long i, int half);
};

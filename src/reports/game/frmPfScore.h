// The score sheet of the current game: one block per player, one row per
// round, every hole's strokes ("①" for a hole in one, "-" for a hole not
// entered), each round's strokes, holes in one, subtotal and stroke
// classes, and the game total (complete rounds only, the handicap added
// once). A page ends only before a player's block, when the whole block
// would not fit. Reads gGame (Hole, Round, HandiCapKind), gScoreLines and
// the print state of the game print dialog (titles, date, head count, group
// filter).
#pragma once

#include "reports/pageframe.h"

class frmPfScore : public PageFrame {
public:
    frmPfScore();

protected:
    void pfDataSetBody() override;

private:
    // Draws the block of the player whose first line is `first` at mY.
    void psDrawBlock(Long first, Long number, Long holeWidth);
};

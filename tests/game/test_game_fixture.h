// Shared by the tests of the game window, its commands and the score
// dialog: the tables emptied, the header of a game of three holes and two
// rounds with handicaps, judged on three stroke classes, without a category,
// a score line's holes as text and a grid cell's text.
#pragma once

#include "core/core.h"
#include "grid/uctMyGrid.h"

#include <QStringList>

namespace gametest {

inline void clearGameTables()
{
    gMemberList.clear();
    gBelongList.clear();
    gNewEntries.clear();
    gScoreData.clear();
    gsClearCalcResults();
}

inline GameInfo fixtureGameHeader()
{
    GameInfo g = gfNewGameDefaults();
    g.Date = QStringLiteral("2026/05/10");
    g.Tittle = QStringLiteral("春季大会");
    g.Hole = 3;
    g.Round = 2;
    g.HandiCapKind = 2;
    g.JudgeDaSu = 3;
    return g;
}

// The holes of a line as "a b c", "." for an empty text, up to `holes`.
inline QString holesOf(const ScoreLine& line, int holes = 16)
{
    QStringList out;
    for (int h = 0; h < holes; ++h)
        out << (line.Holes[h].isEmpty() ? QStringLiteral(".") : line.Holes[h]);
    return out.join(QLatin1Char(' '));
}

// The text of a grid cell; "<none>" for a cell the grid does not have.
inline QString cell(const uctMyGrid* g, int col, int row)
{
    const MGCell* c = g->cellAt(col, row);
    return c ? c->Text : QStringLiteral("<none>");
}

}  // namespace gametest

// What the game window tests and the command tests start from: the tables
// emptied and the header of a game of three holes and two rounds with
// handicaps, judged on three stroke classes, without a category.
#pragma once

#include "core/core.h"

namespace gamewindowtest {

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

}  // namespace gamewindowtest

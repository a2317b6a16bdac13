// What the three pages of one player's season share beyond the report cells
// (reports/reportcells.h): their date pattern, the game of a row, and the
// player's name on the second title line.
#pragma once

#include "core/records.h"
#include "print/pageform.h"

#include <QString>

namespace personalpages {

// Game dates on one player's pages: era, two-digit month and day, weekday.
extern const QString kPersonalDatePattern;   // "ggge年mm月dd日(aaa)"

// The game of a row, gGameList(gameNo); the subscript error when there is
// none.
const GameInfo& gameOf(Long gameNo);

// On the page being filled (a page was asked for and laid out), the second
// title line gets " ： 【" & the player's name & "】".
void psNameThePlayer(print::PageForm& form, Long player);

}  // namespace personalpages

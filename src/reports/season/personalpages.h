// What the three pages of one player's season share beyond the report cells
// (reports/reportcells.h): their head labels, the band of round or hole
// columns, the game of a row, and the player's name on the second title
// line.
#pragma once

#include "core/records.h"
#include "print/pageform.h"

#include <QString>

#include <vector>

namespace personalpages {

// Game dates on one player's pages: era, two-digit month and day, weekday.
extern const QString kPersonalDatePattern;   // "ggge年mm月dd日(aaa)"

struct Span {
    double left;
    double width;
};
// lblScorePage (Top 0, right-aligned, bold, auto-sized), lblSeasonTittle
// (Top 240, bold), lblScoreTittle (Top 540, bold), lblEntryNum (Top 540,
// right-aligned, auto-sized) and the footer lblPage, 195 high, their page
// captions empty; in control order, for the form to add.
std::vector<print::Control> headLabels(Span scorePage, Span title1, Span title2, Span entryNum);

// The band of round or hole columns from `left`, `bandWidth` wide, one
// column per round or hole of the player's largest game: the separators
// (loaded elements of `separators`) and the column numbers (loaded elements
// of `numbers`, `prefix` & i at linTop.Y1 + 60). Returns the column width;
// no columns is a division by zero.
Long psLayBand(print::PageForm& form, Long left, Long bandWidth, Long columns, const QString& separators,
               const QString& numbers, const QString& prefix);

// The game of a row, gGameList(gameNo); the subscript error when there is
// none.
const GameInfo& gameOf(Long gameNo);

// On the page being filled (a page was asked for and laid out), the second
// title line gets " ： 【" & the player's name & "】".
void psNameThePlayer(print::PageForm& form, Long player);

}  // namespace personalpages

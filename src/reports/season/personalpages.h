// What the three pages of one player's season share: the head labels, the
// design-table makers of their columns and lines, the column band of rounds
// or holes, the game of a row, and the player's name on the second title
// line.
#pragma once

#include "core/records.h"
#include "platform/vbruntime.h"
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
// lblScorePage (Top 0, right, bold, auto-sized), lblSeasonTittle (240) and
// lblScoreTittle (540, bold), lblEntryNum (540, right, auto-sized) and the
// footer lblPage, 195 high; the page captions start empty. In control
// order, for the form to add.
std::vector<print::Control> headLabels(Span scorePage, Span title1, Span title2, Span entryNum);

// A column-header label at Top 900, 255 high, centred.
print::Control header(const char* name, int index, double left, double width, const QString& caption);
// A cell template (element 0, hidden, red), 255 high.
print::Control cellTemplate(const char* name, double left, double width, int alignment);
// linTate(index) at x from 840 down to 2280.
print::Control tateLine(int index, double x, bool thick);
// A row-line template (element 0, hidden) from x1 to x2.
print::Control rowLineTemplate(const char* name, double x1, double x2, bool thick);

// A band of columns: `width` = the band's width / columns, halves to even.
struct Band {
    Long left = 0;
    Long width = 0;
    Long columns = 0;
    Long columnLeft(Long i) const { return left + i * width; }
};
// Lays the band out on the form: a loaded separator of `separators` between
// every two columns (black, visible, from its template's Y1) and a loaded
// column number of `numbers` over each column (linTop.Y1 + 60, one column
// wide, black, `prefix` & (i + 1)). No columns is a division by zero.
Band psLayBand(print::PageForm& form, Long left, Long bandWidth, Long columns, const QString& separators,
               const QString& numbers, const QString& prefix);
// Y2 of the loaded separators := y.
void psStretchBand(print::PageForm& form, const QString& separators, double y);

// The game of a row, gGameList(gameNo); the subscript error when there is
// none.
const GameInfo& gameOf(Long gameNo);

// Element i of a record's fixed array, the subscript error beyond it.
template <class Array>
const auto& elementAt(const Array& values, Long i)
{
    if (i < 0 || i >= static_cast<Long>(values.size()))
        vb::raiseSubscriptOutOfRange();
    return values[static_cast<size_t>(i)];
}

// The number, or "-" when not shown.
QString numberOrDash(bool shown, qint64 value);
// A stroke text as a cell: "①" for exactly 1, "-" below 1 (an empty text
// too), else the text trimmed.
QString strokeCell(const QString& stroke);

// On the page being filled (a page was asked for and laid out), the second
// title line gets " ： 【" & the player's name & "】".
void psNameThePlayer(print::PageForm& form, Long player);

}  // namespace personalpages

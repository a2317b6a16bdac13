// Design-table makers for the parts every report page draws alike: the head
// labels, the column-header labels, the cell templates and the table lines.
//
//   add(pagedesign::scorePage(9375, 1680));
//   add(pagedesign::header("lblNoNo", -1, 300, 435, "No."));
//   add(pagedesign::cell("lblNo", 300, 435, print::AlignCenter));
//   add(pagedesign::tate(0, 240, true));
#pragma once

#include "print/pageform.h"

namespace pagedesign {

// Head labels, 195 high in the form font: lblScorePage (Top 0, right-aligned,
// bold, auto-sized), a title line lblSeasonTittle / lblScoreTittle (bold),
// lblEntryNum (Top 540, right-aligned, auto-sized) and the footer lblPage
// (5198, 14760, 915 wide, centred).
print::Control scorePage(double left, double width);
print::Control titleLine(const QString& name, double left, double top, double width);
print::Control entryNum(double left, double width);
print::Control pageFooter();

// A column-header label at Top 900, 255 high, black, centred unless told.
print::Control header(const QString& name, int index, double left, double width, const QString& caption,
                      int alignment = print::AlignCenter);

// A cell template: element 0 of its array at Top 1260, 255 high, hidden,
// in the red design colour.
print::Control cell(const QString& name, double left, double width, int alignment = print::AlignCenter);

// The table's top line from x1 to x2 at y, thick.
print::Control top(double x1, double x2, double y = 840);
// A column line linTate(index) at x from `y` down to 2280, thick or thin.
print::Control tate(int index, double x, bool thick, double y = 840);
// A row separator template (element 0 of linFutoYoko or linHosoYoko) from
// x1 to x2, hidden; thick ones are BorderWidth 2.
print::Control separator(const QString& name, double x1, double x2, bool thick);

}  // namespace pagedesign

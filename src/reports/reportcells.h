// What several report pages share beyond the frame: design-table makers for
// column headers, cell templates and vertical lines, the column bands laid
// out from the data, and the cell texts of players and strokes.
#pragma once

#include "core/records.h"
#include "platform/vbruntime.h"
#include "print/pageform.h"

#include <QString>

#include <functional>
#include <vector>

// ------------------------------------------------------------ design table

// Left and Width of a control, twips.
struct DesignBox {
    double left;
    double width;
};

// The head labels of a report page, 195 high, in control order:
// lblExractBelong (Top 0, hidden, auto-sized; only when `exract` has a
// width), lblScorePage (Top 0, right-aligned, bold, auto-sized),
// lblSeasonTittle (Top 240, bold), lblScoreTittle (Top 540, bold),
// lblEntryNum (Top 540, right-aligned, auto-sized) and the footer lblPage.
struct HeadDesign {
    DesignBox exract;
    DesignBox scorePage;
    DesignBox seasonTittle;
    DesignBox scoreTittle;
    DesignBox entryNum;
};
std::vector<print::Control> gfHeadLabels(const HeadDesign& d);

// A column-header label: Top 900, 255 high, centred, the form font.
print::Control gfColumnHeader(const QString& name, int index, double left, double width, const QString& caption);
// A cell template: element 0 of its array, 255 high, hidden, with a red
// sample caption that is never printed.
print::Control gfCellTemplate(const QString& name, double left, double width, int align, const QString& sample);
// A vertical line of the table: element `index` of linTate at x, from the
// table's top down to its design end at 2280.
print::Control gfTateLine(int index, double x, int borderWidth, double top = 840);

// The stroke-class columns "2打" to "5打": column k (1 to 4, holes done in
// k + 1 strokes) starts at first + (k - 1) x step.
struct StrokeClassColumns {
    double first;
    double step;
    double left(int k) const { return first + (k - 1) * step; }
    // Their headers, lblSPTotal elements 79 down to 76, 315 wide.
    std::vector<print::Control> headers() const;
};

// ------------------------------------------------------------ column bands

// A band of `band` twips divided into `columns` columns: the width rounded
// to whole twips, halves to even (3900 / 8 = 488). No columns is a
// division-by-zero error.
Long gfColumnWidth(Long band, Long columns);

// The columns of a band laid out on a form: a loaded separator at
// left + i x width for i = 1 to columns - 1 (black, visible, from the
// template's Y1) and a loaded header label at left + i x width, `width`
// wide, for i = 0 to headers - 1 (Top headerTop, black, visible, caption
// caption(i)).
struct ColumnBand {
    QString separators;   // the separator line array
    QString headers;      // the header label array
    Long left = 0;
    Long width = 0;
    Long columns = 0;
    Long headerCount = 0;
    double headerTop = 0;
    std::function<QString(Long)> caption;
};
void gsLayoutColumnBand(print::PageForm& form, const ColumnBand& band);

// The usual band: `columns` columns dividing `band` twips from `left`, the
// separators between them and over each a header "prefix" & (i + 1) in the
// column-header row under linTop. Returns the column width.
Long gfLayoutNumberedBand(print::PageForm& form, const QString& separators, const QString& headers, Long left,
                          Long band, Long columns, const QString& prefix = QString());

// Y2 of every loaded element (not the template) of a line array.
void gsStretchLoadedLines(print::PageForm& form, const QString& array, double y2);

// ------------------------------------------------------------ cell texts

// "(" & age & "," & sex & ")": whole years at the reference date ("-" without
// a valid birthday or date) and "M", "F" or "-"; "(,)" for a player missing
// from the player list.
QString gfAgeGenderCellText(Long id, const QString& referenceDate);

// A hole's stroke text as a cell: "①" when its value is exactly 1, "-" when
// below 1 (an empty text too), else the text without surrounding blanks.
QString gfStrokeCellText(const QString& stroke);

// The birthday cell: with judgeBirthday 1 the player's birthday as
// "gee/mm/dd" (empty without a valid birthday), otherwise "-".
QString gfBirthdayCellText(Long id, Integer judgeBirthday);

// A number, or "-" when `shown` is false.
QString gfNumberOrDash(bool shown, qint64 value);

// total / count with a number pattern ("0.00", "0.000"), halves away from
// zero; "-" when count is below 1.
QString gfAverageCellText(qint64 total, qint64 count, const QString& pattern);

// The group filter of the game pages: true when no group is chosen
// (glngExtractBelong 0) or the player belongs to the chosen one.
bool gfInPrintGroup(Long memberId);

// Element i of a record's fixed array (rounds, holes), with the subscript
// error for an index beyond it.
template <class Array>
const auto& gfElementAt(const Array& values, Long i)
{
    if (i < 0 || i >= static_cast<Long>(values.size()))
        vb::raiseSubscriptOutOfRange();
    return values[static_cast<size_t>(i)];
}

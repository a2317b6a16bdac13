// Cells and column bands that several report pages fill alike.
#pragma once

#include "core/records.h"
#include "print/pageform.h"

#include <QString>

namespace pagecells {

// "(" & age on the date & "," & M/F/- & ")"; a player missing from the list
// gives "(,)".
QString ageAndGender(Long id, const QString& date);

// A stroke value: exactly 1 is "①", 1 or more the number, below 1 "-".
QString strokeCell(Long value);

// A band of `columns` equal columns from `left`, `bandWidth` twips wide:
// each `width` = bandWidth / columns rounded to whole twips, halves to
// even; column i starts at left + i x width.
struct Band {
    Long left = 0;
    Long width = 0;
    Long columns = 0;
    Long columnLeft(Long i) const { return left + i * width; }
};

// Lays the band out on a loaded form: a separator (a loaded element of
// `separators`, black, visible, keeping its template's Y1) between every two
// columns, and `headers` column headers (loaded elements of `headerArray`
// at linTop.Y1 + 60, one column wide, black, captioned `prefix` & (i + 1)).
// No columns is a division by zero.
Band psLayBand(print::PageForm& form, Long left, Long bandWidth, Long columns, const QString& separators,
               const QString& headerArray, Long headers, const QString& prefix);

// Y2 of every loaded element of `separators` := y (at a page end).
void psStretchBand(print::PageForm& form, const QString& separators, double y);

}  // namespace pagecells

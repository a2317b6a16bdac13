// Fonts sized in twips: the page designs give sizes in points; on paper and
// in the preview text is laid out in twips (1 point = 20 twips) whatever the
// device's resolution, so every device breaks lines at the same characters.
#pragma once

#include "print/pageform.h"

#include <QFont>
#include <QFontMetricsF>

namespace print::detail {

// Fonts are made this many times larger than their size in twips and drawn
// through a painter scaled down by the same factor, so that fractional
// twip sizes (a 9.75-point font at 75 % is 146.25 twips) keep their size.
constexpr double kFontOversize = 16.0;

// The Qt font for a design font at `sizeTwips` (points x 20 x scale), its
// pixel size kFontOversize times that.
QFont qtFont(const Font& font, double sizeTwips);

// Metrics of the design font at its own size, in oversized units (divide by
// kFontOversize for twips). Cached per font.
const QFontMetricsF& designMetrics(const Font& font);

}  // namespace print::detail

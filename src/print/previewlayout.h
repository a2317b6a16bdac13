// The arithmetic of the preview window's layout, apart from any widget: where
// the scroll bars and the corner between them go, where the sheet of paper is
// placed across, the scroll ranges, and the red marks at the corners of the
// printable area. All lengths are pixels.
#pragma once

#include <QLine>
#include <QRect>

#include <array>

struct PreviewScrollRange {
    bool set = false;   // false: the paper fits; the bar keeps its old settings
    int maximum = 0;    // the minimum is 0
    int smallChange = 0;
    int largeChange = 0;
    int value = 0;
};

struct PreviewLayout {
    // False while the window has no room (minimised): the bars, the corner
    // and the scroll ranges stay as they are, and the paper is not moved.
    bool arranged = false;
    bool vShown = false;
    bool hShown = false;
    bool cornerShown = false;
    QRect vBar;
    QRect hBar;
    QRect corner;
    int paperLeft = 0;
    PreviewScrollRange vRange;
    PreviewScrollRange hRange;
};

// cw, ch: the window's inner width and height; vw: the vertical bar's width;
// hh: the horizontal bar's height; pw, ph: the paper at the current zoom;
// paperTop: the paper's top now (0 or scrolled up, so not above 0).
//
// The paper is too tall when ph > ch - hh and too wide when pw > cw - vw (each
// test leaves room for the other bar, shown or not). Too tall shows the
// vertical bar at the right edge, too wide the horizontal one along the
// bottom, each the full height or width unless both are shown; both leave
// the corner between them to the corner patch. Across, beside the vertical
// bar the paper is centred in (cw - pw - vw) / 2, or put at 0 once pw - vw >
// cw; without it the paper is centred when it fits and put at 0 when not.
// Scroll ranges run from 0 to the part that does not fit, with a small change
// of 1/50 and a large change of 1/3 of the window, and the value where the
// paper stands. Halves round to the even neighbour.
PreviewLayout pfPreviewLayout(int cw, int ch, int vw, int hh, int pw, int ph, int paperTop);

// The red marks at the corners of the printable area (left, top, width,
// height inside a paper of pw by ph): from each corner one line runs up or
// down and one left or right, half-way to the paper's edge. Top-left,
// bottom-left, top-right, bottom-right, the vertical line of each first.
// Coordinates round to whole pixels, halves to the even neighbour.
std::array<QLine, 8> pfCornerMarks(double left, double top, double width, double height,
                                   double pw, double ph);

// The preview window's layout arithmetic: scroll bars, corner patch, the
// paper's place across, the scroll ranges and the corner marks.
#include "print/previewlayout.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewLayout, BarsCornerPaperAndRanges)
{
    struct Case {
        const char* what;
        int cw, ch, pw, ph;
        bool v, h;
        QRect vBar, hBar, corner;
        int paperLeft;
        int vMax, vSmall, vLarge;   // checked when v
        int hMax, hSmall, hLarge, hValue;   // checked when h
    };
    constexpr int vw = 14;
    constexpr int hh = 14;
    const Case cases[] = {
        {"fits: centred, no bar", 900, 700, 400, 560, false, false, {}, {}, {}, 250},
        {"half of an odd room rounds to even", 901, 700, 400, 560, false, false, {}, {}, {}, 250},
        {"half of an odd room rounds up to even", 903, 700, 400, 560, false, false, {}, {}, {}, 252},
        {"too tall: vertical bar the full height, paper centred beside it",
         900, 600, 794, 1123, true, false, QRect(886, 0, 14, 600), {}, {}, 46, 537, 12, 200},
        {"too tall and too wide: both bars and the corner, paper at 0",
         700, 600, 794, 1123, true, true, QRect(686, 0, 14, 586), QRect(0, 586, 686, 14),
         QRect(686, 586, 14, 14), 0, 537, 12, 200, 108, 14, 233, 0},
        {"wider than the room beside the bar but not by the bar's width: centred, both sides cut",
         800, 600, 794, 1123, true, true, QRect(786, 0, 14, 586), QRect(0, 586, 786, 14),
         QRect(786, 586, 14, 14), -4, 537, 12, 200, 8, 16, 267, 4},
        {"too wide only: horizontal bar the full width, paper at 0",
         500, 800, 794, 561, false, true, {}, QRect(0, 786, 500, 14), {}, 0, 0, 0, 0, 308, 10, 167, 0},
        {"the 50 % paper fits beside the bar: no horizontal bar, centred",
         700, 500, 397, 561, true, false, QRect(686, 0, 14, 500), {}, {}, 144, 75, 10, 167},
        {"a window smaller than the bars", 10, 10, 794, 1123, true, true, QRect(0, 0, 14, 0),
         QRect(0, 0, 0, 14), QRect(0, 0, 10, 10), 0, 1127, 0, 3, 798, 0, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PreviewLayout l = pfPreviewLayout(c.cw, c.ch, vw, hh, c.pw, c.ph, 0);
        ASSERT_TRUE(l.arranged);
        EXPECT_EQ(l.vShown, c.v);
        EXPECT_EQ(l.hShown, c.h);
        EXPECT_EQ(l.cornerShown, c.v && c.h);
        if (c.v)
            EXPECT_EQ(l.vBar, c.vBar);
        if (c.h)
            EXPECT_EQ(l.hBar, c.hBar);
        if (c.v && c.h)
            EXPECT_EQ(l.corner, c.corner);
        EXPECT_EQ(l.paperLeft, c.paperLeft);
        EXPECT_EQ(l.vRange.set, c.v);
        if (c.v) {
            EXPECT_EQ(l.vRange.maximum, c.vMax);
            EXPECT_EQ(l.vRange.smallChange, c.vSmall);
            EXPECT_EQ(l.vRange.largeChange, c.vLarge);
            EXPECT_EQ(l.vRange.value, 0);
        }
        EXPECT_EQ(l.hRange.set, c.h);
        if (c.h) {
            EXPECT_EQ(l.hRange.maximum, c.hMax);
            EXPECT_EQ(l.hRange.smallChange, c.hSmall);
            EXPECT_EQ(l.hRange.largeChange, c.hLarge);
            EXPECT_EQ(l.hRange.value, c.hValue);
        }
    }
}

TEST(PreviewLayout, ScrolledPaperAndMinimisedWindow)
{
    // The vertical value is where the paper's top stands.
    EXPECT_EQ(pfPreviewLayout(900, 600, 14, 14, 794, 1123, -120).vRange.value, 120);
    // No room: nothing is arranged.
    EXPECT_FALSE(pfPreviewLayout(0, 600, 14, 14, 794, 1123, 0).arranged);
    EXPECT_FALSE(pfPreviewLayout(900, -3, 14, 14, 794, 1123, 0).arranged);
}

TEST(PreviewLayout, CornerMarksRunHalfWayToThePaperEdge)
{
    const auto m = pfCornerMarks(10, 20, 100, 200, 130, 250);
    const std::array<QLine, 8> expected = {
        QLine(10, 20, 10, 10),    QLine(10, 20, 5, 20),
        QLine(10, 220, 10, 235),  QLine(10, 220, 5, 220),
        QLine(110, 20, 110, 10),  QLine(110, 20, 120, 20),
        QLine(110, 220, 110, 235), QLine(110, 220, 120, 220),
    };
    EXPECT_EQ(m, expected);

    // Halves go to the even neighbour: 5 - 2.5 = 2.5 -> 2, 3 - 1.5 = 1.5 -> 2,
    // 0.5 * 15 = 7.5 -> 8.
    const auto r = pfCornerMarks(5, 3, 7.5, 10, 20, 20);
    EXPECT_EQ(r[0], QLine(5, 3, 5, 2));
    EXPECT_EQ(r[1], QLine(5, 3, 2, 3));
    EXPECT_EQ(r[4].x1(), 12);   // 12.5 -> 12
}

}  // namespace

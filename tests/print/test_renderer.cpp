// The page renderer on the recording device: the scale, the drawing order,
// the label's line breaking and alignment, rounding, pens, shapes, invisible
// controls, the page and job ends, and the error box.

#include "print_support.h"

#include "platform/vbruntime.h"

using print::Control;
using print::kBlack;

namespace {

class RendererTest : public PrintTest {
protected:
    // Draws the form in the current mode; the preview draws on the device
    // too, as the picture.
    QStringList draw(SketchForm& form, double scale = 1.0, Integer lastPage = 0)
    {
        device.log.clear();
        gsDrawForm(form, &device, scale, lastPage);
        return device.log;
    }
    // The drawn texts only.
    QStringList texts(SketchForm& form, double scale = 1.0)
    {
        QStringList out;
        for (const QString& l : draw(form, scale))
            if (l.startsWith(QStringLiteral("text ")))
                out << l.mid(5);
        return out;
    }
    static Control lbl(const QString& name, const QString& caption, double l = 0, double t = 0, double w = 1000,
                       double h = 200, int index = -1)
    {
        Control c = print::label(name, index).at(l, t, w, h).text(caption);
        c.font.size = 10;   // 100 twips a character, 200 a line on the device
        return c;
    }
    static Control ln(const QString& name, double x1, double y1, double x2, double y2, int width = 1,
                      int style = 1)
    {
        Control c = print::line(name).from(x1, y1, x2, y2).thick(width);
        c.borderStyle = style;
        return c;
    }
};

TEST_F(RendererTest, ScaleFollowsThePrintableWidthInBothModes)
{
    struct Case {
        Long printable;
        Long formWidth;
        Integer mode;
        double scaleArg;
        double expected;
    } cases[] = {
        {11338, 11338, 1, 1.0, 1.0},     // as wide as the printable width
        {11338, 11310, 0, 0.75, 0.75},   // narrower: the zoom as given
        {11338, 22676, 1, 1.0, 0.5},     // twice as wide, printed at one half
        {11338, 22676, 0, 1.0, 0.5},     // previewed at 100 % as at one half
        {11338, 22676, 0, 0.75, 0.375},  // at 75 % three eighths
        {11338, 22676, 1, 0.75, 0.5},    // print mode ignores the argument
    };
    for (const Case& c : cases) {
        SketchForm form;
        form.Width = c.formWidth;
        device.printableWidth = c.printable;
        gintPrintMode = c.mode;
        draw(form, c.scaleArg);
        EXPECT_DOUBLE_EQ(gdblScale, c.expected) << c.formWidth << " mode " << c.mode << " arg " << c.scaleArg;
    }
}

TEST_F(RendererTest, LinesAndLabelsInControlOrderLateLabelsLast)
{
    SketchForm form;
    form.add(lbl("lblA", "A"));
    form.add(ln("linX", 0, 0, 100, 0));
    form.add(lbl("lblB3", "B3"));
    form.add(lbl("lblC95", "C95"));
    form.add(lbl("lblX9", "X9"));
    // An element numbered 91 of an array is not late: the name decides.
    form.add(lbl("lblHits", "", 0, 0, 1000, 200, 0).hidden());
    form.add(lbl("lblHits", "H91", 0, 0, 1000, 200, 91));
    form.add(lbl("lblTitle90", "T90"));
    QStringList order;
    for (const QString& l : draw(form))
        order << l.section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ') +
                     (l.startsWith("text") ? l.section(QLatin1Char('"'), 1, 1) : QString());
    EXPECT_EQ(order, QStringList({"text A", "line ", "text B3", "text X9", "text H91", "text C95", "text T90"}));
}

TEST_F(RendererTest, ShapesByLastDigitBeforeLinesAndLabelsAndNinetiesLast)
{
    SketchForm form;
    auto shp = [](const QString& name, double left) {
        return print::shape(name, 0).at(left, 0, 100, 100);
    };
    form.add(shp("shpB2", 2));
    form.add(shp("shpA1", 1));
    form.add(lbl("lblA", "A"));
    form.add(shp("shpC", 3));
    form.add(shp("shpD91", 91));
    QStringList order;
    for (const QString& l : draw(form))
        order << (l.startsWith("box") ? "shape@" + l.section(' ', 1, 1) : l.section(' ', 0, 0));
    EXPECT_EQ(order, QStringList({"shape@3", "shape@1", "shape@2", "text", "shape@91"}));
}

// A caption the page sets (a data cell).
TEST_F(RendererTest, LabelBreaksLinesAtCrLfAndAtItsWidth)
{
    struct Case {
        const char* what;
        QString caption;
        double width;
        double height;
        QStringList expected;   // "x y text"
    } cases[] = {
        {"two lines at CR LF", "ab\r\ncd", 1000, 1000, {"0 0 ab", "0 200 cd"}},
        {"a final CR LF gives no empty line", "ab\r\n", 1000, 1000, {"0 0 ab"}},
        {"two CR LF give an empty line that moves down", "ab\r\n\r\ncd", 1000, 1000,
         {"0 0 ab", "0 200 ", "0 400 cd"}},
        {"breaks after the last character that fits, inside a word", "abcdefg", 350, 1000,
         {"0 0 abc", "0 200 def", "0 400 g"}},
        {"a label two lines high draws no third line", "abcdefg", 350, 400, {"0 0 abc", "0 200 def"}},
        {"one line high: only the first line", "abcdefg", 350, 200, {"0 0 abc"}},
        {"a line starting above the bottom is drawn in full", "abcdef", 300, 201, {"0 0 abc", "0 200 def"}},
        {"narrower than a character: no text, passes end below the bottom", "abc", 50, 400, {"0 0 ", "0 200 "}},
        {"empty caption: one empty line", "", 1000, 200, {"0 0 "}},
    };
    for (const Case& c : cases) {
        SketchForm form;
        form.add(lbl("lblT", QString(), 0, 0, c.width, c.height));
        form.onFill = [&](SketchForm& f) { f.control("lblT").caption = c.caption; };
        form.load();
        QStringList got;
        for (const QString& t : texts(form))
            got << t.section(' ', 0, 1) + ' ' + t.section('"', 1, 1);
        EXPECT_EQ(got, c.expected) << c.what;
    }
}

// A label showing the caption of its design keeps each line whole, set
// narrower when it would pass the label's width; whatever the page laid out
// breaks as above.
TEST_F(RendererTest, FixedCaptionStaysOnOneLineCondensedToItsLabel)
{
    struct Case {
        const char* what;
        QString design;
        int align;
        double width;
        std::function<void(SketchForm&)> fill;
        QStringList expected;   // "x y text [stretch]"
    } cases[] = {
        {"fits: as the font sets it", "abc", print::AlignLeft, 1000, nullptr, {"0 0 abc"}},
        {"too wide: one line, condensed to the width", "abcdefg", print::AlignLeft, 350, nullptr,
         {"0 0 abcdefg 0.5"}},
        {"condensed and right-aligned: from the left edge", "abcd", print::AlignRight, 300, nullptr,
         {"0 0 abcd 0.75"}},
        {"condensed and centred: from the left edge", "abcd", print::AlignCenter, 200, nullptr, {"0 0 abcd 0.5"}},
        {"CR LF still breaks; each line fitted alone", "ab\r\ncdef", print::AlignCenter, 300, nullptr,
         {"50 0 ab", "0 200 cdef 0.75"}},
        {"the page sets the design text again: fixed", "abcdefg", print::AlignLeft, 350,
         [](SketchForm& f) { f.control("lblT", 0).caption = QStringLiteral("abcdefg"); }, {"0 0 abcdefg 0.5"}},
        {"the page sets another text: it breaks", "abcdefg", print::AlignLeft, 350,
         [](SketchForm& f) { f.control("lblT", 0).caption = QStringLiteral("abcdefgh"); },
         {"0 0 abc", "0 200 def", "0 400 gh"}},
        {"a loaded element is laid out by the page: it breaks", "abcdefg", print::AlignLeft, 350,
         [](SketchForm& f) {
             f.control("lblT", 0).visible = false;
             f.loadElement("lblT").visible = true;
         },
         {"0 0 abc", "0 200 def", "0 400 g"}},
    };
    for (const Case& c : cases) {
        SketchForm form;
        // Element 0 of an array, so that the page can load a copy of it.
        form.add(lbl("lblT", c.design, 0, 0, c.width, 1000, 0).align(c.align));
        form.onFill = c.fill;
        form.load();
        QStringList got;
        for (const QString& t : texts(form))
            got << (t.section(' ', 0, 1) + ' ' + t.section('"', 1, 1) + ' ' +
                    t.section("stretch=", 1).section(' ', 0, 0))
                       .trimmed();
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_EQ(device.textStretch, 1.0) << c.what;
    }
}

TEST_F(RendererTest, AlignmentAndRoundingOfTheTextPosition)
{
    struct Case {
        int alignment;
        double left;
        double top;
        double scale;
        QString expected;   // "x y size"
    } cases[] = {
        {print::AlignLeft, 100, 50, 1.0, "100 50 10"},
        {print::AlignRight, 100, 50, 1.0, "900 50 10"},        // 100 + (1000 - 200)
        {print::AlignCenter, 100, 50, 1.0, "500 50 10"},       // 100 + 800 / 2
        {print::AlignCenter, 101, 50, 1.0, "501 50 10"},
        // The position is rounded to whole twips (halves to even) before it
        // is scaled, the size is scaled.
        {print::AlignLeft, 100.5, 50.5, 0.5, "50 25 5"},
        {print::AlignLeft, 101.5, 51.5, 0.5, "51 26 5"},
        {print::AlignCenter, 100, 50, 0.75, "375 37.5 7.5"},   // 500 x 0.75
    };
    for (const Case& c : cases) {
        SketchForm form;
        form.add(lbl("lblT", "ab", c.left, c.top, 1000, 200).align(c.alignment));
        const QStringList t = texts(form, c.scale);
        ASSERT_EQ(t.size(), 1);
        EXPECT_EQ(t[0].section(' ', 0, 1) + ' ' + t[0].section("size=", 1).section(' ', 0, 0), c.expected)
            << c.alignment << ' ' << c.left << ' ' << c.scale;
    }
}

TEST_F(RendererTest, BoxLineAndCircleCoordinatesAreScaledAndRoundedHalfToEven)
{
    SketchForm form;
    form.Width = 11338;
    form.add(ln("linA", 1, 3, 5, 7));
    form.add(print::shape("shpO", 2).at(10, 20, 101, 50));
    const QStringList log = draw(form, 0.5);
    ASSERT_EQ(log.size(), 2);
    // The oval (shapes come first): corners 10, 20, 111, 70; the centre
    // (60.5 -> 60, 45) rounded first, then scaled (30, 22.5 -> 22); the
    // radius (60 - 10 = 50) scaled and not rounded.
    EXPECT_TRUE(log[0].startsWith("circle 30 22 r=25 ")) << log[0].toStdString();
    // 1 x 0.5 = 0.5 -> 0, 3 x 0.5 = 1.5 -> 2, 5 -> 2.5 -> 2, 7 -> 3.5 -> 4
    EXPECT_TRUE(log[1].startsWith("line 0 2 2 4 ")) << log[1].toStdString();
}

TEST_F(RendererTest, PenWidthsPerModeAndBorderStyle)
{
    struct Case {
        Integer mode;
        int style;
        int width;
        int expectedWidth;
        int expectedDrawStyle;
    } cases[] = {
        {1, 1, 2, 6, 0}, {1, 1, 1, 1, 0}, {1, 2, 3, 1, 1},   // print: 3 x, 1, non-solid 1
        {0, 1, 2, 2, 0}, {0, 1, 1, 1, 0}, {0, 2, 3, 3, 1},   // preview: the border width
        {0, 0, 1, 1, 5}, {0, 3, 1, 1, 2}, {0, 4, 1, 1, 3}, {0, 5, 1, 1, 4}, {0, 6, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SketchForm form;
        form.add(ln("linA", 0, 0, 100, 0, c.width, c.style));
        gintPrintMode = c.mode;
        const QStringList log = draw(form, 1.0, 1);
        ASSERT_FALSE(log.isEmpty());
        EXPECT_TRUE(log[0].contains(QStringLiteral("style=%1 width=%2 ").arg(c.expectedDrawStyle).arg(c.expectedWidth)))
            << log[0].toStdString();
    }
}

TEST_F(RendererTest, BorderedLabelGetsABlackBoxAndLeavesPenWidthTwo)
{
    SketchForm form;
    Control boxed = lbl("lblB", "x", 100, 200, 300, 400).boxed().color(print::kRed);
    form.add(boxed);
    form.add(lbl("lblC", "y"));
    const QStringList log = draw(form);
    ASSERT_GE(log.size(), 3);
    EXPECT_TRUE(log[0].startsWith("box 100 200 400 600 color=0 style=0 width=2 ")) << log[0].toStdString();
    EXPECT_TRUE(log[1].contains("color=255"));   // the text in its fore colour
    EXPECT_EQ(device.drawWidth, 2);
}

TEST_F(RendererTest, ShapesFillAndOutline)
{
    struct Case {
        const char* what;
        int shape;
        double l, t, w, h;
        int fillStyle;
        int borderStyle;
        QStringList expected;   // the log lines' leading words and coordinates
    } cases[] = {
        {"rectangle filled and outlined", 0, 0, 0, 100, 50, 0, 1, {"boxfill 0 0 100 50", "box 0 0 100 50"}},
        {"rectangle transparent without border draws nothing", 0, 0, 0, 100, 50, 1, 0, {}},
        {"rectangle filled without border", 0, 0, 0, 100, 50, 0, 0, {"boxfill 0 0 100 50"}},
        {"square centred in a wide rectangle", 1, 0, 0, 100, 40, 1, 1, {"box 30 0 70 40"}},
        {"square centred in a tall rectangle, d rounded to even", 1, 0, 0, 40, 105, 1, 1, {"box 0 32 40 73"}},
        {"oval filled and outlined", 2, 0, 0, 100, 50, 0, 1, {"circle 50 25 r=50", "circle 50 25 r=50"}},
        {"circle in a tall rectangle", 3, 0, 0, 40, 100, 1, 1, {"circle 20 50 r=20"}},
        {"circle without border draws nothing", 3, 0, 0, 40, 100, 0, 0, {}},
        {"rounded rectangle draws nothing", 4, 0, 0, 100, 50, 0, 1, {}},
        {"rounded square draws nothing", 5, 0, 0, 100, 50, 0, 1, {}},
    };
    for (const Case& c : cases) {
        SketchForm form;
        Control s = print::shape("shpS", c.shape).at(c.l, c.t, c.w, c.h);
        s.fillStyle = c.fillStyle;
        s.borderStyle = c.borderStyle;
        form.add(s);
        QStringList got;
        for (const QString& l : draw(form)) {
            const QStringList words = l.split(' ');
            got << (words[0] == "circle" ? words.mid(0, 4) : words.mid(0, 5)).join(' ');
        }
        EXPECT_EQ(got, c.expected) << c.what;
    }
}

TEST_F(RendererTest, InvisibleControlsDrawNothing)
{
    SketchForm form;
    form.add(lbl("lblB", "x").boxed().hidden());
    form.add(ln("linA", 0, 0, 100, 0).hidden());
    form.add(print::shape("shpS", 0).at(0, 0, 10, 10).hidden());
    EXPECT_TRUE(draw(form, 1.0, 0).isEmpty());
    gintPrintMode = 1;
    EXPECT_EQ(draw(form, 1.0, 0), QStringList{"newpage"});
}

TEST_F(RendererTest, PrintModeEndsThePageOrTheJob)
{
    SketchForm form;
    form.add(lbl("lblA", "A"));
    gintPrintMode = 1;
    EXPECT_EQ(draw(form, 1.0, 0).last(), "newpage");
    EXPECT_EQ(draw(form, 1.0, 1).last(), "enddoc");
    gintPrintMode = 0;
    EXPECT_FALSE(draw(form, 1.0, 1).last().startsWith("enddoc"));
}

TEST_F(RendererTest, AFailingPrimitiveShowsTheBoxAndTheDrawingGoesOn)
{
    SketchForm form;
    form.add(lbl("lblA", "A"));
    form.add(lbl("lblB", "B"));
    int texts = 0;
    device.beforeDraw = [&](const QString& kind) {
        if (kind == "text" && ++texts == 1)
            vb::raiseOverflow();
    };
    const QStringList log = draw(form);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("プレビュー準備に失敗しました。\r\nErrorCode=6"));
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("システム異常"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly | platform::vbExclamation);
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].contains("\"B\""));

    resetRecordingUi();
    texts = 0;
    gintPrintMode = 1;
    EXPECT_EQ(draw(form, 1.0, 1).last(), "enddoc");
    EXPECT_EQ(recordingUi().messages.at(0).prompt, QStringLiteral("プリンタ印刷に失敗しました。\r\nErrorCode=6"));
}

TEST_F(RendererTest, APrintJobFailureIsNotReportedPerElement)
{
    SketchForm form;
    form.add(lbl("lblA", "A"));
    form.add(lbl("lblB", "B"));
    device.beforeDraw = [](const QString&) { throw print::PrintJobError(482, "プリンタ エラーです。"); };
    gintPrintMode = 1;
    EXPECT_THROW(draw(form, 1.0, 1), print::PrintJobError);
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(RendererTest, PrinterOffsetGoesToTheDevice)
{
    glngOffsetX = 12;
    glngOffsetY = 567;
    gsSetPrinterOffset();
    EXPECT_EQ(device.log, QStringList{"offset 12 567"});
    glngOffsetX = 0;
    glngOffsetY = 0;
}

}  // namespace

// Text in the proportional design fonts: half-width characters (ASCII and
// half-width katakana) are measured and drawn in the fixed-pitch face of the
// family, half an em each, full-width ones in the proportional face; the
// drawing lands where the measuring put it, condensed captions too.

#include "print_support.h"

#include "print/drawtarget.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

#include <cmath>

namespace {

const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString kGothic = QStringLiteral("ＭＳ ゴシック");

// Width in twips of `text` set wholly in an installed face at `points`.
double faceWidth(const QString& family, const QString& text, double points = 9.75, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(points * 20 * 16)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return QFontMetricsF(f).horizontalAdvance(text) / 16;
}

TEST(HalfWidthText, HalfWidthRunsMeasureInTheFixedPitchFaceFullWidthInTheProportional)
{
    const QString pg = QStringLiteral("IPAPGothic");
    const QString pm = QStringLiteral("IPAPMincho");
    const QString g = QStringLiteral("IPAGothic");
    const struct {
        const QString& font;
        bool bold;
        const char* text;
        double expected;
    } cases[] = {
        {print::kPGothic, false, "S15/01/10", 9 * 97.5},
        {print::kPGothic, false, "MNo.", 4 * 97.5},
        {print::kPGothic, true, "No.", 3 * 97.5},
        {print::kPGothic, false, "ﾁｰﾑ", 3 * 97.5},
        {print::kPGothic, false, "2打", 97.5 + faceWidth(pg, "打")},
        {print::kPGothic, true, "R平均", 97.5 + faceWidth(pg, "平均", 9.75, true)},
        {print::kPGothic, false, "(66,M) 選手", 7 * 97.5 + faceWidth(pg, "選手")},
        {print::kPGothic, false, "名　前　（年令・性別）", faceWidth(pg, "名　前　（年令・性別）")},
        {kPMincho, false, "R平均", 97.5 + faceWidth(pm, "平均")},
        // A fixed-pitch design font sets everything in its own face.
        {kGothic, false, "MNo.打", faceWidth(g, "MNo.打")},
    };
    for (const auto& c : cases) {
        const print::Font font{c.font, 9.75, c.bold};
        EXPECT_NEAR(print::textWidthTwips(font, QString::fromUtf8(c.text)), c.expected, 0.01) << c.text;
    }

    // The narrow captions fit their designed widths, and a full-width
    // caption keeps the narrower proportional face.
    const print::Font font;
    EXPECT_LE(print::textWidthTwips(font, QStringLiteral("2打")), 315);
    EXPECT_LE(print::textWidthTwips(font, QStringLiteral("S15/01/10")), 975);
    EXPECT_LE(print::textWidthTwips(font, QStringLiteral("MNo.")), 435);
    EXPECT_LT(print::textWidthTwips(font, QStringLiteral("名　前　（年令・性別）")),
              faceWidth(g, QStringLiteral("名　前　（年令・性別）")) - 100);
}

// The rightmost inked pixel column of a picture, -1 when blank.
int inkRight(const QImage& img)
{
    for (int x = img.width() - 1; x >= 0; --x)
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 160)
                return x;
    return -1;
}

int inkLeft(const QImage& img)
{
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 160)
                return x;
    return -1;
}

class HalfWidthDrawing : public PrintTest {};

// A right-aligned label is placed by its measured width: its text ends at
// the label's right edge only when the drawing sets the runs in the faces
// and at the widths the measuring used; a left-aligned one starts at its
// left edge.
TEST_F(HalfWidthDrawing, AlignedTextEndsWhereItsMeasuredWidthSays)
{
    const double em = 24 * 20;   // twips
    for (const char* text : {"S15/01/10", "MNo.ﾁｰﾑ", "2打", "名　前（年令）性別", "R平均 No.3"}) {
        for (int align : {print::AlignRight, print::AlignLeft}) {
            SketchForm form;
            print::Control c = print::label("lblText").at(600, 300, 9000, 600).text(QString::fromUtf8(text)).align(align);
            c.font.size = 24;
            c.font.bold = align == print::AlignLeft;
            form.add(c);
            form.load();
            const double width = print::textWidthTwips(c.font, c.caption);
            ASSERT_LT(width, c.width) << text;
            print::ImageTarget picture(10500, 1200);
            gsDrawForm(form, &picture, 1.0, 0);
            const QImage& img = picture.image();
            const double start = align == print::AlignRight ? c.left + c.width - width : c.left;
            const double end = start + width;
            // Glyphs keep within their advances but for a small side bearing.
            EXPECT_LE(inkRight(img), end / print::kTwipsPerPixel + 1) << text << " align " << align;
            EXPECT_GE(inkRight(img), (end - 0.2 * em) / print::kTwipsPerPixel) << text << " align " << align;
            EXPECT_GE(inkLeft(img), start / print::kTwipsPerPixel - 1) << text << " align " << align;
            EXPECT_LE(inkLeft(img), (start + 0.2 * em) / print::kTwipsPerPixel) << text << " align " << align;
        }
    }
}

// A fixed caption wider than its label is condensed: its drawing spans the
// label from edge to edge, the half-width runs as well as the full-width
// ones, whatever the alignment.
TEST_F(HalfWidthDrawing, CondensedCaptionSpansItsLabel)
{
    const double em = 24 * 20;
    for (const char* text : {"名 前　（年令・性別）", "S15/01/10", "R平均 No.3"}) {
        for (int align : {print::AlignRight, print::AlignLeft, print::AlignCenter}) {
            print::Font font;
            font.size = 24;
            const QString caption = QString::fromUtf8(text);
            const double width = std::round(0.7 * print::textWidthTwips(font, caption));
            SketchForm form;
            form.add(print::label("lblText").at(600, 300, width, 600).text(caption).align(align).withFont(font));
            form.load();
            print::ImageTarget picture(10500, 1200);
            gsDrawForm(form, &picture, 1.0, 0);
            const QImage& img = picture.image();
            const double end = 600 + width;
            EXPECT_LE(inkRight(img), end / print::kTwipsPerPixel + 1) << text << " align " << align;
            EXPECT_GE(inkRight(img), (end - 0.7 * 0.6 * em) / print::kTwipsPerPixel) << text << " align " << align;
            EXPECT_GE(inkLeft(img), 600 / print::kTwipsPerPixel - 1) << text << " align " << align;
            EXPECT_LE(inkLeft(img), (600 + 0.7 * 0.6 * em) / print::kTwipsPerPixel) << text << " align " << align;
        }
    }
}

}  // namespace

// Fonts sized in twips: the page designs give sizes in points; on paper and
// in the preview text is laid out in twips (1 point = 20 twips) whatever the
// device's resolution, so every device breaks lines at the same characters.
//
// Half-width characters (ASCII and half-width katakana) of the proportional
// gothic and mincho design fonts are set in the fixed-pitch face of the same
// family (half an em each): the proportional faces' latin glyphs are wider
// than the page designs allow for, and narrow captions such as "2打",
// "MNo." or a birthday "S15/01/10" would wrap. Full-width characters keep
// the proportional face. A text is therefore measured and drawn run by run,
// each run in its face, by the same split (forEachRun), so that line
// breaking, alignment and the drawing agree.
#pragma once

#include "print/pageform.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <array>

namespace print::detail {

// Fonts are made this many times larger than their size in twips and drawn
// through a painter scaled down by the same factor, so that fractional
// twip sizes (a 9.75-point font at 75 % is 146.25 twips) keep their size.
constexpr double kFontOversize = 16.0;

// A character set in the half-width face: ASCII (controls included) and
// half-width katakana, the single-byte characters of the files' code page.
inline bool isHalfWidth(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x7F || (u >= 0xFF61 && u <= 0xFF9F);
}

// Calls fn(start, length, halfWidth) for each run of `text` whose
// characters are all half-width or all not; one run for the whole text
// when `split` is false (halfWidth false). Nothing for an empty text.
template <class Fn>
void forEachRun(const QString& text, bool split, Fn&& fn)
{
    const qsizetype n = text.size();
    if (n == 0)
        return;
    if (!split) {
        fn(qsizetype(0), n, false);
        return;
    }
    qsizetype start = 0;
    bool half = isHalfWidth(text[0]);
    for (qsizetype i = 1; i < n; ++i) {
        const bool h = isHalfWidth(text[i]);
        if (h != half) {
            fn(start, i - start, half);
            start = i;
            half = h;
        }
    }
    fn(start, n - start, half);
}

// The family a design font's half-width characters are set in: the
// fixed-pitch sibling of a proportional IPA face; empty when the font sets
// every character in its own face.
QString halfWidthFamily(const QString& fontName);

// The Qt font for a design font at `sizeTwips` (points x 20 x scale), its
// pixel size kFontOversize times that; `family` replaces the design font's
// name when given (the half-width face).
QFont qtFont(const Font& font, double sizeTwips, const QString& family = QString());

// The faces a text in one design font is set in, with their metrics at one
// size (in oversized units: divide by kFontOversize for twips).
struct FontFaces {
    FontFaces(const Font& font, double sizeTwips);

    QFont own;
    QFont half;                // the half-width face; == own unless split
    bool split = false;        // half-width runs are set in `half`
    QFontMetricsF ownMetrics;
    QFontMetricsF halfMetrics;
    // Bold drawn a second time this far right, per face, where the face has
    // no bold of its own (0 otherwise or when not bold).
    double ownBoldShift = 0;
    double halfBoldShift = 0;

    // The width of `text`, run by run, in oversized units.
    double advance(const QString& text) const;
    // The width of one run of forEachRun. A half-width run is the sum of
    // its characters' advances (the fixed-pitch face has no kerning), each
    // measured once.
    double runAdvance(const QString& text, qsizetype start, qsizetype length, bool halfWidth) const;

private:
    // Advances of the half-width characters in the half face, by index
    // (ASCII 0-127, half-width katakana after them); < 0 until measured.
    mutable std::array<double, 128 + 63> m_halfAdvance;
};

// The faces of a design font at a size in twips, and at its own size.
// Cached per font and size; the references stay valid.
const FontFaces& facesAt(const Font& font, double sizeTwips);
const FontFaces& designFaces(const Font& font);

}  // namespace print::detail

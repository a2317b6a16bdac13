#include "print/renderer.h"

#include "print/printer.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <array>
#include <exception>
#include <vector>

Integer gintPrintMode = 0;
double gdblScale = 1.0;
Long glngOffsetX = 0;
Long glngOffsetY = 0;

namespace print {
namespace {

using vb::CLng;

const QString kCrLf = QStringLiteral("\r\n");

bool printing() { return gintPrintMode == 1; }

int errorNumber(const std::exception& e)
{
    if (const auto* vbe = dynamic_cast<const vb::VbError*>(&e))
        return vbe->number();
    return 51;   // internal error
}

void psShowDrawError(int number)
{
    const QString what = printing() ? QStringLiteral("プリンタ印刷に失敗しました。")
                                    : QStringLiteral("プレビュー準備に失敗しました。");
    platform::MsgBox(what + kCrLf + QStringLiteral("ErrorCode=") + QString::number(number),
                     platform::vbOKOnly | platform::vbExclamation, QStringLiteral("システム異常"));
}

// Runs one renderer procedure under its own trap: a failure shows the error
// box and the caller goes on. A failure of the print job is passed on.
template <class Fn>
void trapped(Fn&& fn)
{
    try {
        fn();
    } catch (const PrintJobError&) {
        throw;
    } catch (const std::exception& e) {
        psShowDrawError(errorNumber(e));
    } catch (...) {
        psShowDrawError(51);
    }
}

// ---------------------------------------------------------- scaled primitives

Long scaled(Long v) { return CLng(v * gdblScale); }

void psScaledBoxFill(DrawTarget& t, Long x1, Long y1, Long x2, Long y2, quint32 color)
{
    trapped([&] { t.boxFill(scaled(x1), scaled(y1), scaled(x2), scaled(y2), color); });
}

void psScaledBox(DrawTarget& t, Long x1, Long y1, Long x2, Long y2, quint32 color)
{
    trapped([&] { t.box(scaled(x1), scaled(y1), scaled(x2), scaled(y2), color); });
}

void psScaledLine(DrawTarget& t, Long x1, Long y1, Long x2, Long y2, quint32 color)
{
    trapped([&] { t.line(scaled(x1), scaled(y1), scaled(x2), scaled(y2), color); });
}

void psScaledCircle(DrawTarget& t, Long cx, Long cy, double radius, quint32 color, double aspect)
{
    trapped([&] { t.circle(scaled(cx), scaled(cy), radius * gdblScale, color, aspect); });
}

// The text position is rounded to whole twips before it is scaled; the font
// size is scaled for the output only.
void psScaledPrint(DrawTarget& t, const QString& text)
{
    trapped([&] {
        const Long x = CLng(t.currentX);
        const Long y = CLng(t.currentY);
        const double size = t.font.size;
        t.font.size = size * gdblScale;
        t.currentX = x * gdblScale;
        t.currentY = y * gdblScale;
        try {
            t.print(text);
        } catch (...) {
            t.font.size = size;
            throw;
        }
        t.currentX = x;
        t.currentY = y;
        t.font.size = size;
    });
}

// ------------------------------------------------------------------- elements

// Pen width of a line or of a rectangle's and square's outline.
int lineWidth(const Control& c)
{
    if (!printing())
        return c.borderWidth;
    if (c.borderStyle != 1)
        return 1;
    return c.borderWidth == 1 ? 1 : 3 * c.borderWidth;
}

// The stretch that sets `text` in `width` when the current font makes it
// wider: just enough to fit, else 1.
double fitStretch(DrawTarget& t, const QString& text, double width)
{
    t.textStretch = 1.0;
    const double natural = t.textWidth(text);
    return natural > width ? width / natural : 1.0;
}

void psDrawLabel(DrawTarget& t, const Control& c)
{
    if (!c.visible)
        return;
    trapped([&] {
        const int savedStyle = t.drawStyle;
        const int savedMode = t.drawMode;
        t.font = c.font;
        t.textStretch = 1.0;
        t.foreColor = c.foreColor;
        // A fixed caption (a text of the design, such as a column header)
        // breaks at CR LF only: a line the font makes wider than the label
        // (the design's fonts are narrower than their substitutes) is
        // condensed to the label's width, so a header never spills into
        // the row below. What the page sets breaks at the width.
        const bool fixed = c.hasFixedCaption() && c.width > 0;
        if (c.borderStyle == 1) {
            t.drawWidth = 2;
            psScaledBox(t, CLng(c.left), CLng(c.top), CLng(c.left + c.width), CLng(c.top + c.height), kBlack);
        }

        const QString& caption = c.caption;
        const int h = caption.size();
        double y = c.top;
        int s = 1;
        do {
            // The longest run from s that fits (any run of a fixed
            // caption), up to a CR LF or the end.
            int n = 0;
            QString candidate;
            bool crlf = false;
            bool tooWide = false;
            for (;;) {
                ++n;
                candidate = caption.mid(s - 1, n);
                crlf = n >= 2 && candidate.endsWith(kCrLf);
                tooWide = !fixed && t.textWidth(candidate) > c.width;
                if (tooWide || s + n - 1 >= h || crlf)
                    break;
            }
            QString text = candidate;
            if (crlf) {
                text.chop(2);
            } else if (tooWide) {
                --n;
                text = candidate.left(n);
            }
            if (fixed)
                t.textStretch = fitStretch(t, text, c.width);
            double x = c.left;
            if (c.alignment == AlignRight)
                x = c.left + (c.width - t.textWidth(text));
            else if (c.alignment == AlignCenter)
                x = c.left + (c.width - t.textWidth(text)) / 2;
            t.currentX = x;
            t.currentY = y;
            psScaledPrint(t, text);
            const double lineHeight = t.textHeight(text);
            if (lineHeight <= 0)
                break;
            y += lineHeight;
            s += n;
        } while (s <= h && y < c.top + c.height);

        t.textStretch = 1.0;
        t.drawStyle = savedStyle;
        t.drawMode = savedMode;
    });
}

void psDrawLine(DrawTarget& t, const Control& c)
{
    if (!c.visible)
        return;
    trapped([&] {
        const int savedStyle = t.drawStyle;
        const int savedMode = t.drawMode;
        t.drawStyle = pfDrawStyleOfBorderStyle(c.borderStyle);
        t.drawWidth = lineWidth(c);
        t.drawMode = c.drawMode;
        psScaledLine(t, CLng(c.x1), CLng(c.y1), CLng(c.x2), CLng(c.y2), c.borderColor);
        t.drawStyle = savedStyle;
        t.drawMode = savedMode;
    });
}

double aspectOf(const Control& c)
{
    if (c.width == 0)
        vb::raiseDivisionByZero();
    return c.height / c.width;
}

void psDrawShape(DrawTarget& t, const Control& c)
{
    if (!c.visible)
        return;
    trapped([&] {
        const int savedStyle = t.drawStyle;
        const int savedMode = t.drawMode;
        Long x1 = CLng(c.left);
        Long y1 = CLng(c.top);
        Long x2 = CLng(c.left + c.width);
        Long y2 = CLng(c.top + c.height);
        const Long cx = CLng(c.left + c.width / 2);
        const Long cy = CLng(c.top + c.height / 2);
        t.drawMode = c.drawMode;
        const double ovalRadius = c.width >= c.height ? cx - x1 : cy - y1;

        if (c.fillStyle != 1 && (c.shape == 0 || c.shape == 2)) {
            t.fillColor = c.fillColor;
            t.fillStyle = c.fillStyle;
            t.drawStyle = pfDrawStyleOfBorderStyle(c.borderStyle);
            t.drawWidth = c.borderWidth;
            if (c.shape == 0)
                psScaledBoxFill(t, x1, y1, x2, y2, c.fillColor);
            else
                psScaledCircle(t, cx, cy, ovalRadius, c.fillColor, aspectOf(c));
        }

        if (c.borderStyle != 0) {
            t.drawStyle = pfDrawStyleOfBorderStyle(c.borderStyle);
            switch (c.shape) {
            case 0:
                t.drawWidth = lineWidth(c);
                psScaledBox(t, x1, y1, x2, y2, c.borderColor);
                break;
            case 1: {
                t.drawWidth = lineWidth(c);
                if (x1 > x2)
                    std::swap(x1, x2);
                if (y1 > y2)
                    std::swap(y1, y2);
                const Long w = x2 - x1;
                const Long hgt = y2 - y1;
                if (w > hgt) {
                    const Long d = CLng((w - hgt) / 2.0);
                    x1 += d;
                    x2 -= d;
                } else {
                    const Long d = CLng((hgt - w) / 2.0);
                    y1 += d;
                    y2 -= d;
                }
                t.fillColor = c.fillColor;
                t.fillStyle = c.fillStyle;
                psScaledBox(t, x1, y1, x2, y2, c.borderColor);
                break;
            }
            case 2:
                t.drawWidth = c.borderWidth;
                t.fillColor = c.fillColor;
                t.fillStyle = c.fillStyle;
                psScaledCircle(t, cx, cy, ovalRadius, c.borderColor, aspectOf(c));
                break;
            case 3: {
                t.drawWidth = c.borderWidth;
                t.fillColor = c.fillColor;
                t.fillStyle = c.fillStyle;
                const Long radius = c.height > c.width ? CLng(c.width / 2) : CLng(c.height / 2);
                psScaledCircle(t, cx, cy, radius, c.borderColor, 1.0);
                break;
            }
            default:   // rounded rectangle and rounded square: nothing
                break;
            }
        }
        t.drawStyle = savedStyle;
        t.drawMode = savedMode;
    });
}

void psDrawImage(DrawTarget& t, const Control& c)
{
    if (!c.visible)
        return;
    trapped([&] {
        t.paintPicture(c.picture, c.left * gdblScale, c.top * gdblScale, c.width * gdblScale,
                       c.height * gdblScale);
    });
}

// -------------------------------------------------------------------- sweeps

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// A shape or picture whose name ends in a digit waits for that digit's turn.
int deferDigit(const QString& name)
{
    return !name.isEmpty() && isDigit(name.back()) ? name.back().unicode() - u'0' : -1;
}

bool lateShape(const QString& name)
{
    return name.size() >= 2 && isDigit(name.back()) && name[name.size() - 2] == QLatin1Char('9');
}

bool lateLabel(const QString& name) { return lateShape(name); }

using Draw = void (*)(DrawTarget&, const Control&);

// Draws the controls of one kind: at once, or by the last digit of their
// name from "0" to "9"; the late ones (when `late` is given) are kept.
void sweepByDigit(DrawTarget& t, const std::deque<Control>& controls, ControlKind kind, Draw draw,
                  std::vector<const Control*>* late)
{
    std::array<std::vector<const Control*>, 10> byDigit;
    for (const Control& c : controls) {
        if (c.kind != kind)
            continue;
        const int d = deferDigit(c.name);
        if (d < 0)
            draw(t, c);
        else if (late && lateShape(c.name))
            late->push_back(&c);
        else
            byDigit[static_cast<size_t>(d)].push_back(&c);
    }
    for (const auto& list : byDigit)
        for (const Control* c : list)
            draw(t, *c);
}

}  // namespace

int pfDrawStyleOfBorderStyle(int borderStyle)
{
    switch (borderStyle) {
    case 0: return 5;
    case 1: return 0;
    case 2: return 1;
    case 3: return 2;
    case 4: return 3;
    case 5: return 4;
    default: return 0;
    }
}

}  // namespace print

void gsDrawForm(print::PageForm& form, print::DrawTarget* picture, double scale, Integer lastPage)
{
    using namespace print;
    trapped([&] {
        PrintDevice& device = printer::device();
        DrawTarget* t = printing() ? static_cast<DrawTarget*>(&device) : picture;
        if (!t)
            vb::raiseInvalidArgument();

        const double p = device.scaleWidth();
        const double w = form.Width;
        if (p >= w)
            gdblScale = scale;
        else if (printing())
            gdblScale = p / w;
        else
            gdblScale = p / w * scale;

        const std::deque<Control>& controls = form.controls();
        sweepByDigit(*t, controls, ControlKind::Image, &psDrawImage, nullptr);
        std::vector<const Control*> lateShapes;
        sweepByDigit(*t, controls, ControlKind::Shape, &psDrawShape, &lateShapes);
        std::vector<const Control*> lateLabels;
        for (const Control& c : controls) {
            if (c.kind == ControlKind::Line)
                psDrawLine(*t, c);
            else if (c.kind == ControlKind::Label) {
                if (lateLabel(c.name))
                    lateLabels.push_back(&c);
                else
                    psDrawLabel(*t, c);
            }
        }
        for (const Control* c : lateShapes)
            psDrawShape(*t, *c);
        for (const Control* c : lateLabels)
            psDrawLabel(*t, *c);

        if (printing()) {
            if (lastPage != 0)
                device.endDoc();
            else
                device.newPage();
        }
    });
}

void gsSetPrinterOffset()
{
    print::trapped([] { print::printer::device().setOffset(glngOffsetX, glngOffsetY); });
}

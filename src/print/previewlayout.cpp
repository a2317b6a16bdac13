#include "print/previewlayout.h"

#include "platform/vbruntime.h"


namespace {

int half(double v)
{
    return vb::CLng(v / 2.0);
}

PreviewScrollRange range(int paper, int room, int window, int paperPos)
{
    PreviewScrollRange r;
    r.set = true;
    r.maximum = vb::CInt(paper - room);
    r.smallChange = vb::CInt(window / 50.0);
    r.largeChange = vb::CInt(window / 3.0);
    r.value = vb::CInt(-paperPos);
    return r;
}

}  // namespace

PreviewLayout pfPreviewLayout(int cw, int ch, int vw, int hh, int pw, int ph, int paperTop)
{
    PreviewLayout out;
    if (cw <= 0 || ch <= 0)
        return out;
    out.arranged = true;

    const bool tooTall = ph > ch - hh;
    const bool tooWide = pw > cw - vw;
    const int barLeft = cw < vw ? 0 : cw - vw;
    const int barTop = ch < hh ? 0 : ch - hh;
    out.vShown = tooTall;
    out.hShown = tooWide;
    if (tooTall && tooWide) {
        out.vBar = QRect(barLeft, 0, vw, ch < hh ? 0 : ch - hh);
        out.hBar = QRect(0, barTop, cw < vw ? 0 : cw - vw, hh);
        out.cornerShown = true;
        out.corner = QRect(out.vBar.left(), out.vBar.height(), cw - out.vBar.left(),
                           ch - out.vBar.height());
    } else if (tooTall) {
        out.vBar = QRect(barLeft, 0, vw, ch);
    } else if (tooWide) {
        out.hBar = QRect(0, barTop, cw, hh);
    }

    if (out.vShown)
        out.paperLeft = pw - vw > cw ? 0 : half(cw - pw - vw);
    else
        out.paperLeft = pw <= cw ? half(cw - pw) : 0;

    if (tooTall)
        out.vRange = range(ph, ch - hh, ch, paperTop);
    if (tooWide)
        out.hRange = range(pw, cw - vw, cw, out.paperLeft);
    return out;
}

std::array<QLine, 8> pfCornerMarks(double left, double top, double width, double height,
                                   double pw, double ph)
{
    const double l = left;
    const double t = top;
    const double r = left + width;
    const double b = top + height;
    const double up = t - t / 2;
    const double down = b + (ph - b) / 2;
    const double toLeft = l - l / 2;
    const double toRight = r + (pw - r) / 2;
    const auto line = [](double x1, double y1, double x2, double y2) {
        return QLine(vb::CLng(x1), vb::CLng(y1), vb::CLng(x2), vb::CLng(y2));
    };
    return {
        line(l, t, l, up),      line(l, t, toLeft, t),
        line(l, b, l, down),    line(l, b, toLeft, b),
        line(r, t, r, up),      line(r, t, toRight, t),
        line(r, b, r, down),    line(r, b, toRight, b),
    };
}

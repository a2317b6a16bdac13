#include "print/drawtarget.h"

#include "print/printer.h"
#include "print/twipfont.h"
#include "platform/ui/qtuiservice.h"

#include <QCoreApplication>

#include <cmath>

namespace print {

DrawTarget::~DrawTarget() = default;

// ------------------------------------------------------------ PainterTarget

double PainterTarget::textWidth(const QString& text)
{
    return textWidthTwips(font, text) * textStretch;
}

double PainterTarget::textHeight(const QString&)
{
    return textHeightTwips(font);
}

QPen PainterTarget::pen(quint32 color)
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                          Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                          Qt::SolidLine};
    QPen p(platform::oleColor(color));
    p.setStyle(drawStyle >= 0 && drawStyle <= 6 ? styles[drawStyle] : Qt::SolidLine);
    p.setCosmetic(true);    // the width is in device pixels
    p.setWidth(std::max(1, drawWidth));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

QBrush PainterTarget::fillBrush() const
{
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern,  Qt::NoBrush,      Qt::HorPattern,
                                            Qt::VerPattern,    Qt::BDiagPattern, Qt::FDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    if (fillStyle < 0 || fillStyle > 7 || fillStyle == 1)
        return Qt::NoBrush;
    return QBrush(platform::oleColor(fillColor), styles[fillStyle]);
}

void PainterTarget::setRasterMode(QPainter& p)
{
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    if (rasterModes()) {
        switch (drawMode) {
        case 6: mode = QPainter::RasterOp_NotDestination; break;          // invert
        case 7: mode = QPainter::RasterOp_SourceXorDestination; break;    // xor pen
        case 9: mode = QPainter::RasterOp_SourceAndDestination; break;    // mask pen
        case 15: mode = QPainter::RasterOp_SourceOrDestination; break;    // merge pen
        default: break;
        }
    }
    p.setCompositionMode(mode);
}

void PainterTarget::print(const QString& text)
{
    QPainter& p = painter();
    const detail::FontFaces& faces = detail::facesAt(font, font.size * 20.0);
    const bool strikeTwice = font.bold && strikesBoldTwice();
    // Every run's top at the position: the baseline one ascent (of the
    // design face) below it.
    const double ascent = faces.ownMetrics.ascent();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.translate(currentX, currentY);
    p.scale(textStretch / detail::kFontOversize, 1.0 / detail::kFontOversize);
    p.setPen(platform::oleColor(foreColor));
    // Run by run, each in its face, each starting where the one before it
    // ends as measured: the same split and widths as the text measuring,
    // all of it stretched across by the same factor.
    double x = 0;
    detail::forEachRun(text, faces.split, [&](qsizetype start, qsizetype length, bool half) {
        const QString run = start == 0 && length == text.size() ? text : text.mid(start, length);
        const double boldShift = !strikeTwice ? 0 : half ? faces.halfBoldShift : faces.ownBoldShift;
        p.setFont(half ? faces.half : faces.own);
        p.drawText(QPointF(x, ascent), run);
        if (boldShift > 0)
            p.drawText(QPointF(x + boldShift, ascent), run);
        if (start + length < text.size())
            x += faces.runAdvance(text, start, length, half);
    });
    p.restore();
}

void PainterTarget::line(double x1, double y1, double x2, double y2, quint32 color)
{
    QPainter& p = painter();
    setRasterMode(p);
    p.setPen(pen(color));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterTarget::box(double x1, double y1, double x2, double y2, quint32 color)
{
    QPainter& p = painter();
    setRasterMode(p);
    p.setPen(pen(color));
    p.setBrush(fillBrush());
    p.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void PainterTarget::boxFill(double x1, double y1, double x2, double y2, quint32 color)
{
    QPainter& p = painter();
    setRasterMode(p);
    p.setPen(pen(color));
    p.setBrush(QBrush(platform::oleColor(color)));
    p.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void PainterTarget::circle(double cx, double cy, double radius, quint32 color, double aspect)
{
    double rx = radius;
    double ry = radius;
    if (aspect < 1.0)
        ry = radius * aspect;
    else if (aspect > 0)
        rx = radius / aspect;
    QPainter& p = painter();
    setRasterMode(p);
    p.setPen(pen(color));
    p.setBrush(fillBrush());
    p.drawEllipse(QPointF(cx, cy), rx, ry);
}

void PainterTarget::paintPicture(const QString& file, double x, double y, double w, double h)
{
    QImage picture(file);
    if (picture.isNull())
        vb::raise(481, QStringLiteral("ピクチャが不正です。"));
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QRectF(x, y, w, h), picture);
}

// -------------------------------------------------------------- ImageTarget

ImageTarget::ImageTarget(double widthTwips, double heightTwips)
    : m_image(std::max(1, static_cast<int>(std::lround(widthTwips / kTwipsPerPixel))),
              std::max(1, static_cast<int>(std::lround(heightTwips / kTwipsPerPixel))),
              QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
}

ImageTarget::~ImageTarget()
{
    if (m_painter.isActive())
        m_painter.end();
}

QPainter& ImageTarget::painter()
{
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        m_painter.setWorldTransform(QTransform::fromScale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel));
    }
    return m_painter;
}

const QImage& ImageTarget::image()
{
    // Flushes what was drawn; the next drawing begins the painter again.
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

// ------------------------------------------------------------ PrinterTarget

PrinterTarget::PrinterTarget() = default;

PrinterTarget::~PrinterTarget()
{
    abort();
}

Long PrinterTarget::scaleWidth()
{
    return printer::geometry().printableWidth;
}

void PrinterTarget::setOffset(double x, double y)
{
    m_offsetX = x;
    m_offsetY = y;
    if (m_painter.isActive())
        applyTransform();
}

void PrinterTarget::applyTransform()
{
    const double devicePerTwip = m_job.resolution / 1440.0;
    QTransform t;
    t.scale(devicePerTwip, devicePerTwip);
    t.translate(m_offsetX, m_offsetY);
    m_painter.setWorldTransform(t);
}

QPainter& PrinterTarget::painter()
{
    if (!m_painter.isActive()) {
        m_job = printer::startJob();
        m_buffer = std::make_unique<QBuffer>();
        m_buffer->open(QIODevice::WriteOnly);
        m_writer = std::make_unique<QPdfWriter>(m_buffer.get());
        m_writer->setResolution(m_job.resolution);
        m_writer->setPageLayout(m_job.layout);
        m_writer->setTitle(m_job.name);
        m_writer->setCreator(QCoreApplication::applicationName());
        if (!m_painter.begin(m_writer.get())) {
            m_writer.reset();
            m_buffer.reset();
            throw PrintJobError(482, QStringLiteral("プリンタ エラーです。"));
        }
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        applyTransform();
    }
    return m_painter;
}

void PrinterTarget::newPage()
{
    // A page ended before anything was drawn on it is still a page.
    painter();
    if (!m_writer->newPage())
        throw PrintJobError(482, QStringLiteral("プリンタ エラーです。"));
}

QByteArray PrinterTarget::close(bool* ended)
{
    *ended = m_painter.end();
    m_writer.reset();
    QByteArray pdf = m_buffer->data();
    m_buffer.reset();
    return pdf;
}

void PrinterTarget::endDoc()
{
    if (!m_painter.isActive())
        return;
    bool ended = false;
    const QByteArray pdf = close(&ended);
    if (!ended)
        throw PrintJobError(482, QStringLiteral("プリンタ エラーです。"));
    printer::finishJob(m_job, pdf);
}

void PrinterTarget::abort()
{
    if (!m_painter.isActive())
        return;
    bool ended = false;
    close(&ended);
}

}  // namespace print

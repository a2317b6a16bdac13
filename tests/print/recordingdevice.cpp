#include "recordingdevice.h"

#include <cmath>

QString num(double v)
{
    if (v == std::floor(v) && std::abs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'g', 10);
}

double RecordingDevice::textWidth(const QString& text)
{
    return text.size() * font.size * 10.0 * textStretch;
}

double RecordingDevice::textHeight(const QString&)
{
    return font.size * 20.0;
}

void RecordingDevice::record(const QString& kind, const QString& rest)
{
    if (beforeDraw)
        beforeDraw(kind);
    log << kind + QLatin1Char(' ') + rest;
    m_open = true;
}

void RecordingDevice::newPage()
{
    log << QStringLiteral("newpage");
    m_open = true;
}

void RecordingDevice::endDoc()
{
    log << QStringLiteral("enddoc");
    m_open = false;
}

void RecordingDevice::abort()
{
    log << QStringLiteral("abort");
    m_open = false;
}

void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

void RecordingDevice::print(const QString& text)
{
    record(QStringLiteral("text"), QStringLiteral("%1 %2 \"%3\" size=%4%5%6 color=%7")
                                       .arg(num(currentX), num(currentY), text, num(font.size),
                                            font.bold ? QStringLiteral(" bold") : QString(),
                                            textStretch != 1.0 ? QStringLiteral(" stretch=") + num(textStretch)
                                                               : QString())
                                       .arg(foreColor));
}

void RecordingDevice::line(double x1, double y1, double x2, double y2, quint32 color)
{
    record(QStringLiteral("line"), QStringLiteral("%1 %2 %3 %4 color=%5 style=%6 width=%7 mode=%8")
                                       .arg(num(x1), num(y1), num(x2), num(y2))
                                       .arg(color)
                                       .arg(drawStyle)
                                       .arg(drawWidth)
                                       .arg(drawMode));
}

void RecordingDevice::box(double x1, double y1, double x2, double y2, quint32 color)
{
    record(QStringLiteral("box"), QStringLiteral("%1 %2 %3 %4 color=%5 style=%6 width=%7 fill=%8")
                                      .arg(num(x1), num(y1), num(x2), num(y2))
                                      .arg(color)
                                      .arg(drawStyle)
                                      .arg(drawWidth)
                                      .arg(fillStyle));
}

void RecordingDevice::boxFill(double x1, double y1, double x2, double y2, quint32 color)
{
    record(QStringLiteral("boxfill"), QStringLiteral("%1 %2 %3 %4 color=%5 style=%6 width=%7")
                                          .arg(num(x1), num(y1), num(x2), num(y2))
                                          .arg(color)
                                          .arg(drawStyle)
                                          .arg(drawWidth));
}

void RecordingDevice::circle(double cx, double cy, double radius, quint32 color, double aspect)
{
    record(QStringLiteral("circle"), QStringLiteral("%1 %2 r=%3 color=%4 aspect=%5 width=%6 fill=%7")
                                         .arg(num(cx), num(cy), num(radius))
                                         .arg(color)
                                         .arg(num(aspect))
                                         .arg(drawWidth)
                                         .arg(fillStyle));
}

void RecordingDevice::paintPicture(const QString& file, double x, double y, double w, double h)
{
    record(QStringLiteral("picture"), QStringLiteral("%1 %2 %3 %4 %5").arg(file, num(x), num(y), num(w), num(h)));
}

void RecordingDevice::setOffset(double x, double y)
{
    log << QStringLiteral("offset %1 %2").arg(num(x), num(y));
}

// A drawing target for the renderer's tests: it draws nothing and writes one
// line per primitive, with fixed text metrics (a character is size x 10
// twips wide times the text stretch, a line size x 20 twips high, for any
// text), so the expected drawing of a page can be written down exactly. As
// the printer's replacement it also records the page and job ends and the
// offsets.
#pragma once

#include "print/drawtarget.h"

#include <QStringList>

#include <functional>
#include <ostream>

class RecordingDevice : public print::PrintDevice {
public:
    double textWidth(const QString& text) override;
    double textHeight(const QString& text) override;
    void print(const QString& text) override;
    void line(double x1, double y1, double x2, double y2, quint32 color) override;
    void box(double x1, double y1, double x2, double y2, quint32 color) override;
    void boxFill(double x1, double y1, double x2, double y2, quint32 color) override;
    void circle(double cx, double cy, double radius, quint32 color, double aspect) override;
    void paintPicture(const QString& file, double x, double y, double w, double h) override;

    Long scaleWidth() override { return printableWidth; }
    void setOffset(double x, double y) override;
    void newPage() override;
    void endDoc() override;
    void abort() override;
    bool active() const override { return m_open; }

    Long printableWidth = 11338;
    QStringList log;
    // Called before each drawing primitive is recorded, with its first
    // word ("text", "line", ...); may throw to make the primitive fail.
    std::function<void(const QString&)> beforeDraw;

private:
    void record(const QString& kind, const QString& rest);
    bool m_open = false;
};

// A number as the log writes it: whole numbers without a fraction.
QString num(double v);

// Readable texts in the tests' failure output.
void PrintTo(const QString& s, std::ostream* os);

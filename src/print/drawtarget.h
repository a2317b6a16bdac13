// Drawing targets: what the page renderer draws on, in twips.
//
// How to use it
//   - ImageTarget is a white picture for the preview: make one the size of
//     the printer's printable area at the zoom (printable width x z by
//     printable height x z twips), let gsDrawForm draw on it, then save or
//     show image(). One screen pixel is kTwipsPerPixel twips.
//         ImageTarget pic(geom.printableWidth * z, geom.printableHeight * z);
//         gsDrawForm(*form, &pic, z, 0);
//         pic.image().save(path, "BMP");
//   - PrintDevice is what print mode draws on: PrinterTarget for the
//     program's printer (printer.h owns the one instance; tests put a
//     recording device in its place). The job begins at the first drawing,
//     newPage() ends a page, endDoc() ends the job and delivers it (to the
//     PDF file or the print queue), abort() drops it. Its origin is the
//     printable area's top-left corner, moved by setOffset().
//   - The renderer sets the drawing state (the public fields) and calls the
//     primitives; a target keeps the state between elements and pages.
#pragma once

#include "print/pageform.h"
#include "print/printer.h"
#include "platform/vbruntime.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <memory>

namespace print {

// Screen twips per pixel (96 dots an inch).
constexpr double kTwipsPerPixel = 15.0;

// A print job that cannot go on (the printer refuses the job, the PDF file
// cannot be written). The renderer does not report it element by element:
// it ends the drawing and goes to the print loop's caller.
class PrintJobError : public vb::VbError {
public:
    using vb::VbError::VbError;
};

class DrawTarget {
public:
    virtual ~DrawTarget();

    // Drawing state.
    int drawStyle = 0;       // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible, 6 inside solid
    int drawWidth = 1;       // pen width in device pixels
    int drawMode = 13;       // raster mode; 13 copy pen
    int fillStyle = 1;       // 0 solid, 1 transparent, 2-7 hatches
    quint32 fillColor = kBlack;
    quint32 foreColor = kBlack;
    Font font;               // size in points
    // Text is set this many times its width at the same height: below 1 a
    // caption condensed to fit its label. Measuring and drawing alike.
    double textStretch = 1.0;
    double currentX = 0;     // text position, twips
    double currentY = 0;

    // Width and height of one line of text in the current font and stretch.
    // The height of an empty text is the line height.
    virtual double textWidth(const QString& text) = 0;
    virtual double textHeight(const QString& text) = 0;
    // One line of text in the current font, stretch and fore colour, its
    // top-left at the text position, background untouched.
    virtual void print(const QString& text) = 0;
    // A line in the colour with the current pen.
    virtual void line(double x1, double y1, double x2, double y2, quint32 color) = 0;
    // A box outline in the colour with the current pen, filled with the
    // current fill style and colour (not filled when the style is 1).
    virtual void box(double x1, double y1, double x2, double y2, quint32 color) = 0;
    // A box filled solid with the colour, outline included.
    virtual void boxFill(double x1, double y1, double x2, double y2, quint32 color) = 0;
    // An ellipse around (cx, cy), outlined in the colour with the current
    // pen and filled with the current fill. aspect = height / width; below 1
    // the radius is the horizontal half-axis, else the vertical one.
    virtual void circle(double cx, double cy, double radius, quint32 color, double aspect) = 0;
    // A picture file stretched over the rectangle.
    virtual void paintPicture(const QString& file, double x, double y, double w, double h) = 0;
};

// A target drawn with a QPainter whose world transform maps twips to device
// pixels.
class PainterTarget : public virtual DrawTarget {
public:
    double textWidth(const QString& text) override;
    double textHeight(const QString& text) override;
    void print(const QString& text) override;
    void line(double x1, double y1, double x2, double y2, quint32 color) override;
    void box(double x1, double y1, double x2, double y2, quint32 color) override;
    void boxFill(double x1, double y1, double x2, double y2, quint32 color) override;
    void circle(double cx, double cy, double radius, quint32 color, double aspect) override;
    void paintPicture(const QString& file, double x, double y, double w, double h) override;

protected:
    // The painter, begun, with the twips transform set.
    virtual QPainter& painter() = 0;
    // Whether raster modes other than copy pen apply (pictures only).
    virtual bool rasterModes() const { return false; }
    // Whether a bold font of a family without a bold face (the IPA fonts)
    // is drawn a second time, shifted right by half a line thickness, as
    // the PDF printer makes it bold. A picture needs it: its text, drawn
    // through the twips transform, is not made bold by the font engine.
    virtual bool strikesBoldTwice() const { return false; }

private:
    QPen pen(quint32 color);
    QBrush fillBrush() const;
    void setRasterMode(QPainter& p);
};

// A white picture (Format_RGB32) of the given size in twips.
class ImageTarget : public PainterTarget {
public:
    ImageTarget(double widthTwips, double heightTwips);
    ~ImageTarget() override;

    // The picture as drawn so far.
    const QImage& image();

protected:
    QPainter& painter() override;
    bool rasterModes() const override { return true; }
    bool strikesBoldTwice() const override { return true; }

private:
    QImage m_image;
    QPainter m_painter;
};

// What print mode draws on: a target with pages and jobs.
class PrintDevice : public virtual DrawTarget {
public:
    // The printable width in twips.
    virtual Long scaleWidth() = 0;
    // Where the page's (0, 0) lies, in twips right of and below the
    // printable area's top-left corner; applies from the next drawing on.
    virtual void setOffset(double x, double y) = 0;
    // Ends the page; the next drawing is on a new page of the same job.
    virtual void newPage() = 0;
    // Ends the job (nothing when no job is open).
    virtual void endDoc() = 0;
    // Drops the open job, if any.
    virtual void abort() = 0;
    // A job is open: something was drawn or a page ended, and the job was
    // neither ended nor dropped.
    virtual bool active() const = 0;
};

// The printer, page by page: the job begins at the first drawing, on the
// printer's page layout and resolution as they are then, and is drawn
// whole into memory as a PDF; endDoc() hands it to the printer
// (printer::finishJob), which writes the PDF file or sends it to the print
// queue. So a job that fails or is dropped leaves nothing behind, and a
// failure to deliver is the failure of endDoc().
class PrinterTarget : public PainterTarget, public PrintDevice {
public:
    PrinterTarget();
    ~PrinterTarget() override;

    Long scaleWidth() override;
    void setOffset(double x, double y) override;
    double offsetX() const { return m_offsetX; }
    double offsetY() const { return m_offsetY; }

    bool active() const override { return m_painter.isActive(); }
    void newPage() override;
    void endDoc() override;
    void abort() override;

protected:
    QPainter& painter() override;

private:
    void applyTransform();
    // Ends the painter and gives back what was drawn; the job is closed.
    QByteArray close(bool* ended);

    printer::Job m_job;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    double m_offsetX = 0;
    double m_offsetY = 0;
};

}  // namespace print

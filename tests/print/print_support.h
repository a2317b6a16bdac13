// Shared pieces of the print engine's tests: a page form built by the test
// itself, the recording device put in the printer's place, the preview
// window opened as a launcher opens it, and what a PDF
// file holds (its page count; poppler's pdfinfo and pdftotext for its
// properties and the words on its pages).
#pragma once

#include "print/frmPpPreview.h"
#include "print/modPreview.h"
#include "print/pageform.h"
#include "print/printer.h"
#include "print/renderer.h"
#include "recordingdevice.h"
#include "support/pdftools.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

// A page form whose controls and filling the test gives.
class SketchForm : public print::PageForm {
public:
    SketchForm() : PageForm(QStringLiteral("frmSketch")) {}
    using PageForm::add;
    std::function<void(SketchForm&)> onFill;

protected:
    void fill() override
    {
        if (onFill)
            onFill(*this);
    }
};

// Puts a recording device in the printer's place for the test's length.
class PrintTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        print::printer::setDevice(&device);
        gintPrintMode = 0;
    }
    void TearDown() override
    {
        print::printer::setDevice(nullptr);
        gintPrintMode = 0;
    }
    RecordingDevice device;
};

// Opens the preview of a report as a launcher does (gsPrintPreview, with the
// page count and the offsets in millimetres) and runs `body` while the
// window is shown; the window is closed afterwards unless `body` closed it.
inline void withPreview(const print::PageFormFactory& form, Integer pages, Long downMm, Long acrossMm,
                        const std::function<void(frmPpPreview&)>& body)
{
    print::setPreviewWindow([&](QWidget* owner) {
        frmPpPreview w(owner);
        EXPECT_TRUE(testsupport::showActive(w));
        body(w);
        if (w.isVisible())
            w.close();
    });
    gsPrintPreview(form, nullptr, pages, downMm, acrossMm);
    print::setPreviewWindow(nullptr);
}

// Pages of a PDF file written by Qt (its page objects); -1 when it cannot
// be read.
inline int pdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

// pdfinfo's fields ("Pages", "Page size", "Page rot", "Title" ...).
inline QMap<QString, QString> pdfInfo(const QString& path)
{
    QMap<QString, QString> fields;
    const QString out = popplerOutput(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path});
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            fields.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return fields;
}

// A word on a page of a PDF file, its box in points from the page's
// top-left corner as a reader sees the page.
struct PdfWord {
    int page = 0;   // 1-based
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    double pageWidth = 0, pageHeight = 0;
};

inline std::vector<PdfWord> pdfWords(const QString& path)
{
    std::vector<PdfWord> words;
    const QString html = popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression item(QStringLiteral(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|"
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = 0;
    double width = 0, height = 0;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            ++page;
            width = m.captured(1).toDouble();
            height = m.captured(2).toDouble();
            continue;
        }
        words.push_back({page, m.captured(7), m.captured(3).toDouble(), m.captured(4).toDouble(),
                         m.captured(5).toDouble(), m.captured(6).toDouble(), width, height});
    }
    return words;
}

// Shared pieces of the print engine's tests: a page form built by the test
// itself, the recording device put in the printer's place, and the page
// count of a PDF file.
#pragma once

#include "print/pageform.h"
#include "print/printer.h"
#include "print/renderer.h"
#include "recordingdevice.h"
#include "support/recordingui.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>

#include <functional>

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

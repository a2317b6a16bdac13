// Shared pieces of the print engine's tests: a page form built by the test
// itself, and the recording device put in the printer's place.
#pragma once

#include "print/pageform.h"
#include "print/printer.h"
#include "print/renderer.h"
#include "recordingdevice.h"
#include "support/recordingui.h"

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

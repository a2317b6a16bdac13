// The preview entry, the print loops and the launcher base, on the
// recording device: page and job ends, copies as jobs, offsets, orientation,
// the print state they leave, and the failure rule.

#include "print_support.h"

#include "core/printstate.h"
#include "print/modPreview.h"
#include "print/modPrint.h"
#include "platform/vbruntime.h"

#include <QPrinter>

namespace {

// A report of `pages` pages whose every load records the page it filled.
struct CountingReport {
    int pages = 3;
    Long width = 11310;
    Long height = 14985;
    QStringList loads;
    bool failCount = false;

    print::PageFormFactory factory()
    {
        return [this] {
            auto form = std::make_unique<SketchForm>();
            form->Width = width;
            form->Height = height;
            form->add(print::label("lblPage").at(0, 0, 1000, 200));
            form->onFill = [this](SketchForm& f) {
                loads << QString::number(gintPageNo);
                f.gintMaxPageNo = pages;
                if (failCount && gintPageNo == -1)
                    f.gintMaxPageNo = 40000;   // more pages than a page count holds
                f.control("lblPage").caption = QStringLiteral("p%1").arg(gintPageNo);
            };
            return std::unique_ptr<print::PageForm>(std::move(form));
        };
    }
};

class LoopTest : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        print::setPreviewWindow([this](QWidget*) { seenInPreview(); });
    }
    void TearDown() override
    {
        print::setPreviewWindow(nullptr);
        PrintTest::TearDown();
    }
    // The page ends and the pages' texts, in order.
    QStringList pagesPrinted() const
    {
        QStringList out;
        for (const QString& l : device.log)
            if (l == "newpage" || l == "enddoc" || l == "abort")
                out << l;
            else if (l.startsWith("text"))
                out << l.section('"', 1, 1);
        return out;
    }
    void seenInPreview()
    {
        preview = QStringLiteral("page %1/%2 mode %3 adjust %4,%5 form %6 landscape %7")
                      .arg(gintPageNo)
                      .arg(gintPageCount)
                      .arg(gintPrintMode)
                      .arg(gintAdjustTate)
                      .arg(gintAdjustYoko)
                      .arg(gfrmPrintForm ? "set" : "empty")
                      .arg(print::printer::isLandscape() ? "yes" : "no");
        mouseInPreview = recordingUi().mousePointer();
    }
    CountingReport report;
    QString preview;
    int mouseInPreview = -1;
};

TEST_F(LoopTest, PageRangeInCopiesIsOneCollatedJobPerCopy)
{
    gsPrintPages(report.factory(), 2, 3, 2);
    EXPECT_EQ(pagesPrinted(), QStringList({"p2", "newpage", "p3", "enddoc", "p2", "newpage", "p3", "enddoc"}));
    EXPECT_EQ(report.loads, QStringList({"2", "3", "2", "3"}));
    EXPECT_EQ(gintPageNo, 4);
    EXPECT_EQ(gintPrintMode, 0);
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);

    device.log.clear();
    gsPrintPages(report.factory(), 2, 2, 1);
    EXPECT_EQ(pagesPrinted(), QStringList({"p2", "enddoc"}));
    device.log.clear();
    gsPrintPages(report.factory(), 1, 3, 1);
    EXPECT_EQ(pagesPrinted(), QStringList({"p1", "newpage", "p2", "newpage", "p3", "enddoc"}));
}

TEST_F(LoopTest, PageRangeUsesTheOffsetsAsTheyStand)
{
    glngOffsetX = 7;
    glngOffsetY = 567;
    gsPrintPages(report.factory(), 1, 1, 1);
    EXPECT_EQ(device.log.first(), "offset 7 567");
    glngOffsetX = glngOffsetY = 0;
}

TEST_F(LoopTest, DirectPrintIsOneJobOfAllPagesAtTheReportsOffsets)
{
    gsPrintDirect(report.factory(), nullptr, 3, 10, 5);
    EXPECT_EQ(pagesPrinted(), QStringList({"p1", "newpage", "p2", "newpage", "p3", "enddoc"}));
    EXPECT_EQ(device.log.first(), "offset 283 567");
    EXPECT_EQ(glngOffsetY, 567);
    EXPECT_EQ(glngOffsetX, 283);
    EXPECT_EQ(gintAdjustTate, 10);
    EXPECT_EQ(gintAdjustYoko, 5);
    EXPECT_EQ(gintPrintMode, 1);   // stays in print mode

    device.log.clear();
    gsPrintDirect(report.factory(), nullptr, 0, 10, 0);   // no page counted: one page
    EXPECT_EQ(pagesPrinted(), QStringList({"p1", "enddoc"}));
}

TEST_F(LoopTest, MillimetresToTwips)
{
    struct Case {
        Long mm;
        Long twips;
    } cases[] = {{0, 0}, {5, 283}, {10, 567}, {-10, -567}, {30, 1701}, {-30, -1701}, {1, 57}};
    for (const Case& c : cases)
        EXPECT_EQ(print::mmToTwips(c.mm), c.twips) << c.mm;
}

TEST_F(LoopTest, PreviewEntrySetsTheStateAndClearsTheFormAfterwards)
{
    gintPrintMode = 1;
    gsPrintPreview(report.factory(), nullptr, 0, 10, 0);
    EXPECT_EQ(preview, "page 1/1 mode 0 adjust 10,0 form set landscape no");
    EXPECT_FALSE(gfrmPrintForm);
    EXPECT_TRUE(gstrPreviewFile[0].endsWith("/tmpPreview100"));
    EXPECT_TRUE(gstrPreviewFile[1].endsWith("/tmpPreview075"));
    EXPECT_TRUE(gstrPreviewFile[2].endsWith("/tmpPreview050"));
    EXPECT_EQ(gdblZoom, (std::array<double, 3>{1.0, 0.75, 0.5}));

    struct Case {
        Long width;
        Long height;
        const char* landscape;
    } cases[] = {{16000, 11000, "yes"}, {12000, 12000, "yes"}, {11310, 14985, "no"}};
    for (const Case& c : cases) {
        report.width = c.width;
        report.height = c.height;
        gsPrintPreview(report.factory(), nullptr, 4, 5, 0);
        EXPECT_TRUE(preview.endsWith(QStringLiteral("landscape ") + c.landscape)) << preview.toStdString();
        EXPECT_TRUE(preview.startsWith("page 1/4 ")) << preview.toStdString();
    }
    print::printer::setOrientation(false);
}

TEST_F(LoopTest, LauncherCountsThenPreviewsWithoutTheHourglass)
{
    report.pages = 2;
    EXPECT_EQ(gfPrintReport(report.factory(), "gfPrintX", 10, 0, 0, nullptr), 0);
    EXPECT_EQ(report.loads, QStringList({"-1"}));   // the counting load; the preview loads the rest
    EXPECT_EQ(preview, "page 1/2 mode 0 adjust 10,0 form set landscape no");
    EXPECT_EQ(mouseInPreview, platform::vbDefault);
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);

    preview.clear();
    report.loads.clear();
    EXPECT_EQ(gfPrintReport(report.factory(), "gfPrintX", 10, 0, 1, nullptr), 0);
    EXPECT_TRUE(preview.isEmpty());
    EXPECT_EQ(report.loads, QStringList({"-1", "1", "2"}));

    report.loads.clear();
    EXPECT_EQ(gfPrintReport(report.factory(), "gfPrintX", 10, 0, 2, nullptr), 0);
    EXPECT_EQ(report.loads, QStringList({"-1"}));
    EXPECT_TRUE(preview.isEmpty());
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(LoopTest, LauncherFailureShowsItsNameAndReturnsMinusOne)
{
    report.failCount = true;
    EXPECT_EQ(gfPrintReport(report.factory(), "gfPrintScore", 10, 0, 0, nullptr), -1);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("gfPrintScore(): オーバーフローしました。"));
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
    EXPECT_TRUE(preview.isEmpty());

    // A failure that comes out of the preview is the launcher's too.
    resetRecordingUi();
    report.failCount = false;
    print::setPreviewWindow([](QWidget*) { vb::raisePermissionDenied(); });
    EXPECT_EQ(gfPrintReport(report.factory(), "gfPrintPointRanking", 10, 0, 0, nullptr), -1);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith(QStringLiteral("gfPrintPointRanking(): ")));
    EXPECT_FALSE(gfrmPrintForm);
}

TEST_F(LoopTest, AFailedJobIsDroppedAndThePointerAndModePutBack)
{
    device.beforeDraw = [](const QString&) { throw print::PrintJobError(482, "プリンタ エラーです。"); };
    EXPECT_THROW(gsPrintPages(report.factory(), 1, 3, 2), print::PrintJobError);
    EXPECT_EQ(pagesPrinted(), QStringList({"abort"}));
    EXPECT_EQ(gintPrintMode, 0);
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);

    // The next print goes through.
    device.beforeDraw = nullptr;
    device.log.clear();
    gsPrintPages(report.factory(), 1, 1, 1);
    EXPECT_EQ(pagesPrinted(), QStringList({"p1", "enddoc"}));
}

}  // namespace

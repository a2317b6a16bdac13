#include "print/modPreview.h"

#include "core/printstate.h"
#include "core/records.h"
#include "print/drawtarget.h"
#include "print/frmPpPreview.h"
#include "print/printer.h"
#include "print/renderer.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

std::array<QString, 3> gstrPreviewFile;
std::array<double, 3> gdblZoom{1.0, 0.75, 0.5};
print::PageFormFactory gfrmPrintForm;
Integer gintAdjustTate = 0;
Integer gintAdjustYoko = 0;

namespace print {
namespace {

void showPreviewWindow(QWidget* owner)
{
    frmPpPreview window(owner);
    window.exec();
}

PreviewWindow& previewWindow()
{
    static PreviewWindow w = showPreviewWindow;
    return w;
}

bool landscapeFor(const PageFormFactory& form)
{
    const std::unique_ptr<PageForm> designed = form();
    return designed->Width >= designed->Height;
}

QString titleOf(const PageFormFactory& form)
{
    return form()->reportTitle();
}

// Loads page gintPageNo, draws it on the printer and unloads it.
void printPage(const PageFormFactory& form, bool lastPage)
{
    gsSetPrinterOffset();
    const std::unique_ptr<PageForm> page = loadPageForm(form);
    gsDrawForm(*page, nullptr, 1.0, lastPage ? 1 : 0);
}

// A failed print loop: the job is dropped, the pointer and the print mode
// put back, so that the caller's message comes up over a usable program.
void dropJob()
{
    printer::device().abort();
    gintPrintMode = 0;
    platform::resetMousePointer();
}

// A last page the renderer could not finish leaves its job open: the job
// is ended with what was printed, so that the next one can begin.
void endUnfinishedJob()
{
    if (printer::device().active())
        printer::device().endDoc();
}

Integer pagesToShow(Integer counted) { return counted == 0 ? Integer(1) : counted; }

// The page number a loop leaves behind: one past its last page.
Integer pageAfter(int last) { return last < 32767 ? static_cast<Integer>(last + 1) : Integer(32767); }

// Prints pages first..last once per copy, each copy one job (one PDF file
// on the PDF printer); `beforePage` sets the paper before each page. A
// failure drops the job and goes on to the caller.
void printCopies(const PageFormFactory& form, int first, int last, int copies, printer::PrintJobs& jobs,
                 const std::function<void()>& beforePage)
{
    try {
        for (int copy = 1; copy <= copies; ++copy) {
            jobs.startCopy(copy);
            for (int page = first; page <= last; ++page) {
                gintPageNo = static_cast<Integer>(page);
                beforePage();
                printPage(form, page == last);
            }
            gintPageNo = pageAfter(std::max(first - 1, last));
            endUnfinishedJob();
        }
    } catch (...) {
        dropJob();
        throw;
    }
}

}  // namespace

Long mmToTwips(Long mm)
{
    return vb::CLng(mm * static_cast<double>(56.69286f));
}

void setPreviewWindow(PreviewWindow window)
{
    previewWindow() = window ? std::move(window) : PreviewWindow(showPreviewWindow);
}

}  // namespace print

namespace {

void psInitPrintState()
{
    print::printer::trackDefault();
    gstrPreviewFile = {gstrTempFolder + QStringLiteral("/tmpPreview100"),
                       gstrTempFolder + QStringLiteral("/tmpPreview075"),
                       gstrTempFolder + QStringLiteral("/tmpPreview050")};
    gdblZoom = {1.0, 0.75, 0.5};
    glngOffsetX = 0;
    glngOffsetY = 0;
    gintPageNo = 1;
    gintPageCount = 1;
}

}  // namespace

void gsPrintPreview(const print::PageFormFactory& form, QWidget* owner, Integer pageCount,
                    Long offsetDownMm, Long offsetAcrossMm)
{
    using namespace print;
    psInitPrintState();
    gintPageNo = 1;
    gintPageCount = pagesToShow(pageCount);
    printer::setOrientation(landscapeFor(form));
    printer::setA4();
    gintPrintMode = 0;
    gintAdjustTate = vb::CInt(offsetDownMm);
    gintAdjustYoko = vb::CInt(offsetAcrossMm);
    gfrmPrintForm = form;
    struct Release {
        ~Release() { gfrmPrintForm = nullptr; }
    } release;
    previewWindow()(owner);
}

void gsPrintDirect(const print::PageFormFactory& form, QWidget* owner, Integer pageCount,
                   Long offsetDownMm, Long offsetAcrossMm)
{
    using namespace print;
    psInitPrintState();
    gintPageNo = 1;
    gintPageCount = pagesToShow(pageCount);
    const bool landscape = landscapeFor(form);
    gintPrintMode = 1;
    gintAdjustTate = vb::CInt(offsetDownMm);
    glngOffsetY = mmToTwips(offsetDownMm);
    gintAdjustYoko = vb::CInt(offsetAcrossMm);
    glngOffsetX = mmToTwips(offsetAcrossMm);

    printer::PrintJobs jobs;
    if (!jobs.begin(titleOf(form), owner)) {
        gintPrintMode = 0;
        return;
    }
    printCopies(form, 1, gintPageCount, 1, jobs, [landscape] {
        printer::setOrientation(landscape);
        printer::setA4();
    });
    jobs.report(owner);
}

void gsPrintPages(const print::PageFormFactory& form, Integer firstPage, Integer lastPage, Integer copies)
{
    using namespace print;
    printer::PrintJobs jobs;
    if (!jobs.begin(titleOf(form), nullptr))
        return;
    platform::setHourglass();
    gintPrintMode = 1;
    printCopies(form, firstPage, lastPage, copies, jobs, [] { printer::setA4(); });
    gintPrintMode = 0;
    platform::resetMousePointer();
    jobs.report(nullptr);
}

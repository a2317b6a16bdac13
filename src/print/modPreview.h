// The print engine's front door: the preview entry and the print loops.
//
// How to use it
//   - A launcher (modPrint.h) counts the pages and calls gsPrintPreview,
//     which resets the print state, sets A4 paper in the form's orientation
//     (landscape when Width >= Height) and shows the preview window modally;
//     it returns when the window has closed.
//   - The preview window prints a range with gsPrintPages(gfrmPrintForm,
//     first, last, copies): one job per copy, pages first..last, each job
//     ended with EndDoc after its last page and named after the report
//     and the date (printer::PrintJobs). On the PDF printer it first asks
//     where to write (cancelled: nothing is printed) and afterwards says
//     where it wrote. gintPageNo is left one past the last page.
//   - gsPrintDirect prints every page as one job without a preview.
//   - Both entry points first make the printer follow the default printer
//     (printer::trackDefault).
//   - When a print loop fails (a drawing failure that ends the job, a job
//     the print system refuses, a PDF file that cannot be written), its job
//     is dropped, the pointer and gintPrintMode are put back, and the
//     failure goes on to the caller, which shows its message; the next
//     print can begin. An earlier PDF file of the failed job's name stays
//     as it was.
//   - setPreviewWindow replaces the preview window (tests and the page dump
//     tool); by default it is frmPpPreview, shown modally.
#pragma once

#include "core/records.h"
#include "print/pageform.h"

#include <QString>

#include <array>
#include <functional>

class QWidget;

// Base paths of the preview bitmaps per zoom step: the temporary folder and
// "tmpPreview100", "tmpPreview075", "tmpPreview050"; the preview window adds
// "-", the page number and ".bmp".
extern std::array<QString, 3> gstrPreviewFile;
// The zoom steps 1.0, 0.75, 0.5.
extern std::array<double, 3> gdblZoom;
// The page form being previewed (empty outside the preview).
extern print::PageFormFactory gfrmPrintForm;
// The report's print offsets in millimetres, down and to the right.
extern Integer gintAdjustTate;
extern Integer gintAdjustYoko;

void gsPrintPreview(const print::PageFormFactory& form, QWidget* owner, Integer pageCount,
                    Long offsetDownMm, Long offsetAcrossMm);
void gsPrintDirect(const print::PageFormFactory& form, QWidget* owner, Integer pageCount,
                   Long offsetDownMm, Long offsetAcrossMm);
void gsPrintPages(const print::PageFormFactory& form, Integer firstPage, Integer lastPage, Integer copies);

namespace print {

// Millimetres as whole twips (56.69286 twips a millimetre, halves to even):
// 10 -> 567, 5 -> 283.
Long mmToTwips(Long mm);

// Shows the preview window for gfrmPrintForm, modally over `owner`.
using PreviewWindow = std::function<void(QWidget* owner)>;
// Replaces the preview window; an empty function restores frmPpPreview.
void setPreviewWindow(PreviewWindow window);

}  // namespace print

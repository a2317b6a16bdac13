// The page renderer: draws a loaded page form on the printer or on a
// preview picture, in twips, at a scale.
//
// How to use it
//   Preview (gintPrintMode 0): draw each zoom on a picture of the printable
//   area at that zoom:
//       gintPrintMode = 0;
//       ImageTarget pic(printableWidth * z, printableHeight * z);
//       gsDrawForm(*form, &pic, z, 0);
//   Print (gintPrintMode 1): set the offsets, then draw on the printer; the
//   page is ended with NewPage, or the job with EndDoc when lastPage is not
//   0:
//       gsSetPrinterOffset();
//       gsDrawForm(*form, nullptr, 1.0, lastPage);
//   The scale: the form's Width against the printer's printable width P: a
//   form no wider than P is drawn at `scale`; a wider one at P / Width (in
//   print mode) or P / Width x scale (in the preview).
//   Labels: a caption breaks into lines at CR LF and where the next
//   character would pass the label's width; a fixed caption (pageform.h:
//   the label shows its design text) breaks at CR LF only, each line
//   condensed across to the label's width when the font sets it wider.
//   Drawing order: shapes whose name does not end in a digit, then the
//   others digit by digit ("0" first), then lines and labels in control
//   order, then shapes whose name ends in "9" and a digit, then labels
//   whose name ends in "90" to "99". Invisible controls draw nothing.
//   A failing element shows the renderer's error box and the drawing goes
//   on; a failure of the print job itself (PrintJobError) is not reported
//   here but thrown to the print loop.
#pragma once

#include "core/records.h"
#include "print/drawtarget.h"
#include "print/pageform.h"

// 1 = the printer; any other value (0) = the preview picture passed in.
extern Integer gintPrintMode;
// The scale of the page being drawn.
extern double gdblScale;
// Where the page's origin lies inside the printer's printable area, twips
// right and down.
extern Long glngOffsetX;
extern Long glngOffsetY;

void gsDrawForm(print::PageForm& form, print::DrawTarget* picture, double scale, Integer lastPage);
// Moves the printer's origin to glngOffsetX, glngOffsetY.
void gsSetPrinterOffset();

namespace print {
// The pen style of a line or shape border style.
int pfDrawStyleOfBorderStyle(int borderStyle);
}

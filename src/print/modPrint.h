// The report launchers' common body: count the pages of a report's page
// form, then preview it (or print it at once).
//
// How to use it
//   A launcher is one call naming its page form, its own name (for the
//   error message) and the report's print offsets in millimetres (down,
//   across):
//       Integer gfPrintRegiTeamList(Integer mode, QWidget* owner)
//       {
//           return gfPrintReport(print::pageFormFactory<frmPfRegiTeamList>(),
//                                QStringLiteral("gfPrintRegiTeamList"), 10, 0, mode, owner);
//       }
//   mode 0 previews (the preview window offers printing), 1 prints every
//   page without a preview, any other value does nothing. The caller sets
//   the print state and the tables the page form reads first. The result is
//   0, or -1 after the launcher's error box ("<name>(): " and the
//   description, titled "エラー"), also when the failure came out of the
//   preview.
#pragma once

#include "core/records.h"
#include "print/pageform.h"

#include <QString>

class QWidget;

Integer gfPrintReport(const print::PageFormFactory& form, const QString& launcherName, Long offsetDownMm,
                      Long offsetAcrossMm, Integer mode, QWidget* owner);

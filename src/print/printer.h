// The program's one printer, kept for the whole run.
//
// How to use it
//   - printer::device() is what print mode draws on (the renderer uses it
//     when gintPrintMode is 1).
//   - The printer is a queue of the print system (CUPS) or, when there is
//     none, or when the user picks "PDF" in the printer setup, the PDF
//     printer: A4 with 5 mm margins on every side, and each print command
//     asks where to write its file.
//   - It follows the default printer: printer::trackDefault() (run by every
//     print-state reset, that is at each preview and direct print) makes the
//     printer the system's default printer as it is now. A printer chosen in
//     the printer setup becomes the default for the rest of the run: from
//     then on trackDefault() stays on it (while the print system still has
//     it; when it is gone, on the system's default again). The system's own
//     default printer is never changed.
//   - printer::geometry() gives the paper and the printable area in twips,
//     as the preview shows them.
//   - printer::showSetupDialog(owner) is the printer setup: a dialog that
//     lists the printers and the PDF printer. It changes nothing when
//     cancelled; compare printer::deviceName() before and after (with
//     trackDefault() in between) to see whether the printer changed.
//   - A print command names its jobs and, on the PDF printer, asks for the
//     file through a PrintJobs (below). Jobs are drawn whole into memory and
//     only then written or sent, so a job that fails leaves nothing behind.
//   - Tests answer the two modal dialogs through setSetupDialog and
//     setPdfFileChooser, so no test blocks on them, and may put a recording
//     device in the printer's place with setDevice.
#pragma once

#include "core/records.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace print {

class PrintDevice;

namespace printer {

// The device print mode draws on: the printer's drawing target, unless a
// test put another in its place.
PrintDevice& device();
// Puts a device in the printer's place (tests); nullptr restores the
// printer's own.
void setDevice(PrintDevice* device);

// Makes the printer the default printer as it is now: the printer chosen in
// the printer setup this run, or else the system's default printer, or the
// PDF printer when the print system has none. Nothing changes when the
// printer is already that one.
void trackDefault();
// Forgets the printer chosen in the printer setup, so that trackDefault()
// follows the system's default printer again (tests).
void forgetChosenPrinter();

// True while printing goes to a PDF file.
bool isPdf();
// The printer's name; "PDF" for the PDF printer.
QString deviceName();
// The printers of the print system, by name, and the system's default one
// ("" when there is none).
QStringList availablePrinters();
QString systemDefaultPrinter();

// A4 paper, and the orientation (landscape or portrait). Nothing changes
// when the printer already has them.
void setA4();
void setOrientation(bool landscape);
bool isLandscape();

// The paper and its printable area, in twips, for the current paper and
// orientation.
struct Geometry {
    Long paperWidth = 0;
    Long paperHeight = 0;
    Long offsetLeft = 0;       // the printable area's left edge on the paper
    Long offsetTop = 0;
    Long printableWidth = 0;
    Long printableHeight = 0;
};
Geometry geometry();

// The printer setup: a dialog of the printers and the PDF printer. True
// when the user confirmed it; the printer then chosen becomes the default
// printer for the rest of the run (trackDefault() puts it in place). A
// cancelled dialog changes nothing.
bool showSetupDialog(QWidget* owner);
// Replaces the dialog (tests): it gets the name of the current printer (""
// for the PDF printer), may set the chosen one there and returns whether it
// was confirmed. An empty function restores the program's dialog.
using SetupDialog = std::function<bool(QString& printer, QWidget* owner)>;
void setSetupDialog(SetupDialog dialog);

// Asks for a PDF file: (owner, proposed path) -> the chosen path, "" when
// the user cancels. The default is a save-file dialog; tests install their
// own.
using PdfFileChooser = std::function<QString(QWidget* owner, const QString& proposedPath)>;
void setPdfFileChooser(PdfFileChooser chooser);

// The jobs of one print command, one per copy, each named after the report
// and the date as the PDF file is ("チーム識別一覧表_20240501", copy 2
// "..._20240501-2"). In PDF mode it asks once where to write (proposing the
// documents folder and that name) and each copy is one file: the chosen
// name, then "-2", "-3"... before the extension; a file is replaced only by
// a job that ended well.
class PrintJobs {
public:
    // False when the user cancelled the PDF question: print nothing.
    bool begin(const QString& reportTitle, QWidget* owner);
    // Names the job of copy n (1-based) and, in PDF mode, points it at its
    // file.
    void startCopy(int copy);
    // After the last job: in PDF mode, tells the user where the files were
    // written.
    void report(QWidget* owner) const;
    const QStringList& files() const { return m_files; }

private:
    bool m_pdf = false;
    QString m_name;
    QString m_path;
    QStringList m_files;
};

// A job as it begins: drawn on this page layout at this resolution (the
// printer's), then delivered by finishJob to the PDF file or the queue
// named here. PrinterTarget (drawtarget.h) takes one at its first drawing.
struct Job {
    QPageLayout layout;
    int resolution = 600;
    QString name;
    QString file;    // PDF printer: the file the job replaces
    QString queue;   // otherwise: the print system's queue
};
Job startJob();
// Delivers the complete PDF of a job; raises PrintJobError when it cannot.
void finishJob(const Job& job, const QByteArray& pdf);

// For tests without a print system: the PDF printer reports this device
// name ("" for the plain PDF printer), so a change of printer can be shown.
void simulateDeviceName(const QString& name);

}  // namespace printer
}  // namespace print

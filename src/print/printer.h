// The program's one printer, kept for the whole run.
//
// How to use it
//   - printer::device() is what print mode draws on (the renderer uses it
//     when gintPrintMode is 1); printer::qprinter() the QPrinter behind it.
//   - It starts on the system's default printer. When no printer is
//     installed, or when the user picks "print to file" in the printer
//     setup, it is a PDF printer: A4 with 5 mm margins on every side, and
//     each print command asks where to write its file (printer::PdfJobs).
//   - printer::geometry() gives the paper and the printable area in twips,
//     as the preview shows them.
//   - printer::showSetupDialog(owner) is the printer setup (Qt's print
//     dialog on the QPrinter); compare printer::deviceName() before and
//     after to see whether the printer changed.
//   - Tests answer the two modal dialogs through setSetupDialog and
//     setPdfFileChooser, so no test blocks on them, and may put a recording
//     device in the printer's place with setDevice.
#pragma once

#include "core/records.h"

#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace print {

class PrintDevice;

namespace printer {

// The printer (made on first use) and the device print mode draws on: the
// printer's drawing target, unless a test put another in its place.
QPrinter& qprinter();
PrintDevice& device();
// Puts a device in the printer's place (tests); nullptr restores the
// printer's own.
void setDevice(PrintDevice* device);

// Follows the default printer: the program's current printer plays that
// role, so this only makes sure the printer exists.
void trackDefault();

// True while printing goes to a PDF file.
bool isPdf();
// The printer's name; "PDF" for the PDF printer.
QString deviceName();

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
Geometry geometryOf(const QPrinter& printer);

// The printer setup: Qt's print dialog on the printer. True when the user
// confirmed it. A PDF choice makes the printer the PDF printer again (A4,
// 5 mm margins).
bool showSetupDialog(QWidget* owner);
// Replaces the dialog (tests); an empty function restores Qt's dialog. The
// function may change the printer and returns whether it was confirmed.
using SetupDialog = std::function<bool(QPrinter& printer, QWidget* owner)>;
void setSetupDialog(SetupDialog dialog);

// Asks for a PDF file: (owner, proposed path) -> the chosen path, "" when
// the user cancels. The default is a save-file dialog; tests install their
// own.
using PdfFileChooser = std::function<QString(QWidget* owner, const QString& proposedPath)>;
void setPdfFileChooser(PdfFileChooser chooser);

// The PDF files of one print command: in PDF mode, asks once where to write
// (proposing the documents folder, the report's title and today's date);
// each copy is one job and one file: the chosen name, then "-2", "-3"...
// before the extension. Outside PDF mode every call does nothing and
// begin() is true.
class PdfJobs {
public:
    // False when the user cancelled: print nothing.
    bool begin(const QString& reportTitle, QWidget* owner);
    // Points the printer at the file of copy n (1-based).
    void startCopy(int copy);
    // After the last job: tells the user where the files were written.
    void report(QWidget* owner) const;
    const QStringList& files() const { return m_files; }

private:
    bool m_pdf = false;
    QString m_path;
    QStringList m_files;
};

// For tests without a print system: the PDF printer reports this device
// name ("" for the plain PDF printer), so a change of printer can be shown.
void simulateDeviceName(const QString& name);

}  // namespace printer
}  // namespace print

#include "print/printer.h"

#include "print/drawtarget.h"
#include "platform/folders.h"
#include "platform/ui/qtuiservice.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QDate>
#include <QDir>
#include <QApplication>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace print::printer {
namespace {

// The PDF printer: the resolution of a typical office printer, so pen
// widths in device pixels look as they would on paper.
constexpr int kPdfResolution = 600;
constexpr double kPdfMarginMm = 5.0;

struct Holder {
    QPrinter printer{QPrinter::HighResolution};
    PrinterTarget target{printer};
    PrintDevice* replacement = nullptr;
    QString simulatedName;

    Holder()
    {
        // The system's default printer, or PDF when there is none.
        printer.setFullPage(false);
        printer.setPageSize(QPageSize(QPageSize::A4));
        if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
            makePdf();
        else
            fitMargins();
    }

    void makePdf()
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(kPdfResolution);
        printer.setFullPage(false);
        fitMargins();
    }

    // The origin is the printable area's top-left: the PDF printer's fixed
    // margins, or the smallest margins a real printer allows.
    void fitMargins()
    {
        if (printer.outputFormat() == QPrinter::PdfFormat) {
            printer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                   QPageLayout::Millimeter);
            return;
        }
        const QPageLayout layout = printer.pageLayout();
        printer.setPageMargins(layout.minimumMargins(), layout.units());
    }
};

Holder& holder()
{
    // Made on first use and kept to the end of the run (never destroyed
    // after the application object).
    static Holder* h = new Holder;
    return *h;
}

bool qtSetupDialog(QPrinter& p, QWidget* owner)
{
    QPrintDialog dlg(&p, owner);
    dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dlg.exec() == QDialog::Accepted;
}

SetupDialog& setupDialog()
{
    static SetupDialog d = qtSetupDialog;
    return d;
}

QString qtPdfChooser(QWidget* owner, const QString& proposedPath)
{
    // Without an owner the dialog belongs to the window in front (the
    // preview): a dialog of its own would be the program's only shown main
    // window while the game window is open (the main window is hidden), and
    // closing it would end the program.
    return platform::askSaveFileName(owner ? owner : QApplication::activeModalWidget(),
                                     QStringLiteral("PDFファイルに印刷"), proposedPath,
                                     QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
}

PdfFileChooser& pdfChooser()
{
    static PdfFileChooser c = qtPdfChooser;
    return c;
}

Long toTwips(int pixels, int resolution)
{
    return vb::CLng(pixels * 1440.0 / resolution);
}

// A report title as part of a file name.
QString fileNamePart(const QString& title)
{
    QString s = vb::Trim(title);
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : s)
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    return s.isEmpty() ? QStringLiteral("report") : s;
}

}  // namespace

QPrinter& qprinter() { return holder().printer; }

PrintDevice& device()
{
    Holder& h = holder();
    return h.replacement ? *h.replacement : h.target;
}

void setDevice(PrintDevice* device) { holder().replacement = device; }

void trackDefault() { holder(); }

bool isPdf() { return qprinter().outputFormat() == QPrinter::PdfFormat; }

QString deviceName()
{
    if (!isPdf())
        return qprinter().printerName();
    const QString& simulated = holder().simulatedName;
    return simulated.isEmpty() ? QStringLiteral("PDF") : simulated;
}

void simulateDeviceName(const QString& name) { holder().simulatedName = name; }

void setA4()
{
    QPrinter& p = qprinter();
    if (p.pageLayout().pageSize().id() == QPageSize::A4)
        return;
    p.setPageSize(QPageSize(QPageSize::A4));
    holder().fitMargins();
}

void setOrientation(bool landscape)
{
    const auto wanted = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPrinter& p = qprinter();
    if (p.pageLayout().orientation() != wanted)
        p.setPageOrientation(wanted);
}

bool isLandscape() { return qprinter().pageLayout().orientation() == QPageLayout::Landscape; }

Geometry geometry() { return geometryOf(qprinter()); }

Geometry geometryOf(const QPrinter& p)
{
    const int res = p.resolution();
    const QPageLayout layout = p.pageLayout();
    const QRect full = layout.fullRectPixels(res);
    const QRect paint = layout.paintRectPixels(res);
    Geometry g;
    g.paperWidth = toTwips(full.width(), res);
    g.paperHeight = toTwips(full.height(), res);
    g.offsetLeft = toTwips(paint.left(), res);
    g.offsetTop = toTwips(paint.top(), res);
    g.printableWidth = toTwips(paint.width(), res);
    g.printableHeight = toTwips(paint.height(), res);
    return g;
}

bool showSetupDialog(QWidget* owner)
{
    Holder& h = holder();
    const bool accepted = setupDialog()(h.printer, owner);
    if (accepted) {
        // Copies are the print loops' business, one job per copy.
        h.printer.setCopyCount(1);
        if (h.printer.outputFormat() == QPrinter::PdfFormat)
            h.makePdf();
        else
            h.fitMargins();
    }
    return accepted;
}

void setSetupDialog(SetupDialog dialog)
{
    setupDialog() = dialog ? std::move(dialog) : SetupDialog(qtSetupDialog);
}

void setPdfFileChooser(PdfFileChooser chooser)
{
    pdfChooser() = chooser ? std::move(chooser) : PdfFileChooser(qtPdfChooser);
}

bool PdfJobs::begin(const QString& reportTitle, QWidget* owner)
{
    // Only the printer's own target writes the PDF file.
    m_pdf = isPdf() && !holder().replacement;
    m_files.clear();
    if (!m_pdf)
        return true;
    const QString proposed = QDir(platform::documentsFolder())
                                 .filePath(fileNamePart(reportTitle) + QLatin1Char('_') +
                                           QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                                           QStringLiteral(".pdf"));
    QString path = pdfChooser()(owner, proposed);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    m_path = path;
    return true;
}

void PdfJobs::startCopy(int copy)
{
    if (!m_pdf)
        return;
    QString file = m_path;
    if (copy > 1) {
        const QFileInfo info(m_path);
        const QString suffix = info.suffix();
        file = info.dir().filePath(info.completeBaseName() + QLatin1Char('-') + QString::number(copy) +
                                   (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix));
    }
    qprinter().setOutputFileName(file);
    if (!m_files.contains(file))
        m_files << file;
}

void PdfJobs::report(QWidget* owner) const
{
    if (!m_pdf || m_files.isEmpty())
        return;
    platform::MsgBox(QStringLiteral("PDFファイルに印刷しました。\r\n") + m_files.join(QStringLiteral("\r\n")),
                     platform::vbOKOnly | platform::vbInformation, QStringLiteral("印刷"), owner);
}

}  // namespace print::printer

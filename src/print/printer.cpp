#include "print/printer.h"

#include "print/drawtarget.h"
#include "print/printersetupdialog.h"
#include "print/printoutput.h"
#include "platform/folders.h"
#include "platform/ui/qtuiservice.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>
#include <optional>

namespace print::printer {
namespace {

// The PDF printer: the resolution of a typical office printer, so pen
// widths in device pixels look as they would on paper.
constexpr int kPdfResolution = 600;
constexpr double kPdfMarginMm = 5.0;

struct Holder {
    // The current printer's settings: paper, orientation, printable area
    // and resolution. Jobs are drawn with them (see startJob).
    std::unique_ptr<QPrinter> printer;
    // The print system's queue printed on; "" for the PDF printer.
    QString queue;
    // The printer chosen in the printer setup this run ("" the PDF
    // printer); none while the printer follows the system's default.
    std::optional<QString> chosen;
    PrinterTarget target;
    PrintDevice* replacement = nullptr;
    QString simulatedName;
    // The job the next drawing begins: its name and, on the PDF printer,
    // its file (set by PrintJobs).
    QString jobName;
    QString jobFile;

    Holder() { use(wantedQueue()); }

    // The printer the default printer is now: the chosen one while the
    // print system has it, else the system's default.
    QString wantedQueue() const
    {
        const QStringList available = QPrinterInfo::availablePrinterNames();
        if (chosen && (chosen->isEmpty() || available.contains(*chosen)))
            return *chosen;
        const QString system = QPrinterInfo::defaultPrinterName();
        return available.contains(system) ? system : QString();
    }

    // Puts the queue's printer in place (the PDF printer for "" or a queue
    // the print system does not have), on A4 in the orientation the
    // printer had.
    void use(const QString& name)
    {
        const auto orientation = printer ? printer->pageLayout().orientation() : QPageLayout::Portrait;
        const QPrinterInfo info = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
        if (info.isNull()) {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setResolution(kPdfResolution);
            queue.clear();
        } else {
            printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            queue = info.printerName();
        }
        printer->setFullPage(false);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(orientation);
        fitMargins();
    }

    // The origin is the printable area's top-left: the PDF printer's fixed
    // margins, or the smallest margins a real printer allows.
    void fitMargins()
    {
        if (queue.isEmpty()) {
            printer->setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                    QPageLayout::Millimeter);
            return;
        }
        const QPageLayout layout = printer->pageLayout();
        printer->setPageMargins(layout.minimumMargins(), layout.units());
    }
};

Holder& holder()
{
    // Made on first use and kept to the end of the run (never destroyed
    // after the application object).
    static Holder* h = new Holder;
    return *h;
}

bool programSetupDialog(QString& printer, QWidget* owner)
{
    PrinterSetupDialog dlg(availablePrinters(), printer, owner);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    printer = dlg.chosenPrinter();
    return true;
}

SetupDialog& setupDialog()
{
    static SetupDialog d = programSetupDialog;
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

// Copy n's variant of a name: "-n" before the extension from copy 2 on.
QString copyName(const QString& name, int copy, bool hasExtension)
{
    if (copy <= 1)
        return name;
    const QString number = QLatin1Char('-') + QString::number(copy);
    if (!hasExtension)
        return name + number;
    const QFileInfo info(name);
    const QString suffix = info.suffix();
    return info.dir().filePath(info.completeBaseName() + number +
                               (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix));
}

}  // namespace

PrintDevice& device()
{
    Holder& h = holder();
    return h.replacement ? *h.replacement : h.target;
}

void setDevice(PrintDevice* device) { holder().replacement = device; }

void trackDefault()
{
    Holder& h = holder();
    const QString wanted = h.wantedQueue();
    if (wanted != h.queue)
        h.use(wanted);
}

void forgetChosenPrinter() { holder().chosen.reset(); }

bool isPdf() { return holder().queue.isEmpty(); }

QString deviceName()
{
    const Holder& h = holder();
    if (!h.queue.isEmpty())
        return h.queue;
    return h.simulatedName.isEmpty() ? QStringLiteral("PDF") : h.simulatedName;
}

QStringList availablePrinters() { return QPrinterInfo::availablePrinterNames(); }

QString systemDefaultPrinter() { return QPrinterInfo::defaultPrinterName(); }

void simulateDeviceName(const QString& name) { holder().simulatedName = name; }

void setA4()
{
    Holder& h = holder();
    if (h.printer->pageLayout().pageSize().id() == QPageSize::A4)
        return;
    h.printer->setPageSize(QPageSize(QPageSize::A4));
    h.fitMargins();
}

void setOrientation(bool landscape)
{
    const auto wanted = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPrinter& p = *holder().printer;
    if (p.pageLayout().orientation() != wanted)
        p.setPageOrientation(wanted);
}

bool isLandscape() { return holder().printer->pageLayout().orientation() == QPageLayout::Landscape; }

Geometry geometry()
{
    const QPrinter& p = *holder().printer;
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
    QString printer = h.queue;
    if (!setupDialog()(printer, owner))
        return false;
    h.chosen = printer;
    return true;
}

void setSetupDialog(SetupDialog dialog)
{
    setupDialog() = dialog ? std::move(dialog) : SetupDialog(programSetupDialog);
}

void setPdfFileChooser(PdfFileChooser chooser)
{
    pdfChooser() = chooser ? std::move(chooser) : PdfFileChooser(qtPdfChooser);
}

bool PrintJobs::begin(const QString& reportTitle, QWidget* owner)
{
    m_name = fileNamePart(reportTitle) + QLatin1Char('_') +
             QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    // Only the printer's own target writes the PDF file.
    m_pdf = isPdf() && !holder().replacement;
    m_files.clear();
    if (!m_pdf)
        return true;
    const QString proposed = QDir(platform::documentsFolder()).filePath(m_name + QStringLiteral(".pdf"));
    QString path = pdfChooser()(owner, proposed);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    m_path = path;
    output::removePdfLeftovers(m_path);
    return true;
}

void PrintJobs::startCopy(int copy)
{
    Holder& h = holder();
    h.jobName = copyName(m_name, copy, false);
    h.jobFile.clear();
    if (!m_pdf)
        return;
    h.jobFile = copyName(m_path, copy, true);
    if (!m_files.contains(h.jobFile))
        m_files << h.jobFile;
}

void PrintJobs::report(QWidget* owner) const
{
    if (!m_pdf || m_files.isEmpty())
        return;
    platform::MsgBox(QStringLiteral("PDFファイルに印刷しました。\r\n") + m_files.join(QStringLiteral("\r\n")),
                     platform::vbOKOnly | platform::vbInformation, QStringLiteral("印刷"), owner);
}

Job startJob()
{
    const Holder& h = holder();
    Job job;
    job.layout = h.printer->pageLayout();
    job.resolution = h.printer->resolution();
    job.name = h.jobName;
    job.queue = h.queue;
    if (h.queue.isEmpty())
        job.file = h.jobFile;
    return job;
}

void finishJob(const Job& job, const QByteArray& pdf)
{
    if (!job.queue.isEmpty()) {
        output::sendToQueue(job.queue, job.name, job.layout.orientation() == QPageLayout::Landscape, pdf);
        return;
    }
    if (job.file.isEmpty())
        throw PrintJobError(482, QStringLiteral("プリンタ エラーです。"));
    output::writePdfFile(job.file, pdf);
}

}  // namespace print::printer

// Printing on real queues of a print system of the test's own (a scheduler
// on a private socket with cups-pdf queues, see privatecups.h): a report
// printed from the preview comes out of the queue as previewed and named
// after the report; a job the print system refuses is reported and the
// program stays usable; the printer follows the default printer, and a
// printer chosen in the printer setup, from then on.
#include "print_support.h"
#include "privatecups.h"

#include "core/printstate.h"
#include "core/records.h"
#include "print/drawtarget.h"
#include "print/frmPpPreview.h"
#include "print/frmPpPrintSetup.h"
#include "print/modPreview.h"
#include "print/printersetupdialog.h"
#include "platform/uiservice.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"
#include "support/modaldialog.h"
#include "support/uiwait.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cups/ipp.h>

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

// A report of three pages, each with "TOP-<page>" at its top-left corner and
// "END-<page>" at the bottom right of the design, in half-width letters any
// PDF tool reads back, so that where they land shows how the page came out.
class QueueReport : public print::PageForm {
public:
    static inline bool landscape = false;

    QueueReport() : print::PageForm(QStringLiteral("frmPfQueueReport"))
    {
        if (landscape)
            std::swap(Width, Height);
        add(print::label(QStringLiteral("lblTop")).at(300, 300, 3000, 400).withFont({print::kPGothic, 14.25, false}));
        add(print::label(QStringLiteral("lblEnd"))
                .at(Width - 3300, Height - 700, 3000, 400)
                .withFont({print::kPGothic, 14.25, false}));
        add(print::line(QStringLiteral("linTop")).from(300, 800, Width - 300, 800).thick(2));
    }
    // Unique to the test process: cups-pdf may write into a folder that
    // other runs share (see PrivateCups::outputFile).
    QString reportTitle() const override
    {
        return QStringLiteral("印刷キュー試験%1").arg(QCoreApplication::applicationPid());
    }

protected:
    void fill() override
    {
        gintMaxPageNo = 3;
        if (gintPageNo < 1)
            return;
        control(QStringLiteral("lblTop")).caption = QStringLiteral("TOP-%1").arg(gintPageNo);
        control(QStringLiteral("lblEnd")).caption = QStringLiteral("END-%1").arg(gintPageNo);
    }
};

// The job name of the report printed today, as its PDF file would be named.
QString jobNameToday()
{
    return QueueReport().reportTitle() + QLatin1Char('_') + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
}

class PrintQueueTest : public testing::Test {
protected:
    void SetUp() override
    {
        const QString reason = PrivateCups::unavailableReason();
        if (!reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
        ASSERT_TRUE(dir.isValid());
        testsupport::pointDataPathsAt(dir.path());
        QDir().mkpath(gstrTempFolder);
        resetRecordingUi();
        QueueReport::landscape = false;
        print::printer::forgetChosenPrinter();
        print::printer::setPdfFileChooser([this](QWidget*, const QString&) { return dir.filePath("out.pdf"); });
    }

    void TearDown() override
    {
        print::setPreviewWindow(nullptr);
        print::printer::setSetupDialog(nullptr);
        print::printer::setPdfFileChooser(nullptr);
        cups.reset();
        // Back to no print system, and to following its default printer.
        print::printer::forgetChosenPrinter();
        print::printer::trackDefault();
        gintPrintMode = 0;
    }

    // Opens the preview of the report as a launcher does and runs `body`
    // while it is shown.
    static void preview(const std::function<void(frmPpPreview&)>& body)
    {
        withPreview(print::pageFormFactory<QueueReport>(), 3, 0, 0, body);
    }

    // The printer the next preview starts on.
    QString printerOfNextPreview()
    {
        QString name;
        preview([&](frmPpPreview&) { name = print::printer::deviceName(); });
        return name;
    }

    // The preview's print command, answered with pages first..last and
    // `copies` copies.
    static void printFromPreview(frmPpPreview& w, int first, int last, int copies)
    {
        testsupport::onNextDialog<frmPpPrintSetup>([=](frmPpPrintSetup* d) {
            d->cobStartPage->setCurrentIndex(first - 1);
            d->cobEndPage->setCurrentIndex(last - 1);
            d->txtCopy->setText(QString::number(copies));
            d->btnOK->click();
        });
        w.mnuPrint_Print->trigger();
    }

    // The preview's printer setup, answered by selecting `printer` (a short
    // queue name, or "" for the PDF printer) and pressing `button`.
    void setUpPrinter(frmPpPreview& w, const QString& printer, bool ok)
    {
        testsupport::onNextDialog<PrinterSetupDialog>([=, this](PrinterSetupDialog* d) {
            const QString wanted = printer.isEmpty() ? QString() : cups->queue(printer);
            d->cobPrinter->setCurrentIndex(d->cobPrinter->findData(wanted));
            EXPECT_EQ(d->chosenPrinter(), wanted);
            (ok ? d->btnOK : d->btnCancel)->click();
        });
        w.mnuPrint_Setup->trigger();
    }

    // Starts the print system with queues named A, B ... (the first one the
    // default), each with the given lpadmin options.
    void startPrintSystem(const QStringList& queues, const QStringList& options = {})
    {
        if (!cups)
            cups = std::make_unique<PrivateCups>();
        ASSERT_TRUE(cups->start()) << cups->error().toStdString();
        for (const QString& q : queues)
            ASSERT_TRUE(cups->addPdfQueue(q, options)) << cups->error().toStdString();
        if (!queues.isEmpty())
            ASSERT_TRUE(cups->run("lpadmin", {"-d", "%" + queues.first()})) << cups->error().toStdString();
    }

    QTemporaryDir dir;
    std::unique_ptr<PrivateCups> cups;
};

TEST_F(PrintQueueTest, AReportPrintedFromThePreviewComesOutOfTheQueueAsPreviewedAndNamedAfterTheReport)
{
    // The queue turns pages to landscape unless a job says otherwise.
    startPrintSystem({"A"}, {"-o", "orientation-requested-default=4"});
    preview([&](frmPpPreview& w) {
        EXPECT_EQ(print::printer::deviceName(), cups->queue("A"));
        EXPECT_FALSE(print::printer::isPdf());
        printFromPreview(w, 1, 3, 1);
        EXPECT_TRUE(recordingUi().messages.empty());   // no message: the job went to the queue
        EXPECT_EQ(gintPageNo, 1);
    });

    const auto jobs = cups->waitForJobs("A", 1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].state, IPP_JSTATE_COMPLETED) << jobs[0].stateMessage.toStdString();
    EXPECT_EQ(jobs[0].name, jobNameToday());
    EXPECT_EQ(jobs[0].orientation, "3");   // portrait, sent with the job
    EXPECT_EQ(jobs[0].media, "A4");

    // cups-pdf names its file after the job.
    const QString file = cups->outputFile(jobNameToday());
    ASSERT_FALSE(file.isEmpty()) << "no output named " << jobNameToday().toStdString();
    const auto info = pdfInfo(file);
    EXPECT_EQ(info.value("Pages"), "3");
    EXPECT_TRUE(info.value("Page size").contains("(A4)")) << info.value("Page size").toStdString();
    EXPECT_EQ(info.value("Page rot"), "0");
    // Portrait as previewed. The PDF tool rewrites the text in fonts whose
    // letters cannot be read back, so where the words are tells: on each
    // upright page one word (TOP-n) at the top left and one (END-n) at the
    // bottom right, both reading across.
    const auto words = pdfWords(file);
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        std::vector<PdfWord> on;
        std::copy_if(words.begin(), words.end(), std::back_inserter(on),
                     [&](const PdfWord& w) { return w.page == page; });
        ASSERT_EQ(on.size(), 2u);
        const PdfWord& top = on[0].yMin < on[1].yMin ? on[0] : on[1];
        const PdfWord& end = on[0].yMin < on[1].yMin ? on[1] : on[0];
        EXPECT_LT(top.pageWidth, top.pageHeight);
        EXPECT_LT(top.xMin, top.pageWidth / 4);
        EXPECT_LT(top.yMax, top.pageHeight / 8);
        EXPECT_GT(end.xMin, end.pageWidth / 2);
        EXPECT_GT(end.yMin, end.pageHeight * 3 / 4);
        for (const PdfWord& w : on)
            EXPECT_GT(w.xMax - w.xMin, w.yMax - w.yMin);   // reads across
    }

    // A landscape report printed without a preview: one job of all pages,
    // sent as landscape, which the queue prints across the long edge of the
    // A4 sheet (the page's top left at the sheet's bottom left, reading up).
    QueueReport::landscape = true;
    gsPrintDirect(print::pageFormFactory<QueueReport>(), nullptr, 3, 0, 0);
    const auto both = cups->waitForJobs("A", 2);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[1].state, IPP_JSTATE_COMPLETED) << both[1].stateMessage.toStdString();
    EXPECT_EQ(both[1].name, jobNameToday());
    EXPECT_EQ(both[1].orientation, "4");
    EXPECT_EQ(both[1].media, "A4");
    const auto across = pdfInfo(file);
    EXPECT_EQ(across.value("Pages"), "3");
    EXPECT_TRUE(across.value("Page size").contains("(A4)")) << across.value("Page size").toStdString();
    const auto turned = pdfWords(file);
    const auto onFirstPage = [&](auto where) {
        return std::any_of(turned.begin(), turned.end(), [&](const PdfWord& w) { return w.page == 1 && where(w); });
    };
    EXPECT_TRUE(onFirstPage([](const PdfWord& w) { return w.xMax < w.pageWidth / 4 && w.yMin > w.pageHeight * 3 / 4; }));
    EXPECT_TRUE(onFirstPage([](const PdfWord& w) { return w.xMin > w.pageWidth / 2 && w.yMax < w.pageHeight / 2; }));
}

// A job the print system does not take is a failure of the print command:
// its message names the printer and gives the print system's reason, the
// page on display stays, and once the cause is gone the next print goes
// through, from the same preview.
TEST_F(PrintQueueTest, AJobThePrintSystemRefusesIsReportedAndTheNextPrintGoesThrough)
{
    startPrintSystem({"A"});
    struct Case {
        const char* what;
        std::function<bool()> refuse;
        const char* reason;
        std::function<bool()> restore;
    };
    const Case cases[] = {
        {"queue not accepting jobs", [&] { return cups->run("cupsreject", {"%A"}); },
         "プリンタが印刷を受け付けていません。", [&] { return cups->run("cupsaccept", {"%A"}); }},
        {"queue deleted", [&] { return cups->run("lpadmin", {"-x", "%A"}); }, "プリンタが印刷システムにありません。",
         [&] { return cups->addPdfQueue("A"); }},
        {"scheduler gone",
         [&] {
             cups->stop();
             return true;
         },
         "印刷システムに接続できません。", [&] { return cups->start(); }},
    };
    const QString prefix = QStringLiteral("mnuPrint_Print_Click(): プリンタ「") + cups->queue("A") +
                           QStringLiteral("」に印刷できませんでした。\r\n");
    preview([&](frmPpPreview& w) {
        ASSERT_EQ(print::printer::deviceName(), cups->queue("A"));
        w.mnuNPage->trigger();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            resetRecordingUi();
            ASSERT_TRUE(c.refuse()) << cups->error().toStdString();
            printFromPreview(w, 1, 2, 1);
            ASSERT_EQ(recordingUi().messages.size(), 1u);
            const RecordedMessage& m = recordingUi().messages[0];
            EXPECT_EQ(m.prompt, prefix + QString::fromUtf8(c.reason));
            EXPECT_EQ(m.title, QStringLiteral("エラー"));
            EXPECT_EQ(gintPageNo, 2);
            EXPECT_EQ(gintPrintMode, 0);
            EXPECT_FALSE(print::printer::device().active());
            EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);

            ASSERT_TRUE(c.restore()) << cups->error().toStdString();
            resetRecordingUi();
            printFromPreview(w, 1, 2, 1);
            EXPECT_TRUE(recordingUi().messages.empty());
            const auto jobs = cups->waitForJobs("A", 1);
            ASSERT_FALSE(jobs.empty());
            EXPECT_EQ(jobs.back().state, IPP_JSTATE_COMPLETED) << jobs.back().stateMessage.toStdString();
        }
    });
}

// Each preview starts on the default printer as it is then; a printer chosen
// in the printer setup is the default printer for the rest of the run (the
// system's own default stays as it is) until the print system no longer
// has it; cancelling the setup changes nothing.
TEST_F(PrintQueueTest, EachPreviewStartsOnTheDefaultPrinterAndAChosenOneIsKept)
{
    // The print system is down at the first preview: the PDF printer.
    EXPECT_EQ(printerOfNextPreview(), "PDF");
    startPrintSystem({"A", "B"});
    const QString a = cups->queue("A");
    const QString b = cups->queue("B");
    EXPECT_EQ(printerOfNextPreview(), a);
    ASSERT_TRUE(cups->run("lpadmin", {"-d", "%B"})) << cups->error().toStdString();
    EXPECT_EQ(printerOfNextPreview(), b);

    preview([&](frmPpPreview& w) {
        setUpPrinter(w, "A", false);
        EXPECT_EQ(print::printer::deviceName(), b);
        setUpPrinter(w, "A", true);
        EXPECT_EQ(print::printer::deviceName(), a);
        EXPECT_TRUE(recordingUi().messages.empty());
    });
    EXPECT_EQ(print::printer::systemDefaultPrinter(), b);
    EXPECT_EQ(printerOfNextPreview(), a);

    // The chosen printer taken away: the system's default again.
    ASSERT_TRUE(cups->run("lpadmin", {"-x", "%A"})) << cups->error().toStdString();
    EXPECT_EQ(printerOfNextPreview(), b);

    // The PDF printer chosen: kept while the print system has a default.
    preview([&](frmPpPreview& w) { setUpPrinter(w, "", true); });
    EXPECT_EQ(printerOfNextPreview(), "PDF");
}

}  // namespace

// The program's printer as this machine has it (no print system: the PDF
// printer), and the picture target: A4 geometry, PDF files per copy, the
// save question and its answer, a file that cannot be written, and text
// drawn on a picture.

#include "print_support.h"

#include "print/modPreview.h"
#include "core/printstate.h"
#include "print/drawtarget.h"
#include "platform/folders.h"
#include "support/modaldialog.h"

#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

namespace {

class PrinterTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        print::printer::setPdfFileChooser([this](QWidget*, const QString& proposed) {
            proposals << proposed;
            return answer;
        });
        print::printer::setOrientation(false);
        print::printer::setA4();
    }
    void TearDown() override
    {
        print::printer::setPdfFileChooser(nullptr);
        gintPrintMode = 0;
    }
    static print::PageFormFactory twoLabels()
    {
        return [] {
            auto f = std::make_unique<SketchForm>();
            f->add(print::label("lblText").at(1000, 1000, 4000, 300).text(QStringLiteral("チーム識別一覧表")));
            f->add(print::line("linTop").from(960, 960, 10260, 960).thick(2));
            f->onFill = [](SketchForm& s) { s.control("lblText").caption += QString::number(gintPageNo); };
            return std::unique_ptr<print::PageForm>(std::move(f));
        };
    }
    QTemporaryDir dir;
    QStringList proposals;
    QString answer;
};

TEST_F(PrinterTest, WithoutAPrintSystemThePrinterIsAnA4PdfPrinterWithFiveMillimetreMargins)
{
    ASSERT_TRUE(print::printer::isPdf());
    EXPECT_EQ(print::printer::deviceName(), QStringLiteral("PDF"));
    const auto g = print::printer::geometry();
    // A4 is 210 x 297 mm (11906 x 16838 twips); 5 mm is 283 twips.
    EXPECT_NEAR(g.paperWidth, 11906, 10);
    EXPECT_NEAR(g.paperHeight, 16838, 10);
    EXPECT_NEAR(g.offsetLeft, 283, 3);
    EXPECT_NEAR(g.offsetTop, 283, 3);
    EXPECT_NEAR(g.printableWidth, 11906 - 2 * 283, 10);
    EXPECT_NEAR(g.printableHeight, 16838 - 2 * 283, 10);
    EXPECT_EQ(print::printer::device().scaleWidth(), g.printableWidth);

    print::printer::setOrientation(true);
    const auto l = print::printer::geometry();
    EXPECT_EQ(l.paperWidth, g.paperHeight);
    EXPECT_EQ(l.printableWidth, g.printableHeight);
}

TEST_F(PrinterTest, EachCopyIsOnePdfFileAndTheUserIsToldWhere)
{
    answer = dir.filePath("teams.pdf");
    gsPrintPages(twoLabels(), 1, 2, 2);
    ASSERT_EQ(proposals.size(), 1);   // asked once for the whole command
    EXPECT_EQ(proposals[0], QDir(platform::documentsFolder())
                                .filePath(QStringLiteral("frmSketch_") +
                                          QDate::currentDate().toString("yyyyMMdd") + ".pdf"));
    EXPECT_EQ(pdfPages(dir.filePath("teams.pdf")), 2);
    EXPECT_EQ(pdfPages(dir.filePath("teams-2.pdf")), 2);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("PDFファイルに印刷しました。\r\n") +
                                                    dir.filePath("teams.pdf") + "\r\n" + dir.filePath("teams-2.pdf"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly | platform::vbInformation);
    EXPECT_EQ(gintPrintMode, 0);
}

TEST_F(PrinterTest, CancelledSaveQuestionPrintsNothing)
{
    answer.clear();
    gsPrintPages(twoLabels(), 1, 2, 1);
    EXPECT_EQ(proposals.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(gintPrintMode, 0);
}

TEST_F(PrinterTest, TheSaveDialogOfAPrintWithoutOwnerBelongsToTheWindowInFront)
{
    // Qt's own save dialog, opened by a print from a modal window (the
    // preview) that passes no owner: it must not be a main window of its
    // own, whose closing would end the program while the main window is
    // hidden.
    print::printer::setPdfFileChooser(nullptr);
    QDialog front;
    QWidget* parent = nullptr;
    testsupport::onNextDialog<QDialog>([&](QDialog* d) {
        ASSERT_EQ(d, &front);
        testsupport::onNextDialog<QDialog>([&](QDialog* save) {
            EXPECT_TRUE(qobject_cast<QFileDialog*>(save));
            parent = save->parentWidget();
            save->reject();
        });
        gsPrintPages(twoLabels(), 1, 1, 1);
        front.accept();
    });
    front.exec();
    EXPECT_EQ(parent, &front);
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(PrinterTest, AFileThatCannotBeWrittenFailsTheJobAndTheNextPrintWorks)
{
    answer = dir.filePath("missing/folder/x.pdf");
    try {
        gsPrintPages(twoLabels(), 1, 2, 1);
        ADD_FAILURE() << "no failure";
    } catch (const print::PrintJobError& e) {
        EXPECT_TRUE(e.description().contains("x.pdf"));
    }
    EXPECT_TRUE(recordingUi().messages.empty());   // the caller's message, not the renderer's
    EXPECT_EQ(gintPrintMode, 0);

    answer = dir.filePath("ok");   // no extension: ".pdf" added
    gsPrintDirect(twoLabels(), nullptr, 2, 10, 0);
    EXPECT_EQ(pdfPages(dir.filePath("ok.pdf")), 2);
}

TEST_F(PrinterTest, ThePictureTargetDrawsTextWithItsTopAtThePosition)
{
    print::ImageTarget pic(3000, 1500);
    EXPECT_EQ(pic.image().size(), QSize(200, 100));
    pic.font.size = 12;
    pic.currentX = 150;
    pic.currentY = 300;
    pic.print(QStringLiteral("チーム"));
    pic.drawWidth = 2;
    pic.line(0, 1200, 3000, 1200, print::kBlack);
    const QImage& img = pic.image();
    // Ink below row 20 (300 twips) and right of column 10, none above.
    auto inkInRows = [&](int from, int to) {
        int ink = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 128)
                    ++ink;
        return ink;
    };
    EXPECT_EQ(inkInRows(0, 20), 0);
    EXPECT_GT(inkInRows(20, 40), 20);
    EXPECT_GT(inkInRows(80, 81), 150);   // the 2-pixel line at row 80
}

TEST_F(PrinterTest, PrinterSetupGoesThroughItsReplaceableDialog)
{
    QWidget* seenOwner = nullptr;
    QWidget owner;
    print::printer::setSetupDialog([&](QPrinter& p, QWidget* o) {
        seenOwner = o;
        p.setCopyCount(3);   // copies are the print loops' business
        p.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        return true;
    });
    const auto before = print::printer::geometry();
    EXPECT_TRUE(print::printer::showSetupDialog(&owner));
    EXPECT_EQ(seenOwner, &owner);
    EXPECT_EQ(print::printer::qprinter().copyCount(), 1);
    EXPECT_TRUE(print::printer::isPdf());
    EXPECT_EQ(print::printer::geometry().printableWidth, before.printableWidth);   // the PDF margins again

    print::printer::setSetupDialog([](QPrinter&, QWidget*) { return false; });
    EXPECT_FALSE(print::printer::showSetupDialog(nullptr));
    print::printer::setSetupDialog(nullptr);

    print::printer::simulateDeviceName(QStringLiteral("Office"));
    EXPECT_EQ(print::printer::deviceName(), QStringLiteral("Office"));
    print::printer::simulateDeviceName(QString());
    EXPECT_EQ(print::printer::deviceName(), QStringLiteral("PDF"));
}

// The IPA fonts have no bold face: the picture makes bold text bold as the
// PDF printer does, so the preview shows what comes out on paper.
TEST_F(PrinterTest, ThePictureTargetDrawsBoldTextBold)
{
    auto ink = [](bool bold) {
        print::ImageTarget pic(4500, 600);
        pic.font.size = 12;
        pic.font.bold = bold;
        pic.currentX = 100;
        pic.currentY = 100;
        pic.print(QStringLiteral("T01 チーム識別一覧表"));
        long sum = 0;
        const QImage& img = pic.image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                sum += 255 - qGray(img.pixel(x, y));
        return sum;
    };
    EXPECT_GT(ink(true), ink(false) * 11 / 10);
}

}  // namespace

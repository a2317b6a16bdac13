// The program's printer without a print system (the PDF printer), and the
// picture target: A4 geometry, PDF files per copy and their names, the save
// question and its answer, files that cannot be written and what they leave,
// the printer setup dialog, and text drawn on a picture.

#include "print_support.h"

#include "print/modPreview.h"
#include "core/printstate.h"
#include "print/drawtarget.h"
#include "print/printersetupdialog.h"
#include "platform/folders.h"
#include "platform/textfile.h"
#include "support/filesizelimit.h"
#include "support/modaldialog.h"

#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QComboBox>
#include <QPushButton>
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
        print::printer::setSetupDialog(nullptr);
        print::printer::forgetChosenPrinter();
        print::printer::setPdfFileChooser(nullptr);
        gintPrintMode = 0;
    }
    static print::PageFormFactory onePage()
    {
        return [] {
            auto f = std::make_unique<SketchForm>();
            f->add(print::label("lblText").at(1000, 1000, 4000, 300).text(QStringLiteral("一枚")));
            return std::unique_ptr<print::PageForm>(std::move(f));
        };
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
    // Each job is named after the report and the date, as the proposed file.
    const QString name = QStringLiteral("frmSketch_") + QDate::currentDate().toString("yyyyMMdd");
    EXPECT_EQ(pdfInfo(dir.filePath("teams.pdf")).value("Title"), name);
    EXPECT_EQ(pdfInfo(dir.filePath("teams-2.pdf")).value("Title"), name + "-2");
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

// A PDF file is replaced only by a job that ended well. A write that fails
// (the disk full half-way, a missing folder, a folder of the file's name)
// fails the job with a message that names the file and the reason, leaves
// an earlier file byte for byte and no temporary file; the next print
// works.
TEST_F(PrinterTest, AFailedPdfWriteKeepsTheEarlierFileAndSaysWhereAndWhy)
{
    struct Case {
        const char* what;
        QString file;            // relative to the folder
        bool earlierFile;        // a complete PDF of another report is there
        bool folderInTheWay;
        const char* reason;
    };
    const Case cases[] = {
        {"full disk", "teams.pdf", true, false, "ファイルが大きすぎます。"},
        {"missing folder", "missing/folder/x.pdf", false, false, "フォルダが見つかりません。"},
        {"folder of that name", "teams.pdf", false, true, "同じ名前のフォルダがあります。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = folder.filePath(c.file);
        answer = path;
        QByteArray earlier;
        if (c.earlierFile) {
            gsPrintPages(onePage(), 1, 1, 1);
            ASSERT_TRUE(platform::readFileBytes(path, earlier));
        }
        if (c.folderInTheWay)
            ASSERT_TRUE(QDir(folder.path()).mkdir(c.file));
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        resetRecordingUi();

        QString description;
        const auto print = [&] {
            try {
                gsPrintPages(twoLabels(), 1, 2, 1);
                ADD_FAILURE() << "no failure";
            } catch (const print::PrintJobError& e) {
                description = e.description();
            }
            return true;
        };
        if (c.earlierFile)   // the disk fills at half the earlier (smaller) file
            testsupport::writeWithFileSizeLimit(earlier.size() / 2, print);
        else
            print();

        EXPECT_EQ(description, QStringLiteral("PDFファイルに書き込めませんでした。\r\n") + path +
                                   QStringLiteral("\r\n") + QString::fromUtf8(c.reason));
        QByteArray now;
        if (c.earlierFile) {
            ASSERT_TRUE(platform::readFileBytes(path, now));
            EXPECT_EQ(now, earlier);
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        EXPECT_TRUE(recordingUi().messages.empty());   // the caller's message, not the renderer's
        EXPECT_EQ(gintPrintMode, 0);
        EXPECT_FALSE(print::printer::device().active());

        answer = folder.filePath("ok");   // no extension: ".pdf" added
        gsPrintDirect(twoLabels(), nullptr, 2, 10, 0);
        EXPECT_EQ(pdfPages(folder.filePath("ok.pdf")), 2);
    }
}

// A PDF write killed between writing and renaming leaves its hidden
// temporary file beside its target; the next PDF printed into that folder
// removes such files, and none of the user's own.
TEST_F(PrinterTest, TemporaryFilesOfKilledPdfWritesGoAtTheNextPrintIntoTheirFolder)
{
    const QStringList leftovers{".teams.pdf.tallicor-AbCdEf", ".old_20240101.pdf.tallicor-QwErTy",
                                ".Teams.PDF.tallicor-zzzzzz"};
    // The user's own files, however alike.
    const QStringList others{"teams.pdf.backup", "teams.pdf.AbCdEf", ".teams.pdf.tallicor-Ab1dEf",
                             ".teams.pdf.tallicor-AbCdE", "teams.pdf.tallicor-AbCdEf", "old_20240101.pdf"};
    for (const QString& name : leftovers + others) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("cut");
    }
    answer = dir.filePath("teams.pdf");
    gsPrintPages(twoLabels(), 1, 2, 1);
    QStringList expected = others;
    expected << "teams.pdf";
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    EXPECT_EQ(pdfPages(dir.filePath("teams.pdf")), 2);
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

// The printer setup offers the printers and the PDF printer, with the one
// in use selected, and changes nothing unless confirmed.
TEST_F(PrinterTest, PrinterSetupListsThePrintersAndCancelChangesNothing)
{
    PrinterSetupDialog dlg({"Office", "Lab"}, "Lab");
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("ﾌﾟﾘﾝﾀ設定"));
    ASSERT_EQ(dlg.cobPrinter->count(), 3);
    EXPECT_EQ(dlg.cobPrinter->itemText(0), "Office");
    EXPECT_EQ(dlg.cobPrinter->itemText(2), QStringLiteral("PDFファイルに印刷"));
    EXPECT_EQ(dlg.chosenPrinter(), "Lab");
    dlg.cobPrinter->setCurrentIndex(2);
    EXPECT_EQ(dlg.chosenPrinter(), "");
    EXPECT_EQ(PrinterSetupDialog({"Office"}, "").chosenPrinter(), "");            // the PDF printer in use
    EXPECT_EQ(PrinterSetupDialog({"Office"}, "Gone").chosenPrinter(), "Office");  // one that went away

    // Shown over its owner; without a print system only the PDF printer.
    QDialog owner;
    bool shown = false;
    testsupport::onNextDialog<QDialog>([&](QDialog* front) {
        testsupport::onNextDialog<PrinterSetupDialog>([&](PrinterSetupDialog* d) {
            shown = true;
            EXPECT_EQ(d->parentWidget(), &owner);
            EXPECT_EQ(d->cobPrinter->count(), 1);
            EXPECT_EQ(d->chosenPrinter(), "");
            d->btnCancel->click();
        });
        EXPECT_FALSE(print::printer::showSetupDialog(front));
        front->accept();
    });
    owner.exec();
    EXPECT_TRUE(shown);

    // The replaceable dialog gets the printer in use; a chosen printer the
    // print system does not have leaves the PDF printer in place.
    QString seen = "unset";
    print::printer::setSetupDialog([&](QString& printer, QWidget*) {
        seen = printer;
        printer = "Nowhere";
        return true;
    });
    EXPECT_TRUE(print::printer::showSetupDialog(nullptr));
    EXPECT_EQ(seen, "");
    print::printer::trackDefault();
    EXPECT_TRUE(print::printer::isPdf());

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

// The preview window, driven headless through gsPrintPreview: page moves and
// their messages, the page display, zoom, the bitmap files per page and zoom,
// printing a range in copies to the PDF printer, the printer setup, the
// layout and the window's geometry keys.
#include "print/frmPpPreview.h"

#include "core/ini.h"
#include "core/printstate.h"
#include "core/records.h"
#include "print/frmPpAdjust.h"
#include "print/frmPpPrintSetup.h"
#include "print/modPreview.h"
#include "print/pageform.h"
#include "print/printer.h"
#include "print/renderer.h"
#include "print_support.h"
#include "support/gamefixtures.h"
#include "support/modaldialog.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// A report of `pages` pages: a page number near the top, a thick rule and
// the page's own caption. Every filling load is counted per page.
class TestReport : public print::PageForm {
public:
    static inline int pages = 3;
    static inline std::map<int, int> loads;   // page -> filling loads

    TestReport() : print::PageForm(QStringLiteral("frmPfTestReport"))
    {
        add(print::label(QStringLiteral("lblPage")).at(600, 600, 6000, 400).withFont({print::kPGothic, 14.25, true}));
        add(print::line(QStringLiteral("linTop")).from(600, 1200, 10000, 1200).thick(2));
        add(print::label(QStringLiteral("lblBody")).at(600, 1500, 9000, 3000));
    }
    QString reportTitle() const override { return QStringLiteral("試験帳票"); }

protected:
    void fill() override
    {
        gintMaxPageNo = pages;
        if (gintPageNo < 1)
            return;
        ++loads[gintPageNo];
        control(QStringLiteral("lblPage")).caption = QStringLiteral("ページ %1").arg(gintPageNo);
        control(QStringLiteral("lblBody")).caption = QStringLiteral("本文 %1").arg(gintPageNo);
    }
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testsupport::pointDataPathsAt(dir.path());
        QDir().mkpath(gstrTempFolder);
        resetRecordingUi();
        TestReport::pages = 3;
        TestReport::loads.clear();
        print::printer::simulateDeviceName(QString());
        print::printer::setPdfFileChooser([this](QWidget*, const QString&) { return pdfPath(); });
    }

    void TearDown() override
    {
        print::setPreviewWindow(nullptr);
        print::printer::setSetupDialog(nullptr);
        print::printer::forgetChosenPrinter();
        print::printer::setPdfFileChooser(nullptr);
        print::printer::simulateDeviceName(QString());
    }

    // Opens the preview of the test report as a launcher does and runs
    // `body` while it is shown; the window is closed afterwards unless
    // `body` closed it.
    void preview(int pages, const std::function<void(frmPpPreview&)>& body)
    {
        TestReport::pages = pages;
        withPreview(print::pageFormFactory<TestReport>(), static_cast<Integer>(pages), 10, 0, body);
    }

    QString pdfPath() const { return dir.filePath(QStringLiteral("out.pdf")); }

    // The preview bitmaps in the temporary folder, sorted.
    QStringList bitmaps() const
    {
        return QDir(gstrTempFolder).entryList({QStringLiteral("tmpPreview*")}, QDir::Files, QDir::Name);
    }

    QStringList prompts() const
    {
        QStringList out;
        for (const RecordedMessage& m : recordingUi().messages)
            out << m.prompt;
        return out;
    }

    static QString pageDisplay(const frmPpPreview& w) { return w.mnuPageNo->text(); }

    QTemporaryDir dir;
};

TEST_F(PreviewTest, OpensOnPageOneWithItsMenu)
{
    preview(3, [&](frmPpPreview& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("ﾌﾟﾚﾋﾞｭｰ"));
        EXPECT_EQ(w.mnuEnd->text(), QStringLiteral("閉じる(F12)"));
        EXPECT_EQ(w.mnuSize->title(), QStringLiteral("サイズ"));
        EXPECT_EQ(w.mnu100Per->text(), QStringLiteral("100%"));
        EXPECT_EQ(w.mnu75Per->text(), QStringLiteral("75%"));
        EXPECT_EQ(w.mnu50Per->text(), QStringLiteral("50%"));
        EXPECT_EQ(w.mnuPrint->title(), QStringLiteral("印刷"));
        EXPECT_EQ(w.mnuPrint_Setup->text(), QStringLiteral("ﾌﾟﾘﾝﾀ設定"));
        EXPECT_EQ(w.mnuPrint_Print->text(), QStringLiteral("印刷"));
        EXPECT_EQ(w.mnuBPage->text(), QStringLiteral("前ページ(F8)"));
        EXPECT_EQ(w.mnuNPage->text(), QStringLiteral("次ページ(F9)"));
        EXPECT_EQ(w.mnuSpace1->text(), QString(20, QLatin1Char(' ')));
        EXPECT_EQ(w.mnuSpace2->text(), QString(5, QLatin1Char(' ')));
        // The position dialog and the second printer setup are never offered.
        for (QAction* a : {w.mnuPrintAdjust, w.mnuPrinterSetup}) {
            EXPECT_FALSE(a->isVisible()) << a->objectName().toStdString();
            EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
        }
        EXPECT_EQ(w.mnuPrintAdjust->text(), QStringLiteral("印刷位置調整"));

        EXPECT_EQ(gintPageNo, 1);
        EXPECT_EQ(pageDisplay(w), QStringLiteral("(1/3)"));
        for (QAction* a : {w.mnuBPage, w.mnuNPage, w.mnuSpace1, w.mnuSpace2, w.mnuPageNo})
            EXPECT_TRUE(a->isVisible()) << a->objectName().toStdString();
        EXPECT_EQ(w.zoomIndex(), 0);
        EXPECT_EQ(gintPrintMode, 0);
        // 10 mm down; across, the page image is centred in the printable area.
        EXPECT_EQ(glngOffsetY, 567);
        const print::printer::Geometry g = print::printer::geometry();
        EXPECT_LE(std::abs(glngOffsetX), 8);
        EXPECT_FALSE(w.imgForm->pixmap().isNull());
        EXPECT_EQ(w.imgForm->pos(), QPoint(glngOffsetX / 15, 38));   // 567 / 15 = 37.8
        EXPECT_EQ(w.picPrintArea->size(), QSize(qRound(g.printableWidth / 15.0), qRound(g.printableHeight / 15.0)));
    });
    // The preview entry lets go of the page form when the window has closed.
    EXPECT_FALSE(gfrmPrintForm);
}

TEST_F(PreviewTest, PageMovesAndTheirMessagesAtTheEnds)
{
    preview(3, [&](frmPpPreview& w) {
        // F8 on page 1.
        QTest::keyClick(&w, Qt::Key_F8);
        ASSERT_EQ(recordingUi().messages.size(), 1u);
        EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("前ページはありません。"));
        EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("ﾌﾟﾚﾋﾞｭｰ"));
        EXPECT_EQ(recordingUi().messages[0].style, 0);
        EXPECT_EQ(gintPageNo, 1);

        QTest::keyClick(&w, Qt::Key_F9);
        EXPECT_EQ(gintPageNo, 2);
        EXPECT_EQ(pageDisplay(w), QStringLiteral("(2/3)"));
        w.mnuNPage->trigger();
        EXPECT_EQ(pageDisplay(w), QStringLiteral("(3/3)"));

        // F9 on the last page.
        resetRecordingUi();
        QTest::keyClick(w.VScroll1, Qt::Key_F9);
        EXPECT_EQ(prompts(), QStringList{QStringLiteral("次ページはありません。")});
        EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("ﾌﾟﾚﾋﾞｭｰ"));
        EXPECT_EQ(gintPageNo, 3);
        EXPECT_EQ(pageDisplay(w), QStringLiteral("(3/3)"));

        // Back to 2 and 1: nothing is rendered again.
        w.mnuBPage->trigger();
        QTest::keyClick(&w, Qt::Key_F8);
        EXPECT_EQ(pageDisplay(w), QStringLiteral("(1/3)"));
        EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
    });
    const std::map<int, int> once{{1, 1}, {2, 1}, {3, 1}};
    EXPECT_EQ(TestReport::loads, once);
}

TEST_F(PreviewTest, OnePageReportHidesThePageItems)
{
    preview(1, [&](frmPpPreview& w) {
        for (QAction* a : {w.mnuBPage, w.mnuNPage, w.mnuSpace1, w.mnuSpace2, w.mnuPageNo})
            EXPECT_FALSE(a->isVisible()) << a->objectName().toStdString();
        QTest::keyClick(&w, Qt::Key_F8);
        QTest::keyClick(&w, Qt::Key_F9);
        EXPECT_TRUE(recordingUi().messages.empty());
        EXPECT_EQ(gintPageNo, 1);
        EXPECT_TRUE(w.isVisible());
    });

    // A report that counted no page is previewed as one page.
    TestReport::pages = 0;
    print::setPreviewWindow([&](QWidget* owner) {
        frmPpPreview w(owner);
        EXPECT_EQ(gintPageCount, 1);
        EXPECT_FALSE(w.mnuPageNo->isVisible());
    });
    gsPrintPreview(print::pageFormFactory<TestReport>(), nullptr, 0, 10, 0);
}

TEST_F(PreviewTest, BitmapsPerPageAndZoomCreatedOnceAndDeleted)
{
    // A leftover of an earlier report with the same names is never shown.
    QFile stale(gstrTempFolder + QStringLiteral("/tmpPreview100-3.bmp"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("old");
    stale.close();

    preview(4, [&](frmPpPreview& w) {
        EXPECT_EQ(bitmaps(), (QStringList{"tmpPreview050-1.bmp", "tmpPreview075-1.bmp", "tmpPreview100-1.bmp"}));
        EXPECT_EQ(frmPpPreview::pfPreviewBmpName(1, 3), gstrTempFolder + QStringLiteral("/tmpPreview075-3.bmp"));

        const QImage full(frmPpPreview::pfPreviewBmpName(0, 1));
        const QImage half(frmPpPreview::pfPreviewBmpName(2, 1));
        const print::printer::Geometry g = print::printer::geometry();
        EXPECT_EQ(full.width(), qRound(g.printableWidth / 15.0));
        EXPECT_NEAR(half.width(), full.width() / 2.0, 1.0);
        EXPECT_NEAR(half.height(), full.height() / 2.0, 1.0);

        w.mnuNPage->trigger();
        w.mnuNPage->trigger();
        EXPECT_EQ(bitmaps().size(), 9);
        const QDateTime written = QFileInfo(frmPpPreview::pfPreviewBmpName(0, 2)).lastModified();
        w.mnuBPage->trigger();
        EXPECT_EQ(QFileInfo(frmPpPreview::pfPreviewBmpName(0, 2)).lastModified(), written);
        EXPECT_EQ(TestReport::loads[2], 1);
        EXPECT_EQ(TestReport::loads[3], 1);
        EXPECT_EQ(TestReport::loads.count(4), 0u);
    });
    EXPECT_TRUE(bitmaps().isEmpty());
}

TEST_F(PreviewTest, ZoomShowsTheCachedBitmapAndKeepsTheOffsets)
{
    preview(2, [&](frmPpPreview& w) {
        const QSize paper100 = w.picPaper->size();
        const QSize image100 = w.imgForm->pixmap().size();
        const Long offsetX = glngOffsetX;
        const auto loads = TestReport::loads;

        w.mnu75Per->trigger();
        EXPECT_EQ(w.zoomIndex(), 1);
        EXPECT_NEAR(w.picPaper->width(), paper100.width() * 0.75, 1.0);
        EXPECT_NEAR(w.imgForm->pixmap().width(), image100.width() * 0.75, 1.0);
        EXPECT_EQ(w.imgForm->y(), qRound(567 * 0.75 / 15));
        EXPECT_EQ(w.picPrintArea->x(), qRound(print::printer::geometry().offsetLeft * 0.75 / 15));

        w.mnu50Per->trigger();
        EXPECT_NEAR(w.imgForm->pixmap().height(), w.picPrintArea->height(), 1.0);

        w.mnu100Per->trigger();
        EXPECT_EQ(w.picPaper->size(), paper100);
        EXPECT_EQ(w.imgForm->pixmap().size(), image100);
        EXPECT_EQ(glngOffsetX, offsetX);
        EXPECT_EQ(TestReport::loads, loads);
    });
}

TEST_F(PreviewTest, ScrollBarsFollowThePaperAtEachZoom)
{
    preview(1, [&](frmPpPreview& w) {
        w.resize(700, 500);
        QTRY_COMPARE(w.picClient->width(), 700);
        // At 100 % the A4 sheet needs both bars in this window.
        w.mnu100Per->trigger();
        EXPECT_TRUE(w.VScroll1->isVisible());
        EXPECT_TRUE(w.HScroll1->isVisible());
        EXPECT_TRUE(w.picCorner->isVisible());
        EXPECT_EQ(w.VScroll1->x() + w.VScroll1->width(), w.picClient->width());
        EXPECT_EQ(w.HScroll1->y() + w.HScroll1->height(), w.picClient->height());
        EXPECT_EQ(w.VScroll1->maximum(), w.picPaper->height() - (w.picClient->height() - w.HScroll1->height()));

        // Scrolling moves the paper.
        w.VScroll1->setValue(40);
        EXPECT_EQ(w.picPaper->y(), -40);
        w.HScroll1->setValue(w.HScroll1->maximum());
        EXPECT_EQ(w.picPaper->x(), -w.HScroll1->maximum());

        // At 50 % the half-width sheet fits across: no horizontal bar, the
        // paper centred beside the vertical one, and a new page starts at
        // the top.
        w.mnu50Per->trigger();
        EXPECT_EQ(w.picPaper->y(), 0);
        const PreviewLayout l = pfPreviewLayout(w.picClient->width(), w.picClient->height(), w.VScroll1->width(),
                                                w.HScroll1->height(), w.picPaper->width(), w.picPaper->height(), 0);
        EXPECT_EQ(w.VScroll1->isVisible(), l.vShown);
        EXPECT_FALSE(w.HScroll1->isVisible());
        EXPECT_FALSE(w.picCorner->isVisible());
        EXPECT_EQ(w.picPaper->x(), l.paperLeft);

        // A larger window: the paper is placed anew.
        w.resize(1000, 900);
        QTRY_COMPARE(w.picClient->width(), 1000);
        EXPECT_FALSE(w.VScroll1->isVisible());
        ASSERT_EQ(w.picPaper->width(), 397);    // A4 at 50 %
        EXPECT_EQ(w.picPaper->x(), 302);        // 301.5 to the even neighbour
    });
}

TEST_F(PreviewTest, PrintsTheRangeInCopiesAndShowsThePageAgain)
{
    preview(3, [&](frmPpPreview& w) {
        const QPixmap shown = w.imgForm->pixmap();
        int dialogs = 0;
        testsupport::onNextDialog<frmPpPrintSetup>(
            [](frmPpPrintSetup* d) {
                EXPECT_EQ(d->cobStartPage->count(), 3);
                d->cobStartPage->setCurrentIndex(1);
                d->cobEndPage->setCurrentIndex(2);
                d->txtCopy->setText(QStringLiteral("2"));
                d->btnOK->click();
            },
            &dialogs);
        w.mnuPrint_Print->trigger();
        EXPECT_EQ(dialogs, 1);

        // Two jobs (one file each) of pages 2 and 3.
        const QString second = dir.filePath(QStringLiteral("out-2.pdf"));
        EXPECT_EQ(pdfPages(pdfPath()), 2);
        EXPECT_EQ(pdfPages(second), 2);
        EXPECT_EQ(TestReport::loads[2], 2);
        EXPECT_EQ(TestReport::loads[3], 2);
        EXPECT_EQ(TestReport::loads[1], 1);

        // The page shown before printing is shown again.
        EXPECT_EQ(gintPageNo, 1);
        EXPECT_EQ(gintPrintMode, 0);
        EXPECT_EQ(pageDisplay(w), QStringLiteral("(1/3)"));
        EXPECT_EQ(w.imgForm->pixmap().toImage(), shown.toImage());
        EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
        w.mnuNPage->trigger();
        EXPECT_EQ(gintPageNo, 2);

        // Cancelling the range prints nothing.
        QFile::remove(pdfPath());
        testsupport::onNextDialog<frmPpPrintSetup>([](frmPpPrintSetup* d) { d->btnCancel->click(); });
        w.mnuPrint_Print->trigger();
        EXPECT_FALSE(QFile::exists(pdfPath()));
        EXPECT_EQ(gintPageNo, 2);
    });
}

TEST_F(PreviewTest, AFailedPrintIsReportedAndThePageStays)
{
    RecordingDevice device;
    device.beforeDraw = [](const QString&) { throw print::PrintJobError(482, QStringLiteral("印刷できません")); };
    print::printer::setDevice(&device);
    preview(3, [&](frmPpPreview& w) {
        w.mnuNPage->trigger();
        testsupport::onNextDialog<frmPpPrintSetup>([](frmPpPrintSetup* d) { d->btnOK->click(); });
        w.mnuPrint_Print->trigger();
        ASSERT_EQ(recordingUi().messages.size(), 1u);
        EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("mnuPrint_Print_Click(): 印刷できません"));
        EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("エラー"));
        EXPECT_EQ(recordingUi().messages[0].style, 0);
        EXPECT_EQ(gintPageNo, 2);
        EXPECT_EQ(gintPrintMode, 0);
        EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
        EXPECT_EQ(pageDisplay(w), QStringLiteral("(2/3)"));
    });
    print::printer::setDevice(nullptr);
}

TEST_F(PreviewTest, PrinterChangeRendersTheShownPageAgain)
{
    int setups = 0;
    QString nextPrinter;
    print::printer::setSetupDialog([&](QString&, QWidget*) {
        ++setups;
        print::printer::simulateDeviceName(nextPrinter);
        return true;
    });
    preview(3, [&](frmPpPreview& w) {
        w.mnuNPage->trigger();
        ASSERT_EQ(bitmaps().size(), 6);

        // The same printer again: nothing is rebuilt.
        w.mnuPrint_Setup->trigger();
        EXPECT_EQ(setups, 1);
        EXPECT_EQ(bitmaps().size(), 6);
        EXPECT_EQ(TestReport::loads[2], 1);

        // Another printer: the cache goes, the shown page is rendered anew.
        nextPrinter = QStringLiteral("  事務所のプリンタ ");
        w.mnuPrint_Setup->trigger();
        EXPECT_EQ(bitmaps(), (QStringList{"tmpPreview050-2.bmp", "tmpPreview075-2.bmp", "tmpPreview100-2.bmp"}));
        EXPECT_EQ(TestReport::loads[2], 2);
        EXPECT_EQ(pageDisplay(w), QStringLiteral("(2/3)"));
        EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);

        // Only blanks around the name differ: the same printer.
        nextPrinter = QStringLiteral("事務所のプリンタ");
        w.mnuPrint_Setup->trigger();
        EXPECT_EQ(TestReport::loads[2], 2);

        // Going back renders page 1 again.
        w.mnuBPage->trigger();
        EXPECT_EQ(TestReport::loads[1], 2);
        EXPECT_TRUE(recordingUi().messages.empty());
    });
}

TEST_F(PreviewTest, HiddenPositionCommandMovesTheImageWithoutRendering)
{
    preview(2, [&](frmPpPreview& w) {
        const auto loads = TestReport::loads;
        testsupport::onNextDialog<frmPpAdjust>([](frmPpAdjust* d) {
            EXPECT_EQ(d->lblTate->text(), QStringLiteral("10"));
            EXPECT_EQ(d->parentWidget(), nullptr);
            d->scrYoko->setValue(5);
            d->scrTate->setValue(-2);
            d->btnReturn->click();
        });
        w.mnuPrintAdjust_Click();
        EXPECT_EQ(gintAdjustResult, 0);
        EXPECT_EQ(glngOffsetX, 283);
        EXPECT_EQ(glngOffsetY, -113);
        EXPECT_EQ(w.imgForm->pos(), QPoint(19, -8));   // 283 / 15, -113 / 15
        EXPECT_EQ(TestReport::loads, loads);

        // Cancelled: nothing moves.
        testsupport::onNextDialog<frmPpAdjust>([](frmPpAdjust* d) { d->btnCancel->click(); });
        w.mnuPrintAdjust_Click();
        EXPECT_EQ(gintAdjustResult, -1);
        EXPECT_EQ(glngOffsetX, 283);
    });
}

TEST_F(PreviewTest, ClosingKeysDeleteTheBitmaps)
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_F12}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        preview(2, [&](frmPpPreview& w) {
            w.mnuNPage->trigger();
            EXPECT_EQ(bitmaps().size(), 6);
            QTest::keyClick(&w, key);
            EXPECT_FALSE(w.isVisible());
            EXPECT_TRUE(bitmaps().isEmpty());
        });
    }
}

TEST_F(PreviewTest, GeometryKeys)
{
    const QString section = QStringLiteral("WindowSize");
    auto key = [&](const char* k) { return gfReadIniFile(gstrIniFile, section, QLatin1String(k)); };
    auto put = [&](const char* k, const QString& v) { gfWriteIniFile(gstrIniFile, section, QLatin1String(k), v); };

    // Nothing stored: the designed size; closing stores state and size.
    QSize designed;
    preview(1, [&](frmPpPreview& w) {
        designed = w.size();
        w.resize(640, 480);
    });
    EXPECT_EQ(key("Preview_WindowState"), QStringLiteral("0"));
    EXPECT_EQ(key("Preview_Width"), QStringLiteral("9600"));
    EXPECT_EQ(key("Preview_Height"), QStringLiteral("7200"));
    EXPECT_FALSE(key("Preview_Top").isEmpty());
    EXPECT_FALSE(key("Preview_Left").isEmpty());

    // Stored values are applied; a stored 0 and a minimised state are not.
    put("Preview_Width", "9000");
    put("Preview_Height", "7200");
    put("Preview_Left", "1500");
    put("Preview_Top", "0");
    put("Preview_WindowState", "1");
    preview(1, [&](frmPpPreview& w) {
        EXPECT_EQ(w.size(), QSize(600, 480));
        EXPECT_EQ(w.geometry().left(), 100);
        EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);
    });

    // Maximised: stored as 2 with the normal size, and opened maximised.
    put("Preview_WindowState", "2");
    preview(1, [&](frmPpPreview& w) { EXPECT_TRUE(w.windowState() & Qt::WindowMaximized); });
    EXPECT_EQ(key("Preview_WindowState"), QStringLiteral("2"));
    EXPECT_EQ(key("Preview_Width"), QStringLiteral("9000"));
    EXPECT_EQ(key("Preview_Height"), QStringLiteral("7200"));

    // A width of 0 applies none of the keys.
    put("Preview_Width", "0");
    preview(1, [&](frmPpPreview& w) {
        EXPECT_EQ(w.size(), designed);
        EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
    });
}

}  // namespace

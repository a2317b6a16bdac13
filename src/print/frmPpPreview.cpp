// frmPpPreview: the print preview window.
#include "print/frmPpPreview.h"

#include "core/printstate.h"
#include "core/records.h"
#include "print/drawtarget.h"
#include "print/frmPpAdjust.h"
#include "print/frmPpPrintSetup.h"
#include "print/modPreview.h"
#include "print/pageform.h"
#include "print/renderer.h"
#include "platform/ui/windowgeometry.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kZoomSteps = 3;
// The window's designed size and its smallest, in pixels.
constexpr QSize kDesignedSize(870, 720);
constexpr QSize kMinimumSize(320, 240);

const QString kGeometryKeys = QStringLiteral("Preview");
const QString kCaption = QStringLiteral("ﾌﾟﾚﾋﾞｭｰ");

QWidget* makeWhiteBox(QWidget* parent, const char* name)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Qt::white);
    w->setPalette(p);
    return w;
}

// A menu-bar item with a command; an item without one (a spacer, the page
// display) is given no handler.
QAction* addItem(QMenuBar* bar, const char* name, const QString& caption)
{
    QAction* a = bar->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

}  // namespace

QString frmPpPreview::pfPreviewBmpName(int zoomIndex, int page)
{
    return gstrPreviewFile.at(static_cast<size_t>(zoomIndex)) + QLatin1Char('-') + QString::number(page) +
           QStringLiteral(".bmp");
}

frmPpPreview::frmPpPreview(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPpPreview"));
    setWindowTitle(kCaption);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(false);
    psCreateControls();
    Form_Load();
}

frmPpPreview::~frmPpPreview()
{
    // A window destroyed without being closed still leaves no bitmaps.
    if (!mUnloaded) {
        mUnloaded = true;
        psDeletePreviewBmp();
    }
}

// ---------------------------------------------------------------- controls

void frmPpPreview::psCreateControls()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);

    mnuEnd = addItem(menuBar, "mnuEnd", QStringLiteral("閉じる(F12)"));
    mnuSize = menuBar->addMenu(QStringLiteral("サイズ"));
    mnuSize->setObjectName(QStringLiteral("mnuSize"));
    mnuSize->menuAction()->setObjectName(QStringLiteral("mnuSize"));
    mnu100Per = addItem(mnuSize, "mnu100Per", QStringLiteral("100%"));
    mnu75Per = addItem(mnuSize, "mnu75Per", QStringLiteral("75%"));
    mnu50Per = addItem(mnuSize, "mnu50Per", QStringLiteral("50%"));
    mnuPrint = menuBar->addMenu(QStringLiteral("印刷"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrint->menuAction()->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrint_Setup = addItem(mnuPrint, "mnuPrint_Setup", QStringLiteral("ﾌﾟﾘﾝﾀ設定"));
    mnuPrint_Print = addItem(mnuPrint, "mnuPrint_Print", QStringLiteral("印刷"));
    mnuPrintAdjust = addItem(menuBar, "mnuPrintAdjust", QStringLiteral("印刷位置調整"));
    mnuPrinterSetup = addItem(menuBar, "mnuPrinterSetup", QStringLiteral("ﾌﾟﾘﾝﾀ設定"));
    mnuSpace1 = addItem(menuBar, "mnuSpace1", QString(20, QLatin1Char(' ')));
    mnuBPage = addItem(menuBar, "mnuBPage", QStringLiteral("前ページ(F8)"));
    mnuNPage = addItem(menuBar, "mnuNPage", QStringLiteral("次ページ(F9)"));
    mnuSpace2 = addItem(menuBar, "mnuSpace2", QString(5, QLatin1Char(' ')));
    mnuPageNo = addItem(menuBar, "mnuPageNo", QStringLiteral("(1/**)"));

    // The position dialog and the second printer setup are never offered.
    for (QAction* a : {mnuPrintAdjust, mnuPrinterSetup}) {
        a->setVisible(false);
        a->setEnabled(false);
    }
    mnuSpace1->setEnabled(false);
    mnuSpace2->setEnabled(false);

    // The window sees these keys before its controls. F8 and F9 belong to
    // the page items, so they act only while those are shown.
    mnuBPage->setShortcut(QKeySequence(Qt::Key_F8));
    mnuNPage->setShortcut(QKeySequence(Qt::Key_F9));
    mnuEnd->setShortcut(QKeySequence(Qt::Key_F12));
    for (QAction* a : {mnuBPage, mnuNPage, mnuEnd}) {
        a->setShortcutContext(Qt::WindowShortcut);
        a->setAutoRepeat(false);
    }
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, this, [this] { mnuEnd_Click(); });

    connect(mnuEnd, &QAction::triggered, this, [this] { mnuEnd_Click(); });
    connect(mnu100Per, &QAction::triggered, this, [this] { mnuSize_Click(0); });
    connect(mnu75Per, &QAction::triggered, this, [this] { mnuSize_Click(1); });
    connect(mnu50Per, &QAction::triggered, this, [this] { mnuSize_Click(2); });
    connect(mnuPrint_Setup, &QAction::triggered, this, [this] { mnuPrint_Setup_Click(); });
    connect(mnuPrint_Print, &QAction::triggered, this, [this] { mnuPrint_Print_Click(); });
    connect(mnuPrintAdjust, &QAction::triggered, this, [this] { mnuPrintAdjust_Click(); });
    connect(mnuPrinterSetup, &QAction::triggered, this, [this] { mnuPrinterSetup_Click(); });
    connect(mnuBPage, &QAction::triggered, this, [this] { mnuBPage_Click(); });
    connect(mnuNPage, &QAction::triggered, this, [this] { mnuNPage_Click(); });

    picClient = new QWidget(this);
    picClient->setObjectName(QStringLiteral("picClient"));
    picClient->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(picClient);

    picPaper = makeWhiteBox(picClient, "picPaper");
    picPaper->installEventFilter(this);
    picPrintArea = makeWhiteBox(picPaper, "picPrintArea");
    imgForm = new QLabel(picPrintArea);
    imgForm->setObjectName(QStringLiteral("imgForm"));
    imgForm->setScaledContents(false);

    VScroll1 = new QScrollBar(Qt::Vertical, picClient);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    HScroll1 = new QScrollBar(Qt::Horizontal, picClient);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    const int barExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, VScroll1);
    VScroll1->resize(barExtent, VScroll1->height());
    HScroll1->resize(HScroll1->width(), barExtent);
    VScroll1->hide();
    HScroll1->hide();
    picCorner = new QWidget(picClient);
    picCorner->setObjectName(QStringLiteral("picCorner"));
    picCorner->setAutoFillBackground(true);
    picCorner->hide();

    // A change of a shown bar moves the paper.
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) {
        if (!VScroll1->isHidden())
            picPaper->move(picPaper->x(), -v);
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int v) {
        if (!HScroll1->isHidden())
            picPaper->move(-v, picPaper->y());
    });
}

// ---------------------------------------------------------------- opening

void frmPpPreview::Form_Load()
{
    platform::setHourglass();
    try {
        platform::applyStoredWindowGeometry(this, gstrIniFile, kGeometryKeys, kDesignedSize, kMinimumSize);
        layout()->activate();

        gintPageNo = 1;
        const bool pages = gintPageCount >= 2;
        if (pages)
            psShowPageNo();
        for (QAction* a : {mnuBPage, mnuNPage, mnuSpace1, mnuSpace2, mnuPageNo})
            a->setVisible(pages);

        psDeletePreviewBmp();
        psGetPrinterInfo();
        gintPrintMode = 0;
        psMakePreviewBmp();

        mZoom = 0;
        picCorner->hide();
        glngOffsetY = print::mmToTwips(gintAdjustTate);
        glngOffsetX = print::mmToTwips(gintAdjustYoko);
        mFirstDisplay = 0;
        psShowPage();
    } catch (const std::exception&) {
        // The window shows what was done so far.
    }
    platform::resetMousePointer();
}

void frmPpPreview::psGetPrinterInfo()
{
    mGeom = print::printer::geometry();
}

// ---------------------------------------------------------------- rendering

void frmPpPreview::psMakePreviewBmp()
{
    mRenderedPage = 0;
    const std::unique_ptr<print::PageForm> form = print::loadPageForm(gfrmPrintForm);
    gintPrintMode = 0;
    for (int i = 0; i < kZoomSteps; ++i) {
        const double z = gdblZoom.at(static_cast<size_t>(i));
        print::ImageTarget picBmp(mGeom.printableWidth * z, mGeom.printableHeight * z);
        gsDrawForm(*form, &picBmp, z, 0);
        if (!picBmp.image().save(pfPreviewBmpName(i, gintPageNo), "BMP"))
            vb::raisePathNotFound();
        mRendered.at(static_cast<size_t>(i)) = picBmp.image();
    }
    mRenderedPage = gintPageNo;
}

void frmPpPreview::psShowPage()
{
    const double z = gdblZoom.at(static_cast<size_t>(mZoom));
    imgForm->hide();
    imgForm->clear();
    picPaper->hide();
    picPaper->move(0, 0);
    picPaper->resize(pfPixels(mGeom.paperWidth), pfPixels(mGeom.paperHeight));

    const PreviewLayout l = pfLayout();
    psArrangeScrollBars(l);
    psArrangeCorner(l);
    psPlacePaperAcross(l);
    psSetScrollRange(l);

    picPrintArea->setGeometry(pfPixels(mGeom.offsetLeft), pfPixels(mGeom.offsetTop),
                              pfPixels(mGeom.printableWidth), pfPixels(mGeom.printableHeight));
    picPaper->show();
    picPaper->update();

    QPixmap page;
    if (mRenderedPage == gintPageNo)
        page = QPixmap::fromImage(mRendered.at(static_cast<size_t>(mZoom)));
    else if (!page.load(pfPreviewBmpName(mZoom, gintPageNo), "BMP"))
        vb::raiseFileNotFound();
    // Every later display reads the files.
    mRendered = {};
    mRenderedPage = 0;
    imgForm->setPixmap(page);
    imgForm->resize(page.size());

    if (mFirstDisplay == 0) {
        // Centres the page image across the printable area; printing uses
        // the same offset.
        const double imageTwips = page.width() * print::kTwipsPerPixel / z;
        glngOffsetX = vb::CLng((mGeom.printableWidth - imageTwips) / 2);
        mFirstDisplay = 1;
    }
    psPlaceImage();
    imgForm->show();
}

void frmPpPreview::psPlaceImage()
{
    imgForm->move(pfPixels(glngOffsetX), pfPixels(glngOffsetY));
}

void frmPpPreview::psShowPageNo()
{
    mnuPageNo->setText(QLatin1Char('(') + QString::number(gintPageNo) + QLatin1Char('/') +
                       QString::number(gintPageCount) + QLatin1Char(')'));
}

int frmPpPreview::pfPixels(double twips) const
{
    return vb::CLng(twips * gdblZoom.at(static_cast<size_t>(mZoom)) / print::kTwipsPerPixel);
}

// ---------------------------------------------------------------- layout

PreviewLayout frmPpPreview::pfLayout() const
{
    return pfPreviewLayout(picClient->width(), picClient->height(), VScroll1->width(), HScroll1->height(),
                           picPaper->width(), picPaper->height(), picPaper->y());
}

void frmPpPreview::psArrangeScrollBars(const PreviewLayout& l)
{
    if (!l.arranged)
        return;
    if (l.vShown)
        VScroll1->setGeometry(l.vBar);
    if (l.hShown)
        HScroll1->setGeometry(l.hBar);
    VScroll1->setVisible(l.vShown);
    HScroll1->setVisible(l.hShown);
    VScroll1->raise();
    HScroll1->raise();
}

void frmPpPreview::psArrangeCorner(const PreviewLayout& l)
{
    if (!l.arranged)
        return;
    if (l.cornerShown) {
        picCorner->setGeometry(l.corner);
        picCorner->raise();
    }
    picCorner->setVisible(l.cornerShown);
}

void frmPpPreview::psPlacePaperAcross(const PreviewLayout& l)
{
    if (l.arranged)
        picPaper->move(l.paperLeft, picPaper->y());
}

void frmPpPreview::psSetScrollRange(const PreviewLayout& l)
{
    if (!l.arranged)
        return;
    const auto set = [](QScrollBar* bar, const PreviewScrollRange& r) {
        if (!r.set)
            return;
        bar->setEnabled(false);
        bar->setRange(0, r.maximum);
        bar->setSingleStep(r.smallChange);
        bar->setPageStep(r.largeChange);
        bar->setValue(r.value);
        bar->setEnabled(true);
    };
    set(VScroll1, l.vRange);
    set(HScroll1, l.hRange);
}

void frmPpPreview::Form_Resize()
{
    const PreviewLayout l = pfLayout();
    if (!l.arranged)
        return;
    psArrangeScrollBars(l);
    psArrangeCorner(l);
    picPaper->hide();
    psPlacePaperAcross(l);
    picPaper->show();
    psSetScrollRange(l);
}

void frmPpPreview::psPaintCorners()
{
    const double z = gdblZoom.at(static_cast<size_t>(mZoom));
    const double tpp = print::kTwipsPerPixel;
    const auto marks = pfCornerMarks(mGeom.offsetLeft * z / tpp, mGeom.offsetTop * z / tpp,
                                     mGeom.printableWidth * z / tpp, mGeom.printableHeight * z / tpp,
                                     picPaper->width(), picPaper->height());
    QPainter p(picPaper);
    QPen pen(QColor(255, 0, 0));
    pen.setWidth(1);
    pen.setStyle(Qt::SolidLine);
    p.setPen(pen);
    for (const QLine& m : marks)
        p.drawLine(m);
}

bool frmPpPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picPaper && event->type() == QEvent::Paint) {
        psPaintCorners();
        return true;
    }
    if (watched == picClient && event->type() == QEvent::Resize)
        Form_Resize();
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- commands

void frmPpPreview::mnuSize_Click(int zoomIndex)
{
    mZoom = zoomIndex;
    try {
        psShowPage();
    } catch (const std::exception&) {
    }
}

void frmPpPreview::mnuBPage_Click()
{
    if (gintPageNo <= 1) {
        platform::MsgBox(QStringLiteral("前ページはありません。"), platform::vbOKOnly, kCaption, this);
        return;
    }
    psMovePage(-1);
}

void frmPpPreview::mnuNPage_Click()
{
    if (gintPageNo >= gintPageCount) {
        platform::MsgBox(QStringLiteral("次ページはありません。"), platform::vbOKOnly, kCaption, this);
        return;
    }
    psMovePage(+1);
}

void frmPpPreview::psMovePage(int step)
{
    platform::setHourglass();
    try {
        gintPageNo = static_cast<Integer>(gintPageNo + step);
        // A page is rendered when its 100 % bitmap is not there yet.
        if (!QFile::exists(pfPreviewBmpName(0, gintPageNo)))
            psMakePreviewBmp();
        psShowPage();
        psShowPageNo();
    } catch (const std::exception&) {
        // The page number stays moved.
    }
    platform::resetMousePointer();
}

void frmPpPreview::mnuPrint_Print_Click()
{
    const Integer shown = gintPageNo;
    try {
        frmPpPrintSetup range(gintPageCount, this);
        range.exec();
        if (gintDialogResult != -1) {
            gsPrintPages(gfrmPrintForm, range.gintStartPage, range.gintEndPage, range.gintCopy);
            gintPageNo = shown;
        }
    } catch (const std::exception& e) {
        gintPageNo = shown;
        platform::MsgBox(QStringLiteral("mnuPrint_Print_Click(): ") + vb::errorDescription(e), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
    }
}

void frmPpPreview::mnuPrint_Setup_Click()
{
    try {
        const QString before = vb::Trim(print::printer::deviceName());
        // A printer chosen there becomes the default printer of the run,
        // and the printer follows the default printer.
        print::printer::showSetupDialog(this);
        platform::setHourglass();
        print::printer::trackDefault();
        if (vb::Trim(print::printer::deviceName()) != before) {
            psGetPrinterInfo();
            psRebuildPreview();
        }
    } catch (const std::exception& e) {
        platform::resetMousePointer();
        platform::MsgBox(QStringLiteral("mnuPrint_Setup_Click(): ") + vb::errorDescription(e), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
    }
    platform::resetMousePointer();
}

void frmPpPreview::psRebuildPreview()
{
    platform::setHourglass();
    try {
        psDeletePreviewBmp();
        psMakePreviewBmp();
        psShowPage();
        psShowPageNo();
    } catch (const std::exception&) {
    }
    platform::resetMousePointer();
}

void frmPpPreview::mnuPrintAdjust_Click()
{
    gintAdjustResult = -1;
    frmPpAdjust adjust(nullptr);
    adjust.exec();
    if (gintAdjustResult != -1) {
        glngOffsetX = print::mmToTwips(gintAdjustYoko);
        glngOffsetY = print::mmToTwips(gintAdjustTate);
        psPlaceImage();
    }
}

void frmPpPreview::mnuPrinterSetup_Click()
{
    print::printer::showSetupDialog(this);
    print::printer::trackDefault();
    psGetPrinterInfo();
    psRebuildPreview();
}

// ---------------------------------------------------------------- closing

void frmPpPreview::mnuEnd_Click()
{
    close();
}

void frmPpPreview::done(int result)
{
    if (!mUnloaded) {
        mUnloaded = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void frmPpPreview::Form_Unload()
{
    platform::storeWindowGeometry(this, gstrIniFile, kGeometryKeys);
    psDeletePreviewBmp();
}

void frmPpPreview::psDeletePreviewBmp()
{
    for (int page = 1; page <= gintPageCount; ++page) {
        for (int i = 0; i < kZoomSteps; ++i) {
            const QString file = pfPreviewBmpName(i, page);
            // A file that cannot be deleted ends the deletion.
            if (QFile::exists(file) && !QFile::remove(file))
                return;
        }
    }
}

// frmPpPreview: the print preview window "ﾌﾟﾚﾋﾞｭｰ". It shows the report in
// gfrmPrintForm page by page as it will come out of the printer - the sheet
// of paper, the printable area with red marks at its corners, and the page
// image at the print offsets - at 100, 75 or 50 per cent, and prints a range
// of its pages in copies.
//
// Opened modally by gsPrintPreview (modPreview.h), after it has set the page
// form, gintPageCount, the offsets in millimetres and A4 paper:
//     frmPpPreview window(owner);
//     window.exec();
//
// Each page is rendered the first time it is shown, at all three zoom steps
// at once, into bitmap files in the temporary folder (pfPreviewBmpName);
// zooming and coming back to a page only load a file. The files of the
// report are deleted when the window opens, when the printer changes and
// when it closes.
//
// Commands: 閉じる (F12, Esc), サイズ 100/75/50 %, 印刷 > ﾌﾟﾘﾝﾀ設定 (the
// printer setup, PrinterSetupDialog: the printer chosen there is used for
// the rest of the run; a change of printer renders the page anew) and 印刷 (the
// print range dialog, then gsPrintPages; the page on display stays), and,
// for a report of two pages or more, 前ページ (F8) and 次ページ (F9). The
// window keeps its size, place and state in the settings file (Preview_*).
#pragma once

#include "core/records.h"
#include "print/previewlayout.h"
#include "print/printer.h"

#include <QDialog>
#include <QImage>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollBar;

class frmPpPreview : public QDialog {
    Q_OBJECT

public:
    explicit frmPpPreview(QWidget* owner = nullptr);
    ~frmPpPreview() override;

    // The bitmap file of a page at a zoom step (0 100 %, 1 75 %, 2 50 %):
    // "<temporary folder>/tmpPreview075-3.bmp".
    static QString pfPreviewBmpName(int zoomIndex, int page);

    // The commands of the menu.
    void mnuEnd_Click();
    void mnuSize_Click(int zoomIndex);
    void mnuBPage_Click();
    void mnuNPage_Click();
    void mnuPrint_Setup_Click();
    void mnuPrint_Print_Click();
    // The two commands whose items stay hidden and disabled.
    void mnuPrintAdjust_Click();
    void mnuPrinterSetup_Click();

    // The zoom step on display (0 to 2).
    int zoomIndex() const { return mZoom; }

    QMenuBar* menuBar = nullptr;
    QAction* mnuEnd = nullptr;
    QMenu* mnuSize = nullptr;
    QAction* mnu100Per = nullptr;
    QAction* mnu75Per = nullptr;
    QAction* mnu50Per = nullptr;
    QMenu* mnuPrint = nullptr;
    QAction* mnuPrint_Setup = nullptr;
    QAction* mnuPrint_Print = nullptr;
    QAction* mnuPrintAdjust = nullptr;
    QAction* mnuPrinterSetup = nullptr;
    QAction* mnuSpace1 = nullptr;
    QAction* mnuBPage = nullptr;
    QAction* mnuNPage = nullptr;
    QAction* mnuSpace2 = nullptr;
    QAction* mnuPageNo = nullptr;

    // The window's inner area below the menu, and what it holds.
    QWidget* picClient = nullptr;
    QWidget* picPaper = nullptr;       // the sheet of paper at the zoom
    QWidget* picPrintArea = nullptr;   // its printable area
    QLabel* imgForm = nullptr;         // the page image, not stretched
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QWidget* picCorner = nullptr;      // between the two bars

protected:
    // Every way of closing (閉じる, F12, Esc, the close box) ends here.
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void psCreateControls();
    void Form_Load();
    void Form_Unload();
    void Form_Resize();

    void psGetPrinterInfo();
    void psMakePreviewBmp();
    void psShowPage();
    void psShowPageNo();
    void psRebuildPreview();
    void psDeletePreviewBmp();
    // Moves to the page `step` away (-1 or +1).
    void psMovePage(int step);
    // Places imgForm at the print offsets at the current zoom.
    void psPlaceImage();
    void psPaintCorners();

    PreviewLayout pfLayout() const;
    void psArrangeScrollBars(const PreviewLayout& layout);
    void psArrangeCorner(const PreviewLayout& layout);
    void psPlacePaperAcross(const PreviewLayout& layout);
    void psSetScrollRange(const PreviewLayout& layout);

    // Twips at the current zoom as whole pixels.
    int pfPixels(double twips) const;

    int mZoom = 0;
    int mFirstDisplay = 0;
    // The pictures of the page rendered last, until it is shown: the page
    // shown right after rendering is not read back from its files.
    std::array<QImage, 3> mRendered;
    Integer mRenderedPage = 0;
    print::printer::Geometry mGeom;
    bool mUnloaded = false;
};

// The print preview window "ﾌﾟﾚﾋﾞｭｰ": shows the report in gfrmPrintForm page
// by page at 100, 75 or 50 per cent and prints a range of its pages.
// Opened modally by gsPrintPreview (modPreview.h):
//     frmPpPreview window(owner);
//     window.exec();
#pragma once

#include <QDialog>

class frmPpPreview : public QDialog {
    Q_OBJECT
public:
    explicit frmPpPreview(QWidget* owner = nullptr);
};

// frmPpPrintSetup: the print range dialog of the preview window. It asks for
// the first and the last page and the number of copies.
//
// In:  the highest page offered (the report's page count).
// Out: gintDialogResult 0 when confirmed, with gintStartPage, gintEndPage and
//      gintCopy (1 to 999); -1 when cancelled (キャンセル, Esc, F9, F12 or the
//      close box).
//
//   frmPpPrintSetup dlg(gintPageCount, owner); dlg.exec();
//   if (gintDialogResult != -1) print dlg.gintStartPage .. dlg.gintEndPage,
//   dlg.gintCopy times.
//
// Keys wherever the focus is: F8 confirms as the print button does (with its
// checks, also when the button is disabled), F9 and F12 cancel; Enter presses
// the print button, Esc the cancel button.
#pragma once

#include "core/records.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmPpPrintSetup : public QDialog {
    Q_OBJECT

public:
    explicit frmPpPrintSetup(Integer pageMax, QWidget* owner = nullptr);

    // The text of a page in the two lists: " 3 ﾍﾟｰｼﾞ".
    static QString pfPageItemText(int page);

    void btnOK_Click();
    void btnCancel_Click();

    Integer gintPageMax = 0;
    Integer gintStartPage = 0;
    Integer gintEndPage = 0;
    Integer gintCopy = 0;

    QLabel* Label1 = nullptr;
    QComboBox* cobStartPage = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cobEndPage = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtCopy = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void reject() override;

private:
    void Form_Load();
    void psInitDsp();
    void psShowError(const QString& text);
};

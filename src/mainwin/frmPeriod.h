// frmPeriod: the date period of the main window's game list.
//
// In:  gstrDialogText1 (From), gstrDialogText2 (To), each "yyyy/mm/dd" or ""
//      for an open end.
// Out: OK sets gintDialogResult = 0 and both texts in the same form; Cancel
//      and the close box leave gintDialogResult at -1 (set at load) and the
//      texts as they came in.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class frmPeriod : public QDialog {
    Q_OBJECT

public:
    explicit frmPeriod(QWidget* parent = nullptr);

    QLineEdit* txtFromDate = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtToDate = nullptr;
    QPushButton* btnHelpDate = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOK_Click();
    void btnCancel_Click();
    void btnHelpDate_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    // Leaving a date box: a date is rewritten in the era form, an empty box
    // is left alone, anything else is refused with the date error and the
    // focus goes back to the box.
    void psDateBoxLostFocus(QLineEdit* box);

    bool mInMessage = false;   // a message box of a focus-out check is open
};

// PrinterSetupDialog: the printer setup of the preview window ("ﾌﾟﾘﾝﾀ設定").
// It offers what the program uses of a printer: which one. Paper is always
// A4 and the orientation follows the report; copies and pages are asked by
// the print range dialog (frmPpPrintSetup).
//
// The list holds the print system's printers and, last, the PDF printer.
// Nothing is changed by the dialog itself: OK gives the chosen printer to
// the caller, ｷｬﾝｾﾙ (Esc, the close box) gives nothing.
//
//   PrinterSetupDialog dlg(print::printer::availablePrinters(), current, owner);
//   if (dlg.exec() == QDialog::Accepted) use(dlg.chosenPrinter());   // "" = PDF
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

class PrinterSetupDialog : public QDialog {
    Q_OBJECT

public:
    // `printers`: the print system's printers; `current`: the printer in use
    // ("" the PDF printer), selected at the start.
    PrinterSetupDialog(const QStringList& printers, const QString& current, QWidget* owner = nullptr);

    // The caption of the PDF printer in the list.
    static QString pdfCaption();

    // The printer selected in the list; "" for the PDF printer.
    QString chosenPrinter() const;

    QLabel* lblPrinter = nullptr;
    QComboBox* cobPrinter = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};

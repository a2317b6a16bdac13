// The one-line name dialog: a caption and an initial text come in through
// the dialog variables, the trimmed name goes out.
//
//   gstrDialogText2 = caption; gstrDialogText1 = initial text;
//   frmGetName dlg(owner); dlg.exec();
//   gintDialogResult == 0 -> gstrDialogText1 holds the trimmed name;
//   -1 (キャンセル, Esc, close box) -> gstrDialogText1 unchanged.
#pragma once

#include "registers/modRegisters.h"

class QLabel;
class QLineEdit;

class frmGetName : public registers::EntryDialog {
    Q_OBJECT
public:
    explicit frmGetName(QWidget* owner = nullptr);

    void btnOK_Click() override;

    QLabel* lblItemName = nullptr;
    QLineEdit* txtAddGroup = nullptr;
};

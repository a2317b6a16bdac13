// The group dialog: one group's name and short name.
//
//   gstrDialogCaption = caption ("所属登録/編集"); gstrDialogText1 = name,
//   gstrDialogText2 = short name; frmRegiGroup dlg(owner); dlg.exec();
//   gintDialogResult == 0 -> gstrDialogText1/2 hold the trimmed texts;
//   -1 (ｷｬﾝｾﾙ, Esc, close box) -> nothing changed.
#pragma once

#include "registers/modRegisters.h"

class QLabel;
class QLineEdit;

class frmRegiGroup : public registers::EntryDialog {
    Q_OBJECT
public:
    explicit frmRegiGroup(QWidget* owner = nullptr);

    void btnOK_Click() override;

    QLabel* lblItemName = nullptr;
    QLineEdit* txtAddGroup = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtShortName = nullptr;

};

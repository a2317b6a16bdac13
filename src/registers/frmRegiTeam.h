// Enters one team identifier and its description; opened only by the team
// dialog (frmSetTeam). Writes no file: the caller stores what it returns.
//
//   gintDialogResult = start mode (0 register, n edit pair n of team.dat);
//   gstrDialogText1 = identifier, gstrDialogText2 = description;
//   frmRegiTeam dlg(owner); dlg.exec();
//   gintDialogResult == 0 -> gstrDialogText1/2 hold the trimmed texts;
//   -1 (キャンセル, Esc, close box) -> nothing changed.
#pragma once

#include "core/records.h"
#include "registers/modRegisters.h"

class QLabel;
class QLineEdit;

class frmRegiTeam : public registers::EntryDialog {
    Q_OBJECT
public:
    explicit frmRegiTeam(QWidget* owner = nullptr);

    void btnOK_Click() override;

    QLabel* lblTeamID = nullptr;
    QLabel* lblTeamIDHint = nullptr;
    QLineEdit* txtTeamID = nullptr;
    QLabel* lblDetail = nullptr;
    QLineEdit* txtDetail = nullptr;

protected:
    void showEvent(QShowEvent* e) override;   // first activation

private:
    Integer mTeamNo = 0;
    Integer mActivated = 0;
};

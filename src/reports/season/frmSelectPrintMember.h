// frmSelectPrintMember "プレイヤー選択": the player of a season personal
// report, among the players whose Marked is 1 (the season print dialog
// marks the players of the season's records).
//
// Out: 選択 (or a double-click on a player) sets glngDialogParam to the
//      player's IDNo and gintDialogResult to 0; ｷｬﾝｾﾙ and the close box set
//      gintDialogResult to -1.
// Keys of [Setup]: SelectPrintMember, the group filter (written whenever a
// filter is chosen, also while opening); Sort_at_SelectPrinterMember, the
// sort tick (written when a player is accepted).
//
//   frmSelectPrintMember dlg(owner); dlg.exec();
#pragma once

#include "core/records.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

class frmSelectPrintMember : public QDialog {
    Q_OBJECT

public:
    explicit frmSelectPrintMember(QWidget* owner = nullptr);

    QComboBox* cobBelong = nullptr;
    QListWidget* lstMember = nullptr;
    QCheckBox* chkSort = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // The list rebuilt for the chosen filter and the filter stored.
    void cobBelong_Click();
    void chkSort_Click();
    void btnOK_Click();
    void btnCancel_Click();

protected:
    void reject() override;

private:
    void Form_Load();
};

// The series dialog: one series' name, whether it is ranked by points, and
// the points of places 1 to 10 and of 11th place and below. It writes the
// series file itself on OK.
//
//   glngDialogParam = series ID to edit, 0 for a new series;
//   frmSeriesInfo dlg(owner); dlg.exec();
//   gintDialogResult == 0 -> glngDialogParam = the series ID (the new one
//   after an add), gstrDialogText1 = the trimmed name; -1 -> nothing written.
#pragma once

#include "core/records.h"

#include "registers/modRegisters.h"
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class frmSeriesInfo : public registers::EntryDialog {
    Q_OBJECT
public:
    explicit frmSeriesInfo(QWidget* owner = nullptr);

    void chkPoint_Click();
    void txtPoint_LostFocus(int index);
    void btnOK_Click() override;

    QLabel* lblItemName = nullptr;
    QLineEdit* txtName = nullptr;
    QCheckBox* chkPoint = nullptr;
    QGroupBox* fraPoint = nullptr;
    std::array<QLabel*, 11> lblRanking{};
    std::array<QLineEdit*, 11> txtPoint{};

private:
    void Form_Load();
    Long mSeriesID = 0;
};

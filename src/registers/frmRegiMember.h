// The player dialog: edits one player (name, reading, gender, birthday,
// group, region) handed over in gEditMember, and keeps the region history
// "location.dat" ([PlayerLocation] location1, location2, ... most recent
// first; readers stop at the first blank value; at most 301 keys written,
// none ever deleted).
//
//   gEditMember = the player to show;
//   frmRegiMember dlg(owner); dlg.exec();
//   gintDialogResult == 0 -> Name, Sort, Gender, Birthday ("yyyy/mm/dd" or
//   ""), BelongID and Location of gEditMember set (IDNo, State, Marked and
//   TeamID untouched) and the region history written; -1 (ｷｬﾝｾﾙ, Esc, close
//   box) -> nothing written.
#pragma once

#include "registers/modRegisters.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class frmRegiMember : public registers::EntryDialog {
    Q_OBJECT
public:
    explicit frmRegiMember(QWidget* owner = nullptr);

    void btnOK_Click() override;
    void btnHelpDate_Click();
    void btnHelpSporMoji_Click();
    void txtBirthday_LostFocus();
    void cobLocation_LostFocus();

    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblSortStr = nullptr;
    QLineEdit* txtSortStr = nullptr;
    QPushButton* btnHelpSporMoji = nullptr;
    QGroupBox* fraGender = nullptr;
    std::array<QRadioButton*, 2> optGender{};
    QLabel* lblBirthdayCaption = nullptr;
    QLineEdit* txtBirthday = nullptr;
    QPushButton* btnHelpDate = nullptr;
    QLabel* lblBirthday = nullptr;
    QLabel* lblBelong = nullptr;
    QComboBox* cobBelong = nullptr;
    QLabel* lblLocation = nullptr;
    QComboBox* cobLocation = nullptr;
    QLabel* lblLocationHint = nullptr;

private:
    void Form_Load();
    void psShowBirthday(const QString& text);
    void showDateError();
};

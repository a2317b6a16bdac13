// frmCategory: the category of a ranking - a gender and an age range - set on
// the three category fields of the current game record gGame.
//
// In:  gGame.CategoryGender (0 none, 1 男子, 2 女子), CategoryAgeLow and
//      CategoryAgeHigh (0 to 120, -1 = no bound).
// Out: OK writes the three fields and sets gintDialogResult = 0; キャンセル,
//      Esc and the close box leave gGame as it was, gintDialogResult = -1.
//
//   frmCategory dlg(owner); dlg.exec();
#pragma once

#include "core/records.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The text of an age entry: the age right-aligned in four characters and
// " 歳" ("   0 歳", " 120 歳").
QString gfCategoryAgeText(int age);

class frmCategory : public QDialog {
    Q_OBJECT

public:
    explicit frmCategory(QWidget* owner = nullptr);

    void cobAge_Click(int index);
    void btnFullEntry_Click();
    void btnOK_Click();
    void btnCancel_Click();

    // The value of the entry chosen in cobAge(index): an age or -1.
    Integer pfAgeValue(int index) const;
    // Chooses the entry of cobAge(index) whose value is `value`; an unknown
    // value chooses " 指定なし".
    void psChooseAge(int index, Integer value);

    QGroupBox* fraGender = nullptr;
    std::array<QRadioButton*, 3> optGender{};
    QGroupBox* fraAge = nullptr;
    std::array<QComboBox*, 2> cobAge{};
    QLabel* lblRange = nullptr;
    QPushButton* btnFullEntry = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void reject() override;

private:
    void Form_Load();
};

// The player register: the live players, optionally of one group, with add,
// change and delete through the player dialog (frmRegiMember). Every change
// goes at once into "member.dat" (key by key) and into gMemberList; a
// deleted player keeps its section with State 2 and its number is never
// given again.
//
// Use: frmMember dlg(owner); dlg.exec();   (nothing in, nothing out)
#pragma once

#include "registers/modRegisters.h"

class QComboBox;
class QLabel;
class QListWidget;

class frmMember : public registers::ListRegister {
    Q_OBJECT
public:
    explicit frmMember(QWidget* owner = nullptr);

    void cobBelong_Click();
    void btnAdd_Click() override;
    void btnEdit_Click() override;
    void btnDelete_Click() override;

    QLabel* lblBelong = nullptr;
    QComboBox* cobBelong = nullptr;
    QListWidget* lstMember = nullptr;
    QLabel* lblNumMembers = nullptr;

    void done(int r) override;   // unload: remembers the filter

private:
    void Form_Load();
    int filterValue() const;
    void showCount();
    bool mUnloaded = false;
};

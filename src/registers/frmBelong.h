// The group register: the live groups of "group.dat" in a grid, with add,
// edit and delete through the group dialog (frmRegiGroup). It keeps
// gBelongList in step itself.
//
// Group file, INI form, one key at a time:
//   [Management]  MaxGroupNo = highest group ID handed out (missing = 0)
//   [group<n>]    Name (trimmed; blank = not a group), ShortName (trimmed,
//                 may be empty), State ("0" live, "2" deleted). IDs are never
//                 reused; deleting a group does not touch the player file.
// Settings: [Setup] SelectedBlong = the group last clicked or added; emptied
// each time the register opens.
//
// Use: frmBelong dlg(owner); dlg.exec();   (nothing in, nothing out)
#pragma once

#include "core/records.h"
#include "registers/modRegisters.h"

class uctMyGrid;

class frmBelong : public registers::ListRegister {
    Q_OBJECT
public:
    explicit frmBelong(QWidget* owner = nullptr);

    void btnAdd_Click() override;
    void btnEdit_Click() override;
    void btnDelete_Click() override;
    void uctGroupList_MGCellClick(int lngCol, int lngRow);
    void uctGroupList_MGCellDblClick(int lngCol, int lngRow);

    QWidget* picBody = nullptr;
    uctMyGrid* uctGroupList = nullptr;

private:
    void Form_Load();
    void psSetGroupList();
    BelongInfo* pfSelectedGroup(const QString& noSelectionMessage);
    Long mGroupTopRow = -1;
};

// The course (venue) register: lists the live courses of "cource.dat" and
// adds, renames and deletes them through the name dialog.
//
// Course file, INI form, one key at a time:
//   [Management]  MaxCourceNo = highest course ID handed out (missing = 0)
//   [Cource<n>]   Name (trimmed), State ("0" live, "2" deleted; missing =
//                 live). IDs are never reused; a section is never removed.
//
// Use: frmCourceRegi dlg(owner); dlg.exec(); then re-read the course file.
#pragma once

#include "registers/modRegisters.h"

class QListWidget;

class frmCourceRegi : public registers::ListRegister {
    Q_OBJECT
public:
    explicit frmCourceRegi(QWidget* owner = nullptr);

    void btnAdd_Click() override;
    void btnEdit_Click() override;
    void btnDelete_Click() override;

    QListWidget* lstList = nullptr;

private:
    void Form_Load();
};

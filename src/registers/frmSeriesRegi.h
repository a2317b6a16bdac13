// The series register: lists the live series of "series.dat" and adds,
// edits and deletes them; the series dialog (frmSeriesInfo) writes a series'
// keys, this register only marks deletions (State 2).
//
// Use: frmSeriesRegi dlg(owner); dlg.exec(); then clear the series of games
// whose series is no longer live and refill the series filter.
#pragma once

#include "registers/modRegisters.h"

class QListWidget;

class frmSeriesRegi : public registers::ListRegister {
    Q_OBJECT
public:
    explicit frmSeriesRegi(QWidget* owner = nullptr);

    void btnAdd_Click() override;
    void btnEdit_Click() override;
    void btnDelete_Click() override;

    QListWidget* lstList = nullptr;

private:
    void Form_Load();
};

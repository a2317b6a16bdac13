// The series register: lists the live series of "series.dat" and adds,
// edits and deletes them; the series dialog (frmSeriesInfo) writes a series'
// keys, this register only marks deletions (State 2).
//
// Use: frmSeriesRegi dlg(owner); dlg.exec(); then clear the series of games
// whose series is no longer live and refill the series filter.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

class frmSeriesRegi : public QDialog {
    Q_OBJECT
public:
    explicit frmSeriesRegi(QWidget* owner = nullptr);

    void btnAdd_Click();
    void btnEdit_Click();
    void btnDelete_Click();
    void btnClose_Click();

    QListWidget* lstList = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void reject() override;                    // Esc does nothing
    void closeEvent(QCloseEvent* e) override;  // the close box unloads

private:
    void Form_Load();
};

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

#include <QDialog>

class QListWidget;
class QPushButton;

class frmCourceRegi : public QDialog {
    Q_OBJECT
public:
    explicit frmCourceRegi(QWidget* owner = nullptr);

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

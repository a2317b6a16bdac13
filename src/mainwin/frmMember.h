// The player register: the live players, optionally of one group, with add,
// change and delete through the player dialog (frmRegiMember). Every change
// goes at once into "member.dat" (key by key) and into gMemberList; a
// deleted player keeps its section with State 2 and its number is never
// given again.
//
// Use: frmMember dlg(owner); dlg.exec();   (nothing in, nothing out)
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class frmMember : public QDialog {
    Q_OBJECT
public:
    explicit frmMember(QWidget* owner = nullptr);

    void cobBelong_Click();
    void btnAdd_Click();
    void btnEdit_Click();
    void btnDelete_Click();
    void btnClose_Click();

    QLabel* lblBelong = nullptr;
    QComboBox* cobBelong = nullptr;
    QListWidget* lstMember = nullptr;
    QLabel* lblNumMembers = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClose = nullptr;

    void done(int r) override;   // unload: remembers the filter

protected:
    void reject() override;                    // Esc does nothing
    void closeEvent(QCloseEvent* e) override;  // the close box unloads

private:
    void Form_Load();
    int filterValue() const;
    void showCount();
    bool mUnloaded = false;
};

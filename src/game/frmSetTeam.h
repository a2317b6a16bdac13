// The team dialog: the list of "team.dat", with register, edit, delete and
// print (the preview of the registered team list); in choice mode it also
// returns the chosen team.
//
// Team file, INI form, one key at a time: [Team] ID1, Detail1, ID2, ...
// numbered from 1 without gaps; readers stop at the first blank ID; values
// trimmed. A deletion removes the section and writes the remaining pairs
// again, renumbered.
//
//   glngDialogParam = 1 management mode (the main window's team command),
//   any other value choice mode; gstrDialogText1 = identifier to preselect.
//   frmSetTeam dlg(owner); dlg.exec();
//   gintDialogResult == 0 -> in choice mode gstrDialogText1 is the chosen
//   identifier ("" for なし); -1 after キャンセル, Esc or the close box.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// A list entry: a blank, the identifier padded with blanks to 3 characters
// (longer ones unpadded), then " ： " and the description when it has one.
QString gfTeamEntryText(const QString& id, const QString& detail);

class frmSetTeam : public QDialog {
    Q_OBJECT
public:
    explicit frmSetTeam(QWidget* owner = nullptr);

    void btnSelect_Click();
    void btnNone_Click();
    void btnCancel_Click();
    void btnRegiTeam_Click();
    void btnEdit_Click();
    void btnDelete_Click();
    void btnPrint_Click();

    QLabel* lblHeadID = nullptr;
    QLabel* lblHeadDetail = nullptr;
    QListWidget* lstTeams = nullptr;
    QPushButton* btnRegiTeam = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnSelect = nullptr;
    QPushButton* btnNone = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void reject() override;                    // Esc: キャンセル when it can be pressed
    void closeEvent(QCloseEvent* e) override;  // the close box acts as キャンセル

private:
    void psLoadList(bool useLastUsed);
    QListWidgetItem* pfSelectedTeam(QString& id);
    bool mManagement = false;
};

// frmNewScoreSetup: the participants of a new game. Players are picked from
// the player list (filtered by group) into the participant list, given team
// identifiers through the team dialog, and ordered; the participants of the
// last confirmed new game are kept in the settings file, section ScoreEntry
// (member<n>, team<n>), and restored when KeepMemberEntry is 1.
//
//   gNewEntries emptied by the caller; frmNewScoreSetup dlg(owner); dlg.exec();
//   gintDialogResult == 0 -> gNewEntries holds the participants in list order
//   (IDNo and trimmed TeamID; possibly none) and the settings are written;
//   -1 (ｷｬﾝｾﾙ, Esc, close box) -> gNewEntries empty, settings untouched.
//
// While the dialog is open, the work field TeamID of gMemberList holds each
// player's team for this game.
#pragma once

#include "core/records.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class frmNewScoreSetup : public QDialog {
    Q_OBJECT

public:
    explicit frmNewScoreSetup(QWidget* owner = nullptr);

    void cobBelong_Click();
    void chkSort_Click();
    void btnEntry_Click();
    void btnOutEntry_Click();
    void btnOffsetTeam_Click();
    void btnSetTeam_Click();
    void btnSelectAll_Click(int index);
    void btnUpDown_Click(int index);
    void btnOK_Click();
    void btnCancel_Click();

    // The participant list's text of gMemberList(memberIndex): its team's
    // first three characters padded to three and "：", or five blanks, then
    // the short description.
    static QString pfEntryText(Long memberIndex);

    QGroupBox* fraNotEntry = nullptr;
    QComboBox* cobBelong = nullptr;
    std::array<QListWidget*, 2> lstMember{};   // 0 players, 1 participants
    std::array<QPushButton*, 2> btnSelectAll{};
    QCheckBox* chkSort = nullptr;
    QPushButton* btnEntry = nullptr;
    QGroupBox* fraEntry = nullptr;
    QLabel* lblEntryNum = nullptr;
    QLabel* lblTeamNum = nullptr;
    QCheckBox* chkKeepMemberEntry = nullptr;
    std::array<QPushButton*, 2> btnUpDown{};   // 0 up, 1 down
    QPushButton* btnOutEntry = nullptr;
    QPushButton* btnSetTeam = nullptr;
    QPushButton* btnOffsetTeam = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void reject() override;   // Esc and the close box: ｷｬﾝｾﾙ
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void psSetButtons();
    void psMoveEntry(int index);
    void psShowEntryCount();
    void psSelectGroup(int index);
    // Index in gMemberList of a participant item's player, -1 when none.
    static Long memberIndexOf(Long id);

    bool mFilling = false;   // the group box is being filled
};

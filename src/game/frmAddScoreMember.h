// frmAddScoreMember: picks one more player for the open game and the place
// to insert them. It changes no game data.
//
//   glngDialogParam = position of the participant selected in the game
//   window, negative when none ("上に追加" and "下に追加" stay disabled);
//   Marked of gMemberList = 1 for the game's participants, 0 otherwise;
//   frmAddScoreMember dlg(owner); dlg.exec();
//   gintDialogResult = 1 above, 2 below, 3 at the top, 4 at the end (the
//   button's index + 1) with glngDialogParam = the chosen player's IDNo and
//   the group and sort choice stored; -1 (ｷｬﾝｾﾙ, close box) -> nothing
//   stored, glngDialogParam as it came in.
#pragma once

#include "core/records.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

class frmAddScoreMember : public QDialog {
    Q_OBJECT

public:
    explicit frmAddScoreMember(QWidget* owner = nullptr);

    void cobBelong_Click();
    void chkSort_Click();
    void btnAddPosition_Click(int index);
    void btnCancel_Click();

    QComboBox* cobBelong = nullptr;
    QListWidget* lstMember = nullptr;
    // 0 "上に追加", 1 "下に追加", 2 "先頭に追加", 3 "最後尾に追加".
    std::array<QPushButton*, 4> btnAddPosition{};
    QCheckBox* chkSort = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void psSelectGroup(int index);

    Long mPosition = -1;     // the position handed in, kept for the showing
    bool mFilling = false;   // the group box is being filled
};

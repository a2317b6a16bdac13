// frmGameInfo: the header of one game - date, title, series, course, holes
// and rounds, team ranking method, tie-break rules, handicap use and point
// weight. It edits gGame in place, only on OK.
//
//   gGame = the header to show (complete);
//   glngDialogParam = 0 for a new game, any other value to change the open
//   game (caption and first focus differ, nothing else);
//   frmGameInfo dlg(owner); dlg.exec();
//   gintDialogResult == 0 -> SeriesID, CourceID, Date ("yyyy/mm/dd"),
//   Tittle, Hole, Round, TeamHowtoRank, JudgeDaSu, JudgeBirthday, PointGame
//   and HandiCapKind of gGame written; -1 (ｷｬﾝｾﾙ or the close box) -> gGame
//   exactly as before.
//
// A stored game with 13 to 16 holes is offered its own number of holes as an
// extra choice, so confirming the dialog keeps it (changing it to a number
// the list offers would drop the strokes of the holes beyond).
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmGameInfo : public QDialog {
    Q_OBJECT

public:
    explicit frmGameInfo(QWidget* owner = nullptr);

    void cobSeries_Click();
    void txtDate_LostFocus();
    void btnHelpDate_Click();
    void btnOK_Click();
    void btnCancel_Click();

    QLabel* lblSeries = nullptr;
    QComboBox* cobSeries = nullptr;
    QLabel* lblCource = nullptr;
    QComboBox* cobCource = nullptr;
    QLabel* lblDate = nullptr;
    QLineEdit* txtDate = nullptr;
    QPushButton* btnHelpDate = nullptr;
    QGroupBox* fraPoint = nullptr;
    QCheckBox* chkPointGame = nullptr;
    QComboBox* cobPointRate = nullptr;
    QLabel* lblTittle = nullptr;
    QLineEdit* txtTittle = nullptr;
    QGroupBox* fraGameType = nullptr;
    QLabel* lblHoleNum = nullptr;
    QComboBox* cobHoleNum = nullptr;
    QLabel* lblRoundNum = nullptr;
    QComboBox* cobRoundNum = nullptr;
    QGroupBox* fraJudge = nullptr;
    QLabel* lblDa = nullptr;
    std::array<QRadioButton*, 6> optDa{};
    QCheckBox* chkBirthday = nullptr;
    QGroupBox* fraTeamHowtoRank = nullptr;
    std::array<QRadioButton*, 2> optTeamHowtoRank{};
    QGroupBox* fraHandicap = nullptr;
    std::array<QRadioButton*, 2> optHandicap{};
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void psSetSeriesCombo();
    void psSetCourceCombo();
    void showDateError();

    // 1 new game, 2 change: where the focus goes at the first showing; 100
    // afterwards.
    int mFocusState = 0;
};

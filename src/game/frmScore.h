// frmScore: the score entry dialog - one player's strokes for every hole of
// every round of the open game, and the player's handicap.
//
// Two input modes, chosen with the option buttons and remembered in the
// settings file ([Score] Howto, "0" standard, "1" fast):
// - standard input: one box per hole and round (two digits at most);
// - fast input: one text per round, one digit per hole, "0" followed by two
//   characters for a count of 10 or more ("2340101234" is 2-3-4-10-1-2-3-4).
//   Digits beyond the round's holes flow into the next empty round when the
//   box is left.
// The round and game totals follow every entry. OK writes the strokes and the
// handicap back into the player's lines of gScoreLines; Cancel and the close
// box write nothing. Enter moves on like Tab and Esc does nothing: neither
// closes the dialog.
//
// In:  glngDialogParam = index of any one of the player's lines;
//      gstrDialogText1 = the game date (reference date of the age shown);
//      gintDialogResult = start mode (1 = focus in the handicap box).
// Out: gintDialogResult = 0 after OK, -1 otherwise.
//
//   frmScore dlg(gameWindow); dlg.exec();
#pragma once

#include "core/records.h"

#include <QDialog>
#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmScore : public QDialog {
    Q_OBJECT

public:
    explicit frmScore(QWidget* owner = nullptr);
    ~frmScore() override;

    using HoleTexts = std::array<QString, 16>;

    // --- the fast notation (holes = the game's holes per round) --------------
    // Reads `text` into holes[0], holes[1], ... and returns the leftover (the
    // characters after the last hole). Entries not reached keep their text.
    static QString pfParseEasyScore(HoleTexts& holes, const QString& text, int holeCount);
    // The notation of holes[0 .. holeCount-1], trailing blanks removed.
    static QString pfHolesToEasyText(const HoleTexts& holes, int holeCount);
    // The numeric value of a box's text as a whole number ("" and "abc" give
    // 0, "07" gives 7, "-5x" gives -5); values beyond a Long are cut.
    static Long pfNumValue(const QString& text);

    // --- procedures --------------------------------------------------------------
    void psShowScores();
    void psSaveScores();
    void psSetDspHowTo();
    void psCalcScore();
    void psCalcScoreBoxes();
    void psCalcScoreEasy();
    void psAdjustHandicap();
    void psMakeEasyScore();
    void psEasyScoreToBoxes();

    // --- event handlers ----------------------------------------------------------
    void btnOK_Click();
    void btnCancel_Click();
    void btnHelpEasyScore_Click();
    void btnHelpHandicap_Click();
    void optHowTo_Click(int index);
    void txtEasyScoreR_Change(int index);
    void txtEasyScoreR_LostFocus(int index);

    // --- form state ----------------------------------------------------------------
    Long mIDNo = 0;
    Integer mHowTo = 0;
    Integer mActivated = 0;
    Integer mStartMode = 0;

    // --- controls (arrays indexed from 0) -----------------------------------------
    // txtScore[r][h]: the box of hole h + 1 in round r + 1 (txtScoreR1 .. R10).
    std::array<std::array<QLineEdit*, 16>, 10> txtScore{};
    std::array<QLabel*, 16> lblHole{};
    std::array<QLabel*, 10> lblRound{};
    std::array<QLineEdit*, 10> txtEasyScoreR{};

    QWidget* picCal = nullptr;
    std::array<QLabel*, 4> Label3{};
    std::array<QLabel*, 10> lblRDa{};
    std::array<QLabel*, 10> lblHDa{};
    std::array<QLabel*, 10> lblSDa{};
    QLabel* lblTotal = nullptr;

    QWidget* picHndicap = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtHandicap = nullptr;
    QPushButton* btnHelpHandicap = nullptr;

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> optHowTo{};
    QPushButton* btnHelpEasyScore = nullptr;

    QWidget* picFooter = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void psCreateControls();
    void Form_Load();
    void Form_Activate();
    void psLayout();
    // First line of the player in gScoreLines, -1 when there is none.
    Long pfFirstLine() const;
    // The player's lines: from the first line, at most Round lines of the
    // same player.
    Long pfLastLine(Long first) const;
    // The hole texts a round's fast text stands for: the texts the box was
    // built from while it is unchanged since, else the parse of the text.
    HoleTexts pfEasyHoles(int round0) const;
    // The totals rule over values v(r, h).
    template <class ValueOf>
    void psCalcTotals(ValueOf value, bool colourEasyBoxes);
    void psSetRoundColour(int round0, bool complete, bool colourEasyBox);
    int holeCount() const;
    int roundCount() const;

    bool mHasPlayer = false;
    // Per round: the fast text as last built from the hole boxes and the hole
    // texts it was built from (counts of 100 and more have no notation that
    // reads back, so an unedited round keeps its original texts).
    std::array<QString, 10> mBuiltEasy{};
    std::array<HoleTexts, 10> mBuiltHoles{};
};

// frmSelectPrintScore: the print dialog of one game - two title lines, the
// report (participants list, score sheet, personal ranking in the game's
// category, best rounds, team list, team ranking), a group filter and the
// category - that previews the chosen report and stays open for the next.
//
// In:  the game in gGame and gScoreLines, the players and groups in
//      gMemberList and gBelongList; the report printed last in the settings
//      (Setup / SelectPrint_Score).
// Out: the print state of the last report, the result tables of its tally
//      and, when the category dialog was accepted, the category fields of
//      gGame. gintDialogResult is -1.
//
//   frmSelectPrintScore dlg(owner); dlg.exec();
//
// The free functions below are the dialog's own steps; the page dump tool
// runs a report through them exactly as 印刷 does.
#pragma once

#include "core/records.h"

#include <QDialog>

#include <array>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The reports of the dialog, by option index (the stored index too).
enum GameReport : int {
    ReportEntryList = 0,     // 参加者一覧表
    ReportScore = 1,         // スコア表
    ReportPersonRanking = 2, // <category>順位表
    ReportRoundRanking = 3,  // ベスト・ラウンド
    ReportTeamList = 4,      // チーム一覧表
    ReportTeamRanking = 5,   // チーム順位表
};
constexpr int kGameReportCount = 6;

// The proposed title lines of the current game: "** series **  course"
// (each part only when the game has it) and "<era date> 「title」".
QString gfGamePrintTitle1();
QString gfGamePrintTitle2();

// The groups of the game's players (each player's first line), without 0,
// each once, in the order their first player comes.
std::vector<Long> gfGamePrintBelongs();

// The report stored as printed last; 0 when none is stored or the stored
// text is not one of 0 to 5.
int gfStoredGameReport();

// Prints report `report` of the current game as 印刷 does once the titles
// and the group filter are in the print state: stores the report as the
// last printed, sets the print date and the head counts, runs the report's
// tally and previews it over `owner`, or shows "印刷データはありません。"
// when the tally leaves nothing to print (false).
bool gfPrintGameReport(int report, QWidget* owner);

class frmSelectPrintScore : public QDialog {
    Q_OBJECT

public:
    explicit frmSelectPrintScore(QWidget* owner = nullptr);

    void btnOK_Click();
    void btnCategory_Click();
    void btnCancel_Click();

    // The chosen report's index.
    int pfSelectedReport() const;

    QLabel* lblTittle1 = nullptr;
    QLineEdit* txtTittle1 = nullptr;
    QLabel* lblTittle2 = nullptr;
    QLineEdit* txtTittle2 = nullptr;
    QGroupBox* fraScore = nullptr;
    std::array<QRadioButton*, kGameReportCount> optScoreSelectPrint{};
    QLabel* lblExractBelong = nullptr;
    QComboBox* cobExractBelong = nullptr;
    QPushButton* btnCategory = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void reject() override;

private:
    void Form_Load();
    void psSetRankingCaption();
};

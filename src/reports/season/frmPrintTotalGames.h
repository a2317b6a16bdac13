// frmPrintTotalGames "集計/印刷": the season tallies over the games ticked in
// the main window, and the season reports they print.
//
// In (set by gsPrepareSeasonPrint, below, before the dialog is made):
//   gSelectedGames (at least one game), gSeasonGameInfo, gstrSeasonFirstDate,
//   gstrSeasonLastDate, gstrSeasonDiffer, and the proposed title lines
//   gstrDialogText2 and gstrDialogCaption.
// Each report button stores the options (print state, gSeasonGameInfo and
// the SeriesPrint_* keys of [Setup], in one replace), tallies every ticked game anew for its
// report and previews the report; the dialog stays open for the next one.
// The category lasts while the dialog is open and is never stored.
//
//   gsPrepareSeasonPrint(seriesFilter, courseFilter);
//   frmPrintTotalGames dlg(owner); dlg.exec();
//   gSelectedGames.clear(); gsClearCalcResults();
#pragma once

#include "core/records.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The season inputs the dialog reads, from the ticked games gSelectedGames
// (gGameList indexes in the list's order) and the values of the main
// window's series and course filters (-1 すべて, 0 指定なし, else an ID):
// gSeasonGameInfo (the filters, the largest holes and rounds, the last date
// and the season defaults), the first and last dates, the differ flags and
// the two proposed title lines.
void gsPrepareSeasonPrint(Long seriesFilter, Long courseFilter);

class frmPrintTotalGames : public QDialog {
    Q_OBJECT

public:
    explicit frmPrintTotalGames(QWidget* owner = nullptr);

    // ---- controls -------------------------------------------------------
    QLabel* Label1 = nullptr;
    QLineEdit* txtTittle1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtTittle2 = nullptr;

    QGroupBox* fraEntryList = nullptr;
    QCheckBox* chkEntryBelong = nullptr;
    std::array<QRadioButton*, 2> optEntry{};
    QPushButton* btnEntryList = nullptr;

    QGroupBox* fraTotalRanking = nullptr;
    QPushButton* btnCategory = nullptr;
    std::array<QRadioButton*, 5> optTotalRankingMode{};
    QLabel* lblKiteiGame = nullptr;
    QLineEdit* txtKiteiGame = nullptr;
    QLabel* lblKiteiRound = nullptr;
    QLineEdit* txtKiteiRound = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtKiteiHole = nullptr;
    QGroupBox* fraBelongOrLocation = nullptr;
    std::array<QRadioButton*, 3> optBelongOrLocation{};
    QPushButton* btnTotalRanking = nullptr;

    QGroupBox* fraJudge = nullptr;
    QLabel* Label7 = nullptr;
    std::array<QRadioButton*, 6> optJudgeDa{};
    QCheckBox* chkJudgeBirthday = nullptr;

    QGroupBox* fraBestGame = nullptr;
    QPushButton* btnBestGame = nullptr;
    QGroupBox* fraBestRound = nullptr;
    QPushButton* btnBestRound = nullptr;
    QGroupBox* fraTeamList = nullptr;
    QPushButton* btnTeamList = nullptr;
    QGroupBox* fraTeamRanking = nullptr;
    std::array<QRadioButton*, 2> optTeamHowtoRank{};
    QPushButton* btnTeamRanking = nullptr;
    QGroupBox* fraPrivateRanking = nullptr;
    std::array<QRadioButton*, 3> optPrivateGames{};
    QPushButton* btnPrivateRanking = nullptr;
    QGroupBox* fraPrivateScore = nullptr;
    QPushButton* btnPrivateScore = nullptr;

    QPushButton* btnOK = nullptr;

    // ---- form state, taken from the controls when a report starts --------
    Integer mEntryByBelong = 0;       // 1: the entry list by group first
    Integer mEntryOrder = 0;          // 0: by name, 1: by games entered
    Integer mPersonalGamesOrder = 0;  // 0 日付順, 1 成績順, 2 ゲーム情報

    // ---- event handlers ---------------------------------------------------
    // Each catches any error at its boundary: the pointer is restored, the
    // error shown as "<handler>(): <description>" titled "エラー", and the
    // dialog stays open.
    void btnEntryList_Click();
    void btnTotalRanking_Click();
    void btnBestGame_Click();
    void btnBestRound_Click();
    void btnTeamList_Click();
    void btnTeamRanking_Click();
    void btnPrivateRanking_Click();
    void btnPrivateScore_Click();
    void btnCategory_Click();
    void btnOK_Click();

    // ---- procedures -------------------------------------------------------
    // Options into the form state, the print state and gSeasonGameInfo; the
    // minimum boxes rewritten as read; the eight keys written.
    void psSaveSeriesPrintSetup();
    // "印刷データはありません。" titled "ｴﾗｰ".
    void psMsgNoPrintData();
    // The player chosen in the player chooser over the players of the season
    // records, -1 when it was cancelled.
    Long pfSelectPrintMember();
    // The caption of fraTotalRanking: the season's category title and
    // "通算順位表".
    QString pfTotalRankingTitle();
    // Keeps the total ranking rows inside the season's category, renumbered.
    void psFilterTotalRankingByCategory();

    // A minimum box's number: the leading number of the text, halves to
    // even, clamped to the 32-bit range.
    static Long pfMinimumValue(const QString& text);

private:
    void Form_Load();
    void psBuildControls();
    // A report button's first steps: the hourglass, the options stored, the
    // results cleared and every ticked game tallied for the report kind
    // (`kind` is asked after the options are stored). False when the tally
    // gave nothing: the pointer is back and the button ends.
    bool pfStartReport(const std::function<Integer()>& kind);
    bool pfStartReport(Integer kind);
    // When `nothing`: the pointer back and the no-data message; true then.
    bool pfNoData(bool nothing);
    // The report's launcher in preview mode, then the
    // default pointer whatever it returned.
    void psLaunch(Integer (*launcher)(Integer mode, QWidget* owner));
    // Runs a handler's body under its error trap.
    void psHandle(const char* handler, const std::function<void()>& body);
};

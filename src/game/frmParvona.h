// frmParvona: the window of one open game.
//
// The main window shows it modeless, with itself as owner, after it has put
// the game's header into gGame (and, for a new game, the chosen participants
// into gNewEntries) and hides itself. The window keeps the open game in the
// shared tables (gGame, gScoreLines), shows it on six tabs, each with one
// grid, tracks whether it was edited since the last save (" *" in the
// caption), saves it, asks about unsaved edits when it closes, remembers its
// size and place in the settings file and, when it unloads, sends closed() so
// that the window that opened it takes over again.
//
// Use: `auto* w = new frmParvona(mainWindow); connect(w, &frmParvona::closed,
// ...); w->show();` - the constructor loads the game; the window deletes
// itself when it has closed.
#pragma once

#include "core/records.h"

#include <QWidget>

#include <exception>

class QLabel;
class QPushButton;
class QTabBar;
class uctMyGrid;

class frmParvona : public QWidget {
    Q_OBJECT

public:
    explicit frmParvona(QWidget* owner = nullptr);
    ~frmParvona() override;

    // Index of each tab (1-based, as the window counts them).
    enum Tab : int {
        TabEntries = 1,      // participants
        TabScores = 2,       // strokes hole by hole
        TabRanking = 3,      // personal ranking (with the category filter)
        TabBestRound = 4,    // best rounds
        TabTeamList = 5,     // team list
        TabTeamRanking = 6,  // team ranking
    };

signals:
    // Sent when the window unloads, after it has stored its size and place;
    // the window is deleted afterwards.
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend struct frmParvonaTestAccess;

    // --- building the controls and loading the game -----------------------
    void psCreateControls();
    void Form_Load();
    void psApplyStoredGeometry();
    void Form_Unload();

    // --- tabs, caption, labels, layout ------------------------------------
    void ResetTabCaption();
    // Selects tab k (1-based) and runs the tab switch even when k is the tab
    // already selected.
    void psSelectTab(int k);
    void tabBody_Click();
    void psSetCaption();
    void psSetEntryNum();
    void psSetEntryNumTeam();
    void psResizeControls();

    // --- saving and closing -----------------------------------------------
    void btnSave_Click();
    void btnExit_Click();
    bool pfConfirmSaveScore();
    void psScoreDataSave();
    void psShowDateMessage();

    // --- keeping a scroll position and a selection -------------------------
    void psRefreshScoreList();
    void psRefreshEntryList();
    void psKeepSelectedScore();
    void psSelectKeptScore();
    void psSelectKeptMember();

    // --- grid fillers ------------------------------------------------------
    void psSetList0();
    void psSetList1();
    void psSetList1_After_ScoreEntry(Long& index);
    void psRestoreScoreView();
    void psSetList2();
    void psSetList4();
    void psSetList6();
    void psSetList7();
    // Writes the columns from "R" to the last of one score row (the round
    // tally) and, on a player's last round, the game total into the
    // player's round-1 row. sums carries the player's running sums.
    struct PlayerSums {
        qint64 strokes = 0;
        qint64 subtotals = 0;
    };
    void psWriteScoreTally(Long line, PlayerSums& sums);
    QString pfGroupAndTeamText(const ScoreLine& line) const;
    void psSetGridFrame(uctMyGrid* grid, int cols, int rows);
    // The description of a run-time error, for the message boxes.
    static QString pfErrorDescription(const std::exception& e);

    // --- commands of the buttons and grid clicks ---------------------------
    // Connects the command buttons and the grid events.
    void psWireCommands();
    void btnAddMember0_Click();
    void btnDeleteMember0_Click();
    void btnTeam_Click();
    void btnGotoScore_Click();
    void btnGrouping_Click();
    void btnGotoScore2_Click();
    void btnGameInfo_Click();
    void btnCategory_Click();
    void btnPrint_Click();
    void btnScore_Click();
    // Opens the score entry dialog for the selected score row; startMode 1
    // starts it in the handicap box.
    void psScoreEntry(Integer& startMode);
    // Marks the game modified and shows it in the caption.
    void psSetModified();
    // The trapped commands' message: "name():" and the error's description.
    void psShowSystemError(const char* procedure, const std::exception& e);
    // Selects score line l (0-based) on the score tab; an error is reported
    // under the name of the command `procedure`.
    void psShowScoreLine(Long l, const char* procedure);
    void uctGridList_MGCellClick(int lngCol, int lngRow);
    void uctGridList0_MGCellClick(int lngCol, int lngRow);
    void uctGridList0_MGCellDblClick(int lngCol, int lngRow);
    void uctGridList2_MGCellDblClick(int lngCol, int lngRow);
    void uctGridList4_MGCellDblClick(int lngCol, int lngRow);
    void uctGridList6_MGCellDblClick(int lngCol, int lngRow);

    // --- form state ----------------------------------------------------------
    Integer mModified = 0;
    Integer mTabCount = 0;
    Integer mCurrentTab = 0;
    ScoreLine mSelScoreLine;
    Long mScoreTopRow = 0;
    Long mSelMemberID = 0;
    Long mEntryTopRow = 0;
    bool mLoaded = false;          // Form_Load has run (layout may run)
    bool mInTabReset = false;      // tabs are being rebuilt: no tab switch
    // The stored game could not be read completely (or its holes and rounds
    // have no room for its strokes): a save would drop what was not read,
    // so it is refused.
    bool mReadIncomplete = false;

    // --- controls --------------------------------------------------------------
    QWidget* picTop = nullptr;
    QWidget* picTopR = nullptr;
    QWidget* picBody = nullptr;
    QWidget* picBottomL0 = nullptr;
    QWidget* picBottomL1 = nullptr;
    QWidget* picBottomL3 = nullptr;
    QWidget* picBottomR = nullptr;

    QPushButton* btnGameInfo = nullptr;
    QPushButton* btnCategory = nullptr;
    QLabel* lblTittleCaption = nullptr;
    QLabel* lblTittle = nullptr;
    QLabel* lblDateCaption = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblEntryNum = nullptr;

    QTabBar* tabBody = nullptr;
    uctMyGrid* uctGridList0 = nullptr;   // participants
    uctMyGrid* uctGridList = nullptr;    // scores
    uctMyGrid* uctGridList2 = nullptr;   // personal ranking
    uctMyGrid* uctGridList4 = nullptr;   // best rounds
    uctMyGrid* uctGridList6 = nullptr;   // team list
    uctMyGrid* uctGridList7 = nullptr;   // team ranking

    QPushButton* btnAddMember0 = nullptr;
    QPushButton* btnDeleteMember0 = nullptr;
    QPushButton* btnTeam = nullptr;
    QPushButton* btnGotoScore = nullptr;
    QPushButton* btnGrouping = nullptr;
    QPushButton* btnScore = nullptr;
    QPushButton* btnGotoScore2 = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnExit = nullptr;
    QPushButton* btnSave = nullptr;
};

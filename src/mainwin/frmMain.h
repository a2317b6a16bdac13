// frmMain: the home window. The list of stored games with its filters
// (series, holes and rounds, course, period), the register buttons, the game
// and print commands, the menus (exit, backup, help, about) and the 200 ms
// timer that answers a second start through the hand-over file.
//
// The window loads itself in its constructor (position, lists, grid) and is
// shown by the start-up. While a game window it opened is open it is hidden;
// gsShowMain() runs when that window closes.
#pragma once

#include "core/records.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class uctMyGrid;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs when the game window this window opened unloads: shows this window
    // again and, when the game was saved, reloads the list with the edited
    // game selected.
    void gsShowMain();

    // Addresses of the help menu.
    static QString productPageUrl();
    static QString onlineHelpUrl();
    static QString localHelpPath();
    static QString readMePath();

    // ---- controls -------------------------------------------------------
    QPushButton* btnBelong = nullptr;
    QPushButton* btnMember = nullptr;
    QPushButton* btnSeries = nullptr;
    QPushButton* btnCource = nullptr;
    QPushButton* btnTeamRegi = nullptr;
    QPushButton* btnNewGame = nullptr;
    QGroupBox* fraFilter = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cobSeason = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* cobCource = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cobHoleRound = nullptr;
    QPushButton* btnPeriod = nullptr;
    QLabel* lblPeriod = nullptr;
    QPushButton* btnPointTotal = nullptr;
    QPushButton* btnSeasonPrint = nullptr;
    QLabel* lblGameListCount = nullptr;
    QFrame* picGameListBody = nullptr;
    uctMyGrid* uctGameList = nullptr;
    QPushButton* btnSyukeiClear = nullptr;
    QPushButton* btnSyukeiCheckedAll = nullptr;
    QPushButton* btnOpenGame = nullptr;
    QPushButton* btnGamePrint = nullptr;
    QPushButton* btnDeleteGame = nullptr;
    QPushButton* btnUploadFile = nullptr;
    QPushButton* btnClose = nullptr;
    QTimer* timMain = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFile_ExitApp = nullptr;
    QMenu* mnuTool = nullptr;
    QAction* mnuTool_Backup = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelp_AboutTallicor = nullptr;
    QAction* mnuHelp_OnlineHelp = nullptr;
    QAction* mnuHelp_Line3 = nullptr;
    QAction* mnuHelp_LocalHelp = nullptr;
    QAction* mnuHelp_Line1 = nullptr;
    QAction* mnuHelp_ReadMe = nullptr;
    QAction* mnuHelp_Line2 = nullptr;
    QAction* mnuHelp_About = nullptr;

    // ---- form-level state -------------------------------------------------
    // 1 while the game window is shown and this window hidden.
    Integer mGameWindowOpen = 0;
    // 1 while the series click refills the dependent filters: the grid is
    // not rebuilt meanwhile.
    Integer mListsFilling = 0;
    // 1 when the game window was opened on a stored game, 0 for a new game.
    Integer mOpenedStoredGame = 0;
    // Period filter, "yyyy/mm/dd" or "" for an open end.
    QString mPeriodFrom;
    QString mPeriodTo;
    // Grid row to show at the top at the next rebuild, -1 for none.
    Long mKeepTopRow = -1;

    // ---- event handlers ---------------------------------------------------
    void timMain_Timer();
    void btnClose_Click();
    void mnuFile_ExitApp_Click();
    void mnuTool_Backup_Click();
    void mnuHelp_AboutTallicor_Click();
    void mnuHelp_OnlineHelp_Click();
    void mnuHelp_LocalHelp_Click();
    void mnuHelp_ReadMe_Click();
    void mnuHelp_About_Click();
    void btnBelong_Click();
    void btnMember_Click();
    void btnSeries_Click();
    void btnCource_Click();
    void btnTeamRegi_Click();

    void cobSeason_Click();
    void cobHoleRound_Click();
    void cobCource_Click();
    void btnSyukeiCheckedAll_Click();
    void btnSyukeiClear_Click();
    void uctGameList_MGCellClick(int lngCol, int lngRow);
    void uctGameList_MGCellDblClick(int lngCol, int lngRow);
    void uctGameList_MGCellCheckBoxClick(int lngColOfCellData, int lngRowOfCellData, int lngValue);

    // Game commands.
    void btnNewGame_Click();
    void btnOpenGame_Click();
    void btnDeleteGame_Click();
    void btnPeriod_Click();
    // Print and season commands.
    void btnGamePrint_Click();
    void btnPointTotal_Click();
    void btnSeasonPrint_Click();
    // Web upload export of the selected game.
    void btnUploadFile_Click();

    // ---- procedures of the window -----------------------------------------
    // Enabled state of the command buttons and visibility of the point
    // button from the filters, ticks, selection and players.
    void psSetButtonsEnabled();
    void psSetSeasonList();
    void psSetHoleRoundList();
    void psSetCourceList();
    void psSetDefaultPeriod();
    void psShowPeriod();
    void psSetGamesList();
    void psReadGroups();
    // Reloads gGameList; a game file that cannot be read is reported and
    // left out.
    void psReadGameList();
    // Games that refer to a series or course that is no longer live lose the
    // reference (after the series or course register closed).
    void psClearDeletedRefs();
    // File names (trimmed) of the listed games whose tick is cleared, and
    // the tick cleared again on the rows of those games after a rebuild.
    QStringList psUntickedGames() const;
    void psUntickGames(const QStringList& names);

    // Combo boxes with the classic list semantics: filling never selects;
    // a selection by the program runs the list's click handler at once;
    // clearing runs nothing. The user's choice runs it through the signal.
    void cobClear(QComboBox* cob);
    void cobAddItem(QComboBox* cob, const QString& text, Long itemData);
    void cobSetListIndex(QComboBox* cob, int index);
    // Item data of the selected entry; `none` when nothing is selected.
    static Long cobSelectedData(const QComboBox* cob, Long none = 0);

    // Top-level window the hand-over timer acts on while a game is open.
    QWidget* gameWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void psBuildControls();
    void psBuildMenus();
    void psMoveToStoredPosition();
    void psFillGameFilter(QComboBox* cob, const QString& key, Long (*valueOf)(const GameInfo&),
                          QString (*textOf)(Long));
    void psOpenHelpAddress(const QString& address);
    void psRunComboClick(QComboBox* cob);
};

// frmMain: the commands that act on a game as a whole - a new game (game
// information, then participants, then the game window), opening a stored
// game in the game window, printing a stored game's reports, deleting a
// stored game, the unticked games kept
// across a rebuild of the list, and clearing the references of games to
// series and courses that are no longer live.
#include "mainwin/frmMain.h"

#include "core/gamefile.h"
#include "core/ini.h"
#include "core/records.h"
#include "game/frmParvona.h"
#include "grid/uctMyGrid.h"
#include "game/frmGameInfo.h"
#include "mainwin/frmNewScoreSetup.h"
#include "registers/modRegisters.h"
#include "platform/eradate.h"
#include "reports/game/frmSelectPrintScore.h"
#include "reports/modReports.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kManagement = QStringLiteral("Management");
const QString kErrorTitle = QStringLiteral("エラー");

// The game list index a row stands for, -1 when it names no game.
Long gameIndexOfRow(uctMyGrid* grid, int row)
{
    const Long idx = grid->gfGetRowItemData(row);
    return idx >= 0 && idx <= glngGameListUBound() ? idx : -1;
}

void showNoGameSelected(QWidget* owner)
{
    platform::MsgBox(QStringLiteral("ゲームを選択してください。"), platform::vbOKOnly, kErrorTitle, owner);
}

// The game list index of the list's selected row; -1 when it names no game,
// and when no row is selected after saying so.
Long selectedGameIndex(uctMyGrid* grid, QWidget* owner)
{
    const int row = registers::firstSelectedRow(grid);
    if (row < 0) {
        showNoGameSelected(owner);
        return -1;
    }
    return gameIndexOfRow(grid, row);
}

// The game file of a game of the list.
QString gameFilePath(const GameInfo& g)
{
    return gstrGamesFolder + QStringLiteral("/") + vb::Trim(g.GameFileName);
}

// Identifiers n = 1 .. Max<...>No of a series or course file whose section
// has a State of numeric value 0 (a missing State counts as 0).
QSet<Long> liveIds(const QString& file, const QString& maxKey, const QString& sectionPrefix)
{
    QSet<Long> ids;
    // The file is parsed once for the whole list.
    const IniFileReader entries(file);
    const Long maxNo = entries.highestNumber(maxKey);
    for (Long n = 1; n <= maxNo; ++n)
        if (vb::Val(entries.value(sectionPrefix + QString::number(n), QStringLiteral("State"))) == 0)
            ids.insert(n);
    return ids;
}

}  // namespace

// The game window takes over: it is shown modeless with this window as owner
// and this window hides until the game window closes (gsShowMain).
static void showGameWindow(frmMain* main)
{
    auto* w = new frmParvona(main);
    QObject::connect(w, &frmParvona::closed, main, &frmMain::gsShowMain);
    w->show();
    main->hide();
    main->mGameWindowOpen = 1;
}

void frmMain::btnNewGame_Click()
{
    if (cobSeason->currentIndex() < 0)
        return;

    // Defaults of a new game; the filters in use preset series, course,
    // holes and rounds.
    GameInfo g = gfNewGameDefaults();
    g.Date = vb::FormatDate(QDate::currentDate(), QStringLiteral("yyyy/mm/dd"));
    g.Tittle.clear();
    const Long series = cobSelectedData(cobSeason, -1);
    g.SeriesID = series == -1 ? 0 : series;
    const Long cource = cobSelectedData(cobCource, -1);
    g.CourceID = cource == -1 ? 0 : cource;
    const Long hr = cobSelectedData(cobHoleRound, -1);
    if (hr == -1) {
        g.Hole = 8;
        g.Round = 3;
    } else {
        g.Hole = static_cast<Integer>(vb::CLng(hr / 100.0));
        g.Round = static_cast<Integer>(hr % 100);
    }
    // The entry count and the playing-group settings start empty too, not
    // as the game last opened left them.
    gGame = g;

    glngDialogParam = 0;
    {
        frmGameInfo dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;

    gNewEntries.clear();
    {
        frmNewScoreSetup dlg(this);
        dlg.exec();
    }
    if (gintDialogResult == -1)
        return;

    // No file yet: the game gets its number and file at its first save.
    mOpenedStoredGame = 0;
    showGameWindow(this);
}

void frmMain::btnOpenGame_Click()
{
    const Long idx = selectedGameIndex(uctGameList, this);
    if (idx < 0)
        return;

    gNewEntries.clear();
    gGame = gGameList[idx];
    mOpenedStoredGame = 1;
    showGameWindow(this);
}

// The reports of the selected game (dialog frmSelectPrintScore), over its
// stored entries; the result tables are emptied again afterwards. A game
// that cannot be read whole, or has no entries, prints nothing: the user is
// told why, as the game window tells it, instead of meeting the tallies'
// run-time errors over a damaged header.
void frmMain::btnGamePrint_Click()
{
    if (cobSeason->currentIndex() < 0)
        return;
    const Long idx = selectedGameIndex(uctGameList, this);
    if (idx < 0)
        return;

    gGame = gGameList[idx];
    gsClearCalcResults();
    QString problem;
    if (!gfReadGameLines(&problem))
        gsMsgScoreDataNotRead(problem, this);
    else if (glngScoreLinesUBound() < 0)
        gsMsgNoPrintData(this);
    else {
        frmSelectPrintScore dlg(this);
        dlg.exec();
    }
    gsClearCalcResults();
}

void frmMain::btnDeleteGame_Click()
{
    if (cobSeason->currentIndex() < 0)
        return;

    // The unticked games keep their mark through the rebuild.
    const QStringList unticked = psUntickedGames();

    const int row = registers::firstSelectedRow(uctGameList);
    if (row < 0) {
        showNoGameSelected(this);
        return;
    }
    const Long idx = gameIndexOfRow(uctGameList, row);
    if (idx < 0)
        return;

    gGame = gGameList[idx];
    const QString path = gameFilePath(gGame);
    if (vb::Trim(gGame.GameFileName).isEmpty() || !QFileInfo(path).isFile())
        return;   // already gone: nothing to delete, nothing to say

    const QString question = QStringLiteral("ゲーム：「") + gGame.Date + QStringLiteral("：") + gGame.Tittle
                             + QStringLiteral("」\nを削除します。");
    if (platform::MsgBox(question, platform::vbOKCancel, QStringLiteral("ゲーム削除確認"), this)
        != platform::vbOK)
        return;

    registers::Hourglass hourglass;

    // The row that will be selected afterwards: the one below, else the one
    // above; none when the game is the only row.
    QString neighbour;
    bool hasNeighbour = false;
    int next = 0;
    if (row + 1 < uctGameList->gfRowCount())
        next = row + 1;
    else if (row != 1)
        next = row - 1;
    if (next > 0) {
        const Long n = gameIndexOfRow(uctGameList, next);
        if (n >= 0) {
            neighbour = vb::Trim(gGameList[n].GameFileName);
            hasNeighbour = true;
        }
    }

    // A file that cannot be deleted is reported and the list stays as it is.
    if (!QFile::remove(path)) {
        platform::resetMousePointer();
        platform::MsgBox(QStringLiteral("ゲームファイルを削除できませんでした。\n") + path, platform::vbCritical,
                         kErrorTitle, this);
        return;
    }
    if (hasNeighbour)
        gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("SelectedGame"), neighbour);

    psReadGameList();
    mKeepTopRow = uctGameList->gfGetTopIndexOfRowsY();
    psSetGamesList();

    psUntickGames(unticked);

    psSetButtonsEnabled();
}

QStringList frmMain::psUntickedGames() const
{
    QStringList names;
    for (int r = 1; r < uctGameList->gfRowCount(); ++r) {
        if (uctGameList->gfGetCellData(0, r, QStringLiteral("Value")).toInt() != 0)
            continue;
        const Long idx = gameIndexOfRow(uctGameList, r);
        if (idx >= 0)
            names << vb::Trim(gGameList[idx].GameFileName);
    }
    return names;
}

void frmMain::psUntickGames(const QStringList& names)
{
    if (names.isEmpty())
        return;
    bool any = false;
    for (int r = 1; r < uctGameList->gfRowCount(); ++r) {
        const Long idx = gameIndexOfRow(uctGameList, r);
        if (idx >= 0 && names.contains(vb::Trim(gGameList[idx].GameFileName))) {
            uctGameList->gsSetCellData(0, r, QStringLiteral("Value"), 0);
            any = true;
        }
    }
    if (any)
        uctGameList->gsUpdate();
}

void frmMain::psClearDeletedRefs()
{
    const QSet<Long> liveSeries = liveIds(gstrSeriesFile, QStringLiteral("MaxSeriesNo"), QStringLiteral("Series"));
    const QSet<Long> liveCources = liveIds(gstrCourceFile, QStringLiteral("MaxCourceNo"), QStringLiteral("Cource"));

    // A reference is cleared in the game file with one key written, the
    // rest of the file untouched. A file that has gone is not created again
    // by the write; a file that cannot be written keeps its reference, in
    // the list too, and is named in one message.
    QStringList failed;
    auto clear = [&failed](GameInfo& g, Long& id, const QString& key) {
        const QString path = gameFilePath(g);
        if (QFileInfo(path).isFile() && gfWriteIniFile(path, kManagement, key, QStringLiteral("0")) == 0) {
            if (!failed.contains(path))
                failed << path;
            return;
        }
        id = 0;
    };
    for (GameInfo& g : gGameList) {
        if (g.SeriesID != 0 && !liveSeries.contains(g.SeriesID))
            clear(g, g.SeriesID, QStringLiteral("SeriesID"));
        if (g.CourceID != 0 && !liveCources.contains(g.CourceID))
            clear(g, g.CourceID, QStringLiteral("CourceID"));
    }
    if (!failed.isEmpty())
        platform::MsgBox(QStringLiteral("psClearDeletedRefs() : 書き込めないゲームファイルがあります。\n") + failed.join(QStringLiteral("\n")),
                         platform::vbCritical, kErrorTitle, this);
}

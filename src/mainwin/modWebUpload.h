// The web upload export: one stored game's header and its players'
// hole-by-hole strokes as a ".tcw" text file (CP932, CR LF on every line,
// no blank lines):
//   [P] / File=Game score from Tallicor / Copyright=Corvanti - Tallicor /
//   Version=100 /
//   Hole=n / Round=n / GameDate=yyyy-mm-dd / Subtitle=title
//   then per player with at least one stroke, numbered densely from 1:
//   [Rn] / name= / birthday=yyyy-mm-dd (0000-00-00 when blank) / gender= /
//   sortstr= / team= (first round's team) / score=s/s/.../ (Hole x Round
//   slashes, a hole not entered adds "/" alone)
//   and finally [End].
// The folder last written to is remembered in the settings
// ([ComDlg_InitDir] Tallicor_Web_uploadfile).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class uctMyGrid;

namespace webupload {

// Asks for the file to write: (owner, proposed path: remembered folder and
// default name) -> the chosen path, or "" when the user cancels. The
// default is a save-file dialog (overwrite question, ".tcw" added to a name
// without extension); tests install their own.
using SaveFileChooser = std::function<QString(QWidget* owner, const QString& proposedPath)>;
// Installs a chooser; an empty one restores the save-file dialog.
void setSaveFileChooser(SaveFileChooser chooser);

}  // namespace webupload

// The main window's upload command (its btnUploadFile_Click):
//   gsUploadFileExport(this, cobSeason->currentIndex() >= 0, uctGameList);
// Exports the game of the first selected row of the game list (the row's
// RowItemData is the game's index in gGameList). Shows "ゲームを選択して
// ください。" when no row is selected; does nothing without a series filter
// choice or for a game without entries; a game that cannot be exported
// (a date that is not a date, a player missing from the player list) ends
// without a message and without the save dialog.
void gsUploadFileExport(QWidget* owner, bool seriesSelected, uctMyGrid* gameList);

// The lines of the file for the current game (gGame, gScoreLines,
// gMemberList). Throws vb::VbError when the game cannot be exported.
QStringList gfBuildUploadLines();

// Shows the save-file dialog for the default file name; returns the chosen
// path ("" on cancel) and remembers its folder.
QString pfGetUploadFileName(QWidget* owner, const QString& defaultName);

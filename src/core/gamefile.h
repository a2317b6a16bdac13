// The game file store: one INI-form file per game in the games folder
// ("game00001.tcg", ...), the game-number file "manager.dat" beside them,
// the writer of the current game, the readers of the game list and of one
// game's entries, and the conversions between stored entries (one per
// player) and score rows (one per player and round).
#pragma once

#include "core/records.h"

#include <QString>
#include <QStringList>

class QObject;

// Writes the current game (gGame with gScoreData, plus the finishing places
// of a fresh personal ranking) to its game file. A game without a file (or
// whose file has gone) takes the next game number and gets its GameFileName.
// The file is replaced atomically. Returns the full path of the file
// written, or "" after a failure (the failure message has been shown and the
// old file is untouched).
QString gfGameDataSave();

// Rebuilds gScoreData from gScoreLines: one entry per row with RoundNo 1,
// whose Holes text joins the hole texts of that row and the next Round - 1
// rows, each followed by ",". Throws vb::VbError when a player's rows are
// missing or Hole/Round lie beyond what a score row holds.
void gsScoreLinesToData();

// Rebuilds gScoreLines from gScoreData: Round rows per entry, Hole texts per
// row. Throws vb::VbError when Hole/Round lie beyond what a score row holds.
void gsScoreDataToLines();

// Rebuilds gGameList from the games folder: game numbers 1 to MaxGameNo of
// "manager.dat", existing files only, in number order. A file holding a
// number that does not fit its field is left out of the list; the readable
// games are listed, then the error passes to the caller naming the damaged
// files -- or, when `damaged` is given, they are listed there as
// "name (reason)" and no error is raised.
void gsReadGameList(QStringList* damaged = nullptr);

// Loads the entries of the game named by gGame.GameFileName into gScoreData.
// A file that exists but cannot be read completely is reported with a
// message; gScoreData then holds the entries read before the failure.
void gsReadScoreData();
// The same without the message: false when the file exists but could not be
// read completely, with "name (reason)" in *problem.
bool gfReadScoreDataChecked(QString* problem);

// Loads the current game's entries and makes its score lines, as the game
// window and the print command use them. False when the game cannot be
// used whole: its file could not be read completely, or its header has no
// place for the stored strokes (no holes or rounds, or more than a score
// row holds). gScoreLines is then empty and *problem says "name (reason)".
bool gfReadGameLines(QString* problem);

// Tells the user that the game's entries could not be read completely:
// "スコア・データの読み込みに失敗しました。", then the problem.
void gsMsgScoreDataNotRead(const QString& problem, QObject* owner = nullptr);

// 1 when the two headers differ in a stored field (RealEntries and the
// playing-group fields are not compared), 0 when they are equal.
Integer gfIsGameInfoChanged(const GameInfo& a, const GameInfo& b);

// "game" & n in five digits (six from 100000 on) & ".tcg".
QString gfGameFileName(Long gameNo);

// The lines of the game file of the current game as gfGameDataSave writes
// them (gRanking must hold the unfiltered personal ranking of the game).
QStringList gfGameFileLines();

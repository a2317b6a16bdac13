// Small builders for games in memory and data folders on disk, shared by the
// ranking, game file and migration tests.
#pragma once

#include "core/core.h"
#include "core/ini.h"
#include "platform/textfile.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>

namespace gametest {

// A fresh current game with the new-game defaults and nothing else.
inline void newGame(Integer hole, Integer round)
{
    gsClearCalcResults();
    std::vector<StoredScore>().swap(gScoreData);
    std::vector<MemberInfo>().swap(gMemberList);
    gGame = gfNewGameDefaults();
    gGame.Hole = hole;
    gGame.Round = round;
}

// Appends one player's rows: one text per round, the hole texts separated by
// spaces ("1 2 3 3"); "." stands for a hole not entered.
using testsupport::addPlayer;

// A round of `hole` holes all done in `strokes`.
inline QByteArray flat(int hole, int strokes)
{
    QStringList parts;
    for (int h = 0; h < hole; ++h) parts << QString::number(strokes);
    return parts.join(QLatin1Char(' ')).toUtf8();
}

inline void addMember(Long id, const QString& birthday, Integer gender = 1)
{
    testsupport::addMember(id, QStringLiteral("選手") + QString::number(id), birthday, gender);
}

// The IDNo column of gRanking, in order.
inline std::vector<Long> rankingIds()
{
    std::vector<Long> ids;
    for (const PersonRank& r : gRanking) ids.push_back(r.IDNo);
    return ids;
}

inline Long rankOf(Long id)
{
    for (const PersonRank& r : gRanking)
        if (r.IDNo == id) return r.Rank;
    return -1;
}

inline const PersonRank* personRow(Long id)
{
    for (const PersonRank& r : gRanking)
        if (r.IDNo == id) return &r;
    return nullptr;
}

// Points every data path of the program into a temporary folder.
class DataFolder {
public:
    DataFolder()
    {
        testsupport::pointDataPathsAt(dir_.path());
        resetRecordingUi();
    }
    QString root() const { return dir_.path(); }
    QString game(const QString& name) const { return gstrGamesFolder + QStringLiteral("/") + name; }

private:
    QTemporaryDir dir_;
};

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
    return f.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Writes text lines as the program's files are: CP932, each line + CR LF.
inline void writeLines(const QString& path, const QStringList& lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(platform::writeTextLinesAtomic(path, lines));
}

inline QByteArray crlf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines) out += platform::encodeCp932(l) + "\r\n";
    return out;
}

}  // namespace gametest

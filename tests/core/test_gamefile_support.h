// Small builders for games in memory and data folders on disk, shared by the
// ranking, game file and migration tests.
#pragma once

#include "core/core.h"
#include "core/ini.h"
#include "platform/textfile.h"
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
inline void addPlayer(Long id, std::initializer_list<const char*> rounds, const QString& team = QString(),
                      Long handicap = 0)
{
    Integer r = 0;
    for (const char* text : rounds) {
        ScoreLine line;
        line.IDNo = id;
        line.RoundNo = ++r;
        line.TeamID = team;
        line.Handicap = handicap;
        const QStringList holes = QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int h = 0; h < holes.size() && h < 16; ++h)
            line.Holes[h] = holes[h] == QStringLiteral(".") ? QString() : holes[h];
        gScoreLines.push_back(line);
    }
}

// A round of `hole` holes all done in `strokes`.
inline QByteArray flat(int hole, int strokes)
{
    QStringList parts;
    for (int h = 0; h < hole; ++h) parts << QString::number(strokes);
    return parts.join(QLatin1Char(' ')).toUtf8();
}

inline void addMember(Long id, const QString& birthday, Integer gender = 1)
{
    MemberInfo m;
    m.IDNo = id;
    m.Name = QStringLiteral("選手") + QString::number(id);
    m.Birthday = birthday;
    m.Gender = gender;
    gMemberList.push_back(m);
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
        const QString root = dir_.path();
        gstrAppFolder = root + QStringLiteral("/app");
        gstrDocFolder = root + QStringLiteral("/doc");
        gstrDataFolder = gstrDocFolder + QStringLiteral("/data");
        gstrGamesFolder = gstrDataFolder + QStringLiteral("/games");
        gstrManagerFile = gstrGamesFolder + QStringLiteral("/manager.dat");
        gstrMemberFile = gstrDataFolder + QStringLiteral("/member.dat");
        gstrSeriesFile = gstrDataFolder + QStringLiteral("/series.dat");
        gstrIniFile = gstrAppFolder + QStringLiteral("/Tallicor.ini");
        QDir().mkpath(gstrAppFolder);
        QDir().mkpath(gstrGamesFolder);
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

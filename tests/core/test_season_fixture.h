// Small game folders for the season and series tests: game files written in
// the stored format into a temporary folder, the game list built beside them.
#pragma once

#include "core/records.h"
#include "platform/textfile.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace seasonfx {

// One player's entry: rounds given as comma-separated stroke texts per round
// ("3,4,,2" leaves hole 3 empty).
struct Player {
    Long id = 0;
    std::vector<QString> rounds;
    QString team;
    Long handicap = 0;
};

struct Game {
    QString date = QStringLiteral("2008/05/03");
    Integer hole = 4;
    Integer round = 2;
    Integer handicapKind = 0;
    Long series = 0;
    Integer pointGame = 1;
    std::vector<Player> players;
    // Stored finishing places (rank, player) of the Ranking section.
    std::vector<std::pair<Long, Long>> places;
};

// The lines of a game file in the stored format.
inline QStringList gameFileLines(const Game& g)
{
    QStringList l;
    l << "[Management]" << "Date=" + g.date << "Tittle=test"
      << "MaxScoreNo=" + QString::number(g.players.size())
      << "SeriesID=" + QString::number(g.series) << "CourceID=0"
      << "Hole=" + QString::number(g.hole) << "Round=" + QString::number(g.round)
      << "TeamHowtoRank=0" << "CategoryGender=0" << "CategoryAgeLow=-1" << "CategoryAgeHigh=-1"
      << "JudgeDaSu=5" << "JudgeBirthday=1" << "HandiCapKind=" + QString::number(g.handicapKind)
      << "PointGame=" + QString::number(g.pointGame);
    for (size_t i = 0; i < g.players.size(); ++i) {
        const Player& p = g.players[i];
        QString holes;
        for (int r = 0; r < g.round; ++r) {
            QStringList parts = r < int(p.rounds.size()) ? p.rounds[r].split(',') : QStringList();
            for (int h = 0; h < g.hole; ++h)
                holes += (h < parts.size() ? parts[h] : QString()) + ",";
        }
        l << QString("[Score%1]").arg(i + 1) << "IDNo=" + QString::number(p.id) << "Holes=" + holes;
        if (!p.team.trimmed().isEmpty())
            l << "TeamID=" + p.team;
        l << "Handicap=" + QString::number(p.handicap) << "RoundGNo=0" << "SeedNo=0";
    }
    l << "[Ranking]";
    for (size_t k = 0; k < g.places.size(); ++k)
        l << QString("R%1=%2").arg(k).arg(g.places[k].first)
          << QString("P%1=%2").arg(k).arg(g.places[k].second);
    l << "RealEntries=" + QString::number(g.places.size());
    l << "[RoundGrouping]" << "RGUmu=0" << "RGWhichBy=0" << "RGCT=0";
    for (int p = 0; p < 5; ++p)
        l << QString("RGPriority%1=0").arg(p);
    return l;
}

// Every data path in a temporary folder (with its games folder); the shared
// tables start empty.
class Folder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        testsupport::pointDataPathsAt(tmp.path());
        gGameList.clear();
        gSelectedGames.clear();
        gMemberList.clear();
        gPointRanking.clear();
        gsClearCalcResults();
        gSeasonGameInfo = gfNewGameDefaults();
        gSeasonGameInfo.Hole = 4;
        gSeasonGameInfo.Round = 2;
        gSeasonGameInfo.JudgeDaSu = 0;
        gSeasonGameInfo.JudgeBirthday = 0;
        resetRecordingUi();
    }

    void TearDown() override
    {
        gGameList.clear();
        gSelectedGames.clear();
        gMemberList.clear();
        gPointRanking.clear();
        gsClearCalcResults();
    }

    // Writes the game's file, appends its header to gGameList and ticks it;
    // returns its index in gGameList.
    Long addGame(const Game& g, bool tick = true)
    {
        const Long index = static_cast<Long>(gGameList.size());
        const QString name = QString("game%1.tcg").arg(index + 1, 5, 10, QLatin1Char('0'));
        EXPECT_TRUE(platform::writeTextLinesAtomic(QDir(gstrGamesFolder).filePath(name), gameFileLines(g)));
        GameInfo info = gfNewGameDefaults();
        info.Date = g.date;
        info.Tittle = "test";
        info.MaxScoreNo = static_cast<Long>(g.players.size());
        info.SeriesID = g.series;
        info.Hole = g.hole;
        info.Round = g.round;
        info.HandiCapKind = g.handicapKind;
        info.PointGame = g.pointGame;
        info.RealEntries = static_cast<Long>(g.places.size());
        info.GameFileName = name;
        gGameList.push_back(info);
        if (tick)
            gSelectedGames.push_back(index);
        return index;
    }

    void addMember(Long id, const QString& birthday = QString(), Long belong = 0,
                   const QString& sort = QString())
    {
        testsupport::addMember(id, QString("player%1").arg(id), birthday, 0, belong);
        gMemberList.back().Sort = sort;
    }

    QTemporaryDir tmp;
};

// A game header in gGameList only, no file, for the pages that read the
// headers of the games; returns its index.
inline Long listGame(Integer holes, Integer rounds, Integer handicap = 0, const QString& title = QStringLiteral("例会"),
                     Long course = 0, Long series = 0)
{
    GameInfo g = gfNewGameDefaults();
    g.Hole = holes;
    g.Round = rounds;
    g.HandiCapKind = handicap;
    g.Tittle = title;
    g.CourceID = course;
    g.SeriesID = series;
    g.GameFileName = QStringLiteral("game%1.tcg").arg(gGameList.size() + 1);
    gGameList.push_back(g);
    return static_cast<Long>(gGameList.size()) - 1;
}

// A season record made by hand, for the calculations.
inline SeasonScore record(Long id, Long rounds, Long net, Long gameNo = 0,
                          const QString& date = QStringLiteral("2008/05/03"))
{
    SeasonScore s;
    s.IDNo = id;
    s.Rounds = rounds;
    s.Net = net;
    s.Total = net;
    s.GameNo = gameNo;
    s.Date = date;
    s.HoleCount = rounds * 4;
    return s;
}

// Identifiers of a result table in order.
template <typename Row>
std::vector<Long> ids(const std::vector<Row>& rows)
{
    std::vector<Long> out;
    for (const Row& r : rows)
        out.push_back(r.IDNo);
    return out;
}

template <typename Row>
std::vector<Long> ranks(const std::vector<Row>& rows)
{
    std::vector<Long> out;
    for (const Row& r : rows)
        out.push_back(r.Rank);
    return out;
}

}  // namespace seasonfx

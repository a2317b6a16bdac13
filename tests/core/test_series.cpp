// Series look-up and the series point ranking.
#include "test_season_fixture.h"

#include "core/gamefile.h"
#include "core/ini.h"
#include "core/season.h"
#include "core/series.h"

#include <algorithm>

using namespace seasonfx;

namespace {

class SeriesFile : public Folder {
protected:
    // Series 1: a live point series with points 5 4 3 2 1 1 1 1 0 0 and 0;
    // series 2: a live point series with points 9 8 7 ...; series 3: deleted;
    // series 4: plain; series 5: as migrated (name and state only); series 6:
    // no State key.
    void writeSeriesFile()
    {
        QStringList l;
        l << "[Management]" << "MaxSeriesNo=6";
        auto series = [&](int n, const QString& state, const QString& pointSeries,
                          const std::vector<int>& points) {
            l << QString("[Series%1]").arg(n) << QString("Name=シリーズ%1").arg(n);
            if (!state.isNull())
                l << "State=" + state;
            if (!pointSeries.isNull())
                l << "PointSeries=" + pointSeries;
            for (size_t i = 0; i < points.size(); ++i)
                l << QString("Point%1=%2").arg(i + 1).arg(points[i]);
        };
        series(1, "0", "1", {5, 4, 3, 2, 1, 1, 1, 1, 0, 0, 0});
        series(2, "0", "1", {9, 8, 7, 6, 5, 4, 3, 2, 1, 1, 1});
        series(3, "2", "1", {9, 8, 7, 6, 5, 4, 3, 2, 1, 1, 1});
        series(4, "0", "0", {5, 4, 3, 2, 1, 1, 1, 1, 0, 0, 0});
        series(5, "0", QString(), {});
        series(6, QString(), "1", {3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0});
        ASSERT_TRUE(platform::writeTextLinesAtomic(gstrSeriesFile, l));
    }

    void SetUp() override
    {
        Folder::SetUp();
        writeSeriesFile();
    }

    // A point game of a series with stored places (rank, player).
    Long pointGame(Long series, Integer weight, std::vector<std::pair<Long, Long>> places)
    {
        Game g;
        g.series = series;
        g.pointGame = weight;
        g.places = std::move(places);
        return addGame(g, false);
    }

    // Lists hand-made game file lines as the first game of series 1.
    GameInfo& listGameFile(const QStringList& lines)
    {
        const QString name = "game00001.tcg";
        EXPECT_TRUE(platform::writeTextLinesAtomic(QDir(gstrGamesFolder).filePath(name), lines));
        GameInfo info = gfNewGameDefaults();
        info.SeriesID = 1;
        info.GameFileName = name;
        gGameList.push_back(info);
        return gGameList.back();
    }

    // Players 5 and 6 placed in a game of series 1 whose stored place count
    // says realEntries instead of 2.
    void listTwoPlacesClaiming(const QString& realEntries)
    {
        Game g;
        g.series = 1;
        g.places = {{1, 5}, {2, 6}};
        QStringList lines = gameFileLines(g);
        lines.replace(lines.indexOf("RealEntries=2"), "RealEntries=" + realEntries);
        listGameFile(lines);
    }

    Long pointsOf(Long id) const
    {
        for (const PointRank& p : gPointRanking)
            if (p.IDNo == id)
                return p.Points;
        return -1;
    }

    Long gamesOf(Long id) const
    {
        for (const PointRank& p : gPointRanking)
            if (p.IDNo == id)
                return p.Games;
        return -1;
    }
};

}  // namespace

TEST_F(SeriesFile, GetSeriesInfo)
{
    SeriesInfo info;
    info.Name = "unchanged";
    EXPECT_FALSE(gfGetSeriesInfo(0, info));
    EXPECT_FALSE(gfGetSeriesInfo(-3, info));
    EXPECT_EQ(info.Name, "unchanged");

    ASSERT_TRUE(gfGetSeriesInfo(1, info));
    EXPECT_EQ(info.Name, "シリーズ1");
    EXPECT_EQ(info.SeriesID, 1);
    EXPECT_EQ(info.State, 0);
    EXPECT_EQ(info.PointSeries, 1);
    EXPECT_EQ((std::array<Integer, 11>{5, 4, 3, 2, 1, 1, 1, 1, 0, 0, 0}), info.Point);

    EXPECT_FALSE(gfGetSeriesInfo(3, info));
    EXPECT_TRUE(info.Name.isEmpty());
    EXPECT_EQ(info.SeriesID, 3);
    EXPECT_EQ(info.State, 2);
    EXPECT_EQ(info.PointSeries, 0);
    EXPECT_EQ((std::array<Integer, 11>{}), info.Point);

    // Missing section, migrated section, section without State: live.
    for (Long id : {Long(5), Long(6), Long(40)}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(gfGetSeriesInfo(id, info));
        EXPECT_EQ(info.SeriesID, id);
        EXPECT_EQ(info.State, 0);
    }
    EXPECT_TRUE(gfGetSeriesInfo(40, info));
    EXPECT_TRUE(info.Name.isEmpty());
    EXPECT_EQ(info.PointSeries, 0);
    EXPECT_EQ((std::array<Integer, 11>{}), info.Point);
    EXPECT_TRUE(gfGetSeriesInfo(5, info));
    EXPECT_EQ(info.Name, "シリーズ5");
    EXPECT_EQ(info.PointSeries, 0);
    EXPECT_EQ((std::array<Integer, 11>{}), info.Point);
}

// The name as the windows show it: trimmed, whatever the series' State.
TEST_F(SeriesFile, SeriesNameIsTheTrimmedStoredName)
{
    gfWriteIniFile(gstrSeriesFile, "Series7", "Name", "  秋季 リーグ ");
    EXPECT_EQ(gfSeriesName(1), "シリーズ1");
    EXPECT_EQ(gfSeriesName(3), "シリーズ3");
    EXPECT_EQ(gfSeriesName(7), "秋季 リーグ");
    EXPECT_EQ(gfSeriesName(40), "");
    EXPECT_EQ(gfSeriesName(0), "");
}

TEST_F(SeriesFile, PointOfRank)
{
    SeriesInfo info;
    ASSERT_TRUE(gfGetSeriesInfo(2, info));
    EXPECT_EQ(gfGetPointOfRank(info, 1), 9);
    EXPECT_EQ(gfGetPointOfRank(info, 10), 1);
    info.Point[10] = 7;
    EXPECT_EQ(gfGetPointOfRank(info, 11), 7);
    EXPECT_EQ(gfGetPointOfRank(info, 40), 7);
}

TEST_F(SeriesFile, WeightsAndWhichGamesCount)
{
    pointGame(1, 2, {{1, 11}, {2, 12}, {2, 13}, {4, 14}});
    pointGame(1, 0, {{1, 14}, {2, 13}});                  // no point weight
    pointGame(2, 1, {{1, 14}, {2, 13}});                  // another series
    const Long gone = pointGame(1, 1, {{1, 14}, {2, 13}});
    QFile::remove(QDir(gstrGamesFolder).filePath(gGameList[gone].GameFileName));
    Game unsaved;
    unsaved.series = 1;
    addGame(unsaved, false);
    gGameList.back().GameFileName = "  ";

    gsCalSeriesPointsRanking(1);
    ASSERT_EQ(gPointRanking.size(), 4u);
    EXPECT_EQ(gPointRanking[0].IDNo, 11);
    EXPECT_EQ(gPointRanking[0].Points, 100);
    EXPECT_EQ(pointsOf(12), 70);
    EXPECT_EQ(pointsOf(13), 70);
    EXPECT_EQ(pointsOf(14), 40);
    EXPECT_EQ(gamesOf(14), 1);
    EXPECT_EQ(ranks(gPointRanking), (std::vector<Long>{1, 2, 2, 4}));
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(SeriesFile, SharedPlacesShareTheirPositionsPointsHalfToEven)
{
    // Three tied at 8th (positions 8 to 10): 10 / 3 = 3.33 -> 3 tenths.
    pointGame(1, 1, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7},
                     {8, 8}, {8, 9}, {8, 10}});
    gsCalSeriesPointsRanking(1);
    EXPECT_EQ(pointsOf(8), 3);
    EXPECT_EQ(pointsOf(10), 3);
    EXPECT_EQ(pointsOf(7), 10);

    // Four sharing positions 8 to 11 (sum 1): 2.5 -> 2 tenths.
    gGameList.clear();
    pointGame(1, 1, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7},
                     {8, 8}, {8, 9}, {8, 10}, {8, 11}, {12, 12}});
    gsCalSeriesPointsRanking(1);
    EXPECT_EQ(pointsOf(11), 2);
    EXPECT_EQ(pointsOf(12), 0);
    EXPECT_EQ(gamesOf(12), 1);

    // Two tied at 1st of points 5 and 4: 45 tenths each.
    gGameList.clear();
    pointGame(1, 1, {{1, 1}, {1, 2}, {3, 3}});
    gsCalSeriesPointsRanking(1);
    EXPECT_EQ(pointsOf(1), 45);
    EXPECT_EQ(pointsOf(2), 45);
    EXPECT_EQ(pointsOf(3), 30);
    EXPECT_EQ(ranks(gPointRanking), (std::vector<Long>{1, 1, 3}));

    // Series 6 (points 3, 2, 1, 0...), weight 19: four tied at 3rd share
    // 1 x 19 x 10 / 4 = 47.5 -> 48.
    gGameList.clear();
    pointGame(6, 19, {{1, 1}, {2, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}});
    gsCalSeriesPointsRanking(6);
    EXPECT_EQ(pointsOf(1), 570);
    EXPECT_EQ(pointsOf(2), 380);
    EXPECT_EQ(pointsOf(3), 48);
    EXPECT_EQ(pointsOf(6), 48);

    // Series 1, four tied at 4th (positions 4 to 7: 2+1+1+1): 50 / 4 = 12.5 -> 12.
    gGameList.clear();
    pointGame(1, 1, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}});
    gsCalSeriesPointsRanking(1);
    EXPECT_EQ(pointsOf(3), 30);
    EXPECT_EQ(pointsOf(4), 12);
    EXPECT_EQ(pointsOf(7), 12);
}

TEST_F(SeriesFile, SumsOverGamesAndSharesRanks)
{
    // Player 1: 50, 30 and 0 tenths in three games; player 2: 80 in two;
    // player 3: less.
    pointGame(1, 1, {{1, 1}, {2, 2}});                   // 50, 40
    pointGame(1, 1, {{1, 2}, {2, 3}, {3, 1}});           // 50 (2), 40 (3), 30 (1)
    pointGame(1, 1, {{1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 8}, {7, 9},
                     {8, 10}, {9, 11}, {10, 12}, {11, 1}});  // player 1 at 11th: 0
    gsCalSeriesPointsRanking(1);
    EXPECT_EQ(gamesOf(1), 3);
    EXPECT_EQ(pointsOf(1), 80);
    EXPECT_EQ(gamesOf(2), 2);
    EXPECT_EQ(pointsOf(2), 90);
    EXPECT_EQ(pointsOf(3), 90);
    EXPECT_EQ(ranks(gPointRanking)[0], 1);
    EXPECT_EQ(ranks(gPointRanking)[1], 1);
    EXPECT_EQ(gPointRanking[2].IDNo, 1);
    EXPECT_EQ(gPointRanking[2].Rank, 3);
}

TEST_F(SeriesFile, NotAPointSeriesGivesAnEmptyTableWithoutMessage)
{
    pointGame(3, 1, {{1, 1}});
    pointGame(4, 1, {{1, 1}});
    for (Long id : {Long(0), Long(3), Long(4), Long(5), Long(40)}) {
        gPointRanking = {PointRank{1, 1, 1, 1}};
        gsCalSeriesPointsRanking(id);
        EXPECT_TRUE(gPointRanking.empty()) << id;
    }
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(SeriesFile, DamagedPlacesShowTheMessageAndLeaveTheTableEmpty)
{
    // RealEntries says 3, but P2 is missing: a stored player 0.
    listTwoPlacesClaiming("3");

    gsCalSeriesPointsRanking(1);
    EXPECT_TRUE(gPointRanking.empty());
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, "ポイント集計に失敗しました。");
    EXPECT_EQ(recordingUi().messages[0].title, "System error");
}

// A game holds each player once, and players are numbered up to 32767: a
// larger count of stored places is a damaged file, reported at once instead
// of reading (and holding) that many places.
TEST_F(SeriesFile, APlaceCountBeyondAnyGameIsReportedWithoutReadingIt)
{
    listTwoPlacesClaiming("2000000000");

    gsCalSeriesPointsRanking(1);
    EXPECT_TRUE(gPointRanking.empty());
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, "ポイント集計に失敗しました。");
}

TEST_F(SeriesFile, GamesSavedByTheStoreRankAndTally)
{
    // Two games written by the game store itself: its stored places feed the
    // point ranking, its entries the season collection.
    auto save = [](const QString& date, Integer weight, const std::vector<std::pair<Long, QString>>& rows) {
        gGame = gfNewGameDefaults();
        gGame.Date = date;
        gGame.SeriesID = 1;
        gGame.Hole = 4;
        gGame.Round = 1;
        gGame.PointGame = weight;
        gGame.JudgeBirthday = 0;
        gScoreLines.clear();
        for (const auto& [id, holes] : rows) {
            ScoreLine line;
            line.IDNo = id;
            line.RoundNo = 1;
            const QStringList parts = holes.split(',');
            for (int h = 0; h < 4; ++h)
                line.Holes[h] = parts.value(h);
            gScoreLines.push_back(line);
        }
        gsScoreLinesToData();
        ASSERT_FALSE(gfGameDataSave().isEmpty());
    };
    save("2008/05/03", 2, {{1, "3,3,3,3"}, {2, "2,3,3,3"}, {3, "3,3,3,3"}, {4, ",,,"}});
    save("2008/04/12", 1, {{3, "2,2,2,2"}, {1, "4,4,4,4"}});
    gsReadGameList();
    ASSERT_EQ(gGameList.size(), 2u);

    // Game 1: player 2 (11) first, players 1 and 3 (12) tie at 2nd,
    // player 4 has no strokes and no place. Weight 2: 100; (4+3) x 2 x 10 / 2 = 70.
    // Game 2: player 3 first (50), player 1 second (40).
    gsCalSeriesPointsRanking(1);
    EXPECT_EQ(pointsOf(2), 100);
    EXPECT_EQ(pointsOf(1), 110);
    EXPECT_EQ(pointsOf(3), 120);
    EXPECT_EQ(pointsOf(4), -1);
    EXPECT_EQ(ids(gPointRanking), (std::vector<Long>{3, 1, 2}));
    EXPECT_EQ(gamesOf(3), 2);

    gSelectedGames = {0, 1};
    gsClearCalcResults();
    ASSERT_FALSE(gfSetSeasonTallicor(1));
    ASSERT_FALSE(gfSortSeasonTallicor());
    ASSERT_EQ(gSeasonScores.size(), 5u);
    EXPECT_EQ(gSeasonScores[0].IDNo, 1);
    EXPECT_EQ(gSeasonScores[0].GameNo, 1);
    EXPECT_EQ(gSeasonScores[0].Total, 16);
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(SeriesFile, ManyEqualTotalsShareTheRankOfTheFirstInAnyOrder)
{
    // Forty distinct places: positions 5 to 8 earn 1 point each, positions 9
    // and on earn nothing, so 4 and 32 players tie. The sort does not fix
    // the order of equal points; the ranks must still be right.
    std::vector<std::pair<Long, Long>> places;
    for (Long k = 1; k <= 40; ++k)
        places.emplace_back(k, 100 + (k * 7) % 40);
    pointGame(1, 1, places);
    gsCalSeriesPointsRanking(1);
    ASSERT_EQ(gPointRanking.size(), 40u);
    std::vector<Long> seen;
    for (size_t i = 0; i < gPointRanking.size(); ++i) {
        const PointRank& r = gPointRanking[i];
        seen.push_back(r.IDNo);
        if (i > 0)
            EXPECT_LE(r.Points, gPointRanking[i - 1].Points) << i;
        Long better = 0;
        for (const PointRank& o : gPointRanking)
            better += o.Points > r.Points ? 1 : 0;
        EXPECT_EQ(r.Rank, better + 1) << "player " << r.IDNo;
        EXPECT_EQ(r.Games, 1);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(gPointRanking[4].Rank, 5);
    EXPECT_EQ(gPointRanking[8].Rank, 9);
    EXPECT_EQ(gPointRanking[39].Rank, 9);
}

TEST_F(SeriesFile, StoredPlacesAreReadWithTheProfileRules)
{
    // Section and key names in any letter case, values with blanks and
    // quotes, and a second section of the same name that is never read.
    Game g;
    g.series = 1;
    QStringList lines = gameFileLines(g);
    const qsizetype at = lines.indexOf("[Ranking]");
    ASSERT_GE(at, 0);
    lines.removeAt(at);
    lines.removeAll("RealEntries=0");
    lines << "[RANKING]" << "realentries= 3 " << "r0=1" << "P0=\"21\"" << "R1=2" << "p1= 22"
          << "R2= \"2\"" << "P2=23"
          << "[Ranking]" << "RealEntries=1" << "R0=1" << "P0=99";
    listGameFile(lines).PointGame = 1;

    gsCalSeriesPointsRanking(1);
    ASSERT_EQ(gPointRanking.size(), 3u);
    EXPECT_EQ(pointsOf(21), 50);
    EXPECT_EQ(pointsOf(22), 35);
    EXPECT_EQ(pointsOf(23), 35);
    EXPECT_EQ(pointsOf(99), -1);
    EXPECT_TRUE(recordingUi().messages.empty());
}

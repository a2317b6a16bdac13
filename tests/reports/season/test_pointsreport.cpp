// The point ranking through the page dump tool, as the main window's
// ポイント集計/印刷 and the dialog's print button run it: games stored as the
// game window saves them (their finishing places with them), the series'
// points, and the titles and column stored for the series.

#include "../game/gamepages_support.h"

#include "core/ini.h"

namespace {

class PointsReportTest : public gamepages::GamePagesTest {
protected:
    void SetUp() override
    {
        GamePagesTest::SetUp();
        addGroup(1, QStringLiteral("東町ゲートボール会"));
        gBelongList.back().ShortName = QStringLiteral("東町");
        addGroup(2, QStringLiteral("西町クラブ"));
        gamepages::addMember(1, QStringLiteral("山田太郎"), "1950/06/01", 1, 1, QStringLiteral("札幌"));
        gamepages::addMember(2, QStringLiteral("鈴木花子"), "1948/05/11", 2, 2, QStringLiteral("旭川"));
        gamepages::addMember(3, QStringLiteral("佐藤次郎"), "", 1, 0, QStringLiteral("函館"));
        gamepages::addMember(4, QStringLiteral("高橋三郎"), "1940/12/24", 1, 1, QStringLiteral("小樽"));
        QStringList series{"[Management]", "MaxSeriesNo=2"};
        for (int n : {1, 2}) {
            series << QStringLiteral("[Series%1]").arg(n)
                   << (n == 1 ? QStringLiteral("Name=春季リーグ") : QStringLiteral("Name=練習会")) << "State=0"
                   << QStringLiteral("PointSeries=%1").arg(n == 1 ? 1 : 0);
            const int points[11] = {10, 8, 6, 5, 4, 3, 2, 1, 1, 1, 0};
            for (int k = 0; k < 11; ++k)
                series << QStringLiteral("Point%1=%2").arg(k + 1).arg(points[k]);
        }
        ASSERT_TRUE(platform::writeTextLinesAtomic(gstrSeriesFile, series));
    }

    // A game day of series 1 of two holes and one round: each player's two
    // strokes.
    void gameDay(const QString& date, Integer weight, std::vector<std::pair<Long, const char*>> players)
    {
        gGame = gamepages::gameHeader(2, 1);
        gGame.Date = date;
        gGame.SeriesID = 1;
        gGame.PointGame = weight;
        for (const auto& [id, strokes] : players)
            gamepages::addPlayer(id, {strokes});
        storeGame();
    }

    // Four point games and one without points: places 1, 2, 3, 3 (P3 and P4
    // share (6 + 5) / 2), then 1, 2, 2 (P1 and P3 share (8 + 6) / 2) and 4,
    // then a game of double weight, then 1 and 2.
    void fiveGameDays()
    {
        gameDay("2019/04/20", 1, {{1, "2 2"}, {2, "2 3"}, {3, "3 3"}, {4, "3 3"}});
        gameDay("2019/04/27", 1, {{2, "2 2"}, {1, "2 3"}, {3, "3 2"}, {4, "3 4"}});
        gameDay("2019/05/04", 2, {{3, "2 2"}, {4, "2 3"}});
        gameDay("2019/05/11", 1, {{1, "2 2"}, {4, "2 3"}});
        gameDay("2019/05/18", 0, {{2, "2 2"}, {1, "2 3"}});
    }

    static QString stored(const char* key)
    {
        return gfReadIniFile(gstrSeriesFile, QStringLiteral("Series1"), QLatin1String(key));
    }
};

TEST_F(PointsReportTest, SeriesOfFiveGameDays)
{
    fiveGameDays();
    gfWriteIniFile(gstrSeriesFile, "Series1", "P_Title1", QStringLiteral("ポイントランキング"));
    gfWriteIniFile(gstrSeriesFile, "Series1", "P_BelongOrLocation", "1");

    const reptest::ToolRun run = reptest::runPagesTool({"points", "1"}, home.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const reptest::PageDump d(run);
    EXPECT_EQ(d.pages, 1);
    EXPECT_EQ(d.caption(1, "lblSeasonTittle"), QStringLiteral("ポイントランキング"));
    EXPECT_EQ(d.caption(1, "lblScoreTittle"), "");
    EXPECT_EQ(d.caption(1, "lblPeriod"), QStringLiteral("平成31年4月20日(土)～令和1年5月11日(土)：ゲーム数（4）"));
    EXPECT_EQ(d.caption(1, "lblGamePoints"),
              QStringLiteral("（ポイント：1位：10、2位：8、3位：6、4位：5、5位：4、6位：3、7位：2、8位：1、9位：1、"
                             "10位：1、11位以降：0）"));
    EXPECT_EQ(d.caption(1, "lblEntryNum"), QStringLiteral("参加 4名"));
    EXPECT_EQ(d.caption(1, "lblScorePage"), QStringLiteral("ポイント集計（1/1）"));
    EXPECT_EQ(d.caption(1, "lblBelongOrLocation(0)"), QStringLiteral("所属"));
    EXPECT_EQ(d.caption(1, "lblBelongOrLocation(1)"), QStringLiteral("所属"));

    // P4: 5.5 + 5 + 16 + 8; P3: 5.5 + 7 + 20; P1: 10 + 7 + 10; P2: 8 + 10.
    EXPECT_EQ(d.captions(1, "lblNo"), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(d.captions(1, "lblName"), QStringList({QStringLiteral("高橋三郎"), QStringLiteral("佐藤次郎"),
                                                     QStringLiteral("山田太郎"), QStringLiteral("鈴木花子")}));
    EXPECT_EQ(d.captions(1, "lblPoints"), QStringList({"34.5", "32.5", "27.0", "18.0"}));
    EXPECT_EQ(d.captions(1, "lblGameNum"), QStringList({"4", "3", "3", "2"}));
    // Ages on the last point game's date.
    EXPECT_EQ(d.captions(1, "lblAge"), QStringList({"(78,M)", "(-,M)", "(68,M)", "(71,F)"}));
    EXPECT_EQ(d.captions(1, "lblGroupName"), QStringList({QStringLiteral("東町"), "", QStringLiteral("東町"),
                                                          QStringLiteral("西町クラブ")}));
    EXPECT_EQ(d.label(1, "lblPoints(1)").mid(0, 4), QStringList({"4380", "1560", "1155", "255"}));
    EXPECT_EQ(d.line(1, "linFutoYoko(2)"), QStringList({"180", "2940", "11100", "2940", "2"}));

    // The preview closed without an error: the titles and the column are
    // stored for the series.
    EXPECT_EQ(stored("P_Title1"), QStringLiteral("ポイントランキング"));
    EXPECT_EQ(stored("P_BelongOrLocation"), "1");
}

TEST_F(PointsReportTest, RefusalsAndWrongArguments)
{
    // No point game yet: the dialog's no-data message.
    reptest::ToolRun r = reptest::runPagesTool({"points", "1"}, home.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.errors.trimmed(), QStringLiteral("ｴﾗｰ: 印刷データはありません。"));
    EXPECT_TRUE(stored("P_Title1").isEmpty());

    for (const QStringList& args : {QStringList{"points"}, QStringList{"points", "x"}, QStringList{"points", "2"},
                                    QStringList{"points", "1", "2"}}) {
        r = reptest::runPagesTool(args, home.path());
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(r.errors.contains("points SERIESID"));
    r = reptest::runPagesTool({"points", "2"}, home.path());
    EXPECT_TRUE(r.errors.contains(QStringLiteral("series 2 is not a live point series"))) << r.errors.toStdString();
}

}  // namespace

// The season best game and best round pages through the page dump tool:
// era dates without a leading zero, ages on each game's date with their
// fraction, the round and hole columns, the stroke classes up to JudgeDaSu
// and the thick lines between groups of complete rounds.
#include "season_pages_support.h"

namespace {

using seasonfx::Game;
using seasonpages::Dump;

class SeasonBestPagesTest : public seasonpages::SeasonPagesTest {
protected:
    // Games of 3 rounds of 4 holes:
    //   1 一郎 (1940/01/10) 2009/03/01: 2,3,3,4 in every round (36); 2009/04/05: 48
    //   2 次郎 (1950/01/01) 2009/03/01: rounds 1 and 3 of 12, round 2 not complete
    //   3 三子 (woman, 1970/06/01) 2019/05/01: 1,3,4,4 then two rounds of 16
    //   4 四郎 (1980/05/13) 2010/05/13: 12 a round
    //   5 五郎 (1980/05/13) 2010/05/12: 13 a round
    void SetUp() override
    {
        SeasonPagesTest::SetUp();
        writeMembers({{1, "一郎", 1, "1940/01/10"}, {2, "次郎", 1, "1950/01/01"}, {3, "三子", 2, "1970/06/01"},
                      {4, "四郎", 1, "1980/05/13"}, {5, "五郎", 1, "1980/05/13"}});
        const auto game = [](const QString& date, std::vector<seasonfx::Player> players) {
            Game g;
            g.date = date;
            g.hole = 4;
            g.round = 3;
            g.players = std::move(players);
            return g;
        };
        const QString r12 = "2,3,3,4";
        games = writeGames({game("2009/03/01", {{1, {r12, r12, r12}}, {2, {"3,3,3,3", ",,,", "3,3,3,3"}}}),
                            game("2009/04/05", {{1, {"4,4,4,4", "4,4,4,4", "4,4,4,4"}}}),
                            game("2019/05/01", {{3, {"1,3,4,4", "4,4,4,4", "4,4,4,4"}}}),
                            game("2010/05/13", {{4, {"3,3,3,3", "3,3,3,3", "3,3,3,3"}}}),
                            game("2010/05/12", {{5, {"3,3,3,4", "3,3,3,4", "3,3,3,4"}}})});
        store("SeriesPrint_JudgeDaSu", "2");
    }

    QStringList games;
};

TEST_F(SeasonBestPagesTest, BestGame)
{
    const Dump d = run("best-game", games);
    ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
    EXPECT_EQ(d.pages, 1);
    EXPECT_EQ(d.caption(1, "lblScorePage"), "通算ベストゲーム（1/1）");
    EXPECT_EQ(d.caption(1, "lblEntryNum"), "参加 5名");
    EXPECT_EQ(d.captions(1, "lblName"), (QStringList{"一郎", "四郎", "五郎", "三子", "次郎"}));
    EXPECT_EQ(d.captions(1, "lblNo"), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(d.captions(1, "lblDate"), (QStringList{"H21/03/01", "H22/05/13", "H22/05/12", "R1/05/01", "H21/03/01"}));
    EXPECT_EQ(d.captions(1, "lblAge"), (QStringList{"(69,M)", "(30,M)", "(29,M)", "(48,F)", "(59,M)"}));
    EXPECT_EQ(d.captions(1, "lblBirthday"), (QStringList{"69.137", "30.000", "29.997", "48.915", "59.162"}));
    // A thick line opens the page and the group of two complete rounds.
    EXPECT_EQ(d.rules(1), (QStringList{"1200:2", "1560:1", "1920:1", "2280:1", "2640:2", "3000:2"}));

    // Three round columns of 1240 from 3840, headed R1 to R3.
    EXPECT_EQ(d.captions(1, "lblRoundNo"), (QStringList{"R1", "R2", "R3"}));
    const auto heads = d.array(1, "lblRoundNo");
    EXPECT_EQ(heads[1].a, 5080);
    EXPECT_EQ(heads[1].c, 1240);
    EXPECT_EQ(heads[1].b, 900);
    const auto seps = d.array(1, "linRoundTate");
    ASSERT_EQ(seps.size(), 2u);
    EXPECT_EQ(seps[0].a, 5080);
    EXPECT_EQ(seps[1].a, 6320);
    EXPECT_EQ(seps[1].b, 840);
    EXPECT_EQ(seps[1].d, 3000);
    // 次郎: round 2 not complete.
    QStringList jiro;
    for (const auto& e : d.array(1, "lblRound"))
        if (e.b == 2700)
            jiro << e.caption;
    EXPECT_EQ(jiro, (QStringList{"12", "-", "12"}));
    EXPECT_EQ(d.cellAt(1, "lblJituDa", 2700), "24");
    EXPECT_EQ(d.cellAt(1, "lblGoukei", 2700), "24");

    // H and the stroke classes: only 2打 breaks ties with JudgeDaSu 2.
    QStringList ichiro;
    for (const auto& e : d.array(1, "lblHits"))
        if (e.b == 1260)
            ichiro << QStringLiteral("%1@%2").arg(e.caption).arg(e.a);
    EXPECT_EQ(ichiro, (QStringList{"0@8100", "3@9000", "-@9360", "-@9720", "-@10080"}));
}

TEST_F(SeasonBestPagesTest, BestGameWithoutTheBirthdayTieBreak)
{
    store("SeriesPrint_JudgeBirthday", "0");
    store("SeriesPrint_JudgeDaSu", "5");
    const Dump d = run("best-game", games);
    ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
    EXPECT_EQ(d.captions(1, "lblBirthday"), QStringList(5, "-"));
    EXPECT_EQ(d.captions(1, "lblAge").first(), "(69,M)");
    QStringList ichiro;
    for (const auto& e : d.array(1, "lblHits"))
        if (e.b == 1260)
            ichiro << e.caption;
    EXPECT_EQ(ichiro, (QStringList{"0", "3", "6", "3", "0"}));
}

TEST_F(SeasonBestPagesTest, BestRound)
{
    const Dump d = run("best-round", games);
    ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
    EXPECT_EQ(d.caption(1, "lblScorePage"), "通算ベストラウンド（1/1）");
    EXPECT_EQ(d.caption(1, "lblEntryNum"), "参加 5名");
    // 三子's round with a hole in one (net 9); then the rounds of 12, the one
    // with a hole in 2 first, then the older player; 五郎's 13 last.
    EXPECT_EQ(d.captions(1, "lblName"), (QStringList{"三子", "一郎", "次郎", "四郎", "五郎"}));
    EXPECT_EQ(d.captions(1, "lblNo"), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(d.captions(1, "lblRound"), (QStringList{"1", "1", "1", "1", "1"}));
    EXPECT_EQ(d.captions(1, "lblDate").first(), "R1/05/01");
    EXPECT_EQ(d.captions(1, "lblJituDa"), (QStringList{"12", "12", "12", "12", "13"}));
    EXPECT_EQ(d.captions(1, "lblHits"), (QStringList{"1", "0", "0", "0", "0"}));
    EXPECT_EQ(d.captions(1, "lblGoukei"), (QStringList{"9", "12", "12", "12", "13"}));
    EXPECT_EQ(d.captions(1, "lbl2345DaNum"), (QStringList{"0-x-x-x", "1-x-x-x", "0-x-x-x", "0-x-x-x", "0-x-x-x"}));
    EXPECT_EQ(d.captions(1, "lblBirthday").mid(3), (QStringList{"30.000", "29.997"}));
    EXPECT_EQ(d.captions(1, "lblAge").mid(3), (QStringList{"(30,M)", "(29,M)"}));
    EXPECT_EQ(d.rules(1), (QStringList{"1200:2", "1560:1", "1920:1", "2280:1", "2640:1", "3000:2"}));

    // Four hole columns of 930 from 4200, numbered 1 to 4.
    EXPECT_EQ(d.captions(1, "lblHoleNo"), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(d.array(1, "lblHoleNo")[3].a, 6990);
    QStringList first;
    for (const auto& e : d.array(1, "lblScore"))
        if (e.b == 1260)
            first << QStringLiteral("%1@%2/%3").arg(e.caption).arg(e.a).arg(e.c);
    EXPECT_EQ(first, (QStringList{"①@4200/930", "3@5130/930", "4@6060/930", "4@6990/930"}));
    EXPECT_EQ(d.array(1, "linRoundTate").size(), 3u);

    store("SeriesPrint_JudgeDaSu", "5");
    const Dump all = run("best-round", games);
    EXPECT_EQ(all.captions(1, "lbl2345DaNum")[1], "1-2-1-0");
    store("SeriesPrint_JudgeDaSu", "1");
    const Dump none = run("best-round", games);
    EXPECT_EQ(none.captions(1, "lbl2345DaNum"), QStringList(5, "x-x-x-x"));
}

TEST_F(SeasonBestPagesTest, OtherSizesDoNotOfferTheBestPages)
{
    Game wider;
    wider.date = "2009/06/01";
    wider.hole = 6;
    wider.round = 3;
    wider.players = {{1, {"3,3,3,3,3,3", "3,3,3,3,3,3", "3,3,3,3,3,3"}}};
    write(QDir(gstrGamesFolder).filePath("game00006.tcg"), seasonfx::gameFileLines(wider));
    write(gstrManagerFile, {"[Management]", "MaxGameNo=6"});
    const QStringList files = games + QStringList{"game00006.tcg"};
    for (const char* report : {"best-game", "best-round"}) {
        const Dump d = run(report, files);
        EXPECT_NE(d.exitCode, 0) << report;
        EXPECT_TRUE(d.errors.contains("is not offered")) << d.errors.toStdString();
    }
}

}  // namespace

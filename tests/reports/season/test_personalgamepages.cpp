// One player's game list and game information pages: round columns over the
// player's longest game ("／" beyond a game's rounds), numbering by
// position, the handicap column only where a game uses handicaps, the
// player's name on the filled page, 540-twip information rows (25 a page),
// course and series names as the files hold them, and era dates.

#include "core/test_season_fixture.h"
#include "loaded_report.h"

#include "core/ini.h"
#include "core/printstate.h"
#include "reports/season/frmPfSeasonPersonalGameInfo.h"
#include "reports/season/frmPfSeasonPersonalGameScore.h"
#include "support/recordingui.h"

using namespace loadedreport;
using seasonfx::listGame;

namespace {

class PersonalGamesTest : public seasonfx::Folder {
protected:
    void SetUp() override
    {
        Folder::SetUp();
        gstrPrintTitle1 = QStringLiteral("* 春季 *");
        gstrPrintTitle2 = QStringLiteral("8ﾎｰﾙ、3ﾗｳﾝﾄﾞ");
        testsupport::addMember(7, QStringLiteral("山田太郎"), "1950/01/01", 1);
    }

    // The player's row of a game: round sums (0 for an incomplete round).
    static SeasonScore row(Long gameNo, const QString& date, std::vector<Long> roundSums,
                           std::array<Long, 5> strokes = {}, Long handicap = 0, Long player = 7)
    {
        SeasonScore s;
        s.IDNo = player;
        s.GameNo = gameNo;
        s.Date = date;
        for (size_t i = 0; i < roundSums.size(); ++i) {
            s.RoundSum[i] = roundSums[i];
            s.Total += roundSums[i];
            if (roundSums[i] > 0)
                ++s.Rounds;
        }
        s.StrokeCount = strokes;
        s.Handicap = handicap;
        s.Net = s.Total - 3 * strokes[0] + handicap;
        return s;
    }

    // The player's rows, with gPersonalGameInfo's rounds and holes the
    // largest of their games.
    static void rows(std::vector<SeasonScore> r)
    {
        gSeasonGameRanking = std::move(r);
        gPersonalGameInfo = gSeasonGameInfo;
        gPersonalGameInfo.Hole = 0;
        gPersonalGameInfo.Round = 0;
        for (const SeasonScore& s : gSeasonGameRanking) {
            gPersonalGameInfo.Hole = std::max(gPersonalGameInfo.Hole, gGameList[s.GameNo].Hole);
            gPersonalGameInfo.Round = std::max(gPersonalGameInfo.Round, gGameList[s.GameNo].Round);
        }
    }
};

TEST_F(PersonalGamesTest, GamesOfThreeAndTwoRounds)
{
    const Long three = listGame(8, 3);
    const Long two = listGame(8, 2);
    rows({row(three, "2019/04/30", {30, 0, 28}, {1, 5, 10, 4, 2}),
          row(two, "2019/05/01", {25, 27}, {0, 6, 6, 3, 1})});
    const Report r = load<frmPfSeasonPersonalGameScore>();
    ASSERT_EQ(r.counted, 1);
    EXPECT_TRUE(recordingUi().messages.empty());
    const print::PageForm& p = r.page(1);

    // Three round columns of 1340 from 3360, numbered at 900, with two
    // separators down to the last row.
    EXPECT_EQ(captions(p, "lblRoundNo"), QStringList({"R1", "R2", "R3"}));
    for (const print::Control* n : shown(p, "lblRoundNo"))
        EXPECT_EQ(n->width, 1340);
    QStringList seps;
    for (const print::Control* s : shown(p, "linRoundTate"))
        seps << QStringLiteral("%1:%2-%3").arg(s->x1).arg(s->y1).arg(s->y2);
    EXPECT_EQ(seps, QStringList({"4700:840-1920", "6040:840-1920"}));

    EXPECT_EQ(rowAt(p, "lblRound", 1260), QStringList({"30", "-", "28"}));
    EXPECT_EQ(rowAt(p, "lblRound", 1620), QStringList({"25", "27", QStringLiteral("／")}));
    EXPECT_EQ(captions(p, "lblNo"), QStringList({"1", "2"}));
    EXPECT_EQ(captions(p, "lblDate"),
              QStringList({QStringLiteral("平成31年04月30日(火)"), QStringLiteral("令和1年05月01日(水)")}));
    EXPECT_EQ(captions(p, "lblHandR"), QStringList({"8-3", "8-2"}));
    EXPECT_EQ(captions(p, "lblJituDa"), QStringList({"58", "52"}));
    // H, then 2打 to 5打 at 9420, 9840, 10260, 10680.
    EXPECT_EQ(rowAt(p, "lblHits", 1260), QStringList({"1", "5", "10", "4", "2"}));
    EXPECT_EQ(cellAt(p, "lblHits", 10680, 1620), "1");
    EXPECT_EQ(captions(p, "lblGoukei"), QStringList({"55", "52"}));
    // No game uses handicaps: the header and every cell read "-".
    EXPECT_EQ(p.control("lblHcTitle").caption, "-");
    EXPECT_EQ(captions(p, "lblHc"), QStringList({"-", "-"}));

    EXPECT_EQ(p.control("lblScorePage").caption, QStringLiteral("個別ゲーム一覧表（1/1）"));
    EXPECT_EQ(p.control("lblScoreTittle").caption, QStringLiteral("8ﾎｰﾙ、3ﾗｳﾝﾄﾞ ： 【山田太郎】"));
    EXPECT_EQ(p.control("lblEntryNum").caption, QStringLiteral("参加 2回"));
}

TEST_F(PersonalGamesTest, HandicapOnlyWhereTheGameUsesThemAndNumberingByPosition)
{
    const Long plain = listGame(4, 1);
    const Long withHc = listGame(4, 1, 1);
    // In result order two equal results share a rank; the rows are numbered
    // by position. A game without a complete round shows "-" but its
    // actual strokes.
    std::vector<SeasonScore> r{row(plain, "2020/01/05", {12}), row(withHc, "2020/01/12", {12}, {}, -2),
                               row(plain, "2020/01/19", {12}), row(withHc, "2020/01/26", {0}, {}, 5)};
    r[0].Rank = 1;
    r[1].Rank = 1;
    r[2].Rank = 3;
    r[3].Rank = 3;
    rows(r);
    const Report rep = load<frmPfSeasonPersonalGameScore>();
    const print::PageForm& p = rep.page(1);
    EXPECT_EQ(captions(p, "lblNo"), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(p.control("lblHcTitle").caption, "Hc");
    EXPECT_EQ(captions(p, "lblHc"), QStringList({"-", "-2", "-", "-"}));
    EXPECT_EQ(captions(p, "lblGoukei"), QStringList({"12", "10", "12", "-"}));
    EXPECT_EQ(captions(p, "lblJituDa"), QStringList({"12", "12", "12", "0"}));
    EXPECT_EQ(rowAt(p, "lblHits", 2340), QStringList({"-", "-", "-", "-", "-"}));
    EXPECT_EQ(captions(p, "lblRoundNo"), QStringList({"R1"}));
    EXPECT_TRUE(shown(p, "linRoundTate").empty());
}

TEST_F(PersonalGamesTest, ThirtyEightGamesGiveTwoPagesEachClosedAtItsLastRow)
{
    const Long g = listGame(8, 2);
    std::vector<SeasonScore> r;
    for (int i = 0; i < 38; ++i)
        r.push_back(row(g, "2010/05/01", {20, 21}));
    rows(r);
    const Report rep = load<frmPfSeasonPersonalGameScore>();
    ASSERT_EQ(rep.counted, 2);
    EXPECT_EQ(shown(rep.page(1), "lblNo").size(), 37u);
    EXPECT_EQ(captions(rep.page(2), "lblNo"), QStringList{"38"});
    EXPECT_EQ(rules(rep.page(1), "linFutoYoko"), QStringList({"1200:2", "14520:2"}));
    EXPECT_EQ(rules(rep.page(2), "linFutoYoko"), QStringList({"1200:2", "1560:2"}));
    EXPECT_EQ(shown(rep.page(1), "linRoundTate")[0]->y2, 14520);
    EXPECT_EQ(shown(rep.page(2), "linRoundTate")[0]->y2, 1560);
    EXPECT_EQ(rep.page(2).control("linTate", 12).y2, 1560);
    EXPECT_EQ(rep.page(2).control("lblPage").caption, "- 2 -");
}

TEST_F(PersonalGamesTest, RoundColumnWidthsHalvesToEven)
{
    const std::pair<Integer, double> widths[] = {{1, 4020}, {2, 2010}, {3, 1340}, {4, 1005}, {5, 804},
                                                 {6, 670},  {7, 574},  {8, 502},  {9, 447},  {10, 402}};
    for (const auto& [rounds, width] : widths) {
        SCOPED_TRACE(rounds);
        gGameList.clear();
        rows({row(listGame(8, rounds), "2010/05/01", {20})});
        const Report r = load<frmPfSeasonPersonalGameScore>();
        const auto numbers = shown(r.page(1), "lblRoundNo");
        ASSERT_EQ(numbers.size(), size_t(rounds));
        EXPECT_EQ(numbers.back()->width, width);
        EXPECT_EQ(numbers.back()->left, 3360 + (rounds - 1) * width);
    }
}

TEST_F(PersonalGamesTest, NameOnlyOnTheFilledPageAndEmptyForAMissingPlayer)
{
    const Long g = listGame(8, 2);
    rows({row(g, "2010/05/01", {20, 21}, {}, 0, 99)});
    const Report r = load<frmPfSeasonPersonalGameScore>();
    EXPECT_EQ(r.page(1).control("lblScoreTittle").caption, QStringLiteral("8ﾎｰﾙ、3ﾗｳﾝﾄﾞ ： 【】"));
    gintPageNo = -1;
    gintPageCount = -1;
    EXPECT_EQ(print::loadPageForm(print::pageFormFactory<frmPfSeasonPersonalGameScore>())
                  ->control("lblScoreTittle").caption,
              gstrPrintTitle2);
    EXPECT_EQ(print::loadPageForm(print::pageFormFactory<frmPfSeasonPersonalGameInfo>())
                  ->control("lblScoreTittle").caption,
              gstrPrintTitle2);
}

TEST_F(PersonalGamesTest, ABadRoundCountIsThePagesErrorNotACrash)
{
    const Long g = listGame(8, 12);   // more rounds than a record holds
    rows({row(g, "2010/05/01", {20})});
    load<frmPfSeasonPersonalGameScore>();
    ASSERT_GE(recordingUi().messages.size(), 2u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith(
        QStringLiteral("frmPfSeasonPersonalGameScore::pfDataSet(): ")));
    EXPECT_EQ(recordingUi().messages[1].prompt, QStringLiteral("印刷中にエラーが発生しました！ 再実行してください。"));
    resetRecordingUi();
    gPersonalGameInfo.Round = 0;
    load<frmPfSeasonPersonalGameScore>();
    EXPECT_FALSE(recordingUi().messages.empty());
}

// ------------------------------------------------------------ game information

TEST_F(PersonalGamesTest, InformationRowsAre540HighTwentyFiveAPage)
{
    const Long g = listGame(8, 3);
    for (int n : {25, 26}) {
        SCOPED_TRACE(n);
        std::vector<SeasonScore> r;
        for (int i = 0; i < n; ++i)
            r.push_back(row(g, "2010/05/01", {20}));
        rows(r);
        const Report rep = load<frmPfSeasonPersonalGameInfo>();
        ASSERT_EQ(rep.counted, n == 25 ? 1 : 2);
        const print::PageForm& p1 = rep.page(1);
        EXPECT_EQ(shown(p1, "lblNo").size(), 25u);
        EXPECT_EQ(cellAt(p1, "lblNo", 300, 1260), "1");
        EXPECT_EQ(cellAt(p1, "lblNo", 300, 1800), "2");
        // The 25th row ends exactly at 14700.
        EXPECT_EQ(cellAt(p1, "lblNo", 300, 14220), "25");
        EXPECT_EQ(rules(p1, "linFutoYoko"), QStringList({"1200:2", "14700:2"}));
        EXPECT_EQ(p1.control("linTate", 6).y2, 14700);
        if (n == 26) {
            EXPECT_EQ(captions(rep.page(2), "lblNo"), QStringList{"26"});
            EXPECT_EQ(rules(rep.page(2), "linFutoYoko"), QStringList({"1200:2", "1740:2"}));
            EXPECT_EQ(rep.page(2).control("lblScorePage").caption, QStringLiteral("個別ゲーム情報表（2/2）"));
        }
    }
}

TEST_F(PersonalGamesTest, InformationCellsWithCourseAndSeriesNames)
{
    ASSERT_TRUE(platform::writeTextLinesAtomic(
        gstrCourceFile, {"[Management]", "MaxCourceNo=3", "[Cource1]", QStringLiteral("Name=  中央公園　"), "State=0",
                         "[Cource2]", QStringLiteral("Name=旧グラウンド"), "State=2", "[Cource3]", "State=0"}));
    ASSERT_TRUE(platform::writeTextLinesAtomic(
        gstrSeriesFile, {"[Management]", "MaxSeriesNo=1", "[Series1]", QStringLiteral("Name=春季リーグ"), "State=2"}));
    const QString longTitle = QStringLiteral("第12回 市長杯争奪 ゲートボール大会 予選リーグ");
    const Long a = listGame(8, 3, 0, longTitle, 1, 1);
    const Long b = listGame(6, 2, 0, QStringLiteral(" 例会 "), 2, 0);
    const Long c = listGame(8, 1, 0, QString(), 3, 9);
    const Long d = listGame(8, 1, 0, QString(), 0, 0);
    rows({row(a, "1989/01/07", {20}), row(b, "1989/01/08", {20}), row(c, "2019/04/30", {20}),
          row(d, "2019/05/01", {20})});
    const Report r = load<frmPfSeasonPersonalGameInfo>();
    const print::PageForm& p = r.page(1);
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(captions(p, "lblDate"),
              QStringList({QStringLiteral("昭和64年01月07日(土)"), QStringLiteral("平成1年01月08日(日)"),
                           QStringLiteral("平成31年04月30日(火)"), QStringLiteral("令和1年05月01日(水)")}));
    EXPECT_EQ(captions(p, "lblHandR"), QStringList({"8-3", "6-2", "8-1", "8-1"}));
    // The title as stored (a long one wraps inside its 375-high cell).
    EXPECT_EQ(captions(p, "lblGameTittle"), QStringList({longTitle, QStringLiteral(" 例会 "), "", ""}));
    EXPECT_EQ(shown(p, "lblGameTittle")[0]->height, 375);
    // Names as the files hold them, deleted ones too; a section without a
    // name is empty; no course or series is "-" centred.
    EXPECT_EQ(captions(p, "lblCource"),
              QStringList({QStringLiteral("中央公園"), QStringLiteral("旧グラウンド"), "", "-"}));
    EXPECT_EQ(captions(p, "lblSeries"), QStringList({QStringLiteral("春季リーグ"), "-", "", "-"}));
    EXPECT_EQ(shown(p, "lblCource")[3]->alignment, print::AlignCenter);
    EXPECT_EQ(shown(p, "lblCource")[2]->alignment, print::AlignLeft);
    EXPECT_EQ(shown(p, "lblSeries")[1]->alignment, print::AlignCenter);
    EXPECT_EQ(p.control("lblScoreTittle").caption, QStringLiteral("8ﾎｰﾙ、3ﾗｳﾝﾄﾞ ： 【山田太郎】"));
    EXPECT_EQ(p.control("lblEntryNum").caption, QStringLiteral("参加 4回"));
}

}  // namespace

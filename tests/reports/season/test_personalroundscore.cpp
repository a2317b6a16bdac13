// One player's round score page: a block per game with its rounds, the
// block's cells on its middle round row and the team one row lower, "／"
// for holes a game lacks, "-" for an incomplete round, whole blocks a page
// with room for the hole-in-one row, which closes only the last page and
// counts every round of every game.

#include "core/test_season_fixture.h"
#include "loaded_report.h"

#include "core/printstate.h"
#include "reports/season/frmPfSeasonPersonalRoundScore.h"
#include "support/recordingui.h"

using namespace loadedreport;
using seasonfx::listGame;

namespace {

class PersonalRoundsTest : public seasonfx::Folder {
protected:
    void SetUp() override
    {
        Folder::SetUp();
        gstrPrintTitle1 = QStringLiteral("* 春季 *");
        gstrPrintTitle2 = QStringLiteral("通算");
        testsupport::addMember(7, QStringLiteral("山田太郎"), "1950/01/01", 1);
    }

    // The player's lines of one game: one text per round, holes separated by
    // blanks ("." for a hole not entered).
    static void lines(Long gameNo, const QString& date, std::initializer_list<const char*> rounds,
                      const QString& team = QString(), Long handicap = 0)
    {
        Integer r = 0;
        for (const char* text : rounds) {
            SeasonRoundLine l;
            l.Date = date;
            l.IDNo = 7;
            l.RoundNo = ++r;
            l.TeamID = team;
            l.Handicap = handicap;
            l.GameNo = gameNo;
            const QStringList holes = QString::fromUtf8(text).split(' ', Qt::SkipEmptyParts);
            for (int h = 0; h < holes.size(); ++h)
                l.Holes[h] = holes[h] == "." ? QString() : holes[h];
            gSeasonRoundLines.push_back(l);
        }
    }

    static void widen()
    {
        gPersonalGameInfo = gSeasonGameInfo;
        gPersonalGameInfo.Hole = 0;
        gPersonalGameInfo.Round = 0;
        for (const SeasonRoundLine& l : gSeasonRoundLines)
            if (l.RoundNo == 1) {
                gPersonalGameInfo.Hole = std::max(gPersonalGameInfo.Hole, gGameList[l.GameNo].Hole);
                gPersonalGameInfo.Round = std::max(gPersonalGameInfo.Round, gGameList[l.GameNo].Round);
            }
    }
};

TEST_F(PersonalRoundsTest, BlocksOfEightAndSixHoleGames)
{
    const Long eight = listGame(8, 3, 1);
    const Long six = listGame(6, 2);
    lines(eight, "2019/05/01", {"3 4 1 5 2 3 4 3", "3 . 1 2 2 2 2 2", "2 2 2 2 2 2 2 2"}, QStringLiteral(" A "), 4);
    lines(six, "2019/05/12", {"1 1 2 3 4 5", "2 2 2 2 2 2"}, QStringLiteral("B"));
    widen();
    const Report r = load<frmPfSeasonPersonalRoundScore>();
    ASSERT_EQ(r.counted, 1);
    EXPECT_TRUE(recordingUi().messages.empty());
    const print::PageForm& p = r.page(1);

    // Eight hole columns of 480 from 3060, numbered 1 to 8 at 900.
    QStringList numbers;
    for (const print::Control* c : shown(p, "lblScore"))
        if (c->top == 900)
            numbers << c->caption + "@" + QString::number(c->left);
    EXPECT_EQ(numbers.size(), 8);
    EXPECT_EQ(numbers.first(), "1@3060");
    EXPECT_EQ(numbers.last(), "8@6420");

    // Block 1 from Y 1200: three round rows; No., date, Hc and total on the
    // middle row (1620), the team one row lower in grey.
    EXPECT_EQ(rowAt(p, "lblScore", 1260),
              QStringList({"3", "4", QStringLiteral("①"), "5", "2", "3", "4", "3"}));
    EXPECT_EQ(rowAt(p, "lblScore", 1620), QStringList({"3", "-", QStringLiteral("①"), "2", "2", "2", "2", "2"}));
    EXPECT_EQ(captions(p, "lblRound").mid(0, 3), QStringList({"1", "2", "3"}));
    EXPECT_EQ(cellAt(p, "lblNo", 180, 1620), "1");
    EXPECT_EQ(cellAt(p, "lblName", 660, 1620), QStringLiteral("令和1年05月01日(水)"));
    EXPECT_EQ(cellAt(p, "lblName", 660, 1980), QStringLiteral("[ A ]"));
    for (const print::Control* c : shown(p, "lblName"))
        if (c->caption.startsWith('['))
            EXPECT_EQ(c->foreColor, print::rgb(100, 100, 100));
    // Round 1: 25 strokes, 1 hole-in-one, 22; round 2 incomplete: "-"; round
    // 3: 16.
    EXPECT_EQ(rowAt(p, "lblJituDa", 1260), QStringList{"25"});
    EXPECT_EQ(rowAt(p, "lblHits", 1260), QStringList({"1", "1", "3", "2", "1"}));
    EXPECT_EQ(rowAt(p, "lblSyokei", 1260), QStringList{"22"});
    EXPECT_EQ(rowAt(p, "lblJituDa", 1620), QStringList{"-"});
    EXPECT_EQ(rowAt(p, "lblHits", 1620), QStringList({"-", "-", "-", "-", "-"}));
    EXPECT_EQ(rowAt(p, "lblSyokei", 1620), QStringList{"-"});
    EXPECT_EQ(rowAt(p, "lblSyokei", 1980), QStringList{"16"});
    // Hc and the total (22 + 16 + 4) on the middle row.
    EXPECT_EQ(cellAt(p, "lblHc", 8460, 1620), "4");
    EXPECT_EQ(cellAt(p, "lblGoukei", 8880, 1620), "42");

    // Block 2 from Y 2280: two rounds; the first row holds the block's
    // cells, the team the second. The six-hole game has no holes 7 and 8.
    EXPECT_EQ(rowAt(p, "lblScore", 2340),
              QStringList({QStringLiteral("①"), QStringLiteral("①"), "2", "3", "4", "5", QStringLiteral("／"),
                           QStringLiteral("／")}));
    EXPECT_EQ(cellAt(p, "lblNo", 180, 2340), "2");
    EXPECT_EQ(cellAt(p, "lblName", 660, 2700), QStringLiteral("[ B ]"));
    EXPECT_EQ(cellAt(p, "lblHc", 8460, 2340), "-");
    EXPECT_EQ(cellAt(p, "lblGoukei", 8880, 2340), "22");   // 16 - 6 + 12
    // One game uses handicaps: the header stays "Hc".
    EXPECT_EQ(p.control("lblHcTitle").caption, "Hc");

    // Rules: a thick line over each block, thin lines between its rounds.
    EXPECT_EQ(rules(p, "linFutoYoko"), QStringList({"1200:2", "2280:2", "3000:2", "3060:2", "3420:2"}));
    EXPECT_EQ(rules(p, "linHoso1"), QStringList({"1560:1", "1920:1", "2640:1"}));
    EXPECT_EQ(rules(p, "linHoso2"), QStringList({"1560:1", "1920:1", "2640:1"}));
    EXPECT_EQ(shown(p, "linHoso1")[0]->x1, 2700);
    EXPECT_EQ(shown(p, "linHoso2")[0]->x2, 11100);

    // The hole-in-one row at 3000 + 120: every round counts, the incomplete
    // one too; the sum under H.
    EXPECT_EQ(cellAt(p, "lblName", 660, 3120), QStringLiteral("ﾎｰﾙ毎のﾎｰﾙｲﾝﾜﾝ数"));
    EXPECT_EQ(rowAt(p, "lblScore", 3120), QStringList({"1", "1", "2", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(cellAt(p, "lblHits", 7500, 3120), "4");
    EXPECT_EQ(p.control("linTate", 13).y2, 3420);
    for (const print::Control* s : shown(p, "linScoreTate"))
        EXPECT_EQ(s->y2, 3420);

    EXPECT_EQ(p.control("lblScorePage").caption, QStringLiteral("個別スコア表（1/1）"));
    EXPECT_EQ(p.control("lblScoreTittle").caption, QStringLiteral("通算 ： 【山田太郎】"));
    EXPECT_EQ(p.control("lblEntryNum").caption, QStringLiteral("参加 2回"));
}

TEST_F(PersonalRoundsTest, TheBlocksCellsStandOnTheMiddleRoundRow)
{
    struct Case {
        Integer rounds;
        int cellsRow;   // the row (from 0) of No., date, Hc and total
    };
    for (const Case c : {Case{1, 0}, Case{2, 0}, Case{3, 1}, Case{4, 1}, Case{5, 2}}) {
        SCOPED_TRACE(c.rounds);
        gGameList.clear();
        gSeasonRoundLines.clear();
        const Long g = listGame(2, c.rounds);
        for (Integer r = 1; r <= c.rounds; ++r) {
            SeasonRoundLine l;
            l.Date = "2010/05/01";
            l.IDNo = 7;
            l.RoundNo = r;
            l.TeamID = "T";
            l.GameNo = g;
            l.Holes[0] = "2";
            l.Holes[1] = "3";
            gSeasonRoundLines.push_back(l);
        }
        widen();
        const Report rep = load<frmPfSeasonPersonalRoundScore>();
        const print::PageForm& p = rep.page(1);
        const double top = 1260 + 360 * c.cellsRow;
        EXPECT_EQ(cellAt(p, "lblNo", 180, top), "1");
        EXPECT_EQ(cellAt(p, "lblGoukei", 8880, top), QString::number(5 * c.rounds));
        // A game of one round has no team line.
        EXPECT_EQ(cellAt(p, "lblName", 660, top + 360), c.rounds > 1 ? QStringLiteral("[ T ]") : "<none>");
        EXPECT_EQ(p.control("lblHcTitle").caption, "-");
    }
}

TEST_F(PersonalRoundsTest, ThirteenGamesOfThreeRoundsGiveTwoPages)
{
    for (int i = 0; i < 13; ++i) {
        const Long g = listGame(8, 3);
        lines(g, QStringLiteral("2010/05/%1").arg(i + 1, 2, 10, QLatin1Char('0')),
              {"1 2 2 2 2 2 2 2", "2 2 2 2 2 2 2 2", "2 2 2 2 2 2 2 2"});
    }
    widen();
    const Report r = load<frmPfSeasonPersonalRoundScore>();
    ASSERT_EQ(r.counted, 2);
    const print::PageForm& p1 = r.page(1);
    const print::PageForm& p2 = r.page(2);
    // Twelve blocks of 1080 from 1200 on page 1, closed at 14160, without
    // the hole-in-one row.
    EXPECT_EQ(captions(p1, "lblNo").size(), 12);
    EXPECT_EQ(captions(p1, "lblNo").last(), "12");
    EXPECT_EQ(rules(p1, "linFutoYoko").last(), "14160:2");
    EXPECT_EQ(p1.control("linTate", 0).y2, 14160);
    EXPECT_EQ(cellAt(p1, "lblName", 660, 14280), "<none>");
    // The numbering goes on; the last page ends with the hole-in-one row,
    // whose counts cover every page.
    EXPECT_EQ(captions(p2, "lblNo"), QStringList{"13"});
    EXPECT_EQ(rules(p2, "linFutoYoko"), QStringList({"1200:2", "2280:2", "2340:2", "2700:2"}));
    EXPECT_EQ(cellAt(p2, "lblName", 660, 2400), QStringLiteral("ﾎｰﾙ毎のﾎｰﾙｲﾝﾜﾝ数"));
    EXPECT_EQ(rowAt(p2, "lblScore", 2400), QStringList({"13", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(cellAt(p2, "lblHits", 7500, 2400), "13");
    EXPECT_EQ(p2.control("lblEntryNum").caption, QStringLiteral("参加 13回"));
    EXPECT_EQ(p2.control("lblScorePage").caption, QStringLiteral("個別スコア表（2/2）"));
    // Every block start copied its game's header into the current game.
    EXPECT_EQ(gGame.GameFileName, gGameList.back().GameFileName);
}

TEST_F(PersonalRoundsTest, HoleColumnWidthsHalvesToEven)
{
    const std::pair<Integer, double> widths[] = {{1, 3840}, {7, 549}, {8, 480},  {9, 427},
                                                 {13, 295}, {14, 274}, {16, 240}};
    for (const auto& [holes, width] : widths) {
        SCOPED_TRACE(holes);
        gGameList.clear();
        gSeasonRoundLines.clear();
        lines(listGame(holes, 1), "2010/05/01", {"2"});
        widen();
        const Report r = load<frmPfSeasonPersonalRoundScore>();
        const auto cells = shown(r.page(1), "lblScore");
        ASSERT_EQ(cells[holes - 1]->caption, QString::number(holes));
        EXPECT_EQ(cells[holes - 1]->width, width);
        EXPECT_EQ(cells[holes - 1]->left, 3060 + (holes - 1) * width);
    }
}

}  // namespace

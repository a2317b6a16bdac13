// The best-round ranking: through the page dump tool (38 players on 37 + 1
// rows, the best round's hole cells with "①" and a trimmed stroke text, the
// stroke classes limited by JudgeDaSu, a player without a complete round);
// loaded directly for the hole columns by number of holes.

#include "gamepages_support.h"

#include "core/printstate.h"
#include "reports/game/frmPfRoundRanking.h"

namespace {

using namespace gamepages;

class RoundRankingPageTest : public GamePagesTest {};

TEST_F(RoundRankingPageTest, BestRoundsHoleByHoleOnTwoPages)
{
    gGame = gameHeader(8, 2);
    gGame.JudgeDaSu = 2;
    gGame.JudgeBirthday = 1;
    addMember(1, QStringLiteral("一郎"), QStringLiteral("1948/05/01"), 1);
    addMember(2, QStringLiteral("二郎"), QString(), 1);
    addMember(3, QStringLiteral("三郎"), QStringLiteral("1948/05/01"), 2);
    addPlayer(1, {"1 2 3 3 3 3 3 3", "3 3 3 3 3 3 3 3"});
    addPlayer(2, {"4 4 4 4 4 4 4 4", "3 4 4 4 4 4 4 4"});
    gScoreLines.back().Holes[0] = QStringLiteral(" 3 ");
    addPlayer(3, {". . . . . . . .", "3 3 3 . 3 3 3 3"});
    for (Long id = 4; id <= 38; ++id) {
        addMember(id, QStringLiteral("選手%1").arg(id), QString(), 1);
        addPlayer(id, {"4 4 4 4 4 4 4 4", "4 4 4 4 4 4 4 4"});
    }
    const PageDump d = dump(storeGame(), 3);
    ASSERT_EQ(d.pages, 2);
    EXPECT_EQ(d.caption(1, "lblScorePage"), QStringLiteral("ベスト・ラウンド（1/2）"));
    EXPECT_EQ(d.caption(1, "lblEntryNum"), QStringLiteral("参加 38名"));
    EXPECT_EQ(d.captions(1, "lblNo").size(), 37);

    // Player 1's first round: a hole in one, two stroke classes shown.
    const QStringList holes = d.captions(1, "lblScore");
    EXPECT_EQ(holes.mid(0, 8), QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(holes.mid(8, 8), QStringList({"①", "2", "3", "3", "3", "3", "3", "3"}));
    EXPECT_EQ(d.label(1, "lblScore(16)").mid(0, 3), QStringList({"6724", "1260", "532"}));   // ends at 7256
    EXPECT_EQ(d.caption(1, "lblRound(1)"), "1");
    EXPECT_EQ(d.caption(1, "lblJituDa(1)"), "21");
    EXPECT_EQ(d.caption(1, "lblSyokei(1)"), "18");
    EXPECT_EQ(d.captions(1, "lblHits").mid(0, 5), QStringList({"1", "1", "-", "-", "-"}));
    EXPECT_EQ(d.label(1, "lblHits(2)").value(0), "8640");
    EXPECT_EQ(d.label(1, "lblHits(5)").value(0), "9720");
    EXPECT_EQ(d.caption(1, "lblBirthday(1)"), "S23/05/01");

    // Player 2's best is round 2, whose " 3 " prints as 3; no birthday.
    EXPECT_EQ(d.caption(1, "lblRound(2)"), "2");
    EXPECT_EQ(holes.value(16), "3");
    EXPECT_EQ(d.caption(1, "lblBirthday(2)"), "");
    EXPECT_EQ(d.captions(1, "lblNo").mid(0, 4), QStringList({"1", "2", "3", "3"}));

    // Player 3 has no complete round: last, "-" everywhere but the birthday.
    EXPECT_EQ(d.captions(2, "lblNo"), QStringList{"38"});
    EXPECT_EQ(d.caption(2, "lblRound(1)"), "-");
    EXPECT_EQ(d.captions(2, "lblScore").mid(8), QStringList(8, "-"));
    for (const char* c : {"lblJituDa(1)", "lblSyokei(1)"})
        EXPECT_EQ(d.caption(2, c), "-") << c;
    EXPECT_EQ(d.captions(2, "lblHits"), QStringList(5, "-"));
    EXPECT_EQ(d.caption(2, "lblBirthday(1)"), "S23/05/01");

    // Thin separators across the table; hole separators down to each page's
    // last row.
    EXPECT_EQ(d.line(1, "linHoso1(1)"), QStringList({"180", "1560", "11100", "1560", "1"}));
    EXPECT_EQ(d.line(1, "linScoreTate(1)"), QStringList({"3532", "840", "3532", "14520", "1"}));
    EXPECT_EQ(d.line(2, "linScoreTate(7)"), QStringList({"6724", "840", "6724", "1560", "1"}));
    EXPECT_EQ(d.line(2, "linFutoYoko(2)"), QStringList({"180", "1560", "11100", "1560", "2"}));
}

TEST_F(RoundRankingPageTest, HoleColumnsDivideTheBandHalvesToEven)
{
    gRoundRanking.assign(1, RoundRank{});
    gintPrintEntryNum = 1;
    const struct {
        Integer holes;
        double width;
        double lastEnd;
    } cases[] = {{1, 4260, 7260}, {7, 609, 7263}, {8, 532, 7256}, {11, 387, 7257}, {16, 266, 7256}};
    for (const auto& c : cases) {
        gGame.Hole = c.holes;
        gintPageNo = 1;
        gintPageCount = 1;
        const auto f = print::loadPageForm(print::pageFormFactory<frmPfRoundRanking>());
        const print::Control& last = f->control("lblScore", c.holes);
        EXPECT_EQ(last.width, c.width) << c.holes;
        EXPECT_EQ(last.left + last.width, c.lastEnd) << c.holes;
        EXPECT_EQ(f->loadedCount("linScoreTate"), c.holes - 1) << c.holes;
    }
    EXPECT_TRUE(recordingUi().messages.empty());

    gGame.Hole = 17;   // a seventeenth stroke text does not exist
    gintPageNo = 1;
    print::loadPageForm(print::pageFormFactory<frmPfRoundRanking>());
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith(QStringLiteral("frmPfRoundRanking::pfDataSet(): ")));
}

}  // namespace

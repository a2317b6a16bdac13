// The score sheet through the page dump tool: whole blocks only (12 a page
// with 3 rounds), the hole-in-one and missing-hole cells, the round totals,
// the handicap added once, the group-and-team line, the group filter's
// numbering gaps, and a game without handicaps.

#include "gamepages_support.h"

namespace {

using namespace gamepages;

class ScorePageTest : public GamePagesTest {
protected:
    // 13 players over 4 holes and 3 rounds with handicaps: player 1 with a
    // hole in one and a missing hole, player 2 (another group) without a
    // complete round, players 3 to 13 all threes.
    QString thirteenPlayers(Integer handicaps)
    {
        gGame = gameHeader(4, 3);
        gGame.HandiCapKind = handicaps;
        addGroup(1, QStringLiteral("Ａクラブ"));
        addGroup(2, QStringLiteral("Ｂクラブ"));
        addMember(1, QStringLiteral("山田太郎"), QStringLiteral("1948/05/01"), 1, 1);
        addMember(2, QStringLiteral("佐藤花子"), QStringLiteral("1960/12/31"), 2, 2);
        addPlayer(1, {"1 2 3 4", "2 2 2 2", "3 . 3 3"}, QStringLiteral("A"), 5, 2);
        addPlayer(2, {"3 3 . 3", ". . . .", "4 4 4 ."}, QString(), -2);
        for (Long id = 3; id <= 13; ++id) {
            addMember(id, QStringLiteral("選手%1").arg(id), QString(), 0, 1);
            addPlayer(id, {"3 3 3 3", "3 3 3 3", "3 3 3 3"}, QStringLiteral(" B "));
        }
        return storeGame();
    }
};

TEST_F(ScorePageTest, BlocksRoundTotalsAndTheHandicapAddedOnce)
{
    const PageDump d = dump(thirteenPlayers(1), 1);
    ASSERT_EQ(d.pages, 2);   // 12 blocks of 3 rounds a page, then the 13th
    EXPECT_EQ(d.caption(1, "lblScorePage"), QStringLiteral("スコア表（1/2）"));
    EXPECT_EQ(d.caption(2, "lblScorePage"), QStringLiteral("スコア表（2/2）"));
    EXPECT_EQ(d.caption(1, "lblEntryNum"), QStringLiteral("参加 13名"));
    EXPECT_EQ(d.caption(1, "lblScoreTittle"), QStringLiteral("平成22年5月10日(月) 「春季大会」"));
    EXPECT_EQ(d.caption(1, "lblHcTitle"), "Hc");
    EXPECT_EQ(d.caption(1, "lblExractBelong"), "<none>");

    // The hole numbers (975 wide) head the hole cells, which share lblScore.
    const QStringList holes = d.captions(1, "lblScore");
    EXPECT_EQ(holes.mid(0, 16), QStringList({"1", "2", "3", "4", "①", "2", "3", "4", "2", "2", "2", "2", "3", "-",
                                             "3", "3"}));
    EXPECT_EQ(d.label(1, "lblScore(4)").mid(0, 4), QStringList({"5925", "900", "975", "255"}));
    EXPECT_EQ(d.line(1, "linScoreTate(1)"), QStringList({"3975", "840", "3975", "14160", "1"}));

    // Player 1: the middle row holds number, name, age, handicap and total;
    // the third row the grey group-and-team line.
    EXPECT_EQ(d.label(1, "lblNo(1)").mid(0, 5), QStringList({"180", "1620", "435", "255", "1"}));
    EXPECT_EQ(d.caption(1, "lblName(1)"), QStringLiteral("山田太郎"));
    EXPECT_EQ(d.caption(1, "lblAge(1)"), "(62,M)");
    const QStringList groupLine = d.label(1, "lblName(2)");
    EXPECT_EQ(groupLine.value(1), "1980");
    EXPECT_EQ(groupLine.value(4), "<2> [ A ]");
    EXPECT_EQ(groupLine.value(8), QString::number(0x646464));
    EXPECT_EQ(d.captions(1, "lblRound").mid(0, 3), QStringList({"1", "2", "3"}));
    // Round 1: 10 strokes, a hole in one, 7 net, one hole each in 2, 3, 4
    // strokes; round 2: 8, 0, 8, four 2s; round 3 misses a hole: all "-".
    EXPECT_EQ(d.captions(1, "lblJituDa").mid(0, 3), QStringList({"10", "8", "-"}));
    EXPECT_EQ(d.captions(1, "lblSyokei").mid(0, 3), QStringList({"7", "8", "-"}));
    EXPECT_EQ(d.captions(1, "lblHits").mid(0, 15),
              QStringList({"1", "1", "1", "1", "0", "0", "4", "0", "0", "0", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(d.label(1, "lblHits(2)").value(0), "9480");
    EXPECT_EQ(d.label(1, "lblHits(5)").value(0), "10740");
    EXPECT_EQ(d.caption(1, "lblHc(1)"), "5");
    EXPECT_EQ(d.caption(1, "lblGoukei(1)"), "20");   // 7 + 8 + the handicap once

    // Player 2: no complete round, so no total, but the handicap.
    EXPECT_EQ(d.caption(1, "lblHc(2)"), "-2");
    EXPECT_EQ(d.caption(1, "lblGoukei(2)"), "-");
    EXPECT_EQ(d.caption(1, "lblName(4)"), "");   // neither group nor team
    EXPECT_EQ(d.caption(1, "lblName(6)"), "[ B ]");
    EXPECT_EQ(d.caption(1, "lblGoukei(3)"), "36");

    // A thick line above every block, thin ones between its rounds.
    EXPECT_EQ(d.line(1, "linFutoYoko(1)"), QStringList({"180", "1200", "11100", "1200", "2"}));
    EXPECT_EQ(d.line(1, "linFutoYoko(2)"), QStringList({"180", "2280", "11100", "2280", "2"}));
    EXPECT_EQ(d.line(1, "linHoso1(1)"), QStringList({"2640", "1560", "8400", "1560", "1"}));
    EXPECT_EQ(d.line(1, "linHoso2(2)"), QStringList({"9420", "1920", "11100", "1920", "1"}));
    EXPECT_EQ(d.line(1, "linTate(0)"), QStringList({"180", "840", "180", "14160", "2"}));
    EXPECT_EQ(d.captions(1, "lblNo").size(), 12);

    EXPECT_EQ(d.captions(2, "lblNo"), QStringList{"13"});
    EXPECT_EQ(d.line(2, "linTate(13)"), QStringList({"8400", "840", "8400", "2280", "2"}));
    EXPECT_EQ(d.line(2, "linFutoYoko(2)"), QStringList({"180", "2280", "11100", "2280", "2"}));
}

TEST_F(ScorePageTest, GroupFilterKeepsTheNumbersAndTheWholeHeadCount)
{
    const PageDump d = dump(thirteenPlayers(1), 1, 1);
    ASSERT_EQ(d.pages, 1);
    EXPECT_EQ(d.captions(1, "lblNo"),
              QStringList({"1", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}));
    EXPECT_EQ(d.caption(1, "lblEntryNum"), QStringLiteral("参加 13名"));
    EXPECT_EQ(d.caption(1, "lblExractBelong"), QStringLiteral("【所属抽出：Ａクラブ】"));
}

TEST_F(ScorePageTest, GameWithoutHandicapsShowsDashesAndAddsNothing)
{
    const PageDump d = dump(thirteenPlayers(0), 1);
    EXPECT_EQ(d.caption(1, "lblHcTitle"), "-");
    EXPECT_EQ(d.caption(1, "lblHc(1)"), "-");
    EXPECT_EQ(d.caption(1, "lblGoukei(1)"), "15");
}

TEST_F(ScorePageTest, EightHolesOfOneRoundAre488WideWithoutAGroupLine)
{
    gGame = gameHeader(8, 1);
    addMember(1, QStringLiteral("山田太郎"), QStringLiteral("1948/05/01"), 1);
    addPlayer(1, {"1 2 3 4 5 6 7 8"}, QStringLiteral("A"), 0, 3);
    const PageDump d = dump(storeGame(), 1);
    EXPECT_EQ(d.label(1, "lblScore(8)").mid(0, 3), QStringList({"6416", "900", "488"}));   // ends at 6904
    EXPECT_EQ(d.captions(1, "lblName"), QStringList{QStringLiteral("山田太郎")});
    EXPECT_EQ(d.label(1, "lblNo(1)").value(1), "1260");
    EXPECT_EQ(d.caption(1, "lblGoukei(1)"), "33");
}

}  // namespace

// The participants list through the page dump tool: 40 players over 3
// rounds on 37 + 3 rows, the cells of a player, and the group filter's
// numbering gaps, whole-game head counts and the thin first line after a
// dropped page-top row.

#include "gamepages_support.h"

namespace {

using namespace gamepages;

class EntryListPageTest : public GamePagesTest {
protected:
    // 40 players of 3 rounds in group 1, but player 38 in group 2; teams A
    // and B; player 1 with a long region, player 2 without team, birthday or
    // sex, player 3 in playing group 4.
    QString fortyPlayers()
    {
        gGame = gameHeader(2, 3);
        addGroup(1, QStringLiteral("Ａクラブ"));
        addGroup(2, QStringLiteral("Ｂクラブ"));
        addMember(1, QStringLiteral("山田太郎"), QStringLiteral("1948/05/01"), 1, 1, QStringLiteral("東京都千代田区"));
        addMember(2, QStringLiteral("佐藤"), QString(), 0, 1);
        for (Long id = 3; id <= 40; ++id)
            addMember(id, QStringLiteral("選手%1").arg(id), QStringLiteral("1970/01/01"), 2, id == 38 ? 2 : 1);
        for (Long id = 1; id <= 40; ++id)
            addPlayer(id, {"3 3", "3 3", "3 3"}, id == 2 ? QString() : (id % 2 ? QStringLiteral(" A") : "B"), 0,
                      id == 3 ? 4 : 0);
        return storeGame();
    }
};

TEST_F(EntryListPageTest, FortyPlayersOnTwoPagesWithTheirCells)
{
    const PageDump d = dump(fortyPlayers(), 0);
    ASSERT_EQ(d.pages, 2);
    EXPECT_EQ(d.captions(1, "lblNo").size(), 37);
    EXPECT_EQ(d.captions(2, "lblNo"), QStringList({"38", "39", "40"}));
    EXPECT_EQ(d.caption(1, "lblScorePage"), QStringLiteral("参加一覧（1/2）"));
    EXPECT_EQ(d.caption(2, "lblEntryNum"), QStringLiteral("参加 40名、2ﾁｰﾑ"));

    // Player 1: every cell in its column.
    struct Cell {
        const char* control;
        QStringList expected;   // left, top, width, height, caption, font, size, bold
    };
    const QString font = QStringLiteral("ＭＳ Ｐゴシック");
    for (const Cell& c : std::initializer_list<Cell>{
             {"lblNo(1)", {"300", "1260", "435", "255", "1", font, "9.75", "0"}},
             {"lblTeamID(1)", {"840", "1260", "555", "255", "A", font, "9.75", "1"}},
             {"lblName(1)", {"1500", "1260", "2475", "255", QStringLiteral("山田太郎"), font, "9.75", "0"}},
             {"lblAge(1)", {"4080", "1260", "495", "255", "62", font, "9.75", "0"}},
             {"lblGender(1)", {"4680", "1260", "495", "255", QStringLiteral("男"), font, "9.75", "0"}},
             {"lblLocation(1)", {"5280", "1260", "1035", "255", QStringLiteral("東京都千代"), font, "9.75", "0"}},
             {"lblBelong(1)", {"6420", "1260", "4095", "255", QStringLiteral("Ａクラブ"), font, "9.75", "0"}},
             {"lblRoundGroup(1)", {"10560", "1260", "435", "255", "", font, "9.75", "1"}},
         })
        EXPECT_EQ(d.label(1, c.control).mid(0, 8), c.expected) << c.control;
    // Player 2: no team, no birthday, no sex; player 3 in playing group 4.
    EXPECT_EQ(d.caption(1, "lblTeamID(2)"), "");
    EXPECT_EQ(d.caption(1, "lblAge(2)"), "-");
    EXPECT_EQ(d.caption(1, "lblGender(2)"), "-");
    EXPECT_EQ(d.caption(1, "lblRoundGroup(3)"), "4");

    EXPECT_EQ(d.line(1, "linFutoYoko(1)"), QStringList({"240", "1200", "11040", "1200", "2"}));
    EXPECT_EQ(d.line(1, "linHosoYoko(1)"), QStringList({"240", "1560", "11040", "1560", "1"}));
    EXPECT_EQ(d.line(1, "linFutoYoko(2)"), QStringList({"240", "14520", "11040", "14520", "2"}));
    EXPECT_EQ(d.line(2, "linTate(8)"), QStringList({"10500", "840", "10500", "2280", "2"}));
}

TEST_F(EntryListPageTest, GroupFilterLeavesGapsAndAThinLineAfterADroppedPageTop)
{
    const QString file = fortyPlayers();
    const PageDump d = dump(file, 0, 1);
    ASSERT_EQ(d.pages, 2);
    EXPECT_EQ(d.caption(1, "lblExractBelong"), QStringLiteral("【所属抽出：Ａクラブ】"));
    EXPECT_EQ(d.caption(2, "lblEntryNum"), QStringLiteral("参加 40名、2ﾁｰﾑ"));
    // Player 38 opened page 2 and was dropped: 39 is drawn first, under a
    // thin line.
    EXPECT_EQ(d.captions(2, "lblNo"), QStringList({"39", "40"}));
    EXPECT_EQ(d.label(2, "lblNo(1)").value(1), "1260");
    EXPECT_EQ(d.elements("line", 2, "linFutoYoko"), QStringList{"linFutoYoko(1) 240 1920 11040 1920 2"});
    EXPECT_EQ(d.elements("line", 2, "linHosoYoko"),
              QStringList({"linHosoYoko(1) 240 1200 11040 1200 1", "linHosoYoko(2) 240 1560 11040 1560 1"}));

    // Only group 2: dropped rows take no room, so its one player, still
    // number 38, stands on the one page.
    const PageDump b = dump(file, 0, 2);
    EXPECT_EQ(b.pages, 1);
    EXPECT_EQ(b.captions(1, "lblNo"), QStringList{"38"});
}

TEST_F(EntryListPageTest, GroupNotInTheListIsRefused)
{
    const reptest::ToolRun r = runReport(fortyPlayers(), 0, 7);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.errors.contains("group 7 is not in the game's group list")) << r.errors.toStdString();
}

}  // namespace

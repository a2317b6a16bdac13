// The team list through the page dump tool: 4 teams of 10 players on two
// pages (the last team goes on over the page end with its number and
// identifier again and its member numbers running on), the cells of a
// member, "-" without rounds, averages with two decimals, and the bold rule
// by team ranking method.

#include "gamepages_support.h"

namespace {

using namespace gamepages;

class TeamListPageTest : public GamePagesTest {
protected:
    // Teams A to D of 10 players each and one player without a team. In A:
    // player 2 with 72 over 2 rounds, players 4 to 10 with 78, player 1 with
    // 81 and player 3 without a complete round.
    QString fourTeams(Integer howToRank)
    {
        gGame = gameHeader(3, 2);
        gGame.TeamHowtoRank = howToRank;
        addGroup(1, QStringLiteral("Ａクラブ"));
        for (Long id = 1; id <= 41; ++id) {
            addMember(id, QStringLiteral("選手%1").arg(id), QStringLiteral("1943/06/01"), 1, 1);
            const char* rounds[2] = {"13 13 13", "13 13 13"};
            if (id == 1) {
                rounds[0] = "13 14 14";
                rounds[1] = "13 14 13";
            } else if (id == 2) {
                rounds[0] = rounds[1] = "12 12 12";
            } else if (id == 3) {
                rounds[0] = rounds[1] = "13 . 13";
            }
            const QString team = id == 41 ? QString() : QString(QChar('A' + (id - 1) / 10));
            addPlayer(id, {rounds[0], rounds[1]}, team);
        }
        return storeGame();
    }
};

TEST_F(TeamListPageTest, TeamsAcrossPagesWithTheirMembers)
{
    const PageDump d = dump(fourTeams(0), 4);
    ASSERT_EQ(d.pages, 2);
    EXPECT_EQ(d.caption(1, "lblScorePage"), QStringLiteral("チーム一覧表（1/2）"));
    EXPECT_EQ(d.caption(1, "lblEntryNum"), QStringLiteral("参加 4ﾁｰﾑ、40名"));

    // A team's number and identifier stand on its first row only.
    EXPECT_EQ(d.captions(1, "lblNo"), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(d.captions(1, "lblTeamID"), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(d.label(1, "lblTeamID(2)").mid(0, 2), QStringList({"720", "4860"}));
    EXPECT_EQ(d.captions(1, "lblMNo").mid(0, 11),
              QStringList({"M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8", "M9", "M10", "M1"}));

    // Team A: best first; 72/2 and 81/2 with two decimals; no rounds: "-".
    const QString font = QStringLiteral("ＭＳ Ｐゴシック");
    EXPECT_EQ(d.label(1, "lblName(1)").mid(0, 5), QStringList({"1920", "1260", "1875", "255", QStringLiteral("選手2")}));
    EXPECT_EQ(d.label(1, "lblAge(1)").mid(0, 5), QStringList({"3540", "1260", "735", "255", "(66,M)"}));
    EXPECT_EQ(d.label(1, "lblRoundNum(1)").mid(4, 4), QStringList({"2", font, "9.75", "1"}));
    EXPECT_EQ(d.caption(1, "lblRHits(1)"), "72");
    EXPECT_EQ(d.caption(1, "lblHits(1)"), "0");
    EXPECT_EQ(d.caption(1, "lblGoukei(1)"), "72");
    EXPECT_EQ(d.caption(1, "lblRoundAve(1)"), "36.00");
    EXPECT_EQ(d.caption(1, "lblBelong(1)"), QStringLiteral("Ａクラブ"));
    EXPECT_EQ(d.caption(1, "lblName(9)"), QStringLiteral("選手1"));
    EXPECT_EQ(d.caption(1, "lblRoundAve(9)"), "40.50");
    EXPECT_EQ(d.caption(1, "lblName(10)"), QStringLiteral("選手3"));
    for (const char* c : {"lblRoundNum(10)", "lblRHits(10)", "lblHits(10)", "lblGoukei(10)", "lblRoundAve(10)"})
        EXPECT_EQ(d.caption(1, c), "-") << c;

    // Thick lines above the page's first row and each team's; thin ones
    // leave the number and team columns open.
    EXPECT_EQ(d.elements("line", 1, "linFutoYoko"),
              QStringList({"linFutoYoko(1) 240 1200 11040 1200 2", "linFutoYoko(2) 240 4800 11040 4800 2",
                           "linFutoYoko(3) 240 8400 11040 8400 2", "linFutoYoko(4) 240 12000 11040 12000 2",
                           "linFutoYoko(5) 240 14520 11040 14520 2"}));
    EXPECT_EQ(d.line(1, "linHosoYoko(1)"), QStringList({"1320", "1560", "11040", "1560", "1"}));
    EXPECT_EQ(d.line(1, "linTate(4)"), QStringList({"5580", "840", "5580", "14520", "1"}));

    // Team D goes on: number and identifier again, member numbers on.
    EXPECT_EQ(d.captions(2, "lblNo"), QStringList{"4"});
    EXPECT_EQ(d.captions(2, "lblTeamID"), QStringList{"D"});
    EXPECT_EQ(d.captions(2, "lblMNo"), QStringList({"M8", "M9", "M10"}));
    EXPECT_EQ(d.line(2, "linFutoYoko(1)"), QStringList({"240", "1200", "11040", "1200", "2"}));
}

TEST_F(TeamListPageTest, TheRankingMethodsColumnIsBold)
{
    const QString file0 = fourTeams(0);
    gMemberList.clear();
    gBelongList.clear();
    const QString file1 = fourTeams(1);
    const struct {
        QString file;
        const char* bold;   // lblTotalT, lblRAveT, lblGoukei(1), lblRoundAve(1)
    } cases[] = {{file0, "1010"}, {file1, "0101"}};
    for (const auto& c : cases) {
        const PageDump d = dump(c.file, 4);
        QString bold;
        for (const char* control : {"lblTotalT", "lblRAveT", "lblGoukei(1)", "lblRoundAve(1)"})
            bold += d.label(1, control).value(7);
        EXPECT_EQ(bold, QLatin1String(c.bold)) << c.file.toStdString();
    }
}

}  // namespace

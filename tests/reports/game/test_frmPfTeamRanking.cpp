// The team ranking through the page dump tool: member columns by the
// largest team (10 at most, 5 at least, headers only for filled positions),
// team averages with three decimals and member averages with two, member
// totals by the other method, a team without a complete round, and the bold
// rule.

#include "gamepages_support.h"

namespace {

using namespace gamepages;

class TeamRankingPageTest : public GamePagesTest {
protected:
    // Teams of one hole and two rounds, each member's two rounds given.
    QString teams(Integer howToRank, const std::vector<std::pair<QString, std::vector<const char*>>>& members)
    {
        gGame = gameHeader(1, 2);
        gGame.TeamHowtoRank = howToRank;
        Long id = 0;
        for (const auto& [team, rounds] : members)
            for (size_t i = 0; i + 1 < rounds.size(); i += 2) {
                ++id;
                addMember(id, QStringLiteral("選手%1").arg(id), QString(), 1);
                addPlayer(id, {rounds[i], rounds[i + 1]}, team);
            }
        return storeGame();
    }
};

TEST_F(TeamRankingPageTest, AveragesAndTenMemberColumnsForTwelveMembers)
{
    std::vector<const char*> twelve;
    for (int i = 0; i < 24; ++i)
        twelve.push_back("4");
    const PageDump d = dump(teams(1, {{"X", {"3", "4", "3", "3", "4", "4"}},
                                      {"Y", twelve},
                                      {"Z", {".", ".", ".", "."}}}),
                            5);
    ASSERT_EQ(d.pages, 1);
    EXPECT_EQ(d.caption(1, "lblScorePage"), QStringLiteral("チーム順位表（1/1）"));
    EXPECT_EQ(d.caption(1, "lblEntryNum"), QStringLiteral("参加 3ﾁｰﾑ、17名"));

    // The largest team has 12 members: 10 columns of 672, ten headers.
    QStringList headers;
    for (int p = 1; p <= 10; ++p)
        headers << QStringLiteral("M%1").arg(p);
    EXPECT_EQ(d.captions(1, "lblMNo").mid(0, 10), headers);
    EXPECT_EQ(d.label(1, "lblMNo(10)").mid(0, 4), QStringList({"10368", "900", "672", "255"}));
    EXPECT_EQ(d.elements("line", 1, "linMNoTate").size(), 9);
    EXPECT_EQ(d.line(1, "linMNoTate(1)"), QStringList({"4992", "840", "4992", "2280", "1"}));

    // Team X: 21 over 6 rounds; its members' averages, best first.
    const QString font = QStringLiteral("ＭＳ Ｐゴシック");
    EXPECT_EQ(d.captions(1, "lblNo"), QStringList({"1", "2", "3"}));
    EXPECT_EQ(d.label(1, "lblTeamID(1)").mid(4, 4), QStringList({"X", font, "11.25", "1"}));
    EXPECT_EQ(d.captions(1, "lblTeamMemberNum"), QStringList({"3", "12", "2"}));
    EXPECT_EQ(d.captions(1, "lblRoundNum"), QStringList({"6", "24", "-"}));
    EXPECT_EQ(d.captions(1, "lblGoukei"), QStringList({"21", "96", "-"}));
    EXPECT_EQ(d.captions(1, "lblRoundAve"), QStringList({"3.500", "4.000", "-"}));
    const QStringList members = d.captions(1, "lblMNo").mid(10);
    EXPECT_EQ(members.mid(0, 3), QStringList({"3.00", "3.50", "4.00"}));
    EXPECT_EQ(members.mid(3, 10), QStringList(10, "4.00"));   // 12 members, 10 cells
    EXPECT_EQ(members.mid(13), QStringList({"-", "-"}));
    EXPECT_EQ(d.label(1, "lblMNo(12)").mid(0, 3), QStringList({"4992", "1260", "672"}));

    // Ranked by average: R平均 bold, 合計 not.
    EXPECT_EQ(d.label(1, "lblRAveT").value(7), "1");
    EXPECT_EQ(d.label(1, "lblTotalT").value(7), "0");
    EXPECT_EQ(d.label(1, "lblRoundAve(1)").value(7), "1");
    EXPECT_EQ(d.label(1, "lblGoukei(1)").value(7), "0");
    EXPECT_EQ(d.line(1, "linMNoTate(9)"), QStringList({"10368", "840", "10368", "2280", "1"}));
}

TEST_F(TeamRankingPageTest, ThreeMemberTeamsByTotalUseFiveColumns)
{
    const PageDump d = dump(teams(0, {{"X", {"3", "4", "3", "3", "4", "4"}}, {"Y", {"2", "2", "2", "3", "9", "9"}}}), 5);
    EXPECT_EQ(d.captions(1, "lblMNo").mid(0, 3), QStringList({"M1", "M2", "M3"}));
    EXPECT_EQ(d.label(1, "lblMNo(3)").mid(0, 3), QStringList({"7008", "900", "1344"}));
    EXPECT_EQ(d.elements("line", 1, "linMNoTate"),
              QStringList({"linMNoTate(1) 5664 840 5664 1920 1", "linMNoTate(2) 7008 840 7008 1920 1",
                           "linMNoTate(3) 8352 840 8352 1920 1", "linMNoTate(4) 9696 840 9696 1920 1"}));
    // By the total: members show their totals, 合計 is bold.
    EXPECT_EQ(d.captions(1, "lblTeamID"), QStringList({"X", "Y"}));
    EXPECT_EQ(d.captions(1, "lblMNo").mid(3), QStringList({"6", "7", "8", "4", "5", "18"}));
    EXPECT_EQ(d.label(1, "lblTotalT").value(7), "1");
    EXPECT_EQ(d.label(1, "lblRAveT").value(7), "0");
    EXPECT_EQ(d.label(1, "lblGoukei(1)").value(7), "1");
    EXPECT_EQ(d.label(1, "lblRoundAve(1)").value(7), "0");
}

}  // namespace

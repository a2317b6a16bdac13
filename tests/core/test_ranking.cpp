// The per-game rankings: personal ranking with its tie-breaks and handicaps,
// head counts, category caption and filter, best rounds, team list and team
// ranking.
#include "test_gamefile_support.h"

#include "platform/vbruntime.h"
#include "quicksort_reference.h"

#include <numeric>

using namespace gametest;

namespace {

class PersonRanking : public ::testing::Test {
protected:
    void SetUp() override { newGame(8, 3); }
};

TEST_F(PersonRanking, TotalsCountCompleteRoundsOnlyWithHolesInOne)
{
    newGame(8, 1);
    addPlayer(1, {"1 2 3 3 3 2 4 6"});
    gsCalPersonRanking(0);
    ASSERT_EQ(glngRankingUBound(), 0);
    const PersonRank& r = gRanking[0];
    EXPECT_EQ(r.Gross, 24);
    EXPECT_EQ(r.Net, 21);
    EXPECT_EQ(r.Rounds, 1);
    EXPECT_EQ(r.StrokeCount, (std::array<Integer, 5>{1, 2, 3, 1, 0}));   // the 6 is in no class
    EXPECT_EQ(r.Rank, 1);

    // Round 2 incomplete: it counts nowhere, stroke classes included, and the
    // player ranks after one with three complete rounds, whatever the totals.
    newGame(4, 3);
    addPlayer(1, {"1 1 1 1", "2 2 . 2", "1 1 1 1"});
    addPlayer(2, {"5 5 5 5", "5 5 5 5", "5 5 5 5"});
    gsCalPersonRanking(0);
    EXPECT_EQ(rankingIds(), (std::vector<Long>{2, 1}));
    const PersonRank* p1 = personRow(1);
    EXPECT_EQ(p1->RoundGross[0], 4);
    EXPECT_EQ(p1->RoundGross[1], 0);
    EXPECT_EQ(p1->RoundGross[2], 4);
    EXPECT_EQ(p1->Rounds, 2);
    EXPECT_EQ(p1->Gross, 8);
    EXPECT_EQ(p1->Net, 8 - 24);
    EXPECT_EQ(p1->StrokeCount[0], 8);
    EXPECT_EQ(p1->StrokeCount[1], 0);
}

TEST_F(PersonRanking, StrokeTextsAreTheirLeadingNumber)
{
    newGame(3, 1);
    addPlayer(1, {"2x 3 4abc"});   // 9, complete
    addPlayer(2, {"3 x 3"});       // "x" is 0: incomplete
    gsCalPersonRanking(0);
    EXPECT_EQ(personRow(1)->Gross, 9);
    EXPECT_EQ(personRow(2)->Rounds, 0);
    EXPECT_EQ(personRow(2)->Gross, 0);
}

TEST_F(PersonRanking, EqualKeysShareTheRankOfTheFirst)
{
    gGame.JudgeDaSu = 0;
    gGame.JudgeBirthday = 0;
    addPlayer(1, {flat(8, 3), flat(8, 3), flat(8, 3)});   // 72
    addPlayer(2, {flat(8, 4), flat(8, 4), flat(8, 4)});   // 96
    addPlayer(3, {flat(8, 2), flat(8, 2), flat(8, 2)});   // 48
    addPlayer(4, {flat(8, 3), flat(8, 3), flat(8, 3)});   // 72
    addPlayer(5, {flat(8, 3), ". 3 3 3 3 3 3 3", flat(8, 3)});   // 2 rounds
    addPlayer(6, {". 1 1 1 1 1 1 1", "", ""});                   // no complete round
    addPlayer(7, {"", "", ""});                                  // no strokes
    gsCalPersonRanking(0);
    ASSERT_EQ(glngRankingUBound(), 6);
    EXPECT_EQ(rankOf(3), 1);
    EXPECT_EQ(rankOf(1), 2);
    EXPECT_EQ(rankOf(4), 2);
    EXPECT_EQ(rankOf(2), 4);
    EXPECT_EQ(rankOf(5), 5);
    // Players without a complete round tie at the bottom with Gross and Net 0.
    EXPECT_EQ(rankOf(6), 6);
    EXPECT_EQ(rankOf(7), 6);
    EXPECT_EQ(personRow(6)->Gross, 0);
    EXPECT_EQ(personRow(6)->Net, 0);
    EXPECT_EQ(personRow(6)->StrokeCount[0], 0);
    EXPECT_EQ(gRanking[0].IDNo, 3);
    EXPECT_EQ(gRanking[3].IDNo, 2);
}

TEST_F(PersonRanking, TiesAreBrokenByStrokeClassesThenBirthday)
{
    newGame(4, 1);
    // Equal net 10 each: player 3 has two holes-in-one (1 1 5 9 = 16 - 6),
    // player 2 one (1 4 4 4 = 13 - 3), player 1 none (2 2 3 3).
    addPlayer(1, {"2 2 3 3"});
    addPlayer(2, {"1 4 4 4"});
    addPlayer(3, {"1 1 5 9"});
    addMember(1, QStringLiteral("1950/01/01"));
    addMember(2, QStringLiteral("1950/01/01"));
    addMember(3, QStringLiteral("1950/01/01"));

    struct Case { Integer daSu; Integer birthday; std::vector<Long> order; std::vector<Long> ranks; };
    const Case cases[] = {
        {0, 0, {}, {1, 1, 1}},            // all tied
        {1, 0, {3, 2, 1}, {1, 2, 3}},     // more holes-in-one first
        {5, 1, {3, 2, 1}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        gGame.JudgeDaSu = c.daSu;
        gGame.JudgeBirthday = c.birthday;
        gsCalPersonRanking(0);
        for (const PersonRank& r : gRanking) EXPECT_EQ(r.Net, 10);
        if (!c.order.empty()) {
            EXPECT_EQ(rankingIds(), c.order) << c.daSu;
        }
        std::vector<Long> ranks;
        for (const PersonRank& r : gRanking) ranks.push_back(r.Rank);
        EXPECT_EQ(ranks, c.ranks) << c.daSu;
    }

    // Class 2 only counts when JudgeDaSu reaches it: equal holes-in-one, one
    // more 2-stroke hole wins with JudgeDaSu 2, ties with JudgeDaSu 1.
    newGame(4, 1);
    addPlayer(1, {"1 3 3 4"});   // 11 - 3 = 8
    addPlayer(2, {"1 2 4 4"});   // 11 - 3 = 8
    gGame.JudgeBirthday = 0;
    gGame.JudgeDaSu = 1;
    gsCalPersonRanking(0);
    EXPECT_EQ(rankOf(1), 1);
    EXPECT_EQ(rankOf(2), 1);
    gGame.JudgeDaSu = 2;
    gsCalPersonRanking(0);
    EXPECT_EQ(rankingIds(), (std::vector<Long>{2, 1}));
}

TEST_F(PersonRanking, OlderBirthdayFirstAndMissingBirthdaysLastTogether)
{
    newGame(2, 1);
    for (Long id = 1; id <= 4; ++id) addPlayer(id, {"3 3"});
    addMember(1, QStringLiteral("1940/05/01"));
    addMember(2, QStringLiteral("1938/12/31"));
    addMember(3, QString());           // no birthday
    // Player 4 is not registered at all.
    gGame.JudgeDaSu = 5;
    gGame.JudgeBirthday = 1;
    gsCalPersonRanking(0);
    EXPECT_EQ(gRanking[0].IDNo, 2);
    EXPECT_EQ(gRanking[1].IDNo, 1);
    EXPECT_EQ(rankOf(2), 1);
    EXPECT_EQ(rankOf(1), 2);
    EXPECT_EQ(rankOf(3), 3);
    EXPECT_EQ(rankOf(4), 3);

    // Without strokes the birthday is not compared: both tie.
    newGame(2, 1);
    addPlayer(1, {". ."});
    addPlayer(2, {". ."});
    addMember(1, QStringLiteral("1940/05/01"));
    addMember(2, QStringLiteral("1938/12/31"));
    gsCalPersonRanking(0);
    EXPECT_EQ(rankOf(1), 1);
    EXPECT_EQ(rankOf(2), 1);
}

TEST_F(PersonRanking, HandicapAddedOnceOnlyWhenTheGameUsesIt)
{
    newGame(2, 3);
    addPlayer(1, {"3 3", "3 3", "3 3"}, QString(), 5);          // 18
    addPlayer(2, {"4 4", "4 4", "4 4"}, QString(), -8);         // 24
    addPlayer(3, {". .", ". .", ". ."}, QString(), 7);          // no complete round

    struct Case { Integer kind; Integer noHandicap; Long net1; Long hc1; Long net2; std::vector<Long> order; };
    const Case cases[] = {
        {2, 0, 23, 5, 16, {2, 1, 3}},
        {2, 1, 18, 0, 24, {1, 2, 3}},
        {0, 0, 18, 0, 24, {1, 2, 3}},
        {1, 0, 23, 5, 16, {2, 1, 3}},   // any non-zero kind counts
    };
    for (const Case& c : cases) {
        gGame.HandiCapKind = c.kind;
        gsCalPersonRanking(c.noHandicap);
        EXPECT_EQ(personRow(1)->Net, c.net1) << c.kind << c.noHandicap;
        EXPECT_EQ(personRow(1)->Gross, 18);
        EXPECT_EQ(personRow(1)->Handicap, c.hc1);
        EXPECT_EQ(personRow(2)->Net, c.net2);
        EXPECT_EQ(personRow(3)->Net, 0);
        EXPECT_EQ(personRow(3)->Handicap, 0);
        EXPECT_EQ(rankingIds(), c.order);
    }
}

TEST_F(PersonRanking, EmptyGameAndBadShapesRaiseInsteadOfOverrunning)
{
    gsCalPersonRanking(0);
    EXPECT_EQ(glngRankingUBound(), -1);
    EXPECT_EQ(gfCountGameMembers(), 0);
    EXPECT_EQ(gfCountGameTeams(), 0);
    gsCalRoundRanking();
    EXPECT_EQ(glngRoundRankingUBound(), -1);

    struct Case { Integer hole; Integer round; Integer daSu; int rows; };
    const Case bad[] = {
        {8, 0, 5, 3},    // Round 0
        {8, 11, 5, 11},  // more rounds than a ranking row holds
        {17, 1, 5, 1},   // more holes than a score row holds
        {8, 1, 6, 1},    // a sixth stroke class
        {8, 3, 5, 8},    // 8 rows of 3 rounds: the third player lacks a row
        {8, -1, 5, 2},
    };
    for (const Case& c : bad) {
        newGame(c.hole, c.round);
        gGame.JudgeDaSu = c.daSu;
        for (int i = 0; i < c.rows; ++i) {
            ScoreLine l;
            l.IDNo = 1 + i;
            l.RoundNo = 1;
            for (auto& h : l.Holes) h = QStringLiteral("3");
            gScoreLines.push_back(l);
        }
        EXPECT_THROW(gsCalPersonRanking(0), vb::VbError) << c.hole << "/" << c.round << "/" << c.rows;
        EXPECT_THROW(gsCalRoundRanking(), vb::VbError) << c.hole << "/" << c.round << "/" << c.rows;
    }

    // 7 rows of 3 rounds make 2 players (7 / 3 rounds to 2): the extra row is
    // not used.
    newGame(1, 3);
    for (int i = 0; i < 7; ++i) addPlayer(1 + i / 3, {"3"});
    for (int i = 0; i < 7; ++i) gScoreLines[i].RoundNo = static_cast<Integer>(1 + i % 3);
    gsCalPersonRanking(0);
    EXPECT_EQ(glngRankingUBound(), 1);
}

// 5,000 players whose totals rise and then fall (each total twice): the
// order that drove the first sort's recursion as deep as the field is long.
// The ranking finishes, in the first sort's order of equal totals.
TEST_F(PersonRanking, FiveThousandPlayersInACraftedOrderRankAsTheFirstSortRankedThem)
{
    resetRecordingUi();
    newGame(1, 1);
    gGame.JudgeDaSu = 0;
    gGame.JudgeBirthday = 0;
    const Long n = 5000;
    std::vector<QString> keys;
    for (Long p = 0; p < n; ++p) {
        const Long total = 2 + (p < n / 2 ? p : n - 1 - p);
        addPlayer(p + 1, {QByteArray::number(total).constData()});
        // The ranking's key: 100 - complete rounds, then the net + 10000.
        keys.push_back(QStringLiteral("099") + QString::number(total + 10000));
    }
    std::vector<Long> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    quicksortreference::sort(0, n - 1, order, keys, 0, true);
    std::vector<Long> expected;
    for (Long p : order) expected.push_back(p + 1);

    gsCalPersonRanking(0);
    EXPECT_EQ(rankingIds(), expected);
    EXPECT_EQ(gRanking.front().Net, 2);
    EXPECT_EQ(gRanking[1].Rank, 1);
    EXPECT_EQ(gRanking.back().Rank, n - 1);
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST(GameHeadCounts, DistinctPlayersAndTrimmedCaseSensitiveTeams)
{
    newGame(1, 2);
    addPlayer(1, {"3", "3"}, QStringLiteral("A"));
    addPlayer(2, {"3", "3"}, QStringLiteral(" A "));
    addPlayer(3, {"3", "3"}, QStringLiteral("a"));
    addPlayer(4, {"3", "3"}, QString());
    addPlayer(5, {"3", "3"}, QStringLiteral("　"));
    EXPECT_EQ(gfCountGameMembers(), 5);
    EXPECT_EQ(gfCountGameTeams(), 2);
}

TEST(GameCategory, TitleFollowsGenderAndAgeBounds)
{
    struct Case { Integer g; Integer lo; Integer hi; const char* title; };
    const Case cases[] = {
        {1, 60, 69, "部門別（男子：60歳～69歳）"},
        {2, -1, -1, "部門別（女子）"},
        {0, 70, -1, "部門別（70歳～）"},
        {0, -1, 59, "部門別（～59歳）"},
        {0, 65, 65, "部門別（65歳）"},
        {0, 70, 60, "部門別（70歳）"},
        {2, -1, 80, "部門別（女子：～80歳）"},
        {0, -1, -1, "総合"},
        {3, -1, -1, "総合"},
    };
    for (const Case& c : cases) {
        gGame = gfNewGameDefaults();
        gGame.CategoryGender = c.g;
        gGame.CategoryAgeLow = c.lo;
        gGame.CategoryAgeHigh = c.hi;
        EXPECT_EQ(gfGetCategoryTitle(), QString::fromUtf8(c.title));
    }
}

TEST(GameCategory, FilterKeepsThePlayersInsideAndRenumbersSharedRanks)
{
    newGame(1, 1);
    gGame.JudgeDaSu = 0;
    gGame.JudgeBirthday = 0;
    addPlayer(1, {"2"});   // rank 1
    addPlayer(2, {"3"});   // rank 2, female: dropped
    addPlayer(3, {"4"});   // rank 3
    addPlayer(4, {"4"});   // rank 3
    addPlayer(5, {"5"});   // rank 5, 59 on the reference date: dropped
    addPlayer(6, {"6"});   // rank 6
    addPlayer(7, {"7"});   // rank 7, no birthday: dropped
    addMember(1, QStringLiteral("1950/06/01"));
    addMember(2, QStringLiteral("1950/01/01"), 2);
    addMember(3, QStringLiteral("1945/01/01"));
    addMember(4, QStringLiteral("1941/06/01"));
    addMember(5, QStringLiteral("1950/06/02"));
    addMember(6, QStringLiteral("1941/06/02"));   // 68
    addMember(7, QString());

    // No category: unchanged.
    gsCalPersonRanking(0);
    gsFilterRankingByCategory(QStringLiteral("2010/06/01"));
    EXPECT_EQ(glngRankingUBound(), 6);

    gGame.CategoryGender = 1;
    gGame.CategoryAgeLow = 60;
    gGame.CategoryAgeHigh = 69;
    gsCalPersonRanking(0);
    gsFilterRankingByCategory(QStringLiteral("2010/06/01"));
    std::vector<Long> ranks;
    for (const PersonRank& r : gRanking) ranks.push_back(r.Rank);
    ASSERT_EQ(rankingIds().size(), 4u);
    EXPECT_EQ(gRanking[0].IDNo, 1);
    EXPECT_EQ(gRanking[3].IDNo, 6);
    EXPECT_EQ(ranks, (std::vector<Long>{1, 2, 2, 4}));

    // Player 4 (69 on the day) was kept by the inclusive bound 69; with 68
    // he is dropped.
    gGame.CategoryAgeHigh = 68;
    gsCalPersonRanking(0);
    gsFilterRankingByCategory(QStringLiteral("2010/06/01"));
    EXPECT_EQ(rankingIds(), (std::vector<Long>{1, 3, 6}));
}

class BestRound : public ::testing::Test {
protected:
    void SetUp() override
    {
        newGame(4, 3);
        gGame.JudgeBirthday = 0;
    }
};

TEST_F(BestRound, EarliestOfEqualRoundsAndOnlyCompleteRoundsChosen)
{
    addPlayer(1, {"4 4 4 4", "3 3 3 3", "3 3 3 3"});   // rounds 2 and 3 equal
    addPlayer(2, {"2 2 . 2", "", "5 5 5 5"});           // only round 3 complete
    addPlayer(3, {"1 1 1 .", "", ""}, QString(), 50);   // none complete
    addPlayer(4, {"", "", ""});
    gGame.HandiCapKind = 2;
    gsCalRoundRanking();
    ASSERT_EQ(glngRoundRankingUBound(), 3);
    const RoundRank& a = gRoundRanking[0];
    EXPECT_EQ(a.IDNo, 1);
    EXPECT_EQ(a.RoundNo, 2);
    EXPECT_EQ(a.Gross, 12);
    EXPECT_EQ(a.Net, 12);
    EXPECT_EQ(a.Holes[0], QStringLiteral("3"));
    const RoundRank& b = gRoundRanking[1];
    EXPECT_EQ(b.IDNo, 2);
    EXPECT_EQ(b.RoundNo, 3);
    EXPECT_TRUE(b.SortKey.startsWith(QStringLiteral("09910020")));
    // No complete round: the first round, its holes emptied, tied last.
    for (int i : {2, 3}) {
        const RoundRank& c = gRoundRanking[i];
        EXPECT_EQ(c.RoundNo, 1);
        EXPECT_EQ(c.Gross, 0);
        EXPECT_EQ(c.Net, 0);
        EXPECT_EQ(c.Rank, 3);
        for (const QString& h : c.Holes) EXPECT_TRUE(h.isEmpty());
    }
}

TEST_F(BestRound, HolesInOneAndClassesBreakTies)
{
    newGame(8, 1);
    gGame.JudgeBirthday = 0;
    addPlayer(1, {"2 2 2 2 2 2 2 3"});   // 17, no hole-in-one
    addPlayer(2, {"1 1 3 3 3 3 3 3"});   // 20 - 6 = 14
    addPlayer(3, {"1 2 2 2 2 2 3 3"});   // 17 - 3 = 14
    addPlayer(4, {"1 2 1 2 . 2 2 2"});   // incomplete
    gGame.JudgeDaSu = 1;
    gsCalRoundRanking();
    EXPECT_EQ(gRoundRanking[0].IDNo, 2);
    EXPECT_EQ(gRoundRanking[0].Net, 14);
    EXPECT_EQ(gRoundRanking[0].StrokeCount[0], 2);
    EXPECT_EQ(gRoundRanking[1].IDNo, 3);
    EXPECT_EQ(gRoundRanking[1].Rank, 2);
    EXPECT_EQ(gRoundRanking[2].IDNo, 1);
    gGame.JudgeDaSu = 0;
    gsCalRoundRanking();
    EXPECT_EQ(gRoundRanking[0].Rank, 1);
    EXPECT_EQ(gRoundRanking[1].Rank, 1);
    EXPECT_EQ(gRoundRanking[2].Rank, 3);
    EXPECT_EQ(gRoundRanking[3].Rank, 4);

    // A negative round net still sorts first: 1 1 3 = 5 - 6 = -1.
    newGame(3, 1);
    gGame.JudgeBirthday = 0;
    addPlayer(1, {"2 2 2"});
    addPlayer(2, {"1 1 3"});
    gsCalRoundRanking();
    EXPECT_EQ(gRoundRanking[0].IDNo, 2);
    EXPECT_EQ(gRoundRanking[0].Net, -1);
    EXPECT_TRUE(gRoundRanking[0].SortKey.startsWith(QStringLiteral("09909999")));
}

class TeamRanking : public ::testing::Test {
protected:
    void SetUp() override
    {
        newGame(1, 3);
        gGame.JudgeBirthday = 0;
    }
    // A player with `rounds` complete rounds totalling `net` (1 hole each).
    static void player(Long id, const QString& team, int rounds, int net, Long handicap = 0)
    {
        std::vector<QString> r(3);
        int left = net;
        for (int k = 0; k < rounds; ++k) {
            const int v = k == rounds - 1 ? left : net / rounds;
            r[k] = QString::number(v);
            left -= v;
        }
        for (int k = 0; k < 3; ++k) {
            ScoreLine l;
            l.IDNo = id;
            l.RoundNo = static_cast<Integer>(k + 1);
            l.TeamID = team;
            l.Handicap = handicap;
            l.Holes[0] = r[k];
            gScoreLines.push_back(l);
        }
    }
    static std::vector<QString> teamOrder()
    {
        std::vector<QString> t;
        for (const TeamRank& r : gTeamRanking) t.push_back(r.TeamID);
        return t;
    }
};

TEST_F(TeamRanking, NoTeamsGiveEmptyTables)
{
    player(1, QString(), 3, 60);
    player(2, QStringLiteral(" "), 3, 60);
    gsCalTeamRanking();
    EXPECT_EQ(glngRankingUBound(), -1);
    EXPECT_EQ(glngTeamRankingUBound(), -1);
}

TEST_F(TeamRanking, TotalMethodSumsTeamsAndOrdersMembers)
{
    player(1, QStringLiteral("A"), 2, 45);
    player(2, QStringLiteral("A"), 3, 62);
    player(3, QStringLiteral("A"), 3, 60);
    player(4, QStringLiteral("BB"), 3, 50);
    player(5, QString(), 3, 10);
    player(6, QStringLiteral("C"), 3, 70);
    gsCalTeamRanking();
    // Team list: 1-character identifiers are right-aligned, so " A" < " C" < "BB".
    ASSERT_EQ(glngRankingUBound(), 4);
    EXPECT_EQ(rankingIds(), (std::vector<Long>{3, 2, 1, 6, 4}));
    ASSERT_EQ(glngTeamRankingUBound(), 2);
    const TeamRank* a = nullptr;
    for (const TeamRank& t : gTeamRanking)
        if (t.TeamID == QStringLiteral("A")) a = &t;
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Members, 3);
    EXPECT_EQ(a->Rounds, 8);
    EXPECT_EQ(a->Net, 167);
    EXPECT_EQ(a->FirstRow, 0);
    EXPECT_EQ(a->Rank, 1);   // most complete rounds
    EXPECT_EQ(teamOrder(), (std::vector<QString>{QStringLiteral("A"), QStringLiteral("BB"), QStringLiteral("C")}));
}

TEST_F(TeamRanking, TeamListKeepsHandicapFreePersonalRanks)
{
    gGame.HandiCapKind = 2;
    player(1, QStringLiteral("A"), 3, 60, -20);
    player(2, QStringLiteral("A"), 3, 50, 0);
    gsCalPersonRanking(0);
    EXPECT_EQ(gRanking[0].IDNo, 1);   // 40 with the handicap
    gsCalTeamList();
    EXPECT_EQ(rankingIds(), (std::vector<Long>{2, 1}));
    EXPECT_EQ(gRanking[0].Rank, 1);
    EXPECT_EQ(gRanking[1].Rank, 2);
    EXPECT_EQ(gRanking[1].Net, 60);
    EXPECT_EQ(gRanking[1].Handicap, 0);
}

TEST_F(TeamRanking, EqualTeamsAreSplitByTheirBestMembers)
{
    // Equal totals (6 rounds, 110): X's best player is better.
    player(1, QStringLiteral("Y"), 3, 56);
    player(2, QStringLiteral("Y"), 3, 54);
    player(3, QStringLiteral("X"), 3, 50);
    player(4, QStringLiteral("X"), 3, 60);
    // Z equals Y member for member: shared rank.
    player(5, QStringLiteral("Z"), 3, 54);
    player(6, QStringLiteral("Z"), 3, 56);
    gsCalTeamRanking();
    ASSERT_EQ(glngTeamRankingUBound(), 2);
    EXPECT_EQ(gTeamRanking[0].TeamID, QStringLiteral("X"));
    EXPECT_EQ(gTeamRanking[0].Rank, 1);
    EXPECT_EQ(gTeamRanking[1].Rank, 2);
    EXPECT_EQ(gTeamRanking[2].Rank, 2);

    // Twelve members: all count in the sums.
    newGame(1, 3);
    gGame.JudgeBirthday = 0;
    for (Long id = 1; id <= 12; ++id) player(id, QStringLiteral("T"), 3, 30 + static_cast<int>(id));
    gsCalTeamRanking();
    ASSERT_EQ(glngTeamRankingUBound(), 0);
    EXPECT_EQ(gTeamRanking[0].Members, 12);
    EXPECT_EQ(gTeamRanking[0].Rounds, 36);
    EXPECT_EQ(gTeamRanking[0].Net, 12 * 30 + 78);
}

TEST_F(TeamRanking, AverageMethodAndTeamsWithoutCompleteRounds)
{
    gGame.TeamHowtoRank = 1;
    player(1, QStringLiteral("A"), 3, 60);   // 20.00
    player(2, QStringLiteral("A"), 0, 0);    // counts as a member only
    player(3, QStringLiteral("B"), 2, 41);   // 20.50
    player(4, QStringLiteral("C"), 0, 0);
    player(5, QStringLiteral("D"), 1, 19);   // 19.00
    gsCalTeamRanking();
    EXPECT_EQ(teamOrder(), (std::vector<QString>{QStringLiteral("D"), QStringLiteral("A"), QStringLiteral("B"),
                                                 QStringLiteral("C")}));
    EXPECT_EQ(gTeamRanking[1].Members, 2);
    EXPECT_EQ(gTeamRanking[1].Rounds, 3);
    EXPECT_EQ(gTeamRanking[1].Net, 60);
    EXPECT_EQ(gTeamRanking[3].Rank, 4);

    // Any value other than 0 means the average method.
    gGame.TeamHowtoRank = 7;
    gsCalTeamRanking();
    EXPECT_EQ(gTeamRanking[0].TeamID, QStringLiteral("D"));
}

TEST_F(TeamRanking, TeamWhoseIdentifierStartsAnotherStaysTogether)
{
    gGame.TeamHowtoRank = 1;
    player(1, QStringLiteral("AB"), 3, 60);    // 20.00
    player(2, QStringLiteral("AB"), 0, 0);     // 9999.99
    player(3, QStringLiteral("AB1"), 3, 45);   // 15.00
    player(4, QStringLiteral("AB1"), 3, 66);
    gsCalTeamRanking();
    ASSERT_EQ(glngRankingUBound(), 3);
    EXPECT_EQ(rankingIds(), (std::vector<Long>{1, 2, 3, 4}));
    ASSERT_EQ(glngTeamRankingUBound(), 1);
    EXPECT_EQ(teamOrder(), (std::vector<QString>{QStringLiteral("AB1"), QStringLiteral("AB")}));
    EXPECT_EQ(gTeamRanking[1].Members, 2);
    EXPECT_EQ(gTeamRanking[1].FirstRow, 0);
}

}  // namespace

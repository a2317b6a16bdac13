// Season collection from game files and the sort of the season records.
#include "test_season_fixture.h"

#include "core/ini.h"
#include "core/season.h"
#include "platform/vbruntime.h"

using namespace seasonfx;

namespace {

QString descriptionOf(void (*raise)())
{
    try {
        raise();
    } catch (const vb::VbError& e) {
        return e.description();
    }
    return QString();
}

const SeasonScore* findRecord(Long id, Long gameNo)
{
    for (const SeasonScore& s : gSeasonScores)
        if (s.IDNo == id && s.GameNo == gameNo)
            return &s;
    return nullptr;
}

class SeasonCollect : public Folder {
protected:
    // Game one: player 1 finished rounds 1 and 2 of 3, player 2 entered
    // nothing. Game two: player 1 finished no round.
    void twoGames()
    {
        Game one;
        one.round = 3;
        one.players = {{1, {"3,4,2,1", "2,2,2,2", "3,,2,2"}}, {2, {}}};
        addGame(one);
        Game two;
        two.round = 3;
        two.date = "2008/06/01";
        two.players = {{1, {"3,3,,3", "", ""}}};
        addGame(two);
    }
};

}  // namespace

TEST_F(SeasonCollect, CompleteRoundsAllOrNothingAndBestRound)
{
    twoGames();

    ASSERT_FALSE(gfSetSeasonTallicor(10));
    ASSERT_EQ(gSeasonScores.size(), 1u);
    const SeasonScore& s = gSeasonScores[0];
    EXPECT_EQ(s.IDNo, 1);
    EXPECT_EQ(s.GameNo, 0);
    EXPECT_EQ(s.Date, "2008/05/03");
    EXPECT_EQ(s.RoundNo, 0);
    EXPECT_EQ(s.Rounds, 2);
    EXPECT_EQ(s.HoleCount, 8);
    EXPECT_EQ(s.Total, 18);
    EXPECT_EQ(s.Net, 15);
    EXPECT_EQ(s.Handicap, 0);
    EXPECT_EQ((std::array<Long, 10>{10, 8, 0, 0, 0, 0, 0, 0, 0, 0}), s.RoundSum);
    EXPECT_EQ((std::array<Long, 16>{5, 6, 4, 3}), s.HoleSum);
    EXPECT_EQ((std::array<Long, 5>{1, 5, 1, 1, 0}), s.StrokeCount);
    // The tally leaves the last ticked game loaded.
    EXPECT_EQ(gGame.Date, "2008/06/01");
    EXPECT_EQ(gScoreLines.size(), 3u);

    gsClearCalcResults();
    ASSERT_FALSE(gfSetSeasonTallicor(2));
    EXPECT_TRUE(gSeasonScores.empty());

    gsClearCalcResults();
    ASSERT_FALSE(gfSetSeasonTallicor(5));
    ASSERT_EQ(gSeasonScores.size(), 1u);
    const SeasonScore& b = gSeasonScores[0];
    EXPECT_EQ(b.RoundNo, 1);
    EXPECT_EQ(b.Rounds, 0);
    EXPECT_EQ(b.Total, 10);
    EXPECT_EQ(b.Net, 7);
    EXPECT_EQ(b.HoleCount, 4);
    EXPECT_EQ((std::array<Long, 16>{3, 4, 2, 1}), b.HoleSum);
    EXPECT_EQ((std::array<Long, 10>{}), b.RoundSum);
    EXPECT_EQ((std::array<Long, 5>{1, 1, 1, 1, 0}), b.StrokeCount);

    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(SeasonCollect, AllRoundsCompleteGivesEveryRound)
{
    Game g;
    g.round = 2;
    g.players = {{1, {"3,3,3,3", "2,2,2,2"}}, {2, {"3,3,3,3", "2,2,,2"}}};
    addGame(g);
    ASSERT_FALSE(gfSetSeasonTallicor(2));
    ASSERT_EQ(gSeasonScores.size(), 1u);
    EXPECT_EQ(gSeasonScores[0].IDNo, 1);
    EXPECT_EQ(gSeasonScores[0].Rounds, 2);
    EXPECT_EQ(gSeasonScores[0].Total, 20);
}

TEST_F(SeasonCollect, HandicapOnlyInHandicapKindsOfHandicapGames)
{
    Game withHc;
    withHc.round = 1;
    withHc.handicapKind = 2;
    withHc.players = {{1, {"1,6,6,7"}, "", 4}};
    addGame(withHc);
    Game withoutHc = withHc;
    withoutHc.handicapKind = 0;
    addGame(withoutHc);

    struct Case { Integer kind; Long netWith; Long hcWith; };
    for (const Case c : {Case{8, 21, 4}, Case{9, 21, 4}, Case{12, 21, 4}, Case{10, 17, 0},
                         Case{1, 17, 0}, Case{2, 17, 0}, Case{13, 17, 0}}) {
        SCOPED_TRACE(c.kind);
        gsClearCalcResults();
        ASSERT_FALSE(gfSetSeasonTallicor(c.kind));
        ASSERT_EQ(gSeasonScores.size(), 2u);
        EXPECT_EQ(findRecord(1, 0)->Net, c.netWith);
        EXPECT_EQ(findRecord(1, 0)->Handicap, c.hcWith);
        EXPECT_EQ(findRecord(1, 0)->Total, 20);
        EXPECT_EQ(findRecord(1, 1)->Net, 17);
        EXPECT_EQ(findRecord(1, 1)->Handicap, 0);
    }
    // The best round never counts the handicap.
    gsClearCalcResults();
    ASSERT_FALSE(gfSetSeasonTallicor(5));
    EXPECT_EQ(findRecord(1, 0)->Net, 17);
}

TEST_F(SeasonCollect, BestRoundKeepsTheEarlierOfEqualRounds)
{
    Game g;
    g.round = 3;
    g.players = {{7, {"4,4,4,4", "1,3,2,3", "3,2,3,1"}}};
    addGame(g);
    ASSERT_FALSE(gfSetSeasonTallicor(5));
    ASSERT_EQ(gSeasonScores.size(), 1u);
    EXPECT_EQ(gSeasonScores[0].RoundNo, 2);
    EXPECT_EQ(gSeasonScores[0].Net, 6);
}

TEST_F(SeasonCollect, HoleValuesAreRoundedHalfToEvenBeforeCounting)
{
    Game g;
    g.round = 2;
    g.players = {{1, {"2.5,1.5,3,3x", "0.5,3,3,3"}}};
    addGame(g);
    ASSERT_FALSE(gfSetSeasonTallicor(1));
    ASSERT_EQ(gSeasonScores.size(), 1u);
    const SeasonScore& s = gSeasonScores[0];
    EXPECT_EQ(s.Rounds, 1);   // 0.5 rounds to 0: the second round is incomplete
    EXPECT_EQ(s.Total, 10);
    EXPECT_EQ((std::array<Long, 5>{0, 2, 2, 0, 0}), s.StrokeCount);
    EXPECT_EQ((std::array<Long, 10>{10, 0}), s.RoundSum);
}

TEST_F(SeasonCollect, NothingTickedMissingFilesAndOtherKindsAddNothing)
{
    EXPECT_TRUE(gfSetSeasonTallicor(1));
    EXPECT_TRUE(gfSortSeasonTallicor());

    Game g;
    g.players = {{1, {"3,3,3,3", "3,3,3,3"}}};
    addGame(g);
    QFile::remove(QDir(gstrGamesFolder).filePath(gGameList[0].GameFileName));
    EXPECT_FALSE(gfSetSeasonTallicor(1));
    EXPECT_TRUE(gSeasonScores.empty());

    addGame(g);
    EXPECT_FALSE(gfSetSeasonTallicor(0));
    EXPECT_FALSE(gfSetSeasonTallicor(14));
    EXPECT_TRUE(gSeasonScores.empty());
    EXPECT_TRUE(recordingUi().messages.empty());

    // The collection appends; it never empties the table itself.
    EXPECT_FALSE(gfSetSeasonTallicor(1));
    EXPECT_FALSE(gfSetSeasonTallicor(1));
    EXPECT_EQ(gSeasonScores.size(), 2u);
}

TEST_F(SeasonCollect, TrappedErrorsShowTheProcedureAndKeepWhatWasCollected)
{
    Game good;
    good.players = {{1, {"3,3,3,3", "3,3,3,3"}}};
    addGame(good);
    Game bad;
    bad.players = {{2, {"3,3,3,99999999999", ""}}};
    addGame(bad);

    EXPECT_TRUE(gfSetSeasonTallicor(1));
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt,
              "pfReadSeasonScore()::" + descriptionOf(&vb::raiseOverflow));
    EXPECT_EQ(recordingUi().messages[0].title, "System error");
    EXPECT_EQ(gSeasonScores.size(), 1u);
    EXPECT_TRUE(gIniExSections.empty());

    resetRecordingUi();
    gsClearCalcResults();
    gSelectedGames = {0, 5};
    EXPECT_TRUE(gfSetSeasonTallicor(1));
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt,
              "gfSetSeasonTallicor()::" + descriptionOf(&vb::raiseSubscriptOutOfRange));
    EXPECT_EQ(recordingUi().messages[0].title, "System error");
    EXPECT_EQ(gSeasonScores.size(), 1u);
}

TEST_F(SeasonCollect, SortByPlayerDateAndGameIndex)
{
    Game may;
    may.date = "2008/05/03";
    may.players = {{2, {"3,3,3,3"}}, {1, {"3,3,3,3"}}};
    Game april = may;
    april.date = "2008/04/12";
    Game undated = may;
    undated.date = "未定";
    addGame(may);      // 0
    addGame(april);    // 1
    addGame(undated);  // 2
    addGame(april);    // 3
    ASSERT_FALSE(gfSetSeasonTallicor(8));
    ASSERT_FALSE(gfSortSeasonTallicor());

    std::vector<std::pair<Long, Long>> order;
    for (const SeasonScore& s : gSeasonScores)
        order.emplace_back(s.IDNo, s.GameNo);
    const std::vector<std::pair<Long, Long>> expected = {
        {1, 1}, {1, 3}, {1, 0}, {1, 2}, {2, 1}, {2, 3}, {2, 0}, {2, 2}};
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(recordingUi().messages.empty());
}

// The personal ranking: through the page dump tool with a category (its
// title, the ranks renumbered within it, the birthday tie-break and era
// birthdays, the stroke classes limited by JudgeDaSu, thick lines by
// complete rounds) and with a group filter (ranks jump); loaded directly for
// the round columns by number of rounds and the rounds the page refuses.

#include "gamepages_support.h"

#include "core/printstate.h"
#include "reports/game/frmPfPersonRanking.h"

#include <algorithm>

namespace {

using namespace gamepages;

class PersonRankingPageTest : public GamePagesTest {
protected:
    // Men of 60 to 69 at the game date ranked with two stroke classes and
    // the birthday; a woman and a man of 50 outside the category score
    // better. Player 3 is of group 2, the others of group 1.
    QString categoryGame()
    {
        gGame = gameHeader(2, 3);
        gGame.HandiCapKind = 1;
        gGame.JudgeDaSu = 2;
        gGame.JudgeBirthday = 1;
        gGame.CategoryGender = 1;
        gGame.CategoryAgeLow = 60;
        gGame.CategoryAgeHigh = 69;
        addGroup(1, QStringLiteral("Ａクラブ"));
        addGroup(2, QStringLiteral("Ｂクラブ"));
        const struct {
            Long id;
            const char* name;
            const char* birthday;
            Integer gender;
            std::initializer_list<const char*> rounds;
            Long handicap;
        } players[] = {
            {1, "一郎", "1948/05/01", 1, {"1 3", "3 3", "3 3"}, 2},   // 62, net 13 + 2
            {2, "二郎", "1945/01/01", 1, {"2 3", "3 3", "2 3"}, 0},   // 65, net 16
            {3, "三郎", "1947/01/01", 1, {"2 3", "3 3", "2 3"}, 0},   // 63, younger: after 2 and 4
            {4, "四郎", "1945/01/01", 1, {"2 3", "3 3", "2 3"}, 0},   // ties with 2
            {5, "花子", "1948/01/01", 2, {"1 1", "1 2", "2 2"}, 0},   // a woman
            {6, "六郎", "1960/01/01", 1, {"2 2", "3 3", "2 2"}, 0},   // 50
            {7, "七郎", "1946/01/01", 1, {"3 3", "3 .", "3 3"}, 0},   // two complete rounds
            {8, "八郎", "1944/02/02", 1, {". .", ". .", ". ."}, 0},   // none
        };
        for (const auto& p : players) {
            addMember(p.id, QString::fromUtf8(p.name), QString::fromUtf8(p.birthday), p.gender, p.id == 3 ? 2 : 1);
            addPlayer(p.id, p.rounds, QString(), p.handicap);
        }
        return storeGame();
    }
};

TEST_F(PersonRankingPageTest, CategoryTitleRenumberedRanksAndTieBreaks)
{
    const PageDump d = dump(categoryGame(), 2);
    ASSERT_EQ(d.pages, 1);
    EXPECT_EQ(d.caption(1, "lblScorePage"), QStringLiteral("部門別（男子：60歳～69歳）順位表（1/1）"));
    EXPECT_EQ(d.caption(1, "lblEntryNum"), QStringLiteral("参加 8名"));
    EXPECT_EQ(d.caption(1, "lblHcTitle"), "Hc");

    // Ranks within the category; 2 and 4 share a birthday and a rank (in
    // either order), 3 is younger.
    EXPECT_EQ(d.captions(1, "lblNo"), QStringList({"1", "2", "2", "4", "5", "6"}));
    const QStringList names = d.captions(1, "lblName");
    ASSERT_EQ(names.size(), 6);
    EXPECT_EQ(names[0], QStringLiteral("一郎"));
    QStringList tied = names.mid(1, 2);
    tied.sort();
    EXPECT_EQ(tied, QStringList({QStringLiteral("二郎"), QStringLiteral("四郎")}));
    EXPECT_EQ(names.mid(3), QStringList({QStringLiteral("三郎"), QStringLiteral("七郎"), QStringLiteral("八郎")}));

    // Player 1: rounds, totals with the handicap, one stroke class shown.
    EXPECT_EQ(d.caption(1, "lblAge(1)"), "(62,M)");
    EXPECT_EQ(d.captions(1, "lblRound").mid(0, 3), QStringList({"4", "6", "6"}));
    EXPECT_EQ(d.label(1, "lblRound(2)").mid(0, 3), QStringList({"3980", "1260", "1160"}));
    EXPECT_EQ(d.caption(1, "lblJituDa(1)"), "16");
    EXPECT_EQ(d.caption(1, "lblHc(1)"), "2");
    EXPECT_EQ(d.caption(1, "lblGoukei(1)"), "15");
    EXPECT_EQ(d.captions(1, "lblHits").mid(0, 5), QStringList({"1", "0", "-", "-", "-"}));
    EXPECT_EQ(d.label(1, "lblHits(2)").value(0), "8340");
    EXPECT_EQ(d.caption(1, "lblBirthday(1)"), "S23/05/01");
    EXPECT_EQ(d.caption(1, "lblHc(2)"), "0");   // a handicap of 0 with a complete round

    // Player 7: round 2 incomplete; player 8: nothing complete, but the
    // birthday still shows.
    EXPECT_EQ(d.captions(1, "lblRound").mid(12), QStringList({"6", "-", "6", "-", "-", "-"}));
    for (const char* c : {"lblJituDa(6)", "lblHc(6)", "lblGoukei(6)"})
        EXPECT_EQ(d.caption(1, c), "-") << c;
    EXPECT_EQ(d.captions(1, "lblHits").mid(25), QStringList({"-", "-", "-", "-", "-"}));
    EXPECT_EQ(d.caption(1, "lblBirthday(6)"), "S19/02/02");

    // Thick lines open the page and each run of fewer complete rounds.
    EXPECT_EQ(d.elements("line", 1, "linFutoYoko"),
              QStringList({"linFutoYoko(1) 240 1200 11040 1200 2", "linFutoYoko(2) 240 2640 11040 2640 2",
                           "linFutoYoko(3) 240 3000 11040 3000 2", "linFutoYoko(4) 240 3360 11040 3360 2"}));
    EXPECT_EQ(d.elements("line", 1, "linHosoYoko").size(), 3);
    EXPECT_EQ(d.captions(1, "lblRoundNo"), QStringList({"R1", "R2", "R3"}));
    EXPECT_EQ(d.label(1, "lblRoundNo(1)").mid(5, 3), QStringList({QStringLiteral("ＭＳ Ｐゴシック"), "9", "1"}));
    EXPECT_EQ(d.line(1, "linRoundTate(2)"), QStringList({"5140", "840", "5140", "3360", "1"}));
}

TEST_F(PersonRankingPageTest, GroupFilterPrintsTheRanksOfTheWholeRanking)
{
    const PageDump d = dump(categoryGame(), 2, 1);
    EXPECT_EQ(d.captions(1, "lblNo"), QStringList({"1", "2", "2", "5", "6"}));
    EXPECT_EQ(d.caption(1, "lblEntryNum"), QStringLiteral("参加 8名"));
}

TEST_F(PersonRankingPageTest, NobodyInTheCategoryIsNothingToPrint)
{
    gGame = gameHeader(2, 1);
    gGame.CategoryGender = 2;
    addMember(1, QStringLiteral("一郎"), QStringLiteral("1948/05/01"), 1);
    addPlayer(1, {"3 3"});
    const reptest::ToolRun r = runReport(storeGame(), 2);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.errors.trimmed(), QStringLiteral("ｴﾗｰ: 印刷データはありません。"));
}

// Loaded directly: the round band by number of rounds, and the rounds that
// end in the page's error message instead of a crash.
class PersonRankingFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        gGame = gameHeader(2, 1);
        gMemberList.clear();
        gRanking.assign(1, PersonRank{});
        gRanking[0].IDNo = 1;
        gRanking[0].Rank = 1;
        glngExtractBelong = 0;
    }
    static std::unique_ptr<print::PageForm> load(Integer page)
    {
        gintPageNo = page;
        gintPageCount = 1;
        return print::loadPageForm(print::pageFormFactory<frmPfPersonRanking>());
    }
};

TEST_F(PersonRankingFormTest, RoundColumnsDivideTheBandHalvesToEven)
{
    const struct {
        Integer rounds;
        double width;
        double lastEnd;
    } cases[] = {{1, 3480, 6300}, {2, 1740, 6300}, {5, 696, 6300}, {7, 497, 6299}, {9, 387, 6303}, {10, 348, 6300}};
    for (const auto& c : cases) {
        gGame.Round = c.rounds;
        const auto f = load(1);
        const print::Control& last = f->control("lblRoundNo", c.rounds);
        EXPECT_EQ(last.width, c.width) << c.rounds;
        EXPECT_EQ(last.left + last.width, c.lastEnd) << c.rounds;
        EXPECT_EQ(f->control("lblRound", c.rounds).left, last.left) << c.rounds;
        EXPECT_EQ(f->loadedCount("linRoundTate"), c.rounds - 1);
    }
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(PersonRankingFormTest, NoRoundsOrMoreThanTenEndInTheErrorMessage)
{
    for (Integer rounds : {0, 11}) {
        resetRecordingUi();
        gGame.Round = rounds;
        load(rounds == 0 ? -1 : 1);
        const auto& m = recordingUi().messages;
        ASSERT_EQ(m.size(), 2u) << rounds;
        EXPECT_TRUE(m[0].prompt.startsWith(QStringLiteral("frmPfPersonRanking::pfDataSet(): "))) << rounds;
        EXPECT_EQ(m[0].title, QStringLiteral("エラー"));
        EXPECT_EQ(m[1].prompt, QStringLiteral("印刷中にエラーが発生しました！ 再実行してください。"));
    }
}

}  // namespace

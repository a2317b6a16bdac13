// The game window: opening a stored or a new game, the participants and score
// grids, the result tabs, the caption, saving, the question on closing and the
// window geometry.
#include "game/frmParvona.h"

#include "core/core.h"
#include "core/ini.h"
#include "core/printstate.h"
#include "grid/uctMyGrid.h"
#include "platform/vbruntime.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"
#include "test_game_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>

struct frmParvonaTestAccess {
    static Integer modified(const frmParvona* w) { return w->mModified; }
    static Integer currentTab(const frmParvona* w) { return w->mCurrentTab; }
    static void afterScoreEntry(frmParvona* w, Long index) { w->psSetList1_After_ScoreEntry(index); }
};

namespace {

using Access = frmParvonaTestAccess;

constexpr quint32 kButtonFace = 0x8000000Fu;
constexpr quint32 kGreyText = 0x80000011u;
constexpr quint32 kGrey = 0xF0F0F0u;
constexpr quint32 kLightBlue = 0xFFF0F0u;
constexpr quint32 kLightRed = 0xF0F0FFu;
constexpr quint32 kWhite = 0xFFFFFFu;

using testsupport::addMember;
using testsupport::addPlayer;
using gametest::cell;

quint32 back(const uctMyGrid* g, int col, int row)
{
    const MGCell* c = g->cellAt(col, row);
    return c ? static_cast<quint32>(c->BackColor.toLongLong()) : 0xDEADu;
}

quint32 fore(const uctMyGrid* g, int col, int row)
{
    const MGCell* c = g->cellAt(col, row);
    return c ? static_cast<quint32>(c->ForeColor.toLongLong()) : 0xDEADu;
}

QStringList rowTexts(const uctMyGrid* g, int row)
{
    QStringList out;
    for (int c = 0; c < g->colCount(); ++c)
        out << cell(g, c, row);
    return out;
}

class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testsupport::pointDataPathsAt(dir.path());
        QDir().mkpath(gstrTempFolder);
        gfWriteIniFile(gstrSeriesFile, QStringLiteral("Series1"), QStringLiteral("Name"), QStringLiteral("春季リーグ"));

        gametest::clearGameTables();
        addMember(1, QStringLiteral("山田太郎"), QStringLiteral("1950/04/01"), 1, 1, QStringLiteral("東京都千代田区"));
        addMember(2, QStringLiteral("佐藤花子"), QStringLiteral("1960/12/31"), 2, 0, QString());
        addMember(3, QStringLiteral("鈴木一郎"), QString(), 1, 0, QStringLiteral("大阪"));
        BelongInfo b;
        b.BelongID = 1;
        b.Name = QStringLiteral("北クラブ");
        gBelongList.push_back(b);

        gGame = gametest::fixtureGameHeader();
        gGame.SeriesID = 1;

        resetRecordingUi();
        closedSignals = 0;
    }

    void TearDown() override
    {
        if (window)
            delete window.data();
        resetRecordingUi();
    }

    // Stores the fixture game (three players, two rounds of three holes)
    // as a game file and leaves only its header in gGame, as the main window
    // hands it over.
    void storeFixtureGame()
    {
        gScoreLines.clear();
        addPlayer(1, {"2 1 3", "4 . 5"}, QStringLiteral("A"), 0, 1);
        addPlayer(2, {"1 1 1", "2 2 2"}, QStringLiteral("B"), -5);
        addPlayer(3, {"3 3 3", "10 3 3"}, QStringLiteral("A"));
        storeGame();
    }

    void storeGame()
    {
        gsScoreLinesToData();
        gamePath = gfGameDataSave();
        ASSERT_FALSE(gamePath.isEmpty());
        ASSERT_FALSE(gGame.GameFileName.isEmpty());
        gsClearCalcResults();
        gScoreData.clear();
        gNewEntries.clear();
    }

    void newGameWithEntries()
    {
        gGame.GameFileName.clear();
        gGame.Tittle = QStringLiteral("新春大会");
        gNewEntries.clear();
        gNewEntries.push_back({2, QStringLiteral("B")});
        gNewEntries.push_back({1, QString()});
    }

    frmParvona* open()
    {
        window = new frmParvona();
        QObject::connect(window.data(), &frmParvona::closed, [this] { ++closedSignals; });
        return window.data();
    }

    uctMyGrid* grid(const char* name) const { return window->findChild<uctMyGrid*>(QLatin1String(name)); }
    QTabBar* tabs() const { return window->findChild<QTabBar*>(QStringLiteral("tabBody")); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(QLatin1String(name)); }
    QString label(const char* name) const { return window->findChild<QLabel*>(QLatin1String(name))->text(); }

    // Chooses a tab as the user does (1-based).
    void chooseTab(int k) { tabs()->setCurrentIndex(k - 1); }

    // Closes the window; true when it went away.
    bool closeWindow()
    {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    int gameFileCount() const
    {
        return QDir(gstrGamesFolder).entryList({QStringLiteral("*.tcg")}, QDir::Files).size();
    }

    QTemporaryDir dir;
    QString gamePath;
    QPointer<frmParvona> window;
    // closed() signals of the window.
    int closedSignals = 0;
};

// ---------------------------------------------------------------- opening

TEST_F(GameWindowTest, StoredGameOpensUnmodifiedOnTheParticipantsTab)
{
    storeFixtureGame();
    frmParvona* w = open();

    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tallicor - 春季リーグ - 春季大会"));
    EXPECT_EQ(label("lblTittle"), QStringLiteral("春季大会"));
    EXPECT_EQ(label("lblDate"), QStringLiteral("令和8年5月10日(日)"));
    EXPECT_EQ(label("lblEntryNum"), QStringLiteral("参加 3名、2ﾁｰﾑ"));
    EXPECT_EQ(gintPrintEntryNum, 3);
    EXPECT_EQ(gintPrintTeamNum, 2);
    EXPECT_EQ(Access::modified(w), 0);
    EXPECT_TRUE(gbolGameUnsaved);
    EXPECT_EQ(gScoreLines.size(), 6u);

    ASSERT_EQ(tabs()->count(), 6);
    const QStringList captions = {QStringLiteral(" 参加者一覧 "), QStringLiteral(" ☆　スコア　☆ "),
                                  QStringLiteral(" 総合順位 "),   QStringLiteral(" ﾍﾞｽﾄ･ﾗｳﾝﾄﾞ "),
                                  QStringLiteral(" ﾁｰﾑ一覧 "),    QStringLiteral(" ﾁｰﾑ順位 ")};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(tabs()->tabText(i), captions[i]);
    EXPECT_EQ(Access::currentTab(w), 1);
    EXPECT_FALSE(grid("uctGridList0")->isHidden());
    EXPECT_TRUE(grid("uctGridList")->isHidden());
    EXPECT_FALSE(button("btnAddMember0")->parentWidget()->isHidden());
    EXPECT_TRUE(button("btnScore")->parentWidget()->isHidden());

    // Every command is available.
    for (const char* name : {"btnAddMember0", "btnDeleteMember0", "btnTeam", "btnGotoScore", "btnGrouping",
                             "btnScore", "btnGotoScore2", "btnGameInfo", "btnCategory", "btnPrint", "btnSave",
                             "btnExit"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
}

TEST_F(GameWindowTest, NewGameOpensModifiedWithRoundLinesPerEntry)
{
    newGameWithEntries();
    frmParvona* w = open();

    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tallicor - 春季リーグ - 新しいゲーム *"));
    EXPECT_EQ(Access::modified(w), 1);
    ASSERT_EQ(gScoreLines.size(), 4u);
    const Long ids[4] = {2, 2, 1, 1};
    const Integer rounds[4] = {1, 2, 1, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(gScoreLines[i].IDNo, ids[i]);
        EXPECT_EQ(gScoreLines[i].RoundNo, rounds[i]);
        EXPECT_EQ(gScoreLines[i].TeamID, i < 2 ? QStringLiteral("B") : QString());
        EXPECT_TRUE(gScoreLines[i].Holes[0].isEmpty());
        EXPECT_EQ(gScoreLines[i].Handicap, 0);
    }
    EXPECT_EQ(grid("uctGridList0")->gfRowCount(), 3);
    EXPECT_EQ(cell(grid("uctGridList0"), 2, 1), QStringLiteral("佐藤花子"));
}

TEST_F(GameWindowTest, NewGameWithoutEntriesOrSeriesShowsEmptyGrids)
{
    gGame.SeriesID = 0;
    gGame.GameFileName.clear();
    frmParvona* w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tallicor -  - 新しいゲーム *"));
    EXPECT_EQ(grid("uctGridList0")->gfRowCount(), 1);
    EXPECT_EQ(grid("uctGridList0")->colCount(), 8);
    EXPECT_EQ(grid("uctGridList")->gfRowCount(), 1);
    EXPECT_EQ(grid("uctGridList")->colCount(), 3 + 15);
    EXPECT_EQ(label("lblEntryNum"), QStringLiteral("参加 0名"));
    EXPECT_TRUE(recordingUi().messages.empty());
}

// ---------------------------------------------------------------- grids

TEST_F(GameWindowTest, ParticipantsGridShowsOnePlayerPerRow)
{
    storeFixtureGame();
    open();
    const uctMyGrid* g = grid("uctGridList0");
    ASSERT_EQ(g->gfRowCount(), 4);
    EXPECT_EQ(rowTexts(g, 0), QStringList({"No.", "チーム", "名前", "年令", "性別", "地域", "所属", "RG"}));
    EXPECT_EQ(rowTexts(g, 1), QStringList({"1", "A", "山田太郎", "76", "男", "東京都千代", "北クラブ", "1"}));
    EXPECT_EQ(rowTexts(g, 2), QStringList({"2", "B", "佐藤花子", "65", "女", "", "", ""}));
    EXPECT_EQ(rowTexts(g, 3), QStringList({"3", "A", "鈴木一郎", "-", "男", "大阪", "", ""}));
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(g->gfGetRowItemData(r), (r - 1) * 2 + 1);

    // Row 2 tinted light blue except its "No." and "チーム" cells.
    EXPECT_EQ(back(g, 0, 2), kButtonFace);
    EXPECT_EQ(back(g, 1, 2), kGrey);
    for (int c = 2; c < 8; ++c) {
        EXPECT_EQ(back(g, c, 2), kLightBlue) << c;
        EXPECT_EQ(back(g, c, 1), kWhite) << c;
    }
}

TEST_F(GameWindowTest, ScoreGridShowsRoundTalliesAndGameTotals)
{
    storeFixtureGame();
    open();
    const uctMyGrid* g = grid("uctGridList");
    ASSERT_EQ(g->colCount(), 3 + 15);
    ASSERT_EQ(g->gfRowCount(), 7);
    EXPECT_EQ(rowTexts(g, 0), QStringList({"No.", "名前", "年令", "性別", "R", "1", "2", "3", "実打", "H", "小計",
                                           "Hc", "合計", "1打", "2打", "3打", "4打", "5打"}));
    // Player 1: a complete round 2 1 3 and a round with a hole missing.
    EXPECT_EQ(rowTexts(g, 1), QStringList({"1", "山田太郎", "76", "男", "1", "2", "①", "3", "6", "1", "3", "0",
                                           "3", "1", "1", "1", "0", "0"}));
    EXPECT_EQ(rowTexts(g, 2), QStringList({"", "<1> [ A ]", "", "", "2", "4", "-", "5", "-", "-", "-", "", "",
                                           "-", "-", "-", "-", "-"}));
    // Player 2: three holes-in-one, then 2 2 2; the handicap -5 is added once.
    EXPECT_EQ(rowTexts(g, 3), QStringList({"2", "佐藤花子", "65", "女", "1", "①", "①", "①", "3", "3", "-6", "-5",
                                           "-5", "3", "0", "0", "0", "0"}));
    EXPECT_EQ(rowTexts(g, 4), QStringList({"", "[ B ]", "", "", "2", "2", "2", "2", "6", "0", "6", "", "", "0",
                                           "3", "0", "0", "0"}));
    // Player 3: 10 strokes count in no class.
    EXPECT_EQ(rowTexts(g, 6), QStringList({"", "[ A ]", "", "", "2", "10", "3", "3", "16", "0", "16", "", "", "0",
                                           "0", "2", "0", "0"}));
    EXPECT_EQ(cell(g, 12, 5), QStringLiteral("25"));
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(g->gfGetRowItemData(r), r);

    // The second player's rows are light red except the coloured columns.
    for (int r : {3, 4}) {
        for (int c = 0; c < g->colCount(); ++c) {
            quint32 expected = kLightRed;
            if (c == 0)
                expected = kButtonFace;
            else if (c == 4 || c == 8 || c == 10 || c == 12)
                expected = kGrey;
            EXPECT_EQ(back(g, c, r), expected) << "row " << r << " col " << c;
        }
    }
    EXPECT_EQ(back(g, 5, 1), kWhite);
    EXPECT_EQ(back(g, 5, 5), kWhite);
    EXPECT_EQ(fore(g, 1, 2), kGreyText);
    EXPECT_TRUE(g->cellAt(12, 0)->FontBold);
    EXPECT_TRUE(g->cellAt(12, 3)->FontBold);
    EXPECT_FALSE(g->cellAt(11, 3)->FontBold);
}

TEST_F(GameWindowTest, ScoreGridWithoutHandicapsOrCompleteRounds)
{
    gGame.HandiCapKind = 0;
    gGame.Round = 1;
    gScoreLines.clear();
    addPlayer(1, {"2 1 3"}, QString());
    addPlayer(2, {"1 1 1"}, QString(), -5);
    storeGame();
    open();
    const uctMyGrid* g = grid("uctGridList");
    ASSERT_EQ(g->colCount(), 3 + 14);
    EXPECT_EQ(cell(g, 10, 0), QStringLiteral("小計"));
    EXPECT_EQ(cell(g, 11, 0), QStringLiteral("合計"));
    // A one-round game has its total in the same row.
    EXPECT_EQ(cell(g, 11, 1), QStringLiteral("3"));
    EXPECT_EQ(cell(g, 11, 2), QStringLiteral("-6"));
    EXPECT_EQ(cell(g, 1, 2), QStringLiteral("佐藤花子"));
}

TEST_F(GameWindowTest, PlayerWithoutCompleteRoundShowsDashTotal)
{
    gGame.GameFileName.clear();
    gNewEntries.push_back({3, QString()});
    open();
    const uctMyGrid* g = grid("uctGridList");
    EXPECT_EQ(rowTexts(g, 1), QStringList({"1", "鈴木一郎", "-", "男", "1", "-", "-", "-", "-", "-", "-", "0", "-",
                                           "-", "-", "-", "-", "-"}));
}

TEST_F(GameWindowTest, RedrawingOnePlayerKeepsSelectionAndOtherRows)
{
    storeFixtureGame();
    frmParvona* w = open();
    uctMyGrid* g = grid("uctGridList");
    g->gsSetSelectRow(4);
    ASSERT_TRUE(g->gfGetRowSelected(4));

    // Player 2 finishes a new round 2; player 1's data changes behind the
    // grid's back and must not be redrawn.
    gScoreLines[3].Holes = {QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("1")};
    gScoreLines[2].TeamID = gScoreLines[3].TeamID = QStringLiteral("C");
    gScoreLines[3].RoundGNo = gScoreLines[2].RoundGNo = 2;
    gScoreLines[0].Holes[0] = QStringLiteral("9");
    Access::afterScoreEntry(w, 3);

    EXPECT_EQ(rowTexts(g, 4), QStringList({"", "<2> [ C ]", "", "", "2", "3", "3", "①", "7", "1", "4", "", "",
                                           "1", "0", "2", "0", "0"}));
    EXPECT_EQ(cell(g, 12, 3), QStringLiteral("-7"));   // -6 + 4 - 5
    EXPECT_EQ(cell(g, 5, 1), QStringLiteral("2"));
    EXPECT_TRUE(g->gfGetRowSelected(4));
    EXPECT_FALSE(g->gfGetRowSelected(3));
    EXPECT_EQ(back(g, 5, 4), kLightRed);
    EXPECT_TRUE(recordingUi().messages.empty());
}

// ---------------------------------------------------------------- result tabs

TEST_F(GameWindowTest, RankingTabShowsTheCoreRanking)
{
    storeFixtureGame();
    frmParvona* w = open();
    gRanking.clear();
    chooseTab(3);
    EXPECT_EQ(Access::currentTab(w), 3);
    EXPECT_FALSE(grid("uctGridList2")->isHidden());
    EXPECT_TRUE(grid("uctGridList0")->isHidden());
    EXPECT_FALSE(button("btnGotoScore2")->parentWidget()->isHidden());

    const uctMyGrid* g = grid("uctGridList2");
    ASSERT_EQ(gRanking.size(), 3u);
    ASSERT_EQ(g->gfRowCount(), 4);
    ASSERT_EQ(g->colCount(), 2 + 14);
    EXPECT_EQ(rowTexts(g, 0), QStringList({"順位", "名前", "年令", "性別", "R1", "R2", "実打数", "H", "Hc", "合計",
                                           "1打", "2打", "3打", "4打", "5打", "生年月日"}));
    // Complete rounds first, then the lower net.
    EXPECT_EQ(rowTexts(g, 1), QStringList({"1", "佐藤花子", "65", "女", "3", "6", "9", "3", "-5", "-5", "3", "3",
                                           "0", "-", "-", "S35/12/31"}));
    EXPECT_EQ(rowTexts(g, 2), QStringList({"2", "鈴木一郎", "-", "男", "9", "16", "25", "0", "0", "25", "0", "0",
                                           "5", "-", "-", ""}));
    EXPECT_EQ(rowTexts(g, 3), QStringList({"3", "山田太郎", "76", "男", "6", "-", "6", "1", "0", "3", "1", "1",
                                           "1", "-", "-", "S25/04/01"}));
    for (size_t k = 0; k < gRanking.size(); ++k) {
        const int row = static_cast<int>(k) + 1;
        EXPECT_EQ(cell(g, 0, row), QString::number(gRanking[k].Rank));
        EXPECT_EQ(cell(g, 9, row), QString::number(gRanking[k].Net));
        EXPECT_EQ(g->gfGetRowItemData(row), row);
    }
    EXPECT_EQ(back(g, 1, 2), 0xFAFAE6u);
    EXPECT_EQ(back(g, 1, 1), kWhite);
    EXPECT_EQ(back(g, 4, 2), kGrey);
    EXPECT_TRUE(g->cellAt(9, 1)->FontBold);
    EXPECT_EQ(label("lblEntryNum"), QStringLiteral("参加 3名、2ﾁｰﾑ"));
}

TEST_F(GameWindowTest, RankingTabAppliesTheCategory)
{
    gGame.CategoryGender = 1;
    storeFixtureGame();
    open();
    EXPECT_TRUE(tabs()->tabText(2).startsWith(QStringLiteral(" 部門別（")));
    EXPECT_TRUE(tabs()->tabText(2).endsWith(QStringLiteral("）順位 ")));
    chooseTab(3);
    const uctMyGrid* g = grid("uctGridList2");
    ASSERT_EQ(g->gfRowCount(), 3);
    EXPECT_EQ(cell(g, 1, 1), QStringLiteral("鈴木一郎"));
    EXPECT_EQ(cell(g, 1, 2), QStringLiteral("山田太郎"));
    EXPECT_EQ(cell(g, 0, 1), QStringLiteral("1"));
    EXPECT_EQ(cell(g, 0, 2), QStringLiteral("2"));
}

TEST_F(GameWindowTest, BestRoundTabShowsEachPlayersBestRound)
{
    storeFixtureGame();
    open();
    chooseTab(4);
    const uctMyGrid* g = grid("uctGridList4");
    ASSERT_EQ(g->colCount(), 3 + 14);
    ASSERT_EQ(g->gfRowCount(), static_cast<int>(gRoundRanking.size()) + 1);
    ASSERT_EQ(gRoundRanking.size(), 3u);
    EXPECT_EQ(rowTexts(g, 0), QStringList({"順位", "名前", "年令", "性別", "R", "1", "2", "3", "実打", "H", "合計",
                                           "1打", "2打", "3打", "4打", "5打", "生年月日"}));
    for (size_t k = 0; k < gRoundRanking.size(); ++k) {
        const RoundRank& r = gRoundRanking[k];
        const int row = static_cast<int>(k) + 1;
        EXPECT_EQ(cell(g, 0, row), QString::number(r.Rank));
        EXPECT_EQ(cell(g, 4, row), QString::number(r.RoundNo));
        EXPECT_EQ(cell(g, 10, row), QString::number(r.Net));
    }
    EXPECT_EQ(rowTexts(g, 1), QStringList({"1", "佐藤花子", "65", "女", "1", "①", "①", "①", "3", "3", "-6", "3",
                                           "0", "0", "-", "-", "S35/12/31"}));
    EXPECT_EQ(back(g, 2, 2), kLightBlue);
    EXPECT_EQ(label("lblEntryNum"), QStringLiteral("参加 3名、2ﾁｰﾑ"));
}

TEST_F(GameWindowTest, TeamTabsShowTheTeamListAndRanking)
{
    storeFixtureGame();
    gGame.TeamHowtoRank = 1;
    frmParvona* w = open();
    chooseTab(5);
    const uctMyGrid* g = grid("uctGridList6");
    ASSERT_EQ(gRanking.size(), 3u);
    ASSERT_EQ(g->colCount(), 12);
    // Team blocks: number and team on the first row of each block only.
    QStringList firstCols;
    for (int r = 1; r <= 3; ++r)
        firstCols << cell(g, 0, r) + "|" + cell(g, 1, r) + "|" + cell(g, 2, r);
    const bool aFirst = gRanking[0].TeamID == QStringLiteral("A");
    if (aFirst)
        EXPECT_EQ(firstCols, QStringList({"1|A|M1", "||M2", "2|B|M1"}));
    else
        EXPECT_EQ(firstCols, QStringList({"1|B|M1", "2|A|M1", "||M2"}));
    for (int r = 1; r <= 3; ++r) {
        const PersonRank& p = gRanking[r - 1];
        EXPECT_EQ(cell(g, 11, r), vb::FormatRatio(p.Net, p.Rounds, QStringLiteral("0.00"))) << r;
        EXPECT_TRUE(g->cellAt(11, r)->FontBold);
        EXPECT_FALSE(g->cellAt(10, r)->FontBold);
        // The second block is banded.
        const bool secondBlock = aFirst ? r == 3 : r >= 2;
        EXPECT_EQ(back(g, 3, r), secondBlock ? 0xF0FFF0u : kWhite) << r;
    }
    EXPECT_EQ(label("lblEntryNum"), QStringLiteral("参加 2ﾁｰﾑ、3名"));

    chooseTab(6);
    const uctMyGrid* t = grid("uctGridList7");
    ASSERT_EQ(gTeamRanking.size(), 2u);
    ASSERT_EQ(t->colCount(), 6 + 2);
    EXPECT_EQ(rowTexts(t, 0), QStringList({"順位", "チーム", "人数", "R数", "合計", "R平均", "M1", "M2"}));
    for (int r = 1; r <= 2; ++r) {
        const TeamRank& tr = gTeamRanking[r - 1];
        EXPECT_EQ(cell(t, 1, r), tr.TeamID);
        EXPECT_EQ(cell(t, 2, r), QString::number(tr.Members));
        EXPECT_EQ(cell(t, 5, r), vb::FormatRatio(tr.Net, tr.Rounds, QStringLiteral("0.000")));
        const PersonRank& m1 = gRanking[tr.FirstRow];
        EXPECT_EQ(cell(t, 6, r), vb::FormatRatio(m1.Net, m1.Rounds, QStringLiteral("0.00")));
        if (tr.Members == 1) {
            EXPECT_EQ(cell(t, 7, r), QString());
        } else {
            const PersonRank& m2 = gRanking[tr.FirstRow + 1];
            EXPECT_EQ(cell(t, 7, r), vb::FormatRatio(m2.Net, m2.Rounds, QStringLiteral("0.00")));
        }
        EXPECT_TRUE(t->cellAt(5, r)->FontBold);
    }
    EXPECT_TRUE(button("btnGotoScore2")->parentWidget()->isHidden());
    EXPECT_FALSE(button("btnSave")->parentWidget()->isHidden());

    // Back to the participants: the team label stays.
    chooseTab(1);
    EXPECT_EQ(label("lblEntryNum"), QStringLiteral("参加 2ﾁｰﾑ、3名"));
    chooseTab(2);
    EXPECT_EQ(label("lblEntryNum"), QStringLiteral("参加 3名、2ﾁｰﾑ"));
    EXPECT_EQ(Access::currentTab(w), 2);
    EXPECT_TRUE(recordingUi().messages.empty());
}

// ---------------------------------------------------------------- saving

TEST_F(GameWindowTest, SaveWritesTheGameFile)
{
    storeFixtureGame();
    frmParvona* w = open();
    const QString name = gGame.GameFileName;
    gScoreLines[1].Holes[1] = QStringLiteral("4");   // player 1 completes round 2

    QTest::mouseClick(button("btnSave"), Qt::LeftButton);
    EXPECT_EQ(gGame.GameFileName, name);
    EXPECT_EQ(gameFileCount(), 1);
    EXPECT_EQ(gfReadIniFile(gamePath, QStringLiteral("Score1"), QStringLiteral("Holes")),
              QStringLiteral("2,1,3,4,4,5,"));
    EXPECT_EQ(Access::modified(w), 0);
    EXPECT_FALSE(gbolGameUnsaved);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tallicor - 春季リーグ - 春季大会"));
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(GameWindowTest, SavingANewGameGivesItAFileAndItsTitle)
{
    newGameWithEntries();
    frmParvona* w = open();
    QTest::mouseClick(button("btnSave"), Qt::LeftButton);
    ASSERT_FALSE(gGame.GameFileName.isEmpty());
    EXPECT_TRUE(QFile::exists(gstrGamesFolder + "/" + gGame.GameFileName));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tallicor - 春季リーグ - 新春大会"));
    EXPECT_FALSE(gbolGameUnsaved);
}

TEST_F(GameWindowTest, SaveWithAnInvalidDateIsRefused)
{
    newGameWithEntries();
    gGame.Date = QStringLiteral("unknown");
    frmParvona* w = open();
    EXPECT_EQ(label("lblDate"), QStringLiteral("unknown"));
    QTest::mouseClick(button("btnSave"), Qt::LeftButton);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt,
              QStringLiteral("日付入力に誤りがあります。\n西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\n"
                             "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。"));
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbOKOnly);
    EXPECT_EQ(gameFileCount(), 0);
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral(" *")));

    // Nor can it be closed while modified.
    EXPECT_FALSE(closeWindow());
    EXPECT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(closedSignals, 0);
}

TEST_F(GameWindowTest, FailedSaveKeepsTheGameModified)
{
    newGameWithEntries();
    frmParvona* w = open();
    // The games folder becomes a file: nothing can be written there.
    QDir(gstrGamesFolder).removeRecursively();
    QFile blocker(gstrGamesFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QTest::mouseClick(button("btnSave"), Qt::LeftButton);
    ASSERT_FALSE(recordingUi().messages.empty());
    EXPECT_EQ(recordingUi().messages.back().title, QStringLiteral("System error"));
    EXPECT_EQ(Access::modified(w), 1);
    EXPECT_TRUE(gbolGameUnsaved);
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral(" *")));

    // Yes on closing with a save that fails again: the window stays.
    resetRecordingUi();
    recordingUi().answers.push_back(platform::vbYes);
    EXPECT_FALSE(closeWindow());
    EXPECT_EQ(closedSignals, 0);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("スコア保存確認"));
    EXPECT_EQ(recordingUi().messages[1].title, QStringLiteral("System error"));
    EXPECT_EQ(gScoreLines.size(), 4u);

    // No drops the edits and closes.
    recordingUi().answers.push_back(platform::vbNo);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(closedSignals, 1);
}

// A stored game whose entries could not all be read, or whose holes and
// rounds have no room for its strokes, is shown as far as it was read but
// never saved over its file: the save would drop what was not read.
TEST_F(GameWindowTest, AGameNotReadCompletelyIsNeverSavedOverItsFile)
{
    // A header key written through the profile functions, or a hand edit of
    // the stored text (`value` replaces `key`), or a whole hand-made file.
    struct Case {
        const char* what;
        const char* key;
        const char* value;
        bool edit;
    };
    const Case cases[] = {
        {"an entry count beyond any game", "MaxScoreNo", "2147483647", false},
        {"no rounds", "Round", "0", false},
        {"no holes", "Hole", "0", false},
        {"more holes than a row holds", "Hole", "99", false},
        {"blanks around the count's =", "MaxScoreNo=3\r\n", "MaxScoreNo = 3\r\n", true},
        {"a section in small letters", "[Score1]", "[score1]", true},
        {"a blank before a player's number", "\r\nIDNo=2\r\n", "\r\n IDNo=2\r\n", true},
        {"a short file announcing 32767 entries", nullptr,
         "[Management]\r\nDate=2026/05/10\r\nTittle=x\r\nMaxScoreNo=32767\r\nHole=3\r\nRound=2\r\n"
         "[Ranking]\r\nRealEntries=0\r\n[RoundGrouping]\r\nRGUmu=0\r\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        gGame.Hole = 3;
        gGame.Round = 2;
        storeFixtureGame();
        if (!c.edit) {
            ASSERT_EQ(gfWriteIniFile(gamePath, QStringLiteral("Management"), QString::fromLatin1(c.key),
                                     QString::fromLatin1(c.value)),
                      1);
        } else {
            QFile file(gamePath);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            QByteArray bytes = file.readAll();
            file.close();
            if (c.key) {
                ASSERT_TRUE(bytes.contains(c.key));
                bytes.replace(c.key, c.value);
            } else {
                bytes = c.value;
            }
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
        }
        gsReadGameList();
        ASSERT_EQ(gGameList.size(), 1u);
        gGame = gGameList[0];
        QFile file(gamePath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        file.close();

        resetRecordingUi();
        frmParvona* w = open();
        ASSERT_FALSE(recordingUi().messages.empty());
        EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith(QStringLiteral("スコア・データの読み込みに失敗しました。")));
        EXPECT_TRUE(recordingUi().messages[0].prompt.contains(gGame.GameFileName));

        resetRecordingUi();
        QTest::mouseClick(button("btnSave"), Qt::LeftButton);
        ASSERT_EQ(recordingUi().messages.size(), 1u);
        EXPECT_EQ(recordingUi().messages[0].prompt,
                  QStringLiteral("スコア・データを完全に読み込めなかったため、保存できません。"));
        EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("エラー"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), stored);
        file.close();
        EXPECT_EQ(Access::modified(w), 1);

        // Yes on closing tries the save again and keeps the window; No closes.
        resetRecordingUi();
        recordingUi().answers.push_back(platform::vbYes);
        EXPECT_FALSE(closeWindow());
        recordingUi().answers.push_back(platform::vbNo);
        EXPECT_TRUE(closeWindow());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), stored);
        file.close();
    }
}

// ---------------------------------------------------------------- closing

TEST_F(GameWindowTest, ClosingAModifiedGameAsksAndHonoursTheAnswer)
{
    newGameWithEntries();
    open();

    recordingUi().answers.push_back(platform::vbCancel);
    EXPECT_FALSE(closeWindow());
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("スコア・データを保存します。よろしいですか？"));
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("スコア保存確認"));
    EXPECT_EQ(recordingUi().messages[0].style, platform::vbYesNoCancel);
    EXPECT_EQ(closedSignals, 0);

    recordingUi().answers.push_back(platform::vbNo);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(gameFileCount(), 0);
    EXPECT_EQ(closedSignals, 1);
    EXPECT_TRUE(gbolGameUnsaved);
}

TEST_F(GameWindowTest, ClosingWithYesSavesFirst)
{
    newGameWithEntries();
    open();
    recordingUi().answers.push_back(platform::vbYes);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(gameFileCount(), 1);
    EXPECT_FALSE(gbolGameUnsaved);
    EXPECT_EQ(closedSignals, 1);
}

TEST_F(GameWindowTest, ClosingAnUnmodifiedGameAsksNothing)
{
    storeFixtureGame();
    open();
    EXPECT_TRUE(closeWindow());
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(closedSignals, 1);
}

// ---------------------------------------------------------------- geometry

TEST_F(GameWindowTest, GeometryIsStoredOnClosingAndAppliedOnOpening)
{
    storeFixtureGame();
    const QString section = QStringLiteral("WindowSize");
    auto key = [&](const char* k) { return gfReadIniFile(gstrIniFile, section, QLatin1String(k)); };
    auto put = [&](const char* k, const QString& v) { gfWriteIniFile(gstrIniFile, section, QLatin1String(k), v); };

    // Nothing stored: the designed size.
    frmParvona* w = open();
    const QSize designed = w->size();
    const int designedTop = w->geometry().top();
    w->resize(700, 500);
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(key("Score_WindowState"), QStringLiteral("0"));
    EXPECT_EQ(key("Score_Width"), QStringLiteral("10500"));
    EXPECT_EQ(key("Score_Height"), QStringLiteral("7500"));
    EXPECT_FALSE(key("Score_Top").isEmpty());
    EXPECT_FALSE(key("Score_Left").isEmpty());

    put("Score_Width", "9000");
    put("Score_Height", "7200");
    put("Score_Left", "1500");
    put("Score_Top", "0");
    put("Score_WindowState", "1");
    w = open();
    EXPECT_EQ(w->size(), QSize(600, 480));
    EXPECT_EQ(w->geometry().left(), 100);
    EXPECT_EQ(w->geometry().top(), designedTop);   // a stored 0 is not applied
    EXPECT_FALSE(w->windowState() & Qt::WindowMinimized);
    delete w;

    // A width of 0 applies none of the keys.
    put("Score_Width", "0");
    put("Score_WindowState", "2");
    w = open();
    EXPECT_EQ(w->size(), designed);
    EXPECT_FALSE(w->windowState() & Qt::WindowMaximized);
    delete w;

    put("Score_Width", "9000");
    w = open();
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    delete w;

    // Larger than the screen: cut to the screen.
    put("Score_Width", "999999");
    put("Score_WindowState", "0");
    w = open();
    EXPECT_LE(w->width(), w->screen()->geometry().width());
}

}  // namespace

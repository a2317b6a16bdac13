// One player's season reports through the page dump tool, as the season
// dialog's 個別ゲーム一覧表 (in its three orders) and 個別スコア表 buttons run
// them, the player chooser answered with the player named on the command
// line.
#include "season_pages_support.h"

namespace {

using seasonfx::Game;
using seasonpages::Dump;
using seasonpages::Member;

class SeasonPersonalReportsTest : public seasonpages::SeasonPagesTest {
protected:
    // Player 1 (group 1) plays the three games; player 2 (group 2) only the
    // second. The second game is player 1's best, the third his worst.
    QStringList season()
    {
        writeMembers({{1, "山田太郎", 1, "1950/01/01", 1}, {2, "鈴木花子", 2, "1955/05/05", 2}});
        writeGroups({{1, "青空クラブ", "青空"}, {2, "白雲クラブ", ""}});
        Game a, b, c;
        a.date = "2009/04/01";
        b.date = "2009/05/01";
        c.date = "2009/06/01";
        a.players.push_back({1, {"3,3,3,3", "3,3,3,3"}});
        b.players.push_back({1, {"2,2,2,2", "2,2,2,2"}});
        b.players.push_back({2, {"3,3,3,3", "3,3,3,3"}});
        c.players.push_back({1, {"4,4,4,4", "4,4,4,4"}});
        return writeGames({a, b, c});
    }
};

TEST_F(SeasonPersonalReportsTest, TheChosenPlayersReportsInEachOrder)
{
    const QStringList games = season();
    const struct Case {
        QString report;
        QStringList order;   // the --order option, when given
        QString page;        // the page title of the first page
        QStringList dates;   // the first page's lblDate cells ("" for the score page)
        QString storedOrder; // SeriesPrint_PrivateGames afterwards
    } cases[] = {
        {"personal-games", {"--order", "date"}, "個別ゲーム一覧表（1/1）",
         {"平成21年04月01日(水)", "平成21年05月01日(金)", "平成21年06月01日(月)"}, "0"},
        {"personal-games", {"--order", "result"}, "個別ゲーム一覧表（1/1）",
         {"平成21年05月01日(金)", "平成21年04月01日(水)", "平成21年06月01日(月)"}, "1"},
        {"personal-games", {"--order", "info"}, "個別ゲーム情報表（1/1）",
         {"平成21年04月01日(水)", "平成21年05月01日(金)", "平成21年06月01日(月)"}, "2"},
        // Without --order the dialog's stored order holds.
        {"personal-games", {}, "個別ゲーム情報表（1/1）",
         {"平成21年04月01日(水)", "平成21年05月01日(金)", "平成21年06月01日(月)"}, "2"},
        {"personal-score", {}, "個別スコア表（1/1）", {}, "2"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.report.toStdString() + " " + k.order.join(' ').toStdString());
        const Dump d = run(k.report, games, QStringList{"--player", "1"} + k.order);
        ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
        EXPECT_EQ(d.pages, 1);
        EXPECT_EQ(d.caption(1, "lblScorePage"), k.page);
        EXPECT_TRUE(d.caption(1, "lblScoreTittle").endsWith(QStringLiteral(" ： 【山田太郎】")))
            << d.caption(1, "lblScoreTittle").toStdString();
        EXPECT_EQ(d.caption(1, "lblEntryNum"), "参加 3回");
        if (!k.dates.isEmpty())
            EXPECT_EQ(d.captions(1, "lblDate"), k.dates);
        EXPECT_EQ(gfReadIniFile(gstrIniFile, "Setup", "SeriesPrint_PrivateGames"), k.storedOrder);
    }
    // The chooser accepted the player: its sort tick is stored.
    EXPECT_EQ(gfReadIniFile(gstrIniFile, "Setup", "Sort_at_SelectPrinterMember"), "0");
}

TEST_F(SeasonPersonalReportsTest, APlayerHiddenByTheStoredGroupIsFoundUnderAll)
{
    const QStringList games = season();
    store("SelectPrintMember", "1");   // the chooser opens on 青空クラブ
    const Dump d = run("personal-games", games, {"--player", "2", "--order", "date"});
    ASSERT_EQ(d.exitCode, 0) << d.errors.toStdString();
    EXPECT_TRUE(d.caption(1, "lblScoreTittle").endsWith(QStringLiteral(" ： 【鈴木花子】")));
    EXPECT_EQ(d.captions(1, "lblDate"), QStringList{"平成21年05月01日(金)"});
    EXPECT_EQ(gfReadIniFile(gstrIniFile, "Setup", "SelectPrintMember"), "-1");
}

TEST_F(SeasonPersonalReportsTest, WrongPlayersAndOptionsAreRefused)
{
    const QStringList games = season();
    const struct Case {
        QString report;
        QStringList more;
        QString error;
    } cases[] = {
        // Player 9 played none of the games: the chooser does not offer him.
        {"personal-score", {"--player", "9"}, "player 9 is not among the players of these games"},
        {"personal-games", {}, "personal-games needs --player"},
        {"personal-score", {"--player", "0"}, "--player takes a player's number"},
        {"personal-games", {"--player", "1", "--order", "name"}, "--order takes date, result or info"},
        {"personal-score", {"--player", "1", "--order", "date"}, "--order is only for personal-games"},
        {"entry-list", {"--player", "1"}, "--player is only for personal-games and personal-score"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.report.toStdString() + " " + k.more.join(' ').toStdString());
        const Dump d = run(k.report, games, k.more);
        EXPECT_EQ(d.exitCode, 2);
        EXPECT_TRUE(d.errors.contains(k.error)) << d.errors.toStdString();
        EXPECT_EQ(d.pages, 0);
    }
}

}  // namespace

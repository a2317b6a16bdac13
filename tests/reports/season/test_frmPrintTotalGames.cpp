// The season tally and print dialog: its inputs from the ticked games, the
// defaults and stored options, the minimum boxes, the keys it writes, what
// the games' sizes disable, each report's tally and launcher, the no-data
// message, the category, the personal flows and the error boundary.
#include "season_support.h"

#include "core/ini.h"
#include "core/season.h"
#include "forms/frmCategory.h"
#include "platform/textfile.h"
#include "reports/season/frmPfSeasonTotalRanking.h"
#include "reports/season/frmSelectPrintMember.h"
#include "support/modaldialog.h"
#include "support/recordingui.h"
#include "support/replacecounter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using seasonfx::Game;
using seasonfx::Player;
using seasontest::Preview;

class PrintTotalGamesTest : public seasontest::SeasonFolder {
protected:
    // Three 8 x 3 games of players 1 to 3.
    void threeGames()
    {
        for (Long id : {1, 2, 3})
            member(id, 1, "1950/04/01");
        addGame(evenGame("2009/03/01", 8, 3, {1, 2, 3}));
        addGame(evenGame("2009/04/05", 8, 3, {1, 2}));
        addGame(evenGame("2009/05/10", 8, 3, {1}));
        prepare();
    }

    std::unique_ptr<frmPrintTotalGames> open()
    {
        auto dlg = std::make_unique<frmPrintTotalGames>();
        dlg->show();
        return dlg;
    }

    static QStringList messages()
    {
        QStringList out;
        for (const RecordedMessage& m : recordingUi().messages)
            out << m.title + "|" + m.prompt + "|" + QString::number(m.style);
        return out;
    }
};

// ---------------------------------------------------------------- inputs

TEST_F(PrintTotalGamesTest, InputsFromTheTickedGames)
{
    ASSERT_TRUE(platform::writeTextLinesAtomic(gstrSeriesFile, {"[Series2]", "Name=春季リーグ"}));
    ASSERT_TRUE(platform::writeTextLinesAtomic(gstrCourceFile, {"[Cource3]", "Name=中央公園"}));
    addGame(evenGame("2009/05/10", 8, 3, {}));
    addGame(evenGame("2009/03/01", 8, 2, {}));
    addGame(evenGame("2009/04/05", 6, 3, {}));
    gSeasonGameInfo.HandiCapKind = 7;   // a field the season settings leave alone

    struct Case {
        std::vector<Long> ticked;
        Long series, course;
        QString differ, title1, title2;
        Integer hole, round;
    } cases[] = {
        {{0}, 2, 3, "00", "* 春季リーグ * 中央公園", "8ﾎｰﾙ、3ﾗｳﾝﾄﾞ ： 平成21年5月10日(日)～平成21年5月10日(日)", 8, 3},
        {{0, 1}, 2, -1, "01", "* 春季リーグ * ", "平成21年3月1日(日)～平成21年5月10日(日)", 8, 3},
        {{0, 2}, -1, 3, "10", "中央公園", "平成21年4月5日(日)～平成21年5月10日(日)", 8, 3},
        {{0, 1, 2}, 0, 0, "11", "", "平成21年3月1日(日)～平成21年5月10日(日)", 8, 3},
    };
    for (const Case& c : cases) {
        gSelectedGames = c.ticked;
        prepare(c.series, c.course);
        EXPECT_EQ(gstrSeasonDiffer, c.differ);
        EXPECT_EQ(gstrDialogText2, c.title1);
        EXPECT_EQ(gstrDialogCaption, c.title2);
        EXPECT_EQ(gSeasonGameInfo.Hole, c.hole);
        EXPECT_EQ(gSeasonGameInfo.Round, c.round);
        EXPECT_EQ(gSeasonGameInfo.SeriesID, c.series);
        EXPECT_EQ(gSeasonGameInfo.CourceID, c.course);
        EXPECT_EQ(gSeasonGameInfo.Date, gstrSeasonLastDate);
    }
    EXPECT_EQ(gstrSeasonFirstDate, "2009/03/01");
    EXPECT_EQ(gstrSeasonLastDate, "2009/05/10");
    EXPECT_EQ(gSeasonGameInfo.TeamHowtoRank, 1);
    EXPECT_EQ(gSeasonGameInfo.JudgeDaSu, 5);
    EXPECT_EQ(gSeasonGameInfo.JudgeBirthday, 1);
    EXPECT_EQ(gSeasonGameInfo.CategoryGender, 0);
    EXPECT_EQ(gSeasonGameInfo.CategoryAgeLow, -1);
    EXPECT_EQ(gSeasonGameInfo.CategoryAgeHigh, -1);
    EXPECT_EQ(gSeasonGameInfo.HandiCapKind, 7);
}

// ---------------------------------------------------------------- opening

TEST_F(PrintTotalGamesTest, DefaultMinimumsFromTheNumberOfTickedGames)
{
    struct Case {
        int games;
        Integer hole, round;
        QString game, rounds, holes;
    } cases[] = {
        {3, 8, 3, "2", "5", "40"},    // 1.5 -> 2; 1.5 x 3 = 4.5 -> 5; 5 x 8
        {1, 6, 2, "1", "1", "6"},     // 0.5 -> 1; 0.5 x 2 = 1; 1 x 6
        {4, 8, 3, "2", "6", "48"},
        {5, 4, 1, "3", "3", "12"},
    };
    for (const Case& c : cases) {
        gGameList.clear();
        gSelectedGames.clear();
        for (int g = 0; g < c.games; ++g)
            addGame(evenGame(QString("2009/03/%1").arg(g + 1, 2, 10, QChar('0')), c.hole, c.round, {}));
        prepare();
        frmPrintTotalGames dlg;
        EXPECT_EQ(dlg.txtKiteiGame->text(), c.game) << c.games;
        EXPECT_EQ(dlg.txtKiteiRound->text(), c.rounds) << c.games;
        EXPECT_EQ(dlg.txtKiteiHole->text(), c.holes) << c.games;
    }
}

TEST_F(PrintTotalGamesTest, OpensOnTheStoredOptionsButAlwaysOnTheRoundAverage)
{
    threeGames();
    gstrDialogText2 = "* リーグ * ";
    gstrDialogCaption = "8ﾎｰﾙ、3ﾗｳﾝﾄﾞ ： 期間";
    {
        // Nothing stored: the defaults.
        frmPrintTotalGames dlg;
        EXPECT_EQ(dlg.txtTittle1->text(), "* リーグ * ");
        EXPECT_EQ(dlg.txtTittle2->text(), "8ﾎｰﾙ、3ﾗｳﾝﾄﾞ ： 期間");
        EXPECT_TRUE(dlg.chkEntryBelong->isChecked());
        EXPECT_TRUE(dlg.optEntry[1]->isChecked());
        EXPECT_TRUE(dlg.optTotalRankingMode[0]->isChecked());
        EXPECT_TRUE(dlg.optTeamHowtoRank[0]->isChecked());
        EXPECT_TRUE(dlg.optPrivateGames[0]->isChecked());
        EXPECT_TRUE(dlg.optJudgeDa[5]->isChecked());
        EXPECT_TRUE(dlg.chkJudgeBirthday->isChecked());
        EXPECT_TRUE(dlg.optBelongOrLocation[1]->isChecked());
        EXPECT_EQ(dlg.fraTotalRanking->title(), "総合通算順位表");
    }
    for (const auto& [key, value] : std::vector<std::pair<QString, QString>>{
             {"SeriesPrint_SortBelong", "0"},   {"SeriesPrint_NameOrEntries", "0"},
             {"SeriesPrint_TotalRankingMode", "3"}, {"SeriesPrint_TeamHowtoRank", "1"},
             {"SeriesPrint_PrivateGames", "2"}, {"SeriesPrint_JudgeDaSu", "2.4"},
             {"SeriesPrint_JudgeBirthday", "0"}, {"SeriesPrint_BelongOrLocation", "2"}})
        store(key, value);
    {
        frmPrintTotalGames dlg;
        EXPECT_FALSE(dlg.chkEntryBelong->isChecked());
        EXPECT_TRUE(dlg.optEntry[0]->isChecked());
        EXPECT_TRUE(dlg.optTotalRankingMode[0]->isChecked());
        EXPECT_TRUE(dlg.optTeamHowtoRank[1]->isChecked());
        EXPECT_TRUE(dlg.optPrivateGames[2]->isChecked());
        EXPECT_TRUE(dlg.optJudgeDa[2]->isChecked());
        EXPECT_FALSE(dlg.chkJudgeBirthday->isChecked());
        EXPECT_TRUE(dlg.optBelongOrLocation[2]->isChecked());
    }
    // Values only a hand-edited file can hold choose the key's default.
    store("SeriesPrint_JudgeDaSu", "9");
    store("SeriesPrint_PrivateGames", "-1");
    store("SeriesPrint_BelongOrLocation", "99999");
    {
        frmPrintTotalGames dlg;
        EXPECT_TRUE(dlg.optJudgeDa[5]->isChecked());
        EXPECT_TRUE(dlg.optPrivateGames[0]->isChecked());
        EXPECT_TRUE(dlg.optBelongOrLocation[1]->isChecked());
    }
}

TEST_F(PrintTotalGamesTest, GamesOfOtherSizesDisableWhatTheyRuleOut)
{
    threeGames();
    store("SeriesPrint_PrivateGames", "1");   // 成績順 last time
    const auto disabled = [](const frmPrintTotalGames& d) {
        QStringList off;
        for (QWidget* w : d.findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->isEnabled())
                off << w->objectName();
        off.sort();
        return off;
    };
    gstrSeasonDiffer = "00";
    {
        frmPrintTotalGames dlg;
        EXPECT_EQ(disabled(dlg), QStringList());
        EXPECT_TRUE(dlg.optPrivateGames[1]->isChecked());
    }
    gstrSeasonDiffer = "01";
    {
        frmPrintTotalGames dlg;
        QStringList expected;
        expected << "btnBestGame" << "fraBestGame" << "lblKiteiGame" << "optPrivateGames_1"
                 << "optTotalRankingMode_1" << "txtKiteiGame";
        expected.sort();
        EXPECT_EQ(disabled(dlg), expected);
        EXPECT_TRUE(dlg.optPrivateGames[0]->isChecked());
        EXPECT_TRUE(dlg.optTotalRankingMode[0]->isChecked());
    }
    for (const QString& differ : {QStringLiteral("10"), QStringLiteral("11")}) {
        gstrSeasonDiffer = differ;
        frmPrintTotalGames dlg;
        QStringList expected;
        expected << "btnBestGame" << "btnBestRound" << "btnTeamList" << "btnTeamRanking" << "fraBestGame"
                 << "fraBestRound" << "fraTeamList" << "fraTeamRanking" << "lblKiteiGame" << "lblKiteiRound"
                 << "optPrivateGames_1" << "optTeamHowtoRank_0" << "optTeamHowtoRank_1" << "optTotalRankingMode_0"
                 << "optTotalRankingMode_1" << "txtKiteiGame" << "txtKiteiRound";
        expected.sort();
        EXPECT_EQ(disabled(dlg), expected) << differ.toStdString();
        EXPECT_TRUE(dlg.optTotalRankingMode[2]->isChecked());
        EXPECT_TRUE(dlg.optPrivateGames[0]->isChecked());
        // The total, the holes-in-one and the hole minimum stay.
        EXPECT_TRUE(dlg.optTotalRankingMode[3]->isEnabled());
        EXPECT_TRUE(dlg.optTotalRankingMode[4]->isEnabled());
        EXPECT_TRUE(dlg.txtKiteiHole->isEnabled());
    }
}

TEST_F(PrintTotalGamesTest, EnterMovesOnFromTheBoxesWhichSelectTheirText)
{
    threeGames();
    auto dlg = open();
    dlg->txtKiteiGame->setFocus();
    QTRY_VERIFY(dlg->focusWidget() == dlg->txtKiteiGame);
    QTRY_COMPARE(dlg->txtKiteiGame->selectedText(), QStringLiteral("2"));
    QTest::keyClick(dlg->txtKiteiGame, Qt::Key_Return);
    QTRY_VERIFY(dlg->focusWidget() != dlg->txtKiteiGame);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(previews.empty());
}

// ---------------------------------------------------------------- storing

TEST_F(PrintTotalGamesTest, MinimumBoxesAreReadAsNumbersHalvesToEvenAndClamped)
{
    threeGames();
    struct Case {
        QString typed;
        Long value;
        QString rewritten;
    } cases[] = {
        {"12ab", 12, "12"},
        {"", 0, "0"},
        {"2.5", 2, "2"},
        {"4.5", 4, "4"},
        {"3.5", 4, "4"},
        {" 1 2", 12, "12"},
        {"3000000000", 2147483647, "2147483647"},
        {"-3000000000", -2147483647 - 1, "-2147483648"},
        {"2147483647.5", 2147483647, "2147483647"},
    };
    frmPrintTotalGames dlg;
    for (const Case& c : cases) {
        dlg.txtKiteiGame->setText(c.typed);
        dlg.txtKiteiRound->setText(c.typed);
        dlg.txtKiteiHole->setText(c.typed);
        dlg.psSaveSeriesPrintSetup();
        EXPECT_EQ(glngKiteiGame, c.value) << c.typed.toStdString();
        EXPECT_EQ(glngKiteiRound, c.value) << c.typed.toStdString();
        EXPECT_EQ(glngKiteiHole, c.value) << c.typed.toStdString();
        EXPECT_EQ(dlg.txtKiteiGame->text(), c.rewritten);
        EXPECT_EQ(dlg.txtKiteiHole->text(), c.rewritten);
    }
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(PrintTotalGamesTest, AReportStoresTheOptionsAndWritesTheEightKeysInOrder)
{
    threeGames();
    frmPrintTotalGames dlg;
    dlg.txtTittle1->setText("  第1回 ");
    dlg.txtTittle2->setText("期間 ");
    dlg.chkEntryBelong->setChecked(false);
    dlg.optEntry[0]->setChecked(true);
    dlg.optTotalRankingMode[4]->setChecked(true);
    dlg.optTeamHowtoRank[1]->setChecked(true);
    dlg.optPrivateGames[2]->setChecked(true);
    dlg.optJudgeDa[3]->setChecked(true);
    dlg.chkJudgeBirthday->setChecked(false);
    dlg.optBelongOrLocation[0]->setChecked(true);
    dlg.btnEntryList->click();

    EXPECT_EQ(gstrPrintTitle1, "  第1回 ");
    EXPECT_EQ(gstrPrintTitle2, "期間 ");
    EXPECT_EQ(dlg.mEntryByBelong, 0);
    EXPECT_EQ(dlg.mEntryOrder, 0);
    EXPECT_EQ(gintTotalRankingMode, 4);
    EXPECT_EQ(gSeasonGameInfo.TeamHowtoRank, 1);
    EXPECT_EQ(dlg.mPersonalGamesOrder, 2);
    EXPECT_EQ(gSeasonGameInfo.JudgeDaSu, 3);
    EXPECT_EQ(gSeasonGameInfo.JudgeBirthday, 0);
    EXPECT_EQ(gintBelongOrLocation, 0);

    QStringList lines;
    ASSERT_TRUE(platform::readTextLines(gstrIniFile, lines));
    EXPECT_EQ(lines, (QStringList{"[Setup]", "SeriesPrint_SortBelong=0", "SeriesPrint_NameOrEntries=0",
                                  "SeriesPrint_TotalRankingMode=4", "SeriesPrint_TeamHowtoRank=1",
                                  "SeriesPrint_PrivateGames=2", "SeriesPrint_JudgeDaSu=3",
                                  "SeriesPrint_JudgeBirthday=0", "SeriesPrint_BelongOrLocation=0"}));
    // The category is never stored; the next opening starts on ラウンド平均.
    frmPrintTotalGames again;
    EXPECT_TRUE(again.optTotalRankingMode[0]->isChecked());
    EXPECT_TRUE(again.optJudgeDa[3]->isChecked());
}

TEST_F(PrintTotalGamesTest, TheEightKeysGoIntoTheSettingsFileInOneReplace)
{
    threeGames();
    // Settings of other windows around two of the eight keys.
    ASSERT_TRUE(platform::writeTextLinesAtomic(
        gstrIniFile, {"[WindowSize]", "Main_Width=9000", "[Setup]", "SelectPrint_Score=1",
                      "SeriesPrint_JudgeDaSu=1", "Backup=0", "SeriesPrint_SortBelong=1", "[Last]", "x=1"}));
    frmPrintTotalGames dlg;
    dlg.chkEntryBelong->setChecked(false);
    dlg.optEntry[1]->setChecked(true);
    dlg.optTotalRankingMode[2]->setChecked(true);
    dlg.optTeamHowtoRank[0]->setChecked(true);
    dlg.optPrivateGames[1]->setChecked(true);
    dlg.optJudgeDa[4]->setChecked(true);
    dlg.chkJudgeBirthday->setChecked(true);
    dlg.optBelongOrLocation[2]->setChecked(true);
    std::vector<platform::ProfileKey> keys;
    for (const auto& [key, value] :
         {std::pair{"SortBelong", "0"}, {"NameOrEntries", "1"}, {"TotalRankingMode", "2"}, {"TeamHowtoRank", "0"},
          {"PrivateGames", "1"}, {"JudgeDaSu", "4"}, {"JudgeBirthday", "1"}, {"BelongOrLocation", "2"}})
        keys.push_back({"Setup", "SeriesPrint_" + QLatin1String(key), value});
    const QByteArray expected = bytesAfterKeyByKeyWrites(gstrIniFile, keys);
    ASSERT_FALSE(expected.isEmpty());

    const QFileInfo ini(gstrIniFile);
    ReplaceCounter replaces(ini.absolutePath());
    ASSERT_TRUE(replaces.isValid());
    dlg.btnEntryList->click();
    EXPECT_EQ(replaces.count(ini.fileName()), 1);
    QFile written(gstrIniFile);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), expected);
}

// ---------------------------------------------------------------- reports

TEST_F(PrintTotalGamesTest, EveryReportButtonTalliesAndPreviewsItsPage)
{
    threeGames();
    // Players 1 and 2 play for a team in the first game.
    Game g = evenGame("2009/06/07", 8, 3, {1, 2});
    g.players[0].team = "A";
    g.players[1].team = "B";
    addGame(g);
    prepare();

    frmPrintTotalGames dlg;
    const struct {
        QPushButton* button;
        QString form;
    } cases[] = {
        {dlg.btnEntryList, "frmPfSeasonEntryList"},     {dlg.btnTotalRanking, "frmPfSeasonTotalRanking"},
        {dlg.btnBestGame, "frmPfSeasonGameRanking"},    {dlg.btnBestRound, "frmPfSeasonRoundRanking"},
        {dlg.btnTeamList, "frmPfSeasonTeamList"},       {dlg.btnTeamRanking, "frmPfSeasonTeamRanking"},
    };
    for (const auto& c : cases) {
        previews.clear();
        c.button->click();
        ASSERT_EQ(previews.size(), 1u) << c.form.toStdString();
        EXPECT_EQ(previews[0].form, c.form);
        EXPECT_EQ(previews[0].pages, 1);
    }
    EXPECT_TRUE(recordingUi().messages.empty()) << messages().join('\n').toStdString();
    EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
}

TEST_F(PrintTotalGamesTest, TheTotalRankingTalliesTheKindOfItsBasis)
{
    // Player 1 completes every round of both games; player 2 misses a hole
    // of the second game's last round. The game average counts only games
    // whose rounds are all complete; the others count complete rounds.
    member(1, 1);
    member(2, 1);
    Game g1 = evenGame("2009/03/01", 2, 2, {1, 2});
    Game g2 = evenGame("2009/04/01", 2, 2, {1, 2});
    g2.players[1].rounds[1] = "3,";
    addGame(g1);
    addGame(g2);
    prepare();
    frmPrintTotalGames dlg;
    dlg.txtKiteiGame->setText("0");
    dlg.txtKiteiRound->setText("0");
    dlg.txtKiteiHole->setText("0");
    struct Case {
        int basis;
        Long games2, rounds2;
    } cases[] = {{0, 2, 3}, {1, 1, 2}, {2, 2, 3}, {3, 2, 3}, {4, 2, 3}};
    for (const Case& c : cases) {
        dlg.optTotalRankingMode[c.basis]->setChecked(true);
        previews.clear();
        dlg.btnTotalRanking->click();
        ASSERT_EQ(previews.size(), 1u);
        ASSERT_EQ(gSeasonTotalRanking.size(), 2u);
        const SeasonScore& p2 = gSeasonTotalRanking[1].IDNo == 2 ? gSeasonTotalRanking[1] : gSeasonTotalRanking[0];
        EXPECT_EQ(p2.RoundNo, c.games2) << c.basis;
        EXPECT_EQ(p2.Rounds, c.rounds2) << c.basis;
        EXPECT_EQ(gintTotalRankingMode, c.basis);
    }
    // The report's title (a PDF file's proposed name) carries the basis.
    EXPECT_EQ(frmPfSeasonTotalRanking().reportTitle(), "総合通算順位表［ﾎｰﾙｲﾝﾜﾝ］");
}

TEST_F(PrintTotalGamesTest, NoDataRefusesTheReportAndKeepsTheDialog)
{
    // Nobody completed a round, and nobody plays for a team.
    member(1, 1);
    Game g = evenGame("2009/03/01", 2, 2, {1});
    g.players[0].rounds = {"3,", "4,"};
    addGame(g);
    prepare();
    auto dlg = open();
    const std::vector<QPushButton*> buttons{dlg->btnEntryList, dlg->btnTotalRanking, dlg->btnBestGame,
                                            dlg->btnBestRound, dlg->btnTeamList,     dlg->btnTeamRanking};
    for (QPushButton* b : buttons) {
        resetRecordingUi();
        b->click();
        ASSERT_EQ(recordingUi().messages.size(), 1u) << b->objectName().toStdString();
        EXPECT_EQ(messages()[0], "ｴﾗｰ|印刷データはありません。|0");
        EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
    }
    EXPECT_TRUE(previews.empty());
    EXPECT_TRUE(dlg->isVisible());

    // With complete rounds but no team, only the team reports refuse.
    gGameList.clear();
    gSelectedGames.clear();
    addGame(evenGame("2009/03/01", 2, 2, {1}));
    prepare();
    resetRecordingUi();
    dlg->btnBestRound->click();
    dlg->btnTeamList->click();
    dlg->btnTeamRanking->click();
    EXPECT_EQ(previews.size(), 1u);
    EXPECT_EQ(messages(), (QStringList{"ｴﾗｰ|印刷データはありません。|0", "ｴﾗｰ|印刷データはありません。|0"}));
}

TEST_F(PrintTotalGamesTest, TheCategoryFiltersTheTotalRankingAndAnEmptyOneStillPrints)
{
    // Women: 2 is exactly 60 on the last date, 3 is 59, 4 has no birthday;
    // 1 is a man of 70.
    member(1, 1, "1939/05/10");
    member(2, 2, "1949/05/10");
    member(3, 2, "1949/05/11");
    member(4, 2);
    addGame(evenGame("2009/05/10", 2, 1, {1, 2, 3, 4}));
    prepare();
    auto dlg = open();
    dlg->txtKiteiRound->setText("0");

    int opened = 0;
    testsupport::onNextDialog<frmCategory>(
        [](frmCategory* c) {
            c->optGender[2]->setChecked(true);
            c->psChooseAge(0, 60);
            c->btnOK->click();
        },
        &opened);
    dlg->btnCategory->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(dlg->fraTotalRanking->title(), "部門別（女子：60歳～）通算順位表");
    EXPECT_EQ(gSeasonGameInfo.CategoryGender, 2);
    EXPECT_EQ(gSeasonGameInfo.CategoryAgeLow, 60);

    dlg->btnTotalRanking->click();
    ASSERT_EQ(previews.size(), 1u);
    ASSERT_EQ(gSeasonTotalRanking.size(), 1u);
    EXPECT_EQ(gSeasonTotalRanking[0].IDNo, 2);
    EXPECT_EQ(gSeasonTotalRanking[0].Rank, 1);

    // Cancelling the category changes nothing.
    testsupport::onNextDialog<frmCategory>([](frmCategory* c) { c->btnCancel->click(); });
    dlg->btnCategory->click();
    EXPECT_EQ(gSeasonGameInfo.CategoryAgeLow, 60);

    // A category nobody fits: the ranking is empty and its preview opens.
    testsupport::onNextDialog<frmCategory>([](frmCategory* c) {
        c->optGender[1]->setChecked(true);
        c->psChooseAge(0, 80);
        c->btnOK->click();
    });
    dlg->btnCategory->click();
    EXPECT_EQ(dlg->fraTotalRanking->title(), "部門別（男子：80歳～）通算順位表");
    previews.clear();
    dlg->btnTotalRanking->click();
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].pages, 1);
    EXPECT_TRUE(gSeasonTotalRanking.empty());
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_TRUE(setting("SeriesPrint_CategoryGender").isEmpty());
}

TEST_F(PrintTotalGamesTest, TheCategoryFilterKeepsSharedRanksAndRenumbers)
{
    member(1, 2, "1940/01/01");
    member(2, 1, "1940/01/01");
    member(3, 2, "1940/01/01");
    member(4, 2, "1940/01/01");
    member(5, 2, "1940/01/01");
    prepare();
    gSeasonGameInfo.CategoryGender = 2;
    gSeasonGameInfo.Date = "2009/05/10";
    const Long ids[] = {1, 2, 3, 4, 5};
    const Long ranks[] = {1, 2, 3, 3, 5};
    for (int i = 0; i < 5; ++i) {
        SeasonScore s = seasonfx::record(ids[i], 1, 70);
        s.Rank = ranks[i];
        gSeasonTotalRanking.push_back(s);
    }
    frmPrintTotalGames dlg;
    dlg.psFilterTotalRankingByCategory();
    EXPECT_EQ(seasonfx::ids(gSeasonTotalRanking), (std::vector<Long>{1, 3, 4, 5}));
    EXPECT_EQ(seasonfx::ranks(gSeasonTotalRanking), (std::vector<Long>{1, 2, 2, 4}));
}

// ---------------------------------------------------------------- personal

TEST_F(PrintTotalGamesTest, PersonalGameListTakesTheChosenPlayersGames)
{
    member(1, 1);
    member(2, 1);
    addGame(evenGame("2009/05/10", 8, 3, {1, 2}));
    addGame(evenGame("2009/03/01", 6, 4, {1}));
    addGame(evenGame("2009/04/01", 4, 2, {2}));
    prepare();
    frmPrintTotalGames dlg;
    dlg.optPrivateGames[0]->setChecked(true);

    testsupport::onNextDialog<frmSelectPrintMember>([](frmSelectPrintMember* c) {
        ASSERT_EQ(c->lstMember->count(), 2);
        c->lstMember->setCurrentRow(0);
        c->btnOK->click();
    });
    dlg.btnPrivateRanking_Click();
    // Player 1's games in date order; the largest holes and rounds of his
    // own games.
    ASSERT_EQ(gSeasonGameRanking.size(), 2u);
    EXPECT_EQ(gSeasonGameRanking[0].Date, "2009/03/01");
    EXPECT_EQ(gSeasonGameRanking[1].Date, "2009/05/10");
    EXPECT_EQ(gPersonalGameInfo.Hole, 8);
    EXPECT_EQ(gPersonalGameInfo.Round, 4);
    EXPECT_EQ(gPersonalGameInfo.JudgeDaSu, gSeasonGameInfo.JudgeDaSu);
    EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
    // The chooser offered the players of the records and cleared the team
    // work field.
    EXPECT_EQ(gMemberList[0].Marked, 1);
    EXPECT_EQ(gMemberList[1].Marked, 1);
    // 日付順 previews the game list, its second title naming the player.
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].form, "frmPfSeasonPersonalGameScore");
    EXPECT_TRUE(previews[0].firstPage->control("lblScoreTittle").caption.endsWith(QStringLiteral(" ： 【選手1】")));

    // 成績順 ranks the rows.
    dlg.optPrivateGames[1]->setChecked(true);
    testsupport::onNextDialog<frmSelectPrintMember>([](frmSelectPrintMember* c) {
        c->lstMember->setCurrentRow(1);
        c->btnOK->click();
    });
    dlg.btnPrivateRanking_Click();
    ASSERT_EQ(gSeasonGameRanking.size(), 2u);
    EXPECT_EQ(gSeasonGameRanking[0].Date, "2009/05/10");   // more complete rounds first
    EXPECT_EQ(gSeasonGameRanking[0].Rank, 1);
    EXPECT_EQ(gSeasonGameRanking[1].Date, "2009/04/01");
    EXPECT_EQ(gSeasonGameRanking[1].Rank, 2);
    EXPECT_EQ(gPersonalGameInfo.Hole, 8);
    EXPECT_EQ(gPersonalGameInfo.Round, 3);
    ASSERT_EQ(previews.size(), 2u);
    EXPECT_EQ(previews[1].form, "frmPfSeasonPersonalGameScore");

    // ゲーム情報 previews the game information of the date-ordered games.
    dlg.optPrivateGames[2]->setChecked(true);
    testsupport::onNextDialog<frmSelectPrintMember>([](frmSelectPrintMember* c) {
        c->lstMember->setCurrentRow(0);
        c->btnOK->click();
    });
    dlg.btnPrivateRanking_Click();
    ASSERT_EQ(previews.size(), 3u);
    EXPECT_EQ(previews[2].form, "frmPfSeasonPersonalGameInfo");
    EXPECT_EQ(gSeasonGameRanking[0].Date, "2009/03/01");

    // A cancelled chooser ends without a word; the options were stored.
    gSeasonGameRanking.clear();
    testsupport::onNextDialog<frmSelectPrintMember>([](frmSelectPrintMember* c) { c->btnCancel->click(); });
    dlg.btnPrivateRanking_Click();
    EXPECT_TRUE(gSeasonGameRanking.empty());
    EXPECT_EQ(previews.size(), 3u);
    EXPECT_EQ(setting("SeriesPrint_PrivateGames"), "2");
    EXPECT_TRUE(recordingUi().messages.empty());
    EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
}

TEST_F(PrintTotalGamesTest, PersonalScoreTakesTheChosenPlayersRounds)
{
    member(1, 1);
    addGame(evenGame("2009/05/10", 8, 3, {1}));
    addGame(evenGame("2009/03/01", 6, 4, {1}));
    prepare();
    frmPrintTotalGames dlg;
    testsupport::onNextDialog<frmSelectPrintMember>([](frmSelectPrintMember* c) {
        c->lstMember->setCurrentRow(0);
        c->btnOK->click();
    });
    dlg.btnPrivateScore_Click();
    EXPECT_EQ(gSeasonRoundLines.size(), 7u);
    EXPECT_EQ(gPersonalGameInfo.Hole, 8);
    EXPECT_EQ(gPersonalGameInfo.Round, 4);
    EXPECT_TRUE(recordingUi().messages.empty());
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].form, "frmPfSeasonPersonalRoundScore");
    EXPECT_EQ(previews[0].pages, 1);
    EXPECT_EQ(previews[0].firstPage->control("lblEntryNum").caption, QStringLiteral("参加 2回"));
}

TEST_F(PrintTotalGamesTest, AnErrorInAHandlerIsShownAndTheDialogStays)
{
    member(1, 1);
    addGame(evenGame("2009/05/10", 8, 3, {1}));
    prepare();
    auto dlg = open();
    // The game list loses the player's game while the chooser is open.
    testsupport::onNextDialog<frmSelectPrintMember>([](frmSelectPrintMember* c) {
        c->lstMember->setCurrentRow(0);
        gGameList.clear();
        c->btnOK->click();
    });
    dlg->btnPrivateRanking_Click();
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("エラー|btnPrivateRanking_Click(): ")) << messages()[0].toStdString();
    EXPECT_EQ(platform::ui().mousePointer(), platform::vbDefault);
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(PrintTotalGamesTest, ClosingTheDialog)
{
    threeGames();
    auto dlg = open();
    dlg->btnOK->click();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(setting("SeriesPrint_SortBelong").isEmpty());   // nothing stored on closing
}

}  // namespace

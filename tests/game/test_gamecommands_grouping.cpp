// The game window's playing-group command: the entrants handed to the
// dialog, the game's lines ordered by the groups with every stroke kept, the
// game marked modified and the groups still there after saving and opening
// the game again; cancel, players without a record and a result that does
// not fit the game.
#include "test_gamecommands_support.h"

#include "core/gamefile.h"
#include "game/frmRoundGrouping.h"
#include "test_roundgrouping_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <map>

namespace {

using namespace cmdtest;

class GroupingCommandTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        // Grouping tails 1, 3, 2 for players 1, 2, 3; sort tails 3, 2, 1.
        frmRoundGrouping::randomSourceFactory() = [] { return grouptest::fixedTails({1, 3, 2, 3, 2, 1}); };
    }

    void TearDown() override
    {
        frmRoundGrouping::randomSourceFactory() = nullptr;
        CommandTest::TearDown();
    }

    // Each player's lines as "holes|team|handicap" per round, by player.
    static std::map<Long, QStringList> strokesByPlayer()
    {
        std::map<Long, QStringList> out;
        for (const ScoreLine& l : gScoreLines)
            out[l.IDNo] << holesOf(l, 3) + QLatin1Char('|') + l.TeamID + QLatin1Char('|') + QString::number(l.Handicap);
        return out;
    }

    // The lines as "id/round:group/seed".
    static QString groupedLines()
    {
        QStringList out;
        for (const ScoreLine& l : gScoreLines)
            out << QStringLiteral("%1/%2:%3/%4").arg(l.IDNo).arg(l.RoundNo).arg(l.RoundGNo).arg(l.SeedNo);
        return out.join(QLatin1Char(' '));
    }

    // The participants grid as "name:group" per row.
    QString entryGroups() const
    {
        QStringList out;
        for (int row = 1; row < entries()->gfRowCount(); ++row)
            out << cell(entries(), 2, row) + QLatin1Char(':') + cell(entries(), 7, row);
        return out.join(QLatin1Char(' '));
    }
};

TEST_F(GroupingCommandTest, GroupsOrderTheLinesKeepEveryStrokeAndAreSavedWithTheGame)
{
    openStoredGame();
    const std::map<Long, QStringList> strokes = strokesByPlayer();
    int opened = 0;
    onNextDialog<frmRoundGrouping>(
        [](frmRoundGrouping* d) {
            // The entrants: the players' round-1 lines with their records.
            ASSERT_EQ(gRGMembers.size(), 3u);
            EXPECT_EQ(gRGMembers[1].IDNo, 2);
            EXPECT_EQ(gRGMembers[1].Name, QStringLiteral("佐藤花子"));
            EXPECT_EQ(gRGMembers[1].Gender, 2);
            EXPECT_EQ(gRGMembers[1].TeamID, QStringLiteral("B"));
            EXPECT_EQ(d->lblEntries->text(), QStringLiteral("参加者 3名"));

            // Seed 1 for player 3, then two groups spread by seed.
            d->lstMembers->item(2)->setSelected(true);
            d->txtSNo->setText(QStringLiteral("1"));
            d->optWhichBy[0]->setChecked(true);
            d->txtGCT->setText(QStringLiteral("2"));
            d->chkRGPriority[0]->setChecked(true);
            QTest::mouseClick(d->btnMakeRG1, Qt::LeftButton);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
        },
        &opened);
    click("btnGrouping");
    ASSERT_EQ(opened, 1);

    EXPECT_EQ(groupedLines(), QStringLiteral("3/1:1/1 3/2:1/1 2/1:1/0 2/2:1/0 1/1:2/0 1/2:2/0"));
    EXPECT_EQ(strokesByPlayer(), strokes);
    EXPECT_TRUE(modified());
    EXPECT_EQ(gGame.RGUmu, 1);
    EXPECT_EQ(gGame.RGWhichBy, 0);
    EXPECT_EQ(gGame.RGCT, 2);
    EXPECT_EQ(gGame.RGPriority, (std::array<Integer, 5>{1, 0, 0, 0, 0}));
    EXPECT_EQ(entryGroups(), QStringLiteral("鈴木一郎:1 佐藤花子:1 山田太郎:2"));
    EXPECT_EQ(cell(scores(), 1, 1), QStringLiteral("鈴木一郎"));
    EXPECT_EQ(cell(scores(), 1, 2), QStringLiteral("<1> [ A ]"));
    EXPECT_EQ(gfReadIniFile(gstrRoundGroupFile, QStringLiteral("LastSeedNo"), QStringLiteral("M00003")),
              QStringLiteral("1"));

    // Saved, and opened again as the main window opens it.
    click("btnSave");
    EXPECT_FALSE(modified());
    window->close();
    gsClearCalcResults();
    gsReadGameList();
    ASSERT_EQ(gGameList.size(), 1u);
    gGame = gGameList[0];
    EXPECT_EQ(gGame.RGUmu, 1);
    EXPECT_EQ(gGame.RGCT, 2);
    EXPECT_EQ(gGame.RGPriority[0], 1);
    window = new frmParvona();
    window->show();
    EXPECT_EQ(groupedLines(), QStringLiteral("3/1:1/1 3/2:1/1 2/1:1/0 2/2:1/0 1/1:2/0 1/2:2/0"));
    EXPECT_EQ(strokesByPlayer(), strokes);
    EXPECT_EQ(entryGroups(), QStringLiteral("鈴木一郎:1 佐藤花子:1 山田太郎:2"));

    // The game has its grouping now: the dialog opens with it.
    onNextDialog<frmRoundGrouping>([](frmRoundGrouping* d) {
        EXPECT_TRUE(d->optWhichBy[0]->isChecked());
        EXPECT_EQ(d->txtGCT->text(), QStringLiteral("2"));
        EXPECT_EQ(d->lstMembers->item(0)->text().left(15), QStringLiteral(" 1     - 1   - "));
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    });
    click("btnGrouping");
}

// Cancel, and a result that does not fit the game's players (here a player
// lost his record while the dialog was open), leave the game as it was.
TEST_F(GroupingCommandTest, CancelOrAResultThatDoesNotFitChangesNothing)
{
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way);
        if (window)
            delete window.data();
        openStoredGame();
        const QString lines = groupedLines();
        const std::map<Long, QStringList> strokes = strokesByPlayer();
        onNextDialog<frmRoundGrouping>([way](frmRoundGrouping* d) {
            d->txtGCT->setText(QStringLiteral("1"));
            QTest::mouseClick(d->btnMakeRG4, Qt::LeftButton);
            if (way == 0) {
                QTest::mouseClick(d->btnCancel, Qt::LeftButton);
                return;
            }
            gMemberList.erase(gMemberList.begin() + gfGetMemberIndex(2));
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
        });
        click("btnGrouping");
        EXPECT_EQ(groupedLines(), lines);
        EXPECT_EQ(strokesByPlayer(), strokes);
        EXPECT_FALSE(modified());
        EXPECT_EQ(gGame.RGUmu, 0);
        EXPECT_EQ(gGame.RGCT, 0);
        EXPECT_EQ(entryGroups(), QStringLiteral("山田太郎: 佐藤花子: 鈴木一郎:"));
        if (way == 1)
            EXPECT_EQ(lastMessage(), QStringLiteral("エラー|") + frmRoundGrouping::failureMessage());
        else
            EXPECT_TRUE(recordingUi().messages.empty());
    }
}

// A participant without a player record is not an entrant; his lines stay,
// after the grouped players.
TEST_F(GroupingCommandTest, APlayerWithoutARecordKeepsHisLinesAfterTheGroups)
{
    openStoredGame();
    const std::map<Long, QStringList> strokes = strokesByPlayer();
    gMemberList.erase(gMemberList.begin() + gfGetMemberIndex(1));
    onNextDialog<frmRoundGrouping>([](frmRoundGrouping* d) {
        EXPECT_EQ(d->lblEntries->text(), QStringLiteral("参加者 2名"));
        d->txtGCT->setText(QStringLiteral("1"));
        QTest::mouseClick(d->btnUpDown[0], Qt::LeftButton);   // nothing selected: nothing moves
        d->lstMembers->item(1)->setSelected(true);
        QTest::mouseClick(d->btnUpDown[0], Qt::LeftButton);
        QTest::mouseClick(d->btnMakeRG4, Qt::LeftButton);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
    });
    click("btnGrouping");
    EXPECT_EQ(groupedLines(), QStringLiteral("3/1:1/0 3/2:1/0 2/1:2/0 2/2:2/0 1/1:0/0 1/2:0/0"));
    EXPECT_EQ(strokesByPlayer(), strokes);
    EXPECT_TRUE(modified());
}

}  // namespace

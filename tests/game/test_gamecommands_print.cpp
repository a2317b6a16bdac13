// The game window's 印刷: nothing to print without score lines, the result
// tab on show computed again after the dialog (whose tallies overwrite the
// same tables), and a category changed in the dialog marking the game
// modified and showing the ranking.

#include "test_gamecommands_support.h"

#include "forms/frmCategory.h"
#include "print/modPreview.h"
#include "reports/game/frmSelectPrintScore.h"

#include <QRadioButton>

namespace {

using namespace cmdtest;

class PrintCommandTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        print::setPreviewWindow([this](QWidget*) { previews << gfrmPrintForm()->name(); });
    }
    void TearDown() override
    {
        print::setPreviewWindow(nullptr);
        CommandTest::TearDown();
    }

    static QString rankingIds()
    {
        QStringList ids;
        for (const PersonRank& r : gRanking)
            ids << QString::number(r.IDNo);
        return ids.join(' ');
    }

    QStringList previews;
};

TEST_F(PrintCommandTest, NoScoreLinesIsNothingToPrint)
{
    openStoredGame();
    gScoreLines.clear();
    // A dialog opened by mistake is closed again, and fails the test.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "a dialog opened";
            d->reject();
        }
    });
    guard.start(0);
    click("btnPrint");
    guard.stop();
    EXPECT_EQ(lastMessage(), QStringLiteral("ｴﾗｰ|印刷データはありません。"));
}

TEST_F(PrintCommandTest, TheResultTabOnShowIsComputedAgainAfterTheDialog)
{
    openStoredGame();
    chooseTab(5);
    const QString teamList = rankingIds();
    ASSERT_EQ(teamList, "3 1 2");

    // The personal ranking printed from the dialog leaves gRanking in its
    // own order.
    onNextDialog<frmSelectPrintScore>([this](frmSelectPrintScore* d) {
        d->optScoreSelectPrint[ReportPersonRanking]->setChecked(true);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        EXPECT_NE(rankingIds(), "3 1 2");
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    });
    click("btnPrint");
    EXPECT_EQ(previews, QStringList{"frmPfPersonRanking"});
    EXPECT_FALSE(modified());
    EXPECT_EQ(currentTab(), 5);
    EXPECT_EQ(rankingIds(), teamList);

    // The team list's rows still lead to their players.
    uctMyGrid* list = grid("uctGridList6");
    select(list, 3);
    emit list->MGCellDblClick(1, 3);
    EXPECT_EQ(currentTab(), 2);
    EXPECT_TRUE(scores()->gfGetRowSelected(3));   // player 2's round-1 row
}

TEST_F(PrintCommandTest, CategoryChangedInTheDialogMarksModifiedAndShowsTheRanking)
{
    openStoredGame();
    chooseTab(1);
    onNextDialog<frmSelectPrintScore>([](frmSelectPrintScore* d) {
        onNextDialog<frmCategory>([](frmCategory* c) {
            c->optGender[2]->setChecked(true);
            QTest::mouseClick(c->btnOK, Qt::LeftButton);
        });
        QTest::mouseClick(d->btnCategory, Qt::LeftButton);
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
    });
    click("btnPrint");
    EXPECT_TRUE(modified());
    EXPECT_EQ(currentTab(), 3);
    EXPECT_EQ(tabs()->tabText(2), QStringLiteral(" 部門別（女子）順位 "));
    EXPECT_EQ(grid("uctGridList2")->gfRowCount(), 2);   // the one woman

    // Without a change: neither modified again nor another tab.
    chooseTab(1);
    onNextDialog<frmSelectPrintScore>([](frmSelectPrintScore* d) { QTest::mouseClick(d->btnCancel, Qt::LeftButton); });
    click("btnPrint");
    EXPECT_EQ(currentTab(), 1);
}

}  // namespace

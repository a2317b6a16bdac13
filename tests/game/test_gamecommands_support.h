// Fixture of the game window command tests: a stored game of three players
// (three holes, two rounds, handicaps) in a temporary data folder, a fourth
// player who does not play, and a driver for the modal dialogs the commands
// open.
#pragma once

#include "core/core.h"
#include "core/ini.h"
#include "game/frmParvona.h"
#include "grid/uctMyGrid.h"
#include "support/gamefixtures.h"
#include "support/modaldialog.h"
#include "support/recordingui.h"
#include "support/uiwait.h"
#include "test_game_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>

namespace cmdtest {

using testsupport::onNextDialog;
using testsupport::addMember;
using testsupport::addPlayer;

// The players of the lines in order, one entry per line: "id/round".
inline QString lineKeys()
{
    QStringList out;
    for (const ScoreLine& l : gScoreLines)
        out << QString::number(l.IDNo) + QLatin1Char('/') + QString::number(l.RoundNo);
    return out.join(QLatin1Char(' '));
}

using gametest::holesOf;

using gametest::cell;

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testsupport::pointDataPathsAt(dir.path());
        QDir().mkpath(gstrTempFolder);
        gfWriteIniFile(gstrTeamFile, QStringLiteral("Team"), QStringLiteral("ID1"), QStringLiteral("A"));
        gfWriteIniFile(gstrTeamFile, QStringLiteral("Team"), QStringLiteral("ID2"), QStringLiteral("B"));

        gametest::clearGameTables();
        addMember(1, QStringLiteral("山田太郎"), QStringLiteral("1950/04/01"), 1);
        addMember(2, QStringLiteral("佐藤花子"), QStringLiteral("1960/12/31"), 2);
        addMember(3, QStringLiteral("鈴木一郎"), QString(), 0);
        addMember(4, QStringLiteral("田中次郎"), QStringLiteral("1970/01/01"), 1);

        gGame = gametest::fixtureGameHeader();

        resetRecordingUi();
    }

    void TearDown() override
    {
        if (window) {
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            delete window.data();
        }
        EXPECT_EQ(testsupport::endDialogHandlers(), 0) << "a dialog the test waited for never opened";
        resetRecordingUi();
    }

    // Stores the game (players 1 to 3) and opens it as the main window does.
    frmParvona* openStoredGame()
    {
        gScoreLines.clear();
        addPlayer(1, {"2 1 3", "4 . 5"}, QStringLiteral("A"), 3);
        addPlayer(2, {"1 1 1", "2 2 2"}, QStringLiteral("B"), -5);
        addPlayer(3, {"3 3 3", "10 3 3"}, QStringLiteral("A"), 0);
        gsScoreLinesToData();
        EXPECT_FALSE(gfGameDataSave().isEmpty());
        gsClearCalcResults();
        gScoreData.clear();
        window = new frmParvona();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.data(), testsupport::kWaitMs));
        resetRecordingUi();
        return window.data();
    }

    uctMyGrid* grid(const char* name) const { return window->findChild<uctMyGrid*>(QLatin1String(name)); }
    uctMyGrid* entries() const { return grid("uctGridList0"); }
    uctMyGrid* scores() const { return grid("uctGridList"); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(QLatin1String(name)); }
    QTabBar* tabs() const { return window->findChild<QTabBar*>(QStringLiteral("tabBody")); }
    int currentTab() const { return tabs()->currentIndex() + 1; }
    void chooseTab(int k) { tabs()->setCurrentIndex(k - 1); }
    bool modified() const { return window->windowTitle().endsWith(QStringLiteral(" *")); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // Selects a data row of a grid as a click does (only when not selected).
    static void select(uctMyGrid* g, int row)
    {
        if (!g->gfGetRowSelected(row))
            g->gsSetSelectRow(row);
    }
    QString lastMessage() const
    {
        const auto& m = recordingUi().messages;
        return m.empty() ? QString() : m.back().title + QLatin1Char('|') + m.back().prompt;
    }

    QTemporaryDir dir;
    QPointer<frmParvona> window;
};

}  // namespace cmdtest

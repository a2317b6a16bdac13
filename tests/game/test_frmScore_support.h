// Fixture of the score entry and category dialog tests: the settings file in
// a temporary folder, three players, a game header and helpers to give a
// player's lines and to open the score dialog as the game window does.
#pragma once

#include "core/core.h"
#include "core/ini.h"
#include "platform/vbruntime.h"
#include "game/frmScore.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"
#include "support/uiwait.h"
#include "test_game_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace scoretest {

using testsupport::addMember;
using testsupport::hasWindowFocus;

// One player's lines: one text per round, holes separated by blanks, "." for
// a hole not entered.
inline void addPlayer(Long id, std::initializer_list<const char*> rounds, Long handicap = 0,
                      const QString& team = QString())
{
    testsupport::addPlayer(id, rounds, team, handicap);
}

using gametest::holesOf;

inline QColor textColour(const QWidget* w, QPalette::ColorRole role) { return w->palette().color(role); }

class ScoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        gstrIniFile = dir.path() + QStringLiteral("/Tallicor.ini");
        gMemberList.clear();
        gsClearCalcResults();
        addMember(1, QStringLiteral("山田太郎"), QStringLiteral("1950/04/01"), 1);
        addMember(2, QStringLiteral("佐藤花子"), QStringLiteral("1960/12/31"), 2);
        addMember(3, QStringLiteral("鈴木一郎"), QString(), 0);
        gGame = gfNewGameDefaults();
        gGame.Date = QStringLiteral("2026/05/10");
        gGame.Hole = 8;
        gGame.Round = 3;
        gGame.HandiCapKind = 0;
        gintDialogResult = -1;
        glngDialogParam = 0;
        gstrDialogText1.clear();
        resetRecordingUi();
    }

    void TearDown() override
    {
        dlg.reset();
        resetRecordingUi();
    }

    void setHowTo(const QString& value)
    {
        gfWriteIniFile(gstrIniFile, QStringLiteral("Score"), QStringLiteral("Howto"), value);
    }
    QString howTo() const { return gfReadIniFile(gstrIniFile, QStringLiteral("Score"), QStringLiteral("Howto")); }

    // Opens the dialog for line `index` as the game window does, shown and
    // active so that the focus moves.
    frmScore* open(Long index, Integer startMode = 0)
    {
        glngDialogParam = index;
        gstrDialogText1 = vb::Trim(gGame.Date);
        gintDialogResult = startMode;
        dlg = std::make_unique<frmScore>();
        EXPECT_TRUE(testsupport::showActive(*dlg));
        testsupport::deliverQueuedEvents();   // the first box's deferred select-all
        return dlg.get();
    }

    // Types into a box as the user does: focus (selecting its text) and keys.
    void type(QLineEdit* box, const QString& keys)
    {
        box->setFocus(Qt::TabFocusReason);
        testsupport::deliverQueuedEvents();   // the deferred select-all
        QTest::keyClicks(box, keys);
    }
    void enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }

    QLineEdit* hole(int round, int hole) const { return dlg->txtScore[round - 1][hole - 1]; }
    QLineEdit* easy(int round) const { return dlg->txtEasyScoreR[round - 1]; }
    // The three values of a round: "S/H/N".
    QString roundValues(int round) const
    {
        return dlg->lblRDa[round - 1]->text() + QLatin1Char('/') + dlg->lblHDa[round - 1]->text()
               + QLatin1Char('/') + dlg->lblSDa[round - 1]->text();
    }
    QColor roundColour(int round) const { return textColour(dlg->lblRDa[round - 1], QPalette::WindowText); }

    QTemporaryDir dir;
    std::unique_ptr<frmScore> dlg;
};

}  // namespace scoretest

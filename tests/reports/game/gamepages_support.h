// Fixture of the game report page tests: a home folder for the page dump
// tool with the program's paths pointed into it, players and groups written
// to their files, games stored as the game window saves them, and the tool
// run over a stored game as the print dialog's 印刷 does.
#pragma once

#include "../reports_support.h"

#include "core/core.h"
#include "core/startup.h"
#include "support/gamefixtures.h"
#include "support/recordingui.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gamepages {

using reptest::PageDump;
using testsupport::addMember;
using testsupport::addPlayer;

// A game header of `holes` holes and `rounds` rounds, dated 2010/05/10
// ("平成22年5月10日(月)"), without handicaps, category or tie-breaks.
inline GameInfo gameHeader(Integer holes, Integer rounds)
{
    GameInfo g = gfNewGameDefaults();
    g.Date = QStringLiteral("2010/05/10");
    g.Tittle = QStringLiteral("春季大会");
    g.Hole = holes;
    g.Round = rounds;
    g.HandiCapKind = 0;
    g.JudgeDaSu = 0;
    g.JudgeBirthday = 0;
    g.TeamHowtoRank = 0;
    g.CategoryGender = 0;
    g.CategoryAgeLow = -1;
    g.CategoryAgeHigh = -1;
    return g;
}

class GamePagesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        const QString root = home.path();
        gsSetBaseFolderSources([root] { return root + "/.local/share"; }, [root] { return root + "/Documents"; });
        ASSERT_TRUE(gfSetFilePaths());
        QDir().mkpath(gstrGamesFolder);
        QDir().mkpath(gstrAppFolder);
        gMemberList.clear();
        gBelongList.clear();
        gScoreData.clear();
        gsClearCalcResults();
        resetRecordingUi();
        gGame = gameHeader(8, 3);
    }

    void TearDown() override { gsSetBaseFolderSources(nullptr, nullptr); }

    // Writes gMemberList and gBelongList to the player and group files.
    static void writeMasterFiles()
    {
        QStringList members{QStringLiteral("[Management]"),
                            QStringLiteral("MaxMemberNo=%1").arg(gMemberList.empty() ? 0 : gMemberList.back().IDNo)};
        for (const MemberInfo& m : gMemberList)
            members << QStringLiteral("[member%1]").arg(m.IDNo) << "Name=" + m.Name << "Birthday=" + m.Birthday
                    << QStringLiteral("Gender=%1").arg(m.Gender) << QStringLiteral("BelongID=%1").arg(m.BelongID)
                    << "Location=" + m.Location << QStringLiteral("State=0");
        ASSERT_TRUE(platform::writeTextLinesAtomic(gstrMemberFile, members));
        QStringList groups{QStringLiteral("[Management]"),
                           QStringLiteral("MaxGroupNo=%1").arg(gBelongList.empty() ? 0 : gBelongList.back().BelongID)};
        for (const BelongInfo& b : gBelongList)
            groups << QStringLiteral("[group%1]").arg(b.BelongID) << "Name=" + b.Name << "ShortName=" + b.ShortName
                   << QStringLiteral("State=0");
        ASSERT_TRUE(platform::writeTextLinesAtomic(gstrGroupFile, groups));
    }

    static void addGroup(Long id, const QString& name)
    {
        BelongInfo b;
        b.BelongID = id;
        b.Name = name;
        gBelongList.push_back(b);
    }

    // Stores gGame with gScoreLines as a new game file (with the players and
    // groups); its file name. The lines are emptied, as after a reading.
    QString storeGame()
    {
        writeMasterFiles();
        gGame.GameFileName.clear();
        gsScoreLinesToData();
        EXPECT_FALSE(gfGameDataSave().isEmpty());
        const QString name = gGame.GameFileName;
        gScoreLines.clear();
        gScoreData.clear();
        gsClearCalcResults();
        return name;
    }

    // The tool's run of report `report` over a stored game.
    reptest::ToolRun runReport(const QString& file, int report, Long group = 0) const
    {
        QStringList args{QStringLiteral("game"), file, QString::number(report)};
        if (group != 0)
            args << QStringLiteral("--group") << QString::number(group);
        return reptest::runPagesTool(args, home.path());
    }

    // The pages of a report that must print.
    PageDump dump(const QString& file, int report, Long group = 0) const
    {
        const reptest::ToolRun r = runReport(file, report, group);
        EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
        return PageDump(r);
    }

    QTemporaryDir home;
};

}  // namespace gamepages

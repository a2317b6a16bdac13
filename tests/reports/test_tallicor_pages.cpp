// The page dump tool run as a separate program over a home folder of its
// own: the registered team list of 38 teams dumped as two pages, and its
// errors.

#include "reports_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PagesToolTest : public testing::Test {
protected:
    QString dataFolder() const { return reptest::toolDataFolder(home.path()); }

    reptest::ToolRun run(const QStringList& args, const QString& homePath = QString())
    {
        return reptest::runPagesTool(args, homePath.isEmpty() ? home.path() : homePath);
    }

    void writeTeams(const QStringList& lines)
    {
        QDir().mkpath(dataFolder());
        ASSERT_TRUE(platform::writeTextLinesAtomic(dataFolder() + "/team.dat", lines));
    }

    QTemporaryDir home;
};

TEST_F(PagesToolTest, RegisteredTeamListOfThirtyEightTeamsIsTwoPages)
{
    writeTeams(reptest::thirtyEightTeams());
    const reptest::ToolRun r = run({"regi-team-list"});
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    ASSERT_FALSE(r.lines.isEmpty());
    EXPECT_EQ(r.lines.first(), "pages\t2");

    const QString font = QStringLiteral("ＭＳ Ｐゴシック");
    auto label = [&](int page, const QString& control, int l, int t, int w, int h, const QString& caption,
                     const QString& size, int bold) {
        return QStringLiteral("label\t%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\t%9\t%10\t0")
            .arg(page)
            .arg(control)
            .arg(l)
            .arg(t)
            .arg(w)
            .arg(h)
            .arg(caption, font, size)
            .arg(bold);
    };
    for (const QString& expected : {
             label(1, "lblSeasonTittle", 960, 300, 9285, 255, QStringLiteral("*** チーム識別一覧  ***"), "12", 1),
             label(1, "lblSPTotal(83)", 1020, 1020, 1515, 315, QStringLiteral("チーム識別"), "12", 0),
             label(1, "lblSPTotal(82)", 2640, 1020, 7575, 255, QStringLiteral("詳細"), "12", 0),
             label(1, "lblPage", 5198, 14760, 915, 195, "- 1 -", "9.75", 0),
             label(1, "lblTeamID(1)", 1020, 1380, 1515, 255, "T1", "12", 1),
             label(1, "lblTeamDetail(1)", 2700, 1380, 7515, 255, QStringLiteral("詳細1"), "12", 0),
             label(1, "lblTeamID(2)", 1020, 1740, 1515, 255, "T2", "12", 1),
             label(1, "lblTeamDetail(2)", 2700, 1740, 7515, 255, QStringLiteral("詳細2"), "12", 0),
             label(1, "lblTeamDetail(3)", 2700, 2100, 7515, 255, "", "12", 0),
             label(1, "lblTeamID(37)", 1020, 14340, 1515, 255, "T37", "12", 1),
             label(2, "lblTeamID(1)", 1020, 1380, 1515, 255, "T38", "12", 1),
             label(2, "lblPage", 5198, 14760, 915, 195, "- 2 -", "9.75", 0),
             QStringLiteral("line\t1\tlinTop\t960\t960\t10260\t960\t2"),
             QStringLiteral("line\t1\tlinTate(1)\t2580\t960\t2580\t14640\t2"),
             QStringLiteral("line\t1\tlinFutoYoko(1)\t960\t1320\t10260\t1320\t2"),
             QStringLiteral("line\t1\tlinHosoYoko(1)\t960\t1680\t10260\t1680\t1"),
             QStringLiteral("line\t1\tlinHosoYoko(36)\t960\t14280\t10260\t14280\t1"),
             QStringLiteral("line\t1\tlinFutoYoko(2)\t960\t14640\t10260\t14640\t2"),
             QStringLiteral("line\t2\tlinTate(2)\t10260\t960\t10260\t1680\t2"),
             QStringLiteral("line\t2\tlinFutoYoko(2)\t960\t1680\t10260\t1680\t2"),
         })
        EXPECT_TRUE(r.lines.contains(expected)) << expected.toStdString();

    EXPECT_EQ(r.linesOf("label\t1\tlblTeamID(").size(), 37);
    EXPECT_EQ(r.linesOf("label\t2\tlblTeamID(").size(), 1);
    EXPECT_TRUE(r.linesOf("label\t3").isEmpty());
    EXPECT_FALSE(r.lines.join('\n').contains("T40"));
    for (int page : {1, 2}) {
        const QStringList entry = r.linesOf(QStringLiteral("label\t%1\tlblEntryNum\t").arg(page));
        ASSERT_EQ(entry.size(), 1);
        EXPECT_EQ(entry[0].section('\t', 7, 7), QStringLiteral("登録数 38"));
        const QStringList title = r.linesOf(QStringLiteral("label\t%1\tlblScorePage\t").arg(page));
        ASSERT_EQ(title.size(), 1);
        EXPECT_EQ(title[0].section('\t', 7, 7), QStringLiteral("チーム識別一覧表（%1/2）").arg(page));
        // Auto-sized, its right edge stays at 10260.
        EXPECT_NEAR(title[0].section('\t', 3, 3).toInt() + title[0].section('\t', 5, 5).toInt(), 10260, 1);
    }
}

TEST_F(PagesToolTest, NoTeamFileIsOnePageWithoutRows)
{
    const reptest::ToolRun r = run({"regi-team-list"});
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    EXPECT_EQ(r.lines.first(), "pages\t1");
    EXPECT_TRUE(r.linesOf("label\t1\tlblTeamID").isEmpty());
    EXPECT_EQ(r.linesOf("label\t1\tlblEntryNum").value(0).section('\t', 7, 7), QStringLiteral("登録数 0"));
}

TEST_F(PagesToolTest, ErrorsExitNonZeroWithTheMessageOnStandardError)
{
    reptest::ToolRun r = run({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.errors.contains("regi-team-list"));
    r = run({"no-such-report"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.errors.contains("unknown report no-such-report"));
    r = run({"regi-team-list", "extra"});
    EXPECT_EQ(r.exitCode, 2);

    // A home that is a file: no documents folder, the folder message.
    QFile file(home.filePath("plain-file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    r = run({"regi-team-list"}, file.fileName());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_TRUE(r.errors.contains("The folder does not exist")) << r.errors.toStdString();
}

}  // namespace

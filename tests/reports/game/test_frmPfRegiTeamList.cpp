// The registered team list: the team file read up to its first blank
// identifier, trimmed, 37 teams a page, the count on every page, the empty
// list, and its launcher.

#include "../reports_support.h"

#include "core/printstate.h"
#include "print/modPreview.h"
#include "print/printer.h"
#include "print/renderer.h"
#include "reports/game/frmPfRegiTeamList.h"
#include "reports/modReports.h"
#include "support/gamefixtures.h"
#include "support/pdftools.h"
#include "support/recordingui.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using print::Control;

namespace {

class RegiTeamListTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetRecordingUi();
        testsupport::pointDataPathsAt(dir.path());
    }
    std::unique_ptr<print::PageForm> load(Integer page, Integer count)
    {
        gintPageNo = page;
        gintPageCount = count;
        return print::loadPageForm(print::pageFormFactory<frmPfRegiTeamList>());
    }
    static QStringList rows(const print::PageForm& f)
    {
        QStringList out;
        for (const Control& c : f.controls())
            if (c.name == "lblTeamID" && c.index > 0)
                out << c.caption + '|' + f.control("lblTeamDetail", c.index).caption + '@' + QString::number(c.top);
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(RegiTeamListTest, ThirtyEightTeamsOnTwoPagesTrimmedUpToTheFirstBlankIdentifier)
{
    ASSERT_TRUE(reptest::writeTeamFile(reptest::thirtyEightTeams()));
    EXPECT_EQ(load(-1, -1)->gintMaxPageNo, 2);

    const auto p1 = load(1, 2);
    const QStringList r1 = rows(*p1);
    ASSERT_EQ(r1.size(), 37);
    EXPECT_EQ(r1[0], QStringLiteral("T1|詳細1@1380"));   // the first row at 1320
    EXPECT_EQ(r1[1], QStringLiteral("T2|詳細2@1740"));   // trimmed
    EXPECT_EQ(r1[2], QStringLiteral("T3|@2100"));        // no description
    EXPECT_EQ(r1[36], QStringLiteral("T37|詳細37@14340"));
    EXPECT_EQ(p1->control("linTate", 1).y2, 14640);       // the 37th row ends at 14640
    EXPECT_EQ(p1->control("lblScorePage").caption, QStringLiteral("チーム識別一覧表（1/2）"));
    EXPECT_EQ(p1->control("lblEntryNum").caption, QStringLiteral("登録数 38"));
    EXPECT_EQ(p1->control("lblSeasonTittle").caption, QStringLiteral("*** チーム識別一覧  ***"));
    EXPECT_EQ(p1->control("lblPage").caption, QStringLiteral("- 1 -"));
    const Control& id = p1->control("lblTeamID", 1);
    EXPECT_EQ(id.left, 1020);
    EXPECT_EQ(id.width, 1515);
    EXPECT_TRUE(id.font.bold);
    EXPECT_EQ(id.font.size, 12);
    EXPECT_EQ(id.alignment, print::AlignCenter);

    const auto p2 = load(2, 2);
    EXPECT_EQ(rows(*p2), QStringList{QStringLiteral("T38|詳細38@1380")});
    EXPECT_EQ(p2->control("lblEntryNum").caption, QStringLiteral("登録数 38"));
    EXPECT_EQ(p2->control("lblScorePage").caption, QStringLiteral("チーム識別一覧表（2/2）"));
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST_F(RegiTeamListTest, NoTeamFileIsOneEmptyPage)
{
    EXPECT_EQ(load(-1, -1)->gintMaxPageNo, 0);
    const auto p = load(1, 1);
    EXPECT_TRUE(rows(*p).isEmpty());
    EXPECT_EQ(p->control("lblEntryNum").caption, QStringLiteral("登録数 0"));
    EXPECT_EQ(p->control("lblScorePage").caption, "");
    EXPECT_EQ(p->control("lblPage").caption, "");
    EXPECT_EQ(p->Width, 11280);
    EXPECT_EQ(p->Height, 14850);
}

TEST_F(RegiTeamListTest, EveryLoadSeesTheTeamFileAsItIsNow)
{
    ASSERT_TRUE(reptest::writeTeamFile(reptest::teamLines(38)));
    EXPECT_EQ(load(-1, -1)->gintMaxPageNo, 2);
    ASSERT_TRUE(reptest::writeTeamFile(reptest::teamLines(75)));
    EXPECT_EQ(load(-1, -1)->gintMaxPageNo, 3);
    QStringList renamed = reptest::teamLines(75);
    renamed[1] = QStringLiteral("ID1=X1");   // same size, other text
    ASSERT_TRUE(reptest::writeTeamFile(renamed));
    EXPECT_EQ(rows(*load(1, 3)).value(0), QStringLiteral("X1|詳細1@1380"));
    ASSERT_TRUE(QFile::remove(gstrTeamFile));
    EXPECT_EQ(load(-1, -1)->gintMaxPageNo, 0);
}

TEST_F(RegiTeamListTest, PreviewPictureShowsTheThickTopRuleAndText)
{
    ASSERT_TRUE(reptest::writeTeamFile(reptest::teamLines(5)));
    const auto page = load(1, 1);
    const auto g = print::printer::geometry();
    print::ImageTarget picture(g.printableWidth, g.printableHeight);
    gintPrintMode = 0;
    gsDrawForm(*page, &picture, 1.0, 0);
    const QImage& img = picture.image();
    if (qEnvironmentVariableIsSet("TALLICOR_SAVE_PAGE"))
        img.save(qEnvironmentVariable("TALLICOR_SAVE_PAGE"));
    EXPECT_EQ(img.size(), QSize(qRound(g.printableWidth / 15.0), qRound(g.printableHeight / 15.0)));
    // linTop at Y 960 twips is pixel row 64, two pixels thick, from X 64 to 684.
    auto darkest = [&](int x, int y0, int y1) {
        int v = 255;
        for (int y = y0; y <= y1; ++y)
            v = std::min(v, qGray(img.pixel(x, y)));
        return v;
    };
    EXPECT_LT(darkest(300, 63, 65), 80);
    EXPECT_EQ(darkest(300, 58, 61), 255);
    EXPECT_EQ(darkest(300, 67, 70), 255);
    EXPECT_EQ(darkest(700, 63, 65), 255);   // beyond the table
    // Text in the first row (1320 to 1680 twips: rows 88 to 112); nothing
    // under the table.
    int ink = 0;
    for (int y = 89; y < 112; ++y)
        for (int x = 70; x < 160; ++x)
            ink += qGray(img.pixel(x, y)) < 128;
    EXPECT_GT(ink, 20);
    EXPECT_EQ(darkest(400, 215, 900), 255);   // below the closing rule at row 208
}

TEST_F(RegiTeamListTest, LauncherPreviewsTheCountedPagesTenMillimetresDown)
{
    ASSERT_TRUE(reptest::writeTeamFile(reptest::teamLines(75)));
    QString seen;
    print::setPreviewWindow([&](QWidget*) {
        seen = QStringLiteral("%1/%2 %3,%4").arg(gintPageNo).arg(gintPageCount).arg(gintAdjustTate).arg(gintAdjustYoko);
    });
    EXPECT_EQ(gfPrintRegiTeamList(0, nullptr), 0);
    print::setPreviewWindow(nullptr);
    EXPECT_EQ(seen, "1/3 10,0");
}

TEST_F(RegiTeamListTest, PrintedToPdfItIsTwoA4PortraitPagesHoldingEveryTeam)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils missing (scripts/deps installs it)";
    ASSERT_TRUE(reptest::writeTeamFile(reptest::thirtyEightTeams()));
    const QString pdf = dir.filePath("teams.pdf");
    print::printer::setPdfFileChooser([&](QWidget*, const QString&) { return pdf; });
    // The preview's print command: every page, one copy.
    print::setPreviewWindow([](QWidget*) { gsPrintPages(gfrmPrintForm, 1, gintPageCount, 1); });
    EXPECT_EQ(gfPrintRegiTeamList(0, nullptr), 0);
    print::setPreviewWindow(nullptr);
    print::printer::setPdfFileChooser(nullptr);

    const QString info = popplerOutput("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 842(\\.\\d+)? pts \\(A4\\)")))
        << info.toStdString();
    const QString text = popplerOutput("pdftotext", {"-layout", pdf, "-"});
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    for (int n = 1; n <= 38; ++n) {
        const QString& page = pages[n <= 37 ? 0 : 1];
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("\\bT%1\\s+詳細%1\\b").arg(n))) ||
                    (n == 3 && page.contains(QRegularExpression("\\bT3\\s*\\n"))))
            << n;
    }
    EXPECT_FALSE(text.contains("T40"));
    for (int p : {0, 1}) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("チーム識別一覧表（%1/2）").arg(p + 1)));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("登録数 38")));
        // pdftotext closes up the narrow blanks of "- 1 -".
        EXPECT_TRUE(pages[p].contains(QRegularExpression(QStringLiteral("-\\s*%1\\s*-").arg(p + 1))))
            << pages[p].toStdString();
    }
}

}  // namespace

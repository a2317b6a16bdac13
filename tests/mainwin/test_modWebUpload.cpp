// The web upload export: the exact bytes of the file for a small stored
// game, players without strokes left out, the save dialog seam and the
// remembered folder, and the cases that end without a file.

#include "grid/uctMyGrid.h"
#include "mainwin/modWebUpload.h"
#include "support/registers_support.h"

#include <QDir>

using regtest::readBytes;
using regtest::readFile;

namespace {

class WebUploadTest : public regtest::RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        QDir().mkpath(dir.path() + "/out");
        gGameList.clear();
        webupload::setSaveFileChooser([this](QWidget*, const QString& proposed) {
            proposals << proposed;
            return answer;
        });
        grid.gsSetFixedTopRow(true, false);
        grid.gsCreateColsRows(1, 3);
        grid.gsSetRowInfo(1, "RowItemData", 0);
        grid.gsSetRowInfo(2, "RowItemData", 5);
    }
    void TearDown() override
    {
        webupload::setSaveFileChooser({});
        gGameList.clear();
        RegistersTest::TearDown();
    }

    // Game 0: 2 holes x 2 rounds; player 1 complete, player 2 without any
    // stroke, player 3 partly entered and without a team.
    void smallGame(const QString& date = "2024/05/06")
    {
        regtest::writeFile(gstrGamesFolder + "/game00001.tcg",
                           QStringLiteral("[Management]\r\nDate=%1\r\nTittle= 春の大会 \r\nMaxScoreNo=3\r\n"
                                          "Hole=2\r\nRound=2\r\n"
                                          "[Score1]\r\nIDNo=1\r\nHoles=3,1,2,4,\r\nTeamID=A\r\nHandicap=0\r\n"
                                          "[Score2]\r\nIDNo=2\r\nHoles=,,,,\r\nTeamID=B\r\n"
                                          "[Score3]\r\nIDNo=3\r\nHoles=2,,,5,\r\n").arg(date));
        GameInfo g;
        g.Date = date;
        g.Tittle = QStringLiteral(" 春の大会 ");
        g.Hole = 2;
        g.Round = 2;
        g.MaxScoreNo = 3;
        g.GameFileName = "game00001.tcg";
        gGameList = {g};
        gMemberList = {{1, QStringLiteral("青木"), "1960/03/09", 0, 1, 0, 0, "", QStringLiteral("あおき"), ""},
                       {2, QStringLiteral("井上"), "", 0, 2, 0, 0, "", QStringLiteral("いのうえ"), ""},
                       {3, QStringLiteral(" 上田 "), "", 0, 2, 0, 0, "", QStringLiteral("うえだ"), ""}};
    }

    uctMyGrid grid;
    QStringList proposals;
    QString answer;
};

TEST_F(WebUploadTest, WritesTheExactLinesOfTheSelectedGame)
{
    smallGame();
    // The program's folder in the documents folder, as start-up makes it.
    gstrDocFolder = dir.path() + "/Documents/Talvane Software/Tallicor";
    QDir().mkpath(gstrDocFolder);
    grid.gsSetSelectRow(1);
    answer = dir.path() + "/out/upload.tcw";
    gsUploadFileExport(nullptr, true, &grid);

    EXPECT_TRUE(recordingUi().messages.empty());
    // Nothing stored yet: the dialog starts in the documents folder.
    EXPECT_EQ(proposals, QStringList{dir.path() + "/Documents/GameDate_2024-05-06"});
    const QByteArray expected = platform::encodeCp932(QStringLiteral(
        "[P]\r\nFile=Game score from Tallicor\r\nCopyright=Corvanti - Tallicor\r\nVersion=100\r\n"
        "Hole=2\r\nRound=2\r\nGameDate=2024-05-06\r\nSubtitle=春の大会\r\n"
        "[R1]\r\nname=青木\r\nbirthday=1960-03-09\r\ngender=1\r\nsortstr=あおき\r\nteam=A\r\nscore=3/1/2/4/\r\n"
        "[R2]\r\nname=上田\r\nbirthday=0000-00-00\r\ngender=2\r\nsortstr=うえだ\r\nteam=\r\nscore=2///5/\r\n"
        "[End]\r\n"));
    EXPECT_EQ(readBytes(answer), expected);
    // The folder is remembered; the next export proposes it.
    EXPECT_EQ(readFile(gstrIniFile),
              QStringLiteral("[ComDlg_InitDir]\r\nTallicor_Web_uploadfile=") + dir.path() + "/out\r\n");
    EXPECT_TRUE(gScoreLines.empty());

    answer.clear();   // cancel: nothing written, folder kept
    gsUploadFileExport(nullptr, true, &grid);
    EXPECT_EQ(proposals.value(1), dir.path() + "/out/GameDate_2024-05-06");
    EXPECT_TRUE(readFile(gstrIniFile).contains(dir.path() + "/out\r\n"));
    EXPECT_TRUE(recordingUi().messages.empty());

    // A remembered folder that is gone (a stick not plugged in) is passed
    // over for the documents folder, and stays remembered until a save.
    QDir(dir.path() + "/out").removeRecursively();
    gsUploadFileExport(nullptr, true, &grid);
    EXPECT_EQ(proposals.value(2), dir.path() + "/Documents/GameDate_2024-05-06");
    EXPECT_TRUE(readFile(gstrIniFile).contains(dir.path() + "/out\r\n"));
}

TEST_F(WebUploadTest, PlayerWithoutStrokesNeedNotBeInThePlayerList)
{
    smallGame();
    gMemberList.erase(gMemberList.begin() + 1);   // player 2 has no stroke
    grid.gsSetSelectRow(1);
    answer = dir.path() + "/out/upload.tcw";
    gsUploadFileExport(nullptr, true, &grid);
    EXPECT_TRUE(recordingUi().messages.empty());
    const QString text = readFile(answer);
    EXPECT_TRUE(text.contains(QStringLiteral("[R2]\r\nname=上田\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("[End]\r\n")));
}

TEST_F(WebUploadTest, LinesOfAGameWithoutStrokesAndOfEightByThree)
{
    gGame.Date = "2024/01/02";
    gGame.Tittle = "T";
    gGame.Hole = 8;
    gGame.Round = 3;
    gMemberList = {{9, "N", "", 0, 1, 0, 0, "", "", ""}};
    gScoreLines.assign(3, ScoreLine{});
    for (auto& l : gScoreLines)
        l.IDNo = 9;
    QStringList lines = gfBuildUploadLines();
    EXPECT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.last(), QStringLiteral("[End]"));
    for (auto& l : gScoreLines)
        for (int h = 0; h < 8; ++h)
            l.Holes[h] = "3";
    lines = gfBuildUploadLines();
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[14].count('/'), 24);
    EXPECT_TRUE(lines[14].startsWith("score=3/3/"));
    gsClearCalcResults();
}

// A game file whose entries could not all be read is named in the read
// message and no upload file is offered: it would lack those players.
TEST_F(WebUploadTest, AGameNotReadCompletelyIsNotExported)
{
    smallGame();
    regtest::writeFile(gstrGamesFolder + "/game00001.tcg",
                       QStringLiteral("[Management]\r\nDate=2024/05/06\r\nMaxScoreNo=3\r\nHole=2\r\nRound=2\r\n"
                                      "[Score1]\r\nIDNo=1\r\nHoles=3,1,2,4,\r\n"
                                      "[Score2]\r\nIDNo=2\r\nHoles=2,2,2,2,\r\n"
                                      "[Score3]\r\nIDNo=3\r\nHoles=2,1,1,5,\r\nHandicap=99999999999\r\n"));
    answer = dir.path() + "/out/x.tcw";
    grid.gsSetSelectRow(1);
    gsUploadFileExport(nullptr, true, &grid);
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith(QStringLiteral("スコア・データの読み込みに失敗しました。\r\ngame00001.tcg")));
    EXPECT_TRUE(proposals.isEmpty());
    EXPECT_FALSE(QFile::exists(answer));
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);
}

TEST_F(WebUploadTest, CasesThatEndWithoutAFile)
{
    smallGame();
    answer = dir.path() + "/out/x.tcw";
    // No series choice: nothing at all.
    grid.gsSetSelectRow(1);
    gsUploadFileExport(nullptr, false, &grid);
    // No selected row: the message.
    grid.gsSetSelectRow(1);   // clears it again
    gsUploadFileExport(nullptr, true, &grid);
    EXPECT_EQ(messages(), QStringLiteral("エラー|ゲームを選択してください。"));
    // A row whose game index is outside the list: nothing.
    grid.gsSetSelectRow(2);
    gsUploadFileExport(nullptr, true, &grid);
    // A player missing from the player list, and a date that is not a date:
    // no dialog, no message.
    grid.gsSetSelectRow(1);
    gMemberList.pop_back();
    gsUploadFileExport(nullptr, true, &grid);
    smallGame(QStringLiteral("未定"));
    gsUploadFileExport(nullptr, true, &grid);
    EXPECT_TRUE(proposals.isEmpty());
    EXPECT_FALSE(QFile::exists(answer));
    EXPECT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().mousePointer(), platform::vbDefault);

    // A file that cannot be written: the failure message.
    smallGame();
    answer = dir.path() + "/missing/x.tcw";
    gsUploadFileExport(nullptr, true, &grid);
    ASSERT_EQ(recordingUi().messages.size(), 2u);
    EXPECT_EQ(recordingUi().messages[1].title, QStringLiteral("System error"));
    EXPECT_EQ(recordingUi().messages[1].prompt, QStringLiteral("Tallicor Web ｱｯﾌﾟﾛｰﾄﾞﾌｧｲﾙを作成に失敗しました。"));
}

}  // namespace

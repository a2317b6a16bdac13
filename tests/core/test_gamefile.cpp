// The game file store: exact bytes of a saved game, numbering through
// "manager.dat", the readers and their defaults, the conversions between
// entries and score rows, the header comparison and failing saves.
#include "test_gamefile_support.h"

#include "platform/vbruntime.h"

#include <QFile>
#include <functional>
#include <unistd.h>

using namespace gametest;

namespace {

// Three players: one with a team and a handicap, one without a team, one
// without any stroke.
void buildSampleGame()
{
    newGame(2, 2);
    gGame.Date = QStringLiteral(" H22/6/1 ");
    gGame.Tittle = QStringLiteral(" 春季大会ｶﾅ ");
    gGame.SeriesID = 3;
    gGame.CourceID = 2;
    gGame.TeamHowtoRank = 1;
    gGame.CategoryAgeHigh = 70;
    gGame.HandiCapKind = 2;
    gGame.RGUmu = 1;
    gGame.RGCT = 4;
    gGame.RGPriority = {1, 0, 1, 0, 0};
    addPlayer(1, {"3 4", "2 1"}, QStringLiteral(" A"), -2);
    addPlayer(2, {"3 3", "3 3"});
    addPlayer(3, {". .", ". ."}, QStringLiteral("A"));
    gScoreLines[0].RoundGNo = gScoreLines[1].RoundGNo = 1;
    gScoreLines[0].SeedNo = gScoreLines[1].SeedNo = 2;
    gsScoreLinesToData();
}

const QByteArray kSampleFile =
    "[Management]\r\n"
    "Date=2010/06/01\r\n"
    "Tittle=\x8f\x74\x8b\x47\x91\xe5\x89\xef\xb6\xc5\r\n"
    "MaxScoreNo=3\r\n"
    "SeriesID=3\r\n"
    "CourceID=2\r\n"
    "Hole=2\r\n"
    "Round=2\r\n"
    "TeamHowtoRank=1\r\n"
    "CategoryGender=0\r\n"
    "CategoryAgeLow=-1\r\n"
    "CategoryAgeHigh=70\r\n"
    "JudgeDaSu=5\r\n"
    "JudgeBirthday=1\r\n"
    "HandiCapKind=2\r\n"
    "PointGame=1\r\n"
    "[Score1]\r\n"
    "IDNo=1\r\n"
    "Holes=3,4,2,1,\r\n"
    "TeamID=A\r\n"
    "Handicap=-2\r\n"
    "RoundGNo=1\r\n"
    "SeedNo=2\r\n"
    "[Score2]\r\n"
    "IDNo=2\r\n"
    "Holes=3,3,3,3,\r\n"
    "Handicap=0\r\n"
    "RoundGNo=0\r\n"
    "SeedNo=0\r\n"
    "[Score3]\r\n"
    "IDNo=3\r\n"
    "Holes=,,,,\r\n"
    "TeamID=A\r\n"
    "Handicap=0\r\n"
    "RoundGNo=0\r\n"
    "SeedNo=0\r\n"
    "[Ranking]\r\n"
    "R0=1\r\n"
    "P0=1\r\n"
    "R1=2\r\n"
    "P1=2\r\n"
    "RealEntries=2\r\n"
    "[RoundGrouping]\r\n"
    "RGUmu=1\r\n"
    "RGWhichBy=0\r\n"
    "RGCT=4\r\n"
    "RGPriority0=1\r\n"
    "RGPriority1=0\r\n"
    "RGPriority2=1\r\n"
    "RGPriority3=0\r\n"
    "RGPriority4=0\r\n";

TEST(GameFile, FirstSaveWritesTheExactFileAndNumberOne)
{
    DataFolder data;
    buildSampleGame();
    const QString path = gfGameDataSave();
    EXPECT_EQ(path, data.game(QStringLiteral("game00001.tcg")));
    EXPECT_EQ(gGame.GameFileName, QStringLiteral("game00001.tcg"));
    EXPECT_EQ(gGame.MaxScoreNo, 0);   // the header keeps its old count
    EXPECT_EQ(readBytes(path), kSampleFile);
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, QStringLiteral("Management"), QStringLiteral("MaxGameNo")),
              QStringLiteral("1"));
    // Nothing but the game and the number file is left behind.
    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("game00001.tcg"), QStringLiteral("manager.dat")}));
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST(GameFile, SavedReadBackAndSavedAgainIsByteIdentical)
{
    DataFolder data;
    buildSampleGame();
    const QString path = gfGameDataSave();
    const QByteArray first = readBytes(path);

    gsReadGameList();
    ASSERT_EQ(glngGameListUBound(), 0);
    const GameInfo g = gGameList[0];
    EXPECT_EQ(g.Date, QStringLiteral("2010/06/01"));
    EXPECT_EQ(g.Tittle, QStringLiteral("春季大会ｶﾅ"));
    EXPECT_EQ(g.MaxScoreNo, 3);
    EXPECT_EQ(g.RealEntries, 2);
    EXPECT_EQ(g.CategoryAgeLow, -1);
    EXPECT_EQ(g.CategoryAgeHigh, 70);
    EXPECT_EQ(g.HandiCapKind, 2);
    EXPECT_EQ(g.RGCT, 4);
    EXPECT_EQ(g.RGPriority, (std::array<Integer, 5>{1, 0, 1, 0, 0}));
    EXPECT_EQ(g.GameFileName, QStringLiteral("game00001.tcg"));

    gsClearCalcResults();
    gGame = g;
    gsReadScoreData();
    ASSERT_EQ(glngScoreDataUBound(), 2);
    EXPECT_EQ(gScoreData[0].TeamID, QStringLiteral("A"));
    EXPECT_EQ(gScoreData[1].TeamID, QString());
    gsScoreDataToLines();
    ASSERT_EQ(glngScoreLinesUBound(), 5);
    EXPECT_EQ(gScoreLines[1].Holes[1], QStringLiteral("1"));
    EXPECT_EQ(gScoreLines[1].RoundNo, 2);
    gsScoreLinesToData();
    EXPECT_EQ(gfGameDataSave(), path);
    EXPECT_EQ(readBytes(path), first);
    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files).size(), 2);
}

TEST(GameFile, DatesAreStoredAsDatesOrTrimmedAsTyped)
{
    DataFolder data;
    const std::pair<const char*, const char*> cases[] = {
        {" H22/6/1 ", "2010/06/01"},
        {"2005/6/7", "2005/06/07"},
        {" いつか ", "いつか"},
        {"2010/2/30", "2010/2/30"},
        {"", ""},
    };
    for (const auto& [typed, stored] : cases) {
        newGame(1, 1);
        gGame.Date = QString::fromUtf8(typed);
        const QStringList lines = gfGameFileLines();
        EXPECT_EQ(lines[1], QStringLiteral("Date=") + QString::fromUtf8(stored));
    }
}

TEST(GameFile, LineBreaksInTextsCannotStartLinesOfTheirOwn)
{
    newGame(1, 1);
    gGame.Tittle = QStringLiteral("a\r\n[Score1]\nIDNo=99");
    addPlayer(1, {"3"}, QStringLiteral("A\rB"));
    gsScoreLinesToData();
    gsCalPersonRanking(0);
    const QStringList lines = gfGameFileLines();
    EXPECT_EQ(lines[2], QStringLiteral("Tittle=a  [Score1] IDNo=99"));
    EXPECT_TRUE(lines.contains(QStringLiteral("TeamID=A B")));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const QString& l) { return l.startsWith(QLatin1Char('[')); }),
              4);   // Management, Score1, Ranking, RoundGrouping
}

TEST(GameFile, NumbersAreTakenOnceAndNeverOverwriteAGame)
{
    DataFolder data;
    buildSampleGame();
    const QString first = gfGameDataSave();
    EXPECT_EQ(gfGameDataSave(), first);   // a second save keeps the name
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, QStringLiteral("Management"), QStringLiteral("MaxGameNo")),
              QStringLiteral("1"));

    // The file went away while the game was open: a new number.
    QFile::remove(first);
    EXPECT_EQ(gfGameDataSave(), data.game(QStringLiteral("game00002.tcg")));
    EXPECT_EQ(gGame.GameFileName, QStringLiteral("game00002.tcg"));

    // The number file was lost (or restored from an older copy): a new game
    // passes over the numbers whose files exist.
    const QByteArray second = readBytes(data.game(QStringLiteral("game00002.tcg")));
    QFile::remove(gstrManagerFile);
    writeBytes(data.game(QStringLiteral("game00001.tcg")), "[Management]\r\nTittle=other\r\n");
    gGame.GameFileName.clear();
    gGame.Tittle = QStringLiteral("new");
    EXPECT_EQ(gfGameDataSave(), data.game(QStringLiteral("game00003.tcg")));
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, QStringLiteral("Management"), QStringLiteral("MaxGameNo")),
              QStringLiteral("3"));
    EXPECT_EQ(readBytes(data.game(QStringLiteral("game00001.tcg"))), QByteArray("[Management]\r\nTittle=other\r\n"));
    EXPECT_EQ(readBytes(data.game(QStringLiteral("game00002.tcg"))), second);

    EXPECT_EQ(gfGameFileName(99999), QStringLiteral("game99999.tcg"));
    EXPECT_EQ(gfGameFileName(100000), QStringLiteral("game100000.tcg"));
}

TEST(GameFile, RankingStoresSharedRanksAndStopsAtThePlayersWithoutStrokes)
{
    DataFolder data;
    newGame(1, 1);
    gGame.JudgeDaSu = 0;
    gGame.JudgeBirthday = 0;
    addPlayer(7, {"."});
    addPlayer(4, {"3"});
    addPlayer(5, {"4"});
    addPlayer(6, {"4"});
    addPlayer(8, {"."});
    gsScoreLinesToData();
    const QString path = gfGameDataSave();
    auto value = [&](const char* key) {
        return gfReadIniFile(path, QStringLiteral("Ranking"), QString::fromLatin1(key));
    };
    EXPECT_EQ(value("R0"), QStringLiteral("1"));
    EXPECT_EQ(value("P0"), QStringLiteral("4"));
    EXPECT_EQ(value("R1"), QStringLiteral("2"));
    EXPECT_EQ(value("R2"), QStringLiteral("2"));
    EXPECT_EQ(value("P3"), QString());
    EXPECT_EQ(value("RealEntries"), QStringLiteral("3"));
}

TEST(GameFile, GameListReadsHandWrittenFilesWithTheirDefaults)
{
    DataFolder data;
    writeLines(gstrManagerFile, {QStringLiteral("[Management]"), QStringLiteral("MaxGameNo=4")});
    // Number 1: every key; number 2: an old file without the later keys;
    // number 3 missing; number 4: blank and non-numeric values.
    writeLines(data.game(QStringLiteral("game00001.tcg")),
               {QStringLiteral("[Management]"), QStringLiteral("Date=2010/06/01"),
                QStringLiteral("Tittle= 秋季 "), QStringLiteral("MaxScoreNo=2"), QStringLiteral("SeriesID=4"),
                QStringLiteral("CourceID=5"), QStringLiteral("Hole=8"), QStringLiteral("Round=3"),
                QStringLiteral("TeamHowtoRank=1"), QStringLiteral("CategoryGender=2"),
                QStringLiteral("CategoryAgeLow=60"), QStringLiteral("CategoryAgeHigh=-1"),
                QStringLiteral("JudgeDaSu=2"), QStringLiteral("JudgeBirthday=0"), QStringLiteral("HandiCapKind=2"),
                QStringLiteral("PointGame=3"), QStringLiteral("[Ranking]"), QStringLiteral("RealEntries=7"),
                QStringLiteral("[RoundGrouping]"), QStringLiteral("RGUmu=1"), QStringLiteral("RGWhichBy=1"),
                QStringLiteral("RGCT=6"), QStringLiteral("RGPriority4=1")});
    writeLines(data.game(QStringLiteral("game00002.tcg")),
               {QStringLiteral("[Management]"), QStringLiteral("Date=2009/01/02"), QStringLiteral("Tittle=old")});
    writeLines(data.game(QStringLiteral("game00004.tcg")),
               {QStringLiteral("[Management]"), QStringLiteral("JudgeDaSu=  "), QStringLiteral("JudgeBirthday=x"),
                QStringLiteral("PointGame=x"), QStringLiteral("Hole=2.5")});
    // Never listed: above MaxGameNo, or not a game file name.
    writeLines(data.game(QStringLiteral("game00005.tcg")), {QStringLiteral("[Management]")});
    writeLines(data.game(QStringLiteral("game1.tcg")), {QStringLiteral("[Management]")});
    writeLines(data.game(QStringLiteral("game000003.tcg")), {QStringLiteral("[Management]")});
    writeLines(data.game(QStringLiteral("GAME00003.TCG")), {QStringLiteral("[Management]")});
    writeLines(data.game(QStringLiteral("game0000３.tcg")), {QStringLiteral("[Management]")});
    ASSERT_TRUE(QDir().mkpath(data.game(QStringLiteral("game00003.tcg"))));   // a folder

    gsReadGameList();
    ASSERT_EQ(glngGameListUBound(), 2);
    const GameInfo& a = gGameList[0];
    EXPECT_EQ(a.GameFileName, QStringLiteral("game00001.tcg"));
    EXPECT_EQ(a.Tittle, QStringLiteral("秋季"));
    EXPECT_EQ(a.MaxScoreNo, 2);
    EXPECT_EQ(a.SeriesID, 4);
    EXPECT_EQ(a.CourceID, 5);
    EXPECT_EQ(a.Hole, 8);
    EXPECT_EQ(a.Round, 3);
    EXPECT_EQ(a.TeamHowtoRank, 1);
    EXPECT_EQ(a.CategoryGender, 2);
    EXPECT_EQ(a.CategoryAgeLow, 60);
    EXPECT_EQ(a.CategoryAgeHigh, -1);
    EXPECT_EQ(a.JudgeDaSu, 2);
    EXPECT_EQ(a.JudgeBirthday, 0);
    EXPECT_EQ(a.HandiCapKind, 2);
    EXPECT_EQ(a.PointGame, 3);
    EXPECT_EQ(a.RealEntries, 7);
    EXPECT_EQ(a.RGUmu, 1);
    EXPECT_EQ(a.RGWhichBy, 1);
    EXPECT_EQ(a.RGCT, 6);
    EXPECT_EQ(a.RGPriority, (std::array<Integer, 5>{0, 0, 0, 0, 1}));

    const GameInfo& b = gGameList[1];
    EXPECT_EQ(b.GameFileName, QStringLiteral("game00002.tcg"));
    EXPECT_EQ(b.Hole, 0);
    EXPECT_EQ(b.CategoryAgeLow, 0);   // missing is 0, not "no bound"
    EXPECT_EQ(b.CategoryAgeHigh, 0);
    EXPECT_EQ(b.JudgeDaSu, 5);
    EXPECT_EQ(b.JudgeBirthday, 1);
    EXPECT_EQ(b.HandiCapKind, 0);
    EXPECT_EQ(b.PointGame, 1);
    EXPECT_EQ(b.RealEntries, 0);

    const GameInfo& d = gGameList[2];
    EXPECT_EQ(d.GameFileName, QStringLiteral("game00004.tcg"));
    EXPECT_EQ(d.JudgeDaSu, 5);
    EXPECT_EQ(d.JudgeBirthday, 0);
    EXPECT_EQ(d.PointGame, 0);
    EXPECT_EQ(d.Hole, 2);   // 2.5 rounds half to even

    // No number file: no games.
    QFile::remove(gstrManagerFile);
    gsReadGameList();
    EXPECT_EQ(glngGameListUBound(), -1);
}

// The header of a game file read key by key through gfReadIniFile, as the
// list reader (which loads each file once) must see it.
GameInfo headerByProfile(const QString& path)
{
    auto v = [&](const char* section, const QString& key) {
        return gfReadIniFile(path, QString::fromLatin1(section), key);
    };
    auto m = [&](const char* key) { return v("Management", QString::fromLatin1(key)); };
    auto orDefault = [&](const char* key, Integer d) {
        const QString t = m(key);
        return vb::Trim(t).isEmpty() ? d : vb::CIntText(t);
    };
    GameInfo g;
    g.Date = vb::Trim(m("Date"));
    g.Tittle = vb::Trim(m("Tittle"));
    g.MaxScoreNo = vb::CLngText(m("MaxScoreNo"));
    g.SeriesID = vb::CLngText(m("SeriesID"));
    g.CourceID = vb::CLngText(m("CourceID"));
    g.Hole = vb::CIntText(m("Hole"));
    g.Round = vb::CIntText(m("Round"));
    g.TeamHowtoRank = vb::CIntText(m("TeamHowtoRank"));
    g.CategoryGender = vb::CIntText(m("CategoryGender"));
    g.CategoryAgeLow = vb::CIntText(m("CategoryAgeLow"));
    g.CategoryAgeHigh = vb::CIntText(m("CategoryAgeHigh"));
    g.JudgeDaSu = orDefault("JudgeDaSu", 5);
    g.JudgeBirthday = orDefault("JudgeBirthday", 1);
    g.HandiCapKind = orDefault("HandiCapKind", 0);
    g.PointGame = orDefault("PointGame", 1);
    g.RealEntries = vb::CLngText(v("Ranking", QStringLiteral("RealEntries")));
    g.RGUmu = vb::CIntText(v("RoundGrouping", QStringLiteral("RGUmu")));
    g.RGWhichBy = vb::CIntText(v("RoundGrouping", QStringLiteral("RGWhichBy")));
    g.RGCT = vb::CIntText(v("RoundGrouping", QStringLiteral("RGCT")));
    for (int p = 0; p < 5; ++p)
        g.RGPriority[p] = vb::CIntText(v("RoundGrouping", QStringLiteral("RGPriority") + QString::number(p)));
    return g;
}

TEST(GameFile, GameListReadsOddFilesAsTheProfileReaderDoes)
{
    DataFolder data;
    const QByteArray longTitle = QByteArray("Tittle=") + platform::encodeCp932(QString(300, QChar(u'春')));
    const QByteArray files[] = {
        // Names in other letter cases, blanks around names and values.
        "[management]\r\n hole = 7 \r\nROUND=2\r\n\tTittle\t=\t a b \r\n[RANKING]\r\nrealentries=4\r\n",
        // Quotes: one matching pair goes; a single quote stays.
        "[Management]\r\nTittle=\"quoted\"\r\nDate='2010/01/02'\r\nCourceID=\"5\r\n",
        // The first section of a name and the first key in it win.
        "[Management]\r\nHole=3\r\nHole=4\r\n[Other]\r\nRound=9\r\n[Management]\r\nRound=5\r\nHole=6\r\n",
        // Sections whose names hold CP932 characters, one with "]" as its second
        // byte, and an unclosed bracket read as a key line.
        "[\x95\x5c]\r\nHole=9\r\n[\x83\x5d]\r\nRound=9\r\n[Management]\r\n[Hole=8\r\nRound=3\r\n"
        "[RoundGrouping]\r\nRGCT=5\r\n",
        // Line ends of every kind, keys before any section, values of non-ASCII.
        "Hole=1\r\n[Management]\rHole=2\nRound=4\n\nTittle=\x8f\x74\x8b\x47\r\n[RoundGrouping]\nRGPriority4=1",
        // A long value is cut; a "]" inside a value, "=" in a value.
        "[Management]\r\n" + longTitle + "\r\nDate=a]b=c\r\n [ RoundGrouping ] trailing\r\nRGUmu=1\r\n",
        // Blank values with defaults and numbers that are not numbers.
        "[Management]\r\nJudgeDaSu=\r\nJudgeBirthday= \r\nPointGame=x\r\nHandiCapKind=2abc\r\nHole=-3.5\r\n",
        // A value ends at a NUL.
        QByteArrayLiteral("[Management]\r\nTittle= ab\0cd \r\nHole=2\0x\r\n"),
    };
    int n = 0;
    for (const QByteArray& bytes : files) writeBytes(data.game(gfGameFileName(++n)), bytes);
    writeLines(gstrManagerFile, {QStringLiteral("[Management]"), QStringLiteral("MaxGameNo=") + QString::number(n)});

    gsReadGameList();
    ASSERT_EQ(glngGameListUBound(), n - 1);
    for (int i = 0; i < n; ++i) {
        GameInfo expected = headerByProfile(data.game(gfGameFileName(i + 1)));
        expected.GameFileName = gfGameFileName(i + 1);
        const GameInfo& got = gGameList[static_cast<size_t>(i)];
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(got.Date, expected.Date);
        EXPECT_EQ(got.Tittle, expected.Tittle);
        EXPECT_EQ(gfIsGameInfoChanged(got, expected), 0);
        EXPECT_EQ(got.RealEntries, expected.RealEntries);
        EXPECT_EQ(got.RGUmu, expected.RGUmu);
        EXPECT_EQ(got.RGWhichBy, expected.RGWhichBy);
        EXPECT_EQ(got.RGCT, expected.RGCT);
        EXPECT_EQ(got.RGPriority, expected.RGPriority);
    }
    // A few of the values spelled out, so the comparison cannot pass on two
    // readers that both read nothing.
    EXPECT_EQ(gGameList[0].Hole, 7);
    EXPECT_EQ(gGameList[0].Tittle, QStringLiteral("a b"));
    EXPECT_EQ(gGameList[0].RealEntries, 4);
    EXPECT_EQ(gGameList[1].Tittle, QStringLiteral("quoted"));
    EXPECT_EQ(gGameList[2].Hole, 3);
    EXPECT_EQ(gGameList[2].Round, 0);
    EXPECT_EQ(gGameList[3].Round, 3);
    EXPECT_EQ(gGameList[3].RGCT, 5);
    EXPECT_EQ(gGameList[4].Tittle, QStringLiteral("春季"));
    EXPECT_EQ(gGameList[4].RGPriority[4], 1);
    EXPECT_EQ(gGameList[5].Tittle.size(), 255);
    EXPECT_EQ(gGameList[6].JudgeDaSu, 5);
    EXPECT_EQ(gGameList[6].PointGame, 0);
    EXPECT_EQ(gGameList[7].Tittle, QStringLiteral("ab"));
    EXPECT_EQ(gGameList[7].Hole, 2);
}

TEST(GameFile, ScoreDataReaderGivesAnEntryPerCount)
{
    DataFolder data;
    writeLines(data.game(QStringLiteral("game00001.tcg")),
               {QStringLiteral("[Management]"), QStringLiteral("MaxScoreNo=2"), QStringLiteral("[Score1]"),
                QStringLiteral("IDNo=12"), QStringLiteral("Holes= 3,4, "), QStringLiteral("TeamID= B "),
                QStringLiteral("Handicap=-3"), QStringLiteral("RoundGNo=2"), QStringLiteral("SeedNo=1"),
                QStringLiteral("[Score2]"), QStringLiteral("IDNo=13")});
    gGame = gfNewGameDefaults();
    gGame.GameFileName = QStringLiteral(" game00001.tcg ");
    gsReadScoreData();
    ASSERT_EQ(glngScoreDataUBound(), 1);
    EXPECT_EQ(gScoreData[0].IDNo, 12);
    EXPECT_EQ(gScoreData[0].Holes, QStringLiteral("3,4,"));
    EXPECT_EQ(gScoreData[0].TeamID, QStringLiteral("B"));
    EXPECT_EQ(gScoreData[0].Handicap, -3);
    EXPECT_EQ(gScoreData[0].RoundGNo, 2);
    EXPECT_EQ(gScoreData[0].SeedNo, 1);
    EXPECT_EQ(gScoreData[1].IDNo, 13);   // keys other than IDNo may be missing
    EXPECT_EQ(gScoreData[1].Holes, QString());
    EXPECT_EQ(gScoreData[1].Handicap, 0);

    // A game never saved, or whose file is gone: no entries, no message.
    gGame.GameFileName = QStringLiteral("game00009.tcg");
    gsReadScoreData();
    EXPECT_EQ(glngScoreDataUBound(), -1);
    gGame.GameFileName.clear();
    gsReadScoreData();
    EXPECT_EQ(glngScoreDataUBound(), -1);
    EXPECT_TRUE(recordingUi().messages.empty());
}

// The game list reads a header with the profile rules (names trimmed, any
// letter case), the entries are read with the whole-file reader (names
// exact). Where a hand-edited file makes the two disagree, the entries are
// not found as the header announces them: the game could not be read
// completely, and the entries before the fault are what was read.
TEST(GameFile, EntriesNotFoundAsTheHeaderAnnouncesThemMakeAnIncompleteGame)
{
    const QStringList entry1 = {QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"), QStringLiteral("Holes=3,4,")};
    const QStringList entry2 = {QStringLiteral("[Score2]"), QStringLiteral("IDNo=2"), QStringLiteral("Holes=5,6,")};
    struct Case {
        const char* what;
        QStringList lines;
        Long listed;        // the entry count the game list shows
        size_t read;        // the entries read before the fault
        const char* reason;
    };
    const Case cases[] = {
        {"blanks around the count's =",
         QStringList{QStringLiteral("[Management]"), QStringLiteral("MaxScoreNo = 2")} + entry1 + entry2, 2, 0,
         "[Management] MaxScoreNo を読み取れません。"},
        {"the count in other letters",
         QStringList{QStringLiteral("[Management]"), QStringLiteral("maxscoreno=2")} + entry1 + entry2, 2, 0,
         "[Management] MaxScoreNo を読み取れません。"},
        {"a section in small letters",
         QStringList{QStringLiteral("[Management]"), QStringLiteral("MaxScoreNo=2"), QStringLiteral("[score1]"),
                     QStringLiteral("IDNo=1")} + entry2, 2, 0, "[Score1] を読み取れません。"},
        {"a blank before IDNo",
         QStringList{QStringLiteral("[Management]"), QStringLiteral("MaxScoreNo=2")} + entry1
             + QStringList{QStringLiteral("[Score2]"), QStringLiteral(" IDNo=2"), QStringLiteral("Holes=5,6,")},
         2, 1, "[Score2] IDNo を読み取れません。"},
        {"strokes under a key in other letters",
         QStringList{QStringLiteral("[Management]"), QStringLiteral("MaxScoreNo=2")} + entry1
             + QStringList{QStringLiteral("[Score2]"), QStringLiteral("IDNo=2"), QStringLiteral("holes=5,6,")},
         2, 1, "[Score2] Holes を読み取れません。"},
        {"an entry without its IDNo",
         QStringList{QStringLiteral("[Management]"), QStringLiteral("MaxScoreNo=2"), QStringLiteral("[Score1]"),
                     QStringLiteral("Holes=3,4,")} + entry2, 2, 0, "[Score1] IDNo を読み取れません。"},
        {"fewer entries than announced",
         QStringList{QStringLiteral("[Management]"), QStringLiteral("MaxScoreNo=3")} + entry1 + entry2, 3, 2,
         "[Score3] を読み取れません。"},
        // A few header lines announcing the most entries a game can have:
        // the reading stops at the first entry that is not there.
        {"a short file announcing 32767 entries",
         {QStringLiteral("[Management]"), QStringLiteral("Date=2026/05/10"), QStringLiteral("Tittle=hand-made"),
          QStringLiteral("MaxScoreNo=32767"), QStringLiteral("SeriesID=1"), QStringLiteral("Hole=8"),
          QStringLiteral("Round=3"), QStringLiteral("[Ranking]"), QStringLiteral("RealEntries=0"),
          QStringLiteral("[RoundGrouping]"), QStringLiteral("RGUmu=0")},
         32767, 0, "[Score1] を読み取れません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DataFolder data;
        writeLines(gstrManagerFile, {QStringLiteral("[Management]"), QStringLiteral("MaxGameNo=1")});
        writeLines(data.game(QStringLiteral("game00001.tcg")), c.lines);
        gsReadGameList();
        ASSERT_EQ(gGameList.size(), 1u);
        EXPECT_EQ(gGameList[0].MaxScoreNo, c.listed);

        gGame = gGameList[0];
        QString problem;
        EXPECT_FALSE(gfReadScoreDataChecked(&problem));
        EXPECT_EQ(problem, QStringLiteral("game00001.tcg (") + QString::fromUtf8(c.reason) + QStringLiteral(")"));
        EXPECT_EQ(gScoreData.size(), c.read);
        for (size_t i = 0; i < gScoreData.size(); ++i)
            EXPECT_EQ(gScoreData[i].IDNo, Long(i) + 1);
    }
}

TEST(GameFile, EntriesAndScoreRowsConvertBothWays)
{
    newGame(8, 3);
    StoredScore e;
    e.IDNo = 5;
    e.TeamID = QStringLiteral("T");
    e.Handicap = 4;
    e.RoundGNo = 2;
    e.SeedNo = 3;
    struct Case { const char* holes; std::vector<const char*> expect; };   // first texts of rows 1..3
    const Case cases[] = {
        {",,,,,,,,,,,,,,,,,,,,,,,,", {"", "", ""}},                         // 24 commas
        {"1,2,3", {"1", "", ""}},                                          // short: filled with ""
        {"1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,3,3,3,3,3,3,3,3,9,9,", {"1", "2", "3"}},   // long: extra dropped
        {"", {"", "", ""}},
    };
    for (const Case& c : cases) {
        e.Holes = QString::fromLatin1(c.holes);
        gScoreData = {e};
        gsScoreDataToLines();
        ASSERT_EQ(glngScoreLinesUBound(), 2);
        for (int r = 0; r < 3; ++r) {
            const ScoreLine& l = gScoreLines[r];
            EXPECT_EQ(l.RoundNo, r + 1);
            EXPECT_EQ(l.IDNo, 5);
            EXPECT_EQ(l.TeamID, QStringLiteral("T"));
            EXPECT_EQ(l.Handicap, 4);
            EXPECT_EQ(l.SeedNo, 3);
            EXPECT_EQ(l.Holes[0], QString::fromLatin1(c.expect[r])) << c.holes;
            for (int h = 8; h < 16; ++h) EXPECT_TRUE(l.Holes[h].isEmpty());
        }
        gsScoreLinesToData();
        ASSERT_EQ(glngScoreDataUBound(), 0);
        EXPECT_EQ(gScoreData[0].Holes.count(QLatin1Char(',')), 24);
    }
    e.Holes = QStringLiteral("1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,3,3,3,3,3,3,3,3,9,9,");
    gScoreData = {e};
    gsScoreDataToLines();
    gsScoreLinesToData();
    EXPECT_EQ(gScoreData[0].Holes, QStringLiteral("1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,3,3,3,3,3,3,3,3,"));

    // Parts are taken untrimmed both ways.
    newGame(2, 1);
    e.Holes = QStringLiteral("3 , 4,");
    gScoreData = {e};
    gsScoreDataToLines();
    EXPECT_EQ(gScoreLines[0].Holes[0], QStringLiteral("3 "));
    EXPECT_EQ(gScoreLines[0].Holes[1], QStringLiteral(" 4"));
    gsScoreLinesToData();
    EXPECT_EQ(gScoreData[0].Holes, QStringLiteral("3 , 4,"));
}

TEST(GameFile, ConversionsRaiseOnShapesTheRowsCannotHold)
{
    // A player's rows missing at the end.
    newGame(2, 3);
    addPlayer(1, {"3 3", "3 3", "3 3"});
    addPlayer(2, {"3 3", "3 3"});
    EXPECT_THROW(gsScoreLinesToData(), vb::VbError);

    const std::pair<Integer, Integer> bad[] = {{17, 1}, {8, 11}, {-1, 1}, {8, -2}};
    for (const auto& [hole, round] : bad) {
        newGame(hole, round);
        StoredScore e;
        e.Holes = QStringLiteral("1,2,3,");
        gScoreData = {e};
        EXPECT_THROW(gsScoreDataToLines(), vb::VbError) << hole << "/" << round;
        EXPECT_THROW(gsScoreLinesToData(), vb::VbError) << hole << "/" << round;
    }
}

TEST(GameFile, DamagedNumbersAreReportedNotUsed)
{
    DataFolder data;
    writeLines(gstrManagerFile, {QStringLiteral("[Management]"), QStringLiteral("MaxGameNo=2")});
    writeLines(data.game(QStringLiteral("game00001.tcg")),
               {QStringLiteral("[Management]"), QStringLiteral("Hole=99999"), QStringLiteral("Round=3")});
    writeLines(data.game(QStringLiteral("game00002.tcg")),
               {QStringLiteral("[Management]"), QStringLiteral("Hole=8"), QStringLiteral("Round=3"),
                QStringLiteral("MaxScoreNo=3"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=4"),
                QStringLiteral("[Score2]"), QStringLiteral("IDNo=99999999999"), QStringLiteral("[Score3]"),
                QStringLiteral("IDNo=6")});
    try {
        gsReadGameList();
        ADD_FAILURE() << "no error";
    } catch (const vb::VbError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("game00001.tcg")));
    }
    // The readable game is listed all the same.
    ASSERT_EQ(glngGameListUBound(), 0);
    EXPECT_EQ(gGameList[0].GameFileName, QStringLiteral("game00002.tcg"));

    gGame = gGameList[0];
    resetRecordingUi();
    gsReadScoreData();
    EXPECT_EQ(glngScoreDataUBound(), 0);   // the entries before the damage
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.startsWith(QStringLiteral("スコア・データの読み込みに失敗しました。")));
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("System error"));

    // A huge entry count cannot be a game's.
    writeLines(data.game(QStringLiteral("game00002.tcg")),
               {QStringLiteral("[Management]"), QStringLiteral("MaxScoreNo=2000000000")});
    QString failed;
    EXPECT_FALSE(gfReadScoreDataChecked(&failed));
    EXPECT_TRUE(failed.startsWith(QStringLiteral("game00002.tcg (")));
}

TEST(GameFile, HeaderComparisonCoversTheStoredFields)
{
    GameInfo a = gfNewGameDefaults();
    a.Date = QStringLiteral("2010/06/01");
    a.Tittle = QStringLiteral("Open");
    a.GameFileName = QStringLiteral("game00001.tcg");
    EXPECT_EQ(gfIsGameInfoChanged(a, a), 0);

    std::vector<std::function<void(GameInfo&)>> same = {
        [](GameInfo& g) { g.RealEntries = 9; },
        [](GameInfo& g) { g.RGUmu = 1; g.RGWhichBy = 1; g.RGCT = 3; g.RGPriority[2] = 1; },
        [](GameInfo& g) { g.Tittle = QStringLiteral(" Open　"); },
        [](GameInfo& g) { g.GameFileName = QStringLiteral(" game00001.tcg"); },
    };
    for (auto& change : same) {
        GameInfo b = a;
        change(b);
        EXPECT_EQ(gfIsGameInfoChanged(a, b), 0);
    }
    std::vector<std::function<void(GameInfo&)>> differ = {
        [](GameInfo& g) { g.Tittle = QStringLiteral("open"); },
        [](GameInfo& g) { g.Date = QStringLiteral("2010/06/02"); },
        [](GameInfo& g) { g.MaxScoreNo = 1; },
        [](GameInfo& g) { g.SeriesID = 1; },
        [](GameInfo& g) { g.CourceID = 1; },
        [](GameInfo& g) { g.Hole = 1; },
        [](GameInfo& g) { g.Round = 1; },
        [](GameInfo& g) { g.TeamHowtoRank = 1; },
        [](GameInfo& g) { g.CategoryGender = 1; },
        [](GameInfo& g) { g.CategoryAgeLow = 1; },
        [](GameInfo& g) { g.CategoryAgeHigh = 1; },
        [](GameInfo& g) { g.JudgeDaSu = 1; },
        [](GameInfo& g) { g.JudgeBirthday = 0; },
        [](GameInfo& g) { g.HandiCapKind = 2; },
        [](GameInfo& g) { g.PointGame = 0; },
        [](GameInfo& g) { g.GameFileName = QStringLiteral("game00002.tcg"); },
    };
    for (size_t i = 0; i < differ.size(); ++i) {
        GameInfo b = a;
        differ[i](b);
        EXPECT_EQ(gfIsGameInfoChanged(a, b), 1) << i;
    }
}

// Makes the games folder read-only for this process; as root, permission
// bits alone do not stop writes, so the effective user becomes "nobody"
// until the guard ends.
class ReadOnlyGames {
public:
    explicit ReadOnlyGames(const QString& root)
    {
        QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                        | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        QFile::setPermissions(gstrGamesFolder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                   | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        if (geteuid() == 0) switched_ = seteuid(65534) == 0;
    }
    ~ReadOnlyGames()
    {
        if (switched_) (void)seteuid(0);
        QFile::setPermissions(gstrGamesFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    bool switched_ = false;
};

TEST(GameFile, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldGame)
{
    DataFolder data;
    buildSampleGame();
    const QString path = gfGameDataSave();
    ASSERT_FALSE(path.isEmpty());
    const QByteArray before = readBytes(path);

    gGame.Tittle = QStringLiteral("changed");
    addPlayer(9, {"3 3", "3 3"});
    gsScoreLinesToData();
    QString result = QStringLiteral("unset");
    {
        ReadOnlyGames guard(data.root());
        resetRecordingUi();
        result = gfGameDataSave();
    }
    EXPECT_EQ(result, QString());
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(recordingUi().messages[0].prompt, QStringLiteral("スコア・データの保存に失敗しました。"));
    EXPECT_EQ(recordingUi().messages[0].title, QStringLiteral("System error"));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files).size(), 2);

    // A new game cannot take a number there either.
    gGame.GameFileName.clear();
    {
        ReadOnlyGames guard(data.root());
        resetRecordingUi();
        result = gfGameDataSave();
    }
    EXPECT_EQ(result, QString());
    EXPECT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files).size(), 2);
}

}  // namespace

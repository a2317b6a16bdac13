// The one-time jobs: taking over an older version's data folder and
// rewriting the stored game files in the current format.
#include "test_gamefile_support.h"

#include "core/startup.h"

using namespace gametest;

namespace {

QString oldData() { return gstrAppFolder + QStringLiteral("/data"); }

void writeOldSeries(const QStringList& lines) { writeLines(oldData() + QStringLiteral("/series.dat"), lines); }

void writeOldScore(const char* relative, const QStringList& lines)
{
    writeLines(oldData() + QStringLiteral("/") + QString::fromLatin1(relative), lines);
}

QStringList fileLines(const QString& path)
{
    QStringList l;
    platform::readTextLines(path, l);
    return l;
}

void writeSampleOldData()
{
    writeOldSeries({QStringLiteral("[Management]"), QStringLiteral("MaxSeriesNo=2"), QStringLiteral("[Series1]"),
                    QStringLiteral("Name=春の部"), QStringLiteral("State=0"), QStringLiteral("MaxScoreNo=3"),
                    QStringLiteral("Hole=2"), QStringLiteral("Round=2"), QStringLiteral("KiteiRound=4"),
                    QStringLiteral("TeamHowtoRank=1"), QStringLiteral("[Series2]"), QStringLiteral("Name=秋の部"),
                    QStringLiteral("State=2"), QStringLiteral("MaxScoreNo=1"), QStringLiteral("Hole=3"),
                    QStringLiteral("Round=1")});
    writeOldScore("Series001/Score_001_001.dat",
                  {QStringLiteral("[Management]"), QStringLiteral("Date=2005/6/7"), QStringLiteral("Tittle= 第1戦"),
                   QStringLiteral("MaxScoreSeq=4"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"),
                   QStringLiteral("SeqNo=1"), QStringLiteral("Holes=3,4,5"), QStringLiteral("TeamID= A"),
                   QStringLiteral("[Score2]"), QStringLiteral("IDNo=1"), QStringLiteral("SeqNo=2"),
                   QStringLiteral("Holes=2,1"), QStringLiteral("TeamID=A"), QStringLiteral("[Score3]"),
                   QStringLiteral("IDNo=2"), QStringLiteral("SeqNo=1"), QStringLiteral("Holes=4,4"),
                   QStringLiteral("[Score4]"), QStringLiteral("IDNo=2"), QStringLiteral("SeqNo=2"),
                   QStringLiteral("Holes=4,")});
    // Game 2 of series 1 is missing.
    writeOldScore("Series001/Score_001_003.dat",
                  {QStringLiteral("[Management]"), QStringLiteral("Date=H17/7/1"), QStringLiteral("Tittle=第3戦"),
                   QStringLiteral("MaxScoreSeq=2"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=3"),
                   QStringLiteral("SeqNo=1"), QStringLiteral("Holes=5,5"), QStringLiteral("[Score2]"),
                   QStringLiteral("IDNo=3"), QStringLiteral("SeqNo=2"), QStringLiteral("Holes=5,5")});
    // A date that is not a date: an empty game.
    writeOldScore("Series002/Score_002_001.dat",
                  {QStringLiteral("[Management]"), QStringLiteral("Date=いつか"), QStringLiteral("Tittle=x"),
                   QStringLiteral("MaxScoreSeq=1"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=3"),
                   QStringLiteral("SeqNo=1"), QStringLiteral("Holes=5,5,5")});
}

TEST(Migration, OldScoreFilesBecomeGamesInSeriesAndGameOrder)
{
    DataFolder data;
    writeSampleOldData();
    gsMigrateOldData();

    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files),
              (QStringList{QStringLiteral("game00001.tcg"), QStringLiteral("game00002.tcg"),
                           QStringLiteral("game00003.tcg"), QStringLiteral("manager.dat")}));
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, QStringLiteral("Management"), QStringLiteral("MaxGameNo")),
              QStringLiteral("3"));
    EXPECT_EQ(readBytes(data.game(QStringLiteral("game00001.tcg"))),
              crlf({QStringLiteral("[Management]"), QStringLiteral("Date=2005/06/07"),
                    QStringLiteral("Tittle=第1戦"), QStringLiteral("MaxScoreNo=2"), QStringLiteral("SeriesID=1"),
                    QStringLiteral("CourceID=0"), QStringLiteral("Hole=2"), QStringLiteral("Round=2"),
                    QStringLiteral("TeamHowtoRank=1"), QStringLiteral("CategoryGender=0"),
                    QStringLiteral("CategoryAgeLow=-1"), QStringLiteral("CategoryAgeHigh=-1"),
                    QStringLiteral("JudgeDaSu=5"), QStringLiteral("JudgeBirthday=1"),
                    QStringLiteral("HandiCapKind=0"), QStringLiteral("PointGame=0"), QStringLiteral("[Score1]"),
                    QStringLiteral("IDNo=1"), QStringLiteral("Holes=3,4,2,1,"), QStringLiteral("TeamID=A"),
                    QStringLiteral("Handicap=0"), QStringLiteral("RoundGNo=0"), QStringLiteral("SeedNo=0"),
                    QStringLiteral("[Score2]"), QStringLiteral("IDNo=2"), QStringLiteral("Holes=4,4,4,,"),
                    QStringLiteral("Handicap=0"), QStringLiteral("RoundGNo=0"), QStringLiteral("SeedNo=0"),
                    QStringLiteral("[Ranking]"), QStringLiteral("R0=1"), QStringLiteral("P0=1"),
                    QStringLiteral("R1=2"), QStringLiteral("P1=2"), QStringLiteral("RealEntries=2"),
                    QStringLiteral("[RoundGrouping]"), QStringLiteral("RGUmu=0"), QStringLiteral("RGWhichBy=0"),
                    QStringLiteral("RGCT=0"), QStringLiteral("RGPriority0=0"), QStringLiteral("RGPriority1=0"),
                    QStringLiteral("RGPriority2=0"), QStringLiteral("RGPriority3=0"),
                    QStringLiteral("RGPriority4=0")}));
    const QString game2 = data.game(QStringLiteral("game00002.tcg"));
    EXPECT_EQ(gfReadIniFile(game2, QStringLiteral("Management"), QStringLiteral("Date")), QStringLiteral("2005/07/01"));
    EXPECT_EQ(gfReadIniFile(game2, QStringLiteral("Score1"), QStringLiteral("Holes")), QStringLiteral("5,5,5,5,"));
    const QString game3 = data.game(QStringLiteral("game00003.tcg"));
    EXPECT_EQ(gfReadIniFile(game3, QStringLiteral("Management"), QStringLiteral("Date")), QString());
    EXPECT_EQ(gfReadIniFile(game3, QStringLiteral("Management"), QStringLiteral("Tittle")), QString());
    EXPECT_EQ(gfReadIniFile(game3, QStringLiteral("Management"), QStringLiteral("SeriesID")), QStringLiteral("2"));
    EXPECT_EQ(gfReadIniFile(game3, QStringLiteral("Management"), QStringLiteral("MaxScoreNo")), QStringLiteral("0"));

    // The series list: count, names and states only.
    const QStringList series = fileLines(gstrSeriesFile);
    EXPECT_TRUE(series.contains(QStringLiteral("MaxSeriesNo=2")));
    EXPECT_EQ(gfReadIniFile(gstrSeriesFile, QStringLiteral("Series1"), QStringLiteral("Name")), QStringLiteral("春の部"));
    EXPECT_EQ(gfReadIniFile(gstrSeriesFile, QStringLiteral("Series2"), QStringLiteral("State")), QStringLiteral("2"));
    for (const QString& line : series) {
        EXPECT_FALSE(line.startsWith(QStringLiteral("PointSeries")));
        EXPECT_FALSE(line.startsWith(QStringLiteral("Hole")));
    }
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST(Migration, EmptySeriesCountIsCopiedAndNothingMigrated)
{
    DataFolder data;
    writeOldSeries({QStringLiteral("[Management]"), QStringLiteral("MaxSeriesNo="), QStringLiteral("[Series1]"),
                    QStringLiteral("Name=a"), QStringLiteral("MaxScoreNo=1")});
    writeOldScore("Series001/Score_001_001.dat", {QStringLiteral("[Management]"), QStringLiteral("Date=2005/6/7")});
    gsMigrateOldData();
    EXPECT_TRUE(fileLines(gstrSeriesFile).contains(QStringLiteral("MaxSeriesNo=")));
    EXPECT_EQ(gfReadIniFile(gstrSeriesFile, QStringLiteral("Series1"), QStringLiteral("Name")), QString());
    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files), QStringList());
}

TEST(Migration, DamagedOldFileIsNamedAndTheOthersStillMigrate)
{
    DataFolder data;
    writeOldSeries({QStringLiteral("[Management]"), QStringLiteral("MaxSeriesNo=1"), QStringLiteral("[Series1]"),
                    QStringLiteral("MaxScoreNo=2"), QStringLiteral("Hole=1"), QStringLiteral("Round=2")});
    // Three rows of two rounds: the second player lacks a round.
    writeOldScore("Series001/Score_001_001.dat",
                  {QStringLiteral("[Management]"), QStringLiteral("Date=2005/6/7"), QStringLiteral("MaxScoreSeq=3"),
                   QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"), QStringLiteral("SeqNo=1"),
                   QStringLiteral("[Score2]"), QStringLiteral("IDNo=1"), QStringLiteral("SeqNo=2"),
                   QStringLiteral("[Score3]"), QStringLiteral("IDNo=2"), QStringLiteral("SeqNo=1")});
    writeOldScore("Series001/Score_001_002.dat",
                  {QStringLiteral("[Management]"), QStringLiteral("Date=2005/6/8"), QStringLiteral("MaxScoreSeq=0")});
    gsMigrateOldData();
    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files),
              (QStringList{QStringLiteral("game00001.tcg"), QStringLiteral("manager.dat")}));
    EXPECT_EQ(gfReadIniFile(data.game(QStringLiteral("game00001.tcg")), QStringLiteral("Management"),
                            QStringLiteral("Date")),
              QStringLiteral("2005/06/08"));
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.contains(QStringLiteral("Score_001_001.dat")));
}

TEST(Migration, SeriesWithoutHolesOrRoundsIsNamedNotSavedWithoutItsStrokes)
{
    // Series 1 lost its Hole key, series 2 its Round key: their games' strokes
    // have no place in a game file.
    DataFolder data;
    writeOldSeries({QStringLiteral("[Management]"), QStringLiteral("MaxSeriesNo=2"), QStringLiteral("[Series1]"),
                    QStringLiteral("MaxScoreNo=1"), QStringLiteral("Round=1"), QStringLiteral("[Series2]"),
                    QStringLiteral("MaxScoreNo=1"), QStringLiteral("Hole=2")});
    for (const char* file : {"Series001/Score_001_001.dat", "Series002/Score_002_001.dat"})
        writeOldScore(file, {QStringLiteral("[Management]"), QStringLiteral("Date=2005/6/7"),
                             QStringLiteral("MaxScoreSeq=1"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"),
                             QStringLiteral("SeqNo=1"), QStringLiteral("Holes=3,4")});
    gsMigrateOldData();
    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files), QStringList());
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    EXPECT_TRUE(recordingUi().messages[0].prompt.contains(QStringLiteral("Score_001_001.dat")));
    EXPECT_TRUE(recordingUi().messages[0].prompt.contains(QStringLiteral("Score_002_001.dat")));
}

TEST(Conversion, RewritesEveryGameInTheCurrentFormatOnceAndAgainTheSame)
{
    DataFolder data;
    writeLines(gstrManagerFile, {QStringLiteral("[Management]"), QStringLiteral("MaxGameNo=2")});
    writeLines(data.game(QStringLiteral("game00002.tcg")),
               {QStringLiteral("[Management]"), QStringLiteral("Date=2009/01/02"), QStringLiteral("Tittle=old"),
                QStringLiteral("MaxScoreNo=2"), QStringLiteral("SeriesID=1"), QStringLiteral("Hole=2"),
                QStringLiteral("Round=2"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"),
                QStringLiteral("Holes=3,4"), QStringLiteral("[Score2]"), QStringLiteral("IDNo=2"),
                QStringLiteral("Holes=3,3,3,3,3,3,"), QStringLiteral("TeamID=B")});
    gsConvert200to210();
    const QString path = data.game(QStringLiteral("game00002.tcg"));
    const QByteArray once = readBytes(path);
    EXPECT_EQ(once, crlf({QStringLiteral("[Management]"), QStringLiteral("Date=2009/01/02"),
                          QStringLiteral("Tittle=old"), QStringLiteral("MaxScoreNo=2"), QStringLiteral("SeriesID=1"),
                          QStringLiteral("CourceID=0"), QStringLiteral("Hole=2"), QStringLiteral("Round=2"),
                          QStringLiteral("TeamHowtoRank=0"), QStringLiteral("CategoryGender=0"),
                          QStringLiteral("CategoryAgeLow=0"), QStringLiteral("CategoryAgeHigh=0"),
                          QStringLiteral("JudgeDaSu=5"), QStringLiteral("JudgeBirthday=1"),
                          QStringLiteral("HandiCapKind=0"), QStringLiteral("PointGame=1"), QStringLiteral("[Score1]"),
                          QStringLiteral("IDNo=1"), QStringLiteral("Holes=3,4,,,"), QStringLiteral("Handicap=0"),
                          QStringLiteral("RoundGNo=0"), QStringLiteral("SeedNo=0"), QStringLiteral("[Score2]"),
                          QStringLiteral("IDNo=2"), QStringLiteral("Holes=3,3,3,3,"), QStringLiteral("TeamID=B"),
                          QStringLiteral("Handicap=0"), QStringLiteral("RoundGNo=0"), QStringLiteral("SeedNo=0"),
                          QStringLiteral("[Ranking]"), QStringLiteral("R0=1"), QStringLiteral("P0=2"),
                          QStringLiteral("R1=2"), QStringLiteral("P1=1"), QStringLiteral("RealEntries=2"),
                          QStringLiteral("[RoundGrouping]"), QStringLiteral("RGUmu=0"),
                          QStringLiteral("RGWhichBy=0"), QStringLiteral("RGCT=0"), QStringLiteral("RGPriority0=0"),
                          QStringLiteral("RGPriority1=0"), QStringLiteral("RGPriority2=0"),
                          QStringLiteral("RGPriority3=0"), QStringLiteral("RGPriority4=0")}));
    gsConvert200to210();
    EXPECT_EQ(readBytes(path), once);
    EXPECT_EQ(QDir(gstrGamesFolder).entryList(QDir::Files).size(), 2);   // no number changed
    EXPECT_TRUE(recordingUi().messages.empty());
}

TEST(Conversion, GamesThatCannotBeReadAreNamedAndLeftAsTheyAre)
{
    DataFolder data;
    writeLines(gstrManagerFile, {QStringLiteral("[Management]"), QStringLiteral("MaxGameNo=6")});
    const QStringList good = {QStringLiteral("[Management]"), QStringLiteral("Hole=1"), QStringLiteral("Round=1"),
                              QStringLiteral("MaxScoreNo=1"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"),
                              QStringLiteral("Holes=3,")};
    writeLines(data.game(QStringLiteral("game00001.tcg")), good);
    const std::pair<const char*, QStringList> damaged[] = {
        {"game00002.tcg", {QStringLiteral("[Management]"), QStringLiteral("Hole=99999")}},          // overflow
        {"game00003.tcg", {QStringLiteral("[Management]"), QStringLiteral("Hole=40"),
                           QStringLiteral("Round=1"), QStringLiteral("MaxScoreNo=1")}},              // > 16 holes
        {"game00004.tcg", {QStringLiteral("[Management]"), QStringLiteral("Hole=1"), QStringLiteral("Round=1"),
                           QStringLiteral("MaxScoreNo=2"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"),
                           QStringLiteral("[Score2]"), QStringLiteral("IDNo=1e99x"), QStringLiteral("SeedNo=9999999999")}},
        // No holes (the key lost): a rewrite would drop every stroke stored.
        {"game00005.tcg", {QStringLiteral("[Management]"), QStringLiteral("Round=3"),
                           QStringLiteral("MaxScoreNo=1"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"),
                           QStringLiteral("Holes=3,4,5,3,4,5,")}},
        // No rounds: nothing could be saved.
        {"game00006.tcg", {QStringLiteral("[Management]"), QStringLiteral("Hole=2"), QStringLiteral("Round=0"),
                           QStringLiteral("MaxScoreNo=1"), QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"),
                           QStringLiteral("Holes=3,4,")}},
    };
    std::vector<QByteArray> before;
    for (const auto& [name, lines] : damaged) {
        writeLines(data.game(QString::fromLatin1(name)), lines);
        before.push_back(readBytes(data.game(QString::fromLatin1(name))));
    }
    gsConvert200to210();
    EXPECT_TRUE(fileLines(data.game(QStringLiteral("game00001.tcg"))).contains(QStringLiteral("PointGame=1")));
    for (size_t i = 0; i < std::size(damaged); ++i)
        EXPECT_EQ(readBytes(data.game(QString::fromLatin1(damaged[i].first))), before[i]) << damaged[i].first;
    ASSERT_EQ(recordingUi().messages.size(), 1u);
    for (const auto& [name, lines] : damaged)
        EXPECT_TRUE(recordingUi().messages[0].prompt.contains(QString::fromLatin1(name))) << name;
}

TEST(OneTimeJobs, FirstStartMigratesOnceAndConvertsOnce)
{
    QTemporaryDir root;
    const QString appData = root.filePath(QStringLiteral("share"));
    const QString documents = root.filePath(QStringLiteral("Documents"));
    QDir().mkpath(appData);
    QDir().mkpath(documents);
    gsSetBaseFolderSources([&] { return appData; }, [&] { return documents; });
    resetRecordingUi();
    gsClearCalcResults();

    gstrAppFolder = appData + QStringLiteral("/Talvane Software/Tallicor");
    writeOldSeries({QStringLiteral("[Management]"), QStringLiteral("MaxSeriesNo=1"), QStringLiteral("[Series1]"),
                    QStringLiteral("Name=a"), QStringLiteral("MaxScoreNo=1"), QStringLiteral("Hole=1"),
                    QStringLiteral("Round=1")});
    writeOldScore("Series001/Score_001_001.dat",
                  {QStringLiteral("[Management]"), QStringLiteral("Date=2005/6/7"), QStringLiteral("MaxScoreSeq=1"),
                   QStringLiteral("[Score1]"), QStringLiteral("IDNo=1"), QStringLiteral("SeqNo=1"),
                   QStringLiteral("Holes=4")});
    writeLines(oldData() + QStringLiteral("/member.dat"),
               {QStringLiteral("[Management]"), QStringLiteral("MaxMemberNo=1"), QStringLiteral("[member1]"),
                QStringLiteral("Name=山田")});

    int migrations = 0;
    int conversions = 0;
    StartUpHooks hooks;
    hooks.migrateOldData = [&] { ++migrations; gsMigrateOldData(); };
    hooks.convertGameFiles = [&] { ++conversions; gsConvert200to210(); };
    hooks.tickCount = [] { return quint32(100000); };
    hooks.sleepMs = [](int) {};
    hooks.arguments = QStringList{};

    ASSERT_EQ(Main(hooks), StartUpResult::MainWindowShown);
    gsReleaseInstanceLock();
    const QString games = documents + QStringLiteral("/Talvane Software/Tallicor/data/games");
    EXPECT_EQ(QDir(games).entryList(QDir::Files),
              (QStringList{QStringLiteral("game00001.tcg"), QStringLiteral("manager.dat")}));
    EXPECT_EQ(gfReadIniFile(gstrIniFile, QStringLiteral("Convert"), QStringLiteral("200to210")),
              QStringLiteral("Finished"));
    EXPECT_EQ(migrations, 1);
    EXPECT_EQ(conversions, 1);

    // Later starts do neither again.
    ASSERT_EQ(Main(hooks), StartUpResult::MainWindowShown);
    gsReleaseInstanceLock();
    EXPECT_EQ(migrations, 1);
    EXPECT_EQ(conversions, 1);
    EXPECT_EQ(QDir(games).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(recordingUi().messages.empty());
    gsSetBaseFolderSources(nullptr, nullptr);
}

}  // namespace

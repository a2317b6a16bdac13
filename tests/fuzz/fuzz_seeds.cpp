// Writes the seed corpus of every fuzz target into the folder given, one
// sub-folder per target, with the program's own writers: saved games,
// register files and settings written key by key, CP932 texts, and numbers
// and dates in the patterns the program writes them.
#include "fuzz_support.h"

#include "core/core.h"
#include "platform/eradate.h"
#include "platform/profile.h"
#include "platform/textfile.h"
#include "support/gamefixtures.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cstdio>

namespace {

QString gOut;

void seed(const QString& target, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(gOut + QLatin1Char('/') + target);
    QFile f(gOut + QLatin1Char('/') + target + QLatin1Char('/') + name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
}

// A game of the players 1, 8, 15, ... as the program saves it.
QByteArray savedGame(int n, Integer hole, Integer round, int players)
{
    std::vector<Long> ids;
    for (int p = 0; p < players; ++p)
        ids.push_back(1 + p * 7);
    return fuzz::savedGame(n, hole, round, ids);
}

// A register file written key by key, as the register dialogs write it.
QByteArray registerFile(const QString& name, const std::vector<std::array<QString, 3>>& keys)
{
    return fuzz::writeKeys(fuzz::scratch() + QLatin1Char('/') + name, keys);
}

// The targets of the dialogs: roundgroup.dat and the print settings as the
// dialogs store them, and games of the registered players as the game
// window saves them.
void seedDialogTargets()
{
    // roundgroup.dat: 2 bytes of choices (method, entrants) before the file.
    const QString v = QStringLiteral("LastValue");
    const QString s = QStringLiteral("LastSeedNo");
    const std::vector<std::array<QString, 3>> groupings[] = {
        {{v, "optWhichBy", "1"}, {v, "txtGCT", "4"}, {v, "chkRGPriority0", "1"}, {v, "chkRGPriority1", "0"},
         {v, "chkRGPriority2", "1"}, {v, "chkRGPriority3", "0"}, {v, "chkRGPriority4", "1"}, {s, "M00001", "2"},
         {s, "M00002", "0"}, {s, "M00005", "3"}, {s, "M00013", "1"}},
        {{v, "optWhichBy", "0"}, {v, "txtGCT", "3"}, {v, "chkRGPriority1", "1"}, {s, "M00003", "1"},
         {s, "M00008", "2"}, {s, "M00021", "4"}, {s, "M01597", "1"}},
        {{v, "optWhichBy", "7"}, {v, "txtGCT", "99999"}, {v, "chkRGPriority3", " 1 "}, {s, "M00002", "-3"},
         {s, "M00005", "2.5"}, {s, "M00008", "4294967296"}}};
    const QString groupFile = fuzz::scratch() + QStringLiteral("/roundgroup.dat");
    for (int i = 0; i < 3; ++i)
        seed(QStringLiteral("roundgroup"), QStringLiteral("file%1").arg(i + 1),
             QByteArray(1, char(i * 2)) + char(4 + i * 6) + fuzz::writeKeys(groupFile, groupings[i]));

    // The print settings and series.dat in one file: 3 bytes of choices
    // (game report, season options, series and column) before it.
    const QString setup = QStringLiteral("Setup");
    const std::vector<std::array<QString, 3>> settings[] = {
        {{setup, "SelectPrint_Score", "3"}, {setup, "SeriesPrint_SortBelong", "1"},
         {setup, "SeriesPrint_NameOrEntries", "0"}, {setup, "SeriesPrint_TotalRankingMode", "2"},
         {setup, "SeriesPrint_TeamHowtoRank", "1"}, {setup, "SeriesPrint_PrivateGames", "2"},
         {setup, "SeriesPrint_JudgeDaSu", "3"}, {setup, "SeriesPrint_JudgeBirthday", "0"},
         {setup, "SeriesPrint_BelongOrLocation", "2"}, {"Management", "MaxSeriesNo", "2"},
         {"Series1", "Name", "春季リーグ"}, {"Series1", "State", "0"}, {"Series1", "PointSeries", "1"},
         {"Series1", "Point1", "10"}, {"Series1", "Point2", "8"}, {"Series1", "Point11", "1"},
         {"Series1", "P_Title1", "第１回 ﾎﾟｲﾝﾄ"}, {"Series1", "P_Title2", "令和８年"},
         {"Series1", "P_BelongOrLocation", "1"}, {"Series2", "Name", "秋"}, {"Series2", "PointSeries", "0"}},
        {{setup, "SelectPrint_Score", "9"}, {setup, "SeriesPrint_NameOrEntries", "-1"},
         {setup, "SeriesPrint_JudgeDaSu", "6"}, {setup, "SeriesPrint_JudgeBirthday", " "},
         {setup, "SeriesPrint_BelongOrLocation", "2.6"}, {"Series1", "Name", ""}, {"Series1", "PointSeries", "1"},
         {"Series1", "Point1", "99999"}, {"Series1", "P_Title1", " "}, {"Series1", "P_BelongOrLocation", "x"},
         {"Series2", "State", "2"}, {"Series3", "PointSeries", "1"}, {"Series3", "P_Title2", "\"ｶﾅ\""}}};
    const QString settingsFile = fuzz::scratch() + QStringLiteral("/settings.ini");
    for (int i = 0; i < 2; ++i)
        seed(QStringLiteral("printkeys"), QStringLiteral("file%1").arg(i + 1),
             QByteArray(1, char(i * 3)) + char(0x5A * (i + 1)) + char(i * 4) + fuzz::writeKeys(settingsFile, settings[i]));

    // Games of the registered players: 2 bytes of choices (player, group
    // filter; season options) before them, separated by 0x1E.
    fuzz::writeRegisters();
    const std::vector<Long>& p = fuzz::registeredPlayers();
    const QByteArray games[] = {fuzz::savedGame(2, 8, 2, {p.begin(), p.begin() + 6}),
                                fuzz::savedGame(4, 8, 3, {p.begin() + 3, p.begin() + 12}),
                                fuzz::savedGame(5, 16, 1, {p.begin() + 1, p.begin() + 4}),
                                fuzz::savedGame(6, 2, 10, {p.begin() + 10, p.end()})};
    const QByteArray separator(1, '\x1e');
    seed(QStringLiteral("reports"), QStringLiteral("one"), QByteArray("\x00\x00", 2) + games[0]);
    seed(QStringLiteral("reports"), QStringLiteral("two"), QByteArray("\x13\x47", 2) + games[0] + separator + games[1]);
    seed(QStringLiteral("reports"), QStringLiteral("three"),
         QByteArray("\x25\x7a", 2) + games[1] + separator + games[2] + separator + games[3]);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    gOut = QString::fromLocal8Bit(argv[1]);
    fuzz::scratch();

    // Games: small and large, with teams, handicaps and groups, and none.
    const QByteArray games[] = {savedGame(1, 2, 2, 3), savedGame(2, 8, 3, 12), savedGame(3, 16, 10, 2),
                                savedGame(4, 8, 1, 0)};
    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("game%1").arg(i + 1);
        seed(QStringLiteral("gamefile"), name, games[i]);
        seed(QStringLiteral("inifile"), name, games[i]);
    }
    seed(QStringLiteral("cp932"), QStringLiteral("game"), games[0]);

    // Register files.
    const QByteArray members = registerFile(
        QStringLiteral("member.dat"),
        {{"Management", "MaxMemberNo", "3"}, {"member1", "Name", "山田 太郎"}, {"member1", "Birthday", "1950/02/28"},
         {"member1", "Gender", "1"}, {"member1", "BelongID", "1"}, {"member1", "State", "0"},
         {"member1", "Sort", "ﾔﾏﾀﾞ"}, {"member1", "Location", "東町"}, {"member2", "Name", "鈴木 花子"},
         {"member2", "Birthday", vb::FormatDate(QDate(1989, 1, 8), QStringLiteral("ggge年m月d日"))},
         {"member2", "Gender", "2"}, {"member2", "State", "2"}, {"member3", "Name", "ｿﾌﾄ表"}});
    const QByteArray groups = registerFile(
        QStringLiteral("group.dat"), {{"Management", "MaxGroupNo", "2"}, {"group1", "Name", "東町クラブ"},
                                      {"group1", "ShortName", "東町"}, {"group1", "State", "0"},
                                      {"group2", "Name", "西町クラブ"}, {"group2", "State", "2"}});
    const QByteArray series = registerFile(
        QStringLiteral("series.dat"), {{"Management", "MaxSeriesNo", "2"}, {"Series1", "Name", "春季リーグ"},
                                       {"Series1", "State", "0"}, {"Series1", "PointSeries", "1"},
                                       {"Series1", "Point1", "10"}, {"Series1", "Point2", "8"},
                                       {"Series1", "Point11", "1"}, {"Series2", "Name", "秋"},
                                       {"Series2", "State", "0"}, {"Series2", "PointSeries", "0"}});
    const QByteArray settings = registerFile(
        QStringLiteral("Tallicor.ini"), {{"Setup", "SelectedSeason", "1"}, {"Setup", "SelectedGame", "game00001.tcg"},
                                         {"WindowSize", "Main_Top", "1200"}, {"WindowSize", "Main_Left", "-15"},
                                         {"ScoreEntry", "member1", "12"}, {"ScoreEntry", "team1", "A"}});
    for (const auto& [name, bytes] : {std::pair{QStringLiteral("member"), members},
                                      std::pair{QStringLiteral("group"), groups},
                                      std::pair{QStringLiteral("series"), series}}) {
        seed(QStringLiteral("masterfiles"), name, bytes);
        seed(QStringLiteral("inifile"), name, bytes);
    }
    // The profile target takes 4 bytes of choices before the file.
    const QByteArray profileFiles[] = {settings, members, groups, series, games[0], games[1]};
    for (int i = 0; i < 6; ++i)
        seed(QStringLiteral("profile"), QStringLiteral("file%1").arg(i + 1),
             QByteArray(1, char(i % 3)) + char(i) + char(i + 1) + char(i + 2) + profileFiles[i]);

    // CP932 texts.
    seed(QStringLiteral("cp932"), QStringLiteral("text"),
         platform::encodeCp932(QStringLiteral("春季大会ｶﾅ ～－①￥ ソ表ゾ [表]\r\nｱｲｳ\n〜−‖¢£¬—")));
    seed(QStringLiteral("cp932"), QStringLiteral("members"), members);

    // Numbers and dates as the program writes them, and with full-width
    // digits as a user may type them.
    int n = 0;
    auto text = [&n](const QString& t) {
        seed(QStringLiteral("numbers"), QStringLiteral("t%1").arg(++n), t.toUtf8());
    };
    const QDate dates[] = {QDate(1868, 1, 1), QDate(1912, 7, 30), QDate(1926, 12, 25), QDate(1989, 1, 7),
                           QDate(1989, 1, 8), QDate(2019, 4, 30), QDate(2019, 5, 1),  QDate(2000, 2, 29)};
    const QString datePatterns[] = {QStringLiteral("yyyy/mm/dd"), QStringLiteral("ge/m/d"),
                                    QStringLiteral("gee/mm/dd"), QStringLiteral("ggge年m月d日(aaa)"),
                                    QStringLiteral("yy/m/d"), QStringLiteral("yyyy-m-d hh:nn")};
    for (const QDate& d : dates)
        for (const QString& p : datePatterns)
            text(vb::FormatDate(d, p));
    const double numbers[] = {0, 1.125, -2.5, 1234567.891, 32767, 32768, -2147483648.0, 99999999999.0};
    const QString numberPatterns[] = {QStringLiteral("0"), QStringLiteral("0.000"), QStringLiteral("#,##0")};
    for (double v : numbers)
        for (const QString& p : numberPatterns)
            text(vb::Format(v, p));
    QString wide = vb::FormatDate(QDate(2010, 6, 1), QStringLiteral("yyyy/m/d"));
    for (QChar& c : wide)
        if (c.isDigit() || c == u'/')
            c = QChar(c.unicode() + 0xFEE0);
    text(wide);

    seedDialogTargets();
    return 0;
}

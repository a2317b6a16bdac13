#include "fuzz_support.h"

#include "core/core.h"
#include "platform/profile.h"
#include "support/gamefixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

const QString& scratch()
{
    static QTemporaryDir dir;
    static const QString root = [] {
        if (!dir.isValid()) {
            std::fprintf(stderr, "fuzz: no scratch folder\n");
            std::abort();
        }
        testsupport::pointDataPathsAt(dir.path());
        return dir.path();
    }();
    return root;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void require(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: broken promise: %s\n", promise);
    std::abort();
}

QByteArray writeKeys(const QString& path, const std::vector<std::array<QString, 3>>& keys)
{
    QFile::remove(path);
    for (const auto& [section, key, value] : keys)
        platform::profileWrite(path, section, key, value);
    return readFile(path);
}

const std::vector<Long>& registeredPlayers()
{
    static const std::vector<Long> ids{1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 377, 610, 987, 1597};
    return ids;
}

void writeRegisters()
{
    QDir().mkpath(gstrDataFolder);
    const std::vector<Long>& ids = registeredPlayers();
    std::vector<std::array<QString, 3>> members{{"Management", "MaxMemberNo", QString::number(ids.back())}};
    const QString birthdays[] = {QStringLiteral("1950/02/28"), QString(), QStringLiteral("1989/01/08"),
                                 QStringLiteral("2000/02/29"), QStringLiteral("1926/12/25")};
    const QString places[] = {QStringLiteral("東町"), QString(), QStringLiteral("ﾆｼﾏﾁ")};
    for (size_t i = 0; i < ids.size(); ++i) {
        const QString section = QStringLiteral("member") + QString::number(ids[i]);
        members.push_back({section, "Name", QStringLiteral("選手%1 ｶﾅ").arg(ids[i])});
        members.push_back({section, "Sort", QStringLiteral("ｾﾝｼｭ%1").arg(ids.size() - i, 2, 10, QLatin1Char('0'))});
        members.push_back({section, "Birthday", birthdays[i % 5]});
        members.push_back({section, "Gender", QString::number(i % 3)});
        members.push_back({section, "BelongID", QString::number(i % 4)});
        members.push_back({section, "Location", places[i % 3]});
        members.push_back({section, "State", i == 6 ? QStringLiteral("2") : QStringLiteral("0")});
    }
    writeKeys(gstrMemberFile, members);
    writeKeys(gstrGroupFile, {{"Management", "MaxGroupNo", "3"}, {"group1", "Name", "東町クラブ"},
                              {"group1", "ShortName", "東町"}, {"group1", "State", "0"},
                              {"group2", "Name", "西町クラブ"}, {"group2", "State", "2"},
                              {"group3", "Name", "ｷﾀ"}, {"group3", "ShortName", "北"}, {"group3", "State", "0"}});
    writeKeys(gstrCourceFile, {{"Management", "MaxCourceNo", "2"}, {"Cource1", "Name", "中央公園"},
                               {"Cource1", "State", "0"}, {"Cource2", "Name", "河川敷"}, {"Cource2", "State", "0"}});
    writeKeys(gstrSeriesFile, {{"Management", "MaxSeriesNo", "2"}, {"Series1", "Name", "春季リーグ"},
                               {"Series1", "State", "0"}, {"Series1", "PointSeries", "1"},
                               {"Series1", "Point1", "10"}, {"Series1", "Point2", "8"}, {"Series1", "Point3", "6"},
                               {"Series1", "Point11", "1"}, {"Series2", "Name", "秋"}, {"Series2", "State", "0"},
                               {"Series2", "PointSeries", "0"}});
    gsReadMemberData();
    gsReadBelongData();
}

QByteArray savedGame(int n, Integer hole, Integer round, const std::vector<Long>& players)
{
    gsClearCalcResults();
    gGame = gfNewGameDefaults();
    gGame.Date = QStringLiteral("2026/05/%1").arg(1 + n);
    gGame.Tittle = QStringLiteral("第%1回 春季大会ｶﾅ～①").arg(n);
    gGame.SeriesID = 1 + n % 2;
    gGame.CourceID = n;
    gGame.Hole = hole;
    gGame.Round = round;
    gGame.HandiCapKind = n % 3;
    gGame.RGUmu = n % 2;
    gScoreLines.clear();
    for (int p = 0; p < static_cast<int>(players.size()); ++p) {
        for (int r = 1; r <= round; ++r) {
            ScoreLine line;
            line.IDNo = players[p];
            line.RoundNo = static_cast<Integer>(r);
            line.TeamID = p % 3 == 0 ? QString() : QString(QChar(u'A' + p % 3));
            line.Handicap = p % 4 - 1;
            line.RoundGNo = p % 2;
            line.SeedNo = p % 3;
            for (int h = 0; h < hole; ++h)
                line.Holes[h] = (p + r + h) % 9 == 0 ? QString() : QString::number(1 + (p * 3 + h + r) % 7);
            gScoreLines.push_back(line);
        }
    }
    gsScoreLinesToData();
    gGame.GameFileName.clear();
    return readFile(gfGameDataSave());
}

}  // namespace fuzz

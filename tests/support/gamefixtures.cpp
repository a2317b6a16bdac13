#include "support/gamefixtures.h"

#include <QDir>
#include <QStringList>

namespace testsupport {

void pointDataPathsAt(const QString& root)
{
    gstrAppFolder = root + QStringLiteral("/app");
    gstrDocFolder = root + QStringLiteral("/doc");
    gstrDataFolder = gstrDocFolder + QStringLiteral("/data");
    gstrGamesFolder = gstrDataFolder + QStringLiteral("/games");
    gstrTempFolder = gstrAppFolder + QStringLiteral("/temp");
    gstrManagerFile = gstrGamesFolder + QStringLiteral("/manager.dat");
    gstrMemberFile = gstrDataFolder + QStringLiteral("/member.dat");
    gstrSeriesFile = gstrDataFolder + QStringLiteral("/series.dat");
    gstrCourceFile = gstrDataFolder + QStringLiteral("/cource.dat");
    gstrGroupFile = gstrDataFolder + QStringLiteral("/group.dat");
    gstrTeamFile = gstrDataFolder + QStringLiteral("/team.dat");
    gstrRoundGroupFile = gstrDataFolder + QStringLiteral("/roundgroup.dat");
    gstrLocationFile = gstrDataFolder + QStringLiteral("/location.dat");
    gstrReExecuteFile = gstrAppFolder + QStringLiteral("/Tallicor.rex");
    gstrIniFile = gstrAppFolder + QStringLiteral("/Tallicor.ini");
    QDir().mkpath(gstrAppFolder);
    QDir().mkpath(gstrGamesFolder);
}

void addMember(Long id, const QString& name, const QString& birthday, Integer gender, Long belong,
               const QString& location)
{
    MemberInfo m;
    m.IDNo = id;
    m.Name = name;
    m.Birthday = birthday;
    m.Gender = gender;
    m.BelongID = belong;
    m.Location = location;
    gMemberList.push_back(m);
}

void addPlayer(Long id, std::initializer_list<const char*> rounds, const QString& team, Long handicap, Long group)
{
    Integer r = 0;
    for (const char* text : rounds) {
        ScoreLine line;
        line.IDNo = id;
        line.RoundNo = ++r;
        line.TeamID = team;
        line.Handicap = handicap;
        line.RoundGNo = group;
        const QStringList holes = QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int h = 0; h < holes.size() && h < 16; ++h)
            line.Holes[h] = holes[h] == QStringLiteral(".") ? QString() : holes[h];
        gScoreLines.push_back(line);
    }
}

}  // namespace testsupport

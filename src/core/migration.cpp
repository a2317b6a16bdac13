#include "core/migration.h"

#include "core/gamefile.h"
#include "core/ini.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "platform/eradate.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString kManagement = QStringLiteral("Management");

// A player's rounds of all players of one old game: more rows than a game
// can hold only come from a damaged file.
constexpr Long kMaxOldRows = 32767L * 10;

QString pfOldDataFolder() { return gstrAppFolder + QStringLiteral("/data"); }

QString pfOldScoreFile(Long series, Long game)
{
    const QString s3 = vb::Format(series, QStringLiteral("000"));
    return pfOldDataFolder() + QStringLiteral("/Series") + s3 + QStringLiteral("/Score_") + s3
        + QStringLiteral("_") + vb::Format(game, QStringLiteral("000")) + QStringLiteral(".dat");
}

// Names the game files a one-time job could not take over; the job itself
// goes on with the others.
void psReportSkipped(const QString& heading, const QStringList& files)
{
    if (files.isEmpty()) return;
    platform::MsgBox(heading + QStringLiteral("\r\n") + files.join(QStringLiteral("\r\n")),
                     platform::vbOKOnly | platform::vbExclamation, QStringLiteral("System error"));
}

}  // namespace

void psReadOldScoreFile(const QString& path)
{
    std::vector<ScoreLine>().swap(gScoreLines);
    if (gfReadIniExFile(path) != 0) return;

    const QString date = vb::Trim(gfGetIniExValue(kManagement, QStringLiteral("Date")));
    if (const auto d = vb::parseDate(date)) {
        gGame.Date = vb::FormatDate(*d, QStringLiteral("yyyy/m/d"));
        gGame.Tittle = gfGetIniExValue(kManagement, QStringLiteral("Tittle"));

        const Long n = vb::CLngText(gfGetIniExValue(kManagement, QStringLiteral("MaxScoreSeq")));
        if (n > kMaxOldRows) vb::raiseOverflow();
        if (gGame.Hole > 16) vb::raiseSubscriptOutOfRange();
        if (n > 0) gScoreLines.resize(static_cast<size_t>(n));
        for (Long i = 1; i <= n; ++i) {
            const QString section = QStringLiteral("Score") + QString::number(i);
            ScoreLine& line = gScoreLines[static_cast<size_t>(i - 1)];
            line.IDNo = vb::CLngText(gfGetIniExValue(section, QStringLiteral("IDNo")));
            line.RoundNo = vb::CIntText(gfGetIniExValue(section, QStringLiteral("SeqNo")));
            const QString holes = gfGetIniExValue(section, QStringLiteral("Holes"));
            const QStringList parts = holes.split(QLatin1Char(','));
            for (int k = 0; k < parts.size() && k < gGame.Hole; ++k) line.Holes[k] = parts[k];
            line.TeamID = vb::Trim(gfGetIniExValue(section, QStringLiteral("TeamID")));
            line.Handicap = 0;
            line.RoundGNo = 0;
            line.SeedNo = 0;
        }
    }
    gsClearIniEx();
}

void gsMigrateOldData()
{
    gsReadMemberData();

    const QString oldSeries = pfOldDataFolder() + QStringLiteral("/series.dat");
    const QString maxSeries = gfReadIniFile(oldSeries, kManagement, QStringLiteral("MaxSeriesNo"));
    gfWriteIniFile(gstrSeriesFile, kManagement, QStringLiteral("MaxSeriesNo"), maxSeries);

    QStringList skipped;
    const Long seriesCount = vb::CLngText(maxSeries);
    for (Long n = 1; n <= seriesCount; ++n) {
        const QString section = QStringLiteral("Series") + QString::number(n);
        for (const QString& key : {QStringLiteral("Name"), QStringLiteral("State")})
            gfWriteIniFile(gstrSeriesFile, section, key, gfReadIniFile(oldSeries, section, key));

        const Long games = vb::CLngText(gfReadIniFile(oldSeries, section, QStringLiteral("MaxScoreNo")));
        const Integer hole = vb::CIntText(gfReadIniFile(oldSeries, section, QStringLiteral("Hole")));
        const Integer round = vb::CIntText(gfReadIniFile(oldSeries, section, QStringLiteral("Round")));
        const Integer teamHowtoRank = vb::CIntText(gfReadIniFile(oldSeries, section, QStringLiteral("TeamHowtoRank")));

        // A migrated game is no point game and has no handicaps or groups.
        GameInfo g = gfNewGameDefaults();
        g.SeriesID = n;
        g.Hole = hole;
        g.Round = round;
        g.TeamHowtoRank = teamHowtoRank;
        g.PointGame = 0;
        gGame = g;

        for (Long no = 1; no <= games; ++no) {
            const QString path = pfOldScoreFile(n, no);
            if (!QFileInfo::exists(path)) continue;
            gGame.Date.clear();
            gGame.Tittle.clear();
            gGame.GameFileName.clear();
            try {
                psReadOldScoreFile(path);
                // A series without holes or rounds (a lost key) has no place
                // for the old strokes: a game saved from it would lose them.
                if ((gGame.Hole < 1 || gGame.Round < 1) && !gScoreLines.empty())
                    vb::raiseSubscriptOutOfRange();
                gsScoreLinesToData();
            } catch (const std::exception& e) {
                // One damaged old file must not stop the rest of the take-over:
                // the data folder exists from now on, so it never runs again.
                gsClearIniEx();
                skipped << QDir::toNativeSeparators(path) + QStringLiteral(" (") + vb::errorDescription(e) + QStringLiteral(")");
                continue;
            }
            gfGameDataSave();   // a failed save has shown its own message
        }
    }
    psReportSkipped(QStringLiteral("次の旧データのファイルを移行できませんでした。"), skipped);
}

void gsConvert200to210()
{
    // Damaged games are named at the end and left as they are: one bad file
    // must not keep the others (or the program) from going on.
    QStringList skipped;
    gsReadGameList(&skipped);
    gsReadMemberData();

    for (size_t i = 0; i < gGameList.size(); ++i) {
        gGame = gGameList[i];
        QString problem;
        try {
            if (!gfReadScoreDataChecked(&problem)) {
                // Never rewrite a game whose entries could not all be read.
                skipped << problem;
                continue;
            }
            // A header without holes or rounds (a lost key) has no place for
            // the stored strokes: rewriting it would drop them all.
            if ((gGame.Hole < 1 || gGame.Round < 1) && !gScoreData.empty())
                vb::raiseSubscriptOutOfRange();
            gsScoreDataToLines();
            gsScoreLinesToData();
        } catch (const std::exception& e) {
            skipped << vb::Trim(gGame.GameFileName) + QStringLiteral(" (") + vb::errorDescription(e) + QStringLiteral(")");
            continue;
        }
        gfGameDataSave();   // a failed save has shown its own message
    }
    psReportSkipped(QStringLiteral("次のゲーム・ファイルを変換できませんでした。"), skipped);
}

#include "core/series.h"

#include "core/helpers.h"
#include "core/ini.h"
#include "core/masterlists.h"
#include "core/ranking.h"
#include "platform/profile.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <numeric>

namespace {

using corehelpers::addChecked;
using corehelpers::padNum;

// num / den rounded to a whole number, halves to the even neighbour
// (num >= 0, den > 0); out of the Long range raises overflow.
Long divideHalfEven(qint64 num, qint64 den)
{
    qint64 q = num / den;
    const qint64 r2 = (num % den) * 2;
    if (r2 > den || (r2 == den && (q & 1)))
        ++q;
    if (q > std::numeric_limits<Long>::max())
        vb::raiseOverflow();
    return static_cast<Long>(q);
}

// Gives every row from `first` to `last` (inclusive) its share of the group's
// points in tenths.
void shareGroupPoints(std::vector<PointRank>& rows, size_t first, size_t last, qint64 groupSum)
{
    const qint64 count = static_cast<qint64>(last - first + 1);
    const Long share = divideHalfEven(groupSum * 10, count);
    for (size_t i = first; i <= last; ++i)
        rows[i].Points = share;
}

// One row per stored place of every point game of the series.
std::vector<PointRank> collectPlaces(Long id, const SeriesInfo& info)
{
    std::vector<PointRank> rows;
    const QDir gamesDir(gstrGamesFolder);
    for (const GameInfo& game : gGameList) {
        if (!gfIsSeriesPointGame(game, id))
            continue;
        const QString path = gamesDir.filePath(vb::Trim(game.GameFileName));

        // The game file is parsed once; its keys are answered as
        // gfReadIniFile answers them.
        const platform::ProfileFile file(path);
        const auto ranking = [&file](const QString& key) {
            return pfCutAtNull(file.value(u"Ranking", key));
        };
        const Long n = vb::CLng(vb::Val(ranking(QStringLiteral("RealEntries"))));
        // A game holds each player (numbered up to 32767) once: a larger
        // count comes from a damaged file and is not read place by place.
        if (n > 32767)
            vb::raiseOverflow();
        size_t groupStart = rows.size();
        Long groupRank = 1;
        qint64 groupSum = 0;
        for (Long k = 0; k < n; ++k) {
            PointRank row;
            row.IDNo = vb::CLng(vb::Val(ranking(QLatin1Char('P') + QString::number(k))));
            row.Rank = vb::CLng(vb::Val(ranking(QLatin1Char('R') + QString::number(k))));
            rows.push_back(row);
            const size_t appended = rows.size() - 1;
            // A place change closes the running group; a group without
            // points stays open and takes the next places' rows too.
            if (groupSum > 0 && row.Rank != groupRank) {
                shareGroupPoints(rows, groupStart, appended - 1, groupSum);
                groupStart = appended;
                groupRank = row.Rank;
                groupSum = 0;
            }
            groupSum += static_cast<qint64>(gfGetPointOfRank(info, k + 1)) * game.PointGame;
        }
        if (groupSum > 0 && rows.size() > groupStart)
            shareGroupPoints(rows, groupStart, rows.size() - 1, groupSum);
    }
    return rows;
}

// Sums the place rows per player (Games and Points).
std::vector<PointRank> sumPerPlayer(const std::vector<PointRank>& rows)
{
    std::vector<QString> keys;
    keys.reserve(rows.size());
    for (const PointRank& r : rows)
        keys.push_back(padNum(r.IDNo, 8));
    std::vector<PointRank> players;
    Long previous = 0;
    for (Long i : gfSortedIndexAsc(keys)) {
        const PointRank& r = rows[i];
        if (r.IDNo != previous) {
            PointRank p;
            p.IDNo = r.IDNo;
            players.push_back(p);
            previous = r.IDNo;
        }
        // A stored player 0 (a damaged file) met before any other player has
        // no row to add to.
        if (players.empty())
            vb::raiseSubscriptOutOfRange();
        PointRank& p = players.back();
        p.Games = addChecked(p.Games, 1);
        p.Points = addChecked(p.Points, r.Points);
    }
    return players;
}

}  // namespace

bool gfIsSeriesPointGame(const GameInfo& game, Long id)
{
    const QString name = vb::Trim(game.GameFileName);
    return !name.isEmpty() && game.SeriesID == id && game.PointGame > 0
           && QFileInfo(QDir(gstrGamesFolder).filePath(name)).isFile();
}

bool gfGetSeriesInfo(Long id, SeriesInfo& info)
{
    if (id <= 0)
        return false;
    info = SeriesInfo();
    info.SeriesID = id;
    info.State = 2;

    const QString section = "Series" + QString::number(id);
    // The series file is parsed once; its keys are answered as gfReadIniFile
    // answers them.
    const platform::ProfileFile file(gstrSeriesFile);
    const auto read = [&file, &section](const QString& key) { return pfCutAtNull(file.value(section, key)); };
    if (vb::Val(read("State")) != 0)
        return false;

    info.Name = read("Name");
    // A number too large for its field is read as 0 and noted for the user.
    const auto integer = [&section, &read](const QString& key) {
        return gfStoredInteger(gstrSeriesFile, section, key, read(key));
    };
    info.State = integer("State");
    info.PointSeries = integer("PointSeries");
    for (int i = 0; i <= 10; ++i)
        info.Point[i] = integer("Point" + QString::number(i + 1));
    return true;
}

QString gfSeriesName(Long id)
{
    return vb::Trim(gfReadIniFile(gstrSeriesFile, "Series" + QString::number(id), "Name"));
}

Long gfGetPointOfRank(const SeriesInfo& info, Long place)
{
    if (place > 10)
        return info.Point[10];
    if (place < 1)
        vb::raiseSubscriptOutOfRange();
    return info.Point[place - 1];
}

void gsCalSeriesPointsRanking(Long id)
{
    gPointRanking.clear();
    try {
        SeriesInfo info;
        if (!gfGetSeriesInfo(id, info) || info.PointSeries != 1)
            return;

        const std::vector<PointRank> players = sumPerPlayer(collectPlaces(id, info));
        if (players.empty())
            return;

        std::vector<QString> keys;
        keys.reserve(players.size());
        for (const PointRank& p : players)
            keys.push_back(padNum(p.Points, 10));
        gPointRanking = corehelpers::rankedInOrder(players, keys, gfSortedIndexDesc(keys));
    } catch (const std::exception&) {
        gPointRanking.clear();
        platform::MsgBox(QStringLiteral("ポイント集計に失敗しました。"), platform::vbOKOnly,
                         QStringLiteral("System error"));
    }
}

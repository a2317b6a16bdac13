#include "core/season.h"

#include "core/gamefile.h"
#include "core/helpers.h"
#include "core/ini.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/ranking.h"
#include "platform/eradate.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QHash>

#include <algorithm>
#include <exception>
#include <functional>
#include <limits>
#include <numeric>

namespace {

// ---------------------------------------------------------------- helpers

// Shows the trapped error of a season procedure: its name, "()::" and the
// error's description, titled "System error".
void showTrappedError(const char* procedure, const std::exception& e)
{
    const QString description = dynamic_cast<const std::bad_alloc*>(&e)
                                    ? QStringLiteral("メモリが不足しています。")
                                    : vb::errorDescription(e);
    platform::MsgBox(QString::fromLatin1(procedure) + QStringLiteral("()::") + description,
                     platform::vbOKOnly, QStringLiteral("System error"));
}

// Runs the body of a season procedure under its error trap: a trapped error
// shows the message and gives true (failure).
bool trapped(const char* procedure, const std::function<bool()>& body)
{
    try {
        return body();
    } catch (const std::exception& e) {
        showTrappedError(procedure, e);
        return true;
    }
}

using corehelpers::addChecked;
using corehelpers::padNum;

// The key part of an average num / den (den >= 1) in a pattern of
// `intDigits` zeros, ".", and `decimals` zeros ("00000.00000000"),
// rounded half away from zero at the last decimal. A non-negative average
// gives exactly that text. A negative one gives "-" and the complement of
// its rounded magnitude in fixed width, so that it sorts before every
// non-negative average and more negative ones sort first: the keys then
// order and tie as the numbers do at the stated precision.
QString averageKey(qint64 num, qint64 den, int intDigits, int decimals)
{
    const QString pattern = QString(intDigits, QLatin1Char('0')) + QLatin1Char('.')
                            + QString(decimals, QLatin1Char('0'));
    if (num >= 0)
        return vb::FormatRatio(num, den, pattern);
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const __int128 scaled = static_cast<__int128>(-num) * scale;
    const qint64 magnitude = static_cast<qint64>((scaled * 2 + den) / (2 * static_cast<__int128>(den)));
    if (magnitude == 0)
        return vb::FormatRatio(0, 1, pattern);
    constexpr qint64 complementBase = 1000000000000000000LL;  // 10^18
    return QLatin1Char('-') + padNum(complementBase - magnitude, 18);
}

// Copies the rows in key order with ranks from 1; a row whose key equals the
// key of the row placed before takes that row's rank.
template <typename Row>
std::vector<Row> rankedByKeys(const std::vector<Row>& rows, const std::vector<QString>& keys)
{
    return corehelpers::rankedInOrder(rows, keys, gfSortedIndexAsc(keys));
}

// Number of hole sums / round sums the season settings ask for; beyond what
// a record holds is a subscript error.
int seasonHoles()
{
    const int n = gSeasonGameInfo.Hole;
    if (n > 16)
        vb::raiseSubscriptOutOfRange();
    return std::max(n, 0);
}

int seasonRounds()
{
    const int n = gSeasonGameInfo.Round;
    if (n > 10)
        vb::raiseSubscriptOutOfRange();
    return std::max(n, 0);
}

// Number of stroke classes a tie-break compares (JudgeDaSu); a sixth class
// does not exist.
int strokeClasses(Integer judgeDaSu)
{
    if (judgeDaSu > 5)
        vb::raiseSubscriptOutOfRange();
    return std::max<int>(judgeDaSu, 0);
}

// Adds one record's counts and sums into a result row (not RoundNo).
void addRecord(SeasonScore& row, const SeasonScore& rec, int holes, int rounds, bool withHoleCount,
               bool withHandicap)
{
    row.Rounds = addChecked(row.Rounds, rec.Rounds);
    if (withHoleCount)
        row.HoleCount = addChecked(row.HoleCount, rec.HoleCount);
    row.Total = addChecked(row.Total, rec.Total);
    row.Net = addChecked(row.Net, rec.Net);
    if (withHandicap)
        row.Handicap = addChecked(row.Handicap, rec.Handicap);
    for (int h = 0; h < holes; ++h)
        row.HoleSum[h] = addChecked(row.HoleSum[h], rec.HoleSum[h]);
    for (int r = 0; r < rounds; ++r)
        row.RoundSum[r] = addChecked(row.RoundSum[r], rec.RoundSum[r]);
    for (int i = 0; i < 5; ++i)
        row.StrokeCount[i] = addChecked(row.StrokeCount[i], rec.StrokeCount[i]);
}

// One result row per player from the records, in player order (IDNo as
// "00000000"); RoundNo counts the player's records. The walk starts with 0 as
// the previous player, so a record of player 0 met first has no row: that is
// a subscript error, as it always was.
std::vector<SeasonScore> sumPerPlayer(bool keepGameNo, bool withHoleCount, bool withHandicap)
{
    const int holes = seasonHoles();
    const int rounds = seasonRounds();
    std::vector<QString> keys;
    keys.reserve(gSeasonScores.size());
    for (const SeasonScore& s : gSeasonScores)
        keys.push_back(padNum(s.IDNo, 8));
    std::vector<SeasonScore> rows;
    Long previous = 0;
    for (Long i : gfSortedIndexAsc(keys)) {
        const SeasonScore& rec = gSeasonScores[i];
        if (rec.IDNo != previous) {
            SeasonScore row;
            row.IDNo = rec.IDNo;
            if (keepGameNo)
                row.GameNo = rec.GameNo;
            rows.push_back(row);
        }
        previous = rec.IDNo;
        if (rows.empty())
            vb::raiseSubscriptOutOfRange();
        SeasonScore& row = rows.back();
        row.RoundNo = addChecked(row.RoundNo, 1);
        addRecord(row, rec, holes, rounds, withHoleCount, withHandicap);
    }
    return rows;
}

// The player's birthday as "yyyy/mm/dd", or "9999/99/99" without one.
QString birthdayKey(Long id)
{
    const QString birthday = vb::Trim(gfGetMemberBirthday(id));
    return birthday.isEmpty() ? QStringLiteral("9999/99/99") : birthday;
}

// ---------------------------------------------------------------- collection

// Value of a stroke text for the season collection: its leading number
// rounded to a whole number, halves to even.
Long holeValue(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return vb::CLng(vb::Val(text));
}

// True when every hole 1..holes of the row has a value of at least 1; then
// `values` holds those values.
bool completeRound(const ScoreLine& row, int holes, std::array<Long, 16>& values)
{
    for (int h = 0; h < holes; ++h) {
        values[h] = holeValue(row.Holes[h]);
        if (values[h] < 1)
            return false;
    }
    return true;
}

// Adds one complete round into a summed record.
void addRound(SeasonScore& rec, int roundIndex, const std::array<Long, 16>& values, int holes)
{
    for (int h = 0; h < holes; ++h) {
        const Long v = values[h];
        rec.Total = addChecked(rec.Total, v);
        rec.RoundSum[roundIndex] = addChecked(rec.RoundSum[roundIndex], v);
        rec.HoleSum[h] = addChecked(rec.HoleSum[h], v);
        if (v >= 1 && v <= 5)
            ++rec.StrokeCount[v - 1];
        ++rec.HoleCount;
    }
    ++rec.Rounds;
}

QString bestRoundKey(const SeasonScore& rec)
{
    QString key = rec.Total > 0 ? QStringLiteral("099") : QStringLiteral("100");
    key += padNum(static_cast<qint64>(rec.Net) + 10000, 5);
    for (int i = 0; i < 5; ++i)
        key += padNum(500 - static_cast<qint64>(rec.StrokeCount[i]), 3);
    return key;
}

// Appends the records of one game (header `game`, score rows `lines`, index
// `gameNo` in gGameList) for a report kind.
void appendSeasonScores(const GameInfo& game, const std::vector<ScoreLine>& lines, Long gameNo,
                        Integer kind, std::vector<SeasonScore>& out)
{
    if (kind < 1 || kind > 13)
        return;
    const int rounds = game.Round;
    const int holes = std::max<int>(game.Hole, 0);
    if (rounds <= 0 || lines.empty())
        return;
    if (holes > 16 || rounds > 10)
        vb::raiseSubscriptOutOfRange();

    const bool handicapKind = kind == 8 || kind == 9 || kind == 12;
    const bool gameUsesHandicap = game.HandiCapKind != 0;
    std::array<Long, 16> values{};

    for (size_t first = 0; first < lines.size(); first += rounds) {
        if (first + rounds > lines.size())
            vb::raiseSubscriptOutOfRange();
        SeasonScore rec;
        rec.Date = game.Date;
        rec.GameNo = gameNo;
        rec.IDNo = lines[first].IDNo;
        rec.TeamID = lines[first].TeamID;

        if (kind == 5) {
            // The game's best round: lowest net, then more holes in 1, 2, ...
            // 5 strokes; the earlier round wins a tie.
            QString best = QStringLiteral("99999999");
            bool chosen = false;
            SeasonScore bestRec;
            for (int r = 0; r < rounds; ++r) {
                const ScoreLine& row = lines[first + r];
                if (!completeRound(row, holes, values))
                    continue;
                SeasonScore cand;
                cand.Date = game.Date;
                cand.GameNo = gameNo;
                cand.IDNo = row.IDNo;
                cand.TeamID = row.TeamID;
                cand.RoundNo = row.RoundNo;
                for (int h = 0; h < holes; ++h) {
                    const Long v = values[h];
                    cand.Total = addChecked(cand.Total, v);
                    cand.HoleSum[h] = v;
                    if (v >= 1 && v <= 5)
                        ++cand.StrokeCount[v - 1];
                    ++cand.HoleCount;
                }
                cand.Net = addChecked(cand.Total, -3 * static_cast<qint64>(cand.StrokeCount[0]));
                const QString key = bestRoundKey(cand);
                if (key < best) {
                    best = key;
                    bestRec = cand;
                    chosen = true;
                }
            }
            if (chosen)
                out.push_back(bestRec);
            continue;
        }

        if (kind == 2) {
            // All rounds or nothing.
            bool all = true;
            for (int r = 0; r < rounds && all; ++r)
                all = completeRound(lines[first + r], holes, values);
            if (!all)
                continue;
        }

        for (int r = 0; r < rounds; ++r) {
            const ScoreLine& row = lines[first + r];
            if (!completeRound(row, holes, values))
                continue;
            addRound(rec, r, values, holes);
            if (handicapKind && gameUsesHandicap)
                rec.Handicap = row.Handicap;
        }
        rec.Net = addChecked(rec.Total, -3 * static_cast<qint64>(rec.StrokeCount[0]));
        if (handicapKind && gameUsesHandicap)
            rec.Net = addChecked(rec.Net, rec.Handicap);
        if (rec.Rounds > 0)
            out.push_back(rec);
    }
}

// Appends the records of the current game (gGame, gScoreLines); on error the
// whole-file reader's tables are emptied and the message shown.
bool pfReadSeasonScore(Long gameNo, Integer kind)
{
    try {
        appendSeasonScores(gGame, gScoreLines, gameNo, kind, gSeasonScores);
        return false;
    } catch (const std::exception& e) {
        gsClearIniEx();
        showTrappedError("pfReadSeasonScore", e);
        return true;
    }
}

// Rereads game `gameNo` of gGameList into gGame, gScoreData and gScoreLines.
void readGame(Long gameNo)
{
    if (gameNo < 0 || gameNo > glngGameListUBound())
        vb::raiseSubscriptOutOfRange();
    gGame = gGameList[gameNo];
    gsReadScoreData();
    gsScoreDataToLines();
}

// Key part of a best game / best round record.
QString gameScorePart(const SeasonScore& rec, int classes, bool byBirthday)
{
    QString key = padNum(100 - static_cast<qint64>(rec.Rounds), 3);
    key += padNum(static_cast<qint64>(rec.Net) + 10000, 5);
    for (int i = 0; i < classes; ++i)
        key += padNum(500 - static_cast<qint64>(rec.StrokeCount[i]), 3);
    if (byBirthday) {
        // Age in days at that game's date: the older player first, a player
        // without a birthday after all others.
        qint64 days = 0;
        const QString birthday = vb::Trim(gfGetMemberBirthday(rec.IDNo));
        if (!birthday.isEmpty())
            days = vb::CDate(birthday).daysTo(vb::CDate(rec.Date));
        key += padNum(100000 - days, 6);
    }
    return key;
}

// The team part of a season team key: the identifier as stored,
// right-aligned in a field of two characters.
QString teamPart(const QString& teamId)
{
    return vb::FormatText(teamId, QStringLiteral("@@"));
}

}  // namespace

// ---------------------------------------------------------------- collection and sort

bool gfSetSeasonTallicor(Integer kind)
{
    return trapped("gfSetSeasonTallicor", [&] {
        if (gSelectedGames.empty())
            return true;
        // Copy: the list must not change under the walk.
        const std::vector<Long> selected = gSelectedGames;
        for (Long g : selected) {
            readGame(g);
            if (pfReadSeasonScore(g, kind))
                return true;
        }
        return false;
    });
}

bool gfSortSeasonTallicor()
{
    return trapped("gfSortSeasonTallicor", [&] {
        if (gSeasonScores.empty())
            return true;
        QHash<QString, QString> dates;
        std::vector<QString> keys;
        keys.reserve(gSeasonScores.size());
        for (const SeasonScore& s : gSeasonScores) {
            auto it = dates.find(s.Date);
            if (it == dates.end())
                it = dates.insert(s.Date, vb::FormatDateText(s.Date, QStringLiteral("yyyy/mm/dd")));
            keys.push_back(padNum(s.IDNo, 8) + it.value() + padNum(s.GameNo, 6));
        }
        std::vector<SeasonScore> sorted;
        sorted.reserve(gSeasonScores.size());
        for (Long i : gfSortedIndexAsc(keys))
            sorted.push_back(gSeasonScores[i]);
        gSeasonScores = std::move(sorted);
        return false;
    });
}

// ---------------------------------------------------------------- total ranking

bool gsCalSeasonTotalRanking()
{
    return trapped("gsCalSeasonTotalRanking", [&] {
        gSeasonTotalRanking.clear();
        if (gSeasonScores.empty())
            return true;
        const std::vector<SeasonScore> rows = sumPerPlayer(true, true, true);

        const bool byBirthday = gSeasonGameInfo.JudgeBirthday == 1;
        const QString noAverage = QStringLiteral("99999.99999999");
        std::vector<QString> keys;
        keys.reserve(rows.size());
        for (const SeasonScore& row : rows) {
            QString key;
            switch (gintTotalRankingMode) {
            case 0:
                key = row.Rounds < glngKiteiRound ? QStringLiteral("1") : QStringLiteral("0");
                key += row.Rounds >= 1 ? averageKey(row.Net, row.Rounds, 5, 8) : noAverage;
                break;
            case 1:
                key = row.RoundNo < glngKiteiGame ? QStringLiteral("1") : QStringLiteral("0");
                key += row.RoundNo >= 1 ? averageKey(row.Net, row.RoundNo, 5, 8) : noAverage;
                break;
            case 2:
                key = row.HoleCount < glngKiteiHole ? QStringLiteral("1") : QStringLiteral("0");
                key += row.HoleCount >= 1 ? averageKey(row.Net, row.HoleCount, 5, 8) : noAverage;
                break;
            case 3: {
                key = padNum(999999 - static_cast<qint64>(row.RoundNo), 6);
                key += padNum(999999 - static_cast<qint64>(row.Rounds), 6);
                key += padNum(9999999 - static_cast<qint64>(row.HoleCount), 7);
                key += padNum(static_cast<qint64>(row.Net) + 10000, 9);
                const int classes = strokeClasses(gSeasonGameInfo.JudgeDaSu);
                for (int i = 0; i < classes; ++i)
                    key += padNum(9999999 - static_cast<qint64>(row.StrokeCount[i]), 7);
                break;
            }
            case 4:
                key = padNum(999999 - static_cast<qint64>(row.StrokeCount[0]), 6);
                break;
            default:
                break;
            }
            if (byBirthday)
                key += birthdayKey(row.IDNo);
            keys.push_back(key);
        }
        gSeasonTotalRanking = rankedByKeys(rows, keys);
        return false;
    });
}

// ---------------------------------------------------------------- best game and best round

bool gsCalSeasonGameRanking()
{
    return trapped("gsCalSeasonGameRanking", [&] {
        gSeasonGameRanking.clear();
        if (gSeasonScores.empty())
            return true;
        const int classes = strokeClasses(gSeasonGameInfo.JudgeDaSu);
        const bool byBirthday = gSeasonGameInfo.JudgeBirthday == 1;

        // Each player's best record: the smallest score part.
        std::vector<QString> parts;
        std::vector<QString> keys;
        parts.reserve(gSeasonScores.size());
        keys.reserve(gSeasonScores.size());
        for (const SeasonScore& rec : gSeasonScores) {
            parts.push_back(gameScorePart(rec, classes, byBirthday));
            keys.push_back(padNum(rec.IDNo, 8) + parts.back());
        }
        std::vector<SeasonScore> kept;
        std::vector<QString> keptParts;
        Long lastKept = 0;
        for (Long i : gfSortedIndexAsc(keys)) {
            if (gSeasonScores[i].IDNo == lastKept)
                continue;
            kept.push_back(gSeasonScores[i]);
            keptParts.push_back(parts[i]);
            lastKept = gSeasonScores[i].IDNo;
        }
        if (kept.empty())
            return true;
        gSeasonGameRanking = rankedByKeys(kept, keptParts);
        return false;
    });
}

// ---------------------------------------------------------------- entry list

bool gsCalSeasonEntryList(Integer byBelong, Integer order)
{
    return trapped("gsCalSeasonEntryList", [&] {
        if (gSeasonScores.empty())
            return true;
        std::vector<SeasonScore> rows = sumPerPlayer(false, false, false);
        gSeasonEntryList.clear();

        std::vector<QString> keys;
        keys.reserve(rows.size());
        for (const SeasonScore& row : rows) {
            const Long index = gfGetMemberIndex(row.IDNo);
            // A player no longer in the player list cannot be looked up.
            if (index < 0 || index > glngMemberListUBound())
                vb::raiseSubscriptOutOfRange();
            const MemberInfo& member = gMemberList[index];
            QString key;
            if (byBelong == 1)
                key = padNum(member.BelongID, 5);
            if (order != 0)
                key += padNum(10000 - static_cast<qint64>(row.RoundNo), 5);
            else
                key += member.Sort;
            keys.push_back(key);
        }
        // Positions 1 to n, never shared.
        std::vector<SeasonScore> list;
        list.reserve(rows.size());
        for (Long i : gfSortedIndexAsc(keys)) {
            list.push_back(rows[i]);
            list.back().Rank = static_cast<Long>(list.size());
        }
        gSeasonEntryList = std::move(list);
        return false;
    });
}

// ---------------------------------------------------------------- team list and team ranking

bool gsCalSeasonTeamList()
{
    return trapped("gsCalSeasonTeamList", [&] {
        gSeasonTeamList.clear();
        if (gSeasonScores.empty())
            return true;
        std::vector<SeasonScore> records;
        for (const SeasonScore& rec : gSeasonScores)
            if (!vb::Trim(rec.TeamID).isEmpty())
                records.push_back(rec);
        if (records.empty())
            return true;

        const int holes = seasonHoles();
        const int rounds = seasonRounds();
        std::vector<QString> recordKeys;
        recordKeys.reserve(records.size());
        for (const SeasonScore& rec : records)
            recordKeys.push_back(teamPart(rec.TeamID) + padNum(rec.IDNo, 8) + padNum(rec.GameNo, 6));

        // One row per team and player.
        std::vector<SeasonScore> rows;
        QString previousTeam;
        Long previousId = 0;
        for (Long i : gfSortedIndexAsc(recordKeys)) {
            const SeasonScore& rec = records[i];
            const QString team = vb::Trim(rec.TeamID);
            if (rows.empty() || team != previousTeam || rec.IDNo != previousId) {
                SeasonScore row;
                row.IDNo = rec.IDNo;
                row.TeamID = rec.TeamID;
                row.GameNo = rec.GameNo;
                rows.push_back(row);
            }
            previousTeam = team;
            previousId = rec.IDNo;
            SeasonScore& row = rows.back();
            row.RoundNo = addChecked(row.RoundNo, 1);
            addRecord(row, rec, holes, rounds, false, false);
        }

        const bool total = gSeasonGameInfo.TeamHowtoRank == 0;
        std::vector<QString> keys;
        keys.reserve(rows.size());
        for (const SeasonScore& row : rows) {
            QString key = teamPart(row.TeamID);
            if (total) {
                key += padNum(99999 - static_cast<qint64>(row.Rounds), 5);
                key += padNum(static_cast<qint64>(row.Net) + 10000000, 9);
            } else {
                key += row.Rounds < 1 ? QStringLiteral("9999.999") : averageKey(row.Net, row.Rounds, 4, 3);
            }
            keys.push_back(key);
        }
        gSeasonTeamList = rankedByKeys(rows, keys);
        return false;
    });
}

bool gsCalSeasonTeamRanking()
{
    return trapped("gsCalSeasonTeamRanking", [&] {
        std::vector<TeamRank> teams = corehelpers::teamRowsOf(gSeasonTeamList);
        gTeamRanking.clear();
        if (teams.empty())
            return true;

        const bool total = gSeasonGameInfo.TeamHowtoRank == 0;
        std::vector<QString> keys;
        keys.reserve(teams.size());
        for (const TeamRank& t : teams) {
            QString key;
            if (total) {
                key = padNum(999999 - static_cast<qint64>(t.Rounds), 6)
                      + padNum(static_cast<qint64>(t.Net) + 10000000, 9);
                for (Long m = 0; m < 10; ++m) {
                    if (m < t.Members) {
                        const SeasonScore& row = gSeasonTeamList[t.FirstRow + m];
                        key += padNum(999999 - static_cast<qint64>(row.Rounds), 6)
                               + padNum(static_cast<qint64>(row.Net) + 10000000, 9);
                    } else {
                        key += QStringLiteral("999999999999999");
                    }
                }
            } else if (t.Rounds < 1) {
                key = QStringLiteral("9999.999");
                for (int m = 0; m < 10; ++m)
                    key += QStringLiteral("9999.99");
            } else {
                key = averageKey(t.Net, t.Rounds, 4, 3);
                for (Long m = 0; m < 10; ++m) {
                    if (m < t.Members) {
                        const SeasonScore& row = gSeasonTeamList[t.FirstRow + m];
                        key += row.Rounds < 1 ? QStringLiteral("9999.99") : averageKey(row.Net, row.Rounds, 4, 2);
                    } else {
                        key += QStringLiteral("9999.99");
                    }
                }
            }
            keys.push_back(key);
        }
        gTeamRanking = rankedByKeys(teams, keys);
        return false;
    });
}

// ---------------------------------------------------------------- one player's games and rounds

bool gsCalSeasonPersonalGameScore()
{
    return trapped("gsCalSeasonPersonalGameScore", [&] {
        const std::vector<SeasonScore> rows = gSeasonGameRanking;
        gSeasonGameRanking.clear();
        std::vector<QString> keys;
        keys.reserve(rows.size());
        for (const SeasonScore& row : rows) {
            QString key = padNum(100 - static_cast<qint64>(row.Rounds), 3);
            key += padNum(static_cast<qint64>(row.Net) + 10000, 5);
            for (int i = 0; i < 5; ++i)
                key += padNum(500 - static_cast<qint64>(row.StrokeCount[i]), 3);
            keys.push_back(key);
        }
        gSeasonGameRanking = rankedByKeys(rows, keys);
        return false;
    });
}

bool gsCalSeasonPersonalRoundScore(Long player)
{
    return trapped("gsCalSeasonPersonalRoundScore", [&] {
        gSeasonRoundLines.clear();
        if (gSeasonScores.empty())
            return true;
        // The player's records: from his first record on, while they are his.
        std::vector<SeasonScore> records;
        auto it = std::find_if(gSeasonScores.begin(), gSeasonScores.end(),
                               [&](const SeasonScore& s) { return s.IDNo == player; });
        for (; it != gSeasonScores.end() && it->IDNo == player; ++it)
            records.push_back(*it);

        for (const SeasonScore& rec : records) {
            readGame(rec.GameNo);
            const int holes = std::clamp<int>(gGame.Hole, 0, 16);
            for (const ScoreLine& row : gScoreLines) {
                if (row.IDNo != player)
                    continue;
                SeasonRoundLine line;
                line.Date = gGame.Date;
                line.IDNo = row.IDNo;
                line.RoundNo = row.RoundNo;
                for (int h = 0; h < holes; ++h)
                    line.Holes[h] = row.Holes[h];
                line.TeamID = vb::Trim(row.TeamID);
                line.Handicap = row.Handicap;
                line.GameNo = rec.GameNo;
                gSeasonRoundLines.push_back(line);
            }
        }
        return gSeasonRoundLines.empty();
    });
}

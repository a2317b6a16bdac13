#include "core/ranking.h"

#include "core/helpers.h"
#include "core/masterlists.h"
#include "platform/vbruntime.h"

#include <QSet>
#include <cstdint>

namespace {

// A whole number in a zero pattern of `width` digits ("000", "00000"): the
// runtime's Format for these patterns, with a quick path for the common
// non-negative case (longer numbers print whole).
QString pfPad(std::int64_t v, int width)
{
    if (v >= 0) return QString::number(v).rightJustified(width, QLatin1Char('0'));
    return vb::Format(static_cast<double>(v), QString(width, QLatin1Char('0')));
}

// Birthday part of a sort key when no birthday can be compared.
const QString kNoBirthday = QStringLiteral("9999/99/99");

// The score rows of the current game, checked against what the records hold:
// returns the number of players (rows / Round, halves to even) and throws
// where the classic runtime would have raised an error.
Long pfPlayerCount()
{
    const Integer rounds = gGame.Round;
    const Long rows = static_cast<Long>(gScoreLines.size());
    if (rounds == 0) {
        if (rows == 0) vb::raiseOverflow();   // 0 / 0
        vb::raiseDivisionByZero();
    }
    const Long n = vb::CLng(static_cast<double>(rows) / rounds);
    if (n == 0) return 0;
    if (n < 0) vb::raiseSubscriptOutOfRange();
    return n;
}

// Checks the header fields a ranking indexes with; called once the result
// table has been sized, so a failure leaves it as far as it was filled.
void psCheckShape(Long players)
{
    if (gGame.Round > 10 || gGame.Hole > 16 || gGame.JudgeDaSu > 5)
        vb::raiseSubscriptOutOfRange();
    // Every player owns Round rows; the last player's rows must all exist.
    if (static_cast<std::int64_t>(players) * gGame.Round
        > static_cast<std::int64_t>(gScoreLines.size()))
        vb::raiseSubscriptOutOfRange();
}

// One round of one score row, measured by the shared terms.
struct RoundMeasure {
    bool complete = false;
    Long sum = 0;
    Long holesInOne = 0;
    std::array<Integer, 5> classes{};
};

RoundMeasure pfMeasureRound(const ScoreLine& row, Long* grossRunning)
{
    RoundMeasure m;
    const int holes = gGame.Hole;
    for (int h = 0; h < holes; ++h) {
        if (vb::Val(row.Holes[h]) < 1) return m;   // not every hole entered
    }
    m.complete = true;
    for (int h = 0; h < holes; ++h) {
        const double v = vb::Val(row.Holes[h]);
        for (int c = 0; c < 5; ++c) {
            if (v == c + 1) {
                ++m.classes[c];
                if (c == 0) ++m.holesInOne;
                break;
            }
        }
        // Running totals are whole numbers, rounded after each addition.
        m.sum = vb::CLng(static_cast<double>(m.sum) + v);
        if (grossRunning) *grossRunning = vb::CLng(static_cast<double>(*grossRunning) + v);
    }
    return m;
}

QString pfClassKey(const std::array<Integer, 5>& classes)
{
    QString key;
    for (int i = 0; i < gGame.JudgeDaSu; ++i)
        key += pfPad(500 - classes[i], 3);
    return key;
}

QString pfBirthdayKey(Long idNo, Long gross)
{
    if (gGame.JudgeBirthday != 1) return QString();
    if (gross == 0) return kNoBirthday;
    const QString birthday = gfGetMemberBirthday(idNo);
    if (vb::Trim(birthday).isEmpty()) return kNoBirthday;
    return birthday;
}


Long pfAddLong(Long a, std::int64_t b)
{
    return vb::CLng(static_cast<double>(static_cast<std::int64_t>(a) + b));
}

}  // namespace

Integer gfCountGameMembers()
{
    QSet<Long> seen;
    for (const ScoreLine& row : gScoreLines) seen.insert(row.IDNo);
    return vb::CInt(static_cast<double>(seen.size()));
}

Integer gfCountGameTeams()
{
    QSet<QString> seen;
    for (const ScoreLine& row : gScoreLines) {
        const QString team = vb::Trim(row.TeamID);
        if (!team.isEmpty()) seen.insert(team);
    }
    return vb::CInt(static_cast<double>(seen.size()));
}

void gsCalPersonRanking(Integer noHandicap)
{
    const Long n = pfPlayerCount();
    std::vector<PersonRank>().swap(gRanking);
    if (n == 0) return;

    gRanking.assign(static_cast<size_t>(n), PersonRank{});
    std::vector<PersonRank> work(static_cast<size_t>(n));
    psCheckShape(n);

    const bool withHandicap = noHandicap == 0 && gGame.HandiCapKind != 0;
    Long row = 0;
    for (Long p = 0; p < n; ++p) {
        PersonRank& r = work[static_cast<size_t>(p)];
        r.IDNo = gScoreLines[static_cast<size_t>(row)].IDNo;
        r.TeamID = gScoreLines[static_cast<size_t>(row)].TeamID;
        for (int k = 0; k < gGame.Round; ++k, ++row) {
            const ScoreLine& line = gScoreLines[static_cast<size_t>(row)];
            r.RoundGross[k] = 0;
            const RoundMeasure m = pfMeasureRound(line, &r.Gross);
            if (!m.complete) continue;
            for (int c = 0; c < 5; ++c) r.StrokeCount[c] = vb::CInt(r.StrokeCount[c] + m.classes[c]);
            if (m.sum > 0) r.Rounds = vb::CInt(r.Rounds + 1);
            r.RoundGross[k] = vb::CInt(m.sum);
            r.Net = pfAddLong(r.Net, static_cast<std::int64_t>(m.sum) - 3LL * m.holesInOne);
            if (withHandicap) r.Handicap = line.Handicap;
        }
        if (withHandicap) r.Net = pfAddLong(r.Net, r.Handicap);
    }

    std::vector<QString> keys(static_cast<size_t>(n));
    for (Long p = 0; p < n; ++p) {
        const PersonRank& r = work[static_cast<size_t>(p)];
        keys[static_cast<size_t>(p)] = pfPad(100 - r.Rounds, 3)
            + pfPad(static_cast<std::int64_t>(r.Net) + 10000, 5)
            + pfClassKey(r.StrokeCount) + pfBirthdayKey(r.IDNo, r.Gross);
    }
    gRanking = corehelpers::rankedInOrder(work, keys, gfSortedIndexAsc(keys));
}

QString gfGetCategoryTitle()
{
    const Integer g = gGame.CategoryGender;
    const Integer lo = gGame.CategoryAgeLow;
    const Integer hi = gGame.CategoryAgeHigh;
    const QString zero = QStringLiteral("0");

    QString t;
    if (g == 1) t = QStringLiteral("男子");
    else if (g == 2) t = QStringLiteral("女子");

    if ((lo != -1 || hi != -1) && !vb::Trim(t).isEmpty()) t += QStringLiteral("：");
    if (lo != -1 && hi == -1) {
        t += vb::Format(lo, zero) + QStringLiteral("歳～");
    } else if (lo == -1 && hi != -1) {
        t += QStringLiteral("～") + vb::Format(hi, zero) + QStringLiteral("歳");
    } else if (lo != -1 && hi != -1) {
        t += vb::Format(lo, zero) + QStringLiteral("歳");
        if (lo < hi) t += QStringLiteral("～") + vb::Format(hi, zero) + QStringLiteral("歳");
    }
    if (!vb::Trim(t).isEmpty()) return QStringLiteral("部門別（") + t + QStringLiteral("）");
    return QStringLiteral("総合");
}

namespace corehelpers {

bool gfNoCategory(const GameInfo& game)
{
    return game.CategoryGender == 0 && game.CategoryAgeLow == -1 && game.CategoryAgeHigh == -1;
}

bool gfFitsCategory(Long id, const GameInfo& game, const QString& referenceDate)
{
    const Integer g = game.CategoryGender;
    const Integer lo = game.CategoryAgeLow;
    const Integer hi = game.CategoryAgeHigh;
    if (g == 1 && gfGetMemberGender(id, 0) != QStringLiteral("男"))
        return false;
    if (g == 2 && gfGetMemberGender(id, 0) != QStringLiteral("女"))
        return false;
    if (lo != -1 || hi != -1) {
        const QString age = vb::Trim(gfGetMemberAge(id, referenceDate));
        if (age.isEmpty() || age == QStringLiteral("-"))
            return false;
        const double years = vb::Val(age);
        if (lo != -1 && years < lo)
            return false;
        if (hi != -1 && years > hi)
            return false;
    }
    return true;
}

}  // namespace corehelpers

void gsFilterRankingByCategory(const QString& referenceDate)
{
    gRanking = corehelpers::keptInCategory(gRanking, gGame, referenceDate);
}

void gsCalRoundRanking()
{
    const Long n = pfPlayerCount();
    std::vector<RoundRank>().swap(gRoundRanking);
    if (n == 0) return;

    gRoundRanking.assign(static_cast<size_t>(n), RoundRank{});
    std::vector<RoundRank> work(static_cast<size_t>(n));
    psCheckShape(n);

    Long row = 0;
    for (Long p = 0; p < n; ++p) {
        RoundRank& r = work[static_cast<size_t>(p)];
        QString best = QStringLiteral("99999999");
        for (int k = 0; k < gGame.Round; ++k, ++row) {
            const ScoreLine& line = gScoreLines[static_cast<size_t>(row)];
            const RoundMeasure m = pfMeasureRound(line, nullptr);
            const Long net = pfAddLong(m.sum, -3LL * m.holesInOne);
            const QString key = QString(m.sum > 0 ? QStringLiteral("099") : QStringLiteral("100"))
                + pfPad(static_cast<std::int64_t>(net) + 10000, 5)
                + pfClassKey(m.classes) + pfBirthdayKey(line.IDNo, m.sum);
            if (key < best) {
                r.IDNo = line.IDNo;
                r.RoundNo = line.RoundNo;
                for (int h = 0; h < 16; ++h) r.Holes[h] = m.complete ? line.Holes[h] : QString();
                r.Gross = m.sum;
                r.Net = net;
                r.StrokeCount = m.classes;
                r.Rank = 0;
                r.SortKey = key;
                best = key;
            }
        }
    }

    std::vector<QString> keys(static_cast<size_t>(n));
    for (Long p = 0; p < n; ++p) keys[static_cast<size_t>(p)] = work[static_cast<size_t>(p)].SortKey;
    gRoundRanking = corehelpers::rankedInOrder(work, keys, gfSortedIndexAsc(keys));
}

void gsCalTeamList()
{
    gsCalPersonRanking(1);

    std::vector<PersonRank> work;
    for (const PersonRank& row : gRanking)
        if (!vb::Trim(row.TeamID).isEmpty()) work.push_back(row);
    std::vector<PersonRank>().swap(gRanking);
    if (work.empty()) return;

    const bool byTotal = gGame.TeamHowtoRank == 0;
    std::vector<QString> keys(work.size());
    for (size_t i = 0; i < work.size(); ++i) {
        const PersonRank& r = work[i];
        QString score;
        if (byTotal) {
            score = pfPad(100 - r.Rounds, 3)
                + pfPad(static_cast<std::int64_t>(r.Net) + 10000, 5);
        } else if (r.Rounds > 0) {
            score = vb::FormatRatio(r.Net, r.Rounds, QStringLiteral("0000.00"));
        } else {
            score = QStringLiteral("9999.99");
        }
        // The team part (1-character identifiers right-aligned in two) and the
        // score part are compared as separate fields: the separator sorts
        // below every identifier character, so a team whose identifier is the
        // start of another ("AB", "AB1") keeps its rows together.
        keys[i] = vb::FormatText(r.TeamID, QStringLiteral("@@")) + QChar(0) + score;
    }
    const std::vector<Long> index = gfSortedIndexAsc(keys);
    gRanking.reserve(work.size());
    for (Long src : index) gRanking.push_back(work[static_cast<size_t>(src)]);
}

void gsCalTeamRanking()
{
    gsCalTeamList();

    std::vector<TeamRank> teams = corehelpers::teamRowsOf(gRanking);

    std::vector<TeamRank>().swap(gTeamRanking);
    if (teams.empty()) return;

    const bool byTotal = gGame.TeamHowtoRank == 0;
    std::vector<QString> keys(teams.size());
    for (size_t i = 0; i < teams.size(); ++i) {
        const TeamRank& t = teams[i];
        QString key;
        if (byTotal) {
            key = pfPad(10000LL - t.Rounds, 5)
                + pfPad(static_cast<std::int64_t>(t.Net) + 1000000, 7);
            for (Long m = 0; m < 10; ++m) {
                if (m < t.Members) {
                    const PersonRank& r = gRanking[static_cast<size_t>(t.FirstRow + m)];
                    key += pfPad(10000 - r.Rounds, 5)
                        + pfPad(static_cast<std::int64_t>(r.Net) + 100000, 6);
                } else {
                    key += QStringLiteral("99999999999");
                }
            }
        } else if (t.Rounds < 1) {
            key = QStringLiteral("9999.999") + QStringLiteral("9999.99").repeated(10);
        } else {
            key = vb::FormatRatio(t.Net, t.Rounds, QStringLiteral("0000.000"));
            for (Long m = 0; m < 10; ++m) {
                if (m < t.Members) {
                    const PersonRank& r = gRanking[static_cast<size_t>(t.FirstRow + m)];
                    key += r.Rounds < 1 ? QStringLiteral("9999.99")
                                        : vb::FormatRatio(r.Net, r.Rounds, QStringLiteral("0000.00"));
                } else {
                    key += QStringLiteral("9999.99");
                }
            }
        }
        keys[i] = key;
    }
    gTeamRanking = corehelpers::rankedInOrder(teams, keys, gfSortedIndexAsc(keys));
}

#include "core/gamefile.h"

#include "core/ini.h"
#include "core/ranking.h"
#include "platform/eradate.h"
#include "platform/textfile.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

const QString kZero = QStringLiteral("0");
const QString kManagement = QStringLiteral("Management");

// Player identifiers run from 1 to 32767 and a game holds each player once,
// so a stored entry count above this can only come from a damaged file.
constexpr Long kMaxStoredEntries = 32767;

// A text written on one line: a line break inside it would end the line and
// could start a section of its own, so it becomes a blank (as the profile
// writer does).
QString pfOneLine(const QString& text)
{
    QString v = text;
    for (QChar& c : v)
        if (c == u'\r' || c == u'\n') c = u' ';
    return v;
}

QString pfNum(std::int64_t v) { return vb::Format(static_cast<double>(v), kZero); }

QString pfGamePath(const QString& name) { return gstrGamesFolder + QStringLiteral("/") + name; }

// "game00001.tcg (reason)" for the messages that name a damaged file.
QString pfProblem(const QString& name, const QString& reason)
{
    return name + QStringLiteral(" (") + reason + QStringLiteral(")");
}

// The holes and rounds a score row can hold; anything else is a damaged
// header (a hand-edited file) and must not be used as an index.
void psCheckHolesAndRounds()
{
    if (gGame.Hole < 0 || gGame.Hole > 16 || gGame.Round < 0 || gGame.Round > 10)
        vb::raiseSubscriptOutOfRange();
}

// Reads the whole-file-parsed entries of a game file into gScoreData.
// Throws on a value that does not fit its field.
void psReadEntriesFromParsedFile()
{
    const Long n = vb::CLngText(gfGetIniExValue(kManagement, QStringLiteral("MaxScoreNo")));
    if (n > kMaxStoredEntries) vb::raiseOverflow();
    for (Long s = 1; s <= n; ++s) {
        const QString section = QStringLiteral("Score") + QString::number(s);
        StoredScore e;
        e.IDNo = vb::CLngText(gfGetIniExValue(section, QStringLiteral("IDNo")));
        e.Holes = vb::Trim(gfGetIniExValue(section, QStringLiteral("Holes")));
        e.TeamID = vb::Trim(gfGetIniExValue(section, QStringLiteral("TeamID")));
        e.Handicap = vb::CLngText(gfGetIniExValue(section, QStringLiteral("Handicap")));
        e.RoundGNo = vb::CLngText(gfGetIniExValue(section, QStringLiteral("RoundGNo")));
        e.SeedNo = vb::CLngText(gfGetIniExValue(section, QStringLiteral("SeedNo")));
        gScoreData.push_back(e);
    }
}

// The header keys of one game file, read with one pass over the file: the
// same values the profile reader gives key by key (section and key names
// regardless of ASCII letter case, the first section of a name and the first
// key in it, blanks and one pair of quotes removed, at most 255 characters,
// cut at a NUL), without opening and scanning the file once per key. Only
// the wanted keys are decoded; the names wanted are ASCII, so they are
// compared on the stored bytes.
class HeaderSnapshot {
public:
    struct Wanted {
        QByteArray section;
        std::vector<QByteArray> keys;
    };

    HeaderSnapshot(const QString& path, std::vector<Wanted> wanted) : wanted_(std::move(wanted))
    {
        for (Wanted& w : wanted_) {
            w.section = w.section.toLower();
            for (QByteArray& k : w.keys) k = k.toLower();
        }
        values_.resize(wanted_.size());
        for (size_t s = 0; s < wanted_.size(); ++s) values_[s].resize(wanted_[s].keys.size());
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return;
        const QByteArray bytes = f.readAll();
        if (f.error() != QFileDevice::NoError) return;
        parse(bytes);
    }

    // The value of key k of wanted section s ("" when absent).
    QString value(size_t s, size_t k) const { return values_[s][k].value_or(QString()); }

private:
    static bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

    static QStringView trimBlanks(QStringView v)
    {
        qsizetype b = 0, e = v.size();
        while (b < e && isBlank(v[b].unicode())) ++b;
        while (e > b && isBlank(v[e - 1].unicode())) --e;
        return v.mid(b, e - b);
    }

    static QByteArrayView trimBlankBytes(QByteArrayView v)
    {
        qsizetype b = 0, e = v.size();
        while (b < e && (v[b] == ' ' || v[b] == '\t')) ++b;
        while (e > b && (v[e - 1] == ' ' || v[e - 1] == '\t')) --e;
        return v.sliced(b, e - b);
    }

    static bool isAscii(QByteArrayView v)
    {
        for (char c : v)
            if (static_cast<unsigned char>(c) >= 0x80) return false;
        return true;
    }

    // ASCII names regardless of letter case; `lower` is in lower case.
    static bool sameName(QByteArrayView stored, const QByteArray& lower)
    {
        if (stored.size() != lower.size()) return false;
        for (qsizetype i = 0; i < stored.size(); ++i) {
            char c = stored[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            if (c != lower[i]) return false;
        }
        return true;
    }

    static QString cleanValue(const QString& decoded)
    {
        QStringView v = trimBlanks(decoded);
        if (v.size() >= 2) {
            const QChar q = v.front();
            if ((q == u'"' || q == u'\'') && v.back() == q) v = v.mid(1, v.size() - 2);
        }
        if (v.size() > 255) {
            qsizetype n = 255;
            if (v[n - 1].isHighSurrogate()) --n;
            v = v.left(n);
        }
        QString out = v.toString();
        const qsizetype nul = out.indexOf(QChar(u'\0'));
        if (nul >= 0) out.truncate(nul);
        return out;
    }

    // A section line ("[" after leading blanks, a "]" later on the line):
    // the index of the wanted section it opens, -1 for any other section;
    // false when the line opens no section. "]" can be the second byte of a
    // CP932 character, so a line with such characters is decoded first.
    static bool sectionLine(QByteArrayView line, const std::vector<Wanted>& wanted, qsizetype& index)
    {
        qsizetype i = 0;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size() || line[i] != '[') return false;
        index = -1;
        if (isAscii(line)) {
            const qsizetype close = line.indexOf(']', i + 1);
            if (close < 0) return false;
            const QByteArrayView name = trimBlankBytes(line.sliced(i + 1, close - i - 1));
            for (size_t s = 0; s < wanted.size(); ++s)
                if (sameName(name, wanted[s].section)) index = static_cast<qsizetype>(s);
            return true;
        }
        const QString decoded = platform::decodeCp932(line.toByteArray());
        qsizetype j = 0;
        while (j < decoded.size() && isBlank(decoded[j].unicode())) ++j;
        const qsizetype close = decoded.indexOf(u']', j + 1);
        if (close < 0) return false;
        const QStringView name = trimBlanks(QStringView(decoded).mid(j + 1, close - j - 1));
        QByteArray ascii;
        for (QChar c : name) {
            if (c.unicode() >= 0x80) return true;   // no wanted name has other characters
            ascii += static_cast<char>(c.unicode());
        }
        for (size_t s = 0; s < wanted.size(); ++s)
            if (sameName(ascii, wanted[s].section)) index = static_cast<qsizetype>(s);
        return true;
    }

    void parse(const QByteArray& bytes)
    {
        std::vector<bool> seen(wanted_.size(), false);
        qsizetype current = -1;
        const char* p = bytes.constData();
        const qsizetype n = bytes.size();
        qsizetype start = 0;
        while (start < n) {
            // The line runs to the first CR or LF.
            const char* lf = static_cast<const char*>(std::memchr(p + start, '\n', static_cast<size_t>(n - start)));
            qsizetype end = lf ? lf - p : n;
            if (const void* cr = std::memchr(p + start, '\r', static_cast<size_t>(end - start)))
                end = static_cast<const char*>(cr) - p;
            const QByteArrayView line(p + start, end - start);
            start = end + 1;
            if (end < n && p[end] == '\r' && start < n && p[start] == '\n') ++start;

            const bool maySection = !line.isEmpty() && (line.front() == '[' || line.front() == ' ' || line.front() == '\t');
            if (current < 0 && !maySection) continue;   // a key line outside the wanted sections
            qsizetype s = -1;
            if (maySection && sectionLine(line, wanted_, s)) {
                current = (s >= 0 && !seen[static_cast<size_t>(s)]) ? s : -1;
                if (current >= 0) seen[static_cast<size_t>(current)] = true;
                continue;
            }
            if (current < 0) continue;
            const qsizetype eq = line.indexOf('=');
            if (eq < 0) continue;
            const QByteArrayView key = trimBlankBytes(line.first(eq));
            const Wanted& w = wanted_[static_cast<size_t>(current)];
            for (size_t k = 0; k < w.keys.size(); ++k) {
                if (!sameName(key, w.keys[k])) continue;
                auto& slot = values_[static_cast<size_t>(current)][k];
                if (!slot)   // the first of two equal keys wins
                    slot = cleanValue(platform::decodeCp932(line.sliced(eq + 1).toByteArray()));
                break;
            }
        }
    }

    std::vector<Wanted> wanted_;
    std::vector<std::vector<std::optional<QString>>> values_;
};

GameInfo pfReadGameInfo(const QString& path, const QString& name)
{
    enum { kMgmt, kRanking, kGrouping };
    enum {
        kDate, kTittle, kMaxScoreNo, kSeriesID, kCourceID, kHole, kRound, kTeamHowtoRank, kCategoryGender,
        kCategoryAgeLow, kCategoryAgeHigh, kJudgeDaSu, kJudgeBirthday, kHandiCapKind, kPointGame
    };
    const HeaderSnapshot file(
        path, {{"Management",
                {"Date", "Tittle", "MaxScoreNo", "SeriesID", "CourceID", "Hole", "Round", "TeamHowtoRank",
                 "CategoryGender", "CategoryAgeLow", "CategoryAgeHigh", "JudgeDaSu", "JudgeBirthday",
                 "HandiCapKind", "PointGame"}},
               {"Ranking", {"RealEntries"}},
               {"RoundGrouping", {"RGUmu", "RGWhichBy", "RGCT", "RGPriority0", "RGPriority1", "RGPriority2",
                                  "RGPriority3", "RGPriority4"}}});
    auto text = [&](size_t key) { return file.value(kMgmt, key); };
    auto lng = [&](size_t key) { return vb::CLngText(text(key)); };
    auto intg = [&](size_t key) { return vb::CIntText(text(key)); };
    // The four keys added by later versions: blank after trimming = default.
    auto intOr = [&](size_t key, Integer missing) {
        const QString v = text(key);
        return vb::Trim(v).isEmpty() ? missing : vb::CIntText(v);
    };

    GameInfo g;
    g.Date = vb::Trim(text(kDate));
    g.Tittle = vb::Trim(text(kTittle));
    g.MaxScoreNo = lng(kMaxScoreNo);
    g.SeriesID = lng(kSeriesID);
    g.CourceID = lng(kCourceID);
    g.Hole = intg(kHole);
    g.Round = intg(kRound);
    g.TeamHowtoRank = intg(kTeamHowtoRank);
    g.CategoryGender = intg(kCategoryGender);
    g.CategoryAgeLow = intg(kCategoryAgeLow);
    g.CategoryAgeHigh = intg(kCategoryAgeHigh);
    g.JudgeDaSu = intOr(kJudgeDaSu, 5);
    g.JudgeBirthday = intOr(kJudgeBirthday, 1);
    g.HandiCapKind = intOr(kHandiCapKind, 0);
    g.PointGame = intOr(kPointGame, 1);
    g.RealEntries = vb::CLngText(file.value(kRanking, 0));
    g.RGUmu = vb::CIntText(file.value(kGrouping, 0));
    g.RGWhichBy = vb::CIntText(file.value(kGrouping, 1));
    g.RGCT = vb::CIntText(file.value(kGrouping, 2));
    for (size_t p = 0; p < 5; ++p) g.RGPriority[p] = vb::CIntText(file.value(kGrouping, 3 + p));
    g.GameFileName = name;
    return g;
}

// The game files of numbers 1..maxGameNo present in the games folder, in
// number order. One directory listing instead of a look-up per number, so a
// damaged, huge MaxGameNo cannot stall the program.
std::vector<std::pair<Long, QString>> pfListGameFiles(Long maxGameNo)
{
    std::vector<std::pair<Long, QString>> files;
    if (maxGameNo < 1) return files;
    static const QRegularExpression pattern(QStringLiteral("^game([0-9]{5,10})\\.tcg$"));
    const QStringList names = QDir(gstrGamesFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (!m.hasMatch()) continue;
        bool ok = false;
        const qlonglong n = m.captured(1).toLongLong(&ok);
        if (!ok || n < 1 || n > maxGameNo) continue;
        if (gfGameFileName(static_cast<Long>(n)) != name) continue;   // "game000001.tcg" is no game file
        files.emplace_back(static_cast<Long>(n), name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

QString gfGameFileName(Long gameNo)
{
    return QStringLiteral("game") + vb::Format(gameNo, QStringLiteral("00000")) + QStringLiteral(".tcg");
}

QStringList gfGameFileLines()
{
    const GameInfo& g = gGame;
    QStringList lines;
    lines << QStringLiteral("[Management]")
          << QStringLiteral("Date=") + pfOneLine(vb::FormatDateText(vb::Trim(g.Date), QStringLiteral("yyyy/mm/dd")))
          << QStringLiteral("Tittle=") + pfOneLine(vb::Trim(g.Tittle))
          // The entry count written is final: the file needs no second write.
          << QStringLiteral("MaxScoreNo=") + pfNum(static_cast<std::int64_t>(gScoreData.size()))
          << QStringLiteral("SeriesID=") + pfNum(g.SeriesID)
          << QStringLiteral("CourceID=") + pfNum(g.CourceID)
          << QStringLiteral("Hole=") + pfNum(g.Hole)
          << QStringLiteral("Round=") + pfNum(g.Round)
          << QStringLiteral("TeamHowtoRank=") + pfNum(g.TeamHowtoRank)
          << QStringLiteral("CategoryGender=") + pfNum(g.CategoryGender)
          << QStringLiteral("CategoryAgeLow=") + pfNum(g.CategoryAgeLow)
          << QStringLiteral("CategoryAgeHigh=") + pfNum(g.CategoryAgeHigh)
          << QStringLiteral("JudgeDaSu=") + pfNum(g.JudgeDaSu)
          << QStringLiteral("JudgeBirthday=") + pfNum(g.JudgeBirthday)
          << QStringLiteral("HandiCapKind=") + pfNum(g.HandiCapKind)
          << QStringLiteral("PointGame=") + pfNum(g.PointGame);

    for (size_t i = 0; i < gScoreData.size(); ++i) {
        const StoredScore& e = gScoreData[i];
        lines << QStringLiteral("[Score") + QString::number(i + 1) + QStringLiteral("]")
              << QStringLiteral("IDNo=") + pfNum(e.IDNo)
              << QStringLiteral("Holes=") + pfOneLine(vb::Trim(e.Holes));
        const QString team = pfOneLine(vb::Trim(e.TeamID));
        if (!team.isEmpty()) lines << QStringLiteral("TeamID=") + team;
        lines << QStringLiteral("Handicap=") + pfNum(e.Handicap)
              << QStringLiteral("RoundGNo=") + pfNum(e.RoundGNo)
              << QStringLiteral("SeedNo=") + pfNum(e.SeedNo);
    }

    lines << QStringLiteral("[Ranking]");
    Long pairs = 0;
    for (const PersonRank& r : gRanking) {
        if (r.Gross < 1) break;   // players without strokes are not stored
        lines << QStringLiteral("R") + QString::number(pairs) + QStringLiteral("=") + pfNum(r.Rank)
              << QStringLiteral("P") + QString::number(pairs) + QStringLiteral("=") + pfNum(r.IDNo);
        ++pairs;
    }
    lines << QStringLiteral("RealEntries=") + pfNum(pairs);

    lines << QStringLiteral("[RoundGrouping]")
          << QStringLiteral("RGUmu=") + pfNum(g.RGUmu)
          << QStringLiteral("RGWhichBy=") + pfNum(g.RGWhichBy)
          << QStringLiteral("RGCT=") + pfNum(g.RGCT);
    for (int p = 0; p < 5; ++p)
        lines << QStringLiteral("RGPriority") + QString::number(p) + QStringLiteral("=") + pfNum(g.RGPriority[p]);
    return lines;
}

QString gfGameDataSave()
{
    try {
        gsCalPersonRanking(0);

        QString target;
        const QString name = vb::Trim(gGame.GameFileName);
        if (!name.isEmpty()) {
            target = pfGamePath(name);
            if (!QFileInfo(target).isFile()) target.clear();
        }

        if (target.isEmpty()) {
            // A new number; one whose file exists (the number file was lost or
            // restored from an older copy) is passed over, so no stored game
            // is ever overwritten by a new one.
            Long no = vb::CLngText(gfReadIniFile(gstrManagerFile, kManagement, QStringLiteral("MaxGameNo")));
            QString newName;
            do {
                if (no < 0) no = 0;
                no = vb::CLng(static_cast<double>(no) + 1);
                newName = gfGameFileName(no);
            } while (QFileInfo::exists(pfGamePath(newName)));
            // The number is recorded before the file is written; without the
            // record the game would never be listed, so a failure ends here.
            if (gfWriteIniFile(gstrManagerFile, kManagement, QStringLiteral("MaxGameNo"), pfNum(no)) == 0)
                vb::raisePermissionDenied();
            gGame.GameFileName = newName;
            target = pfGamePath(newName);
        }

        // Written beside the old file and renamed over it: the old game stays
        // intact until the new one is complete on disk.
        if (!platform::writeTextLinesAtomic(target, gfGameFileLines())) vb::raiseIoError();
        return target;
    } catch (const std::exception&) {
        platform::MsgBox(QStringLiteral("スコア・データの保存に失敗しました。"), platform::vbOKOnly,
                         QStringLiteral("System error"));
        return QString();
    }
}

void gsScoreLinesToData()
{
    std::vector<StoredScore>().swap(gScoreData);
    psCheckHolesAndRounds();
    const size_t rows = gScoreLines.size();
    for (size_t i = 0; i < rows; ++i) {
        const ScoreLine& first = gScoreLines[i];
        if (first.RoundNo != 1) continue;
        StoredScore e;
        e.IDNo = first.IDNo;
        e.TeamID = first.TeamID;
        e.Handicap = first.Handicap;
        e.RoundGNo = first.RoundGNo;
        e.SeedNo = first.SeedNo;
        for (int j = 0; j < gGame.Round; ++j) {
            if (i + static_cast<size_t>(j) >= rows) vb::raiseSubscriptOutOfRange();
            const ScoreLine& row = gScoreLines[i + static_cast<size_t>(j)];
            for (int h = 0; h < gGame.Hole; ++h) e.Holes += row.Holes[h] + QLatin1Char(',');
        }
        gScoreData.push_back(e);
    }
}

void gsScoreDataToLines()
{
    std::vector<ScoreLine>().swap(gScoreLines);
    psCheckHolesAndRounds();
    const int hole = gGame.Hole;
    const int round = gGame.Round;
    const int c = hole * round;
    for (const StoredScore& e : gScoreData) {
        const QString holes = vb::Trim(e.Holes);
        QStringList parts;
        if (!holes.isEmpty()) parts = holes.split(QLatin1Char(','));
        for (int r = 1; r <= round; ++r) {
            ScoreLine line;
            line.IDNo = e.IDNo;
            line.RoundNo = static_cast<Integer>(r);
            line.TeamID = e.TeamID;
            line.Handicap = e.Handicap;
            line.RoundGNo = e.RoundGNo;
            line.SeedNo = e.SeedNo;
            for (int h = 0; h < hole; ++h) {
                const int p = (r - 1) * hole + h;
                if (p < c && p < parts.size()) line.Holes[h] = parts[p];
            }
            gScoreLines.push_back(line);
        }
    }
}

void gsReadGameList(QStringList* damaged)
{
    std::vector<GameInfo>().swap(gGameList);
    const Long maxGameNo = vb::CLngText(gfReadIniFile(gstrManagerFile, kManagement, QStringLiteral("MaxGameNo")));

    // A file whose numbers do not fit their fields is left out of the list,
    // and the error names it once the readable games are listed.
    QStringList bad;
    for (const auto& [no, name] : pfListGameFiles(maxGameNo)) {
        try {
            gGameList.push_back(pfReadGameInfo(pfGamePath(name), name));
        } catch (const vb::VbError& e) {
            bad << pfProblem(name, e.description());
        }
    }
    if (damaged) {
        *damaged << bad;
    } else if (!bad.isEmpty()) {
        vb::raise(6, bad.join(QStringLiteral("\r\n")));
    }
}

bool gfReadScoreDataChecked(QString* problem)
{
    std::vector<StoredScore>().swap(gScoreData);
    const QString name = vb::Trim(gGame.GameFileName);
    if (name.isEmpty()) return true;
    const QString path = pfGamePath(name);
    if (!QFileInfo::exists(path)) return true;
    if (gfReadIniExFile(path) != 0) {
        if (problem) *problem = name;
        return false;
    }
    bool ok = true;
    try {
        psReadEntriesFromParsedFile();
    } catch (const vb::VbError& e) {
        ok = false;
        if (problem) *problem = pfProblem(name, e.description());
    }
    gsClearIniEx();
    return ok;
}

void gsReadScoreData()
{
    QString problem;
    if (!gfReadScoreDataChecked(&problem)) {
        // The entries read so far stay; the user is told the game is not
        // complete before anything is saved over it.
        platform::MsgBox(QStringLiteral("スコア・データの読み込みに失敗しました。") + QStringLiteral("\r\n") + problem,
                         platform::vbOKOnly, QStringLiteral("System error"));
    }
}

Integer gfIsGameInfoChanged(const GameInfo& a, const GameInfo& b)
{
    const bool same = vb::Trim(a.Date) == vb::Trim(b.Date)
        && vb::Trim(a.Tittle) == vb::Trim(b.Tittle)
        && a.MaxScoreNo == b.MaxScoreNo && a.SeriesID == b.SeriesID && a.CourceID == b.CourceID
        && a.Hole == b.Hole && a.Round == b.Round && a.TeamHowtoRank == b.TeamHowtoRank
        && a.CategoryGender == b.CategoryGender && a.CategoryAgeLow == b.CategoryAgeLow
        && a.CategoryAgeHigh == b.CategoryAgeHigh && a.JudgeDaSu == b.JudgeDaSu
        && a.JudgeBirthday == b.JudgeBirthday && a.HandiCapKind == b.HandiCapKind
        && a.PointGame == b.PointGame
        && vb::Trim(a.GameFileName) == vb::Trim(b.GameFileName);
    return same ? 0 : 1;
}

#include "core/gamefile.h"

#include "core/ini.h"
#include "core/ranking.h"
#include "platform/eradate.h"
#include "platform/folders.h"
#include "platform/profile.h"
#include "platform/textfile.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdint>

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

// The keys of a stored entry.
const QString kEntryKeys[] = {QStringLiteral("IDNo"),     QStringLiteral("Holes"),
                              QStringLiteral("TeamID"),   QStringLiteral("Handicap"),
                              QStringLiteral("RoundGNo"), QStringLiteral("SeedNo")};

// A section or key of the parsed file that the entries cannot be read
// without: "[Score2] を読み取れません。", "[Score1] IDNo を読み取れません。".
[[noreturn]] void raiseUnreadable(const QString& section, const QString& key = QString())
{
    QString what = QStringLiteral("[") + section + QStringLiteral("]");
    if (!key.isEmpty()) what += QStringLiteral(" ") + key;
    vb::raise(321, what + QStringLiteral(" を読み取れません。"));
}

// The entry's section as the whole-file reader finds it (names exact). A
// missing section, a missing IDNo, or an entry key written so that only
// the profile rules find it (" IDNo", "holes") means the entry cannot be
// read as stored: reading on would make a player without number or
// strokes, and a save would write him so.
void psCheckParsedEntry(const QString& section)
{
    const Long found = gfFindIniExSection(section);
    if (found < 0) raiseUnreadable(section);
    const IniExSection& s = gIniExSections[static_cast<size_t>(found)];
    bool hasIdNo = false;
    for (Long k = s.FirstKey; k < s.FirstKey + s.KeyCount && k <= glngIniExKeysUBound(); ++k) {
        const QString& stored = gIniExKeys[static_cast<size_t>(k)].Key;
        if (stored == kEntryKeys[0]) {
            hasIdNo = true;
            continue;
        }
        for (const QString& key : kEntryKeys)
            if (stored != key && platform::profileSameName(stored, key))
                raiseUnreadable(section, key);
    }
    if (!hasIdNo) raiseUnreadable(section, kEntryKeys[0]);
}

// Reads the whole-file-parsed entries of a game file into gScoreData.
// `announced` is the entry count of the header as the game list reads it.
// Throws on a value that does not fit its field, and when the entries are
// not found as announced (see psCheckParsedEntry).
void psReadEntriesFromParsedFile(Long announced)
{
    const Long n = vb::CLngText(gfGetIniExValue(kManagement, QStringLiteral("MaxScoreNo")));
    if (n > kMaxStoredEntries) vb::raiseOverflow();
    if (n != announced) raiseUnreadable(kManagement, QStringLiteral("MaxScoreNo"));
    for (Long s = 1; s <= n; ++s) {
        const QString section = QStringLiteral("Score") + QString::number(s);
        psCheckParsedEntry(section);
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

// The header of one game file. The file is loaded once and its keys are
// read from memory with the profile reader's rules (as gfReadIniFile reads
// them one by one), so the list does not open and scan each file per key.
GameInfo pfReadGameInfo(const QString& path, const QString& name)
{
    const platform::ProfileFile file(path);
    auto value = [&](QStringView section, QStringView key) { return pfCutAtNull(file.value(section, key)); };
    auto text = [&](QStringView key) { return value(kManagement, key); };
    auto lng = [&](QStringView key) { return vb::CLngText(text(key)); };
    auto intg = [&](QStringView key) { return vb::CIntText(text(key)); };
    // The four keys added by later versions: blank after trimming = default.
    auto intOr = [&](QStringView key, Integer missing) {
        const QString v = text(key);
        return vb::Trim(v).isEmpty() ? missing : vb::CIntText(v);
    };
    auto grouping = [&](QStringView key) { return vb::CIntText(value(u"RoundGrouping", key)); };

    GameInfo g;
    g.Date = vb::Trim(text(u"Date"));
    g.Tittle = vb::Trim(text(u"Tittle"));
    g.MaxScoreNo = lng(u"MaxScoreNo");
    g.SeriesID = lng(u"SeriesID");
    g.CourceID = lng(u"CourceID");
    g.Hole = intg(u"Hole");
    g.Round = intg(u"Round");
    g.TeamHowtoRank = intg(u"TeamHowtoRank");
    g.CategoryGender = intg(u"CategoryGender");
    g.CategoryAgeLow = intg(u"CategoryAgeLow");
    g.CategoryAgeHigh = intg(u"CategoryAgeHigh");
    g.JudgeDaSu = intOr(u"JudgeDaSu", 5);
    g.JudgeBirthday = intOr(u"JudgeBirthday", 1);
    g.HandiCapKind = intOr(u"HandiCapKind", 0);
    g.PointGame = intOr(u"PointGame", 1);
    g.RealEntries = vb::CLngText(value(u"Ranking", u"RealEntries"));
    g.RGUmu = grouping(u"RGUmu");
    g.RGWhichBy = grouping(u"RGWhichBy");
    g.RGCT = grouping(u"RGCT");
    for (size_t p = 0; p < 5; ++p)
        g.RGPriority[p] = grouping(QString(QStringLiteral("RGPriority") + QString::number(p)));
    g.GameFileName = name;
    return g;
}

// The number of a game file name as gfGameFileName writes it ("game",
// five digits or more without a leading zero beyond the five, ".tcg"),
// 0 for any other name.
qlonglong pfGameNumberOf(QStringView name)
{
    const QStringView head = u"game", tail = u".tcg";
    if (!name.startsWith(head) || !name.endsWith(tail)) return 0;
    const QStringView digits = name.mid(head.size(), name.size() - head.size() - tail.size());
    if (digits.size() < 5 || digits.size() > 10) return 0;
    if (digits.size() > 5 && digits[0] == u'0') return 0;   // "game000001.tcg" is no game file
    qlonglong n = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9') return 0;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

// The game files of numbers 1..maxGameNo present in the games folder, in
// number order. One directory listing instead of a look-up per number, so a
// damaged, huge MaxGameNo cannot stall the program.
std::vector<std::pair<Long, QString>> pfListGameFiles(Long maxGameNo)
{
    std::vector<std::pair<Long, QString>> files;
    if (maxGameNo < 1) return files;
    for (const QString& name : platform::folderFileNames(gstrGamesFolder)) {
        const qlonglong n = pfGameNumberOf(name);
        if (n < 1 || n > maxGameNo) continue;
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
    const auto files = pfListGameFiles(maxGameNo);
    gGameList.reserve(files.size());
    for (const auto& [no, name] : files) {
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
        // The entry count as the game list reads it from the header.
        const platform::ProfileFile header(path);
        psReadEntriesFromParsedFile(vb::CLngText(pfCutAtNull(header.value(kManagement, u"MaxScoreNo"))));
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
        gsMsgScoreDataNotRead(problem);
    }
}

void gsMsgScoreDataNotRead(const QString& problem, QObject* owner)
{
    platform::MsgBox(QStringLiteral("スコア・データの読み込みに失敗しました。") + QStringLiteral("\r\n") + problem,
                     platform::vbOKOnly, QStringLiteral("System error"), owner);
}

bool gfReadGameLines(QString* problem)
{
    QString found;
    bool ok = gfReadScoreDataChecked(&found);
    try {
        // A header without holes or rounds has no place for the stored
        // strokes; one beyond a score row cannot show them.
        if ((gGame.Hole < 1 || gGame.Round < 1) && !gScoreData.empty())
            vb::raiseSubscriptOutOfRange();
        gsScoreDataToLines();
    } catch (const vb::VbError& e) {
        if (ok)
            found = pfProblem(vb::Trim(gGame.GameFileName), e.description());
        ok = false;
    }
    if (!ok)
        gScoreLines.clear();
    if (problem)
        *problem = ok ? QString() : found;
    return ok;
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

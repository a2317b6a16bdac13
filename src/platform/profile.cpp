#include "platform/profile.h"

#include "platform/textfile.h"

#include <QFile>
#include <QStringView>

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {

namespace {

constexpr qsizetype kMaxValueLength = 255;

inline bool isBlank(QChar c)
{
    return c.unicode() == u' ' || c.unicode() == u'\t';
}

QStringView trimBlanks(QStringView v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && isBlank(v[b]))
        ++b;
    while (e > b && isBlank(v[e - 1]))
        --e;
    return v.mid(b, e - b);
}

inline char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

// Names match regardless of ASCII letter case; other characters exactly.
bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiLower(a[i].unicode()) != asciiLower(b[i].unicode()))
            return false;
    return true;
}

// A section line: "[" after leading blanks, the name up to the first "]",
// trimmed of blanks. A "[" never closed makes no section line.
bool parseSection(QStringView line, QStringView& name)
{
    qsizetype i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i >= line.size() || line[i] != u'[')
        return false;
    const qsizetype close = line.indexOf(u']', i + 1);
    if (close < 0)
        return false;
    name = trimBlanks(line.mid(i + 1, close - i - 1));
    return true;
}

// The value as it reads back: surrounding blanks and one pair of matching
// enclosing quotes removed, cut to 255 characters.
QString cleanValue(QStringView raw)
{
    QStringView v = trimBlanks(raw);
    if (v.size() >= 2) {
        const QChar q = v.front();
        if ((q == u'"' || q == u'\'') && v.back() == q)
            v = v.mid(1, v.size() - 2);
    }
    if (v.size() > kMaxValueLength) {
        qsizetype n = kMaxValueLength;
        if (v[n - 1].isHighSurrogate())
            --n;  // never split a character
        v = v.left(n);
    }
    return v.toString();
}

// Walks the lines of the bytes: a line runs to its first CR or LF, and a
// CR LF, a lone CR or a lone LF ends it. CR and LF never occur inside a CP932
// character, so lines are split on the stored bytes. The next CR and the
// next LF are found with memchr and kept until passed, so the bytes are
// scanned once whatever the line ends.
class LineScanner {
public:
    LineScanner(const char* p, qsizetype n, qsizetype begin = 0) : m_p(p), m_n(n), m_pos(begin) {}

    // The next line (begin..end, without its line end); false past the last.
    bool next(qsizetype& begin, qsizetype& end)
    {
        if (m_pos >= m_n)
            return false;
        if (m_cr < m_pos)
            m_cr = find('\r');
        if (m_lf < m_pos)
            m_lf = find('\n');
        begin = m_pos;
        end = std::min(m_cr, m_lf);
        m_pos = end;
        if (m_pos < m_n)
            m_pos += (m_p[m_pos] == '\r' && m_pos + 1 < m_n && m_p[m_pos + 1] == '\n') ? 2 : 1;
        return true;
    }
    // Where the line after the last one returned begins.
    qsizetype position() const { return m_pos; }

private:
    qsizetype find(char c) const
    {
        const void* hit = std::memchr(m_p + m_pos, c, size_t(m_n - m_pos));
        return hit ? static_cast<const char*>(hit) - m_p : m_n;
    }

    const char* m_p;
    qsizetype m_n;
    qsizetype m_pos;
    qsizetype m_cr = -1;
    qsizetype m_lf = -1;
};

bool isAsciiBytes(const char* p, qsizetype begin, qsizetype end)
{
    for (qsizetype i = begin; i < end; ++i)
        if (static_cast<unsigned char>(p[i]) >= 0x80)
            return false;
    return true;
}

QString decodeBytes(const char* p, qsizetype begin, qsizetype end)
{
    return decodeCp932(QByteArray::fromRawData(p + begin, end - begin));
}

inline bool isBlankByte(char c)
{
    return c == ' ' || c == '\t';
}

// The value stored in bytes begin..end as it reads back (see cleanValue).
// An ASCII value is trimmed and unquoted on its bytes and copied once; any
// other is decoded first.
QString storedValue(const char* p, qsizetype begin, qsizetype end)
{
    if (!isAsciiBytes(p, begin, end))
        return cleanValue(decodeBytes(p, begin, end));
    while (begin < end && isBlankByte(p[begin]))
        ++begin;
    while (end > begin && isBlankByte(p[end - 1]))
        --end;
    if (end - begin >= 2 && (p[begin] == '"' || p[begin] == '\'') && p[end - 1] == p[begin]) {
        ++begin;
        --end;
    }
    return QString::fromLatin1(p + begin, std::min(end - begin, kMaxValueLength));
}

using detail::ProfileName;

// The name stored in bytes begin..end, without surrounding blanks. Blanks
// and ASCII never occur inside a CP932 character, so an ASCII name is
// trimmed and compared on its bytes; any other is decoded first.
ProfileName storedName(const char* p, qsizetype begin, qsizetype end)
{
    ProfileName name;
    if (isAsciiBytes(p, begin, end)) {
        while (begin < end && isBlankByte(p[begin]))
            ++begin;
        while (end > begin && isBlankByte(p[end - 1]))
            --end;
        name.begin = begin;
        name.end = end;
    } else {
        name.text = trimBlanks(decodeBytes(p, begin, end)).toString();
        name.decoded = true;
    }
    return name;
}

// The hash of a name with its ASCII letters in lower case (FNV-1a over the
// UTF-16 units): names that match have the same hash, whether stored as
// bytes or decoded.
class FoldedHash {
public:
    void add(char16_t c)
    {
        m_h ^= asciiLower(c);
        m_h *= 16777619u;
    }
    quint32 value() const { return m_h; }

private:
    quint32 m_h = 2166136261u;
};

quint32 foldedHash(QStringView name)
{
    FoldedHash h;
    for (const QChar c : name)
        h.add(c.unicode());
    return h.value();
}

quint32 foldedHash(const char* p, const ProfileName& stored)
{
    if (stored.decoded)
        return foldedHash(stored.text);
    FoldedHash h;
    for (qsizetype i = stored.begin; i < stored.end; ++i)
        h.add(char16_t(static_cast<unsigned char>(p[i])));
    return h.value();
}

bool sameName(const char* p, const ProfileName& stored, QStringView wanted)
{
    if (stored.decoded)
        return sameName(stored.text, wanted);
    if (stored.end - stored.begin != wanted.size())
        return false;
    for (qsizetype i = 0; i < wanted.size(); ++i)
        if (asciiLower(char16_t(p[stored.begin + i])) != asciiLower(wanted[i].unicode()))
            return false;
    return true;
}

// Whether two names as stored are read as the same name.
bool sameName(const char* p, const ProfileName& a, const ProfileName& b)
{
    if (b.decoded)
        return sameName(p, a, b.text);
    if (a.decoded)
        return sameName(p, b, a.text);
    if (a.end - a.begin != b.end - b.begin)
        return false;
    for (qsizetype i = 0; i < a.end - a.begin; ++i)
        if (asciiLower(char16_t(p[a.begin + i])) != asciiLower(char16_t(p[b.begin + i])))
            return false;
    return true;
}

// Only a line starting with "[" or a blank can be a section line: a quick
// test on the first byte.
inline bool maySection(const char* p, qsizetype begin, qsizetype end)
{
    return begin < end && (p[begin] == '[' || isBlankByte(p[begin]));
}

// Whether the line begin..end is a section line, and its name. "]" can be
// the second byte of a CP932 character (表, ゾ), so a line that is not ASCII
// is decoded before its "]" is looked for.
bool sectionLine(const char* p, qsizetype begin, qsizetype end, ProfileName& name)
{
    if (!maySection(p, begin, end))
        return false;
    if (!isAsciiBytes(p, begin, end)) {
        const QString decoded = decodeBytes(p, begin, end);
        QStringView text;
        if (!parseSection(decoded, text))
            return false;
        name = ProfileName{0, 0, text.toString(), true};
        return true;
    }
    qsizetype i = begin;
    while (i < end && isBlankByte(p[i]))
        ++i;
    if (i >= end || p[i] != '[')
        return false;
    qsizetype close = i + 1;
    while (close < end && p[close] != ']')
        ++close;
    if (close >= end)
        return false;
    name = storedName(p, i + 1, close);
    return true;
}

// The first "=" of the line begin..end, -1 when it has none.
qsizetype equalsSign(const char* p, qsizetype begin, qsizetype end)
{
    const void* hit = std::memchr(p + begin, '=', size_t(end - begin));
    return hit ? static_cast<const char*>(hit) - p : -1;
}

// One line of a file as stored: its bytes and its own line end ("" for a
// last line without one), so untouched lines are written back byte for byte.
struct RawLine {
    QByteArray text;
    QByteArray eol;
};

std::vector<RawLine> splitRawLines(const QByteArray& bytes)
{
    std::vector<RawLine> lines;
    LineScanner scan(bytes.constData(), bytes.size());
    qsizetype begin = 0, end = 0;
    while (scan.next(begin, end))
        lines.push_back(RawLine{bytes.mid(begin, end - begin), bytes.mid(end, scan.position() - end)});
    return lines;
}

QByteArray joinRawLines(const std::vector<RawLine>& lines)
{
    qsizetype total = 0;
    for (const RawLine& l : lines)
        total += l.text.size() + l.eol.size();
    QByteArray out;
    out.reserve(total);
    for (const RawLine& l : lines) {
        out.append(l.text);
        out.append(l.eol);
    }
    return out;
}

// Whether a stored line opens a section named `section`.
bool opensSection(const QByteArray& raw, QStringView section, bool& isSection)
{
    ProfileName name;
    isSection = sectionLine(raw.constData(), 0, raw.size(), name);
    return isSection && sameName(raw.constData(), name, section);
}

// Reads the file as raw lines. False when the file exists but cannot be
// read; a missing file gives no lines and exists = false.
bool loadRawLines(const QString& file, std::vector<RawLine>& lines, bool& exists)
{
    lines.clear();
    exists = QFile::exists(file);
    if (!exists)
        return true;
    QByteArray bytes;
    if (!readFileBytes(file, bytes))
        return false;
    lines = splitRawLines(bytes);
    return true;
}

// A value is written on one line: CR and LF become blanks, and the value
// ends at a NUL as a C string would.
QString oneLine(const QString& value)
{
    QString v = value;
    const qsizetype nul = v.indexOf(QChar(u'\0'));
    if (nul >= 0)
        v.truncate(nul);
    for (QChar& c : v)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return v;
}

}  // namespace

namespace {
std::function<void(const QString&)> gLoadObserver;
}  // namespace

void setProfileLoadObserver(std::function<void(const QString&)> observer)
{
    gLoadObserver = std::move(observer);
}

ProfileFile::ProfileFile(const QString& file)
{
    if (gLoadObserver)
        gLoadObserver(file);
    if (!readFileBytes(file, m_bytes))
        return;
    // A section line starts with "[" after blanks at most, so only the "["
    // bytes are looked at: one at the start of a line (after blanks) is
    // tried as a section line, any other is passed. "[" can be the second
    // byte of a CP932 character, but then its first byte stands before it
    // and it is not at the start of a line.
    const char* p = m_bytes.constData();
    const qsizetype n = m_bytes.size();
    qsizetype from = 0;
    while (from < n) {
        const void* hit = std::memchr(p + from, '[', size_t(n - from));
        if (!hit)
            break;
        const qsizetype bracket = static_cast<const char*>(hit) - p;
        qsizetype begin = bracket;
        while (begin > 0 && isBlankByte(p[begin - 1]))
            --begin;
        if (begin > 0 && p[begin - 1] != '\r' && p[begin - 1] != '\n') {
            from = bracket + 1;
            continue;
        }
        // The line and where the next one begins, as LineScanner splits them.
        qsizetype end = bracket;
        while (end < n && p[end] != '\r' && p[end] != '\n')
            ++end;
        from = end;
        if (from < n)
            from += (p[from] == '\r' && from + 1 < n && p[from + 1] == '\n') ? 2 : 1;
        detail::ProfileName name;
        if (!sectionLine(p, begin, end, name))
            continue;
        if (!m_sections.empty())
            m_sections.back().bodyEnd = begin;
        m_sections.push_back(Section{std::move(name), from, from, {}, {}, false, false});
    }
    if (!m_sections.empty())
        m_sections.back().bodyEnd = n;
}

QString ProfileFile::value(QStringView section, QStringView key) const
{
    const char* p = m_bytes.constData();
    // Only the first section of the name counts. Reads tend to come section
    // by section, so the section found last is tried first: it is the first
    // of its name, and a name it matches is the same name.
    auto named = [&](const Section& s) { return sameName(p, s.name, section); };
    if (m_last >= m_sections.size() || !named(m_sections[m_last])) {
        const auto found = std::find_if(m_sections.begin(), m_sections.end(), named);
        if (found == m_sections.end())
            return QString();
        m_last = size_t(found - m_sections.begin());
    }
    const Section& s = m_sections[m_last];
    if (!s.readOnce) {
        s.readOnce = true;
        return scanValue(s, key);
    }
    if (!s.indexed)
        index(s);
    // The first key of the name counts (the index holds only the first).
    const quint32 hash = foldedHash(key);
    const size_t mask = s.table.size() - 1;
    for (size_t slot = hash & mask; s.table[slot] != 0; slot = (slot + 1) & mask) {
        const Key& k = s.keys[s.table[slot] - 1];
        if (k.hash == hash && sameName(p, k.name, key))
            return storedValue(p, k.valueBegin, k.valueEnd);
    }
    return QString();
}

// The key lines of a section are the lines with an "=" (none of them is a
// section line); the first of the name counts.
QString ProfileFile::scanValue(const Section& s, QStringView key) const
{
    const char* p = m_bytes.constData();
    LineScanner scan(p, s.bodyEnd, s.bodyBegin);
    qsizetype begin = 0, end = 0;
    while (scan.next(begin, end)) {
        const qsizetype eq = equalsSign(p, begin, end);
        if (eq >= 0 && sameName(p, storedName(p, begin, eq), key))
            return storedValue(p, eq + 1, end);
    }
    return QString();
}

void ProfileFile::index(const Section& s) const
{
    const char* p = m_bytes.constData();
    LineScanner scan(p, s.bodyEnd, s.bodyBegin);
    qsizetype begin = 0, end = 0;
    while (scan.next(begin, end)) {
        const qsizetype eq = equalsSign(p, begin, end);
        if (eq < 0)
            continue;
        Key k{storedName(p, begin, eq), eq + 1, end, 0};
        k.hash = foldedHash(p, k.name);
        s.keys.push_back(std::move(k));
    }
    // At most half full, so a probe ends soon at a free slot.
    size_t size = 8;
    while (size < 2 * s.keys.size())
        size *= 2;
    s.table.assign(size, 0);
    const size_t mask = size - 1;
    for (size_t i = 0; i < s.keys.size(); ++i) {
        const Key& k = s.keys[i];
        size_t slot = k.hash & mask;
        bool taken = false;
        for (; s.table[slot] != 0; slot = (slot + 1) & mask) {
            const Key& other = s.keys[s.table[slot] - 1];
            if (other.hash == k.hash && sameName(p, other.name, k.name)) {
                taken = true;  // a later key of a name already indexed
                break;
            }
        }
        if (!taken)
            s.table[slot] = quint32(i + 1);
    }
    s.indexed = true;
}

QString profileRead(const QString& file, const QString& section, const QString& key)
{
    return ProfileFile(file).value(section, key);
}

bool profileSameName(QStringView stored, QStringView wanted)
{
    return sameName(trimBlanks(stored), wanted);
}

namespace {

// Writes one key into the lines of a file, as profileWrite does on disk:
// the value replaces the first key of the name in the first section of the
// name, on its own line; a missing key goes after the section's last
// non-blank line, a missing section to the end of the file.
void putKey(std::vector<RawLine>& lines, const QString& section, const QString& key, const QString& value)
{
    const QString cleanKey = oneLine(key);
    const QString cleanSection = oneLine(section);
    const QString v = oneLine(value);

    // The first section of the name: its header line and the line after its
    // last line.
    qsizetype header = -1, sectionEnd = -1;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        bool isSection = false;
        const bool named = opensSection(lines[i].text, cleanSection, isSection);
        if (isSection && header >= 0) {
            sectionEnd = i;
            break;
        }
        if (named)
            header = i;
    }
    if (header >= 0 && sectionEnd < 0)
        sectionEnd = qsizetype(lines.size());

    const QByteArray crlf = QByteArrayLiteral("\r\n");
    if (header >= 0) {
        qsizetype lastEntry = header;
        for (qsizetype i = header + 1; i < sectionEnd; ++i) {
            const QByteArray& raw = lines[i].text;
            const qsizetype eq = equalsSign(raw.constData(), 0, raw.size());
            if (eq >= 0 && sameName(raw.constData(), storedName(raw.constData(), 0, eq), cleanKey)) {
                // Replace the value in place, keeping the stored name byte
                // for byte (without its surrounding blanks) and the line's
                // own line end.
                qsizetype b = 0, e = eq;
                while (b < e && (raw[b] == ' ' || raw[b] == '\t'))
                    ++b;
                while (e > b && (raw[e - 1] == ' ' || raw[e - 1] == '\t'))
                    --e;
                lines[i].text = raw.mid(b, e - b) + '=' + encodeCp932(v);
                return;
            }
            if (!raw.trimmed().isEmpty())
                lastEntry = i;
        }
        if (lines[lastEntry].eol.isEmpty())
            lines[lastEntry].eol = crlf;
        lines.insert(lines.begin() + lastEntry + 1, RawLine{encodeCp932(cleanKey + u'=' + v), crlf});
    } else {
        if (!lines.empty() && lines.back().eol.isEmpty())
            lines.back().eol = crlf;
        lines.push_back(RawLine{encodeCp932(u'[' + cleanSection + u']'), crlf});
        lines.push_back(RawLine{encodeCp932(cleanKey + u'=' + v), crlf});
    }
}

}  // namespace

bool profileWrite(const QString& file, const QString& section, const QString& key,
                  const QString& value)
{
    return profileWriteKeys(file, {{section, key, value}});
}

bool profileWriteKeys(const QString& file, const std::vector<ProfileKey>& keys)
{
    if (keys.empty())
        return true;
    std::vector<RawLine> lines;
    bool exists = false;
    if (!loadRawLines(file, lines, exists))
        return false;
    // Every key goes into the lines in memory exactly as its own write would
    // put it; the file is read once and replaced once.
    for (const ProfileKey& k : keys)
        putKey(lines, k.section, k.key, k.value);
    return writeBytesAtomic(file, joinRawLines(lines));
}

namespace {

// Drops every section of the name (its header and its lines), so no older
// copy of it can reappear when the section is written anew. True when a
// line was dropped.
bool dropSections(std::vector<RawLine>& lines, QStringView section)
{
    std::vector<RawLine> kept;
    kept.reserve(lines.size());
    bool dropping = false, changed = false;
    for (RawLine& l : lines) {
        bool isSection = false;
        const bool named = opensSection(l.text, section, isSection);
        if (isSection)
            dropping = named;
        if (dropping)
            changed = true;
        else
            kept.push_back(std::move(l));
    }
    lines = std::move(kept);
    return changed;
}

}  // namespace

bool profileDeleteSection(const QString& file, const QString& section)
{
    std::vector<RawLine> lines;
    bool exists = false;
    if (!loadRawLines(file, lines, exists))
        return false;
    if (!exists || !dropSections(lines, section))
        return true;
    return writeBytesAtomic(file, joinRawLines(lines));
}

bool profileWriteSection(const QString& file, const QString& section,
                         const std::vector<std::pair<QString, QString>>& keys)
{
    if (keys.empty())
        return profileDeleteSection(file, section);
    std::vector<RawLine> lines;
    bool exists = false;
    if (!loadRawLines(file, lines, exists))
        return false;
    dropSections(lines, section);

    // The key lines as one write per key would leave them: a key written
    // again (its stored name compared without surrounding blanks) keeps its
    // first place and takes the new value.
    std::vector<std::pair<QString, QString>> written;
    for (const auto& [key, value] : keys) {
        const QString k = oneLine(key);
        const auto same = std::find_if(written.begin(), written.end(),
                                       [&](const auto& w) { return sameName(trimBlanks(w.first), k); });
        if (same != written.end())
            same->second = oneLine(value);
        else
            written.emplace_back(k, oneLine(value));
    }

    const QByteArray crlf = QByteArrayLiteral("\r\n");
    if (!lines.empty() && lines.back().eol.isEmpty())
        lines.back().eol = crlf;
    lines.push_back(RawLine{encodeCp932(u'[' + oneLine(section) + u']'), crlf});
    for (const auto& [key, value] : written)
        lines.push_back(RawLine{encodeCp932(key + u'=' + value), crlf});
    return writeBytesAtomic(file, joinRawLines(lines));
}

}  // namespace platform

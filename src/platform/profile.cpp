#include "platform/profile.h"

#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringView>

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

// One line of a file as stored: its bytes and its own line end ("" for a
// last line without one), so untouched lines are written back byte for byte.
struct RawLine {
    QByteArray text;
    QByteArray eol;
};

// CR and LF never occur inside a CP932 character, so the raw bytes can be
// split at them before decoding.
std::vector<RawLine> splitRawLines(const QByteArray& bytes)
{
    std::vector<RawLine> lines;
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == '\r' || p[i] == '\n') {
            RawLine l;
            l.text = bytes.mid(start, i - start);
            if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') {
                l.eol = QByteArrayLiteral("\r\n");
                ++i;
            } else {
                l.eol = QByteArray(1, p[i]);
            }
            lines.push_back(std::move(l));
            start = i + 1;
        }
    }
    if (start < n)
        lines.push_back(RawLine{bytes.mid(start), QByteArray()});
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

// What a stored line is, found on its bytes. Line starts, blanks, "[" and
// "=" are single bytes that never occur inside a CP932 character (its second
// byte is 0x40 or above), so they can be looked for before decoding; "]" can
// be a second byte (表, ゾ), so a section line is decoded before its "]" is
// looked for. Only what is needed gets decoded.
enum class LineKind { Other, Section, Key };

struct ClassifiedLine {
    LineKind kind = LineKind::Other;
    QString sectionName;  // Section: trimmed name
    qsizetype eq = -1;    // Key: position of the first "=" in the bytes
};

ClassifiedLine classify(QByteArrayView line)
{
    ClassifiedLine c;
    qsizetype i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (i < line.size() && line[i] == '[') {
        const QString decoded = decodeCp932(line.toByteArray());
        QStringView name;
        if (parseSection(decoded, name)) {
            c.kind = LineKind::Section;
            c.sectionName = name.toString();
            return c;
        }
    }
    c.eq = line.indexOf('=');
    if (c.eq >= 0)
        c.kind = LineKind::Key;
    return c;
}

// The trimmed name of a key line.
QString keyName(QByteArrayView line, qsizetype eq)
{
    const QString name = decodeCp932(line.first(eq).toByteArray());
    return trimBlanks(name).toString();
}

// Reads the file as raw lines. False when the file exists but cannot be
// read; a missing file gives no lines and exists = false.
bool loadRawLines(const QString& file, std::vector<RawLine>& lines, bool& exists)
{
    lines.clear();
    QFile f(file);
    exists = f.exists();
    if (!exists)
        return true;
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
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

QString profileRead(const QString& file, const QString& section, const QString& key)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return QString();
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    bool inSection = false;
    bool sectionSeen = false;
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && p[end] != '\r' && p[end] != '\n')
            ++end;
        const QByteArrayView line(p + start, end - start);
        start = end + 1;
        if (end < n && p[end] == '\r' && start < n && p[start] == '\n')
            ++start;

        const bool maySection = !line.isEmpty()
            && (line.front() == '[' || line.front() == ' ' || line.front() == '\t');
        if (!inSection && !maySection)
            continue;  // a key line outside the section: nothing to decode
        const ClassifiedLine c = classify(line);
        if (c.kind == LineKind::Section) {
            if (sectionSeen)
                break;  // only the first section of the name counts
            inSection = sameName(c.sectionName, section);
            sectionSeen = inSection;
        } else if (inSection && c.kind == LineKind::Key && sameName(keyName(line, c.eq), key)) {
            return cleanValue(decodeCp932(line.sliced(c.eq + 1).toByteArray()));
        }
    }
    return QString();
}

bool profileWrite(const QString& file, const QString& section, const QString& key,
                  const QString& value)
{
    std::vector<RawLine> lines;
    bool exists = false;
    if (!loadRawLines(file, lines, exists))
        return false;
    const QString cleanKey = oneLine(key);
    const QString cleanSection = oneLine(section);
    const QString v = oneLine(value);

    // The first section of the name: its header line and the line after its
    // last line.
    qsizetype header = -1, sectionEnd = -1;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const QByteArray& raw = lines[i].text;
        if (raw.isEmpty() || (raw.front() != '[' && raw.front() != ' ' && raw.front() != '\t'))
            continue;
        const ClassifiedLine c = classify(raw);
        if (c.kind == LineKind::Section) {
            if (header >= 0) {
                sectionEnd = i;
                break;
            }
            if (sameName(c.sectionName, cleanSection))
                header = i;
        }
    }
    if (header >= 0 && sectionEnd < 0)
        sectionEnd = qsizetype(lines.size());

    const QByteArray crlf = QByteArrayLiteral("\r\n");
    if (header >= 0) {
        qsizetype lastEntry = header;
        for (qsizetype i = header + 1; i < sectionEnd; ++i) {
            const QByteArray& raw = lines[i].text;
            const ClassifiedLine c = classify(raw);
            if (c.kind == LineKind::Key && sameName(keyName(raw, c.eq), cleanKey)) {
                // Replace the value in place, keeping the stored name byte
                // for byte (without its surrounding blanks) and the line's
                // own line end.
                qsizetype b = 0, e = c.eq;
                while (b < e && (raw[b] == ' ' || raw[b] == '\t'))
                    ++b;
                while (e > b && (raw[e - 1] == ' ' || raw[e - 1] == '\t'))
                    --e;
                lines[i].text = raw.mid(b, e - b) + '=' + encodeCp932(v);
                return writeBytesAtomic(file, joinRawLines(lines));
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
    return writeBytesAtomic(file, joinRawLines(lines));
}

bool profileDeleteSection(const QString& file, const QString& section)
{
    std::vector<RawLine> lines;
    bool exists = false;
    if (!loadRawLines(file, lines, exists))
        return false;
    if (!exists)
        return true;
    // Every section of the name goes, so no older copy of it can reappear
    // when the section is written anew.
    std::vector<RawLine> kept;
    kept.reserve(lines.size());
    bool dropping = false, changed = false;
    for (RawLine& l : lines) {
        const QByteArray& raw = l.text;
        if (!raw.isEmpty() && (raw.front() == '[' || raw.front() == ' ' || raw.front() == '\t')) {
            const ClassifiedLine c = classify(raw);
            if (c.kind == LineKind::Section)
                dropping = sameName(c.sectionName, section);
        }
        if (dropping)
            changed = true;
        else
            kept.push_back(std::move(l));
    }
    if (!changed)
        return true;
    return writeBytesAtomic(file, joinRawLines(kept));
}

}  // namespace platform

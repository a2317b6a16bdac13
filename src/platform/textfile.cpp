#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <sys/stat.h>

namespace platform {

namespace {

// UTF-16 in the machine's own byte order, so QString's buffer is used as is.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char* kUtf16 = "UTF-16LE";
#else
constexpr const char* kUtf16 = "UTF-16BE";
#endif

// One converter pair per thread, opened on first use and reset per call
// (opening a converter costs more than a short conversion).
class Converters {
public:
    Converters()
        : m_toCp932(iconv_open("CP932", kUtf16)), m_fromCp932(iconv_open(kUtf16, "CP932"))
    {
    }
    ~Converters()
    {
        if (m_toCp932 != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_toCp932);
        if (m_fromCp932 != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_fromCp932);
    }
    iconv_t toCp932() const { return m_toCp932; }
    iconv_t fromCp932() const { return m_fromCp932; }

private:
    iconv_t m_toCp932;
    iconv_t m_fromCp932;
};

Converters& converters()
{
    thread_local Converters c;
    return c;
}

bool isAscii(const char* p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if (static_cast<unsigned char>(p[i]) >= 0x80)
            return false;
    return true;
}

bool isAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// The code points Linux input methods produce where the Windows table has
// another one for the same glyph.
char16_t fold(char16_t c)
{
    switch (c) {
    case 0x301C: return 0xFF5E;  // WAVE DASH -> FULLWIDTH TILDE
    case 0x2212: return 0xFF0D;  // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    case 0x2016: return 0x2225;  // DOUBLE VERTICAL LINE -> PARALLEL TO
    case 0x00A2: return 0xFFE0;  // CENT SIGN
    case 0x00A3: return 0xFFE1;  // POUND SIGN
    case 0x00AC: return 0xFFE2;  // NOT SIGN
    case 0x2014: return 0x2015;  // EM DASH -> HORIZONTAL BAR
    default: return c;
    }
}

}  // namespace

QByteArray encodeCp932(const QString& text)
{
    if (isAscii(text))
        return text.toLatin1();

    QString folded(text);
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const char16_t c = folded[i].unicode();
        const char16_t f = fold(c);
        if (f != c)
            folded[i] = QChar(f);
    }

    iconv_t cd = converters().toCp932();
    QByteArray out;
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // No converter: keep ASCII, everything else is unmappable.
        for (QChar c : folded)
            out.append(c.unicode() < 0x80 ? char(c.unicode()) : '?');
        return out;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    out.resize(folded.size() * 2 + 4);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(folded.constData()));
    size_t inLeft = size_t(folded.size()) * 2;
    char* dst = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        const size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
        if (r != size_t(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = size_t(out.size() - used);
            continue;
        }
        // EILSEQ or EINVAL: the character has no CP932 form (or is a lone
        // surrogate). Write "?" and skip it (a surrogate pair as one).
        if (outLeft < 1) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = size_t(out.size() - used);
        }
        *dst++ = '?';
        --outLeft;
        const char16_t* u = reinterpret_cast<const char16_t*>(in);
        size_t skip = 2;
        if (QChar::isHighSurrogate(u[0]) && inLeft >= 4 && QChar::isLowSurrogate(u[1]))
            skip = 4;
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(dst - out.data());
    return out;
}

QString decodeCp932(const QByteArray& bytes)
{
    if (isAscii(bytes.constData(), bytes.size()))
        return QString::fromLatin1(bytes);

    iconv_t cd = converters().fromCp932();
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        QString s;
        for (char b : bytes)
            s.append(static_cast<unsigned char>(b) < 0x80 ? QChar(b) : QChar(0xFFFD));
        return s;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    // Every CP932 byte gives at most one UTF-16 unit.
    QString out(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* dst = reinterpret_cast<char*>(out.data());
    size_t outLeft = size_t(out.size()) * 2;
    while (inLeft > 0) {
        const size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
        if (r != size_t(-1))
            break;
        if (errno == E2BIG)
            break;  // cannot happen: one unit per byte at most
        // An invalid byte or a lead byte cut off at the end: U+FFFD, skip it.
        if (outLeft < 2)
            break;
        const char16_t repl = 0xFFFD;
        std::memcpy(dst, &repl, 2);
        dst += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.truncate((dst - reinterpret_cast<char*>(out.data())) / 2);
    return out;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && p[i + 1].unicode() == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

bool readFileBytes(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray read = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return false;
    bytes = std::move(read);
    return true;
}

bool readTextFile(const QString& path, QString& text)
{
    text.clear();
    QByteArray bytes;
    if (!readFileBytes(path, bytes))
        return false;
    text = decodeCp932(bytes);
    return true;
}

bool readTextLines(const QString& path, QStringList& lines)
{
    lines.clear();
    QString text;
    if (!readTextFile(path, text))
        return false;
    lines = splitLines(text);
    return true;
}

bool writeBytesAtomic(const QString& path, const QByteArray& bytes)
{
    // An existing file that may not be written stays as it is, even for a
    // user who could replace it through its folder.
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return false;
    QSaveFile f(path);
    f.setDirectWriteFallback(false);
    // Unbuffered: the data goes to the device inside write(), so a short
    // write (full disk, size limit) shows here. Through the buffer it would
    // only happen at commit(), which renames a cut-off file all the same.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(bytes) != bytes.size() || f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        return false;
    }
    // commit() flushes, syncs and renames over the old file; on any failure
    // the temporary file is removed and the old file stays untouched.
    return f.commit();
}

bool isAtomicWriteLeftover(const QString& fileName, QString* target)
{
    // QSaveFile names its temporary file after the target with the template
    // ".XXXXXX", each X replaced by a letter A-Z or a-z.
    constexpr qsizetype kSuffix = 7;
    if (fileName.size() <= kSuffix || fileName[fileName.size() - kSuffix] != u'.')
        return false;
    for (qsizetype i = fileName.size() - kSuffix + 1; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')))
            return false;
    }
    if (target)
        *target = fileName.left(fileName.size() - kSuffix);
    return true;
}

bool writeTextLinesAtomic(const QString& path, const QStringList& lines)
{
    // CR and LF are single bytes in CP932: encode the joined text once.
    QString text;
    qsizetype total = 0;
    for (const QString& l : lines)
        total += l.size() + 2;
    text.reserve(total);
    for (const QString& l : lines) {
        text.append(l);
        text.append(QLatin1String("\r\n"));
    }
    return writeBytesAtomic(path, encodeCp932(text));
}

FileStamp fileStamp(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return FileStamp{};
    return FileStamp{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
                     qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

}  // namespace platform

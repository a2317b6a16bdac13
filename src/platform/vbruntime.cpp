#include "platform/vbruntime.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vb {

VbError::VbError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

void raise(int number, const QString& description)
{
    throw VbError(number, description);
}

void raiseOverflow() { raise(6, QStringLiteral("オーバーフローしました。")); }
void raiseTypeMismatch() { raise(13, QStringLiteral("型が一致しません。")); }
void raiseSubscriptOutOfRange() { raise(9, QStringLiteral("インデックスが有効範囲にありません。")); }
void raiseDivisionByZero() { raise(11, QStringLiteral("0 で除算しました。")); }
void raiseInvalidArgument() { raise(5, QStringLiteral("プロシージャの呼び出し、または引数が不正です。")); }
void raiseFileNotFound() { raise(53, QStringLiteral("ファイルが見つかりません。")); }
void raisePermissionDenied() { raise(70, QStringLiteral("書き込みできません。")); }
void raisePathNotFound() { raise(76, QStringLiteral("パスが見つかりません。")); }
void raiseIoError() { raise(57, QStringLiteral("デバイス I/O エラーです。")); }

// ------------------------------------------------------------------ Trim

namespace {

inline bool isTrimBlank(QChar c)
{
    return c.unicode() == 0x0020 || c.unicode() == 0x3000;
}

}  // namespace

QString Trim(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isTrimBlank(s[b]))
        ++b;
    while (e > b && isTrimBlank(s[e - 1]))
        --e;
    if (b == 0 && e == s.size())
        return s;
    return s.mid(b, e - b);
}

QString LTrim(const QString& s)
{
    qsizetype b = 0;
    while (b < s.size() && isTrimBlank(s[b]))
        ++b;
    return b == 0 ? s : s.mid(b);
}

QString RTrim(const QString& s)
{
    qsizetype e = s.size();
    while (e > 0 && isTrimBlank(s[e - 1]))
        --e;
    return e == s.size() ? s : s.left(e);
}

// ------------------------------------------------------------------- Val

double Val(const QString& s)
{
    // Collect the number's characters (blanks dropped) as ASCII and let
    // strtod convert them, which rounds correctly.
    QByteArray num;
    num.reserve(24);
    bool seenSign = false, seenDigit = false, seenPoint = false;
    for (QChar qc : s) {
        const char16_t c = qc.unicode();
        if (c == u' ' || c == u'\t' || c == 0x3000)
            continue;
        if ((c == u'+' || c == u'-') && !seenSign && !seenDigit && !seenPoint) {
            seenSign = true;
            if (c == u'-')
                num.append('-');
            continue;
        }
        if (c >= u'0' && c <= u'9') {
            seenDigit = true;
            num.append(char(c));
            continue;
        }
        if (c == u'.' && !seenPoint) {
            seenPoint = true;
            num.append('.');
            continue;
        }
        break;
    }
    if (!seenDigit)
        return 0.0;
    const double v = std::strtod(num.constData(), nullptr);
    return v == 0.0 ? 0.0 : v;  // never -0
}

// -------------------------------------------------------------- CInt/CLng

namespace {

double roundHalfEven(double v)
{
    if (std::isnan(v) || std::isinf(v))
        raiseOverflow();
    double r = std::floor(v);
    const double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    return r == 0.0 ? 0.0 : r;
}

}  // namespace

std::int16_t CInt(double v)
{
    const double r = roundHalfEven(v);
    if (r < -32768.0 || r > 32767.0)
        raiseOverflow();
    return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double v)
{
    const double r = roundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0)
        raiseOverflow();
    return static_cast<std::int32_t>(r);
}

std::int16_t CIntText(const QString& s) { return CInt(Val(s)); }
std::int32_t CLngText(const QString& s) { return CLng(Val(s)); }

// ---------------------------------------------------------------- Format

namespace {

// A parsed number pattern: literal text before and after the placeholders,
// the minimum count of integer digits ("0"), grouping (","), the fixed ("0")
// and optional ("#") decimals, and "%" (value times 100).
struct NumberPattern {
    QString prefix;
    QString suffix;
    int minInt = 0;
    bool grouping = false;
    int fixedDec = 0;
    int optDec = 0;
    bool hasPoint = false;
    bool percent = false;
    int decimals() const { return fixedDec + optDec; }
};

NumberPattern parseNumberPattern(const QString& pattern)
{
    NumberPattern p;
    // Only the first section of a pattern with ";" sections is used.
    QString pat = pattern;
    const qsizetype semi = pat.indexOf(u';');
    if (semi >= 0)
        pat = pat.left(semi);
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < pat.size(); ++i) {
        const QChar c = pat[i];
        if (c == u'0' || c == u'#' || c == u'.' || c == u',') {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0) {
        p.prefix = pat;
        p.minInt = 1;
        p.percent = pat.contains(u'%');
        return p;
    }
    p.prefix = pat.left(first);
    p.suffix = pat.mid(last + 1);
    p.percent = p.prefix.contains(u'%') || p.suffix.contains(u'%');
    bool inFraction = false;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = pat[i];
        if (c == u'.') {
            if (!inFraction) {
                inFraction = true;
                p.hasPoint = true;
            }
        } else if (c == u',') {
            if (!inFraction)
                p.grouping = true;
        } else if (c == u'0') {
            if (inFraction) {
                // A "0" after a "#" still counts as a fixed decimal place.
                p.fixedDec += 1 + p.optDec;
                p.optDec = 0;
            } else {
                ++p.minInt;
            }
        } else if (c == u'#') {
            if (inFraction)
                ++p.optDec;
        }
    }
    return p;
}

// Lays out a number already rounded to p.decimals() places: intDigits has no
// leading zeros (may be empty), fracDigits has exactly p.decimals() digits.
QString layoutNumber(bool negative, QString intDigits, QString fracDigits, const NumberPattern& p)
{
    // Drop optional trailing decimals that are zero.
    qsizetype keep = fracDigits.size();
    while (keep > p.fixedDec && fracDigits[keep - 1] == u'0')
        --keep;
    fracDigits.truncate(keep);

    while (intDigits.size() < p.minInt)
        intDigits.prepend(u'0');
    if (p.grouping && intDigits.size() > 3) {
        QString g;
        const qsizetype n = intDigits.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                g.append(u',');
            g.append(intDigits[i]);
        }
        intDigits = g;
    }
    const bool isZero = !std::any_of(intDigits.begin(), intDigits.end(),
                                     [](QChar c) { return c >= u'1' && c <= u'9'; })
                        && !std::any_of(fracDigits.begin(), fracDigits.end(),
                                        [](QChar c) { return c >= u'1' && c <= u'9'; });
    QString out;
    if (negative && !isZero)
        out.append(u'-');
    out.append(p.prefix);
    out.append(intDigits);
    if (p.hasPoint)
        out.append(u'.');  // "#.##" on a whole number keeps its point, as the runtime does
    out.append(fracDigits);
    out.append(p.suffix);
    return out;
}

// Increments a string of decimal digits by one unit in the last place.
void incrementDigits(QString& digits)
{
    qsizetype i = digits.size() - 1;
    while (i >= 0) {
        if (digits[i] == u'9') {
            digits[i] = u'0';
            --i;
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
    }
    digits.prepend(u'1');
}

}  // namespace

QString Format(double v, const QString& pattern)
{
    if (std::isnan(v) || std::isinf(v))
        raiseOverflow();
    if (pattern.isEmpty())
        return QString::number(v == 0.0 ? 0.0 : v, 'g', 15);
    const NumberPattern p = parseNumberPattern(pattern);
    if (p.percent)
        v *= 100.0;
    const bool negative = v < 0;
    // The decimal value of v with 15 significant digits.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    // buf: d.dddddddddddddde[+-]xx
    QString mant;
    const char* q = buf;
    for (; *q && *q != 'e'; ++q)
        if (*q >= '0' && *q <= '9')
            mant.append(QChar(*q));
    const int exp10 = *q == 'e' ? std::atoi(q + 1) : 0;
    // Value = 0.mant * 10^(exp10 + 1). Build integer and fraction digits.
    const int pointPos = exp10 + 1;  // digits before the decimal point
    QString intDigits, fracDigits;
    if (pointPos <= 0) {
        fracDigits = QString(-pointPos, u'0') + mant;
    } else if (pointPos >= mant.size()) {
        intDigits = mant + QString(pointPos - mant.size(), u'0');
    } else {
        intDigits = mant.left(pointPos);
        fracDigits = mant.mid(pointPos);
    }
    // Round half away from zero at the pattern's decimals.
    const int dec = p.decimals();
    bool roundUp = false;
    if (fracDigits.size() > dec) {
        roundUp = fracDigits[dec] >= u'5';
        fracDigits.truncate(dec);
    }
    while (fracDigits.size() < dec)
        fracDigits.append(u'0');
    if (roundUp) {
        QString all = intDigits + fracDigits;
        incrementDigits(all);
        intDigits = all.left(all.size() - dec);
        fracDigits = all.right(dec);
    }
    qsizetype lead = 0;
    while (lead < intDigits.size() && intDigits[lead] == u'0')
        ++lead;
    intDigits.remove(0, lead);
    return layoutNumber(negative, intDigits, fracDigits, p);
}

QString FormatRatio(std::int64_t num, std::int64_t den, const QString& pattern)
{
    if (den == 0)
        raiseDivisionByZero();
    const NumberPattern p = parseNumberPattern(pattern);
    const int dec = p.decimals();
    __int128 n = num, d = den;
    if (p.percent)
        n *= 100;
    const bool negative = (n < 0) != (d < 0) && n != 0;
    if (n < 0)
        n = -n;
    if (d < 0)
        d = -d;
    __int128 scale = 1;
    for (int i = 0; i < dec; ++i)
        scale *= 10;
    const __int128 scaled = n * scale;
    __int128 qv = scaled / d;
    const __int128 rem = scaled % d;
    if (rem * 2 >= d)
        ++qv;  // half away from zero
    // Digits of qv.
    QString all;
    if (qv == 0) {
        all = QStringLiteral("0");
    } else {
        while (qv > 0) {
            all.prepend(QChar(u'0' + int(qv % 10)));
            qv /= 10;
        }
    }
    while (all.size() < dec + 1)
        all.prepend(u'0');
    QString intDigits = all.left(all.size() - dec);
    const QString fracDigits = all.right(dec);
    qsizetype lead = 0;
    while (lead < intDigits.size() && intDigits[lead] == u'0')
        ++lead;
    intDigits.remove(0, lead);
    return layoutNumber(negative, intDigits, fracDigits, p);
}

QString FormatText(const QString& s, const QString& pattern)
{
    QString pat = pattern;
    bool leftAlign = false;
    if (pat.startsWith(u'!')) {
        leftAlign = true;
        pat.remove(0, 1);
    }
    const qsizetype nSlots = pat.count(u'@');
    if (nSlots == 0)
        return pat.isEmpty() ? s : pat;
    // Characters for the placeholders, in order; a text longer than the
    // placeholders puts its extra characters at the first one.
    QStringList fill;
    fill.reserve(nSlots);
    if (s.size() >= nSlots) {
        const qsizetype extra = s.size() - nSlots;
        fill.append(s.left(extra + 1));
        for (qsizetype i = extra + 1; i < s.size(); ++i)
            fill.append(QString(s[i]));
    } else {
        const qsizetype pad = nSlots - s.size();
        if (leftAlign) {
            for (QChar c : s)
                fill.append(QString(c));
            for (qsizetype i = 0; i < pad; ++i)
                fill.append(QStringLiteral(" "));
        } else {
            for (qsizetype i = 0; i < pad; ++i)
                fill.append(QStringLiteral(" "));
            for (QChar c : s)
                fill.append(QString(c));
        }
    }
    QString out;
    qsizetype k = 0;
    for (QChar c : pat) {
        if (c == u'@')
            out.append(fill[k++]);
        else
            out.append(c);
    }
    return out;
}

// ------------------------------------------------------------ Substrings

QString Left(const QString& s, int n)
{
    if (n < 0)
        raiseInvalidArgument();
    return s.left(n);
}

QString Right(const QString& s, int n)
{
    if (n < 0)
        raiseInvalidArgument();
    return s.right(n);
}

QString Mid(const QString& s, int start1, int length)
{
    if (start1 < 1)
        raiseInvalidArgument();
    if (start1 > s.size())
        return QString();
    if (length < 0)
        return s.mid(start1 - 1);
    return s.mid(start1 - 1, length);
}

int InStr(const QString& s, const QString& find, int start1)
{
    if (start1 < 1)
        raiseInvalidArgument();
    if (start1 > s.size())
        return 0;
    if (find.isEmpty())
        return start1;
    const qsizetype pos = s.indexOf(find, start1 - 1, Qt::CaseSensitive);
    return pos < 0 ? 0 : int(pos) + 1;
}

int Len(const QString& s)
{
    return int(s.size());
}

int StrComp(const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace vb

namespace vb {

QString errorDescription(const std::exception& e)
{
    if (const auto* vbe = dynamic_cast<const VbError*>(&e))
        return vbe->description();
    return QString::fromLocal8Bit(e.what());
}

}  // namespace vb

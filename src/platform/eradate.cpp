#include "platform/eradate.h"

#include "platform/vbruntime.h"

#include <QRegularExpression>

#include <array>

namespace vb {

namespace {

struct Era {
    const char16_t* name;
    char16_t letter;
    int startYear, startMonth, startDay;
    QDate start() const { return QDate(startYear, startMonth, startDay); }
};

// The eras from the first day the calendar table knows of 明治.
constexpr std::array<Era, 5> kEras = {{
    {u"明治", u'M', 1868, 1, 1},
    {u"大正", u'T', 1912, 7, 30},
    {u"昭和", u'S', 1926, 12, 25},
    {u"平成", u'H', 1989, 1, 8},
    {u"令和", u'R', 2019, 5, 1},
}};

// Index of the era a date falls in; -1 before the first.
int eraIndexOf(const QDate& d)
{
    for (int i = int(kEras.size()) - 1; i >= 0; --i)
        if (d >= kEras[size_t(i)].start())
            return i;
    return -1;
}

int eraIndexByLetter(QChar c)
{
    const char16_t u = (c >= u'a' && c <= u'z') ? char16_t(c.unicode() - 32) : c.unicode();
    for (size_t i = 0; i < kEras.size(); ++i)
        if (kEras[i].letter == u)
            return int(i);
    return -1;
}

int eraIndexByName(QStringView name)
{
    for (size_t i = 0; i < kEras.size(); ++i)
        if (name == QStringView(kEras[i].name))
            return int(i);
    return -1;
}

// A date in era i, year eraYear: valid only inside that era.
std::optional<QDate> eraDate(int era, int eraYear, int month, int day)
{
    if (era < 0 || eraYear < 1)
        return std::nullopt;
    const QDate d(kEras[size_t(era)].startYear + eraYear - 1, month, day);
    if (!d.isValid() || eraIndexOf(d) != era)
        return std::nullopt;
    return d;
}

std::optional<QDate> gregorianDate(int year, int month, int day)
{
    const QDate d(year, month, day);
    if (!d.isValid() || year < 100 || year > 9999)
        return std::nullopt;
    return d;
}

// Two-digit years as the classic runtime reads them: 00-29 -> 2000s,
// 30-99 -> 1900s.
int expandYear(const QString& digits)
{
    const int y = digits.toInt();
    if (digits.size() > 2)
        return y;
    return y < 30 ? 2000 + y : 1900 + y;
}

// Full-width digits, letters and signs become their ASCII forms; the
// ideographic space becomes a space.
QString toHalfWidth(const QString& s)
{
    QString out = s;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFEE0));
        else if (u == 0x3000)
            c = QChar(u' ');
    }
    return out;
}

const QRegularExpression& timePart()
{
    static const QRegularExpression re(QStringLiteral(R"(^\d{1,2}:\d{1,2}(:\d{1,2})?$)"));
    return re;
}

const QRegularExpression& eraLetterForm()
{
    // H22/6/1, r8.12.10, H22-6-1, H22年6月1日
    static const QRegularExpression re(
        QStringLiteral(R"(^([MTSHRmtshr])(\d{1,2})(?:[/.\-](\d{1,2})[/.\-](\d{1,2})|年(\d{1,2})月(\d{1,2})日?)$)"));
    return re;
}

const QRegularExpression& eraNameForm()
{
    // 平成22年6月1日, 平成元年6月1日, 平成22/6/1
    static const QRegularExpression re(
        QStringLiteral(R"(^(明治|大正|昭和|平成|令和)(\d{1,2}|元)(?:年(\d{1,2})月(\d{1,2})日?|[/.\-](\d{1,2})[/.\-](\d{1,2}))$)"));
    return re;
}

const QRegularExpression& gregorianForm()
{
    // yyyy/m/d, yy/m/d, yyyy-m-d, yyyy.m.d, yyyy年m月d日
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d{4}|\d{2})(?:[/.\-](\d{1,2})[/.\-](\d{1,2})|年(\d{1,2})月(\d{1,2})日?)$)"));
    return re;
}

const QRegularExpression& monthDayForm()
{
    // m/d and m月d日: the current year.
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d{1,2})(?:/(\d{1,2})|月(\d{1,2})日?)$)"));
    return re;
}

// The first non-empty of two alternative captures.
QString cap(const QRegularExpressionMatch& m, int a, int b)
{
    const QString x = m.captured(a);
    return x.isEmpty() ? m.captured(b) : x;
}

const char16_t* const kWeekdayShort[] = {u"月", u"火", u"水", u"木", u"金", u"土", u"日"};

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

}  // namespace

std::optional<QDate> parseDate(const QString& text)
{
    QString s = Trim(toHalfWidth(text));
    if (s.isEmpty())
        return std::nullopt;
    // A time after the date is ignored.
    const qsizetype blank = s.indexOf(u' ');
    if (blank >= 0) {
        const QString rest = Trim(s.mid(blank + 1));
        if (!timePart().match(rest).hasMatch())
            return std::nullopt;
        s.truncate(blank);
    }

    QRegularExpressionMatch m = eraLetterForm().match(s);
    if (m.hasMatch())
        return eraDate(eraIndexByLetter(m.captured(1)[0]), m.captured(2).toInt(),
                       cap(m, 3, 5).toInt(), cap(m, 4, 6).toInt());
    m = eraNameForm().match(s);
    if (m.hasMatch()) {
        const QString y = m.captured(2);
        return eraDate(eraIndexByName(m.captured(1)), y == u"元" ? 1 : y.toInt(),
                       cap(m, 3, 5).toInt(), cap(m, 4, 6).toInt());
    }
    m = gregorianForm().match(s);
    if (m.hasMatch())
        return gregorianDate(expandYear(m.captured(1)), cap(m, 2, 4).toInt(), cap(m, 3, 5).toInt());
    m = monthDayForm().match(s);
    if (m.hasMatch())
        return gregorianDate(QDate::currentDate().year(), m.captured(1).toInt(),
                             cap(m, 2, 3).toInt());
    return std::nullopt;
}

bool IsDate(const QString& text)
{
    return parseDate(text).has_value();
}

QDate CDate(const QString& text)
{
    const std::optional<QDate> d = parseDate(text);
    if (!d)
        raiseTypeMismatch();
    return *d;
}

QString FormatDate(const QDate& date, const QString& pattern)
{
    if (!date.isValid())
        return QString();
    const int era = eraIndexOf(date);
    const int eraYear = era >= 0 ? date.year() - kEras[size_t(era)].startYear + 1 : date.year();
    const QString weekday = QString::fromUtf16(kWeekdayShort[date.dayOfWeek() - 1]);

    QString out;
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = pattern[i];
        // A quoted literal and an escaped character print as they are.
        if (c == u'"') {
            const qsizetype close = pattern.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            out.append(pattern.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c == u'\\') {
            if (i + 1 < n)
                out.append(pattern[i + 1]);
            i += 2;
            continue;
        }
        const char16_t lc = (c >= u'A' && c <= u'Z') ? char16_t(c.unicode() + 32) : c.unicode();
        if (lc != u'y' && lc != u'm' && lc != u'd' && lc != u'g' && lc != u'e' && lc != u'a') {
            out.append(c);
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < n
               && ((pattern[i + run].unicode() | 0x20) == lc)
               && pattern[i + run].unicode() < 0x80)
            ++run;
        switch (lc) {
        case u'y':
            if (run >= 3)
                out.append(QString::number(date.year()).rightJustified(4, u'0'));
            else if (run == 2)
                out.append(twoDigits(date.year() % 100));
            else
                out.append(QString::number(date.dayOfYear()));
            break;
        case u'm':
            out.append(run >= 2 ? twoDigits(date.month()) : QString::number(date.month()));
            break;
        case u'd':
            if (run >= 4)
                out.append(weekday + QStringLiteral("曜日"));
            else if (run == 3)
                out.append(weekday);
            else
                out.append(run == 2 ? twoDigits(date.day()) : QString::number(date.day()));
            break;
        case u'a':
            if (run >= 4)
                out.append(weekday + QStringLiteral("曜日"));
            else if (run == 3)
                out.append(weekday);
            else
                out.append(pattern.mid(i, run));  // "a" and "aa" are no tokens
            break;
        case u'g':
            if (era >= 0) {
                const QString name = QString::fromUtf16(kEras[size_t(era)].name);
                if (run >= 3)
                    out.append(name);
                else if (run == 2)
                    out.append(name.left(1));
                else
                    out.append(QChar(kEras[size_t(era)].letter));
            }
            break;
        case u'e':
            out.append(run >= 2 ? twoDigits(eraYear) : QString::number(eraYear));
            break;
        }
        i += run;
    }
    return out;
}

QString FormatDateText(const QString& text, const QString& pattern)
{
    const std::optional<QDate> d = parseDate(text);
    return d ? FormatDate(*d, pattern) : text;
}

int ageInYears(const QDate& birthday, const QDate& reference)
{
    if (!birthday.isValid() || !reference.isValid())
        return 0;
    int years = reference.year() - birthday.year();
    if (reference.month() < birthday.month()
        || (reference.month() == birthday.month() && reference.day() < birthday.day()))
        --years;
    return years;
}

}  // namespace vb

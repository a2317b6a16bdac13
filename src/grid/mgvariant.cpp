#include "grid/mgvariant.h"

#include "platform/vbruntime.h"

#include <cfenv>
#include <cmath>

namespace mg {

namespace {

bool isNumericType(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isText(const QVariant& v)
{
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

// A text as a number, the way the runtime coerces a string: blanks around
// it allowed, decimal with optional exponent, or &H / &O prefixed.
bool parseNumber(const QString& text, double* out)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    if (s.size() > 2 && s[0] == QLatin1Char('&')) {
        const QChar k = s[1].toUpper();
        int base = k == QLatin1Char('H') ? 16 : (k == QLatin1Char('O') ? 8 : 0);
        if (base == 0)
            return false;
        bool ok = false;
        const qulonglong u = s.mid(2).toULongLong(&ok, base);
        if (!ok)
            return false;
        // &H values up to 8 digits are 32-bit and may be negative.
        if (u <= 0xFFFFu)
            *out = double(qint16(quint16(u)));
        else if (u <= 0xFFFFFFFFu)
            *out = double(qint32(quint32(u)));
        else
            return false;
        return true;
    }
    bool ok = false;
    const double d = s.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    *out = d;
    return true;
}

double roundHalfEven(double d)
{
    // nearbyint honours the current rounding mode, which is to nearest, ties
    // to even, unless someone changed it.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(d);
    if (saved != FE_TONEAREST)
        std::fesetround(saved);
    return r;
}

}  // namespace

double toNumber(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) {
        if (isText(v))
            vb::raiseTypeMismatch();   // a null text is still a text: "" is no number
        return 0;
    }
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? -1.0 : 0.0;
    if (isNumericType(v))
        return v.toDouble();
    if (isText(v)) {
        double d = 0;
        if (!parseNumber(v.toString(), &d))
            vb::raiseTypeMismatch();
        return d;
    }
    vb::raiseTypeMismatch();
}

namespace {

// The value rounded half to even; outside [lowest, highest] an overflow.
double roundedWithin(const QVariant& v, double lowest, double highest)
{
    const double r = roundHalfEven(toNumber(v));
    if (r < lowest || r > highest)
        vb::raiseOverflow();
    return r;
}

// A value that is no text as a number: True is -1.
double numberOf(const QVariant& v)
{
    return v.typeId() == QMetaType::Bool ? (v.toBool() ? -1.0 : 0.0) : v.toDouble();
}

}  // namespace

int toLong(const QVariant& v)
{
    return int(roundedWithin(v, -2147483648.0, 2147483647.0));
}

int toInteger(const QVariant& v)
{
    return int(roundedWithin(v, -32768.0, 32767.0));
}

double toSingle(const QVariant& v)
{
    const double d = toNumber(v);
    if (std::fabs(d) > 3.402823466e38)
        vb::raiseOverflow();
    return double(float(d));
}

bool toBool(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (isText(v)) {
        const QString s = v.toString().trimmed();
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toNumber(v) != 0;
}

QString toStr(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        if (d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        QString s = QString::number(d, 'g', v.typeId() == QMetaType::Float ? 7 : 15);
        return s.replace(QLatin1Char('e'), QLatin1Char('E'));
    }
    default:
        return v.toString();
    }
}

quint32 toColor(const QVariant& v)
{
    const double r = roundedWithin(v, -2147483648.0, 4294967295.0);
    if (r < 0)
        return quint32(qint32(r));
    return quint32(qint64(r));
}

bool notEqual(const QVariant& a, const QVariant& b)
{
    const bool aText = isText(a), bText = isText(b);
    if (aText && bText)
        return a.toString() != b.toString();
    if (!aText && !bText) {
        const double x = (a.isValid() && !a.isNull()) ? numberOf(a) : 0.0;
        const double y = (b.isValid() && !b.isNull()) ? numberOf(b) : 0.0;
        return x != y;
    }
    // A number against a text: the text compares as a number when it is one.
    const QVariant& text = aText ? a : b;
    const QVariant& num = aText ? b : a;
    double d = 0;
    if (!parseNumber(text.toString(), &d))
        return true;
    return d != numberOf(num);
}

}  // namespace mg

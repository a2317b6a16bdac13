// Numbers and dates as typed or stored: the value of a text, the storing
// conversions, the number and text patterns, the date parser and the date
// patterns. A parsed date formats to texts that parse back to it.
#include "fuzz_support.h"

#include "core/helpers.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"

#include <QStringList>

#include <cmath>

namespace {

const QStringList kNumberPatterns = {QStringLiteral("0"),       QStringLiteral("00"),     QStringLiteral("000"),
                                     QStringLiteral("00000"),   QStringLiteral("000000"), QStringLiteral("0.0"),
                                     QStringLiteral("0.00"),    QStringLiteral("0.000"),  QStringLiteral("0000.00"),
                                     QStringLiteral("#,##0"),   QStringLiteral("#,##0.0")};
const QStringList kDatePatterns = {QStringLiteral("yyyy/mm/dd"),         QStringLiteral("yyyy/m/d"),
                                   QStringLiteral("ge/m/d"),             QStringLiteral("gee/mm/dd"),
                                   QStringLiteral("ggge年m月d日(aaa)"),  QStringLiteral("gggee年m月d日"),
                                   QStringLiteral("gggee年m月d日生"),    QStringLiteral("mm/dd"),
                                   QStringLiteral("yyyy年m月d日 dddd")};

// The texts a parsed date is written as and read back from.
const QStringList kRoundTrips = {QStringLiteral("yyyy/mm/dd"), QStringLiteral("yyyy/m/d"),
                                 QStringLiteral("yyyy年m月d日")};
const QStringList kEraRoundTrips = {QStringLiteral("ge/m/d"), QStringLiteral("gee/mm/dd"),
                                    QStringLiteral("ggge年m月d日"), QStringLiteral("gggee年m月d日")};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));

    // A value beyond any double (hundreds of digits) formats as an overflow.
    const double v = vb::Val(text);
    for (const QString& p : kNumberPatterns) {
        try {
            vb::Format(v, p);
        } catch (const vb::VbError& e) {
            fuzz::require(e.number() == 6 && !std::isfinite(v), "only a value beyond any number overflows a pattern");
        }
    }
    vb::FormatText(text, QStringLiteral("@@@@@"));
    vb::FormatText(text, QStringLiteral("!@@@@@"));
    try {
        vb::CLngText(text);
    } catch (const vb::VbError&) {
    }
    try {
        vb::CIntText(text);
    } catch (const vb::VbError&) {
    }
    const qint64 whole = std::isfinite(v) ? static_cast<qint64>(std::fmod(v, 1e15)) : 0;
    for (const QString& p : kNumberPatterns)
        vb::FormatRatio(whole, 1 + static_cast<qint64>(size), p);
    corehelpers::padNum(whole, 8);

    for (const QString& p : kDatePatterns)
        vb::FormatDateText(text, p);
    gfGetAge(text, QStringLiteral("2026/05/10"), 1);
    gfGetAge(QStringLiteral("1950/02/28"), text, 0);
    const auto date = vb::parseDate(text);
    fuzz::require(date.has_value() == vb::IsDate(text), "IsDate agrees with the parser");
    if (!date)
        return 0;
    fuzz::require(date->isValid(), "a parsed date is a date");
    for (const QString& p : kDatePatterns)
        vb::FormatDate(*date, p);
    if (date->year() >= 100)
        for (const QString& p : kRoundTrips)
            fuzz::require(vb::parseDate(vb::FormatDate(*date, p)) == date, "a date written as a date reads back");
    // Era years are read with up to two digits: up to 2100 every date has one.
    if (*date >= QDate(1868, 1, 1) && *date < QDate(2100, 1, 1))
        for (const QString& p : kEraRoundTrips)
            fuzz::require(vb::parseDate(vb::FormatDate(*date, p)) == date, "a date written in its era reads back");
    return 0;
}

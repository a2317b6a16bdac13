// Conversions of the grid's variant arguments at the edges of their ranges,
// and the variant comparison the rows use to skip redraws.
#include "grid/mgvariant.h"
#include "platform/vbruntime.h"

#include <gtest/gtest.h>

#include <QVariant>

#include <functional>
#include <optional>

TEST(MgVariant, IntegerRangesRoundFirstThenOverflow)
{
    struct Case {
        const char* what;
        std::function<qint64(const QVariant&)> convert;
        QVariant in;
        std::optional<qint64> out;   // empty: overflow
    };
    const auto toInteger = [](const QVariant& v) { return qint64(mg::toInteger(v)); };
    const auto toLong = [](const QVariant& v) { return qint64(mg::toLong(v)); };
    const auto toColor = [](const QVariant& v) { return qint64(mg::toColor(v)); };
    const Case cases[] = {
        {"Integer max", toInteger, 32767, 32767},
        {"Integer max + .5 rounds to even, over", toInteger, 32767.5, std::nullopt},
        {"Integer min", toInteger, -32768, -32768},
        {"Integer min - .5 rounds to even, inside", toInteger, -32768.5, -32768},
        {"Integer over", toInteger, 32768, std::nullopt},
        {"Long max", toLong, 2147483647.0, 2147483647},
        {"Long over", toLong, 2147483648.0, std::nullopt},
        {"Long min as text", toLong, QStringLiteral("-2147483648"), -2147483648LL},
        {"Long under", toLong, -2147483649.0, std::nullopt},
        {"colour white", toColor, 0xFFFFFF, 0xFFFFFF},
        {"colour system, unsigned", toColor, quint32(0x8000000F), 0x8000000F},
        {"colour system, negative", toColor, qint32(0x8000000F), 0x8000000F},
        {"colour &H text", toColor, QStringLiteral("&H8000000F"), 0x8000000F},
        {"colour over 32 bits", toColor, 4294967296.0, std::nullopt},
        {"colour under", toColor, -2147483649.0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.out) {
            EXPECT_EQ(c.convert(c.in), *c.out);
        } else {
            EXPECT_THROW(c.convert(c.in), vb::VbError);
        }
    }
}

TEST(MgVariant, NotEqualComparesNumbersByValueAndTextsExactly)
{
    struct Case {
        QVariant a, b;
        bool differs;
    };
    const Case cases[] = {
        {11, 11.0, false},
        {float(11.25), 11.25, false},
        {true, -1, false},
        {false, 0, false},
        {QVariant(), 0, false},                       // Empty is 0
        {QStringLiteral("abc"), QStringLiteral("ABC"), true},
        {QStringLiteral("12"), 12, false},            // numeric text against a number
        {12, QStringLiteral(" 12.0 "), false},
        {QStringLiteral("-1"), true, false},
        {QStringLiteral("x"), 0, true},              // text that is no number
        {QStringLiteral("12"), QStringLiteral("12.0"), true},   // two texts: exactly
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.a.toString() + " / " + c.b.toString()).toStdString());
        EXPECT_EQ(mg::notEqual(c.a, c.b), c.differs);
        EXPECT_EQ(mg::notEqual(c.b, c.a), c.differs);
    }
}

#include "platform/vbruntime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vb;
using namespace Qt::StringLiterals;

TEST(VbRuntime, TrimRemovesOnlyHalfAndFullWidthSpaces)
{
    struct Case {
        QString in, trim, ltrim, rtrim;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"  a b  ", "a b", "a b  ", "  a b"},
        {u"\u3000名前\u3000 "_s, u"名前"_s, u"名前\u3000 "_s, u"\u3000名前"_s},
        {"\tx\t", "\tx\t", "\tx\t", "\tx\t"},
        {"x\r\n", "x\r\n", "x\r\n", "x\r\n"},
        {u"\u00A0x"_s, u"\u00A0x"_s, u"\u00A0x"_s, u"\u00A0x"_s},
        {"   ", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Trim(c.in), c.trim) << c.in.toStdString();
        EXPECT_EQ(LTrim(c.in), c.ltrim) << c.in.toStdString();
        EXPECT_EQ(RTrim(c.in), c.rtrim) << c.in.toStdString();
    }
}

TEST(VbRuntime, ValReadsTheNumberAtTheStart)
{
    struct Case {
        QString in;
        double out;
    };
    const Case cases[] = {
        {"", 0},        {"abc", 0},     {"12", 12},       {" 3", 3},        {"1 2", 12},
        {"-5x", -5},    {"+7", 7},      {"2.5", 2.5},     {"-2.5", -2.5},   {".5", 0.5},
        {"1.2.3", 1.2}, {"12a34", 12},  {"&H10", 0},      {"1e3", 1},       {"- 4", -4},
        {"--4", 0},     {"4-", 4},      {"\t 8", 8},      {u"\u30009"_s, 9}, {"0012", 12},
        {u"１２"_s, 0}, {"-", 0},      {".", 0},         {"-0", 0},        {"99999999999", 99999999999.0},
    };
    for (const Case& c : cases) {
        const double v = Val(c.in);
        EXPECT_EQ(v, c.out) << c.in.toStdString();
        EXPECT_FALSE(std::signbit(v) && v == 0) << "negative zero from " << c.in.toStdString();
    }
}

TEST(VbRuntime, CIntAndCLngRoundHalfToEven)
{
    struct Case {
        double in;
        int out;
    };
    const Case cases[] = {
        {0.5, 0},   {1.5, 2},   {2.5, 2},     {3.5, 4},       {-0.5, 0},      {-1.5, -2},
        {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3},     {32767, 32767}, {-32768, -32768},
        {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CInt(c.in), c.out) << c.in;
        EXPECT_EQ(CLng(c.in), c.out) << c.in;
    }
    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_EQ(CLng(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(CIntText(" 2.5"), 2);
    EXPECT_EQ(CLngText("7.5x"), 8);
}

TEST(VbRuntime, StoringOutOfRangeRaisesOverflow)
{
    const double bad16[] = {32767.5, 32768, -32769, 40000, -32768.6};
    for (double v : bad16) {
        try {
            CInt(v);
            ADD_FAILURE() << "no overflow for " << v;
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), 6);
            EXPECT_FALSE(e.description().isEmpty());
        }
    }
    EXPECT_THROW(CLng(2147483647.5), VbError);
    EXPECT_THROW(CLng(-2147483649.0), VbError);
    EXPECT_THROW(CLng(std::numeric_limits<double>::quiet_NaN()), VbError);
    EXPECT_THROW(CIntText("99999"), VbError);
}

TEST(VbRuntime, FormatRoundsHalfAwayFromZeroOnTheDecimalValue)
{
    struct Case {
        double v;
        const char* pattern;
        QString out;
    };
    const Case cases[] = {
        {2.5, "0", "3"},          {3.5, "0", "4"},          {-2.5, "0", "-3"},
        {0.5, "0", "1"},          {0.4, "0", "0"},          {-0.4, "0", "0"},
        {1.125, "0.00", "1.13"},  {1.115, "0.00", "1.12"},  {2.675, "0.00", "2.68"},
        {1.0005, "0.000", "1.001"}, {-1.125, "0.00", "-1.13"}, {0.05, "0.0", "0.1"},
        {7, "00000", "00007"},    {123456, "00000", "123456"}, {-5, "0", "-5"},
        {-5, "00", "-05"},        {99.95, "0.0", "100.0"},  {9.995, "0.00", "10.00"},
        {12, "0.00", "12.00"},    {1234567, "#,##0", "1,234,567"}, {0, "#,##0", "0"},
        {12.5, "0000.00", "0012.50"}, {0.25, "0%", "25%"},  {72.333333, "0.0", "72.3"},
        {1e15, "0", "1000000000000000"}, {0.000001, "0.00", "0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.v, QString::fromLatin1(c.pattern)), c.out) << c.v << " " << c.pattern;
}

TEST(VbRuntime, FormatRatioIsExact)
{
    struct Case {
        std::int64_t num, den;
        const char* pattern;
        QString out;
    };
    const Case cases[] = {
        {125, 100, "0.0", "1.3"},     {-125, 100, "0.0", "-1.3"},  {124, 100, "0.0", "1.2"},
        {1, 3, "0.000", "0.333"},     {2, 3, "0.000", "0.667"},    {5, 2, "0", "3"},
        {-5, 2, "0", "-3"},           {1, -8, "0.00", "-0.13"},    {0, 7, "0.0", "0.0"},
        {1, 2000, "0.000", "0.001"},  {-1, 3000, "0.0", "0.0"},    {1234567, 1, "#,##0", "1,234,567"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatRatio(c.num, c.den, QString::fromLatin1(c.pattern)), c.out)
            << c.num << "/" << c.den << " " << c.pattern;
    EXPECT_THROW(FormatRatio(1, 0, "0"), VbError);
}

TEST(VbRuntime, FormatTextAlignsInPlaceholders)
{
    EXPECT_EQ(FormatText("5", "@@"), " 5");
    EXPECT_EQ(FormatText("12", "@@"), "12");
    EXPECT_EQ(FormatText("123", "@@"), "123");
    EXPECT_EQ(FormatText("5", "!@@"), "5 ");
    EXPECT_EQ(FormatText("", "@@@"), "   ");
    EXPECT_EQ(FormatText(u"ｱ"_s, "@@@@"), u"   ｱ"_s);
}

TEST(VbRuntime, OneBasedTextHelpers)
{
    const QString s = u"ゾーンABC"_s;
    EXPECT_EQ(Left(s, 2), u"ゾー"_s);
    EXPECT_EQ(Left(s, 99), s);
    EXPECT_EQ(Right(s, 3), "ABC");
    EXPECT_EQ(Mid(s, 3), u"ンABC"_s);
    EXPECT_EQ(Mid(s, 4, 2), "AB");
    EXPECT_EQ(Mid(s, 7), "");
    EXPECT_EQ(InStr(s, "B"), 5);
    EXPECT_EQ(InStr(s, "b"), 0);
    EXPECT_EQ(InStr("abab", "ab", 2), 3);
    EXPECT_EQ(InStr("abc", "", 2), 2);
    EXPECT_EQ(InStr("abc", "a", 9), 0);
    EXPECT_EQ(Len(s), 6);
    EXPECT_EQ(StrComp("a", "B"), 1);   // by code unit: "B" < "a"
    EXPECT_EQ(StrComp("A", "a"), -1);
    EXPECT_EQ(StrComp(u"ｱ"_s, u"ア"_s), 1);
    EXPECT_EQ(StrComp("x", "x"), 0);
    EXPECT_THROW(Mid(s, 0), VbError);
    EXPECT_THROW(Left(s, -1), VbError);
}

#include "platform/eradate.h"
#include "platform/vbruntime.h"

#include <gtest/gtest.h>

using namespace vb;
using namespace Qt::StringLiterals;

TEST(EraDate, ParsesTheFormsAJapaneseUserTypes)
{
    struct Case {
        QString text;
        QDate date;  // invalid = not a date
    };
    const Case cases[] = {
        {"2010/6/1", {2010, 6, 1}},
        {"2010/06/01", {2010, 6, 1}},
        {" 2010/6/1 ", {2010, 6, 1}},
        {"2010-6-1", {2010, 6, 1}},
        {"2010.6.1", {2010, 6, 1}},
        {u"2010年6月1日"_s, {2010, 6, 1}},
        {u"２０１０／６／１"_s, {2010, 6, 1}},
        {"2010/6/1 12:30:00", {2010, 6, 1}},
        {"10/6/1", {2010, 6, 1}},
        {"45/6/1", {1945, 6, 1}},
        {"H22/6/1", {2010, 6, 1}},
        {"h22/6/1", {2010, 6, 1}},
        {"r8.12.10", {2026, 12, 10}},
        {"R1/5/1", {2019, 5, 1}},
        {u"平成22年6月1日"_s, {2010, 6, 1}},
        {u"平成元年1月8日"_s, {1989, 1, 8}},
        {u"令和1年5月1日"_s, {2019, 5, 1}},
        {"S64/1/7", {1989, 1, 7}},
        {"H1/1/8", {1989, 1, 8}},
        {"H31/4/30", {2019, 4, 30}},
        {"T15/12/24", {1926, 12, 24}},
        {"S1/12/25", {1926, 12, 25}},
        {"M45/7/29", {1912, 7, 29}},
        {"T1/7/30", {1912, 7, 30}},
        {"M1/1/1", {1868, 1, 1}},
        {"2012/2/29", {2012, 2, 29}},
        // Not dates:
        {"2010/2/30", {}},
        {"2011/2/29", {}},
        {"2010/13/1", {}},
        {"", {}},
        {"unknown", {}},
        {"2010/6/1x", {}},
        {"2010/6/1 later", {}},
        {"S64/1/8", {}},       // 1989/01/08 is 平成
        {"H1/1/7", {}},        // still 昭和
        {"H31/5/1", {}},       // already 令和
        {"R1/4/30", {}},
        {"X1/1/1", {}},
        {u"平成0年1月8日"_s, {}},
        {"H22/6", {}},
    };
    for (const Case& c : cases) {
        const std::optional<QDate> d = parseDate(c.text);
        if (c.date.isValid()) {
            ASSERT_TRUE(d.has_value()) << c.text.toStdString();
            EXPECT_EQ(*d, c.date) << c.text.toStdString();
        } else {
            EXPECT_FALSE(d.has_value()) << c.text.toStdString();
        }
        EXPECT_EQ(IsDate(c.text), c.date.isValid()) << c.text.toStdString();
    }
    EXPECT_THROW(CDate("2010/2/30"), VbError);
    EXPECT_EQ(CDate("H22/6/1"), QDate(2010, 6, 1));
}

TEST(EraDate, FormatsAcrossEveryEraBoundary)
{
    struct Case {
        QDate date;
        QString geMd;       // "ge/m/d"
        QString gggeeJp;    // "gggee年m月d日"
    };
    const Case cases[] = {
        {{1868, 1, 1}, "M1/1/1", u"明治01年1月1日"_s},
        {{1912, 7, 29}, "M45/7/29", u"明治45年7月29日"_s},
        {{1912, 7, 30}, "T1/7/30", u"大正01年7月30日"_s},
        {{1926, 12, 24}, "T15/12/24", u"大正15年12月24日"_s},
        {{1926, 12, 25}, "S1/12/25", u"昭和01年12月25日"_s},
        {{1989, 1, 7}, "S64/1/7", u"昭和64年1月7日"_s},
        {{1989, 1, 8}, "H1/1/8", u"平成01年1月8日"_s},
        {{2019, 4, 30}, "H31/4/30", u"平成31年4月30日"_s},
        {{2019, 5, 1}, "R1/5/1", u"令和01年5月1日"_s},
        {{2026, 12, 10}, "R8/12/10", u"令和08年12月10日"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDate(c.date, "ge/m/d"), c.geMd) << c.geMd.toStdString();
        EXPECT_EQ(FormatDate(c.date, u"gggee年m月d日"_s), c.gggeeJp) << c.geMd.toStdString();
        // Both ways: what is printed reads back as the same day.
        EXPECT_EQ(parseDate(c.geMd), c.date) << c.geMd.toStdString();
        EXPECT_EQ(parseDate(FormatDate(c.date, u"ggge年m月d日"_s)), c.date) << c.geMd.toStdString();
    }
}

TEST(EraDate, Patterns)
{
    const QDate d(2010, 6, 1);  // a Tuesday
    struct Case {
        QString pattern, out;
    };
    const Case cases[] = {
        {"yyyy/mm/dd", "2010/06/01"},
        {"yyyy/m/d", "2010/6/1"},
        {"mm/dd", "06/01"},
        {"yy/mm/dd", "10/06/01"},
        {"gee/mm/dd", "H22/06/01"},
        {u"ggge年m月d日(aaa)"_s, u"平成22年6月1日(火)"_s},
        {u"gge年"_s, u"平22年"_s},
        {"aaaa", u"火曜日"_s},
        {"\\y\"mm\"yyyy", "ymm2010"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDate(d, c.pattern), c.out) << c.pattern.toStdString();
    EXPECT_EQ(FormatDate(QDate(2019, 5, 5), u"ggge年m月d日(aaa)"_s), u"令和1年5月5日(日)"_s);
    EXPECT_EQ(FormatDate(QDate(1989, 1, 8), "gee"), "H01");
}

TEST(EraDate, FormatDateTextPassesNonDatesThrough)
{
    EXPECT_EQ(FormatDateText("2010/6/1", "yyyy/mm/dd"), "2010/06/01");
    EXPECT_EQ(FormatDateText("H22/6/1", "yyyy/mm/dd"), "2010/06/01");
    EXPECT_EQ(FormatDateText("unknown", "yyyy/mm/dd"), "unknown");
    EXPECT_EQ(FormatDateText("2010/2/30", u"ggge年m月d日"_s), "2010/2/30");
    EXPECT_EQ(FormatDateText("", "yyyy/mm/dd"), "");
}

TEST(EraDate, AgeInWholeYears)
{
    struct Case {
        QDate birthday, reference;
        int age;
    };
    const Case cases[] = {
        {{1960, 6, 1}, {2010, 5, 31}, 49},
        {{1960, 6, 1}, {2010, 6, 1}, 50},
        {{1960, 2, 29}, {2010, 2, 28}, 49},
        {{1960, 2, 29}, {2010, 3, 1}, 50},
        {{2010, 6, 1}, {2010, 6, 1}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ageInYears(c.birthday, c.reference), c.age)
            << c.birthday.toString().toStdString() << " " << c.reference.toString().toStdString();
}

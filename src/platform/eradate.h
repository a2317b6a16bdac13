// Dates as the Japanese locale reads and writes them, with our own era table
// (明治 1868/01/01, 大正 1912/07/30, 昭和 1926/12/25, 平成 1989/01/08,
// 令和 2019/05/01; letters M T S H R).
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace vb {

// Parses the forms a Japanese user types: "yyyy/m/d", "yyyy-m-d", "yyyy.m.d",
// "yyyy年m月d日", "yy/m/d" (00-29 -> 20xx, 30-99 -> 19xx), "m/d" and "m月d日"
// (the current year), an era letter in either case with era year, month and
// day ("H22/6/1", "r8.12.10", "H22年6月1日"), and era names ("平成22年6月1日",
// "平成元年1月8日"). Full-width digits and signs count as their ASCII forms;
// surrounding blanks and a time part ("12:30:00") are ignored. An invalid day
// ("2010/2/30") or a date outside the given era ("S64/1/8") is not a date.
std::optional<QDate> parseDate(const QString& text);
bool IsDate(const QString& text);
// As parseDate, raising type mismatch (13) when the text is not a date.
QDate CDate(const QString& text);

// Formats a date with a pattern of the classic runtime: yy yyyy (y alone is
// the day of the year), m mm, d dd, ddd aaa (weekday 日月火水木金土),
// dddd aaaa (日曜日 ...), g (era letter), gg (first character of the era
// name), ggg (era name), e ee (era year, 1 or 01 for the first year, never
// 元), "quoted" and \-escaped literals, and any other character as it is.
// "yyyy/mm/dd", "ge/m/d", "gee/mm/dd", "ggge年m月d日(aaa)", "gggee年m月d日".
QString FormatDate(const QDate& date, const QString& pattern);
// As FormatDate on the parsed text; a text that is not a date comes back
// unchanged.
QString FormatDateText(const QString& text, const QString& pattern);

// Whole years from birthday to the reference date ("満年齢").
int ageInYears(const QDate& birthday, const QDate& reference);

}  // namespace vb

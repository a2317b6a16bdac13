// Small helpers that give the program the text, number and error semantics
// its stored files and calculations rely on. One set, used everywhere.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace vb {

// A run-time error: a number and a description (the Japanese text the
// message boxes show after "procedure(): "). Thrown where a procedure lets an
// error pass to its caller; caught only where a procedure has an error trap.
class VbError : public std::runtime_error {
public:
    VbError(int number, const QString& description);
    int number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// The description of a caught error: a run-time error's own description,
// otherwise the exception's text.
QString errorDescription(const std::exception& e);

// Well-known run-time errors with their Japanese descriptions.
[[noreturn]] void raiseOverflow();                                   // 6
[[noreturn]] void raiseTypeMismatch();                               // 13
[[noreturn]] void raiseSubscriptOutOfRange();                        // 9
[[noreturn]] void raiseDivisionByZero();                             // 11
[[noreturn]] void raiseInvalidArgument();                            // 5
[[noreturn]] void raiseFileNotFound();                               // 53
[[noreturn]] void raisePermissionDenied();                           // 70
[[noreturn]] void raisePathNotFound();                               // 76
[[noreturn]] void raiseIoError();                                    // 57
[[noreturn]] void raise(int number, const QString& description);

// Removes leading and trailing U+0020 and U+3000 (never tabs or line breaks).
QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);

// The numeric value of a text: blanks (U+0020, U+3000, tab) skipped anywhere,
// an optional sign, decimal digits, an optional "." and digits; stops at the
// first other character; no number gives 0. No hex, no exponent.
// "1 2" -> 12, "-5x" -> -5, " 3" -> 3, "" -> 0, "2.5" -> 2.5.
double Val(const QString& s);

// Storing a value into a 16-bit Integer / 32-bit Long field: rounds half to
// even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); out of range raises overflow (6).
std::int16_t CInt(double v);
std::int32_t CLng(double v);
// Same for a text: CInt(Val(s)), CLng(Val(s)).
std::int16_t CIntText(const QString& s);
std::int32_t CLngText(const QString& s);

// Number patterns: "0", "00", "000", "00000", "0.00", "0.000", "0000.00",
// "#,##0" and the like. Rounds half away from zero on the decimal value of v
// (taken with 15 significant digits, as the classic runtime does), so
// Format(1.125, "0.00") == "1.13" and Format(2.5, "0") == "3". Numbers longer
// than the pattern print whole; negatives get "-".
QString Format(double v, const QString& pattern);
// Exact variant for a fraction num/den (den != 0): the decimal quotient is
// rounded half away from zero at the pattern's decimals with integer
// arithmetic only. Format(125, 100, "0.0") == "1.3".
QString FormatRatio(std::int64_t num, std::int64_t den, const QString& pattern);
// Text patterns: "@@" right-aligns the text in a field of that many
// characters (longer texts print whole); "!@@" left-aligns.
QString FormatText(const QString& s, const QString& pattern);

// 1-based helpers counting UTF-16 code units, as the classic runtime does.
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);
QString Mid(const QString& s, int start1, int length = -1);
int InStr(const QString& s, const QString& find, int start1 = 1);   // 0 = not found
int Len(const QString& s);

// Binary (code unit) comparison: -1, 0, 1.
int StrComp(const QString& a, const QString& b);

}  // namespace vb

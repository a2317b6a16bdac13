// Conversions of the grid's variant arguments with the classic runtime's
// rules: numbers round half to even into integers, True is -1, a text that
// holds a number converts, any other text is a type mismatch (vb::VbError 13).
// Empty (an invalid QVariant) converts to 0 / "" / False.
#pragma once

#include <QString>
#include <QVariant>

namespace mg {

// The value as a number; throws a type mismatch for a non-numeric text.
double toNumber(const QVariant& v);
// 32-bit and 16-bit integers, half to even; overflow raises error 6.
int toLong(const QVariant& v);
int toInteger(const QVariant& v);
// A float of the font-size kind.
double toSingle(const QVariant& v);
bool toBool(const QVariant& v);
QString toStr(const QVariant& v);
// A colour number: an OLE colour or a system colour, given as a signed or
// an unsigned 32-bit value.
quint32 toColor(const QVariant& v);
// Variant inequality: numbers by value, texts exactly.
bool notEqual(const QVariant& a, const QVariant& b);

}  // namespace mg

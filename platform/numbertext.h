#pragma once

#include <QString>

// Numbers travel through captions as text; these are the two text forms and
// the lenient reading back.
namespace platform {

// Digits alone: 7 -> "7", -3 -> "-3".
QString plainNumber(long long value);

// One blank before a number that is not negative: 7 -> " 7", -3 -> "-3".
QString blankLedNumber(long long value);

// Numeric value of a text: leading blanks skipped, an optional sign, then
// as many digits as follow; anything else ends the number. "" gives 0.
double numericValue(const QString& text);

} // namespace platform

#pragma once

#include <QString>

// The two text forms in which numbers are shown.
namespace platform {

// Digits alone: 7 -> "7", -3 -> "-3".
QString plainNumber(long long value);

// One blank before a number that is not negative: 7 -> " 7", -3 -> "-3".
QString blankLedNumber(long long value);

} // namespace platform

#include "numbertext.h"

namespace platform {

QString plainNumber(long long value) { return QString::number(value); }

QString blankLedNumber(long long value)
{
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

} // namespace platform

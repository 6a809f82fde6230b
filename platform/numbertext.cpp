#include "numbertext.h"

namespace platform {

QString plainNumber(long long value) { return QString::number(value); }

QString blankLedNumber(long long value)
{
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

double numericValue(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;
    double sign = 1.0;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-') sign = -1.0;
        ++i;
    }
    double value = 0.0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10.0 + (text[i].unicode() - u'0');
        ++i;
    }
    return sign * value;
}

} // namespace platform

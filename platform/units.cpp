#include "units.h"

#include <QStringList>

#include <cmath>

namespace platform {

namespace {

// Metric twins for machines without the design's fonts. Fontconfig alone would
// give the wider DejaVu Sans for "MS Sans Serif", and the status line would not fit.
QString metricTwin(const QString& family)
{
    if (family == QLatin1String("MS Sans Serif")) return QStringLiteral("Liberation Sans");
    if (family == QLatin1String("Courier New")) return QStringLiteral("Liberation Mono");
    if (family == QLatin1String("Verdana")) return QStringLiteral("DejaVu Sans");
    return family;
}

} // namespace

QFont designFont(const QString& family, double points, bool bold)
{
    QFont font;
    font.setFamilies({family, metricTwin(family)});
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

} // namespace platform

#include "units.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace platform {

namespace {

// Metric twins for machines without the design's fonts. Fontconfig alone would
// give the wider DejaVu Sans for "MS Sans Serif", and the status line would not fit.
QString metricTwin(const QString& family)
{
    if (family == kSansSerif) return QStringLiteral("Liberation Sans");
    if (family == kCourierNew) return QStringLiteral("Liberation Mono");
    if (family == kVerdana) return QStringLiteral("DejaVu Sans");
    return family;
}

} // namespace

QFont designFont(const QString& family, double points, bool bold)
{
    // A family the machine lacks is left out: Qt would ask fontconfig for a substitute for it at its first
    // use, a costly search that the twin makes useless. Fonts are not installed while the program runs.
    static const QStringList installed = QFontDatabase::families();
    QFont font;
    if (installed.contains(family, Qt::CaseInsensitive))
        font.setFamilies({family, metricTwin(family)});
    else
        font.setFamily(metricTwin(family));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

} // namespace platform

#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

// Layout figures are kept in twips, as the window designs give them; Qt's own
// high-DPI scaling takes the logical pixels from there to the device.
namespace platform {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

inline QPoint twipsPoint(int x, int y) { return {px(x), px(y)}; }

// The font families the windows are designed in.
inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kVerdana = QStringLiteral("Verdana");
inline const QString kCourierNew = QStringLiteral("Courier New");

// Point sizes become pixel sizes at the design's 96 dpi, so text keeps its
// proportion to the twips layout whatever DPI the display reports.
QFont designFont(const QString& family, double points, bool bold = true);

} // namespace platform

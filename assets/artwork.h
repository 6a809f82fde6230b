#pragma once

#include "platform/picture.h"

#include <QIcon>
#include <QRectF>
#include <QString>

class QPainter;

// The program's pictures, all vector, so they stay sharp at any scaling.
namespace artwork {

// A die face 1..9: white, rounded, black outline and pips, filling its box; titled by its number.
platform::Picture dieFace(int face);

// The game's own icon, for every window's title bar and the task bar: drawn afresh at each size it is asked for.
QIcon programIcon();

// A 32 x 32 icon from the program's resources, by its file name without ending; title as for svgIcon.
platform::Picture icon(const char* name, const QString& title = {});
// A 32 x 32 picture from the program's resources, by its full resource path.
platform::Picture svgIcon(const QString& resourcePath, const QString& title = {});

} // namespace artwork

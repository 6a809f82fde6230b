#pragma once

#include <QColor>
#include <QString>

class QWidget;

// "r,g,b", or "clear" for no colour of its own.
QString rgb(const QColor& c);

// A control as the player sees it, in the window design's terms: twips, RGB colours, points,
// caption, alignment, frame, and for a picture box its printed lines.
QString look(QWidget* c);

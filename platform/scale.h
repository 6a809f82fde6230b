#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

class QWidget;

// Windows are designed in twips at 100 %; zoom and full screen draw them larger. A control keeps its
// design rectangle and font, and takes its pixels from them at the window's scale.
namespace platform {

struct Scale {
    double factor = 1.0;
    // Where the design's top left corner stands in the window: the margin of a window larger than its design.
    QPoint offset;

    int length(int twips) const;
    QPoint point(QPoint twips) const;
    QRect rect(QRect twips) const;
    QFont font(QFont designFont) const;
    // A length in pixels at this scale, back in twips.
    int twipsOf(int pixels) const;
};

// The scale a control is drawn at: its window's, with the window's margin for what is drawn in the window's own
// coordinates (the window and its direct controls).
Scale scaleOf(const QWidget* control);

// Sets the window's scale and brings every control to it. The window's size is its caller's affair.
void setScale(QWidget* window, const Scale& scale);

// Places a control at a rectangle in twips, now and at every later scale.
void placeAt(QWidget* control, QRect twips);
QRect designRect(const QWidget* control);

// A window's client size in twips at 100 %.
void setDesignSize(QWidget* window, QSize twips);
QSize designSize(const QWidget* window);

// Gives a control a font of the design, now and at every later scale.
void setDesignFont(QWidget* control, const QFont& font);

// A control that draws itself from design figures of its own, told when its window's scale changes.
class Scaled {
public:
    virtual void rescale() = 0;

protected:
    ~Scaled() = default;
};

} // namespace platform

#pragma once

#include "picture.h"

#include <QColor>
#include <QHash>
#include <QLine>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

// A window's controls described as its design lists them, one row each, and built from that table.
namespace platform {

// A font as the designs name it; an empty family keeps the window's own font.
struct DesignFont {
    QString family;
    double points = 0;
    bool bold = true;
    bool italic = false;
};

// What a control shows beyond its colours, as bits of ControlSpec::look.
namespace look {
inline constexpr int kSunken = 1;          // the single sunken border of a framed label
inline constexpr int kOneLine = 2;         // a caption on one line, ending in "…" where it does not fit
inline constexpr int kHand = 4;            // the pointing hand of something to click
inline constexpr int kHidden = 8;          // not shown at the start
inline constexpr int kClickThrough = 16;   // lettering that lets clicks pass to what lies under it
inline constexpr int kNamedByPicture = 32; // a picture named by its title alone, as tooltip and for screen readers
} // namespace look

// One control of a window: its kind, the window's name for it, and the values of the design.
struct ControlSpec {
    enum class Kind { Label, Picture, Button, Frame, RoundedFrame, Line, List, Slider, CheckBox, TextBox };
    Kind kind = Kind::Label;
    // The window's name for the control, to find it again; kDecoration for one it never touches.
    int role = kDecoration;
    const char* name = "";
    // Left, top, width and height; a line runs along `line` instead.
    QRect twips;
    DesignFont font;
    // The back (a frame's fill); invalid: none of its own.
    QColor back;
    // Text (also what is printed on a picture), a frame's border or a line's colour; invalid for a frame: no border.
    QColor fore;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    int look = 0;
    QString caption;
    // Tooltip and screen-reader name; a changing caption or picture is named by it, as "Würfel 1: 5".
    QString spoken;
    // A screen-reader name alone, for a caption that would be read badly ("A u f g a b e n").
    QString readAs;
    Picture picture;
    QLine line;
    int lineWidth = 1;
    // The role of the control it stands in, when it is not the window.
    int inside = kDecoration;

    static constexpr int kDecoration = -1;
};

using Design = QList<ControlSpec>;

// The controls a design built, found by their role.
class Controls {
public:
    template <typename T> T* at(int role) const
    {
        auto* found = qobject_cast<T*>(byRole_.value(role));
        Q_ASSERT(found);
        return found;
    }
    void add(int role, QWidget* control) { byRole_.insert(role, control); }

private:
    QHash<int, QWidget*> byRole_;
};

// Builds every control of the design on the window, in the table's order: later rows stack above earlier ones.
Controls buildControls(QWidget* window, const Design& design);

} // namespace platform

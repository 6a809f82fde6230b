#pragma once

#include <QColor>

namespace platform {

// The 16-colour palette of the design, indices 0..15; other indices give black.
QColor QBColor(int index);

// Colours that several windows share.
inline const QColor kNavy{0, 0, 128};
inline const QColor kLightGrey{224, 224, 224};
inline const QColor kFrameGrey{128, 128, 128};

} // namespace platform

#pragma once

#include <QColor>

namespace platform {

// The 16-colour palette of the design, indices 0..15; other indices give black.
QColor paletteColor(int index);

// The windows' colours, one name for each.
inline const QColor kNavy{0, 0, 128};
inline const QColor kBlue{0, 0, 255};
inline const QColor kDeepBlue{0, 0, 192};
inline const QColor kRed{255, 0, 0};
inline const QColor kGreen{0, 128, 0};
inline const QColor kSilver{192, 192, 192};
// The windows' grey background.
inline const QColor kLightGrey{224, 224, 224};
inline const QColor kFrameGrey{128, 128, 128};

} // namespace platform

#pragma once

#include <QColor>

namespace platform {

// The 16-colour palette of the design, indices 0..15; other indices give black.
QColor QBColor(int index);

} // namespace platform

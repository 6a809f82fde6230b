#include "clock.h"

#include <QTime>

namespace platform {

double SystemClock::secondsSinceMidnight() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

} // namespace platform

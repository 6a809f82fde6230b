#include "clock.h"

#include <QTime>

namespace platform {

double SystemClock::Timer() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

} // namespace platform

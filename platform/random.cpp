#include "random.h"

#include "clock.h"

#include <bit>

namespace platform {

StdRandom::StdRandom() : engine_(std::random_device{}()) {}

void StdRandom::seed(double value) { engine_.seed(std::bit_cast<std::uint64_t>(value)); }

double StdRandom::uniform()
{
    // 53 random bits give every double in [0, 1) on the grid 2^-53, never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void reseedFromClock(Random& random, const Clock& clock) { random.seed(clock.secondsSinceMidnight()); }

} // namespace platform

#pragma once

#include <cstdint>
#include <random>

namespace platform {

class Clock;

// The program's one random generator.
class Random {
public:
    virtual ~Random() = default;
    virtual void seed(double value) = 0;
    // Uniform in [0, 1).
    virtual double uniform() = 0;

    // A whole number from low to high, each as likely: the uniform draw scaled and cut down.
    int between(int low, int high) { return static_cast<int>(uniform() * (high - low + 1)) + low; }
};

class StdRandom final : public Random {
public:
    // Starts from an unpredictable state, so each run draws differently until it is seeded.
    StdRandom();
    void seed(double value) override;
    double uniform() override;

private:
    std::mt19937_64 engine_;
};

// Seeds the generator from the clock's seconds since midnight.
void reseedFromClock(Random& random, const Clock& clock);

} // namespace platform

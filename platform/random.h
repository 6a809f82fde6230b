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
    virtual double Rnd() = 0;

    // Int(Rnd * n) + k: a whole number from k to k + n - 1.
    int wholeNumber(int n, int k);
};

class StdRandom final : public Random {
public:
    // Starts from an unpredictable state, so each run draws differently until it is seeded.
    StdRandom();
    void seed(double value) override;
    double Rnd() override;

private:
    std::mt19937_64 engine_;
};

// Seeds the generator from the clock's seconds since midnight.
void Randomize(Random& random, const Clock& clock);

} // namespace platform

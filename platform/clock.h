#pragma once

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with fractions.
    virtual double Timer() const = 0;
};

class SystemClock final : public Clock {
public:
    double Timer() const override;
};

} // namespace platform

#pragma once
// The high-resolution counter that frame timing reads, behind an interface so
// tests can drive time by hand. It only reads: whoever drives the frames does
// the waiting, in its own way.

#include <cstdint>

namespace quor {

class tick_clock {
public:
    virtual ~tick_clock() = default;
    // The counter now, in ticks.
    virtual std::int64_t now() = 0;
    // Ticks per second; always positive.
    virtual std::int64_t frequency() const = 0;
};

// std::chrono::steady_clock counted in nanoseconds.
class steady_tick_clock final : public tick_clock {
public:
    std::int64_t now() override;
    std::int64_t frequency() const override { return 1'000'000'000; }
};

}  // namespace quor

#pragma once
// A tick_clock whose time moves only when told: by hand, by sleeping, or by a
// fixed amount on every reading (so that a loop spinning on the clock ends).

#include <chrono>
#include <cstdint>

#include "platform/tick_clock.h"

namespace quor {

class fake_tick_clock final : public tick_clock {
public:
    explicit fake_tick_clock(std::int64_t frequency = 1'000'000, std::int64_t start = 0)
        : frequency_(frequency), ticks_(start) {}

    std::int64_t now() override
    {
        const std::int64_t reading = ticks_;
        ticks_ += ticks_per_reading_;
        return reading;
    }
    std::int64_t frequency() const override { return frequency_; }
    // What a front end waiting on this clock does: time moves on by the duration.
    void sleep_for(std::chrono::nanoseconds duration)
    {
        ++sleep_count_;
        ticks_ += duration.count() * frequency_ / 1'000'000'000;
    }

    void set_now(std::int64_t ticks) { ticks_ = ticks; }
    void advance(std::int64_t ticks) { ticks_ += ticks; }
    void advance_seconds(double seconds) { ticks_ += static_cast<std::int64_t>(seconds * frequency_); }
    void set_ticks_per_reading(std::int64_t ticks) { ticks_per_reading_ = ticks; }
    int sleep_count() const { return sleep_count_; }

private:
    std::int64_t frequency_;  // ticks per second
    std::int64_t ticks_;
    std::int64_t ticks_per_reading_ = 0;
    int sleep_count_ = 0;
};

}  // namespace quor

#pragma once
// Interval timing on the high-resolution counter.
//
// The counter is taken to count modulo 2^63, the non-negative range of a signed
// 64-bit value. When the stop reading is not after the start reading the
// counter is taken to have wrapped, so the interval is 2^63 minus the backward
// distance; equal readings are one full wrap of 2^63 ticks, never 0, so a rate
// taken as 1 / elapsed time is never a division by zero (it comes out close to 0).

#include <cstdint>

#include "platform/tick_clock.h"

namespace quor {

class frame_timer {
public:
    // Reads the clock's frequency once. The clock must outlive the timer.
    explicit frame_timer(tick_clock& clock);

    // Reads the counter into the stop mark and copies it to the start mark.
    void start_timing();
    // Reads the counter into the stop mark.
    void stop_timing();
    // Seconds from the start mark to the stop mark.
    double elapsed_time() const;
    // Seconds from the start mark to now; the stop mark is left as it was.
    double time_so_far();

    std::int64_t counter_frequency() const { return counter_frequency_; }
    std::int64_t start_mark() const { return start_mark_; }
    std::int64_t stop_mark() const { return stop_mark_; }
    tick_clock& clock() { return clock_; }

private:
    tick_clock& clock_;
    std::int64_t counter_frequency_;  // ticks per second
    std::int64_t start_mark_ = 0;     // 0 until the first start_timing
    std::int64_t stop_mark_ = 0;
};

// Seconds between two counter readings, with the wrap rule above.
double elapsed_seconds(std::int64_t start, std::int64_t stop, std::int64_t frequency);

}  // namespace quor

#include "shell/frame_timer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "shell/frame_speed.h"
#include "support/fake_tick_clock.h"

namespace quor {
namespace {

constexpr double two_to_63 = 9223372036854775808.0;

TEST(FrameTimer, ElapsedTimeCountsNonAdvancingReadingsAsWraps)
{
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    struct Case {
        std::int64_t start;
        std::int64_t stop;
        double seconds;  // at 1000 ticks a second
    };
    const Case cases[] = {
        {100, 250, 0.15},
        {0, 1, 0.001},
        {42, 42, two_to_63 / 1000},            // equal readings: a full wrap
        {max - 9, 5, 15.0 / 1000},             // wrapped past the top
        {max, 0, 1.0 / 1000},
        {-(max / 2) - 1, max / 2 + 1, two_to_63 / 1000},  // no signed overflow
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(elapsed_seconds(c.start, c.stop, 1000), c.seconds) << c.start << " to " << c.stop;
}

TEST(FrameTimer, TimeSoFarLeavesTheStopMark)
{
    fake_tick_clock clock(1000, 5000);
    frame_timer timer(clock);
    EXPECT_EQ(timer.start_mark(), 0);

    timer.start_timing();
    EXPECT_EQ(timer.start_mark(), 5000);
    EXPECT_EQ(timer.stop_mark(), 5000);
    clock.advance(30);
    timer.stop_timing();
    clock.advance(70);
    EXPECT_DOUBLE_EQ(timer.time_so_far(), 0.1);
    EXPECT_EQ(timer.stop_mark(), 5030);
    EXPECT_DOUBLE_EQ(timer.elapsed_time(), 0.03);

    // Equal readings: the reciprocal is a rate near 0, not a division by zero.
    timer.start_timing();
    timer.stop_timing();
    EXPECT_DOUBLE_EQ(timer.elapsed_time(), two_to_63 / 1000);
    EXPECT_LT(1.0 / timer.elapsed_time(), 1e-15);
}

TEST(FrameTimer, RejectsAClockWithoutFrequency)
{
    fake_tick_clock clock(0);
    EXPECT_THROW(frame_timer{clock}, std::invalid_argument);
}

TEST(FrameSpeed, EachRateWeighsOneOverTheSampleCount)
{
    frame_speed_obj speed;
    speed.reset(100.0);
    EXPECT_EQ(speed.average, 0.0);
    speed.average = 50.0;
    EXPECT_DOUBLE_EQ(speed.update(150.0), 51.0);
    EXPECT_DOUBLE_EQ(speed.average, 51.0);

    speed.reset(0.0);  // would divide by zero
    EXPECT_DOUBLE_EQ(speed.update(30.0), 30.0);
}

}  // namespace
}  // namespace quor

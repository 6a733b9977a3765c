#include "shell/frame_regulator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "support/fake_tick_clock.h"

namespace quor {
namespace {

constexpr std::int64_t ticks_per_second = 1'000'000;

// A clock that has run for a while, and moves 20 microseconds per reading so a
// spinning wait ends.
struct RegulatorTest : ::testing::Test {
    RegulatorTest() { clock.set_ticks_per_reading(20); }

    // One frame whose step takes `step_seconds`, after waiting as a front end
    // does: for as long as the regulator asks, and again if it still asks.
    double run_frame(bool fix_speed, double step_seconds)
    {
        if (fix_speed) {
            for (double wait = regulator.seconds_until_slot(); wait > 0.0; wait = regulator.seconds_until_slot())
                clock.sleep_for(std::chrono::nanoseconds(static_cast<std::int64_t>(wait * 1e9)));
        }
        return regulator.run_frame(fix_speed, [&] { clock.advance_seconds(step_seconds); });
    }

    // Runs frames whose step takes `step_seconds`; returns the start marks.
    std::vector<std::int64_t> run_frames(int count, bool fix_speed, double step_seconds)
    {
        std::vector<std::int64_t> starts;
        for (int frame = 0; frame < count; ++frame) {
            run_frame(fix_speed, step_seconds);
            starts.push_back(regulator.timer().start_mark());
        }
        return starts;
    }

    fake_tick_clock clock{ticks_per_second, 500 * ticks_per_second};
    frame_regulator regulator{clock};
};

TEST_F(RegulatorTest, RestartSetsPeriodAverageAndClearsTheWaitFlag)
{
    regulator.restart(25);
    EXPECT_DOUBLE_EQ(regulator.frame_period(), 0.04);
    EXPECT_DOUBLE_EQ(regulator.speed().average, 25.0);
    EXPECT_FALSE(regulator.had_to_wait());
    EXPECT_THROW(regulator.restart(0), std::invalid_argument);
}

TEST_F(RegulatorTest, FastFramesWaitForTheirSlot)
{
    regulator.restart(25);
    const std::vector<std::int64_t> starts = run_frames(50, true, 0.005);
    for (std::size_t frame = 2; frame < starts.size(); ++frame) {
        EXPECT_GE(starts[frame] - starts[frame - 1], 40'000);
        EXPECT_LT(starts[frame] - starts[frame - 1], 40'100);  // spinning ends close to the slot
    }
    EXPECT_TRUE(regulator.had_to_wait());
    EXPECT_GT(clock.sleep_count(), 0);
    // The rate fed is the one achieved, slot to slot.
    EXPECT_NEAR(run_frame(true, 0.005), 25.0, 0.1);
}

TEST_F(RegulatorTest, SlowFramesStartAtOnce)
{
    regulator.restart(25);
    run_frames(1, true, 0.060);
    const int sleeps = clock.sleep_count();
    const double rate = run_frame(true, 0.060);
    EXPECT_FALSE(regulator.had_to_wait());
    EXPECT_EQ(clock.sleep_count(), sleeps);
    EXPECT_NEAR(rate, 1.0 / 0.060, 0.1);
}

TEST_F(RegulatorTest, FirstRegulatedFrameMeasuresFromZero)
{
    regulator.restart(25);
    const double rate = run_frame(true, 0.0);
    EXPECT_FALSE(regulator.had_to_wait());
    EXPECT_EQ(clock.sleep_count(), 0);
    EXPECT_NEAR(rate, 1.0 / 500.0, 1e-6);
}

TEST_F(RegulatorTest, UnregulatedRateCountsTheStepAlone)
{
    clock.set_ticks_per_reading(0);
    regulator.restart(25);
    const std::vector<std::int64_t> starts = run_frames(3, false, 0.004);
    EXPECT_EQ(starts[2] - starts[1], 4'000);  // no waiting for a slot
    EXPECT_EQ(clock.sleep_count(), 0);
    EXPECT_DOUBLE_EQ(run_frame(false, 0.004), 250.0);

    // A step the counter cannot resolve feeds a rate near 0, not infinity.
    EXPECT_LT(run_frame(false, 0.0), 1e-9);
}

}  // namespace
}  // namespace quor

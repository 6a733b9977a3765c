#include "shell/refresh_pacer.h"

#include "support/fake_tick_clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quor {
namespace {

TEST(RefreshPacer, ARateNoDisplayHasGivesSixtyHertz) {
    fake_tick_clock clock;
    const struct {
        double read;
        double used;
    } rows[] = {{0.0, 60.0},   {-75.0, 60.0}, {std::nan(""), 60.0}, {std::numeric_limits<double>::infinity(), 60.0},
                {5000.0, 60.0}, {59.94, 59.94}, {144.0, 144.0}};
    for (const auto& row : rows) EXPECT_EQ(refresh_pacer(clock, row.read).refresh_rate(), row.used) << row.read;
}

TEST(RefreshPacer, FramesKeepASteadyBeatAndASlowOneDoesNotBringABurst) {
    fake_tick_clock clock(1'000'000);
    refresh_pacer pacer(clock, 50.0);  // 20 ms
    EXPECT_EQ(pacer.seconds_until_due(), 0.0);
    pacer.frame_ran();
    EXPECT_DOUBLE_EQ(pacer.seconds_until_due(), 0.020);
    // A frame that starts 5 ms late keeps the beat: the next is due 15 ms later.
    clock.advance(25'000);
    EXPECT_EQ(pacer.seconds_until_due(), 0.0);
    pacer.frame_ran();
    EXPECT_DOUBLE_EQ(pacer.seconds_until_due(), 0.015);
    // After a long stall the beat starts again from now, one frame at a time.
    clock.advance(200'000);
    pacer.frame_ran();
    EXPECT_DOUBLE_EQ(pacer.seconds_until_due(), 0.020);
}

}  // namespace
}  // namespace quor

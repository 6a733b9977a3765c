#pragma once
// Frame-speed regulation: with speed fixing on, a frame starts no earlier than
// one frame period after the last one started, so the average is the rate
// actually achieved; with it off, the average is the rate the engine step alone
// would allow. The regulator never waits itself: it says how long until the
// slot, and whoever drives the frames waits (a timer, the display, a test's
// clock) and asks again.

#include "shell/frame_speed.h"
#include "shell/frame_timer.h"
#include "platform/tick_clock.h"

namespace quor {

class frame_regulator {
public:
    // The average starts reset with an averaging length of 100 frames.
    explicit frame_regulator(tick_clock& clock);

    // At every (re)start of the animation: frame period := 1 / designed speed,
    // average := designed speed, had_to_wait := false. Throws
    // std::invalid_argument for a designed speed below 1.
    void restart(int designed_speed);

    // With speed fixing on: seconds until a frame period has passed since the
    // last frame started, 0 when it has. A wait it asks for counts as waiting
    // for the slot.
    double seconds_until_slot();

    // One frame: time `step` and feed the average. With `fix_speed` the frame
    // time is the time since the last frame started, and had_to_wait tells
    // whether the slot was waited for. Returns the rate fed.
    template <typename Step>
    double run_frame(bool fix_speed, Step&& step)
    {
        const double frame_time = fix_speed ? take_slot() : 0.0;
        timer_.start_timing();
        step();
        timer_.stop_timing();
        const double rate = 1.0 / (fix_speed ? frame_time : timer_.elapsed_time());
        speed_.update(rate);
        return rate;
    }

    double frame_period() const { return frame_period_; }
    // The last regulated frame waited for its slot: the machine could go faster.
    bool had_to_wait() const { return had_to_wait_; }
    frame_speed_obj& speed() { return speed_; }
    const frame_speed_obj& speed() const { return speed_; }
    frame_timer& timer() { return timer_; }
    const frame_timer& timer() const { return timer_; }

private:
    // The slot has come: records whether it was waited for and returns the
    // frame time.
    double take_slot();

    frame_timer timer_;
    frame_speed_obj speed_;
    double frame_period_ = 1.0;  // seconds per frame
    bool had_to_wait_ = false;
    bool waited_ = false;        // a wait was asked for since the last frame
};

}  // namespace quor

#pragma once
// Frame-speed regulation: with speed fixing on, a frame waits for its time
// slot, so frames start at least one frame period apart and the average is
// the rate actually achieved; with it off, the average is the rate the engine
// step alone would allow.

#include "platform/tick_clock.h"
#include "shell/frame_speed.h"
#include "shell/frame_timer.h"

namespace quor {

class frame_regulator {
public:
    // The average starts reset with an averaging length of 100 frames.
    explicit frame_regulator(tick_clock& clock);

    // At every (re)start of the animation: frame period := 1 / designed speed,
    // average := designed speed, had_to_wait := false. Throws
    // std::invalid_argument for a designed speed below 1.
    void restart(int designed_speed);

    // One frame: wait for the slot when `fix_speed`, time `step`, feed the
    // average. Returns the rate fed.
    template <typename Step>
    double run_frame(bool fix_speed, Step&& step)
    {
        const double frame_time = fix_speed ? wait_for_slot() : 0.0;
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

private:
    // Waits until a frame period has passed since the last start_timing and
    // returns the time that has passed: the frame time.
    double wait_for_slot();

    frame_timer timer_;
    frame_speed_obj speed_;
    double frame_period_ = 1.0;  // seconds per frame
    bool had_to_wait_ = false;
};

}  // namespace quor

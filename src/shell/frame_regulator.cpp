#include "shell/frame_regulator.h"

#include <chrono>
#include <stdexcept>

namespace quor {

namespace {

// Sleep in short slices while more than this remains, and spin only for the
// rest so the frame starts close to its slot. Sleeping here is accurate to well
// under a millisecond, so a short spin keeps the slot without holding a core
// busy for most of every frame.
constexpr double spin_seconds = 0.002;
constexpr std::chrono::milliseconds sleep_slice{1};

}  // namespace

frame_regulator::frame_regulator(tick_clock& clock) : timer_(clock)
{
    speed_.reset(100.0);
}

void frame_regulator::restart(int designed_speed)
{
    if (designed_speed < 1)
        throw std::invalid_argument("The designed speed must be 1 or more");
    frame_period_ = 1.0 / designed_speed;
    speed_.average = designed_speed;
    had_to_wait_ = false;
}

double frame_regulator::wait_for_slot()
{
    had_to_wait_ = false;
    // The counter is read afresh for every comparison.
    while (timer_.time_so_far() < frame_period_) {
        if (frame_period_ - timer_.time_so_far() > spin_seconds)
            timer_.clock().sleep_for(sleep_slice);
        had_to_wait_ = true;
    }
    return timer_.time_so_far();
}

}  // namespace quor

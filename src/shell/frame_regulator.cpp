#include "shell/frame_regulator.h"

#include <stdexcept>

namespace quor {

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
    waited_ = false;
}

double frame_regulator::seconds_until_slot()
{
    const double remaining = frame_period_ - timer_.time_so_far();
    if (remaining <= 0.0) return 0.0;
    waited_ = true;
    return remaining;
}

double frame_regulator::take_slot()
{
    had_to_wait_ = waited_;
    waited_ = false;
    return timer_.time_so_far();
}

}  // namespace quor

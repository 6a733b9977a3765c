#include "shell/frame_speed.h"

namespace quor {

void frame_speed_obj::reset(double new_samples)
{
    average = 0.0;
    // Written so that NaN also falls back to 1.
    samples = new_samples >= 1.0 ? new_samples : 1.0;
}

double frame_speed_obj::update(double rate)
{
    average = average - average / samples;
    average = average + rate / samples;
    return average;
}

}  // namespace quor

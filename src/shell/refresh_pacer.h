#pragma once
// At most one frame per display refresh, on a steady beat: a front end whose
// frames are not regulated asks how long until the next refresh is due, waits
// that long in its own way, and reports each frame it ran.

#include "platform/tick_clock.h"

#include <cstdint>

namespace quor {

class refresh_pacer {
public:
    // Where the display's rate cannot be read.
    static constexpr double default_refresh_rate = 60.0;  // hertz

    // `refresh_rate` in hertz; 0 (unknown) or a rate no display has gives the default.
    refresh_pacer(tick_clock& clock, double refresh_rate);

    // 0 when a frame may run now; otherwise the seconds until the next refresh.
    double seconds_until_due();
    // A frame ran now: the next one is due one refresh after the last beat, or
    // one refresh from now when the frames fell behind by more than a refresh.
    void frame_ran();

    double refresh_rate() const { return refresh_rate_; }

private:
    tick_clock& clock_;
    double refresh_rate_;          // hertz
    std::int64_t period_ = 0;      // clock ticks
    std::int64_t next_due_ = 0;    // clock ticks
    bool started_ = false;
};

}  // namespace quor

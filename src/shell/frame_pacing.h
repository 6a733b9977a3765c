#pragma once
// When a session's frames run and when they are shown. With speed fixing on
// the regulation says when each frame runs, and faster frames than the
// display shows are shown at most once a refresh, the latest one; with it
// off, one frame runs and is shown each refresh. Every front end that shows
// frames on a display paces them here.

#include "platform/tick_clock.h"
#include "shell/animation_session.h"
#include "shell/refresh_pacer.h"

namespace quor {

class frame_pacing {
public:
    // `refresh_rate` in hertz, 0 when it cannot be read.
    frame_pacing(tick_clock& clock, double refresh_rate) : display_(clock, refresh_rate) {}

    // 0 when the session's next frame may run now; otherwise the seconds to wait.
    double seconds_until_frame(animation_session& session) {
        return session.fixed_speed() ? session.seconds_until_next_frame() : display_.seconds_until_due();
    }
    // A frame of the session ran: true when it is to be shown now.
    bool frame_ran(const animation_session& session) {
        if (session.fixed_speed() && display_.seconds_until_due() > 0.0) return false;
        display_.frame_ran();
        return true;
    }

    double refresh_rate() const { return display_.refresh_rate(); }

private:
    refresh_pacer display_;
};

}  // namespace quor

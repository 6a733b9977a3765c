#pragma once
// Auto-cycling: when it is on, a setting that has run longer than the minimum
// time ends with the chance 1 / (64 x the maximum time) in each frame, and at
// the first frame after the maximum time. The next setting is picked at
// random, among tagged settings only when the options say so. Every front end
// that cycles (the full-screen window, the screensaver module) runs this one rule.

#include "engine/uniform_random.h"
#include "platform/tick_clock.h"
#include "storage/options_controls.h"

#include <functional>

namespace quor {

struct auto_cycler_parts {
    const options_controls& options;  // Run_mode, cycle_tagged, min_seconds and max_seconds
    uniform_random& random;           // Random(64 x the maximum time), the shared generator
    tick_clock& clock;
    // Loads a random setting of the library into the settings form.
    std::function<void(bool tagged_only)> pick_random_setting;
    // Rebuilds the animation from the form.
    std::function<void()> restart_rings;
};

class auto_cycler {
public:
    // The current setting starts now. The parts must outlive the cycler.
    explicit auto_cycler(auto_cycler_parts parts);

    // A setting has started now (start-up, OK on the settings form).
    void setting_started();
    // One frame's check, for a frame that is neither paused nor under the
    // settings form: may pick a new setting and restart the rings.
    void frame();

    // Seconds on the clock when the current setting started.
    double last_cycle() const { return last_cycle_; }

private:
    double now();

    auto_cycler_parts parts_;
    double last_cycle_ = 0.0;  // seconds on the clock
    double check_time_ = 0.0;  // seconds on the clock, at the latest check
};

}  // namespace quor

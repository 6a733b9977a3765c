#include "shell/auto_cycler.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quor {

namespace {

// A setting ends with the chance 1 / (this x the maximum time) in each frame.
constexpr std::int64_t cycle_draws_per_second = 64;

}  // namespace

auto_cycler::auto_cycler(auto_cycler_parts parts) : parts_(std::move(parts)) { setting_started(); }

double auto_cycler::now() {
    return static_cast<double>(parts_.clock.now()) / static_cast<double>(parts_.clock.frequency());
}

void auto_cycler::setting_started() { last_cycle_ = now(); }

void auto_cycler::frame() {
    const options_controls& options = parts_.options;
    if (!options.Run_mode.checked()) return;
    check_time_ = now();
    const double elapsed = check_time_ - last_cycle_;
    if (options.min_seconds >= elapsed) return;
    if (elapsed <= options.max_seconds) {
        // 64 x the maximum time can exceed 32 bits for a hand-edited maximum.
        const std::int64_t draws = std::min<std::int64_t>(cycle_draws_per_second * options.max_seconds,
                                                          std::numeric_limits<std::int32_t>::max());
        if (parts_.random.next(static_cast<std::int32_t>(draws)) != 1) return;
    }
    parts_.pick_random_setting(options.cycle_tagged.checked());
    parts_.restart_rings();
    last_cycle_ = check_time_;
}

}  // namespace quor

#include "shell/refresh_pacer.h"

#include <algorithm>
#include <cmath>

namespace quor {

namespace {

// Rates beyond these are misreadings, not displays.
constexpr double lowest_refresh_rate = 10.0;    // hertz
constexpr double highest_refresh_rate = 1000.0;  // hertz

}  // namespace

refresh_pacer::refresh_pacer(tick_clock& clock, double refresh_rate)
    : clock_(clock),
      refresh_rate_(std::isfinite(refresh_rate) && refresh_rate >= lowest_refresh_rate &&
                            refresh_rate <= highest_refresh_rate
                        ? refresh_rate
                        : default_refresh_rate) {
    period_ = std::max<std::int64_t>(1, std::llround(static_cast<double>(clock_.frequency()) / refresh_rate_));
}

double refresh_pacer::seconds_until_due() {
    if (!started_) return 0.0;
    const std::int64_t remaining = next_due_ - clock_.now();
    return remaining > 0 ? static_cast<double>(remaining) / static_cast<double>(clock_.frequency()) : 0.0;
}

void refresh_pacer::frame_ran() {
    const std::int64_t now = clock_.now();
    next_due_ = started_ ? next_due_ + period_ : now + period_;
    // A slow frame or a long wait elsewhere: no burst of frames to catch up.
    if (next_due_ <= now) next_due_ = now + period_;
    started_ = true;
}

}  // namespace quor

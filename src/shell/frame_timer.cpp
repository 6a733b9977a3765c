#include "shell/frame_timer.h"

#include <stdexcept>

namespace quor {

double elapsed_seconds(std::int64_t start, std::int64_t stop, std::int64_t frequency)
{
    // Unsigned differences: exact for any two readings, where a signed
    // subtraction could overflow.
    const auto start_bits = static_cast<std::uint64_t>(start);
    const auto stop_bits = static_cast<std::uint64_t>(stop);
    std::uint64_t ticks = 0;
    if (start < stop) {
        ticks = stop_bits - start_bits;
    } else {
        constexpr std::uint64_t full_wrap = std::uint64_t{1} << 63;
        const std::uint64_t backward = (start_bits - stop_bits) % full_wrap;
        ticks = full_wrap - backward;
    }
    return static_cast<double>(static_cast<long double>(ticks) / frequency);
}

frame_timer::frame_timer(tick_clock& clock)
    : clock_(clock), counter_frequency_(clock.frequency())
{
    if (counter_frequency_ <= 0)
        throw std::invalid_argument("The frame timer's clock has no positive frequency");
}

void frame_timer::start_timing()
{
    stop_mark_ = clock_.now();
    start_mark_ = stop_mark_;
}

void frame_timer::stop_timing()
{
    stop_mark_ = clock_.now();
}

double frame_timer::elapsed_time() const
{
    return elapsed_seconds(start_mark_, stop_mark_, counter_frequency_);
}

double frame_timer::time_so_far()
{
    const std::int64_t saved = stop_mark_;
    stop_mark_ = clock_.now();
    const double result = elapsed_time();
    stop_mark_ = saved;
    return result;
}

}  // namespace quor

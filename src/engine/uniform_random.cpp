#include "engine/uniform_random.h"

namespace quor {

std::int32_t uniform_random::next(std::int32_t n)
{
    seed_ = seed_ * 134775813u + 1u;  // unsigned, so the wrap modulo 2^32 is defined
    if (n <= 0)
        return 0;
    const std::uint64_t product = std::uint64_t{seed_} * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> 32);
}

std::uint32_t time_of_day_seed(std::chrono::system_clock::time_point time)
{
    using namespace std::chrono;
    constexpr std::int64_t milliseconds_per_day = 24LL * 60 * 60 * 1000;
    const std::int64_t since_epoch = floor<milliseconds>(time.time_since_epoch()).count();
    // Floor modulo, so a time before the epoch still gives 0..day-1.
    std::int64_t of_day = since_epoch % milliseconds_per_day;
    if (of_day < 0)
        of_day += milliseconds_per_day;
    return static_cast<std::uint32_t>(of_day);
}

std::uint32_t current_time_of_day_seed()
{
    return time_of_day_seed(std::chrono::system_clock::now());
}

}  // namespace quor

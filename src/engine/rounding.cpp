#include "engine/rounding.h"

#include <cmath>
#include <limits>

namespace quor {

double round_half_even(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double fraction = value - lower;  // exact for any finite double
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::int32_t round_to_int(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = round_half_even(value);
    if (rounded <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (rounded >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

}  // namespace quor

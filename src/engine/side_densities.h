#pragma once
// How many sides a new ring gets: a draw from the weights of the ten density
// bars. The weight of n sides is minus the bar's position, so a bar at its Min
// (the top) weighs most and a bar at 0 not at all.

#include "engine/settings_controls.h"
#include "engine/uniform_random.h"

#include <array>
#include <cstdint>

namespace quor {

class side_densities {
public:
    // Running sums of the weights, each kept as its low 16 bits.
    void setup_densities(const settings_controls& form);

    // 1..10, or 0 when the drawn value is above every running sum (all weights 0).
    // Draws one Random(density_total).
    std::int32_t sides(uniform_random& random) const;

    std::array<std::uint16_t, 10> density_table{};  // cumulative weights, low 16 bits
    std::int32_t density_total = 0;                 // sum of the weights
};

}  // namespace quor

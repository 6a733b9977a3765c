#include "engine/side_densities.h"

namespace quor {

void side_densities::setup_densities(const settings_controls& form) {
    const scroll_bar* const bars[] = {&form.density1, &form.density2, &form.density3, &form.density4,
                                      &form.density5, &form.density6, &form.density7, &form.density8,
                                      &form.density9, &form.density10};
    // Unsigned, so that positions of a damaged setting wrap instead of overflowing.
    std::uint32_t total = 0;
    for (std::size_t n = 0; n < density_table.size(); ++n) {
        total -= static_cast<std::uint32_t>(bars[n]->position());
        density_table[n] = static_cast<std::uint16_t>(total);
    }
    density_total = static_cast<std::int32_t>(total);
}

std::int32_t side_densities::sides(uniform_random& random) const {
    const auto drawn = static_cast<std::uint16_t>(random.next(density_total) + 1);
    for (std::size_t n = 0; n < density_table.size(); ++n) {
        if (drawn <= density_table[n]) return static_cast<std::int32_t>(n + 1);
    }
    return 0;
}

}  // namespace quor

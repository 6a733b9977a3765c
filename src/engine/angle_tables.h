#pragma once
// The shared angle tables. Angles are counted in angle steps, 1/16384 of a full
// turn; a table index is always an angle taken modulo 16384 (its low 14 bits).

#include <array>
#include <cstdint>

namespace quor {

inline constexpr int angle_steps_per_turn = 16384;

struct angle_tables {
    std::array<double, angle_steps_per_turn> cos_table;  // cos(2 pi i / 16384)
    std::array<double, angle_steps_per_turn> sin_table;  // sin(2 pi i / 16384)
    // (tanh((i - 8192) * 6 / 16384) + 1) / 2: a smooth rise from about 0.0025 to about 0.9975.
    std::array<double, angle_steps_per_turn> ease_table;
    // vertex_step[n] = 16384 div n for n = 1..10; entry 0 is unused and 0.
    std::array<std::int32_t, 11> vertex_step;
};

// The one read-only set of tables, built on first use.
const angle_tables& shared_angle_tables();

// Builds the tables now, so that the first animated frame does not pay for it.
void init_angle_tables();

}  // namespace quor

#include "engine/angle_tables.h"

#include <cmath>
#include <memory>
#include <numbers>

namespace quor {

namespace {

std::unique_ptr<const angle_tables> build_angle_tables()
{
    auto tables = std::make_unique<angle_tables>();
    for (int i = 0; i < angle_steps_per_turn; ++i) {
        const double radians = 2.0 * std::numbers::pi * i / angle_steps_per_turn;
        tables->cos_table[i] = std::cos(radians);
        tables->sin_table[i] = std::sin(radians);
        tables->ease_table[i] = (std::tanh((i - 8192) * 6.0 / angle_steps_per_turn) + 1.0) / 2.0;
    }
    tables->vertex_step[0] = 0;
    for (int sides = 1; sides <= 10; ++sides)
        tables->vertex_step[sides] = angle_steps_per_turn / sides;
    return tables;
}

}  // namespace

const angle_tables& shared_angle_tables()
{
    static const std::unique_ptr<const angle_tables> tables = build_angle_tables();
    return *tables;
}

void init_angle_tables()
{
    shared_angle_tables();
}

}  // namespace quor

#include "engine/angle_tables.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(AngleTables, HoldTheQuarterTurnsTheEaseCurveAndTheVertexSteps)
{
    init_angle_tables();
    const angle_tables& tables = shared_angle_tables();
    EXPECT_EQ(&tables, &shared_angle_tables());

    EXPECT_EQ(tables.cos_table[0], 1.0);
    EXPECT_EQ(tables.sin_table[4096], 1.0);
    EXPECT_EQ(tables.cos_table[8192], -1.0);
    EXPECT_EQ(tables.sin_table[12288], -1.0);
    EXPECT_NEAR(tables.cos_table[2048], tables.sin_table[2048], 1e-15);

    EXPECT_NEAR(tables.ease_table[0], 0.0024726, 1e-7);
    EXPECT_EQ(tables.ease_table[8192], 0.5);
    EXPECT_NEAR(tables.ease_table[16383], 0.9975256, 1e-6);
    for (int i = 1; i < angle_steps_per_turn; ++i)
        ASSERT_GT(tables.ease_table[i], tables.ease_table[i - 1]) << i;

    const std::int32_t steps[] = {16384, 8192, 5461, 4096, 3276, 2730, 2340, 2048, 1820, 1638};
    for (int sides = 1; sides <= 10; ++sides)
        EXPECT_EQ(tables.vertex_step[sides], steps[sides - 1]) << sides;
}

}  // namespace
}  // namespace quor

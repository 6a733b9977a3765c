#include "shell/about_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace quor {
namespace {

constexpr double pi = std::numbers::pi;

about_image image_with_marks(std::initializer_list<std::pair<int, int>> cells) {
    about_image image{};
    for (const auto& [row, column] : cells) image[static_cast<std::size_t>(row) * about_image_columns + column] = 1;
    return image;
}

TEST(about_shapes, image_points_run_from_the_last_row_up_and_then_filler_follows) {
    const about_image image = image_with_marks({{0, 0}, {100, 5}, {383, 23}, {383, 1}});
    uniform_random random(7);
    about_shape shape;
    build_image_shape(shape, image, 7, random);

    const struct {
        int row, column;
        double colour;  // ((383 - row) mod 7) + 10
    } expected[] = {{383, 1, 10}, {383, 23, 10}, {100, 5, 13}, {0, 0, 15}};
    for (int j = 0; j < 4; ++j) {
        SCOPED_TRACE(j);
        const double along = expected[j].row * 2 * pi / 413.64;
        const double across = (expected[j].column - 11.5) * pi / 200;
        EXPECT_DOUBLE_EQ(shape[j].x, std::cos(along) * std::cos(across));
        EXPECT_DOUBLE_EQ(shape[j].y, std::sin(across));
        EXPECT_DOUBLE_EQ(shape[j].z, std::sin(along) * std::cos(across));
        EXPECT_EQ(shape[j].colour, expected[j].colour);
    }
    for (int j = 4; j < about_points_per_shape; ++j) {
        EXPECT_EQ(shape[j].colour, about_hidden_colour);
        EXPECT_NEAR(std::hypot(shape[j].x, shape[j].y, shape[j].z), 0.02, 1e-12);
    }
}

TEST(about_shapes, a_block_with_too_many_marks_keeps_the_first_2048_and_draws_no_filler) {
    about_image full;
    full.fill(1);
    uniform_random random(7);
    about_shape shape;
    build_image_shape(shape, full, 50, random);
    // 85 whole rows (383 down to 299) give 2040 points; the last 8 come from row 298.
    const double along = 298 * 2 * pi / 413.64;
    const double across = (7 - 11.5) * pi / 200;
    EXPECT_DOUBLE_EQ(shape[2047].x, std::cos(along) * std::cos(across));
    EXPECT_DOUBLE_EQ(shape[2047].y, std::sin(across));
    EXPECT_EQ(shape[2047].colour, (383 - 298) % 50 + 10);
    EXPECT_EQ(random.seed(), 7u);
}

TEST(about_shapes, filler_then_cube_draw_from_the_shared_generator_in_order) {
    about_images images;
    images.blocks[1] = image_with_marks({{10, 10}});
    auto shapes = std::make_unique<about_shape_table>();
    uniform_random random(2024);
    build_about_shapes(*shapes, images, 100, random);

    uniform_random expected(2024);
    auto filler = [&](const about_point& point) {
        const double u = expected(256) * 2 * pi / 255;  // a, then b
        const double v = expected(256) * 2 * pi / 255;
        EXPECT_DOUBLE_EQ(point.x, 0.02 * std::cos(u) * std::cos(v));
        EXPECT_DOUBLE_EQ(point.y, 0.02 * std::sin(v));
        EXPECT_DOUBLE_EQ(point.z, 0.02 * std::sin(u) * std::cos(v));
    };
    for (const about_point& point : (*shapes)[0]) filler(point);
    for (int j = 1; j < about_points_per_shape; ++j) filler((*shapes)[1][j]);
    for (const about_point& point : (*shapes)[2]) filler(point);
    for (const about_point& point : (*shapes)[3]) {
        const double x = expected(256) * 1.14 / 255 - 0.57;  // x, then z, then y
        const double z = expected(256) * 1.14 / 255 - 0.57;
        const double y = expected(256) * 1.14 / 255 - 0.57;
        ASSERT_EQ(point.x, x);
        ASSERT_EQ(point.y, y);
        ASSERT_EQ(point.z, z);
        EXPECT_EQ(point.colour, std::sqrt(x * x + y * y + z * z) / std::sqrt(3 * 0.57 * 0.57) * 100 + 10);
    }
    // The computed shapes draw nothing.
    EXPECT_EQ(random.seed(), expected.seed());
}

TEST(about_shapes, computed_shapes_fit_the_unit_sphere_and_use_the_animated_colours) {
    auto shapes = std::make_unique<about_shape_table>();
    uniform_random random(1);
    build_about_shapes(*shapes, {}, 236, random);
    for (int shape = 3; shape < about_shape_count; ++shape) {
        for (const about_point& point : (*shapes)[shape]) {
            EXPECT_LE(std::hypot(point.x, point.y, point.z), 1.0 + 1e-12);
            EXPECT_GE(point.colour, 10.0);
            EXPECT_LT(point.colour, 247.0);
        }
    }
    // Spheres: the outer point, then the inner one turned a quarter, in one colour.
    const about_point& outer = (*shapes)[4][0];
    const about_point& inner = (*shapes)[4][1];
    EXPECT_DOUBLE_EQ(inner.x, 0.5 * outer.x);
    EXPECT_DOUBLE_EQ(inner.y, 0.5 * outer.z);
    EXPECT_DOUBLE_EQ(inner.z, 0.5 * outer.y);
    EXPECT_EQ(outer.colour, inner.colour);
    // Rings: the second ring is the first turned into the x-z plane.
    const about_point& first = (*shapes)[5][6];
    const about_point& second = (*shapes)[5][7];
    EXPECT_EQ(first.x, second.x);
    EXPECT_EQ(first.y, second.z);
    EXPECT_EQ(first.z, second.y);
}

TEST(about_shapes, without_animated_colours_every_point_is_hidden) {
    auto shapes = std::make_unique<about_shape_table>();
    about_images images;
    images.blocks[0].fill(1);
    uniform_random random(3);
    build_about_shapes(*shapes, images, 0, random);
    for (const about_shape& shape : *shapes)
        for (const about_point& point : shape) ASSERT_EQ(point.colour, about_hidden_colour);
}

TEST(about_shapes, morph_steps_lead_each_shape_onto_the_next) {
    auto shapes = std::make_unique<about_shape_table>();
    about_images images;
    images.blocks[2] = image_with_marks({{5, 5}, {300, 20}});
    uniform_random random(11);
    build_about_shapes(*shapes, images, 60, random);
    compute_morph_steps(*shapes, 21);
    for (int shape = 0; shape < about_shape_count; ++shape) {
        const about_shape& next = (*shapes)[(shape + 1) % about_shape_count];
        for (int j : {0, 1, 2, 1000, 2047}) {
            const about_point& point = (*shapes)[shape][j];
            EXPECT_NEAR(point.x + 21 * point.dx, next[j].x, 1e-12);
            EXPECT_NEAR(point.y + 21 * point.dy, next[j].y, 1e-12);
            EXPECT_NEAR(point.z + 21 * point.dz, next[j].z, 1e-12);
            EXPECT_NEAR(point.colour + 21 * point.dcolour, next[j].colour, 1e-9);
        }
    }
}

}  // namespace
}  // namespace quor

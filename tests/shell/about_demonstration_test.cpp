#include "shell/about_demonstration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "engine/angle_tables.h"
#include "support/fake_tick_clock.h"

namespace quor {
namespace {

constexpr int palette_colours = 40;

// A palette whose animated entries 10..49 can be told apart.
logical_palette numbered_palette() {
    logical_palette palette = system_palette();
    for (int i = 0; i < animatable_colour_limit; ++i)
        palette.entries[10 + i] = {static_cast<std::uint8_t>(i % palette_colours), 0, 0, palette_entry_reserved};
    return palette;
}

// Images 0 and 1 marked in a sparse grid, so that shapes 0 and 1 have points to draw.
about_images test_images() {
    about_images images;
    for (int row = 0; row < about_image_rows; row += 3)
        for (int column = 2; column < 22; column += 4) images.blocks[0][row * about_image_columns + column] = 1;
    images.blocks[1] = images.blocks[0];
    return images;
}

class about_demonstration_test : public ::testing::Test {
protected:
    about_demonstration_test() {
        demonstration.FormCreate(test_images());
        demonstration.FormShow(numbered_palette(), palette_colours);
    }

    std::vector<std::uint8_t> pixels() const {
        const DIBsurfaceobject& surface = *demonstration.surface();
        return {surface.bits(), surface.bits() + surface.size_bytes()};
    }

    // (shape_index, morph_step) after each of `frames` frames.
    std::vector<std::pair<int, int>> sequence(int frames) {
        std::vector<std::pair<int, int>> seen;
        for (int frame = 0; frame < frames; ++frame) {
            demonstration.advance_and_draw();
            seen.emplace_back(demonstration.state.shape_index, demonstration.state.morph_step);
        }
        return seen;
    }

    fake_tick_clock clock{1'000'000'000};
    uniform_random random{99};
    about_demonstration demonstration{clock, random};
};

TEST_F(about_demonstration_test, controls_start_with_their_ranges_steps_and_positions) {
    const struct {
        const scroll_bar& bar;
        int minimum, maximum, large_change, position;
    } cases[] = {
        {demonstration.controls.x_rot, -50, 50, 10, 4},     {demonstration.controls.y_rot, -50, 50, 10, 20},
        {demonstration.controls.z_rot, -50, 50, 10, 3},     {demonstration.controls.persp, 1, 30, 5, 5},
        {demonstration.controls.cycle_speed, -10, 10, 5, 5}, {demonstration.controls.morph_sc, 0, 50, 10, 5},
        {demonstration.controls.pause_sc, 0, 400, 40, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bar.name());
        EXPECT_TRUE(c.bar.vertical());
        EXPECT_EQ(c.bar.minimum(), c.minimum);
        EXPECT_EQ(c.bar.maximum(), c.maximum);
        EXPECT_EQ(c.bar.large_change(), c.large_change);
        EXPECT_EQ(c.bar.position(), c.position);
    }
    // The showing took the controls' values.
    EXPECT_EQ(demonstration.state.morph_length, 51);
    EXPECT_EQ(demonstration.state.pause_length, 100);
    EXPECT_DOUBLE_EQ(demonstration.state.view_distance, 1.8);
    EXPECT_DOUBLE_EQ(demonstration.state.projection_scale, 180.0);
    EXPECT_EQ(demonstration.state.picture_centre_x, 186);
    EXPECT_EQ(demonstration.state.picture_centre_y, 154);
}

TEST_F(about_demonstration_test, morph_sc_at_0_switches_shapes_without_steps_between) {
    demonstration.controls.pause_sc.set_position(2);
    demonstration.controls.morph_sc.set_position(0);
    EXPECT_EQ(demonstration.state.morph_length, 1);
    const std::vector<std::pair<int, int>> expected = {{0, 0}, {1, 0}, {1, 0}, {2, 0}, {2, 0}, {3, 0}};
    EXPECT_EQ(sequence(6), expected);
}

TEST_F(about_demonstration_test, pause_sc_at_0_still_pauses_one_frame_on_each_shape) {
    demonstration.controls.pause_sc.set_position(0);
    demonstration.controls.morph_sc.set_position(0);
    EXPECT_EQ(sequence(3), (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}, {3, 0}}));

    demonstration.controls.morph_sc.set_position(1);  // 11 steps
    std::vector<std::pair<int, int>> expected;
    for (int step = 1; step <= 10; ++step) expected.emplace_back(3, step);
    expected.emplace_back(4, 0);  // reached, and shown still for this one frame
    expected.emplace_back(4, 1);
    EXPECT_EQ(sequence(12), expected);
}

TEST_F(about_demonstration_test, rotation_speeds_at_0_freeze_at_the_start_angles_and_negative_ones_turn_back) {
    const angle_tables& tables = shared_angle_tables();
    for (scroll_bar* bar : {&demonstration.controls.x_rot, &demonstration.controls.y_rot, &demonstration.controls.z_rot})
        bar->set_position(0);
    demonstration.advance_and_draw();
    const std::vector<std::uint8_t> first = pixels();
    for (int frame = 0; frame < 50; ++frame) demonstration.advance_and_draw();
    EXPECT_EQ(pixels(), first);
    const double c = tables.cos_table[512], s = tables.sin_table[512];
    const std::array<double, 9> frozen = {c, 0, s, s * s, c, -s * c, -c * s, s, c * c};
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(demonstration.rotation()[i], frozen[i], 1e-15) << i;

    // After 10 frames y_rot 20 has turned 800 steps one way, -20 the other,
    // past 0 into the top of the table (-288 is 16096).
    for (const auto& [speed, angle] : {std::pair{20, 1312}, std::pair{-20, 16096}}) {
        demonstration.controls.y_rot.set_position(speed);
        demonstration.state.frame_count = 9;
        demonstration.advance_and_draw();
        EXPECT_DOUBLE_EQ(demonstration.rotation()[0], tables.cos_table[angle]) << speed;
        EXPECT_DOUBLE_EQ(demonstration.rotation()[2], tables.sin_table[angle]) << speed;
    }

    // The frame count passes its largest value and the turn goes on smoothly:
    // (512 + 200 x (2^31 - 1)) mod 16384 is 312, and the next frame is 200 further.
    demonstration.controls.y_rot.set_position(50);
    demonstration.state.frame_count = std::numeric_limits<std::int32_t>::max() - 1;
    for (const int angle : {312, 512}) {
        demonstration.advance_and_draw();
        EXPECT_DOUBLE_EQ(demonstration.rotation()[0], tables.cos_table[angle]) << angle;
    }
}

TEST_F(about_demonstration_test, cycle_speed_turns_the_animated_entries_either_way) {
    const auto animated_reds = [&] {
        std::vector<int> reds;
        for (int i = 0; i < palette_colours; ++i) reds.push_back(demonstration.surface()->palette().entries[10 + i].red);
        return reds;
    };
    const std::vector<int> before = animated_reds();
    demonstration.controls.cycle_speed.set_position(0);
    demonstration.rotate_palette();
    EXPECT_EQ(animated_reds(), before);

    demonstration.controls.cycle_speed.set_position(-3);
    demonstration.rotate_palette();
    const std::vector<int> after = animated_reds();
    for (int i = 0; i < palette_colours; ++i) EXPECT_EQ(after[i], (i - 3 + palette_colours) % palette_colours) << i;
    // Entries past the animated ones and the presented colours follow.
    EXPECT_EQ(demonstration.surface()->palette().entries[10 + palette_colours].red, 0);
    EXPECT_EQ(demonstration.surface()->colours()[10], rgb32(demonstration.surface()->palette().entries[10]));
}

TEST_F(about_demonstration_test, stabilize_shows_shape_0_at_once_and_pauses_250_frames) {
    demonstration.state.shape_index = 3;
    demonstration.state.pause_count = -1;
    demonstration.state.morph_step = 7;
    demonstration.controls.Button1.click();

    EXPECT_EQ(demonstration.controls.Button1.caption(), "Stabilize");
    const struct {
        const scroll_bar& bar;
        int position;
    } positions[] = {{demonstration.controls.x_rot, 0},       {demonstration.controls.y_rot, 20},
                     {demonstration.controls.z_rot, 0},       {demonstration.controls.persp, 5},
                     {demonstration.controls.cycle_speed, 5}, {demonstration.controls.pause_sc, 250},
                     {demonstration.controls.morph_sc, 10}};
    for (const auto& p : positions) EXPECT_EQ(p.bar.position(), p.position) << p.bar.name();
    EXPECT_EQ(demonstration.state.frame_count, 32);
    EXPECT_EQ(demonstration.state.morph_length, 101);
    EXPECT_EQ(demonstration.state.pause_length, 250);
    EXPECT_EQ(demonstration.state.rot_speed_x, 0);
    EXPECT_EQ(demonstration.state.rot_speed_z, 0);

    const auto seen = sequence(250);
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end() - 1, [](auto frame) { return frame == std::pair{0, 0}; }));
    EXPECT_EQ(seen.back(), (std::pair{0, 1}));
}

TEST_F(about_demonstration_test, points_beyond_the_picture_are_skipped) {
    demonstration.controls.pause_sc.set_position(400);
    demonstration.state.shape_index = 4;  // spheres: every point coloured
    demonstration.controls.persp.set_position(30);
    EXPECT_EQ(demonstration.advance_and_draw(), about_points_per_shape);
    // The nearest view still keeps the unit sphere within 143 pixels of the centre.
    demonstration.controls.persp.set_position(1);
    EXPECT_DOUBLE_EQ(demonstration.state.view_distance, 1.4);
    EXPECT_EQ(demonstration.advance_and_draw(), about_points_per_shape);

    demonstration.FormHide();
    demonstration.FormShow(numbered_palette(), palette_colours, {161, 121});
    EXPECT_EQ(demonstration.state.picture_centre_x, 80);
    EXPECT_EQ(demonstration.state.picture_centre_y, 60);
    const int plotted = demonstration.advance_and_draw();
    EXPECT_GT(plotted, 0);
    EXPECT_LT(plotted, about_points_per_shape);
}

TEST_F(about_demonstration_test, reopening_goes_on_with_the_sequence) {
    demonstration.controls.pause_sc.set_position(3);
    demonstration.controls.morph_sc.set_position(0);
    sequence(7);
    const about_state before = demonstration.state;
    ASSERT_EQ(before.shape_index, 2);
    demonstration.FormHide();
    EXPECT_EQ(demonstration.surface(), nullptr);
    EXPECT_EQ(demonstration.advance_and_draw(), 0);  // hidden: nothing moves

    demonstration.FormShow(numbered_palette(), palette_colours);
    EXPECT_EQ(demonstration.state.frame_count, before.frame_count);
    EXPECT_EQ(demonstration.state.shape_index, 2);
    EXPECT_EQ(demonstration.state.pause_count, before.pause_count);
    EXPECT_EQ(sequence(3).back(), (std::pair{3, 0}));
}

TEST_F(about_demonstration_test, without_animated_colours_nothing_is_drawn_or_rotated) {
    demonstration.FormHide();
    demonstration.FormShow(system_palette(), 0);
    demonstration.controls.pause_sc.set_position(0);
    demonstration.controls.morph_sc.set_position(1);
    for (int frame = 0; frame < 6 * 12; ++frame) {  // every shape and every morph
        demonstration.rotate_palette();
        ASSERT_EQ(demonstration.advance_and_draw(), 0) << frame;
    }
    const std::vector<std::uint8_t> blank(pixels().size(), 0);
    EXPECT_EQ(pixels(), blank);
    EXPECT_EQ(demonstration.surface()->palette(), system_palette());
}

TEST_F(about_demonstration_test, frames_start_at_most_30_5_times_a_second) {
    clock.set_ticks_per_reading(1);  // no two readings alike, as on a real counter
    clock.set_now(1'000'000'000);
    EXPECT_TRUE(demonstration.frame_routine());  // the first is due at once
    EXPECT_EQ(demonstration.state.frame_count, 1);
    EXPECT_NEAR(demonstration.seconds_until_next_frame(), 1 / 30.5, 1e-6);

    clock.advance_seconds(0.030);
    EXPECT_FALSE(demonstration.frame_routine());
    EXPECT_EQ(demonstration.state.frame_count, 1);
    EXPECT_NEAR(demonstration.seconds_until_next_frame(), 1 / 30.5 - 0.030, 1e-6);

    clock.advance_seconds(0.0028);
    EXPECT_TRUE(demonstration.frame_routine());
    EXPECT_EQ(demonstration.state.frame_count, 2);
    EXPECT_GT(demonstration.seconds_until_next_frame(), 0.03);

    // A steady 30.5 frames a second, seen through the 10-frame average.
    for (int frame = 0; frame < 200; ++frame) {
        clock.advance_seconds(1 / 30.5 + 1e-6);
        ASSERT_TRUE(demonstration.frame_routine());
    }
    EXPECT_EQ(demonstration.controls.about_speed.caption(), "30");

    demonstration.FormHide();
    clock.advance_seconds(1.0);
    EXPECT_FALSE(demonstration.frame_routine());
}

TEST(about_demonstration, fixed_seed_and_controls_draw_the_same_frames) {
    const auto run = [] {
        fake_tick_clock clock;
        uniform_random random(4242);
        about_demonstration demonstration(clock, random);
        demonstration.FormCreate(test_images());
        demonstration.FormShow(numbered_palette(), palette_colours);
        demonstration.controls.pause_sc.set_position(5);
        demonstration.controls.morph_sc.set_position(1);
        std::vector<std::uint8_t> frames;
        for (int frame = 0; frame < 120; ++frame) {
            demonstration.advance_and_draw();
            const DIBsurfaceobject& surface = *demonstration.surface();
            if (frame % 10 == 9) frames.insert(frames.end(), surface.bits(), surface.bits() + surface.size_bytes());
        }
        return frames;
    };
    const std::vector<std::uint8_t> first = run();
    EXPECT_EQ(run(), first);
    EXPECT_GT(std::count_if(first.begin(), first.end(), [](std::uint8_t pixel) { return pixel != 0; }), 1000);
}

}  // namespace
}  // namespace quor

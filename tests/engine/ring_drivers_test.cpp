#include "engine/ring_drivers.h"

#include "engine/angle_tables.h"
#include "engine/rounding.h"
#include "ring_engine_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quor {
namespace {

using testing::one;
using testing::ring_engine_fixture;

// The frames (1-based) in which the drivers changed the central polygon's geometry.
std::vector<int> firing_frames(ring_engine_fixture& fixture, int frames) {
    std::vector<int> fired;
    for (int frame = 1; frame <= frames; ++frame) {
        fixture.run(1);  // slot 1 takes the centre's state and clears its flag before the drivers run
        if (fixture.engine->central_poly().changed == 1) fired.push_back(frame);
    }
    return fired;
}

TEST(RingDrivers, PeriodOrChanceFromTheFrequencyBar) {
    struct Case {
        int m;  // Max - Position
        int period;
        int chance;
    };
    for (const Case c : {Case{0, 0, 7600}, Case{1, 1, 100}, Case{10, 10, 50}, Case{100, 100, 0}}) {
        scroll_bar frequency("shape_freq", 0, 100, 100 - c.m);
        EXPECT_EQ(period_or_chance(frequency, true), c.period) << c.m;
        EXPECT_EQ(period_or_chance(frequency, false), c.chance) << c.m;
    }
}

TEST(RingDrivers, EachDriverFiresOnItsPeriodOrChance) {
    struct Case {
        std::string name;
        std::function<void(settings_controls&)> set;
        std::vector<int> fired;
    };
    const Case cases[] = {
        {"shape periodic m=3", [](settings_controls& f) { f.shape_freq.set_position(97); }, {4, 8, 12}},
        {"shape periodic m=0", [](settings_controls& f) { f.shape_freq.set_position(100); },
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"shape random 100%",
         [](settings_controls& f) { f.shape_ran.set_checked(true), f.shape_freq.set_position(99); },
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"shape random 0%", [](settings_controls& f) { f.shape_ran.set_checked(true); }, {}},
        {"rotation periodic m=1",
         [](settings_controls& f) { f.rot_ran_per.set_checked(true), f.rot_ran_freq.set_position(99); },
         {2, 4, 6, 8, 10, 12}},
        {"rotation random 100%",
         [](settings_controls& f) { f.rot_ran_ran.set_checked(true), f.rot_ran_freq.set_position(99); },
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"rotation random 0%", [](settings_controls& f) { f.rot_ran_ran.set_checked(true); }, {}},
        {"no rotation", [](settings_controls& f) { f.no_rotation.set_checked(true); }, {}},
        {"jumps m=3",
         [](settings_controls& f) { f.ran_jump_motion.set_checked(true), f.mot_ran_freq.set_position(97); },
         {4, 8, 12}},
    };
    for (const Case& c : cases) {
        ring_engine_fixture fixture;
        fixture.form.rot_ran_per.set_checked(false);  // rotation drivers only where a case asks
        fixture.form.shape_freq.set_position(0);     // shape period 100: out of the way
        c.set(fixture.form);
        fixture.build();
        EXPECT_EQ(firing_frames(fixture, 12), c.fired) << c.name;
    }
}

TEST(RingDrivers, ColourWrapsInsideThePaletteRange) {
    ring_engine_fixture fixture;
    fixture.form.colour_step.set_position(-1);
    quorrings& engine = fixture.build();
    engine.central_poly().colour = 0;
    fixture.run(1);
    EXPECT_EQ(engine.central_poly().colour, 4 * one - 6000);

    // A step larger than the whole range of a small palette still lands inside it.
    fixture.form.colour_step.set_position(128);
    fixture.build();
    std::int64_t expected = fixture.engine->central_poly().colour;
    for (int frame = 0; frame < 50; ++frame) {
        fixture.run(1);
        expected = (expected + 128 * 6000) % (4 * one);
        ASSERT_EQ(fixture.engine->central_poly().colour, expected) << frame;
    }
}

TEST(RingDrivers, RotationJumpsAndSinusoidalTwist) {
    // Random rotation with no speed range and no minimum: only the angle changes.
    ring_engine_fixture still;
    still.form.ran_rotation.set_checked(true);
    still.form.rot_ran_freq.set_position(100);
    still.build();
    for (int frame = 0; frame < 5; ++frame) {
        uniform_random replay = still.random.uniform;
        still.run(1);
        EXPECT_EQ(still.engine->central_poly().angle, replay.next(16384) * one);
        EXPECT_EQ(still.engine->central_poly().spin, 0);
    }

    // The jump draws the angle, then the speed, then the factor.
    ring_engine_fixture jumping;
    jumping.form.ran_rotation.set_checked(true);
    jumping.form.max_rot_speed.set_position(30);
    jumping.form.min_rot_speed.set_position(5);
    jumping.build();
    // Replay the draws: two by the generators' start-up, 11 side counts and the
    // central colour, then the jump.
    uniform_random replay(12345);
    for (int draw = 0; draw < 14; ++draw) replay.next(1);
    const std::int32_t angle = replay.next(16384) * one;
    const std::int32_t speed = replay.next(25) + 5;
    const std::int32_t factor = replay.next(8) + 8;
    EXPECT_EQ(jumping.engine->central_poly().angle, angle);
    EXPECT_EQ(jumping.engine->central_poly().spin, speed * factor * one);
    EXPECT_EQ(jumping.engine->central_poly().changed, 0);

    ring_engine_fixture twisting;
    twisting.form.sin_rotation.set_checked(true);
    twisting.form.precess.set_position(3);
    twisting.form.freq.set_position(50);
    twisting.form.ampl.set_position(40);
    twisting.build();
    for (int frame = 1; frame <= 5; ++frame) {
        twisting.run(1);
        const double twist = shared_angle_tables().sin_table[frame * 200] * 80.0;
        EXPECT_EQ(twisting.engine->central_poly().angle, frame * 24 * one);
        EXPECT_EQ(twisting.engine->central_poly().spin, round_to_int(twist) * one);
    }
}

TEST(RingDrivers, AspectFactorsFollowTheirPhases) {
    ring_engine_fixture fixture;
    fixture.form.aspect_a_x.set_position(60);
    fixture.form.aspect_a_y.set_position(30);
    fixture.form.aspect_f_y.set_position(5);
    quorrings& engine = fixture.build();
    // Active: the start factors are those of phase 0.
    EXPECT_DOUBLE_EQ(engine.slot(3).aspect_x, 0.7);
    EXPECT_DOUBLE_EQ(engine.slot(3).aspect_y, 0.85);
    fixture.run(3);
    const double sine = shared_angle_tables().sin_table[120];
    EXPECT_DOUBLE_EQ(engine.central_poly().aspect_x, 0.7);
    EXPECT_DOUBLE_EQ(engine.central_poly().aspect_y, 1.0 - (sine * 0.5 + 0.5) * 0.3);

    // Inactive: every ring keeps the amplitudes themselves.
    fixture.form.aspect_f_y.set_position(0);
    fixture.build();
    fixture.run(3);
    EXPECT_DOUBLE_EQ(fixture.engine->slot(2).aspect_x, 0.6);
    EXPECT_DOUBLE_EQ(fixture.engine->slot(2).aspect_y, 0.3);
}

TEST(RingDrivers, FollowMouseEasesTowardTheMouse) {
    ring_engine_fixture fixture;
    fixture.form.mouse_motion.set_checked(true);
    quorrings& engine = fixture.build();
    EXPECT_EQ(fixture.mouse().mouse_x, 319);
    EXPECT_EQ(fixture.mouse().mouse_y, 239);
    for (const point mouse : {point{10, 400}, point{600, 20}, point{-30, 700}}) {
        fixture.mouse() = {mouse.x, mouse.y};
        fixture.run(1);
        EXPECT_EQ(engine.central_poly().cx, mouse.x);  // damping 0: on the mouse every frame
        EXPECT_EQ(engine.central_poly().cy, mouse.y);
    }

    fixture.form.mot_b_damping.set_position(100);
    fixture.build();
    fixture.mouse() = {319 + 1010, 239 - 505};
    fixture.run(1);
    EXPECT_EQ(fixture.engine->central_poly().cx, 319 + 10);  // 1/101 of the way
    EXPECT_EQ(fixture.engine->central_poly().cy, 239 - 5);
}

TEST(RingDrivers, RandomTargetsDrawXBeforeYAndTheGaussianBeforeItsSign) {
    struct Case {
        std::string name;
        bool fluid;
        bool uniform;
    };
    for (const Case& c : {Case{"fluid gaussian", true, false}, Case{"fluid uniform", true, true},
                          Case{"jump gaussian", false, false}, Case{"jump uniform", false, true}}) {
        ring_engine_fixture fixture;
        ring_engine_fixture replay;  // the same seed and the same construction
        for (ring_engine_fixture* each : {&fixture, &replay}) {
            (c.fluid ? each->form.ran_fluid_motion : each->form.ran_jump_motion).set_checked(true);
            (c.uniform ? each->form.ran_uniform : each->form.ran_gaussian).set_checked(true);
            each->form.mot_ran_freq.set_position(100);  // jump every frame
            each->build();
        }
        const double ease = c.fluid ? shared_angle_tables().ease_table[16383] : 1.0;
        for (int frame = 0; frame < 4; ++frame) {
            const poly& central = fixture.engine->central_poly();
            const point start{central.cx, central.cy};
            point target;
            if (c.uniform) {
                target.x = replay.random.uniform.next(2 * 319);
                target.y = replay.random.uniform.next(2 * 239);
            } else {
                const int gauss_x = round_to_int(replay.random.numbers.gauss(0.0, 79));
                const int sign_x = replay.random.numbers.random_sign();
                const int gauss_y = round_to_int(replay.random.numbers.gauss(0.0, 59));
                const int sign_y = replay.random.numbers.random_sign();
                // Fluid legs head for centre + offset, jumps land at centre - offset.
                const int direction = c.fluid ? 1 : -1;
                target = {319 + direction * gauss_x * sign_x, 239 + direction * gauss_y * sign_y};
            }
            fixture.run(1);
            // Fluid with damping 0: a new leg every frame, ending at ease_table[16383] of the way.
            EXPECT_EQ(central.cx, round_to_int((target.x - start.x) * ease) + start.x) << c.name << frame;
            EXPECT_EQ(central.cy, round_to_int((target.y - start.y) * ease) + start.y) << c.name << frame;
        }
    }
}

TEST(RingDrivers, ParametricMotionFollowsProductsOfCosines) {
    ring_engine_fixture fixture;
    settings_controls& form = fixture.form;
    form.par_motion.set_checked(true);
    form.mot_par_a.set_position(10);
    form.mot_par_b.set_position(3);
    form.mot_par_c.set_position(50);
    form.mot_par_d.set_position(7);
    form.mot_par_e.set_position(1);
    form.mot_par_f.set_position(80);
    quorrings& engine = fixture.build();
    EXPECT_EQ(engine.central_poly().cx, 319 + round_to_int(319 * 0.5));
    EXPECT_EQ(engine.central_poly().cy, 239);
    const angle_tables& tables = shared_angle_tables();
    for (int frame = 1; frame <= 4; ++frame) {
        fixture.run(1);
        const double x = 319 * 0.5 * tables.cos_table[frame * 20] * tables.cos_table[frame * 6];
        const double y = 239 * 0.8 * tables.sin_table[frame * 14] * tables.cos_table[frame * 2];
        EXPECT_EQ(engine.central_poly().cx, round_to_int(x) + 319);
        EXPECT_EQ(engine.central_poly().cy, round_to_int(y) + 239);
    }

    // No x amplitude: x stays on the centre.
    form.mot_par_c.set_position(0);
    fixture.build();
    for (int frame = 0; frame < 5; ++frame) {
        fixture.run(1);
        EXPECT_EQ(fixture.engine->central_poly().cx, 319);
    }
}

}  // namespace
}  // namespace quor

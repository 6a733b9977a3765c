#include "engine/quorrings.h"

#include "engine/angle_tables.h"
#include "ring_engine_fixture.h"
#include "support/busy_setting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace quor {
namespace {

using testing::one;
using testing::ring_engine_fixture;

std::uint64_t hash_of(const index_buffer& buffer) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (int i = 0; i < buffer.width() * buffer.height(); ++i) hash = (hash ^ buffer.data()[i]) * 1099511628211ull;
    return hash;
}

TEST(SideDensities, TableHoldsRunningSumsAndDrawsFollowIt) {
    ring_engine_fixture fixture;
    fixture.set_densities({3, 0, 1, 0, 0, 0, 0, 0, 0, 0});
    side_densities densities;
    densities.setup_densities(fixture.form);
    EXPECT_EQ(densities.density_total, 4);
    const std::array<std::uint16_t, 10> expected = {3, 3, 4, 4, 4, 4, 4, 4, 4, 4};
    EXPECT_EQ(densities.density_table, expected);

    uniform_random random(99);
    for (int draw = 0; draw < 40; ++draw) {
        uniform_random replay = random;
        const int r = replay.next(4) + 1;  // r = 1..3 gives 1 side, r = 4 gives 3
        EXPECT_EQ(densities.sides(random), r <= 3 ? 1 : 3) << r;
    }

    fixture.set_densities({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    densities.setup_densities(fixture.form);
    EXPECT_EQ(densities.density_total, 0);
    for (int draw = 0; draw < 10; ++draw) EXPECT_EQ(densities.sides(random), 0);
}

TEST(RingEngine, RingCountRunsFromOneToTwoHundred) {
    struct Case {
        int maximum;
        int position;
        int rings;
    };
    for (const Case c : {Case{100, 0, 1}, Case{100, 1, 1}, Case{100, 57, 57}, Case{300, 250, 200}}) {
        ring_engine_fixture fixture;
        fixture.form.max_polygons.set_maximum(c.maximum);
        fixture.form.max_polygons.set_position(c.position);
        quorrings& engine = fixture.build();
        EXPECT_EQ(engine.ring_count(), c.rings) << c.position;
        EXPECT_NO_THROW(engine.slot(c.rings));
        EXPECT_THROW(engine.slot(c.rings + 1), std::out_of_range);
        fixture.run(3);  // one ring or two hundred, a frame draws them all
    }
}

TEST(RingEngine, RadiiFollowDepthAndPerspective) {
    struct Case {
        int vanishing;
        int perspective;
        bool in_out;
    };
    const Case cases[] = {{0, 0, true}, {0, 0, false}, {50, 0, true}, {20, 60, true}, {20, -60, false}};
    for (const Case c : cases) {
        ring_engine_fixture fixture;
        fixture.form.vanishing.set_position(c.vanishing);
        fixture.form.perspective.set_range(-100, 100);
        fixture.form.perspective.set_position(c.perspective);
        fixture.form.in_out.set_checked(c.in_out);
        const quorrings& engine = fixture.build();
        const int n = engine.ring_count();
        const double outer = 239.0;  // half_size 239 x 4 x 25 / 100
        const double innermost = c.vanishing / 101.0;
        const double exponent = 1.0 + 5.0 * std::abs(c.perspective) / 100.0;
        for (int i = 0; i <= n; ++i) {
            const int k = c.in_out ? i : n - i;
            const double depth = k * (1.0 - innermost) / n + innermost;
            const double scale = c.perspective >= 0 ? std::pow(depth, exponent)
                                                    : 1.0 - std::pow(1.0 - depth, exponent);
            EXPECT_EQ(engine.slot(i).size, std::nearbyint(scale * outer)) << c.perspective << " slot " << i;
        }
        // The full depth is the full size, whichever the curve.
        EXPECT_EQ(engine.slot(c.in_out ? n : 0).size, outer);
        if (c.vanishing == 0) {
            EXPECT_EQ(engine.slot(c.in_out ? 0 : n).size, 0.0);
        }
    }
}

TEST(RingEngine, StartsUnseenAtTheCentreWithARandomCentralColour) {
    ring_engine_fixture fixture;
    quorrings& engine = fixture.build();
    EXPECT_TRUE(fixture.messages.messages.empty());
    EXPECT_EQ(fixture.palette.colour_count(), 4);
    for (int i = 1; i <= engine.ring_count(); ++i) {
        EXPECT_EQ(engine.slot(i).colour, -10 * one);
        EXPECT_EQ(engine.slot(i).cx, 319);
        EXPECT_EQ(engine.slot(i).cy, 239);
        EXPECT_EQ(engine.slot(i).side_count, 4);
    }
    EXPECT_GE(engine.central_poly().colour, 0);
    EXPECT_LT(engine.central_poly().colour, 4 * one);
    EXPECT_EQ(engine.central_poly().colour % one, 0);
    EXPECT_EQ(engine.pens()[37].index, 37);
}

TEST(RingEngine, PaletteProblemsAreReportedAndTheEngineRunsOnWithoutOne) {
    struct Case {
        std::string palette;  // empty: nothing selected
        std::string message_start;
    };
    for (const Case& c : {Case{"", "Palette files not found in "}, Case{"BAD.PAL", ""}}) {
        ring_engine_fixture fixture;
        fixture.select_palette(c.palette);
        fixture.form.colour_step.set_position(128);
        quorrings& engine = fixture.build();
        ASSERT_EQ(fixture.messages.messages.size(), 1u) << c.palette;
        const std::string& message = fixture.messages.messages.front();
        if (c.palette.empty())
            EXPECT_EQ(message, "Palette files not found in " + fixture.program_dir() + "Palette");
        else
            EXPECT_EQ(message.rfind(fixture.program_dir() + "palette/BAD.PAL\r", 0), 0u) << message;

        // No palette was ever loaded: no colour range, so the colour stays at 0 (pen 10).
        EXPECT_EQ(fixture.palette.colour_count(), 0);
        fixture.run(30);
        EXPECT_EQ(engine.central_poly().colour, 0);
        EXPECT_EQ(fixture.count_pixels(0) + fixture.count_pixels(10), 640 * 480);
        EXPECT_GT(fixture.count_pixels(10), 0);
    }
}

TEST(RingEngine, NewStateReachesSlotJAfterJFramesAndRubOutErasesOnArrival) {
    for (const bool rub_out : {true, false}) {
        ring_engine_fixture fixture;
        fixture.form.max_polygons.set_position(3);
        fixture.form.vanishing.set_position(30);
        fixture.form.in_out.set_checked(true);
        fixture.form.draw_vertices.set_checked(true);
        fixture.form.rub_out.set_checked(rub_out);
        quorrings& engine = fixture.build();
        fixture.run(5);  // every slot now holds a coloured square
        const std::uint8_t pen = static_cast<std::uint8_t>(pen_index(engine.central_poly().colour));

        engine.central_poly().side_count = 7;
        engine.central_poly().changed = 1;
        for (int j = 1; j <= 3; ++j) {
            // The square's vertex at a quarter turn; a heptagon has none there.
            const point old_vertex = engine.slot(j).vertices[1];
            ASSERT_EQ(fixture.buffer().pixel(old_vertex.x, old_vertex.y), pen);
            fixture.run(1);
            for (int i = 1; i <= 3; ++i) EXPECT_EQ(engine.slot(i).side_count, i <= j ? 7 : 4) << "frame " << j;
            EXPECT_EQ(fixture.buffer().pixel(old_vertex.x, old_vertex.y), rub_out ? 0 : pen) << "slot " << j;
        }
    }
}

TEST(RingEngine, AspectSyncGivesEveryRingTheCentralFactors) {
    for (const bool sync : {true, false}) {
        ring_engine_fixture fixture;
        fixture.form.aspect_f_x.set_position(10);
        fixture.form.aspect_sync.set_checked(sync);
        quorrings& engine = fixture.build();
        fixture.run(5);
        const double before_step = engine.slot(1).aspect_x;
        EXPECT_EQ(engine.slot(3).aspect_x == before_step, sync);
        EXPECT_NE(engine.central_poly().aspect_x, before_step);  // the step moved the centre on
    }
}

TEST(RingEngine, RepaintDrawsWhatAStillFrameDraws) {
    for (const bool vertices : {false, true}) {
        ring_engine_fixture fixture;
        fixture.form.draw_vertices.set_checked(vertices);
        quorrings& engine = fixture.build();
        fixture.run(12);  // nothing moves: every slot holds the same state from now on
        index_buffer frame(640, 480);
        index_buffer repaint(640, 480);
        engine.cyclerings(frame);
        engine.draw_all_rings(repaint);
        EXPECT_EQ(hash_of(frame), hash_of(repaint));
        EXPECT_NE(hash_of(repaint), hash_of(index_buffer(640, 480)));
    }
}

TEST(RingEngine, SameSeedGivesTheSameFramesAndAnotherSeedDoesNot) {
    auto run = [](std::uint32_t seed) {
        ring_engine_fixture fixture(seed);
        fixture.set_densities({0, 10, 30, 20, 10, 10, 10, 0, 5, 5});
        testing::apply_busy_setting(fixture.form);
        fixture.build();
        fixture.run(200);
        return hash_of(fixture.buffer());
    };
    const std::uint64_t first = run(7);
    EXPECT_EQ(run(7), first);
    EXPECT_NE(run(8), first);
}

TEST(RingEngine, DamagedRangesNeitherCrashNorDrawOutsideTheBuffer) {
    ring_engine_fixture fixture;
    settings_controls& form = fixture.form;
    form.max_polygons.set_range(-10, -1);
    form.vanishing.set_range(-100, -1);
    form.vanishing.set_position(-50);
    form.magnification.set_range(-5, 0);
    form.magnification.set_position(-5);
    form.perspective.set_range(-100, 0);
    form.aspect_a_x.set_range(0, 0);
    form.colour_step.set_range(0, 2000000000);
    form.colour_step.set_position(2000000000);
    form.precess.set_range(0, 2000000000);
    form.precess.set_position(2000000000);
    form.sin_rotation.set_checked(true);
    form.ran_fluid_motion.set_checked(true);
    form.mot_b_damping.set_range(-5, -1);
    form.mot_b_damping.set_position(-3);
    quorrings& engine = fixture.build();
    EXPECT_EQ(engine.ring_count(), 1);
    fixture.run(50);
    EXPECT_GE(engine.central_poly().colour, 0);
    EXPECT_LT(engine.central_poly().colour, 4 * one);
}

}  // namespace
}  // namespace quor

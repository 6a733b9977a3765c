// Frames must not allocate: this test program counts every allocation.

#include "ring_engine_fixture.h"

#include "render/gif_recording.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace quor {
namespace {

TEST(RingEngineFrames, AllocateNothingInAnyMode) {
    const std::function<void(settings_controls&)> modes[] = {
        [](settings_controls& f) { f.mouse_motion.set_checked(true), f.sin_rotation.set_checked(true); },
        [](settings_controls& f) { f.ran_fluid_motion.set_checked(true), f.ran_rotation.set_checked(true); },
        [](settings_controls& f) { f.ran_jump_motion.set_checked(true), f.rot_ran_ran.set_checked(true); },
        [](settings_controls& f) { f.par_motion.set_checked(true), f.draw_vertices.set_checked(true); },
    };
    for (const auto& mode : modes) {
        testing::ring_engine_fixture fixture;
        fixture.form.max_polygons.set_position(100);
        fixture.form.rub_out.set_checked(true);
        fixture.form.aspect_sync.set_checked(true);
        fixture.form.aspect_f_x.set_position(5);
        fixture.form.shape_ran.set_checked(true);
        fixture.form.shape_freq.set_position(80);
        fixture.form.colour_step.set_position(9);
        fixture.form.mot_ran_freq.set_position(95);
        mode(fixture.form);
        quorrings& engine = fixture.build();
        const long before = allocations.load();
        fixture.run(100);
        engine.draw_all_rings(fixture.buffer());
        EXPECT_EQ(allocations.load() - before, 0);
    }
}

TEST(RingEngineFrames, RecordingAGifAllocatesNothingPerFrame) {
    // The whole per-frame path of a recording: session step, picture, changed
    // rectangle, encoding. giflib's own copy of each colour table goes through
    // malloc, not through here.
    testing::ring_engine_fixture fixture(7, 320, 180);
    fixture.form.max_polygons.set_position(60);
    fixture.form.palette_inc.set_position(40);
    fixture.build();
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    {
        gif_recording recording(file, 320, 180, 30);
        const auto record = [&](int frames) {
            for (int frame = 0; frame < frames; ++frame) {
                fixture.session->step();
                const session_picture picture = fixture.session->picture();
                recording.add_frame(picture.pixels, picture.colours);
            }
        };
        record(5);
        const long before = allocations.load();
        record(100);
        EXPECT_EQ(allocations.load() - before, 0);
        recording.finish();
    }
    std::fclose(file);
}

}  // namespace
}  // namespace quor

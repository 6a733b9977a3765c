// Frames must not allocate: this test program counts every allocation.

#include "ring_engine_fixture.h"

#include <gtest/gtest.h>

#include <atomic>
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

}  // namespace
}  // namespace quor

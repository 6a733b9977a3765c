// The about box's frame: advance the counters, rotate and project 2048 points
// and plot them, at the picture's size and at twice its width and height, with
// every point on the picture. Reports the time of one frame and its share of
// the 33 ms frame budget (the box shows at most 30.5 frames a second).

#include "render/logical_palette.h"
#include "shell/about_demonstration.h"
#include "support/fake_tick_clock.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr double frame_budget_seconds = 1.0 / quor::about_demonstration::frames_per_second_limit;

void about_frame(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    const quor::point size{quor::about_demonstration::picture_size.x * scale,
                           quor::about_demonstration::picture_size.y * scale};
    quor::fake_tick_clock clock;
    quor::uniform_random random(1);
    auto demonstration = std::make_unique<quor::about_demonstration>(clock, random);
    demonstration->FormCreate({});
    demonstration->FormShow(quor::system_palette(), quor::animatable_colour_limit, size);
    // The far view keeps the spheres, whose every point is coloured, inside the picture.
    demonstration->controls.persp.set_position(30);
    demonstration->controls.pause_sc.set_position(400);
    demonstration->state.shape_index = 4;
    if (demonstration->advance_and_draw() != quor::about_points_per_shape)
        throw std::logic_error("not every point is on the picture");

    std::int64_t frames = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        demonstration->state.pause_count = 0;  // stay on the spheres
        benchmark::DoNotOptimize(demonstration->advance_and_draw());
        ++frames;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double frame_seconds = seconds / static_cast<double>(frames);
    state.counters["ms_per_frame"] = frame_seconds * 1000.0;
    state.counters["share_of_frame_budget"] = frame_seconds / frame_budget_seconds;
    state.SetLabel(std::to_string(size.x) + " x " + std::to_string(size.y));
}

BENCHMARK(about_frame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

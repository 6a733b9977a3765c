// One frame of the busy setting (200 rings, rub-out on and every driver busy, so
// each ring is erased and redrawn every frame) as a session runs it: at
// 1920x1080 and 3840x2160, outlines and vertices, magnification 25 and 100 (at
// 100 most rings lie off-screen).
// The ratio benchmarks time numerator and denominator alternately in one run.

#include "shell/animation_session.h"
#include "support/busy_setting.h"
#include "support/recording_message_box.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace quor;

struct engine_setup {
    engine_setup(int width, int height, bool vertices, int magnification) : random(1) {
        testing::apply_busy_setting(form);
        form.magnification.set_position(magnification);
        form.draw_vertices.set_checked(vertices);
        session = std::make_unique<animation_session>(animation_session_parts{form, palette, random, messages, clock},
                                                      width, height);
        for (int frame = 0; frame < 250; ++frame) step();  // every slot holds a moving state
    }
    void step() {
        session->step();
        benchmark::ClobberMemory();
    }

    settings_controls form;
    recording_message_box messages;
    animation_palette palette{messages};
    random_generators random;
    steady_tick_clock clock;
    std::unique_ptr<animation_session> session;
};

template <typename Work>
double seconds_of(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Arguments: height (1080 or 2160), vertices (0 or 1), magnification.
void cyclerings_step(benchmark::State& state) {
    const int height = static_cast<int>(state.range(0));
    engine_setup setup(height * 16 / 9, height, state.range(1) != 0, static_cast<int>(state.range(2)));
    for (auto _ : state) setup.step();
}
BENCHMARK(cyclerings_step)
    ->ArgNames({"height", "vertices", "magnification"})
    ->ArgsProduct({{1080, 2160}, {0, 1}, {25, 100}})
    ->Unit(benchmark::kMicrosecond);

// Numerator and denominator engines stepped alternately; the median step times' ratio.
void step_ratio(benchmark::State& state, engine_setup& numerator, engine_setup& denominator, const char* name) {
    std::vector<double> numerator_seconds;
    std::vector<double> denominator_seconds;
    for (auto _ : state) {
        numerator_seconds.push_back(seconds_of([&] { numerator.step(); }));
        denominator_seconds.push_back(seconds_of([&] { denominator.step(); }));
    }
    state.counters[name] = median(numerator_seconds) / median(denominator_seconds);
}

// Argument: vertices (0 or 1).
void uhd_over_full_hd_ratio(benchmark::State& state) {
    const bool vertices = state.range(0) != 0;
    engine_setup uhd(3840, 2160, vertices, 25);
    engine_setup full_hd(1920, 1080, vertices, 25);
    step_ratio(state, uhd, full_hd, "4K/1080p");
}
BENCHMARK(uhd_over_full_hd_ratio)->ArgName("vertices")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void magnification_100_over_25_ratio(benchmark::State& state) {
    const bool vertices = state.range(0) != 0;
    engine_setup large(1920, 1080, vertices, 100);
    engine_setup small(1920, 1080, vertices, 25);
    step_ratio(state, large, small, "mag100/mag25");
}
BENCHMARK(magnification_100_over_25_ratio)
    ->ArgName("vertices")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();

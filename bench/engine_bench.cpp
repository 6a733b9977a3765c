// One ring-engine step with 200 rings, rub-out on and every driver busy, so each
// ring is erased and redrawn every frame: at 1920x1080 and 3840x2160, outlines
// and vertices, magnification 25 and 100 (at 100 most rings lie off-screen).
// The ratio benchmarks time numerator and denominator alternately in one run.

#include "engine/quorrings.h"
#include "support/recording_message_box.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace quor;

class no_cursor : public cursor_selector {
public:
    void select_cursor(int) override {}
};

struct engine_setup {
    engine_setup(int width, int height, bool vertices, int magnification)
        : random(1),
          environment{form, palette, random, messages, cursors, mouse, screen_geometry::for_size(width, height), "./"},
          screen(width, height) {
        form.max_polygons.set_maximum(200);
        form.max_polygons.set_position(200);
        form.magnification.set_position(magnification);
        form.perspective.set_position(30);
        form.vanishing.set_position(10);
        form.in_out.set_checked(true);
        form.rub_out.set_checked(true);
        form.draw_vertices.set_checked(vertices);
        form.aspect_a_x.set_position(30);
        form.aspect_a_y.set_position(100);
        form.aspect_f_x.set_position(4);
        form.sin_rotation.set_checked(true);
        form.ampl.set_position(40);
        form.freq.set_position(10);
        form.precess.set_position(2);
        form.shape_ran.set_checked(true);
        form.shape_freq.set_position(90);
        for (scroll_bar* bar : {&form.density3, &form.density4, &form.density6, &form.density8}) {
            bar->set_range(-100, 0);
            bar->set_position(-50);
        }
        form.colour_step.set_position(5);
        form.par_motion.set_checked(true);
        form.mot_par_a.set_position(3);
        form.mot_par_b.set_position(1);
        form.mot_par_c.set_position(20);
        form.mot_par_d.set_position(2);
        form.mot_par_e.set_position(1);
        form.mot_par_f.set_position(20);
        engine = std::make_unique<quorrings>(environment);
        for (int frame = 0; frame < 250; ++frame) step();  // every slot holds a moving state
    }
    void step() {
        engine->cyclerings(screen);
        benchmark::ClobberMemory();
    }

    settings_controls form;
    recording_message_box messages;
    animation_palette palette{messages};
    random_generators random;
    no_cursor cursors;
    mouse_position mouse;
    ring_environment environment;
    index_buffer screen;
    std::unique_ptr<quorrings> engine;
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

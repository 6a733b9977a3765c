// Costs of the emulated 8-bit screen: presenting a full-HD frame through a
// palette, and drawing rings that reach far past the screen.
//
// Each *_ratio benchmark times numerator and denominator in the same run, round
// by round, and reports the quotient of their median rounds as a counter: the
// machine is shared, and the median shrugs off the rounds another program disturbed.

#include "render/index_buffer.h"
#include "render/presentation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace {

using quor::point;

constexpr int screen_width = 1920;
constexpr int screen_height = 1080;

using clock_type = std::chrono::steady_clock;

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

double seconds_of(auto&& work) {
    const auto start = clock_type::now();
    work();
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

struct frame_fixture {
    quor::index_buffer indices{screen_width, screen_height};
    std::vector<std::uint32_t> frame = std::vector<std::uint32_t>(std::size_t(screen_width) * screen_height);
    std::vector<std::uint32_t> copy = std::vector<std::uint32_t>(std::size_t(screen_width) * screen_height);
    quor::colour_table table{};
    quor::palette_presenter presenter;

    frame_fixture() {
        for (int i = 0; i < 256; ++i) table[i] = 0xff000000u | std::uint32_t(i * 0x010203);
        for (int y = 0; y < screen_height; ++y)
            for (int x = 0; x < screen_width; ++x) indices.set_pixel(x, y, std::uint8_t(x * 7 + y * 13));
        for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = std::uint32_t(i * 2654435761u);
    }

    // As a window presents each frame, with the palette turning every frame:
    // every pixel changes colour, the whole frame is converted again.
    void present() {
        std::rotate(table.begin() + 10, table.begin() + 11, table.begin() + 246);
        presenter.present_changes(quor::image_of(indices), indices.take_drawn_area(), table,
                                  {copy.data(), screen_width, screen_height, screen_width});
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    void memcpy_frame() {
        std::memcpy(copy.data(), frame.data(), frame.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
};

// A ring of 200 ten-sided polygons about the screen's centre, radii growing
// evenly up to `largest_radius`; each outline closed.
std::vector<std::vector<point>> ring_of_decagons(double largest_radius) {
    std::vector<std::vector<point>> polygons;
    const double centre_x = screen_width / 2.0;
    const double centre_y = screen_height / 2.0;
    for (int k = 1; k <= 200; ++k) {
        const double radius = largest_radius * k / 200.0;
        const double turn = k * 0.05;  // each one twisted a little further, as rings are
        std::vector<point> outline;
        for (int v = 0; v <= 10; ++v) {
            const double angle = turn + 2 * std::numbers::pi * (v % 10) / 10;
            outline.push_back({static_cast<std::int32_t>(std::lround(centre_x + radius * std::cos(angle))),
                               static_cast<std::int32_t>(std::lround(centre_y + radius * std::sin(angle)))});
        }
        polygons.push_back(std::move(outline));
    }
    return polygons;
}

void draw_ring(quor::index_buffer& buffer, const std::vector<std::vector<point>>& ring, std::uint8_t pen) {
    for (const auto& outline : ring) buffer.polyline(outline, pen);
    benchmark::ClobberMemory();
}

void present_frame(benchmark::State& state) {
    frame_fixture fixture;
    for (auto _ : state) fixture.present();
    state.SetBytesProcessed(state.iterations() * std::int64_t(fixture.copy.size()) * 4);
}
BENCHMARK(present_frame)->Unit(benchmark::kMicrosecond);

void memcpy_frame(benchmark::State& state) {
    frame_fixture fixture;
    for (auto _ : state) fixture.memcpy_frame();
    state.SetBytesProcessed(state.iterations() * std::int64_t(fixture.copy.size()) * 4);
}
BENCHMARK(memcpy_frame)->Unit(benchmark::kMicrosecond);

void present_over_memcpy_ratio(benchmark::State& state) {
    frame_fixture fixture;
    std::vector<double> present_seconds;
    std::vector<double> memcpy_seconds;
    for (auto _ : state) {
        present_seconds.push_back(seconds_of([&] { fixture.present(); }));
        memcpy_seconds.push_back(seconds_of([&] { fixture.memcpy_frame(); }));
    }
    state.counters["present/memcpy"] = median(present_seconds) / median(memcpy_seconds);
}
BENCHMARK(present_over_memcpy_ratio)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void draw_huge_ring(benchmark::State& state) {
    quor::index_buffer buffer(screen_width, screen_height);
    const auto ring = ring_of_decagons(4.0 * screen_height / 2);
    std::uint8_t pen = 10;
    for (auto _ : state) draw_ring(buffer, ring, pen++);
}
BENCHMARK(draw_huge_ring)->Unit(benchmark::kMicrosecond);

void draw_ring_within_screen(benchmark::State& state) {
    quor::index_buffer buffer(screen_width, screen_height);
    const auto ring = ring_of_decagons(screen_height / 2.0 - 1);
    std::uint8_t pen = 10;
    for (auto _ : state) draw_ring(buffer, ring, pen++);
}
BENCHMARK(draw_ring_within_screen)->Unit(benchmark::kMicrosecond);

void huge_ring_over_ring_within_screen_ratio(benchmark::State& state) {
    quor::index_buffer buffer(screen_width, screen_height);
    const auto huge = ring_of_decagons(4.0 * screen_height / 2);
    const auto within = ring_of_decagons(screen_height / 2.0 - 1);
    std::vector<double> huge_seconds;
    std::vector<double> within_seconds;
    std::uint8_t pen = 10;
    for (auto _ : state) {
        huge_seconds.push_back(seconds_of([&] { draw_ring(buffer, huge, pen); }));
        within_seconds.push_back(seconds_of([&] { draw_ring(buffer, within, pen); }));
        ++pen;
    }
    state.counters["huge/within"] = median(huge_seconds) / median(within_seconds);
}
BENCHMARK(huge_ring_over_ring_within_screen_ratio)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();

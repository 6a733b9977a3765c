// Packing and unpacking speed of the LZH coder on a settings-like text of 1 MiB.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "storage/lzh_compressor.h"

namespace {

// Setting lines of the shape "name<TAB>value<TAB>low<TAB>high" with varied numbers.
std::vector<std::uint8_t> settings_like_text(std::size_t size) {
    static const char* const names[] = {"max_polygons", "twist_speed", "ring_spacing", "Screensaver", "colour_step",
                                        "aspect_change", "shape_change", "mouse_follow", "palette_speed", "sides"};
    std::mt19937 generator(2024);
    std::uniform_int_distribution<int> value(0, 1000);
    std::string text;
    int setting = 0;
    while (text.size() < size) {
        text += "{ \r\nSample setting " + std::to_string(++setting) + "\r\n";
        for (const char* name : names) {
            const int low = value(generator) % 50;
            text += "         " + std::string(name) + "\t" + std::to_string(value(generator)) + "\t" +
                    std::to_string(low) + "\t" + std::to_string(low + value(generator)) + "\r\n";
        }
        text += "}\r\n";
    }
    text.resize(size);
    return {text.begin(), text.end()};
}

const std::vector<std::uint8_t>& plain_text() {
    static const std::vector<std::uint8_t> text = settings_like_text(1024 * 1024);
    return text;
}

void pack(benchmark::State& state) {
    const auto& plain = plain_text();
    std::size_t packed_size = 0;
    for (auto _ : state) {
        const auto packed = quor::lzh_pack(plain);
        packed_size = packed.size();
        benchmark::DoNotOptimize(packed.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain.size()));
    state.counters["MB"] = benchmark::Counter(static_cast<double>(state.iterations() * plain.size()) / 1e6,
                                                benchmark::Counter::kIsRate);
    state.counters["packed/plain"] = static_cast<double>(packed_size) / static_cast<double>(plain.size());
}

void unpack(benchmark::State& state) {
    const auto& plain = plain_text();
    const auto packed = quor::lzh_pack(plain);
    for (auto _ : state) {
        const auto restored = quor::lzh_unpack(packed);
        benchmark::DoNotOptimize(restored.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain.size()));
    state.counters["MB"] = benchmark::Counter(static_cast<double>(state.iterations() * plain.size()) / 1e6,
                                                benchmark::Counter::kIsRate);
}

BENCHMARK(pack)->Unit(benchmark::kMillisecond);
BENCHMARK(unpack)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

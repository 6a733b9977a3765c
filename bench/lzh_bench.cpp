// Packing and unpacking speed of the LZH coder on a 7.3 MB settings library:
// ten copies of a library of 400 settings with varied controls, the largest
// library a user plausibly keeps.
//
// Each *_ratio benchmark times the coder and a reference round by round in the
// same run and reports the quotient of their median rounds:
//   coder/memcpy        how many times a plain copy of the same plain bytes the coder takes
//   procedures/memory   unpacking through one read and one write call per byte, over
//                       unpacking from memory to memory
//
//   lzh_bench --write_input=FILE   writes the plain library measured here and stops,
//                                  so that other coders can be timed on the same bytes

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/settings_controls.h"
#include "round_ratio.h"
#include "storage/lzh_compressor.h"
#include "storage/setting_conversion.h"
#include "storage/settings_library.h"
#include "support/procedure_decoding.h"

namespace {

using bytes = std::vector<std::uint8_t>;

constexpr int settings_per_library = 400;
constexpr int library_copies = 10;

// Every scroll bar and check box of each setting drawn at random, as a user's
// library of hand-tuned settings would hold them.
std::string library_of_varied_settings() {
    quor::settings_controls form;
    std::mt19937 generator(400);
    quor::settings_library library;
    for (int index = 0; index < settings_per_library; ++index) {
        for (quor::control* component : form.components()) {
            if (auto* bar = dynamic_cast<quor::scroll_bar*>(component)) {
                const auto span = static_cast<unsigned>(bar->maximum() - bar->minimum() + 1);
                bar->set_position(bar->minimum() + static_cast<int>(generator() % span));
            } else if (auto* box = dynamic_cast<quor::check_box*>(component)) {
                box->set_checked(generator() % 2 == 0);
            }
        }
        library.settings.push_back({quor::controls_to_lines(form, "Setting " + std::to_string(index + 1))});
    }
    return library.write_settings();
}

const bytes& plain_text() {
    static const bytes text = [] {
        const std::string library = library_of_varied_settings();
        bytes copies;
        for (int copy = 0; copy < library_copies; ++copy) copies.insert(copies.end(), library.begin(), library.end());
        return copies;
    }();
    return text;
}

const bytes& packed_text() {
    static const bytes packed = quor::lzh_pack(plain_text());
    return packed;
}

void count_plain_megabytes(benchmark::State& state) {
    const double megabytes = static_cast<double>(state.iterations() * plain_text().size()) / 1e6;
    state.counters["MB/s"] = benchmark::Counter(megabytes, benchmark::Counter::kIsRate);
}

void pack_library() {
    const bytes packed = quor::lzh_pack(plain_text());
    benchmark::DoNotOptimize(packed.data());
}

void unpack_library() {
    const bytes plain = quor::lzh_unpack(packed_text());
    benchmark::DoNotOptimize(plain.data());
}

// The plain bytes moved once, into a buffer made for them, as unpacking must.
void copy_library() {
    const bytes& plain = plain_text();
    bytes copy(plain.size());
    std::memcpy(copy.data(), plain.data(), plain.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
}

void unpack_library_through_procedures() {
    const bytes& packed = packed_text();
    const auto decoded = quor::testing::decode_through_procedures(std::span(packed).subspan(4),
                                                                  static_cast<std::int32_t>(plain_text().size()));
    benchmark::DoNotOptimize(decoded.plain.data());
}

void pack(benchmark::State& state) {
    for (auto _ : state) pack_library();
    count_plain_megabytes(state);
    state.counters["packed/plain"] =
        static_cast<double>(packed_text().size()) / static_cast<double>(plain_text().size());
    state.counters["plain_MB"] = static_cast<double>(plain_text().size()) / 1e6;
}
BENCHMARK(pack)->Unit(benchmark::kMillisecond);

void unpack(benchmark::State& state) {
    packed_text();  // packed once, outside the timing
    for (auto _ : state) unpack_library();
    count_plain_megabytes(state);
}
BENCHMARK(unpack)->Unit(benchmark::kMillisecond);

void memcpy_plain(benchmark::State& state) {
    for (auto _ : state) copy_library();
    count_plain_megabytes(state);
}
BENCHMARK(memcpy_plain)->Unit(benchmark::kMillisecond);

void ratio_of(benchmark::State& state, const char* name, void (*measured)(), void (*reference)()) {
    packed_text();  // packed once, outside the timing
    quor::bench::report_ratio(state, name, measured, reference);
}

void pack_over_memcpy_ratio(benchmark::State& state) {
    ratio_of(state, "coder/memcpy", pack_library, copy_library);
}
BENCHMARK(pack_over_memcpy_ratio)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void unpack_over_memcpy_ratio(benchmark::State& state) {
    ratio_of(state, "coder/memcpy", unpack_library, copy_library);
}
BENCHMARK(unpack_over_memcpy_ratio)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void unpack_through_procedures_ratio(benchmark::State& state) {
    ratio_of(state, "procedures/memory", unpack_library_through_procedures, unpack_library);
}
BENCHMARK(unpack_through_procedures_ratio)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Writes the plain library to the file named by --write_input=FILE; true when asked to.
bool wrote_input_file(int argc, char** argv, int& exit_code) {
    constexpr std::string_view option = "--write_input=";
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (!argument.starts_with(option)) continue;
        const std::string path(argument.substr(option.size()));
        std::ofstream file(path, std::ios::binary);
        const bytes& plain = plain_text();
        file.write(reinterpret_cast<const char*>(plain.data()), static_cast<std::streamsize>(plain.size()));
        file.close();
        exit_code = file ? 0 : 1;
        if (!file) std::cerr << "lzh_bench: cannot write " << path << '\n';
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    int exit_code = 0;
    if (wrote_input_file(argc, argv, exit_code)) return exit_code;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

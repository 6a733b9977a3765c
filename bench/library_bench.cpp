// Start-up load of a packed settings library of 1000 settings: reading the
// file, unpacking, parsing into the list and applying the first pick.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "engine/settings_controls.h"
#include "engine/uniform_random.h"
#include "storage/file_bytes.h"
#include "storage/lzh_compressor.h"
#include "storage/setting_conversion.h"
#include "storage/settings_file.h"
#include "support/recording_message_box.h"

namespace {

constexpr int library_size = 1000;

// A program directory holding "Bench.cmp": 1000 full settings with varied positions and tags.
class packed_library_folder {
public:
    packed_library_folder() {
        folder_ = std::filesystem::temp_directory_path() / ("quor_library_bench_" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder_);
        quor::settings_controls form;
        std::mt19937 generator(1000);
        quor::settings_library library;
        for (int index = 0; index < library_size; ++index) {
            form.Screensaver.set_checked(generator() % 3 == 0);
            form.max_polygons.set_position(static_cast<int>(generator() % 101));
            form.vanishing.set_position(static_cast<int>(generator() % 101));
            form.density1.set_position(-static_cast<int>(generator() % 101));
            library.settings.push_back({quor::controls_to_lines(form, "Setting " + std::to_string(index))});
        }
        const std::string text = library.write_settings();
        plain_size_ = text.size();
        const auto packed = quor::lzh_pack({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        quor::write_file_atomically(folder_ / "Bench.cmp", packed);
    }
    ~packed_library_folder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    packed_library_folder(const packed_library_folder&) = delete;
    packed_library_folder& operator=(const packed_library_folder&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    std::size_t plain_size() const { return plain_size_; }

private:
    std::filesystem::path folder_;
    std::size_t plain_size_ = 0;
};

void load_packed_library(benchmark::State& state) {
    const packed_library_folder files;
    const quor::settings_file_location location{files.folder(), "Bench", true};
    quor::settings_controls form;
    quor::uniform_random random(7);
    quor::silent_progress_box progress;
    quor::recording_message_box messages;
    std::size_t loaded = 0;
    for (auto _ : state) {
        quor::settings_library library;
        quor::load_settings_library(library, location, true, form, random, progress, messages);
        loaded = library.settings.size();
        benchmark::DoNotOptimize(library.settings.data());
    }
    if (loaded != library_size || !messages.messages.empty()) state.SkipWithError("the library did not load whole");
    state.counters["settings"] = static_cast<double>(loaded);
    state.counters["plain_KiB"] = static_cast<double>(files.plain_size()) / 1024.0;
    state.counters["settings_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations() * loaded), benchmark::Counter::kIsRate);
}

BENCHMARK(load_packed_library)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

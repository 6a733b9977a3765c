// Recording the shipped settings: frames per second of drawing (the session's
// step) and of GIF encoding, on the caller's thread and on one worker per
// processor, at 1280 x 720 and 320 x 180, and the size of a 3-second GIF with
// only the changed rectangles stored against whole frames.
//
//   export_bench [benchmark options]   (the shipped library and palettes lie beside it)

#include "engine/angle_tables.h"
#include "platform/file_locations.h"
#include "platform/stderr_message_box.h"
#include "render/gif_recording.h"
#include "shell/animation_session.h"
#include "shell/named_setting.h"
#include "storage/settings_library.h"
#include "storage/library_file.h"
#include "support/fake_tick_clock.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quor;

const std::filesystem::path program_folder = std::filesystem::canonical("/proc/self/exe").parent_path();
const std::filesystem::path library_path = program_folder / "Quor_Rings_32_Settings.cmp";

std::vector<std::string> shipped_setting_names() {
    stderr_message_box messages("export_bench: ", false);
    const std::vector<std::uint8_t> text = read_library_text(library_path);
    settings_library library;
    library.read_settings(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), messages);
    std::vector<std::string> names;
    for (const Quor_setting& setting : library.settings) names.push_back(setting.name());
    return names;
}

// One shipped setting running on a picture of the given size, as the render tool runs it.
struct recorded_setting {
    stderr_message_box messages{"export_bench: ", false};
    settings_controls form;
    animation_palette palette{messages};
    random_generators random{1};
    fake_tick_clock clock;
    std::unique_ptr<animation_session> session;

    recorded_setting(const std::string& name, int width, int height) {
        init_angle_tables();
        palette.set_palette_dir(file_locations::portable(program_folder));
        apply_named_setting(form, palette, library_path, name, messages);
        clock.set_ticks_per_reading(1000);
        session = std::make_unique<animation_session>(animation_session_parts{form, palette, random, messages, clock}, width, height);
        // The rings on screen first, as --skip does.
        for (int frame = 0; frame < 120; ++frame) session->step();
    }
};

using stopwatch = std::chrono::steady_clock;
double seconds_since(stopwatch::time_point start) { return std::chrono::duration<double>(stopwatch::now() - start).count(); }

// Drawing timed apart from the whole; what is left of the whole is the
// encoding (on the workers, it overlaps the drawing). Frames per second as counters.
void record_gif(benchmark::State& state, const std::string& name, int width, int height, bool changed_areas_only,
                int workers) {
    recorded_setting setting(name, width, height);
    constexpr int frames = 180;  // 3 s at 60 frames per second
    double drawing = 0, whole = 0;
    long bytes = 0;
    for (auto _ : state) {
        std::FILE* file = std::tmpfile();
        const auto begin = stopwatch::now();
        {
            gif_recording recording(file, width, height, 60, changed_areas_only, workers);
            for (int frame = 0; frame < frames; ++frame) {
                const auto start = stopwatch::now();
                setting.session->step();
                const session_picture picture = setting.session->picture();
                drawing += seconds_since(start);
                recording.add_frame(picture.pixels, picture.colours);
            }
            recording.finish();
        }
        whole += seconds_since(begin);
        bytes = std::ftell(file);
        std::fclose(file);
    }
    const double rounds = double(state.iterations());
    state.counters["draw_fps"] = frames * rounds / drawing;
    state.counters["encode_fps"] = frames * rounds / (whole - drawing);
    state.counters["total_fps"] = frames * rounds / whole;
    state.counters["gif_KiB"] = double(bytes) / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    struct mode {
        const char* label;
        bool changed_areas_only;
        int workers;
    };
    const mode modes[] = {{"changed/1 thread", true, 0},
                          {"changed/workers", true, default_gif_workers()},
                          {"whole/workers", false, default_gif_workers()}};
    for (const std::string& name : shipped_setting_names()) {
        for (const auto& [width, height] : {std::pair{1280, 720}, std::pair{320, 180}}) {
            for (const mode& each : modes) {
                const std::string label =
                    name + "/" + std::to_string(width) + "x" + std::to_string(height) + "/" + each.label;
                benchmark::RegisterBenchmark(label.c_str(), [=](benchmark::State& state) {
                    record_gif(state, name, width, height, each.changed_areas_only, each.workers);
                })->Unit(benchmark::kMillisecond)->Iterations(1);
            }
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

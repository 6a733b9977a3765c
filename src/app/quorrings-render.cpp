// quorrings-render SETTINGS_FILE NAME OUT.png [--frames K] [--size WxH] [--seed S]
//
// Runs K frames of one setting from a plain (.txt) or packed (.cmp) settings
// file, with the program's palettes and the palette rotation the main window
// applies, and writes the last frame as a PNG.
// The same seed gives the same picture.

#include "platform/file_locations.h"
#include "platform/stderr_message_box.h"
#include "render/presentation.h"
#include "shell/animation_session.h"
#include "storage/library_file.h"
#include "storage/quor_setting.h"
#include "storage/setting_conversion.h"
#include "storage/settings_library.h"

#include <QImage>

#include <charconv>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quor;

constexpr int largest_side = 16384;  // pixels; keeps the buffer within reason

const char* const usage =
    "usage: quorrings-render SETTINGS_FILE NAME OUT.png [--frames K] [--size WxH] [--seed S]\n"
    "  K frames (default 300) at W x H pixels (default 1280x720), seed S (default 1)\n";

struct render_error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Wrong arguments: the usage follows the message.
struct usage_error : render_error {
    using render_error::render_error;
};

template <typename Number>
std::optional<Number> parse_number(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct arguments {
    std::filesystem::path settings_file;
    std::string name;
    std::filesystem::path output;
    int frames = 300;
    int width = 1280;
    int height = 720;
    std::uint32_t seed = 1;
};

arguments parse_arguments(int argc, char** argv) {
    std::vector<std::string_view> positional;
    arguments result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--frames" || argument == "--size" || argument == "--seed") {
            if (i + 1 >= argc) throw usage_error(std::string(argument) + " needs a value");
            const std::string_view value = argv[++i];
            if (argument == "--frames") {
                const auto frames = parse_number<int>(value);
                if (!frames || *frames < 0) throw usage_error("--frames wants a whole number of 0 or more");
                result.frames = *frames;
            } else if (argument == "--seed") {
                const auto seed = parse_number<std::uint32_t>(value);
                if (!seed) throw usage_error("--seed wants a whole number 0..4294967295");
                result.seed = *seed;
            } else {
                const std::size_t cross = value.find('x');
                const auto width = cross == std::string_view::npos ? std::nullopt : parse_number<int>(value.substr(0, cross));
                const auto height = cross == std::string_view::npos ? std::nullopt : parse_number<int>(value.substr(cross + 1));
                if (!width || !height || *width < 1 || *height < 1 || *width > largest_side || *height > largest_side)
                    throw usage_error("--size wants WxH, each 1.." + std::to_string(largest_side));
                result.width = *width;
                result.height = *height;
            }
        } else if (argument.starts_with("--")) {
            throw usage_error("unknown option " + std::string(argument));
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 3) throw usage_error("expected SETTINGS_FILE NAME OUT.png");
    result.settings_file = std::filesystem::path(std::string(positional[0]));
    result.name = positional[1];
    result.output = std::filesystem::path(std::string(positional[2]));
    return result;
}

std::string settings_text(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> text = read_library_text(path);
    return std::string(text.begin(), text.end());
}

Quor_setting find_setting(const std::string& text, const std::string& name, const std::filesystem::path& path,
                          message_box& messages) {
    // Damage is reported; the settings before it still count.
    settings_library library;
    library.read_settings(text, messages);
    for (const Quor_setting& setting : library.settings)
        if (!setting.control_strings.empty() && setting.name() == name) return setting;
    throw render_error(path.string() + ": no setting named \"" + name + "\"");
}

int render(const arguments& options, const file_locations& locations) {
    // Messages of the engine (a missing palette) are worth seeing but do not stop the picture.
    stderr_message_box messages("quorrings-render: ", false);
    const Quor_setting setting =
        find_setting(settings_text(options.settings_file), options.name, options.settings_file, messages);
    settings_controls form;
    animation_palette palette(messages);
    palette.set_palette_dir(locations);
    std::vector<std::string> palette_names;
    palette.find_palette_files(palette_names);
    form.fill_palette_list(palette_names);
    try {
        lines_to_controls(form, setting.control_strings);
    } catch (const std::exception& error) {
        throw render_error("setting \"" + options.name + "\" cannot be applied: " + error.what());
    }

    random_generators random(options.seed);
    steady_tick_clock clock;
    animation_session session({form, palette, random, messages, clock}, options.width, options.height);
    for (int frame = 0; frame < options.frames; ++frame) session.step();

    const session_picture picture = session.picture();
    QImage image(options.width, options.height, QImage::Format_RGB32);
    present(picture.pixels, picture.colours,
            {reinterpret_cast<std::uint32_t*>(image.bits()), options.width, options.height,
             static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4)});
    if (!image.save(QString::fromStdString(options.output.string()), "PNG"))
        throw render_error(options.output.string() + ": cannot be written");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const arguments options = parse_arguments(argc, argv);
        return render(options, file_locations::for_this_program());
    } catch (const usage_error& error) {
        std::cerr << "quorrings-render: " << error.what() << '\n' << usage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "quorrings-render: " << escaped_line(error.what()) << '\n';
        return 1;
    }
}

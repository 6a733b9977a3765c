#include "shell/render_arguments.h"

#include "engine/text_case.h"
#include "shell/animation_session.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace quor {

namespace {

constexpr std::int64_t most_frames = 100'000'000;  // a month at 60 frames per second

std::int64_t whole_number_in(std::string_view option, std::string_view text, std::int64_t lowest, std::int64_t highest) {
    const auto value = whole_number(text);
    if (!value || *value < lowest || *value > highest)
        throw usage_error(std::string(option) + " wants a whole number " + std::to_string(lowest) + ".." +
                          std::to_string(highest) + ", not " + std::string(text));
    return *value;
}

double seconds_from(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(value > 0) ||
        !std::isfinite(value))
        throw usage_error("--seconds wants a number of seconds above 0, such as 2.5, not " + std::string(text));
    return value;
}

void read_size(std::string_view text, render_arguments& result) {
    const std::size_t cross = text.find('x');
    const auto width = cross == std::string_view::npos ? std::nullopt : whole_number(text.substr(0, cross));
    const auto height = cross == std::string_view::npos ? std::nullopt : whole_number(text.substr(cross + 1));
    if (!width || !height || *width < 1 || *height < 1 || *width > largest_render_side || *height > largest_render_side)
        throw usage_error("--size wants WxH, each 1.." + std::to_string(largest_render_side) + ", not " + std::string(text));
    result.width = static_cast<int>(*width);
    result.height = static_cast<int>(*height);
}

// What to write follows the name of OUT.
void read_output_kind(render_arguments& result) {
    const std::string file_name = result.output.filename().string();
    if ((result.numbered_output = numbered_file_name::parse(file_name))) {
        if (to_upper(result.output.extension().string()) != ".PNG")
            throw usage_error("a frame-numbered name writes PNG pictures and ends in .png, not " + file_name);
        result.output_kind = render_output::picture_sequence;
        return;
    }
    const std::string extension = to_upper(result.output.extension().string());
    if (extension == ".PNG") {
        result.output_kind = render_output::picture;
    } else if (extension == ".GIF") {
        result.output_kind = render_output::animated_gif;
    } else if (extension == ".MP4" || extension == ".WEBM" || extension == ".MKV") {
        result.output_kind = render_output::video;
        result.container = extension == ".MP4" ? video_container::mp4
                           : extension == ".WEBM" ? video_container::webm
                                                  : video_container::mkv;
    } else {
        throw usage_error("OUT wants a name ending in .png, .gif, .mp4, .webm or .mkv, or a frame number such as "
                          "frame_%04d.png, not " + file_name);
    }
}

}  // namespace

render_arguments parse_render_arguments(argument_list arguments) {
    render_arguments result;
    std::vector<std::string> positional;
    while (!arguments.at_end()) {
        const std::string_view argument = arguments.next();
        if (argument == "--size") {
            read_size(arguments.value_of(argument), result);
        } else if (argument == "--seed") {
            result.seed = static_cast<std::uint32_t>(whole_number_in(argument, arguments.value_of(argument), 0, 4294967295));
        } else if (argument == "--frames") {
            result.frames = whole_number_in(argument, arguments.value_of(argument), 0, most_frames);
        } else if (argument == "--seconds") {
            result.seconds = seconds_from(arguments.value_of(argument));
        } else if (argument == "--fps") {
            result.frames_per_second =
                static_cast<int>(whole_number_in(argument, arguments.value_of(argument), 1, highest_render_frame_rate));
        } else if (argument == "--skip") {
            result.skip = whole_number_in(argument, arguments.value_of(argument), 0, most_frames);
        } else if (argument == "--quiet") {
            result.quiet = true;
        } else if (argument.starts_with("--")) {
            throw usage_error("unknown option " + std::string(argument));
        } else {
            positional.emplace_back(argument);
        }
    }
    if (positional.size() != 3) throw usage_error("expected FILE NAME OUT");
    if (result.frames && result.seconds) throw usage_error("--frames and --seconds say the same: give one");
    result.settings_file = std::filesystem::path(positional[0]);
    result.name = positional[1];
    result.output = std::filesystem::path(positional[2]);
    read_output_kind(result);
    if (result.frames == 0 && result.output_kind != render_output::picture)
        throw usage_error("an animation or a video wants --frames 1 or more");
    return result;
}

int render_frame_rate(const render_arguments& arguments, const settings_controls& form) {
    if (arguments.frames_per_second) return *arguments.frames_per_second;
    if (!form.fix_speed.checked()) return unfixed_speed_frame_rate;
    // A setting may widen its speed bar's range past any rate worth writing.
    return std::min(designed_speed_from_caption(form.designed_speed.caption()), highest_render_frame_rate);
}

std::int64_t render_frame_count(const render_arguments& arguments, int frames_per_second) {
    std::int64_t frames = default_render_frames;
    if (arguments.frames) {
        frames = *arguments.frames;
    } else if (arguments.seconds) {
        const double exact = *arguments.seconds * frames_per_second;
        if (exact > double(most_frames))
            throw usage_error("--seconds gives more than " + std::to_string(most_frames) + " frames");
        frames = std::llround(exact);
    }
    if (frames < 1 && arguments.output_kind != render_output::picture)
        throw usage_error("--seconds gives no frame at " + std::to_string(frames_per_second) + " frames per second");
    return frames;
}

}  // namespace quor

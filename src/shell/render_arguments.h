#pragma once
// The command line of `quorrings-render`: which setting, what to write, and
// how many of the engine's frames, at what rate.

#include "engine/settings_controls.h"
#include "platform/command_line.h"
#include "shell/numbered_file_name.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quor {

inline constexpr std::string_view quorrings_render_usage =
    "usage: quorrings-render FILE NAME OUT [--size WxH] [--seed S] [--frames K | --seconds T]\n"
    "                        [--fps F] [--skip K] [--quiet]\n"
    "       quorrings-render (--help | --version)\n"
    "  OUT: .png (the last frame), .gif, .mp4, .webm, .mkv, or frame_%04d.png (every frame)\n"
    "  defaults: --size 1280x720, --seed 1, --frames 300, --fps the setting's designed speed\n"
    "  when it fixes its speed, otherwise 60, --skip 0\n";

inline constexpr program_description quorrings_render_program_description{"quorrings-render",
                                                                          quorrings_render_usage};

inline constexpr int largest_render_side = 16384;       // pixels; keeps the buffers within reason
inline constexpr int highest_render_frame_rate = 1000;  // frames per second
inline constexpr std::int64_t default_render_frames = 300;
inline constexpr int unfixed_speed_frame_rate = 60;     // frames per second

enum class render_output {
    picture,           // one PNG: the last frame
    animated_gif,
    video,             // through ffmpeg
    picture_sequence,  // one PNG per frame, named by a frame number
};

enum class video_container { mp4, webm, mkv };

struct render_arguments {
    std::filesystem::path settings_file;
    std::string name;
    std::filesystem::path output;
    render_output output_kind = render_output::picture;
    video_container container = video_container::mp4;  // with render_output::video
    std::optional<numbered_file_name> numbered_output;  // with render_output::picture_sequence
    int width = 1280;
    int height = 720;
    std::uint32_t seed = 1;
    std::optional<std::int64_t> frames;  // --frames
    std::optional<double> seconds;       // --seconds
    std::optional<int> frames_per_second;  // --fps
    std::int64_t skip = 0;               // frames run before the first one written
    bool quiet = false;
};

// Throws usage_error, also for an animation of --frames 0. --help and
// --version are the caller's, before this.
render_arguments parse_render_arguments(argument_list arguments);

// --fps, or else the setting's designed speed (at most the highest rate) when
// it fixes its speed, or else 60.
int render_frame_rate(const render_arguments& arguments, const settings_controls& form);

// The frames written (for a picture: run before it is taken): --frames, or
// --seconds at `frames_per_second` rounded, or 300. Throws usage_error when
// --seconds gives an animation no frame.
std::int64_t render_frame_count(const render_arguments& arguments, int frames_per_second);

}  // namespace quor

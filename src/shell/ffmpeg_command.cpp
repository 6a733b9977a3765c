#include "shell/ffmpeg_command.h"

#include <bit>

namespace quor {

std::vector<std::string> ffmpeg_command(video_container container, int width, int height, int frames_per_second,
                                        const std::filesystem::path& output) {
    // 0xffRRGGBB as bytes in memory.
    const char* const pixel_format = std::endian::native == std::endian::little ? "bgra" : "argb";
    std::vector<std::string> command{"ffmpeg", "-hide_banner", "-nostats", "-loglevel", "error",
                                     "-f", "rawvideo", "-pixel_format", pixel_format,
                                     "-video_size", std::to_string(width) + "x" + std::to_string(height),
                                     "-framerate", std::to_string(frames_per_second), "-i", "pipe:0"};
    if (container == video_container::webm) {
        // Constant quality; rows in parallel, or VP9 takes its time.
        command.insert(command.end(), {"-c:v", "libvpx-vp9", "-crf", "32", "-b:v", "0", "-row-mt", "1"});
    } else {
        command.insert(command.end(), {"-c:v", "libx264", "-preset", "medium", "-crf", "18"});
    }
    command.insert(command.end(), {"-pix_fmt", "yuv420p"});
    switch (container) {
    case video_container::mp4:
        // The index first, so that a browser plays while it loads.
        command.insert(command.end(), {"-movflags", "+faststart", "-f", "mp4"});
        break;
    case video_container::webm:
        command.insert(command.end(), {"-f", "webm"});
        break;
    case video_container::mkv:
        command.insert(command.end(), {"-f", "matroska"});
        break;
    }
    command.insert(command.end(), {"-y", output.string()});
    return command;
}

}  // namespace quor

#pragma once
// How ffmpeg is asked to turn our frames into a video: raw 32-bit frames on
// its standard input, the container's usual codec out, yuv420p so that every
// player shows it.

#include "shell/render_arguments.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quor {

// yuv420p halves the colour resolution: a video's sides must be even, so an
// odd side gets one black row or column more.
inline int even_video_side(int side) { return side + side % 2; }

// H.264 for .mp4 and .mkv, VP9 for .webm. Frames of `width` x `height` (even
// sides) pixels at `frames_per_second`, in the byte order of our 0xffRRGGBB
// pixels, written to `output` in the container's format whatever its name.
std::vector<std::string> ffmpeg_command(video_container container, int width, int height, int frames_per_second,
                                        const std::filesystem::path& output);

}  // namespace quor

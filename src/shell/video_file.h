#pragma once
// A video of the frames made by ffmpeg, put in place only when complete.

#include "render/presentation.h"
#include "shell/frame_sink.h"
#include "shell/render_arguments.h"
#include "shell/video_pipe.h"
#include "storage/staged_file.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quor {

class video_file final : public frame_sink {
public:
    // Starts ffmpeg. Throws staged_file_error when the target cannot be
    // written, video_error when ffmpeg is missing or cannot start.
    video_file(const std::filesystem::path& target, video_container container, int width, int height,
               int frames_per_second);

    // Both throw video_error when ffmpeg fails, with its last line.
    void add_frame(const session_picture& picture) override;
    void finish() override;

private:
    staged_file file_;  // outlives the pipe, whose end stops ffmpeg writing into it
    video_pipe pipe_;
    palette_presenter presenter_;
    int width_;
    int height_;
    std::vector<std::uint32_t> frame_;  // even sides, an added row or column black
};

}  // namespace quor

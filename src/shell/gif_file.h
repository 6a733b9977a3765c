#pragma once
// An animated GIF file of the frames, put in place only when complete.

#include "render/gif_recording.h"
#include "shell/frame_sink.h"
#include "storage/staged_file.h"

#include <filesystem>

namespace quor {

class gif_file final : public frame_sink {
public:
    // Throws staged_file_error when the target cannot be written.
    gif_file(const std::filesystem::path& target, int width, int height, int frames_per_second);

    // Both throw staged_file_error ("PATH: cannot be written (reason)").
    void add_frame(const session_picture& picture) override;
    void finish() override;

private:
    staged_file file_;
    gif_recording recording_;
};

}  // namespace quor

#include "shell/video_file.h"

#include "shell/ffmpeg_command.h"

namespace quor {

video_file::video_file(const std::filesystem::path& target, video_container container, int width, int height,
                       int frames_per_second)
    : file_(target),
      pipe_(ffmpeg_command(container, even_video_side(width), even_video_side(height), frames_per_second,
                           file_.temporary_path())),
      width_(even_video_side(width)),
      height_(even_video_side(height)),
      frame_(std::size_t(width_) * std::size_t(height_), 0xff000000u) {}

void video_file::add_frame(const session_picture& picture) {
    presenter_.present(picture.pixels, picture.colours, {frame_.data(), width_, height_, width_});
    pipe_.write({reinterpret_cast<const std::uint8_t*>(frame_.data()), frame_.size() * sizeof(std::uint32_t)});
}

void video_file::finish() {
    pipe_.finish();
    file_.commit();
}

}  // namespace quor

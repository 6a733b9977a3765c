#include "render/gif_recording.h"

#include "render/changed_colours.h"

#include <cstring>

namespace quor {

namespace {

// Hundredths of a second from the start to the end of the first `frames` frames.
std::int64_t hundredths_after(std::int64_t frames, int frames_per_second) {
    return (frames * 200 + frames_per_second) / (2 * std::int64_t(frames_per_second));
}

}  // namespace

int gif_frame_delay(std::int64_t frame, int frames_per_second) {
    return static_cast<int>(hundredths_after(frame + 1, frames_per_second) - hundredths_after(frame, frames_per_second));
}

gif_recording::gif_recording(std::FILE* file, int width, int height, int frames_per_second, bool changed_areas_only,
                             int workers)
    : writer_(file, width, height),
      images_(writer_, width, height, workers),
      width_(width),
      height_(height),
      frames_per_second_(frames_per_second),
      changed_areas_only_(changed_areas_only),
      shown_(std::size_t(width) * std::size_t(height)) {}

void gif_recording::add_frame(const index_image& picture, const colour_table& colours) {
    const pixel_area whole{0, 0, width_, height_};
    pixel_area area = whole;
    if (frames_ > 0 && changed_areas_only_) {
        const index_image shown{shown_.data(), width_, height_, width_};
        area = changed_colour_area(shown, shown_colours_, picture, colours);
        // Nothing changed: one pixel carries the frame's delay.
        if (area.empty()) area = {0, 0, 1, 1};
    }
    images_.add(picture, area, colours, gif_frame_delay(frames_, frames_per_second_));
    ++frames_;
    if (!changed_areas_only_) return;
    // The whole picture, not only the area: outside it the colours are the
    // same, but under the new table only the new indices give them.
    for (int y = 0; y < height_; ++y)
        std::memcpy(shown_.data() + std::size_t(y) * width_, picture.pixels + y * picture.stride, std::size_t(width_));
    shown_colours_ = colours;
}

void gif_recording::finish() {
    images_.finish();
    writer_.finish();
}

}  // namespace quor

#pragma once
// Frames of the 8-bit screen recorded as an animated GIF that a viewer shows
// exactly as the screen showed them. After the first frame only the rectangle
// whose colours changed is stored; the rest stays on screen from before.

#include "render/gif_image_queue.h"
#include "render/gif_writer.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace quor {

// How long frame `frame` (counted from 0) shows at `frames_per_second`, in
// hundredths of a second: rounded so that the first n frames together last
// n / frames_per_second seconds, rounded.
int gif_frame_delay(std::int64_t frame, int frames_per_second);

class gif_recording {
public:
    // `changed_areas_only` false stores every frame whole (to compare sizes).
    // `workers` threads code the images (0: the caller's thread); the bytes
    // are the same for any number. Throws gif_error.
    gif_recording(std::FILE* file, int width, int height, int frames_per_second, bool changed_areas_only = true,
                  int workers = default_gif_workers());

    // The next frame: `picture` (the recording's size) seen through `colours`.
    // Throws gif_error.
    void add_frame(const index_image& picture, const colour_table& colours);
    // Throws gif_error.
    void finish();

    std::int64_t frames() const { return frames_; }

private:
    gif_writer writer_;
    gif_image_queue images_;
    int width_;
    int height_;
    int frames_per_second_;
    bool changed_areas_only_;
    std::int64_t frames_ = 0;
    std::vector<std::uint8_t> shown_;  // the indices on screen, seen through shown_colours_
    colour_table shown_colours_{};
};

}  // namespace quor

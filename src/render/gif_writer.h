#pragma once
// An animated GIF file through giflib: the header of an animation that loops
// forever, the images as gif_image_encoder made them, in order, and the trailer.

#include "render/gif_image_encoder.h"

#include <cstdint>
#include <cstdio>
#include <span>

namespace quor {

class gif_writer {
public:
    // Writes the header of a `width` x `height` animation to `file`, which
    // stays the caller's to close. Throws gif_error.
    gif_writer(std::FILE* file, int width, int height);
    // An unfinished file is left as it is; its writer throws it away.
    ~gif_writer();
    gif_writer(const gif_writer&) = delete;
    gif_writer& operator=(const gif_writer&) = delete;

    // One encoded image. Throws gif_error.
    void append(std::span<const std::uint8_t> image);
    // The trailer and stdio's buffer written out. Throws gif_error.
    void finish();

private:
    void check(int result) const;
    void close();

    std::FILE* file_;
    GifFileType* gif_ = nullptr;
};

}  // namespace quor

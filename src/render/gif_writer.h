#pragma once
// Animated GIF files through giflib: an animation that loops forever, each
// image with its own 256-colour table, which is exactly our 8-bit screen and
// its palette of the moment.

#include "render/index_buffer.h"
#include "render/presentation.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

struct ColorMapObject;
struct GifFileType;

namespace quor {

// giflib's own words for what went wrong.
class gif_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class gif_writer {
public:
    // Writes the header of a `width` x `height` animation to `file`, which
    // stays the caller's to close. Throws gif_error.
    gif_writer(std::FILE* file, int width, int height);
    // An unfinished file is left as it is; its writer throws it away.
    ~gif_writer();
    gif_writer(const gif_writer&) = delete;
    gif_writer& operator=(const gif_writer&) = delete;

    // One image: the `area` of `picture` (clipped to it; at least one pixel)
    // in exactly `colours`, shown for `delay` hundredths of a second and left
    // in place under the next one. Throws gif_error.
    void add_image(const index_image& picture, pixel_area area, const colour_table& colours, int delay);
    // The trailer and stdio's buffer written out. Throws gif_error.
    void finish();

private:
    void check(int result) const;
    void close();

    std::FILE* file_;
    GifFileType* gif_ = nullptr;
    ColorMapObject* colour_map_ = nullptr;  // filled anew for every image
    std::vector<unsigned char> row_;        // giflib takes rows it may write to
};

}  // namespace quor

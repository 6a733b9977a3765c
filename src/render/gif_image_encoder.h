#pragma once
// One image of an animated GIF, encoded by giflib into memory: its graphic
// control (delay, "do not dispose"), its descriptor, its own exact 256-colour
// table and its LZW data, ready to be appended to the file. Images do not
// depend on each other, so several encoders may work on several at once.

#include "render/index_buffer.h"
#include "render/presentation.h"

#include <cstdint>
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

// giflib's text for one of its error codes.
std::string gif_error_text(int code);

class gif_image_encoder {
public:
    // For images on a screen of `width` x `height` pixels. Throws gif_error.
    gif_image_encoder(int width, int height);
    ~gif_image_encoder();
    gif_image_encoder(const gif_image_encoder&) = delete;
    gif_image_encoder& operator=(const gif_image_encoder&) = delete;

    // Replaces `bytes` with `image` placed at `place` on the screen (inside
    // it), in exactly `colours`, shown for `delay` hundredths of a second and
    // left in place under the next. `bytes` keeps its capacity, so a reused
    // buffer stops allocating. Throws gif_error.
    void encode(const index_image& image, point place, const colour_table& colours, int delay,
                std::vector<std::uint8_t>& bytes);

private:
    void check(int result) const;
    void release();

    GifFileType* gif_ = nullptr;
    ColorMapObject* colour_map_ = nullptr;  // filled anew for every image
    std::vector<std::uint8_t>* output_ = nullptr;
    std::vector<unsigned char> row_;        // giflib takes rows it may write to
};

}  // namespace quor

#pragma once
// The module's picture on its window: the session's index image converted to
// 32-bit colour in a buffer the X server reads directly (MIT-SHM), or, where
// the server cannot share memory with us, sent in pieces. Only the part that
// changed is converted and sent; the buffer is not written while the server
// may still be reading it.

#include "render/presentation.h"
#include "x11/x_display.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <vector>

namespace quor {

class x_picture {
public:
    // On `window`, of `depth` (24 or 32), `width` x `height` device pixels.
    x_picture(const x_display& display, xcb_window_t window, std::uint8_t depth, int width, int height);
    ~x_picture();
    x_picture(const x_picture&) = delete;
    x_picture& operator=(const x_picture&) = delete;

    // A window of another size: the buffer follows, black.
    void resize(int width, int height);
    // The server may still read the buffer: nothing may be converted into it.
    bool busy() const { return busy_; }
    // Converts what may look different (`drawn`: the area written since the
    // last show; all of it when the colours moved) and sends it. Not while busy.
    void show(const index_image& source, const colour_table& colours, const pixel_area& drawn);
    // Sends `area` again as last converted (an exposure). Not while busy.
    void resend(const pixel_area& area);
    // True when the event was the server's word that it has read the buffer.
    bool take_completion(const xcb_generic_event_t& event);

    bool shares_memory() const { return segment_ != 0; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    void allocate();
    void release();
    void send(const pixel_area& area);

    const x_display& display_;
    xcb_window_t window_;
    std::uint8_t depth_;
    int width_;
    int height_;
    xcb_gcontext_t gc_ = 0;
    palette_presenter presenter_;
    // Shared with the server when segment_ is set; else pixels_ holds the picture.
    std::uint32_t* shared_ = nullptr;
    int shared_id_ = -1;
    std::uint32_t segment_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::vector<std::uint32_t> rows_;  // one piece's rows, for a server without shared memory
    bool busy_ = false;
};

}  // namespace quor

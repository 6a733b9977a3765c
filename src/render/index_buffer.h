#pragma once
// The emulated 8-bit screen: a buffer of palette indices, one byte a device pixel.
// Drawing writes indices, never colours; presentation converts through a palette.

#include <cstdint>
#include <span>
#include <vector>

namespace quor {

struct point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const point&, const point&) = default;
};

// A rectangle of pixels: left and top included, right and bottom not.
struct pixel_area {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool empty() const { return left >= right || top >= bottom; }
    friend bool operator==(const pixel_area&, const pixel_area&) = default;
};

// The smallest area holding both.
constexpr pixel_area united(const pixel_area& a, const pixel_area& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top, a.right > b.right ? a.right : b.right,
            a.bottom > b.bottom ? a.bottom : b.bottom};
}

class index_buffer {
public:
    index_buffer() = default;
    index_buffer(int width, int height);

    // Contents are cleared to index 0 (black). Negative sizes are taken as 0.
    void resize(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Rows top to bottom, each `width()` bytes, no padding.
    std::uint8_t* data() { return pixels_.data(); }
    const std::uint8_t* data() const { return pixels_.data(); }

    void clear(std::uint8_t index = 0);

    // Clipped: a pixel outside the buffer is ignored.
    void set_pixel(int x, int y, std::uint8_t index);
    // Index at (x, y); 0 outside the buffer.
    std::uint8_t pixel(int x, int y) const;

    // Draws segments points[0]-points[1], points[1]-points[2], ... with one
    // deterministic line rule; each segment leaves out its last pixel, as a
    // one-pixel cosmetic pen does. Clipped to the buffer before rasterising, so
    // the same points always give the same pixels and drawing again with pen 0
    // removes exactly what was drawn.
    void polyline(std::span<const point> points, std::uint8_t pen);
    // One segment of a polyline: `from` is drawn, `to` is left out.
    void segment(point from, point to, std::uint8_t pen);

    // A rectangle holding every pixel written since the last call, so that a
    // presenter converts only what may have changed; empty when nothing was.
    // Writes through data() are not seen: call mark_all_drawn() after them.
    pixel_area take_drawn_area();
    const pixel_area& drawn_area() const { return drawn_; }
    void mark_all_drawn() { drawn_ = {0, 0, width_, height_}; }

private:
    void note_drawn(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
    pixel_area drawn_;
};

}  // namespace quor

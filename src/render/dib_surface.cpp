#include "render/dib_surface.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace quor {

namespace {
// A degenerate polygon can extrapolate an edge far past its end: the product of
// two 33-bit differences needs more than 64 bits.
__extension__ using wide_integer = __int128;
}  // namespace

DIBsurfaceobject::DIBsurfaceobject(const logical_palette& palette, point size)
    : logical_palette_(palette), colours_(make_colour_table(palette)) {
    change_size(size, false);
}

void DIBsurfaceobject::change_size(point size, bool force) {
    if (!force && size.x == width_ && size.y == height_) return;
    const int width = std::max(0, size.x);
    const int height = std::max(0, size.y);
    const std::int64_t row_bytes = (std::int64_t(width) + 3) & ~std::int64_t(3);
    // Allocate before changing any field, so a failure leaves the surface as it was.
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(row_bytes * height), 0);
    bits_ = std::move(bits);
    width_ = width;
    height_ = height;
    row_bytes_ = static_cast<int>(std::min<std::int64_t>(row_bytes, 0x7fffffff));
}

void DIBsurfaceobject::change_palette(const logical_palette& palette) {
    logical_palette_ = palette;
    colours_ = make_colour_table(palette);
}

void DIBsurfaceobject::copy_surface_to_screen(const rgb_image& screen) const { present(image(), colours_, screen); }

void DIBsurfaceobject::clear_surface() { std::fill(bits_.begin(), bits_.end(), 0); }

void DIBsurfaceobject::set_pixel(int x, int y, std::uint8_t colour) { safe_set_pixel(x, y, colour); }

void DIBsurfaceobject::safe_set_pixel(int x, int y, std::uint8_t colour) {
    if (inside(x, y)) bits_[static_cast<std::size_t>(y) * row_bytes_ + x] = colour;
}

std::uint8_t DIBsurfaceobject::pixel(int x, int y) const {
    return inside(x, y) ? bits_[static_cast<std::size_t>(y) * row_bytes_ + x] : 0;
}

void DIBsurfaceobject::draw_horizontal_line(int x1, int x2, int y, std::uint8_t colour) {
    if (y < 0 || y >= height_) return;
    const int first = std::max(std::min(x1, x2), 0);
    const int last = std::min(std::max(x1, x2), width_ - 1);
    if (first > last) return;
    std::uint8_t* row = bits_.data() + static_cast<std::size_t>(y) * row_bytes_;
    std::fill(row + first, row + last + 1, colour);
}

void DIBsurfaceobject::draw_vertical_line(int x, int y1, int y2, std::uint8_t colour) {
    if (x < 0 || x >= width_) return;
    const int first = std::max(std::min(y1, y2), 0);
    const int last = std::min(std::max(y1, y2), height_ - 1);
    for (int y = first; y <= last; ++y) bits_[static_cast<std::size_t>(y) * row_bytes_ + x] = colour;
}

void DIBsurfaceobject::draw_line(int x1, int y1, int x2, int y2, std::uint8_t colour) {
    const std::int64_t dx = std::int64_t(x2) - x1;
    const std::int64_t dy = std::int64_t(y2) - y1;
    if (dx == 0 && dy == 0) {
        set_pixel(x1, y1, colour);
        return;
    }
    if (dy == 0) {
        draw_horizontal_line(x1, x2, y1, colour);
        return;
    }
    if (dx == 0) {
        draw_vertical_line(x1, y1, y2, colour);
        return;
    }
    const bool x_major = std::abs(dx) > std::abs(dy);  // a 45-degree line is y-major
    // Walk the major axis upward from the end with the smaller major coordinate.
    const std::int64_t major_1 = x_major ? x1 : y1;
    const std::int64_t minor_1 = x_major ? y1 : x1;
    const std::int64_t major_2 = x_major ? x2 : y2;
    const std::int64_t minor_2 = x_major ? y2 : x2;
    const bool forward = major_1 < major_2;
    std::int64_t major = forward ? major_1 : major_2;
    std::int64_t minor = forward ? minor_1 : minor_2;
    const std::int64_t minor_end = forward ? minor_2 : minor_1;
    const int minor_step = minor_end > minor ? 1 : -1;
    const std::int64_t major_extent = std::abs(major_2 - major_1);
    const std::int64_t minor_extent = std::abs(minor_2 - minor_1);
    std::int64_t accumulator = minor_extent / 2;
    for (std::int64_t step = 0; step <= major_extent; ++step) {
        const std::int64_t x = x_major ? major : minor;
        const std::int64_t y = x_major ? minor : major;
        if (inside(x, y)) bits_[static_cast<std::size_t>(y) * row_bytes_ + static_cast<std::size_t>(x)] = colour;
        accumulator += minor_extent;
        if (accumulator > major_extent) {
            minor += minor_step;
            accumulator -= major_extent;
        }
        ++major;
    }
}

void DIBsurfaceobject::fill_polygon(std::span<const point> points, std::uint8_t colour) {
    const int count = static_cast<int>(points.size());
    if (count == 0) return;
    int top = 0;
    std::int32_t least_y = points[0].y;
    std::int32_t greatest_y = points[0].y;
    for (int i = 1; i < count; ++i) {
        if (points[i].y < least_y) {
            least_y = points[i].y;
            top = i;
        }
        greatest_y = std::max(greatest_y, points[i].y);
    }

    struct chain {
        int start;
        int end;
        int direction;  // +1 follows increasing vertex indices, -1 decreasing
    };
    auto next_vertex = [count](int index, int direction) { return ((index + direction) % count + count) % count; };
    chain a{top, next_vertex(top, 1), 1};
    chain b{top, next_vertex(top, -1), -1};
    auto x_on_line = [&](chain& edge, std::int64_t y) -> std::int64_t {
        const point* from = &points[edge.start];
        const point* to = &points[edge.end];
        if (y - from->y > std::int64_t(to->y) - from->y) {
            edge.start = edge.end;
            edge.end = next_vertex(edge.end, edge.direction);
            from = &points[edge.start];
            to = &points[edge.end];
        }
        const std::int64_t height = std::int64_t(to->y) - from->y;
        if (height == 0) return from->x;
        // Division in C++ truncates toward zero.
        const wide_integer x = from->x + wide_integer(std::int64_t(to->x) - from->x) * (y - from->y) / height;
        constexpr wide_integer far_off = wide_integer(1) << 40;  // well past any surface, still inside 64 bits
        return static_cast<std::int64_t>(std::clamp(x, -far_off, far_off));
    };
    // Scan lines above the surface still move the chains on; below it nothing is left to do.
    const std::int64_t last_line = std::min<std::int64_t>(greatest_y, std::int64_t(height_) - 1);
    for (std::int64_t y = least_y; y <= last_line; ++y) {
        const std::int64_t x_a = x_on_line(a, y);
        const std::int64_t x_b = x_on_line(b, y);
        if (y < 0) continue;
        const std::int64_t first = std::max<std::int64_t>(std::min(x_a, x_b), 0);
        const std::int64_t last = std::min<std::int64_t>(std::max(x_a, x_b), width_ - 1);
        if (first > last) continue;
        std::uint8_t* row = bits_.data() + static_cast<std::size_t>(y) * row_bytes_;
        std::fill(row + first, row + last + 1, colour);
    }
}

}  // namespace quor

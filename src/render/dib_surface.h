#pragma once
// An off-screen 8-bit surface with its own 256-entry palette (the about box draws
// on it). Rows are padded to a multiple of 4 bytes, row 0 at the top.

#include "render/index_buffer.h"
#include "render/logical_palette.h"
#include "render/presentation.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quor {

class DIBsurfaceobject {
public:
    // A size of 0 x 0 gives a surface with no pixels until change_size.
    DIBsurfaceobject(const logical_palette& palette, point size);

    // New pixel memory of the given size, all index 0; does nothing when `force`
    // is false and the size is the current one. Negative sizes are taken as 0.
    void change_size(point size, bool force);
    void change_palette(const logical_palette& palette);

    // Shows the surface through its own palette, top-left aligned, clipped to both.
    void copy_surface_to_screen(const rgb_image& screen) const;

    void clear_surface();
    // Writes outside the surface are ignored by every drawing operation, so a
    // caller's slip can never write past the pixel memory.
    void set_pixel(int x, int y, std::uint8_t colour);
    void safe_set_pixel(int x, int y, std::uint8_t colour);
    // Both end points included, except that a line whose minor extent is 1 stays
    // on its start point's row (x-major) or column (y-major). P to Q sets the same
    // pixels as Q to P.
    void draw_line(int x1, int y1, int x2, int y2, std::uint8_t colour);
    void draw_horizontal_line(int x1, int x2, int y, std::uint8_t colour);
    void draw_vertical_line(int x, int y1, int y2, std::uint8_t colour);
    // Scan-line fill between two edge chains that start at the first top vertex.
    void fill_polygon(std::span<const point> points, std::uint8_t colour);

    int width() const { return width_; }
    int height() const { return height_; }
    int row_bytes() const { return row_bytes_; }
    std::int64_t size_bytes() const { return static_cast<std::int64_t>(bits_.size()); }
    // Null while the surface has no pixels.
    std::uint8_t* bits() { return bits_.empty() ? nullptr : bits_.data(); }
    const std::uint8_t* bits() const { return bits_.empty() ? nullptr : bits_.data(); }
    std::uint8_t pixel(int x, int y) const;
    const logical_palette& palette() const { return logical_palette_; }
    const colour_table& colours() const { return colours_; }
    index_image image() const { return {bits(), width_, height_, row_bytes_}; }

private:
    bool inside(std::int64_t x, std::int64_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    logical_palette logical_palette_;
    colour_table colours_{};  // the palette as presented
    std::vector<std::uint8_t> bits_;
    int width_ = 0;
    int height_ = 0;
    int row_bytes_ = 0;  // width rounded up to a multiple of 4
};

}  // namespace quor

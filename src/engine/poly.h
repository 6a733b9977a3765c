#pragma once
// One ring on the screen: a regular polygon of 0 to 10 sides with its vertex
// list in screen pixels, drawn on the emulated 8-bit screen.

#include <array>
#include <cstdint>

#include "render/index_buffer.h"

namespace quor {

inline constexpr std::int32_t max_side_count = 10;

// The palette index a 16.16 colour draws with: (upper 16 bits + 10) modulo
// 65536, so colour c uses entry c + 10 and the start colour -10 * 65536 gives 0 (black).
std::int32_t pen_index(std::int32_t colour);

class poly {
public:
    poly(std::int32_t cx, std::int32_t cy, std::int32_t side_count, std::int32_t colour,
         std::int32_t angle, std::int32_t spin, double size, double aspect_x, double aspect_y);

    // Recomputes `vertices` from the centre, size, aspects, angle and side count.
    void update_vertices();

    // The outline (two or fewer sides: the segment, or the single point) with
    // the polygon's pen, or with pen 0. A pen index above 255 names no palette
    // entry, so such a colour draws nothing.
    void drawpoly(index_buffer& target) const;
    void erasepoly(index_buffer& target) const;
    // Only the vertex pixels (none for 0 sides), in the polygon's colour or black.
    void drawvert(index_buffer& target) const;
    void erasevert(index_buffer& target) const;

    // Takes over the state of the polygon one step further in, turned on by its
    // spin; keeps its own size; marks `below` as unchanged.
    void copy_from_below(poly& below);

    std::int32_t colour;      // 16.16: colour index in the upper half
    std::int32_t spin;        // 16.16 angle steps handed outward
    std::int32_t cx;          // centre, screen pixels (y downward)
    std::int32_t cy;
    std::int32_t side_count;  // 0..10; above 10 is drawn as 10
    std::int32_t changed;     // 0 or 1: differs from what was last drawn in this slot
    double aspect_x;          // factor on the x extent
    double aspect_y;          // factor on the y extent
    double size;              // radius, pixels
    std::int32_t angle;       // 16.16 angle steps; bits 16..29 index vertex 0
    // Vertex k for k < side_count; for 2 or more sides entry side_count repeats vertex 0.
    std::array<point, max_side_count + 1> vertices{};

private:
    void draw_outline(index_buffer& target, std::int32_t pen) const;
    void draw_vertices(index_buffer& target, std::int32_t pen) const;
    std::int32_t drawn_side_count() const;
};

}  // namespace quor

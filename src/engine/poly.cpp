#include "engine/poly.h"

#include <algorithm>
#include <limits>
#include <span>

#include "engine/angle_tables.h"
#include "engine/rounding.h"

namespace quor {

namespace {

constexpr std::int32_t pen_count = 256;

std::int32_t table_index(std::int32_t angle)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(angle) >> 16) % angle_steps_per_turn);
}

// A rounded offset plus a centre, saturated instead of overflowing.
std::int32_t add_to_centre(std::int32_t offset, std::int32_t centre)
{
    const std::int64_t sum = std::int64_t{offset} + centre;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t pen_index(std::int32_t colour)
{
    return static_cast<std::int32_t>(((static_cast<std::uint32_t>(colour) >> 16) + 10) % 65536);
}

poly::poly(std::int32_t cx, std::int32_t cy, std::int32_t side_count, std::int32_t colour,
           std::int32_t angle, std::int32_t spin, double size, double aspect_x, double aspect_y)
    : colour(colour), spin(spin), cx(cx), cy(cy), side_count(side_count), changed(0),
      aspect_x(aspect_x), aspect_y(aspect_y), size(size), angle(angle)
{
    update_vertices();
}

std::int32_t poly::drawn_side_count() const
{
    return std::min(side_count, max_side_count);
}

void poly::update_vertices()
{
    const angle_tables& tables = shared_angle_tables();
    const std::int32_t first = table_index(angle);
    const std::int32_t sides = drawn_side_count();
    if (sides >= 2) {
        const std::int32_t step = tables.vertex_step[sides];
        std::int32_t index = first;
        for (std::int32_t k = 0; k < sides; ++k) {
            // The centre is added before rounding.
            vertices[k] = {round_to_int(tables.cos_table[index] * aspect_x * size + cx),
                           round_to_int(tables.sin_table[index] * aspect_y * size + cy)};
            index = (index + step) % angle_steps_per_turn;
        }
        vertices[sides] = vertices[0];
    } else {
        // A single point on the circle, rounded before the centre is added.
        vertices[0] = {add_to_centre(round_to_int(tables.cos_table[first] * aspect_x * size), cx),
                       add_to_centre(round_to_int(tables.sin_table[first] * aspect_y * size), cy)};
    }
}

void poly::draw_outline(index_buffer& target, std::int32_t pen) const
{
    if (pen >= pen_count)
        return;
    const auto index = static_cast<std::uint8_t>(pen);
    const std::int32_t sides = drawn_side_count();
    if (sides > 2)
        target.polyline(std::span<const point>(vertices.data(), static_cast<std::size_t>(sides) + 1), index);
    else if (sides == 2)
        target.polyline(std::span<const point>(vertices.data(), 2), index);
    else
        target.set_pixel(vertices[0].x, vertices[0].y, index);
}

void poly::draw_vertices(index_buffer& target, std::int32_t pen) const
{
    if (pen >= pen_count)
        return;
    const auto index = static_cast<std::uint8_t>(pen);
    const std::int32_t sides = drawn_side_count();
    for (std::int32_t k = 0; k < sides; ++k)
        target.set_pixel(vertices[k].x, vertices[k].y, index);
}

void poly::drawpoly(index_buffer& target) const
{
    draw_outline(target, pen_index(colour));
}

void poly::erasepoly(index_buffer& target) const
{
    draw_outline(target, 0);
}

void poly::drawvert(index_buffer& target) const
{
    draw_vertices(target, pen_index(colour));
}

void poly::erasevert(index_buffer& target) const
{
    draw_vertices(target, 0);
}

void poly::copy_from_below(poly& below)
{
    colour = below.colour;
    spin = below.spin;
    cx = below.cx;
    cy = below.cy;
    side_count = below.side_count;
    changed = below.changed;
    aspect_x = below.aspect_x;
    aspect_y = below.aspect_y;
    angle = static_cast<std::int32_t>(static_cast<std::uint32_t>(below.angle) +
                                      static_cast<std::uint32_t>(below.spin));
    below.changed = 0;
    update_vertices();
}

}  // namespace quor

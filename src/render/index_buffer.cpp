#include "render/index_buffer.h"

#include <algorithm>
#include <cstdlib>

namespace quor {

namespace {

// Products of two 33-bit extents overflow 64 bits; only the per-segment set-up
// needs the width, the pixel walk stays in 64 bits.
__extension__ using wide_integer = __int128;

// The line rule, for the axis that moves by one each pixel (major) and the other
// (minor): pixel i of the segment, 0 <= i < major_length, sits at
//   major = major_start + major_sign * i
//   minor = minor_start + minor_sign * floor((2 * i * minor_length + major_length) / (2 * major_length))
// i.e. the minor offset i * minor_length / major_length rounded, a half rounding
// away from the start point. The last pixel (i = major_length) is left out.
struct axis_walk {
    std::int64_t major_start;
    int major_sign;
    std::int64_t major_length;  // > 0
    std::int64_t minor_start;
    int minor_sign;
    std::int64_t minor_length;  // 0 .. major_length
    std::int64_t major_limit;   // pixels along the major axis of the buffer
    std::int64_t minor_limit;
    std::ptrdiff_t major_stride;  // bytes between neighbours along the major axis
    std::ptrdiff_t minor_stride;
};

// The first step i whose minor offset is at least `offset`.
std::int64_t first_step_reaching(const axis_walk& walk, std::int64_t offset) {
    if (offset <= 0) return 0;
    if (offset > walk.minor_length) return walk.major_length;  // never reached
    // floor((2 i m + M) / 2M) >= k  <=>  i >= ceil((2k - 1) M / 2m)
    const wide_integer numerator = wide_integer(2 * offset - 1) * walk.major_length;
    const wide_integer denominator = wide_integer(2) * walk.minor_length;
    return static_cast<std::int64_t>((numerator + denominator - 1) / denominator);
}

// The inclusive range of offsets o for which start + sign * o lies in [0, limit).
void offsets_inside(std::int64_t start, int sign, std::int64_t limit, std::int64_t& low, std::int64_t& high) {
    if (sign > 0) {
        low = -start;
        high = limit - 1 - start;
    } else {
        low = start - (limit - 1);
        high = start;
    }
}

void walk_segment(std::uint8_t* pixels, const axis_walk& walk, std::uint8_t pen) {
    std::int64_t major_low = 0;
    std::int64_t major_high = 0;
    offsets_inside(walk.major_start, walk.major_sign, walk.major_limit, major_low, major_high);
    std::int64_t minor_low = 0;
    std::int64_t minor_high = 0;
    offsets_inside(walk.minor_start, walk.minor_sign, walk.minor_limit, minor_low, minor_high);

    std::int64_t first = std::max<std::int64_t>(0, major_low);
    std::int64_t end = std::min<std::int64_t>(walk.major_length, major_high + 1);
    if (minor_low > minor_high) return;
    first = std::max(first, first_step_reaching(walk, minor_low));
    end = std::min(end, first_step_reaching(walk, minor_high + 1));
    if (first >= end) return;

    const std::int64_t twice_major = 2 * walk.major_length;
    const std::int64_t twice_minor = 2 * walk.minor_length;
    const wide_integer numerator = wide_integer(first) * twice_minor + walk.major_length;
    std::int64_t minor_offset = static_cast<std::int64_t>(numerator / twice_major);
    std::int64_t remainder = static_cast<std::int64_t>(numerator % twice_major);

    const std::int64_t major = walk.major_start + walk.major_sign * first;
    const std::int64_t minor = walk.minor_start + walk.minor_sign * minor_offset;
    std::uint8_t* pixel = pixels + major * walk.major_stride + minor * walk.minor_stride;
    const std::ptrdiff_t major_step = walk.major_sign * walk.major_stride;
    const std::ptrdiff_t minor_step = walk.minor_sign * walk.minor_stride;
    for (std::int64_t step = first; step < end; ++step) {
        *pixel = pen;
        pixel += major_step;
        remainder += twice_minor;
        if (remainder >= twice_major) {
            remainder -= twice_major;
            pixel += minor_step;
        }
    }
}

}  // namespace

index_buffer::index_buffer(int width, int height) { resize(width, height); }

void index_buffer::resize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    mark_all_drawn();
}

void index_buffer::clear(std::uint8_t index) {
    std::fill(pixels_.begin(), pixels_.end(), index);
    mark_all_drawn();
}

pixel_area index_buffer::take_drawn_area() {
    const pixel_area area = drawn_;
    drawn_ = {};
    return area;
}

void index_buffer::note_drawn(std::int64_t left_edge, std::int64_t top_edge, std::int64_t right_edge,
                              std::int64_t bottom_edge) {
    const int left = static_cast<int>(std::max<std::int64_t>(left_edge, 0));
    const int top = static_cast<int>(std::max<std::int64_t>(top_edge, 0));
    const int right = static_cast<int>(std::min<std::int64_t>(right_edge, width_));
    const int bottom = static_cast<int>(std::min<std::int64_t>(bottom_edge, height_));
    if (left >= right || top >= bottom) return;
    drawn_ = united(drawn_, {left, top, right, bottom});
}

void index_buffer::set_pixel(int x, int y, std::uint8_t index) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    note_drawn(x, y, x + 1, y + 1);
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = index;
}

std::uint8_t index_buffer::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void index_buffer::segment(point from, point to, std::uint8_t pen) {
    if (width_ == 0 || height_ == 0) return;
    const std::int64_t dx = std::int64_t(to.x) - from.x;
    const std::int64_t dy = std::int64_t(to.y) - from.y;
    if (dx == 0 && dy == 0) return;  // the only pixel is the left-out last one

    // A segment wholly beside the buffer costs nothing more than this test.
    if (std::max(from.x, to.x) < 0 || std::min(from.x, to.x) >= width_ || std::max(from.y, to.y) < 0 ||
        std::min(from.y, to.y) >= height_) {
        return;
    }
    // The segment's bounding box: a little more than the clipped walk may touch.
    note_drawn(std::min(from.x, to.x), std::min(from.y, to.y), std::int64_t{std::max(from.x, to.x)} + 1,
               std::int64_t{std::max(from.y, to.y)} + 1);

    const std::int64_t length_x = std::abs(dx);
    const std::int64_t length_y = std::abs(dy);
    const int sign_x = dx < 0 ? -1 : 1;
    const int sign_y = dy < 0 ? -1 : 1;
    if (length_x >= length_y) {
        walk_segment(pixels_.data(),
                     axis_walk{from.x, sign_x, length_x, from.y, sign_y, length_y, width_, height_, 1, width_}, pen);
    } else {
        walk_segment(pixels_.data(),
                     axis_walk{from.y, sign_y, length_y, from.x, sign_x, length_x, height_, width_, width_, 1}, pen);
    }
}

void index_buffer::polyline(std::span<const point> points, std::uint8_t pen) {
    for (std::size_t i = 1; i < points.size(); ++i) segment(points[i - 1], points[i], pen);
}

}  // namespace quor

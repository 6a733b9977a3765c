#pragma once
// The lit (non-zero) pixels of a drawing target, in reading order.

#include "render/index_buffer.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace quor {
// Readable points in test failures.
inline void PrintTo(const point& p, std::ostream* out) { *out << "(" << p.x << "," << p.y << ")"; }
}  // namespace quor

namespace quor::testing {

template <typename Target>
std::vector<point> lit_pixels(const Target& target) {
    std::vector<point> lit;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            if (target.pixel(x, y) != 0) lit.push_back({x, y});
    return lit;
}

inline std::vector<point> sorted(std::vector<point> points) {
    std::sort(points.begin(), points.end(),
              [](const point& a, const point& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return points;
}

}  // namespace quor::testing

#include "render/index_buffer.h"

#include "pixel_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

namespace quor {
namespace {

using testing::lit_pixels;
using testing::sorted;

// The line rule walked over every pixel of the segment, with no clipping: the
// pixel at step i is rounded from the exact line, a half rounding away from the start.
void reference_segment(index_buffer& buffer, point from, point to, std::uint8_t pen) {
    const std::int64_t dx = std::int64_t(to.x) - from.x;
    const std::int64_t dy = std::int64_t(to.y) - from.y;
    const std::int64_t major = std::max(std::abs(dx), std::abs(dy));
    const std::int64_t minor = std::min(std::abs(dx), std::abs(dy));
    for (std::int64_t i = 0; i < major; ++i) {
        const std::int64_t offset = (2 * i * minor + major) / (2 * major);
        const bool x_major = std::abs(dx) >= std::abs(dy);
        const std::int64_t x = from.x + (dx < 0 ? -1 : 1) * (x_major ? i : offset);
        const std::int64_t y = from.y + (dy < 0 ? -1 : 1) * (x_major ? offset : i);
        if (x >= 0 && y >= 0 && x < buffer.width() && y < buffer.height())
            buffer.set_pixel(static_cast<int>(x), static_cast<int>(y), pen);
    }
}

TEST(IndexBuffer, ClipsPixelsAndClearsToBlack) {
    index_buffer buffer(4, 3);
    EXPECT_EQ(buffer.width(), 4);
    EXPECT_EQ(buffer.height(), 3);
    for (point p : {point{-1, 0}, point{4, 0}, point{0, -1}, point{0, 3}}) buffer.set_pixel(p.x, p.y, 9);
    EXPECT_TRUE(lit_pixels(buffer).empty());
    EXPECT_EQ(buffer.pixel(-1, 0), 0);

    buffer.set_pixel(3, 2, 7);
    EXPECT_EQ(buffer.data()[2 * 4 + 3], 7);
    buffer.clear(5);
    EXPECT_TRUE(std::all_of(buffer.data(), buffer.data() + 12, [](std::uint8_t v) { return v == 5; }));
    buffer.resize(-3, 2);
    EXPECT_EQ(buffer.width(), 0);
    buffer.polyline(std::vector<point>{{0, 0}, {5, 5}}, 1);  // an empty buffer draws nothing
    buffer.resize(2, 2);
    EXPECT_TRUE(lit_pixels(buffer).empty());
}

TEST(IndexBuffer, SegmentPixelsInEveryDirection) {
    struct case_row {
        point to;
        std::vector<point> pixels;
    };
    const point from{5, 5};
    const std::vector<case_row> cases = {
        {{9, 7}, {{5, 5}, {6, 6}, {7, 6}, {8, 7}}},
        {{7, 9}, {{5, 5}, {6, 6}, {6, 7}, {7, 8}}},
        {{1, 7}, {{5, 5}, {4, 6}, {3, 6}, {2, 7}}},
        {{3, 9}, {{5, 5}, {4, 6}, {4, 7}, {3, 8}}},
        {{9, 3}, {{5, 5}, {6, 4}, {7, 4}, {8, 3}}},
        {{7, 1}, {{5, 5}, {6, 4}, {6, 3}, {7, 2}}},
        {{1, 3}, {{5, 5}, {4, 4}, {3, 4}, {2, 3}}},
        {{3, 1}, {{5, 5}, {4, 4}, {4, 3}, {3, 2}}},
        {{10, 6}, {{5, 5}, {6, 5}, {7, 5}, {8, 6}, {9, 6}}},
        {{8, 5}, {{5, 5}, {6, 5}, {7, 5}}},
        {{5, 2}, {{5, 5}, {5, 4}, {5, 3}}},
        {{8, 8}, {{5, 5}, {6, 6}, {7, 7}}},
        {{6, 5}, {{5, 5}}},
        {{5, 5}, {}},
    };
    for (const case_row& row : cases) {
        index_buffer buffer(12, 12);
        buffer.polyline(std::vector<point>{from, row.to}, 3);
        EXPECT_EQ(lit_pixels(buffer), sorted(row.pixels)) << "to " << row.to.x << "," << row.to.y;
    }
    index_buffer buffer(12, 12);
    buffer.polyline(std::vector<point>{{4, 4}}, 3);
    EXPECT_TRUE(lit_pixels(buffer).empty()) << "a single point draws nothing";
}

TEST(IndexBuffer, ClippedSegmentsMatchTheUnclippedRule) {
    std::mt19937 generator(12345);
    std::uniform_int_distribution<int> coordinate(-70, 110);
    for (int trial = 0; trial < 4000; ++trial) {
        const point from{coordinate(generator), coordinate(generator)};
        const point to{coordinate(generator), coordinate(generator)};
        index_buffer clipped(40, 30);
        index_buffer reference(40, 30);
        clipped.polyline(std::vector<point>{from, to}, 1);
        reference_segment(reference, from, to, 1);
        ASSERT_EQ(lit_pixels(clipped), lit_pixels(reference))
            << from.x << "," << from.y << " to " << to.x << "," << to.y;
    }
    // Far-off end points, as a huge ring's segments have.
    std::uniform_int_distribution<int> far(-3'000'000, 3'000'000);
    for (int trial = 0; trial < 40; ++trial) {
        const point from{far(generator), coordinate(generator)};
        const point to{far(generator), coordinate(generator)};
        for (const auto& [a, b] : {std::pair{from, to}, std::pair{point{from.y, from.x}, point{to.y, to.x}}}) {
            index_buffer clipped(40, 30);
            index_buffer reference(40, 30);
            clipped.polyline(std::vector<point>{a, b}, 1);
            reference_segment(reference, a, b, 1);
            ASSERT_EQ(lit_pixels(clipped), lit_pixels(reference)) << a.x << "," << a.y << " to " << b.x << "," << b.y;
        }
    }
}

TEST(IndexBuffer, DrawingAgainWithPenZeroErasesExactly) {
    std::mt19937 generator(777);
    std::uniform_int_distribution<int> coordinate(-200, 260);
    index_buffer buffer(64, 48);
    std::vector<std::vector<point>> rings;
    for (int ring = 0; ring < 50; ++ring) {
        std::vector<point> outline;
        for (int k = 0; k < 6; ++k) outline.push_back({coordinate(generator), coordinate(generator)});
        outline.push_back(outline.front());
        rings.push_back(outline);
    }
    // Extreme coordinates must neither overflow nor leave pixels behind.
    rings.push_back({{-2'147'483'647, 10}, {2'147'483'647, 20}, {30, 2'147'483'647}, {-2'147'483'647, 10}});
    for (const auto& outline : rings) buffer.polyline(outline, 200);
    EXPECT_FALSE(lit_pixels(buffer).empty());
    for (const auto& outline : rings) buffer.polyline(outline, 0);
    EXPECT_TRUE(lit_pixels(buffer).empty());
}

}  // namespace
}  // namespace quor

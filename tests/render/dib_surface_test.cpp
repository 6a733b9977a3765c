#include "render/dib_surface.h"

#include "pixel_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quor {
namespace {

using testing::lit_pixels;
using testing::sorted;

logical_palette grey_ramp() {
    logical_palette palette;
    for (int i = 0; i < palette_size; ++i)
        palette.entries[i] = {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2), palette_entry_reserved};
    return palette;
}

TEST(DIBsurfaceobject, RowsArePaddedToFourBytes) {
    DIBsurfaceobject surface(grey_ramp(), {5, 3});
    EXPECT_EQ(surface.row_bytes(), 8);
    EXPECT_EQ(surface.size_bytes(), 24);
    surface.set_pixel(0, 1, 9);
    EXPECT_EQ(surface.bits()[8], 9);

    DIBsurfaceobject empty(grey_ramp(), {0, 0});
    EXPECT_EQ(empty.bits(), nullptr);
    empty.draw_line(0, 0, 10, 10, 1);  // nothing to draw on, and no write anywhere
    empty.fill_polygon(std::vector<point>{{0, 0}, {5, 5}, {0, 5}}, 1);
    empty.clear_surface();
}

TEST(DIBsurfaceobject, ChangeSizeKeepsPixelsOnlyWithoutForce) {
    DIBsurfaceobject surface(grey_ramp(), {6, 4});
    surface.set_pixel(2, 2, 7);
    surface.change_size({6, 4}, false);
    EXPECT_EQ(surface.pixel(2, 2), 7);
    surface.change_size({6, 4}, true);
    EXPECT_EQ(surface.pixel(2, 2), 0);
    surface.change_size({9, 2}, false);
    EXPECT_EQ(surface.width(), 9);
    EXPECT_EQ(surface.row_bytes(), 12);
    EXPECT_EQ(surface.size_bytes(), 24);
}

TEST(DIBsurfaceobject, WritesOutsideTheSurfaceChangeNothing) {
    DIBsurfaceobject surface(grey_ramp(), {5, 4});
    for (point p : {point{5, 0}, point{0, 4}, point{-1, 0}, point{0, -1}, point{7, 1}}) {
        surface.safe_set_pixel(p.x, p.y, 3);
        surface.set_pixel(p.x, p.y, 3);
    }
    EXPECT_TRUE(lit_pixels(surface).empty());
    // The padding bytes of each row are not pixels either.
    EXPECT_TRUE(std::all_of(surface.bits(), surface.bits() + surface.size_bytes(), [](auto v) { return v == 0; }));

    surface.draw_line(-3, 1, 8, 1, 2);
    surface.draw_vertical_line(4, -5, 10, 2);
    EXPECT_EQ(lit_pixels(surface).size(), 5u + 3u);
    surface.clear_surface();
    EXPECT_TRUE(lit_pixels(surface).empty());
}

TEST(DIBsurfaceobject, LinePixels) {
    struct case_row {
        int x1, y1, x2, y2;
        std::vector<point> pixels;
    };
    const std::vector<case_row> cases = {
        {0, 0, 10, 5, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}, {8, 4}, {9, 4}, {10, 5}}},
        {10, 5, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}, {8, 4}, {9, 4}, {10, 5}}},
        {0, 0, 10, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 0}}},
        // Drawn backwards the walk still starts at the left end, so it stays on row 0.
        {10, 1, 0, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 0}}},
        {0, 0, 1, 1, {{0, 0}, {0, 1}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {3, 0, 0, 3, {{3, 0}, {2, 1}, {1, 2}, {0, 3}}},
        {1, 6, 3, 0, {{3, 0}, {3, 1}, {3, 2}, {2, 3}, {2, 4}, {2, 5}, {1, 6}}},
        {7, 3, 3, 3, {{3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}}},
        {2, 4, 2, 1, {{2, 1}, {2, 2}, {2, 3}, {2, 4}}},
        {4, 4, 4, 4, {{4, 4}}},
    };
    for (const case_row& row : cases) {
        DIBsurfaceobject surface(grey_ramp(), {12, 8});
        surface.draw_line(row.x1, row.y1, row.x2, row.y2, 5);
        EXPECT_EQ(lit_pixels(surface), sorted(row.pixels))
            << row.x1 << "," << row.y1 << " to " << row.x2 << "," << row.y2;
    }
}

TEST(DIBsurfaceobject, FillPolygonWalksBothChainsFromTheTopVertex) {
    struct span_row {
        int first, last;
    };
    auto spans_of = [](const DIBsurfaceobject& surface) {
        std::vector<std::pair<int, int>> spans;
        for (int y = 0; y < surface.height(); ++y) {
            int first = -1, last = -1;
            for (int x = 0; x < surface.width(); ++x)
                if (surface.pixel(x, y) != 0) {
                    if (first < 0) first = x;
                    last = x;
                }
            spans.push_back({first, last});
        }
        return spans;
    };
    // Top vertex 0: chain A goes to vertex 1, chain B to vertex 2 (the last) and
    // then on to vertex 1; edge x positions truncate toward zero.
    DIBsurfaceobject triangle(grey_ramp(), {12, 8});
    triangle.fill_polygon(std::vector<point>{{2, 0}, {9, 6}, {0, 4}}, 4);
    const std::vector<std::pair<int, int>> expected = {{2, 2}, {2, 3}, {1, 4}, {1, 5}, {0, 6}, {4, 7}, {9, 9}, {-1, -1}};
    EXPECT_EQ(spans_of(triangle), expected);

    // A flat top is drawn only at its first vertex on the top line; order of the
    // vertices (clockwise or not) gives the same square.
    for (const std::vector<point>& square : {std::vector<point>{{1, 1}, {5, 1}, {5, 4}, {1, 4}},
                                             std::vector<point>{{1, 1}, {1, 4}, {5, 4}, {5, 1}}}) {
        DIBsurfaceobject surface(grey_ramp(), {8, 6});
        surface.fill_polygon(square, 4);
        const std::vector<std::pair<int, int>> square_spans = {{-1, -1}, {1, 1}, {1, 5}, {1, 5}, {1, 5}, {-1, -1}};
        EXPECT_EQ(spans_of(surface), square_spans);
    }

    // A polygon reaching past the surface fills only the surface.
    DIBsurfaceobject small(grey_ramp(), {4, 4});
    small.fill_polygon(std::vector<point>{{-2'000'000'000, -5}, {2'000'000'000, 1}, {0, 2'000'000}}, 4);
    small.fill_polygon(std::vector<point>{{0, 0}}, 6);
    EXPECT_EQ(small.pixel(0, 0), 6);
}

TEST(DIBsurfaceobject, CopyToScreenGoesThroughItsOwnPalette) {
    DIBsurfaceobject surface(grey_ramp(), {3, 2});
    surface.set_pixel(0, 0, 200);
    surface.set_pixel(2, 1, 17);
    std::vector<std::uint32_t> screen(4 * 3, 0x12345678u);
    surface.copy_surface_to_screen({screen.data(), 4, 3, 4});
    EXPECT_EQ(screen[0], 0xffc83764u);
    EXPECT_EQ(screen[1], 0xff00ff00u);
    EXPECT_EQ(screen[4 + 2], 0xff11ee08u);
    EXPECT_EQ(screen[3], 0x12345678u) << "outside the surface the screen is untouched";
    EXPECT_EQ(screen[8], 0x12345678u);

    logical_palette red = grey_ramp();
    red.entries[200] = {255, 0, 0, 0};
    surface.change_palette(red);
    surface.copy_surface_to_screen({screen.data(), 4, 3, 4});
    EXPECT_EQ(screen[0], 0xffff0000u);
    EXPECT_EQ(surface.palette(), red);
}

}  // namespace
}  // namespace quor

#include "engine/poly.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <vector>

namespace quor {

// Readable vertices in failure messages.
void PrintTo(const point& vertex, std::ostream* out)
{
    *out << "(" << vertex.x << ", " << vertex.y << ")";
}

namespace {

constexpr std::int32_t steps = 65536;  // one angle step or colour index in 16.16

poly make_poly(std::int32_t side_count, std::int32_t angle = 0, double size = 100.0,
               std::int32_t colour = 5 * steps)
{
    return poly(320, 240, side_count, colour, angle, 0, size, 1.0, 1.0);
}

std::vector<point> outline(const poly& ring)
{
    return {ring.vertices.begin(), ring.vertices.begin() + ring.side_count + 1};
}

int count_pixels(const index_buffer& buffer, std::uint8_t index)
{
    return static_cast<int>(std::count(buffer.data(), buffer.data() + buffer.width() * buffer.height(), index));
}

bool all_black(const index_buffer& buffer)
{
    return count_pixels(buffer, 0) == buffer.width() * buffer.height();
}

TEST(Poly, SquareVerticesCloseTheOutline)
{
    const poly square = make_poly(4);
    const std::vector<point> expected = {{420, 240}, {320, 340}, {220, 240}, {320, 140}, {420, 240}};
    EXPECT_EQ(outline(square), expected);
    EXPECT_EQ(square.changed, 0);
}

TEST(Poly, OneAndNoSidesGiveOnePointOnTheCircle)
{
    struct Case {
        std::int32_t side_count;
        std::int32_t angle;
        point vertex;
        int pixels_by_drawvert;
    };
    const Case cases[] = {
        {1, 0, {420, 240}, 1},
        {0, 4096 * steps, {320, 340}, 0},
        {-1, 8192 * steps, {220, 240}, 0},
    };
    for (const Case& c : cases) {
        const poly point_ring = make_poly(c.side_count, c.angle);
        EXPECT_EQ(point_ring.vertices[0], c.vertex) << c.side_count;

        index_buffer buffer(640, 480);
        point_ring.drawpoly(buffer);
        EXPECT_EQ(count_pixels(buffer, 15), 1) << c.side_count;
        EXPECT_EQ(buffer.pixel(c.vertex.x, c.vertex.y), 15);

        buffer.clear();
        point_ring.drawvert(buffer);
        EXPECT_EQ(count_pixels(buffer, 15), c.pixels_by_drawvert) << c.side_count;
    }
}

TEST(Poly, PointsRoundBeforeAddingTheCentreOutlinesAfter)
{
    // x offset exactly 0.5 from a centre of 1: an outline rounds 1.5 to 2, a
    // single point rounds 0.5 to 0 and then adds 1.
    const poly segment(1, 0, 2, 0, 0, 0, 0.5, 1.0, 1.0);
    const poly single(1, 0, 1, 0, 0, 0, 0.5, 1.0, 1.0);
    EXPECT_EQ(segment.vertices[0], (point{2, 0}));
    EXPECT_EQ(single.vertices[0], (point{1, 0}));
}

TEST(Poly, CopyFromBelowTurnsBySpinAndKeepsItsSize)
{
    for (std::int32_t below_changed : {0, 1}) {
        poly below(100, 50, 3, 7 * steps, 200 * steps, 1000 * steps, 10.0, 1.5, 0.5);
        below.changed = below_changed;
        poly outer = make_poly(6, 0, 80.0);
        outer.copy_from_below(below);

        EXPECT_EQ(outer.angle, 1200 * steps);
        EXPECT_EQ(outer.size, 80.0);
        EXPECT_EQ(outer.changed, below_changed);
        EXPECT_EQ(below.changed, 0);
        const poly expected(100, 50, 3, 7 * steps, 1200 * steps, 1000 * steps, 80.0, 1.5, 0.5);
        EXPECT_EQ(outline(outer), outline(expected));
        EXPECT_EQ(outer.spin, below.spin);
        EXPECT_EQ(outer.colour, below.colour);
    }

    // The angle sum wraps at 32 bits; the table index is taken unsigned.
    poly below(0, 0, 1, 0, 0x7FFF0000, 0x00020000, 1.0, 1.0, 1.0);
    poly outer = make_poly(1);
    outer.copy_from_below(below);
    EXPECT_EQ(static_cast<std::uint32_t>(outer.angle), 0x80010000u);
    const poly one_step = make_poly(1, 1 * steps, 1000.0);
    poly wrapped = make_poly(1, static_cast<std::int32_t>(0x80010000u), 1000.0);
    EXPECT_EQ(wrapped.vertices[0], one_step.vertices[0]);
}

TEST(Poly, PenIndexIsTheColourIndexPlusTenInSixteenBits)
{
    struct Case {
        std::int32_t colour;
        std::int32_t pen;
    };
    const Case cases[] = {
        {0, 10},
        {5 * steps + 65535, 15},  // the fraction does not count
        {235 * steps, 245},
        {-10 * steps, 0},          // the start colour of new rings: black
        {-1 * steps, 9},
        {-20 * steps, 65526},      // wraps in 16 bits, never negative
        {0x7FFF0000, 32777},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pen_index(c.colour), c.pen) << c.colour;
}

TEST(Poly, StartColourDrawsWithPenZero)
{
    index_buffer buffer(640, 480);
    buffer.clear(7);
    const poly square = make_poly(4, 0, 100.0, -10 * steps);
    square.drawpoly(buffer);
    EXPECT_EQ(buffer.pixel(420, 240), 0);
    const poly single = make_poly(1, 0, 100.0, -10 * steps);
    buffer.clear(7);
    single.drawvert(buffer);
    EXPECT_EQ(buffer.pixel(420, 240), 0);
    EXPECT_EQ(count_pixels(buffer, 0), 1);
}

TEST(Poly, ColourBeyondThePensDrawsNothing)
{
    index_buffer buffer(640, 480);
    const poly square = make_poly(4, 0, 100.0, 300 * steps);  // pen 310
    square.drawpoly(buffer);
    square.drawvert(buffer);
    EXPECT_TRUE(all_black(buffer));
}

TEST(Poly, SegmentPassesThroughTheCentre)
{
    index_buffer buffer(640, 480);
    make_poly(2, 1000 * steps).drawpoly(buffer);
    EXPECT_EQ(buffer.pixel(320, 240), 15);
}

TEST(Poly, EveryShapeErasesToBlack)
{
    index_buffer buffer(320, 200);
    for (std::int32_t side_count = 0; side_count <= 10; ++side_count) {
        for (std::int32_t angle : {0, 777 * steps, 12345 * steps + 4321}) {
            // A ring inside the screen and one mostly outside it.
            for (double size : {60.0, 400.0}) {
                const poly ring(160, 100, side_count, 20 * steps, angle, 0, size, 1.3, 0.8);
                ring.drawpoly(buffer);
                if (size < 100.0) {
                    EXPECT_GT(count_pixels(buffer, 30), 0) << side_count << " sides";
                }
                ring.erasepoly(buffer);
                EXPECT_TRUE(all_black(buffer)) << side_count << " sides, size " << size;
                ring.drawvert(buffer);
                ring.erasevert(buffer);
                EXPECT_TRUE(all_black(buffer)) << side_count << " sides, size " << size;
            }
        }
    }
}

TEST(Poly, MoreThanTenSidesDrawAsTen)
{
    poly too_many = make_poly(12, 300 * steps);
    const poly ten = make_poly(10, 300 * steps);
    EXPECT_EQ(too_many.vertices, ten.vertices);

    index_buffer drawn_too_many(640, 480);
    index_buffer drawn_ten(640, 480);
    too_many.drawpoly(drawn_too_many);
    too_many.drawvert(drawn_too_many);
    ten.drawpoly(drawn_ten);
    ten.drawvert(drawn_ten);
    EXPECT_TRUE(std::equal(drawn_ten.data(), drawn_ten.data() + 640 * 480, drawn_too_many.data()));
}

}  // namespace
}  // namespace quor

#include "shell/about_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quor {

namespace {

constexpr double two_pi = 2.0 * std::numbers::pi;
// The band's rows cover 384 / 413.64 of a turn, leaving a gap where its ends would meet.
constexpr double band_rows_per_turn = 413.64;
constexpr double filler_radius = 0.02;
constexpr double cube_half_side = 0.57;

// A colour count outside 0..236 cannot come from a palette; 0 means no colours.
int usable_colours(int colour_count) { return std::clamp(colour_count, 0, 236); }

double shown_or_hidden(int colour_count, double colour) { return colour_count > 0 ? colour : about_hidden_colour; }

}  // namespace

void build_image_shape(about_shape& shape, const about_image& image, int colour_count, uniform_random& random) {
    const int colours = usable_colours(colour_count);
    int next = 0;
    for (int row = about_image_rows - 1; row >= 0 && next < about_points_per_shape; --row) {
        for (int column = 0; column < about_image_columns && next < about_points_per_shape; ++column) {
            if (image[static_cast<std::size_t>(row) * about_image_columns + column] == 0) continue;
            const double along = row * two_pi / band_rows_per_turn;
            const double across = (column - 11.5) * std::numbers::pi / 200.0;
            about_point& point = shape[next++];
            point.x = std::cos(along) * std::cos(across);
            point.y = std::sin(across);
            point.z = std::sin(along) * std::cos(across);
            point.colour = colours > 0 ? ((about_image_rows - 1 - row) % colours) + 10.0 : about_hidden_colour;
        }
    }
    for (; next < about_points_per_shape; ++next) {
        const int a = random(256);
        const int b = random(256);
        const double u = a * two_pi / 255.0;
        const double v = b * two_pi / 255.0;
        about_point& point = shape[next];
        point.x = filler_radius * std::cos(u) * std::cos(v);
        point.y = filler_radius * std::sin(v);
        point.z = filler_radius * std::sin(u) * std::cos(v);
        point.colour = about_hidden_colour;
    }
}

void build_cube_shape(about_shape& shape, int colour_count, uniform_random& random) {
    const int colours = usable_colours(colour_count);
    const double corner_distance = std::sqrt(3.0 * cube_half_side * cube_half_side);
    auto coordinate = [&random] { return random(256) * (2.0 * cube_half_side) / 255.0 - cube_half_side; };
    for (about_point& point : shape) {
        point.x = coordinate();
        point.z = coordinate();
        point.y = coordinate();
        const double distance = std::sqrt(point.x * point.x + point.y * point.y + point.z * point.z);
        point.colour = shown_or_hidden(colours, distance / corner_distance * colours + 10.0);
    }
}

void build_sphere_shape(about_shape& shape, int colour_count) {
    const int colours = usable_colours(colour_count);
    int next = 0;
    for (int band = 0; band < 32; ++band) {
        const double latitude = (band + 0.5) * std::numbers::pi / 32.0;
        for (int step = 0; step < 32; ++step) {
            const double longitude = (step + 0.5) * two_pi / 32.0;
            const double colour = shown_or_hidden(colours, longitude / two_pi * (colours - 1) + 10.0);
            about_point& outer = shape[next++];
            outer.x = std::cos(longitude) * std::sin(latitude);
            outer.y = std::sin(longitude) * std::sin(latitude);
            outer.z = std::cos(latitude);
            outer.colour = colour;
            about_point& inner = shape[next++];
            inner.x = 0.5 * std::cos(longitude) * std::sin(latitude);
            inner.y = 0.5 * std::cos(latitude);
            inner.z = 0.5 * std::sin(longitude) * std::sin(latitude);
            inner.colour = colour;
        }
    }
}

void build_ring_shape(about_shape& shape, int colour_count) {
    const int colours = usable_colours(colour_count);
    int next = 0;
    for (int around_ring = 0; around_ring < 64; ++around_ring) {
        const double alpha = around_ring * two_pi / 64.0;
        const double colour = shown_or_hidden(colours, (std::cos(alpha) + 1.0) * 0.5 * (colours - 1) + 10.0);
        for (int around_tube = 0; around_tube < 16; ++around_tube) {
            const double beta = around_tube * two_pi / 16.0;
            const double distance = 0.75 + 0.25 * std::cos(beta);
            about_point& first = shape[next++];
            first.x = distance * std::cos(alpha);
            first.y = distance * std::sin(alpha);
            first.z = 0.25 * std::sin(beta);
            first.colour = colour;
            about_point& second = shape[next++];
            second.x = distance * std::cos(alpha);
            second.y = 0.25 * std::sin(beta);
            second.z = distance * std::sin(alpha);
            second.colour = colour;
        }
    }
}

void build_about_shapes(about_shape_table& shapes, const about_images& images, int colour_count,
                        uniform_random& random) {
    for (int image = 0; image < about_image_count; ++image)
        build_image_shape(shapes[image], images.blocks[image], colour_count, random);
    build_cube_shape(shapes[3], colour_count, random);
    build_sphere_shape(shapes[4], colour_count);
    build_ring_shape(shapes[5], colour_count);
}

void compute_morph_steps(about_shape_table& shapes, int morph_length) {
    const double steps = std::max(morph_length, 1);
    for (int shape = 0; shape < about_shape_count; ++shape) {
        const about_shape& next_shape = shapes[(shape + 1) % about_shape_count];
        for (int j = 0; j < about_points_per_shape; ++j) {
            about_point& point = shapes[shape][j];
            const about_point& target = next_shape[j];
            point.dx = (target.x - point.x) / steps;
            point.dy = (target.y - point.y) / steps;
            point.dz = (target.z - point.z) / steps;
            point.dcolour = (target.colour - point.colour) / steps;
        }
    }
}

}  // namespace quor

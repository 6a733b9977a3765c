#pragma once
// The about box's six point clouds. Point j of one shape flows into point j of
// the next during a morph, so the order in which each shape numbers its points
// decides how the shapes turn into each other.

#include "engine/uniform_random.h"
#include "shell/about_data_file.h"

#include <array>

namespace quor {

inline constexpr int about_points_per_shape = 2048;
inline constexpr int about_shape_count = 6;
// A point is drawn only when its colour is above this; filler points carry it.
inline constexpr double about_hidden_colour = 9.0;

struct about_point {
    double x = 0.0, y = 0.0, z = 0.0;  // the shapes fit in the unit sphere
    double colour = 0.0;               // palette index as a real number
    // Change per morph step towards the same point number of the next shape.
    double dx = 0.0, dy = 0.0, dz = 0.0, dcolour = 0.0;
};

using about_shape = std::array<about_point, about_points_per_shape>;
using about_shape_table = std::array<about_shape, about_shape_count>;

// Shapes 0..2: the marked cells of an image, rows 383 down to 0 and in each row
// columns 0 to 23, wrapped around a band of the unit sphere; marks past the
// 2048th are ignored. The remaining slots are filler points drawn from `random`.
void build_image_shape(about_shape& shape, const about_image& image, int colour_count, uniform_random& random);
// Shape 3: a cube of random points, coloured from the centre outward.
void build_cube_shape(about_shape& shape, int colour_count, uniform_random& random);
// Shape 4: two nested spheres, the inner one turned a quarter.
void build_sphere_shape(about_shape& shape, int colour_count);
// Shape 5: two linked rings.
void build_ring_shape(about_shape& shape, int colour_count);

// All six in order; the random draws follow that order. With a colour count of
// 0 there is no colour to draw with, so every point is hidden.
void build_about_shapes(about_shape_table& shapes, const about_images& images, int colour_count, uniform_random& random);

// The morph steps of every shape towards the next (5 towards 0), over
// `morph_length` steps (at least 1).
void compute_morph_steps(about_shape_table& shapes, int morph_length);

}  // namespace quor

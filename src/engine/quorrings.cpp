#include "engine/quorrings.h"

#include "engine/rounding.h"

#include <algorithm>

namespace quor {

namespace {

constexpr int most_rings = 200;
constexpr std::int32_t unseen_colour = -10 * 65536;  // draws with pen 0: black on the black screen

}  // namespace

screen_geometry screen_geometry::for_size(int width, int height) {
    screen_geometry geometry;
    geometry.centre_x = (width - 1) / 2;
    geometry.centre_y = (height - 1) / 2;
    geometry.half_size = std::min(geometry.centre_x, geometry.centre_y);
    geometry.quarter_x = geometry.centre_x / 4;
    geometry.quarter_y = geometry.centre_y / 4;
    return geometry;
}

quorrings::quorrings(ring_environment& environment)
    : environment_(environment),
      inputs_{environment_.form, environment_.random, densities_, environment_.geometry, environment_.mouse} {
    const settings_controls& form = environment_.form;
    create_palette_pens(palette_pens_, pen_style::solid);
    densities_.setup_densities(form);
    drivers_.setup_aspect(form);
    make_polygons();
    poly& central = polygons_.front();
    central.colour = environment_.random.uniform.next(environment_.palette.colour_count()) * 65536;
    drivers_.setup(inputs_, central, environment_.palette.colour_count());
}

quorrings::~quorrings() { delete_palette_pens(palette_pens_); }

void quorrings::make_polygons() {
    const settings_controls& form = environment_.form;
    const screen_geometry& geometry = environment_.geometry;
    // No rings at all would leave nothing to draw and divide the depth range by
    // zero: the smallest tunnel has one ring.
    ring_count_ = std::clamp(form.max_polygons.position(), 1, most_rings);

    const double innermost = form.vanishing.position() / (static_cast<double>(form.vanishing.maximum()) + 1.0);
    const double outer_size =
        geometry.half_size * (4.0 / form.magnification.maximum()) * form.magnification.position();
    const double depth_step = (1.0 - innermost) / ring_count_;
    const double curve = 5.0 / form.perspective.maximum();
    const int perspective = form.perspective.position();
    const double aspect_x = drivers_.start_aspect_x();
    const double aspect_y = drivers_.start_aspect_y();

    polygons_.clear();
    polygons_.reserve(static_cast<std::size_t>(ring_count_) + 1);
    for (int i = 0; i <= ring_count_; ++i) {
        const int k = form.in_out.checked() ? i : ring_count_ - i;
        const double depth = k * depth_step + innermost;
        // Both curves reach the full size at depth 1; a negative perspective mirrors the positive one.
        const double scale = perspective >= 0 ? power(depth, 1.0 + perspective * curve)
                                              : 1.0 - power(1.0 - depth, 1.0 - perspective * curve);
        const std::int32_t radius = round_to_int(scale * outer_size);
        const std::int32_t side_count = densities_.sides(environment_.random.uniform);
        polygons_.emplace_back(geometry.centre_x, geometry.centre_y, side_count, unseen_colour, 0, 0, radius,
                               aspect_x, aspect_y);
    }
}

void quorrings::cyclerings(index_buffer& target) {
    const settings_controls& form = environment_.form;
    const bool rub_out = form.rub_out.checked();
    const bool sync = form.aspect_sync.checked();
    const bool vertices = form.draw_vertices.checked();
    const poly& central = polygons_.front();
    // Outermost first, so each slot takes its inner neighbour's state of the previous frame.
    for (int j = ring_count_; j >= 1; --j) {
        poly& ring = polygons_[static_cast<std::size_t>(j)];
        poly& inner = polygons_[static_cast<std::size_t>(j) - 1];
        // Only an incoming state that differs needs the old image gone.
        if (rub_out && inner.changed == 1) {
            if (vertices)
                ring.erasevert(target);
            else
                ring.erasepoly(target);
        }
        ring.copy_from_below(inner);
        if (sync) {
            // After the vertices are made: the ring that takes over this state next frame shows it.
            ring.aspect_x = central.aspect_x;
            ring.aspect_y = central.aspect_y;
        }
        if (vertices)
            ring.drawvert(target);
        else
            ring.drawpoly(target);
    }
    drivers_.step(inputs_, polygons_.front());
}

void quorrings::draw_all_rings(index_buffer& target) const {
    const bool vertices = environment_.form.draw_vertices.checked();
    for (int j = ring_count_; j >= 1; --j) {
        const poly& ring = polygons_[static_cast<std::size_t>(j)];
        if (vertices)
            ring.drawvert(target);
        else
            ring.drawpoly(target);
    }
}

int quorrings::ring_count() const { return ring_count_; }

poly& quorrings::central_poly() { return polygons_.front(); }

std::unique_ptr<ring_animation> make_quorrings(ring_environment& environment) {
    return std::make_unique<quorrings>(environment);
}

}  // namespace quor

#include "shell/about_demonstration.h"

#include "engine/angle_tables.h"
#include "engine/rounding.h"

#include <algorithm>
#include <cstdio>

namespace quor {

namespace {

constexpr double frame_period = 1.0 / about_demonstration::frames_per_second_limit;  // seconds
constexpr int speed_samples = 10;

// (start + 4 x speed x frame) modulo 16384, taken from the low 14 bits of the
// two's-complement value; unsigned arithmetic wraps where a signed product
// would overflow, and keeps those bits.
std::uint32_t angle_index(std::uint32_t start, std::int32_t speed, std::int32_t frame) {
    const std::uint32_t turned = 4u * static_cast<std::uint32_t>(speed) * static_cast<std::uint32_t>(frame);
    return (start + turned) & (angle_steps_per_turn - 1);
}

}  // namespace

about_demonstration::about_demonstration(tick_clock& clock, uniform_random& random)
    : random_(random), timer_(clock), shapes_(std::make_unique<about_shape_table>()) {
    for (scroll_bar* bar : {&controls.x_rot, &controls.y_rot, &controls.z_rot, &controls.persp, &controls.cycle_speed})
        bar->on_change = [this](scroll_bar&) { x_rotChange(); };
    controls.morph_sc.on_change = [this](scroll_bar&) { morph_scChange(); };
    controls.pause_sc.on_change = [this](scroll_bar&) { pause_scChange(); };
    controls.Button1.on_click = [this](button&) { Button1Click(); };
}

void about_demonstration::FormCreate(const about_images& images) { images_ = images; }

void about_demonstration::FormShow(const logical_palette& palette, int colour_count, point size) {
    palette_ = palette;
    colour_count_ = std::clamp(colour_count, 0, animatable_colour_limit);
    surface_.emplace(palette_, size);
    state.picture_centre_x = surface_->width() / 2;
    state.picture_centre_y = surface_->height() / 2;
    speed_.reset(speed_samples);
    build_about_shapes(*shapes_, images_, colour_count_, random_);
    morph_scChange();
    x_rotChange();
    pause_scChange();
}

void about_demonstration::FormHide() { surface_.reset(); }

void about_demonstration::x_rotChange() {
    state.rot_speed_x = controls.x_rot.position();
    state.rot_speed_y = controls.y_rot.position();
    state.rot_speed_z = controls.z_rot.position();
    state.view_distance = controls.persp.position() * 0.1 + 1.3;
    state.projection_scale = state.view_distance * 100.0;
}

void about_demonstration::morph_scChange() {
    state.morph_length = controls.morph_sc.position() * 10 + 1;
    state.morph_step = 0;
    compute_morph_steps(*shapes_, state.morph_length);
}

void about_demonstration::pause_scChange() { state.pause_length = controls.pause_sc.position(); }

void about_demonstration::Button1Click() {
    controls.x_rot.set_position(0);
    controls.y_rot.set_position(20);
    controls.z_rot.set_position(0);
    controls.persp.set_position(5);
    controls.cycle_speed.set_position(5);
    controls.pause_sc.set_position(250);
    controls.morph_sc.set_position(10);
    state.frame_count = 32;
    state.shape_index = 0;
    state.morph_step = 0;
    state.pause_count = 0;
    // Again, for the bars that were already where they were put.
    x_rotChange();
    pause_scChange();
    morph_scChange();
}

double about_demonstration::seconds_until_next_frame() {
    return std::max(0.0, frame_period - timer_.time_so_far());
}

bool about_demonstration::frame_routine() {
    if (!surface_ || seconds_until_next_frame() > 0.0) return false;
    timer_.stop_timing();
    const double average = speed_.update(1.0 / timer_.elapsed_time());
    char caption[32];
    std::snprintf(caption, sizeof caption, "%.0f", average);
    controls.about_speed.set_caption(caption);
    timer_.start_timing();
    rotate_palette();
    advance_and_draw();
    return true;
}

void about_demonstration::rotate_palette() {
    const int shift = controls.cycle_speed.position();
    if (!surface_ || shift == 0 || colour_count_ == 0) return;
    rotate_animated_entries(palette_.entries, colour_count_, shift);
    surface_->change_palette(palette_);
}

void about_demonstration::compute_rotation() {
    const angle_tables& tables = shared_angle_tables();
    const std::uint32_t ax = angle_index(512, state.rot_speed_x, state.frame_count);
    const std::uint32_t ay = angle_index(512, state.rot_speed_y, state.frame_count);
    const std::uint32_t az = angle_index(0, state.rot_speed_z, state.frame_count);
    const double ca = tables.cos_table[ax], sa = tables.sin_table[ax];
    const double cb = tables.cos_table[ay], sb = tables.sin_table[ay];
    const double cc = tables.cos_table[az], sc = tables.sin_table[az];
    rotation_ = {cb * cc - sa * sb * sc, -ca * sc, sb * cc + sa * cb * sc,  //
                 cb * sc + sa * sb * cc, ca * cc, sb * sc - sa * cb * cc,   //
                 -ca * sb,               sa,      ca * cb};
}

int about_demonstration::advance_and_draw() {
    if (!surface_) return 0;
    about_state& s = state;
    s.frame_count = static_cast<std::int32_t>(static_cast<std::uint32_t>(s.frame_count) + 1u);
    if (s.pause_count >= 0)
        ++s.pause_count;
    else
        ++s.morph_step;
    if (s.pause_count >= s.pause_length) {
        s.pause_count = -1;
        s.morph_step = 1;
    }
    if (s.morph_step >= s.morph_length) {
        s.morph_step = 0;
        s.pause_count = 0;
        ++s.shape_index;
    }
    if (s.shape_index < 0 || s.shape_index >= about_shape_count) s.shape_index = 0;
    compute_rotation();

    surface_->clear_surface();
    const std::array<double, 9>& m = rotation_;
    const double step = s.morph_step;
    const double width = surface_->width();
    const double height = surface_->height();
    int plotted = 0;
    for (const about_point& point : (*shapes_)[s.shape_index]) {
        const double colour = point.colour + step * point.dcolour;
        // Index 9 and below are the fixed colours; past 255 there is no entry.
        if (!(colour > about_hidden_colour && colour < 256.0)) continue;
        const double x = point.x + step * point.dx;
        const double y = point.y + step * point.dy;
        const double z = point.z + step * point.dz;
        const double depth = m[6] * x + m[7] * y + m[8] * z + s.view_distance;
        // A point at or behind the eye has no place on the picture.
        if (!(depth > 0.0)) continue;
        // Compared as reals, so that no far-off position overflows an integer.
        const double column = round_half_even((m[0] * x + m[1] * y + m[2] * z) * s.projection_scale / depth) +
                              s.picture_centre_x;
        const double row = round_half_even((m[3] * x + m[4] * y + m[5] * z) * s.projection_scale / depth) +
                           s.picture_centre_y;
        if (!(column >= 0.0 && column < width && row >= 0.0 && row < height)) continue;
        surface_->safe_set_pixel(static_cast<int>(column), static_cast<int>(row),
                                 static_cast<std::uint8_t>(static_cast<int>(colour)));
        ++plotted;
    }
    return plotted;
}

}  // namespace quor

#include "shell/animation_session.h"

#include "render/palette_file.h"

#include <charconv>
#include <exception>

namespace quor {

namespace {

// 1/65536 of a palette entry per frame for each position of `palette_inc`.
constexpr std::int32_t palette_step_per_position = 5000;

}  // namespace

int designed_speed_from_caption(std::string_view caption) {
    int speed = 0;
    const char* first = caption.data();
    const char* last = caption.data() + caption.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, speed);
    if (error != std::errc() || end != last || speed < 1) return 1;
    return speed;
}

animation_session::animation_session(const animation_session_parts& parts, int width, int height)
    : parts_(parts),
      screen_(width, height),
      environment_{parts.form, parts.palette, parts.random, mouse_,
                   screen_geometry::for_size(screen_.width(), screen_.height())},
      regulator_(parts.clock) {
    // A session without an engine still runs, shows the error as the
    // top-level handler would, and draws nothing until a restart succeeds.
    try {
        rings_ = build_rings();
    } catch (const std::exception& error) {
        parts_.messages.show_message(error.what());
    }
    restart_speed_and_phase();
}

animation_session::~animation_session() = default;

void animation_session::load_palette() {
    const list_box& list = parts_.form.palette_list;
    if (!list.has_selection()) {
        parts_.messages.show_message("Palette files not found in " + parts_.palette.data_dir() + "Palette");
        return;
    }
    // A damaged file is reported like a missing one, and the engine is still
    // built with the palette already there: without an engine there would be
    // nothing to draw or step.
    try {
        parts_.palette.read_palette_file(list.selected_item());
    } catch (const palette_file_error& error) {
        parts_.messages.show_message(error.what());
    }
    ++palette_version_;
}

std::unique_ptr<ring_animation> animation_session::build_rings() {
    load_palette();
    return parts_.make_rings(environment_);
}

void animation_session::restart_speed_and_phase() {
    phase_.restart(parts_.form.palette_inc.position() * palette_step_per_position);
    regulator_.restart(designed_speed_from_caption(parts_.form.designed_speed.caption()));
}

void animation_session::restart() {
    screen_.clear();
    rings_ = build_rings();
    restart_speed_and_phase();
}

void animation_session::resize(int width, int height) {
    screen_.resize(width, height);
    environment_.geometry = screen_geometry::for_size(screen_.width(), screen_.height());
    restart();
}

double animation_session::seconds_until_next_frame() {
    return fixed_speed() ? regulator_.seconds_until_slot() : 0.0;
}

void animation_session::step() {
    const settings_controls& form = parts_.form;
    const std::int32_t shift = phase_.advance();
    const bool frozen = paused_ && form.pause_freeze.checked();
    if (!frozen && shift != 0) {
        parts_.palette.rotate_palette(shift);
        ++palette_version_;
    }
    regulator_.run_frame(form.fix_speed.checked(), [this] {
        if (!paused_ && rings_) rings_->cyclerings(screen_);
    });
}

void animation_session::skip_frame() { phase_.advance(); }

void animation_session::repaint() {
    if (rings_) rings_->draw_all_rings(screen_);
}

void animation_session::clear() { screen_.clear(); }

session_picture animation_session::picture() {
    const pixel_area drawn = screen_.take_drawn_area();
    if (!drawn.empty()) ++pixels_version_;
    return {image_of(screen_), parts_.palette.colours(), pixels_version_, palette_version_, drawn};
}

}  // namespace quor

#include "shell/main_window.h"

#include "engine/rounding.h"
#include "shell/flag_guard.h"
#include "storage/setting_conversion.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <limits>

namespace quor {

namespace {

// 1/65536 of a palette entry per frame for each position of `palette_inc`.
constexpr std::int32_t palette_step_per_position = 5000;
// A setting ends with the chance 1 / (this x the maximum time) in each frame.
constexpr std::int64_t cycle_draws_per_second = 64;

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

main_window::main_window(const main_window_services& services, int width, int height)
    : services_(services),
      screen_(width, height),
      environment_{services.form,   services.palette, services.random,
                   services.messages, services.cursors, mouse_,
                   screen_geometry::for_size(screen_.width(), screen_.height()), services.program_dir},
      regulator_(services.clock) {
    // A window without an engine still opens, shows the error as the
    // top-level handler would, and runs until a rebuild succeeds.
    try {
        rings_ = services_.make_rings(environment_);
    } catch (const std::exception& error) {
        services_.messages.show_message(error.what());
    }
    restart_speed_and_phase();
    last_cycle_ = now();
}

main_window::~main_window() = default;

double main_window::now() {
    return static_cast<double>(services_.clock.now()) / static_cast<double>(services_.clock.frequency());
}

void main_window::restart_speed_and_phase() {
    phase_.restart(services_.form.palette_inc.position() * palette_step_per_position);
    regulator_.restart(designed_speed_from_caption(services_.form.designed_speed.caption()));
}

void main_window::restart_rings() {
    screen_.clear();
    ++picture_version_;
    // The new engine is built before the old one goes: should building fail (a
    // damaged palette file), the animation runs on with the old one.
    rings_ = services_.make_rings(environment_);
    restart_speed_and_phase();
}

void main_window::idle_frame(bool& done) {
    const settings_controls& form = services_.form;
    const std::int32_t shift = phase_.advance();
    const bool frozen = paused_ && form.pause_freeze.checked();
    if (!settings_open_ && !frozen && shift != 0) {
        services_.palette.rotate_palette(shift);
        ++picture_version_;
    }
    if (!settings_open_) {
        regulator_.run_frame(form.fix_speed.checked(), [this] {
            if (!paused_ && rings_) {
                rings_->cyclerings(screen_);
                ++picture_version_;
            }
        });
    }
    done = paused_ ? form.pause_mouse.checked() : false;
    if (!paused_ && !settings_open_ && services_.options.Run_mode.checked()) auto_cycle();
}

void main_window::auto_cycle() {
    const options_controls& options = services_.options;
    check_time_ = now();
    const double elapsed = check_time_ - last_cycle_;
    if (options.min_seconds >= elapsed) return;
    if (elapsed <= options.max_seconds) {
        // 64 x the maximum time can exceed 32 bits for a hand-edited maximum.
        const std::int64_t draws = std::min<std::int64_t>(cycle_draws_per_second * options.max_seconds,
                                                          std::numeric_limits<std::int32_t>::max());
        if (services_.random.uniform.next(static_cast<std::int32_t>(draws)) != 1) return;
    }
    services_.pick_random_setting(options.cycle_tagged.checked());
    restart_rings();
    last_cycle_ = check_time_;
}

void main_window::FormClick() {
    flag_guard open(settings_open_);
    settings_controls& form = services_.form;
    form.f_speed.set_caption(std::to_string(round_to_int(regulator_.speed().average)));
    const std::vector<std::string> snapshot = controls_to_lines(form, temporary_setting_name);
    if (services_.show_settings_form() != modal_result::ok) {
        lines_to_controls(form, snapshot);
        return;
    }
    check_box& run_mode = services_.options.Run_mode;
    if (run_mode.checked() && !form.setting_loaded && settings_changed(snapshot) &&
        services_.messages.ask_yes_no(auto_cycling_question))
        run_mode.set_checked(false);
    restart_rings();
    paused_ = false;
    last_cycle_ = now();
}

void main_window::FormMouseDown(mouse_button button) {
    if (button == mouse_button::right) paused_ = !paused_;
}

void main_window::FormMouseMove(int x, int y) {
    mouse_.mouse_x = x;
    mouse_.mouse_y = y;
}

void main_window::FormPaint() {
    if (services_.about_box_visible && services_.about_box_visible()) return;
    if (!rings_) return;
    rings_->draw_all_rings(screen_);
    ++picture_version_;
}

void main_window::black_out() {
    screen_.clear();
    ++picture_version_;
}

bool main_window::settings_changed(const std::vector<std::string>& snapshot) const {
    return controls_to_lines(services_.form, temporary_setting_name) != snapshot;
}

}  // namespace quor

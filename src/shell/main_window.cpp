#include "shell/main_window.h"

#include "engine/rounding.h"
#include "shell/flag_guard.h"
#include "storage/setting_conversion.h"

namespace quor {

main_window::main_window(const main_window_services& services, int width, int height)
    : services_(services),
      session_({services.form, services.palette, services.random, services.messages, services.clock,
                services.make_rings},
               width, height),
      cycler_({services.options, services.random.uniform, services.clock, services.pick_random_setting,
               [this] { restart_rings(); }}) {
    if (session_.has_rings()) select_cursor();
}

main_window::~main_window() = default;

void main_window::select_cursor() { services_.cursors.select_cursor(services_.form.hide_cursor.checked() ? 2 : 1); }

void main_window::restart_rings() {
    session_.restart();
    select_cursor();
}

void main_window::resize(int width, int height) {
    session_.resize(width, height);
    select_cursor();
}

double main_window::seconds_until_next_frame() {
    return settings_open_ ? 0.0 : session_.seconds_until_next_frame();
}

void main_window::idle_frame(bool& done) {
    if (settings_open_)
        session_.skip_frame();
    else
        session_.step();
    done = paused() ? services_.form.pause_mouse.checked() : false;
    if (!paused() && !settings_open_) cycler_.frame();
}

void main_window::FormClick() {
    flag_guard open(settings_open_);
    settings_controls& form = services_.form;
    form.f_speed.set_caption(std::to_string(round_to_int(session_.regulator().speed().average)));
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
    session_.set_paused(false);
    cycler_.setting_started();
}

void main_window::FormMouseDown(mouse_button button) {
    if (button == mouse_button::right) session_.set_paused(!session_.paused());
}

void main_window::FormMouseMove(int x, int y) {
    session_.mouse().mouse_x = x;
    session_.mouse().mouse_y = y;
}

void main_window::FormPaint() {
    if (services_.about_box_visible && services_.about_box_visible()) return;
    session_.repaint();
}

void main_window::black_out() { session_.clear(); }

bool main_window::settings_changed(const std::vector<std::string>& snapshot) const {
    return controls_to_lines(services_.form, temporary_setting_name) != snapshot;
}

}  // namespace quor

#include "shell/settings_form.h"

#include "engine/control_error.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {
namespace {

// A speed caption as an integer. The captions are the program's own, but a
// measured rate may outgrow an int and a loaded setting may put any text into
// a label: digits beyond the range count as the nearer end, other text as no
// number at all.
std::optional<int> speed_from_text(std::string_view text) {
    if (auto value = parse_integer(text)) return value;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return negative ? INT_MIN : INT_MAX;
}

// The frame regulation divides by the designed speed, so it never shows less
// than 1, even when a damaged setting gave the speed bar a lower range.
std::string designed_speed_text(const scroll_bar& speed_scroll) {
    return std::to_string(std::max(speed_scroll.position(), 1));
}

}  // namespace

settings_form::settings_form(settings_controls& controls, settings_form_hooks& hooks,
                             const animation_palette& palette)
    : controls_(controls), hooks_(hooks) {
    settings_controls& c = controls_;
    attached_handlers& on = handlers_;
    on.attach(c.OK_btn.on_click, [this](button&) { set_modal_result(modal_result::ok); });
    on.attach(c.Can_btn.on_click, [this](button&) { set_modal_result(modal_result::cancel); });
    on.attach(c.Load_btn.on_click, [this](button&) { Load_btnClick(); });
    on.attach(c.Save_btn.on_click, [this](button&) {
        if (hooks_.save_settings) hooks_.save_settings();
    });
    on.attach(c.Mode_btn.on_click, [this](button&) {
        if (hooks_.show_options) hooks_.show_options();
    });
    on.attach(c.About_btn.on_click, [this](button&) {
        if (hooks_.show_about) hooks_.show_about();
    });
    on.attach(c.Kill_btn.on_click, [this](button&) {
        if (hooks_.kill_program) hooks_.kill_program();
    });
    on.attach({&c.max_rot_speed.on_scroll, &c.min_rot_speed.on_scroll},
              [this](scroll_bar& sender, scroll_code, int& position) { max_rot_speedScroll(sender, position); });
    on.attach(c.rot_zero.on_click, [this](button&) { rot_zeroClick(); });
    on.attach({&c.PDF_zero.on_click, &c.PDF_max.on_click}, [this](button& sender) { PDF_zeroClick(sender); });
    on.attach(c.Button1.on_click, [this](button&) { Button1Click(); });
    on.attach(c.fix_speed.on_click, [this](check_box&) { fix_speedClick(); });
    on.attach(c.Set_speed.on_click, [this](button&) { Set_speedClick(); });
    on.attach(c.speed_scroll.on_change, [this](scroll_bar&) { speed_scrollChange(); });

    // FormCreate.
    std::vector<std::string> palette_names;
    palette.find_palette_files(palette_names);
    c.fill_palette_list(palette_names);
    if (auto speed = speed_from_text(c.designed_speed.caption())) c.speed_scroll.set_position(*speed);
    // The speed controls follow fix_speed from the start, not only after its first change.
    fix_speedClick();
}

void settings_form::FormShow() {
    modal_result_ = modal_result::still_open;
    // The selected palette becomes the third visible row.
    const int selected = controls_.palette_list.item_index();
    controls_.palette_list.set_top_index(selected >= 2 ? selected - 2 : 0);
    const bool could_go_faster = hooks_.had_to_wait && hooks_.had_to_wait();
    fix_speed_check_colour_ = could_go_faster ? could_go_faster_colour : running_flat_out_colour;
    controls_.setting_loaded = false;
}

bool settings_form::FormKeyDown(int virtual_key) {
    if (virtual_key != virtual_key_f1) return false;
    if (hooks_.open_help) hooks_.open_help();
    return true;
}

void settings_form::set_modal_result(quor::modal_result result) {
    modal_result_ = result;
    if (on_close) on_close();
}

void settings_form::Load_btnClick() {
    if (hooks_.load_settings && hooks_.load_settings() == modal_result::ok) controls_.setting_loaded = true;
}

void settings_form::max_rot_speedScroll(scroll_bar& sender, int& position) const {
    // Keeps the maximum at or above the minimum while the user drags either bar.
    if (&sender == &controls_.max_rot_speed) {
        position = std::max(position, controls_.min_rot_speed.position());
    } else if (&sender == &controls_.min_rot_speed) {
        position = std::min(position, controls_.max_rot_speed.position());
    }
}

void settings_form::rot_zeroClick() {
    controls_.ampl.set_position(controls_.ampl.minimum());
    for (scroll_bar* bar : {&controls_.freq, &controls_.precess, &controls_.max_rot_speed, &controls_.min_rot_speed}) {
        bar->set_position(0);
    }
}

void settings_form::PDF_zeroClick(const button& sender) {
    // The density bars are read inverted: the bottom (maximum) is weight 0.
    const bool zero_all = &sender == &controls_.PDF_zero;
    for (int sides = 1; sides <= 10; ++sides) {
        auto* bar = dynamic_cast<scroll_bar*>(controls_.find("density" + std::to_string(sides)));
        if (bar) bar->set_position(zero_all ? bar->maximum() : bar->minimum());
    }
}

void settings_form::Button1Click() {
    controls_.palette_inc.set_position(0);
    controls_.colour_step.set_position(0);
}

void settings_form::fix_speedClick() {
    // While the speed is held, the designed speed cannot be changed.
    const bool adjustable = !controls_.fix_speed.checked();
    controls_.speed_scroll.set_enabled(adjustable);
    controls_.Set_speed.set_enabled(adjustable);
}

void settings_form::Set_speedClick() {
    if (auto speed = speed_from_text(controls_.f_speed.caption())) controls_.speed_scroll.set_position(*speed);
    // Also when the position stayed: the caption may not have shown it.
    controls_.designed_speed.set_caption(designed_speed_text(controls_.speed_scroll));
}

void settings_form::speed_scrollChange() {
    controls_.designed_speed.set_caption(designed_speed_text(controls_.speed_scroll));
}

}  // namespace quor

#pragma once
// The behaviour of the settings form `TSettings_Form`: its event handlers over
// the controls, without a window. The handlers are bound to the controls'
// events, so the Qt dialog (and a test) only moves and clicks controls; the
// form reports how it was closed and what colour the speed check mark takes.

#include "engine/attached_handlers.h"
#include "engine/settings_controls.h"
#include "platform/modal_result.h"
#include "render/animation_palette.h"

#include <cstdint>
#include <functional>

namespace quor {

// What the form reaches outside itself. An empty hook does nothing.
struct settings_form_hooks {
    // The library in load mode: OK when a setting was applied.
    std::function<modal_result()> load_settings;
    std::function<void()> save_settings;  // the library in save mode
    std::function<void()> show_options;   // the options dialog, modally
    std::function<void()> show_about;     // the about box, modally
    // Saves the library if it changed and ends the program; a failed save
    // leaves the program (and the form) open.
    std::function<void()> kill_program;
    std::function<void()> open_help;
    std::function<bool()> had_to_wait;  // the last regulated frame waited for its time slot
};

// Colours of the speed check mark, as 0x00BBGGRR.
inline constexpr std::uint32_t could_go_faster_colour = 0x008000;  // green
inline constexpr std::uint32_t running_flat_out_colour = 0x000080;  // maroon

class settings_form {
public:
    static constexpr int virtual_key_f1 = 0x70;

    // FormCreate: binds the handlers to the controls' events, fills
    // palette_list from the palette directory and moves speed_scroll to the
    // designed speed. `controls` and `hooks` must outlive the form; the
    // handlers are unbound when the form goes, and the controls live on.
    settings_form(settings_controls& controls, settings_form_hooks& hooks, const animation_palette& palette);
    settings_form(const settings_form&) = delete;
    settings_form& operator=(const settings_form&) = delete;

    settings_controls& controls() { return controls_; }

    // Each showing: scrolls the palette list, colours the speed check mark,
    // clears setting_loaded and the modal result.
    void FormShow();
    // A key pressed on the form or any of its controls. True when the form used it.
    bool FormKeyDown(int virtual_key);

    // Still open, OK, or Cancel (also when the program ends).
    quor::modal_result modal_result() const { return modal_result_; }
    // The program is ending while the form is open: it closes as for Cancel.
    void end_for_program_exit() { set_modal_result(modal_result::cancel); }
    // Runs when a handler closes the form.
    std::function<void()> on_close;

    std::uint32_t fix_speed_check_colour() const { return fix_speed_check_colour_; }

private:
    void set_modal_result(quor::modal_result result);

    void Load_btnClick();
    void max_rot_speedScroll(scroll_bar& sender, int& position) const;
    void rot_zeroClick();
    void PDF_zeroClick(const button& sender);
    void Button1Click();
    void fix_speedClick();
    void Set_speedClick();
    void speed_scrollChange();

    settings_controls& controls_;
    settings_form_hooks& hooks_;
    quor::modal_result modal_result_ = modal_result::still_open;
    std::uint32_t fix_speed_check_colour_ = running_flat_out_colour;
    attached_handlers handlers_;
};

// The form's behaviour with nothing on screen and nothing its buttons open,
// for a front end that runs settings without the form (the screensaver
// module, the render tool): its rules still hold while it lives, so the
// designed speed follows the speed bar and the palette list is filled.
class unseen_settings_form {
public:
    unseen_settings_form(settings_controls& controls, const animation_palette& palette)
        : form_(controls, no_hooks_, palette) {}
    unseen_settings_form(const unseen_settings_form&) = delete;
    unseen_settings_form& operator=(const unseen_settings_form&) = delete;

private:
    settings_form_hooks no_hooks_;
    settings_form form_;
};

}  // namespace quor

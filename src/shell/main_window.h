#pragma once
// The main window's behaviour (`TQuorwindow`) without a window: it runs one
// animation session over the whole target, with the user's pause, the settings
// form and auto-cycling around it. A view shows the session's picture and
// passes the user's mouse on; nothing here assumes a full-screen top-level
// window, so any target of a given size will do.

#include "engine/random_numbers.h"
#include "engine/settings_controls.h"
#include "platform/cursor_selector.h"
#include "platform/message_box.h"
#include "platform/modal_result.h"
#include "platform/tick_clock.h"
#include "render/animation_palette.h"
#include "shell/animation_session.h"
#include "shell/auto_cycler.h"
#include "storage/options_controls.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

inline constexpr std::string_view auto_cycling_question =
    "You have changed some settings, but are running in Auto-cycling mode\r\n"
    "              Changes will be lost when mode cycles.\r\n\r\n"
    "Do you want to disable cycling ?";

// The name of the snapshot taken while the settings form is open.
inline constexpr std::string_view temporary_setting_name = "Temp setting";

enum class mouse_button { left, right, middle };

struct main_window_services {
    settings_controls& form;    // the animation parameters
    options_controls& options;  // auto-cycling
    animation_palette& palette;
    random_generators& random;  // Random(n) for auto-cycling, and the engine's numbers
    message_box& messages;
    cursor_selector& cursors;
    tick_clock& clock;          // frame timing and auto-cycle times
    ring_animation_factory make_rings;
    // Shows the settings form modally: OK or Cancel.
    std::function<modal_result()> show_settings_form;
    // Loads a random setting of the library into the settings form.
    std::function<void(bool tagged_only)> pick_random_setting;
    // While the about box shows, a repaint draws nothing; empty: never shown.
    std::function<bool()> about_box_visible;
};

class main_window {
public:
    // FormCreate: a target of `width` x `height` device pixels, cleared black,
    // and the ring engine built from the settings form. When the engine cannot
    // be built the error is shown and the window runs without one until a
    // rebuild succeeds. `services` must outlive the window.
    main_window(const main_window_services& services, int width, int height);
    ~main_window();
    main_window(const main_window&) = delete;
    main_window& operator=(const main_window&) = delete;

    // One frame. `done` true: the loop may wait for the next event.
    void idle_frame(bool& done);
    // Seconds until the next frame is due; 0 when it may run now.
    double seconds_until_next_frame();
    // Clears the screen and rebuilds the engine and the speed data from the form.
    void restart_rings();
    // A target of another size (the window moved to another screen): the
    // screen follows and the rings are rebuilt for it.
    void resize(int width, int height);
    // Left click: shows the settings form and applies what it answers.
    void FormClick();
    void FormMouseDown(mouse_button button);
    void FormMouseMove(int x, int y);
    // A repaint asked for by the window system: every ring drawn again.
    void FormPaint();
    // The about box has taken over: the screen goes black, the rings are kept.
    void black_out();
    // True when the form's current setting text differs from `snapshot`.
    bool settings_changed(const std::vector<std::string>& snapshot) const;

    bool paused() const { return session_.paused(); }
    bool settings_open() const { return settings_open_; }
    bool had_to_wait() const { return session_.regulator().had_to_wait(); }
    const screen_geometry& geometry() const { return session_.geometry(); }
    const mouse_position& mouse() const { return session_.mouse(); }
    const palette_phase& phase() const { return session_.phase(); }
    const frame_regulator& regulator() const { return session_.regulator(); }
    frame_regulator& regulator() { return session_.regulator(); }
    // Seconds on the clock when the current setting started.
    double last_cycle() const { return cycler_.last_cycle(); }

    animation_session& session() { return session_; }
    index_buffer& screen() { return session_.screen(); }
    const index_buffer& screen() const { return session_.screen(); }

private:
    // The designed cursor, once an engine has been built.
    void select_cursor();

    main_window_services services_;
    animation_session session_;
    auto_cycler cycler_;
    bool settings_open_ = false;
};

}  // namespace quor

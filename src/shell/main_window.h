#pragma once
// The main window's behaviour (`TQuorwindow`) without a window: it owns the
// emulated 8-bit screen the rings are drawn on, the ring engine and the frame
// speed, and runs one frame per idle turn. A view shows `screen()` through
// `palette().colours()` and passes the user's mouse on; nothing here assumes a
// full-screen top-level window, so any target of a given size will do.

#include "engine/quorrings.h"
#include "engine/random_numbers.h"
#include "engine/settings_controls.h"
#include "platform/message_box.h"
#include "platform/modal_result.h"
#include "platform/tick_clock.h"
#include "render/animation_palette.h"
#include "render/index_buffer.h"
#include "render/palette_phase.h"
#include "shell/frame_regulator.h"
#include "shell/ring_animation.h"
#include "storage/options_controls.h"

#include <cstdint>
#include <functional>
#include <memory>
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
    std::string program_dir;    // with its trailing separator
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
    // Clears the screen and rebuilds the engine and the speed data from the form.
    void restart_rings();
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

    bool paused() const { return paused_; }
    bool settings_open() const { return settings_open_; }
    bool had_to_wait() const { return regulator_.had_to_wait(); }
    const screen_geometry& geometry() const { return environment_.geometry; }
    const mouse_position& mouse() const { return mouse_; }
    const palette_phase& phase() const { return phase_; }
    const frame_regulator& regulator() const { return regulator_; }
    frame_regulator& regulator() { return regulator_; }
    // Seconds on the clock when the current setting started.
    double last_cycle() const { return last_cycle_; }

    index_buffer& screen() { return screen_; }
    const index_buffer& screen() const { return screen_; }
    animation_palette& palette() { return services_.palette; }
    // Changes whenever the screen or the palette may show something new, so a
    // view presents only frames that differ.
    std::uint64_t picture_version() const { return picture_version_; }

private:
    // palette_phase step, frame period, average and wait flag from the form.
    void restart_speed_and_phase();
    void auto_cycle();
    double now();

    main_window_services services_;
    index_buffer screen_;
    mouse_position mouse_;
    ring_environment environment_;
    frame_regulator regulator_;
    palette_phase phase_;
    std::unique_ptr<ring_animation> rings_;
    bool paused_ = false;
    bool settings_open_ = false;
    double last_cycle_ = 0.0;  // seconds on the clock
    double check_time_ = 0.0;  // seconds on the clock, at the latest auto-cycle check
    std::uint64_t picture_version_ = 0;
};

// The designed speed written on the form's `designed_speed` label, in frames
// per second: a decimal integer of 1 or more. Any other caption gives 1.
int designed_speed_from_caption(std::string_view caption);

}  // namespace quor

#pragma once
// The running program: every form and module of the start-up, created in its
// fixed order over the real pieces, the message loop, and what happens after it.

#include <QPointer>

#include <memory>
#include <optional>
#include <string>

#include "engine/random_numbers.h"
#include "platform/file_locations.h"
#include "engine/settings_controls.h"
#include "platform/tick_clock.h"
#include "render/animation_palette.h"
#include "shell/about_demonstration.h"
#include "shell/display_modes.h"
#include "shell/machine_checks.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "shell/thinking_box.h"
#include "storage/options_controls.h"
#include "storage/settings_library.h"
#include "ui/about_box_view.h"
#include "ui/help_window.h"
#include "ui/idle_adapter.h"
#include "ui/library_dialog_view.h"
#include "ui/main_window_view.h"
#include "ui/options_dialog_view.h"
#include "ui/quorrings_application.h"
#include "ui/screen_cover.h"
#include "ui/screen_saver_inhibitor.h"
#include "ui/settings_form_view.h"
#include "ui/termination_signal.h"
#include "ui/thinking_box_progress.h"
#include "ui/thinking_box_view.h"
#include "ui/window_cursor.h"

namespace quor {

class quorrings_program final : public startup_steps {
public:
    // Files are where `locations` say; the animation fills `screen` (the
    // primary one when null) and every other screen is black.
    quorrings_program(quorrings_application& application, file_locations locations, QScreen* screen = nullptr);
    ~quorrings_program() override;

    // The whole run; the process's exit code.
    int run();

    // The settings form's kill button, SIGTERM and SIGINT: save the library if
    // it changed, then close the main window, which ends the message loop.
    void kill_program();

    void initialise_modules() override;
    int vertical_scroll_bar_width() override;
    void install_cursors() override;
    void initialise_application() override;
    void init_angle_tables() override;
    void create_settings_form() override;
    void create_options_form() override;
    bool create_library_form() override;
    void create_main_window() override;
    void create_about_form() override;
    void install_idle_handler() override;
    int run_message_loop() override;

private:
    modal_result show_settings_form();
    idle_handler main_idle_handler();
    // Hands the frame loop to the about box and back.
    about_box_hooks frame_loop_hooks();
    void pick_random_setting(bool tagged_only);
    // As the options dialog goes at the end of the process.
    void write_configuration_at_exit();

    quorrings_application& application_;
    file_locations locations_;
    message_box& messages_;
    qt_thinking_box_view thinking_box_view_;
    TThinking_box thinking_box_;
    thinking_box_progress progress_{thinking_box_};
    emulated_display_modes display_modes_;
    host_processor processor_;
    steady_tick_clock clock_;
    animation_palette palette_;
    std::optional<random_generators> random_;
    window_cursor cursors_;
    settings_controls form_;
    std::unique_ptr<settings_form_view> settings_view_;
    std::unique_ptr<help_window> help_;
    options_controls options_;
    bool options_created_ = false;
    settings_library library_;
    std::unique_ptr<library_dialog> library_dialog_;
    std::unique_ptr<library_dialog_view> library_view_;
    std::unique_ptr<options_dialog> options_dialog_;
    std::unique_ptr<options_dialog_view> options_view_;
    std::unique_ptr<main_window> window_;
    std::unique_ptr<main_window_view> view_;
    QPointer<QScreen> screen_;
    std::unique_ptr<screen_cover> screen_cover_;
    std::unique_ptr<idle_adapter> idle_;
    std::optional<about_demonstration> about_demonstration_;
    std::unique_ptr<about_box_view> about_view_;
    bool about_box_shown_ = false;
    std::unique_ptr<screen_saver_inhibitor> screen_saver_;
    std::unique_ptr<termination_signal> termination_;
};

}  // namespace quor

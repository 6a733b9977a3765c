#include "shell/startup.h"

#include "shell/startup_text.h"

namespace quor {

namespace {

// Puts a changed display mode back however start-up or the loop is left.
class display_restorer {
public:
    explicit display_restorer(display_switch& display) : display_(display) {}
    ~display_restorer() { display_.restore(); }
    display_restorer(const display_restorer&) = delete;
    display_restorer& operator=(const display_restorer&) = delete;

private:
    display_switch& display_;
};

}  // namespace

int run_startup(const startup_services& services) {
    startup_steps& steps = services.steps;
    TThinking_box& box = services.thinking_box;

    steps.initialise_modules();
    check_processor(services.processor, services.messages);

    display_switch display(services.modes, services.messages);
    if (!display.prepare_display()) return 0;
    display_restorer restorer(display);

    check_scroll_bars(steps.vertical_scroll_bar_width(), services.messages);

    box.think_show(nullptr, startup_text::initializing);
    steps.install_cursors();
    steps.initialise_application();
    steps.init_angle_tables();
    steps.create_settings_form();
    steps.create_options_form();
    box.think_hide();

    if (!steps.create_library_form()) return 0;

    box.think_show(nullptr, startup_text::initializing_second_phase);
    steps.create_main_window();
    steps.create_about_form();
    box.think_hide();

    steps.install_idle_handler();
    return steps.run_message_loop();
}

}  // namespace quor

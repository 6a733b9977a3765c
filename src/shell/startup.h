#pragma once
// The program's start-up in its fixed order, over the pieces that carry it
// out: the checks and the display switch here, the forms and modules through
// `startup_steps`, which the program and the tests implement.

#include "platform/message_box.h"
#include "shell/display_switch.h"
#include "shell/machine_checks.h"
#include "shell/thinking_box.h"

namespace quor {

class startup_steps {
public:
    virtual ~startup_steps() = default;
    // Palette directory, random generators and their seeds, frame timer.
    virtual void initialise_modules() = 0;
    // The width of a vertical scroll bar in the toolkit's style, in pixels.
    virtual int vertical_scroll_bar_width() = 0;
    // Cursor slots 1 and 2.
    virtual void install_cursors() = 0;
    // Application title and help file.
    virtual void initialise_application() = 0;
    virtual void init_angle_tables() = 0;
    virtual void create_settings_form() = 0;
    // Creates the options dialog and has it read the configuration file.
    virtual void create_options_form() = 0;
    // Creates the library dialog, which reads the settings file and loads a
    // setting. False when there is no settings file: the program ends.
    virtual bool create_library_form() = 0;
    virtual void create_main_window() = 0;
    virtual void create_about_form() = 0;
    virtual void install_idle_handler() = 0;
    // Runs until the main window closes; the program's exit code.
    virtual int run_message_loop() = 0;
};

struct startup_services {
    startup_steps& steps;
    display_modes& modes;
    processor_info& processor;
    message_box& messages;
    TThinking_box& thinking_box;
};

// Runs the program from its first check to the end of the message loop and
// returns the exit code. A display mode it changed is put back on every way
// out, also when a step throws (the exception then goes on to the caller).
int run_startup(const startup_services& services);

}  // namespace quor

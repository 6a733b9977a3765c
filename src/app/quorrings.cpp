// The program: the full-screen ring animation, or a screensaver module.

#include "platform/file_locations.h"
#include "shell/program_arguments.h"
#include "ui/quorrings_application.h"
#include "ui/quorrings_program.h"
#include "x11/module_runner.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace quor;
    // Before the application: --help needs no display.
    for (int i = 1; i < argc; ++i)
        if (answer_standard_option(argv[i], quorrings_program_description, std::cout)) return 0;
    program_arguments arguments;
    try {
        arguments = parse_program_arguments(argument_list(argc, argv));
    } catch (const usage_error& error) {
        return report_usage_error(error, quorrings_program_description, std::cerr);
    }
    // A module draws into a window it is handed: no application, no box, no input.
    if (arguments.mode == program_mode::module) return run_module(arguments.module, file_locations::for_this_program());
    quorrings_application application(argc, argv);
    quorrings_program program(application, file_locations::for_this_program());
    return program.run();
}

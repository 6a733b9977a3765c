// The program: the full-screen ring animation, or a screensaver module.

#include "platform/file_locations.h"
#include "shell/program_arguments.h"
#include "ui/quorrings_application.h"
#include "ui/quorrings_program.h"
#include "ui/screen_cover.h"

#include <QGuiApplication>
#include <QScreen>
#include "x11/module_runner.h"

#include <iostream>
#include <string>

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
    if (arguments.mode == program_mode::list_screens) {
        for (const QScreen* screen : QGuiApplication::screens()) std::cout << screen->name().toStdString() << '\n';
        return 0;
    }
    QScreen* screen = nullptr;
    if (arguments.screen) {
        screen = screen_named(QString::fromStdString(*arguments.screen));
        if (!screen) {
            std::string names;
            for (const QScreen* each : QGuiApplication::screens()) names += (names.empty() ? "" : ", ") + each->name().toStdString();
            return report_usage_error(usage_error("no screen is called " + *arguments.screen + " (screens: " + names + ")"),
                                      quorrings_program_description, std::cerr);
        }
    }
    quorrings_program program(application, file_locations::for_this_program(), screen);
    return program.run();
}

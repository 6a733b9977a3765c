// Shows the about box over a black full-screen window, to look at it:
//   about_box_demo [PALETTE.PAL]
// The palette files and the data file are read from beside the program.

#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include "engine/angle_tables.h"
#include "engine/uniform_random.h"
#include "platform/tick_clock.h"
#include "render/animation_palette.h"
#include "shell/about_data_file.h"
#include "shell/about_demonstration.h"
#include "ui/about_box_view.h"
#include "ui/quorrings_application.h"

int main(int argc, char** argv) {
    quor::quorrings_application application(argc, argv);
    const std::string program_dir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString() + "/";
    quor::init_angle_tables();

    QWidget background;
    background.setStyleSheet(QStringLiteral("background: black"));
    background.showFullScreen();

    quor::animation_palette palette(application.messages());
    palette.set_palette_dir(program_dir);
    palette.read_palette_file(argc > 1 ? argv[1] : "RAINBOW.PAL");
    quor::steady_tick_clock clock;
    quor::uniform_random random(quor::current_time_of_day_seed());
    quor::about_demonstration demonstration(clock, random);
    demonstration.FormCreate(quor::load_about_data_file(program_dir, application.messages()));
    quor::about_box_view box(demonstration, palette, {});

    QTimer::singleShot(200, [&] {
        box.show_modal();
        QCoreApplication::quit();
    });
    return application.exec();
}

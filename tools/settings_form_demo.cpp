// Shows the settings form, to look at it:
//   settings_form_demo [help]
// The palette list comes from the palette folder beside the program; F1 opens
// the help window ("help" opens it at once). OK or Cancel ends the demo.

#include <string>

#include <QTimer>

#include "render/animation_palette.h"
#include "shell/settings_form.h"
#include "support/recording_message_box.h"
#include "ui/help_window.h"
#include "ui/quorrings_application.h"
#include "ui/settings_form_view.h"

int main(int argc, char** argv) {
    quor::quorrings_application application(argc, argv);
    const std::string what = argc > 1 ? argv[1] : "";
    const std::string program_dir = QCoreApplication::applicationDirPath().toStdString() + "/";

    quor::recording_message_box messages;
    quor::animation_palette palette(messages);
    palette.set_palette_dir(program_dir);
    quor::settings_controls controls;
    quor::settings_form_view view(controls, palette);
    if (controls.palette_list.count() > 3) controls.palette_list.set_item_index(3);
    controls.speed_scroll.set_position(60);
    controls.fix_speed.set_checked(true);
    controls.f_speed.set_caption("58");

    view.open_help = quor::help_opener(view, program_dir);
    view.had_to_wait = [] { return true; };
    if (what == "help") QTimer::singleShot(300, [&] { view.open_help(); });
    return view.show_modal() == quor::modal_result::ok ? 0 : 2;
}

// Shows the settings library dialog or the options dialog, to look at them:
//   library_dialog_demo [load | save | text | options]
// The library holds a few settings made from the settings form's defaults.

#include <string>
#include <vector>

#include <QPushButton>
#include <QTimer>

#include "engine/settings_controls.h"
#include "engine/uniform_random.h"
#include "shell/library_dialog.h"
#include "shell/options_dialog.h"
#include "storage/setting_conversion.h"
#include "ui/library_dialog_view.h"
#include "ui/options_dialog_view.h"
#include "ui/quorrings_application.h"

int main(int argc, char** argv) {
    quor::quorrings_application application(argc, argv);
    const std::string what = argc > 1 ? argv[1] : "load";

    quor::settings_controls form;
    form.fill_palette_list(std::vector<std::string>{"FIRE.PAL", "ICE.PAL"});
    form.palette_list.set_item_index(0);
    quor::settings_library library;
    const char* names[] = {"Gentle spiral", "Fire tunnel", "Ice crystals", "Mouse chaser", "Polygon rain",
                           "Slow breathing", "Jumping squares", "Rainbow vortex", "Vertex dust"};
    for (int i = 0; i < 9; ++i) {
        form.Screensaver.set_checked(i % 2 == 0);
        library.settings.push_back({quor::controls_to_lines(form, names[i])});
    }
    form.Screensaver.set_checked(false);
    quor::uniform_random random(1);
    quor::library_dialog dialog(library, form, random, application.messages());
    dialog.select_row(2);

    if (what == "options") {
        quor::options_controls options;
        options.Settings_file_name.set_text("Quor_Rings_32_Settings");
        quor::options_dialog model(options, application.messages(), &library);
        quor::options_dialog_view view(model);
        return view.show_modal() == quor::modal_result::ok ? 0 : 1;
    }
    quor::library_dialog_view view(dialog);
    if (what == "text") QTimer::singleShot(300, [&] { view.view_button()->click(); });
    return (what == "save" ? view.show_for_save() : view.show_for_load()) != quor::modal_result::still_open ? 0 : 1;
}

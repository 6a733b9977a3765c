#include "shell/options_dialog.h"

#include "engine/text_case.h"
#include "storage/file_name_check.h"

#include <string_view>

namespace quor {

options_dialog::options_dialog(options_controls& options, message_box& messages, settings_library* library)
    : options_(options), messages_(messages), library_(library),
      accepted_file_name_(options.Settings_file_name.text()) {
    handlers_.attach({&options_.UpDown1.on_changing, &options_.UpDown2.on_changing},
                     [this](up_down& sender, bool& allow) { UpDown2Changing(sender, allow); });
    handlers_.attach(options_.Settings_file_name.on_change, [this](edit_box&) { Settings_file_nameChange(); });
    handlers_.attach({&options_.UseCompression.on_click, &options_.SaveText.on_click},
                     [this](radio_button&) { UseCompressionClick(); });
    handlers_.attach(options_.OK_btn.on_click, [this](button&) { OK_btnClick(); });
}

void options_dialog::FormShow() {
    modal_result_ = modal_result::still_open;
    file_name_hint.set_caption({});
    accepted_file_name_ = options_.Settings_file_name.text();
    options_.min_seconds = read_time_value(options_.min_time.text());
    options_.max_seconds = read_time_value(options_.max_time.text());
}

bool options_dialog::time_exit(edit_box& box, std::int32_t& seconds) {
    seconds = read_time_value(box.text());
    box.set_text(std::to_string(seconds));
    if (seconds >= 1) return true;
    focus_back = &box;
    return false;
}

bool options_dialog::min_timeExit() { return time_exit(options_.min_time, options_.min_seconds); }

bool options_dialog::max_timeExit() { return time_exit(options_.max_time, options_.max_seconds); }

void options_dialog::OK_btnClick() {
    min_timeExit();
    max_timeExit();
    if (!valid_cycle_times(options_.min_seconds, options_.max_seconds)) {
        messages_.show_message(invalid_times_message);
        return;
    }
    modal_result_ = modal_result::ok;
    if (on_close) on_close();
}

void options_dialog::UpDown2Changing(up_down&, bool& allow_change) {
    allow_change = options_.UpDown2.position() > options_.UpDown1.position();
}

void options_dialog::Settings_file_nameChange() {
    edit_box& box = options_.Settings_file_name;
    const std::string name(trim_blanks(box.text()));
    // Setting the text runs this handler again, with the final text.
    if (name != box.text()) return box.set_text(name);
    if (const std::optional<std::string> problem = settings_file_name_problem(name)) {
        file_name_hint.set_caption(*problem);
        return box.set_text(accepted_file_name_);
    }
    if (name == accepted_file_name_) return;
    accepted_file_name_ = name;
    file_name_hint.set_caption({});
    mark_library_modified();
}

void options_dialog::UseCompressionClick() { mark_library_modified(); }

void options_dialog::mark_library_modified() {
    if (library_) library_->library_modified = true;
}

}  // namespace quor

#pragma once
// The behaviour of the options dialog `TOptions_Form` ("Options") without its
// window. Its controls are the program's options and every change is in force
// at once; OK only checks the two times and closes. There is no Cancel.

#include "engine/attached_handlers.h"
#include "engine/label.h"
#include "platform/message_box.h"
#include "platform/modal_result.h"
#include "storage/options_controls.h"
#include "storage/settings_library.h"

#include <functional>
#include <string>

namespace quor {

class options_dialog {
public:
    // Binds the handlers to the controls' events, until the dialog goes.
    // `library` may be null until the library exists; `options` and
    // `messages` must outlive the dialog.
    options_dialog(options_controls& options, message_box& messages, settings_library* library = nullptr);
    options_dialog(const options_dialog&) = delete;
    options_dialog& operator=(const options_dialog&) = delete;

    void set_library(settings_library* library) { library_ = library; }
    options_controls& options() { return options_; }

    void FormShow();
    // Leaving a time box: reads its value into min_seconds (max_seconds) and
    // writes it back as a plain decimal number, so the box holds what the
    // configuration will store. False when the value is below 1: the focus
    // stays in the box.
    bool min_timeExit();
    bool max_timeExit();
    void OK_btnClick();
    void UpDown2Changing(up_down& sender, bool& allow_change);
    void Settings_file_nameChange();
    void UseCompressionClick();

    // Why the last typed file name was refused; empty when it was not.
    label file_name_hint{"file_name_hint"};
    // The time box that asks for the focus back, or null. Cleared by the window.
    edit_box* focus_back = nullptr;

    quor::modal_result modal_result() const { return modal_result_; }
    std::function<void()> on_close;

private:
    bool time_exit(edit_box& box, std::int32_t& seconds);
    void mark_library_modified();

    options_controls& options_;
    message_box& messages_;
    settings_library* library_;
    std::string accepted_file_name_;  // the name in force, put back when a typed one is refused
    quor::modal_result modal_result_ = modal_result::still_open;
    attached_handlers handlers_;
};

}  // namespace quor

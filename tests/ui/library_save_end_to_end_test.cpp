#include "ui/library_dialog_view.h"

#include "../storage/program_runner.h"
#include "../storage/recording_progress_box.h"
#include "input_events.h"
#include "storage/setting_conversion.h"
#include "storage/settings_file.h"
#include "support/recording_message_box.h"
#include "test_application.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace quor {
namespace {

// The path of the kill button over a real settings file: start-up reads it,
// "Save settings" adds a setting through the dialog's window, the save at the
// end writes it, and the settings companion program reads it back.
TEST(library_save_end_to_end, a_setting_saved_through_the_dialog_is_in_the_file_written_at_the_end) {
    testing::test_application();
    testing::temporary_directory program_dir;
    const settings_file_location file{program_dir.path(), "Quor_Rings_32_Settings", true};
    settings_controls form;
    testing::recording_progress_box progress;
    recording_message_box messages;
    {
        settings_library shipped;
        for (const char* name : {"First", "Second"}) shipped.settings.push_back({controls_to_lines(form, name)});
        shipped.library_modified = true;
        ASSERT_EQ(save_settings_file(shipped, file, progress, messages), save_result::saved);
    }

    settings_library library;
    uniform_random random{5};
    ASSERT_FALSE(load_settings_library(library, file, false, form, random, progress, messages).end_program);
    library_dialog dialog{library, form, random, messages};
    library_dialog_view view{dialog};
    QTimer::singleShot(0, [&] {
        view.view_button()->click();
        ASSERT_NE(view.editor(), nullptr);
        testing::type_text(view.editor(), "Saved here");
        testing::press_key(view.editor(), Qt::Key_Return);
        if (view.isVisible()) view.cancel_button()->click();
    });
    EXPECT_EQ(view.show_for_save(), modal_result::ok);
    ASSERT_EQ(save_settings_file(library, file, progress, messages), save_result::saved);

    const testing::tool_run listed = testing::run_program("quorrings-settings", {"list", file.packed_path().string()});
    EXPECT_EQ(listed.exit_code, 0) << listed.err;
    EXPECT_EQ(listed.out, "First\tuntagged\nSecond\tuntagged\nSaved here\tuntagged\n");
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace quor

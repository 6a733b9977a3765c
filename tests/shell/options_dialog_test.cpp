#include "shell/options_dialog.h"

#include "storage/configuration.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

struct options_dialog_test : ::testing::Test {
    options_controls options;
    recording_message_box messages;
    settings_library library;
    options_dialog dialog{options, messages, &library};
};

TEST_F(options_dialog_test, ok_closes_only_on_two_valid_times_with_min_below_max) {
    struct time_case {
        const char* min;
        const char* max;
        bool closes;
    };
    for (const time_case& c : {time_case{"30", "60", true}, {"60", "30", false}, {"45", "45", false},
                               {"0", "60", false}, {"4000", "60", false}, {"1", "3600", true}, {"30", "3601", false}}) {
        SCOPED_TRACE(std::string(c.min) + " / " + c.max);
        messages.messages.clear();
        dialog.FormShow();
        options.min_time.set_text(c.min);
        options.max_time.set_text(c.max);
        dialog.OK_btnClick();
        EXPECT_EQ(dialog.modal_result(), c.closes ? modal_result::ok : modal_result::still_open);
        EXPECT_EQ(messages.messages,
                  c.closes ? std::vector<std::string>{} : std::vector<std::string>{invalid_times_message});
        // The dialog keeps the values as typed.
        EXPECT_EQ(options.min_time.text(), c.min);
    }
    EXPECT_EQ(std::string(invalid_times_message),
              "Min and Max time settings are invalid\r\n    (1->3600 allowed) and Min<Max");
}

TEST_F(options_dialog_test, leaving_a_time_box_below_one_keeps_the_focus_there) {
    options.min_time.set_text("0");
    EXPECT_FALSE(dialog.min_timeExit());
    EXPECT_EQ(dialog.focus_back, &options.min_time);
    EXPECT_EQ(options.min_seconds, 0);
    dialog.focus_back = nullptr;
    options.max_time.set_text("90");
    EXPECT_TRUE(dialog.max_timeExit());
    EXPECT_EQ(dialog.focus_back, nullptr);
    EXPECT_EQ(options.max_seconds, 90);
}

TEST_F(options_dialog_test, a_time_text_is_left_as_the_plain_number_it_reads_as_and_stored_so) {
    struct read_case {
        const char* typed;
        const char* kept;
    };
    for (const read_case& c : {read_case{" 45 secs", "45"}, {"$3C", "60"}, {"+20", "20"}, {"abc", "0"}, {"-5", "-5"}}) {
        options.min_time.set_text(c.typed);
        dialog.min_timeExit();
        EXPECT_EQ(options.min_time.text(), c.kept) << c.typed;
    }
    // What the configuration stores reads back as the number the dialog used.
    options.min_time.set_text("$1E");
    options.max_time.set_text("90 s");
    dialog.OK_btnClick();
    ASSERT_EQ(dialog.modal_result(), modal_result::ok);
    testing::temporary_directory directory;
    ASSERT_TRUE(write_configuration(options, directory.path(), messages));
    options_controls read_back;
    read_configuration(read_back, directory.path());
    EXPECT_EQ(read_back.min_seconds, 30);
    EXPECT_EQ(read_back.max_seconds, 90);
}

TEST_F(options_dialog_test, neither_up_down_steps_while_max_is_not_above_min) {
    options.min_time.set_text("59");
    options.max_time.set_text("60");
    options.UpDown1.step_up();
    EXPECT_EQ(options.min_time.text(), "60");
    options.UpDown1.step_up();
    options.UpDown1.step_down();
    options.UpDown2.step_up();
    options.UpDown2.step_down();
    EXPECT_EQ(options.min_time.text(), "60");
    EXPECT_EQ(options.max_time.text(), "60");
    options.max_time.set_text("70");
    options.UpDown2.step_up();
    EXPECT_EQ(options.max_time.text(), "71");
}

TEST_F(options_dialog_test, the_file_name_is_trimmed_and_a_change_of_name_or_format_marks_the_library) {
    options.Settings_file_name.set_text("  My_settings \t");
    EXPECT_EQ(options.Settings_file_name.text(), "My_settings");
    EXPECT_TRUE(library.library_modified);

    library.library_modified = false;
    options.SaveText.set_checked(true);
    EXPECT_TRUE(library.library_modified);
    library.library_modified = false;
    options.UseCompression.set_checked(true);
    EXPECT_TRUE(library.library_modified);
}

TEST_F(options_dialog_test, a_file_name_that_leaves_the_program_folder_is_refused_and_the_old_one_stays) {
    options.Settings_file_name.set_text("Kept");
    dialog.FormShow();
    library.library_modified = false;
    for (const char* refused : {"../outside", "sub/file", "sub\\file", "..", "", "a:b", "bad\x01name"}) {
        options.Settings_file_name.set_text(refused);
        EXPECT_EQ(options.Settings_file_name.text(), "Kept") << refused;
        EXPECT_FALSE(dialog.file_name_hint.caption().empty()) << refused;
    }
    EXPECT_FALSE(library.library_modified);
    options.Settings_file_name.set_text("New name");
    EXPECT_EQ(options.Settings_file_name.text(), "New name");
    EXPECT_TRUE(dialog.file_name_hint.caption().empty());
    EXPECT_TRUE(library.library_modified);
}

}  // namespace
}  // namespace quor

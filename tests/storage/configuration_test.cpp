#include "storage/configuration.h"

#include "engine/text_case.h"
#include "library_test_support.h"
#include "storage/ini_document.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

using testing::file_text;
using testing::put_file;

TEST(configuration, a_first_run_reads_the_defaults_and_writes_seven_lines) {
    testing::temporary_directory directory;
    options_controls options;
    options.Start_mode.set_checked(false);
    options.cycle_all.set_checked(true);
    options.SaveText.set_checked(true);
    options.min_time.set_text("5");
    read_configuration(options, directory.path());

    EXPECT_TRUE(options.Start_mode.checked());
    EXPECT_TRUE(options.Run_mode.checked());
    EXPECT_TRUE(options.cycle_tagged.checked());
    EXPECT_FALSE(options.cycle_all.checked());
    EXPECT_TRUE(options.UseCompression.checked());
    EXPECT_FALSE(options.SaveText.checked());
    EXPECT_EQ(options.min_time.text(), "30");
    EXPECT_EQ(options.max_time.text(), "60");
    EXPECT_EQ(options.min_seconds, 30);
    EXPECT_EQ(options.max_seconds, 60);
    EXPECT_EQ(options.Settings_file_name.text(), "Quor_Rings_32_Settings");

    recording_message_box messages;
    ASSERT_TRUE(write_configuration(options, directory.path(), messages));
    EXPECT_EQ(file_text(directory.path() / "Quor_Rings_32_Config.ini"),
              "[Quor_start]\r\n"
              "START_AUTO_CYCLING=1\r\n"
              "TAGGED_SETTINGS_ONLY=1\r\n"
              "MIN_TIME=30\r\n"
              "MAX_TIME=60\r\n"
              "USE_COMPRESSION=1\r\n"
              "QUOR_SETTINGS_FILE=Quor_Rings_32_Settings\r\n");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(configuration, a_hand_edited_file_reads_by_its_rules_and_keeps_what_the_program_does_not_use) {
    testing::temporary_directory directory;
    const std::string long_name(300, 'n');
    put_file(directory.path() / "Quor_Rings_32_Config.ini",
             "; kept comment\n"
             "stray=before any section\n"
             "[Other]\n"
             "Min_Time=999\n"
             "[Quor_start]\n"
             "Start_auto_cycling=0\n"
             "use_compression=yes\n"
             "min_time=abc\n"
             "Max_Time=\n"
             "Tagged_settings_only=0\n"
             "junk line without an equals sign\n"
             "=no key\n"
             "Extra=keep me\n"
             "Quor_settings_file=" + long_name + "\n");
    options_controls options;
    read_configuration(options, directory.path());

    EXPECT_FALSE(options.Start_mode.checked());
    EXPECT_FALSE(options.Run_mode.checked());
    EXPECT_FALSE(options.cycle_tagged.checked());
    EXPECT_TRUE(options.cycle_all.checked());
    EXPECT_FALSE(options.UseCompression.checked());  // anything but "1" is false
    EXPECT_TRUE(options.SaveText.checked());
    EXPECT_EQ(options.min_time.text(), "0");   // letters read as 0
    EXPECT_EQ(options.max_time.text(), "60");  // empty reads as the default
    EXPECT_EQ(options.min_seconds, 0);
    EXPECT_EQ(options.max_seconds, 60);
    EXPECT_EQ(options.Settings_file_name.text(), std::string(255, 'n'));

    // Cycling switched on during the run does not change the start-up choice.
    options.Run_mode.set_checked(true);
    options.min_time.set_text("45");
    recording_message_box messages;
    ASSERT_TRUE(write_configuration(options, directory.path(), messages));

    const std::string written = file_text(directory.path() / "Quor_Rings_32_Config.ini");
    const ini_document document = ini_document::parse(written);
    const std::vector<ini_entry> expected = {
        {"Start_auto_cycling", "0"}, {"use_compression", "0"},   {"min_time", "45"},
        {"Max_Time", "60"},          {"Tagged_settings_only", "0"}, {"Extra", "keep me"},
        {"Quor_settings_file", std::string(255, 'n')},
    };
    std::vector<ini_entry> entries = document.entries("Quor_start");
    for (ini_entry& entry : entries) {
        for (const ini_entry& wanted : expected) {
            if (equal_ignoring_case(entry.key, wanted.key)) entry.key = wanted.key;
        }
    }
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(document.value("Other", "Min_Time"), "999");
    for (const char* line : {"; kept comment", "stray=before any section", "junk line without an equals sign", "=no key"}) {
        EXPECT_NE(written.find(line), std::string::npos) << line;
    }
}

TEST(configuration, an_end_that_cannot_write_says_why_and_writes_nothing) {
    struct failure_case {
        const char* what;
        bool file_is_a_folder;
        const char* min_time;
        std::string message;  // "%s": the file's path
    };
    const std::vector<failure_case> cases = {
        {"file cannot be written", true, "30", "Unable to write to %s"},
        {"time box holds no integer", false, "30 s", "'30 s' is not a valid integer value"},
    };
    for (const failure_case& c : cases) {
        testing::temporary_directory directory;
        const std::filesystem::path path = directory.path() / "Quor_Rings_32_Config.ini";
        if (c.file_is_a_folder) std::filesystem::create_directory(path);
        options_controls options;
        read_configuration(options, directory.path());
        options.min_time.set_text(c.min_time);
        recording_message_box messages;
        EXPECT_FALSE(write_configuration(options, directory.path(), messages)) << c.what;
        std::string message = c.message;
        if (auto at = message.find("%s"); at != std::string::npos) message.replace(at, 2, path.string());
        EXPECT_EQ(messages.messages, std::vector<std::string>{message}) << c.what;
        EXPECT_EQ(std::filesystem::is_regular_file(path), false) << c.what;
    }
}

}  // namespace
}  // namespace quor

#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "../storage/recording_progress_box.h"
#include "program_folder.h"
#include "storage/setting_conversion.h"
#include "storage/settings_file.h"
#include "support/files.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

namespace quor {
namespace {

namespace fs = std::filesystem;

using testing::file_text;

// One tagged setting of a hundred rings, packed as a first run looks for it.
void write_settings_file(const fs::path& program_dir) {
    settings_controls form;
    form.fill_palette_list(std::vector<std::string>{"FIRE.PAL"});
    form.palette_list.set_item_index(0);
    form.max_polygons.set_position(100);
    form.palette_inc.set_position(40);
    form.Screensaver.set_checked(true);
    settings_library library;
    library.settings.emplace_back();
    library.settings.back().control_strings = controls_to_lines(form, "Test rings");
    library.library_modified = true;
    testing::recording_progress_box progress;
    recording_message_box messages;
    ASSERT_EQ(save_settings_file(library, {program_dir, "Quor_Rings_32_Settings", true}, progress, messages),
              save_result::saved);
}

// The real program in a program directory of its own: it animates for a
// while, ends on SIGTERM the way its kill button ends it, and leaves the
// configuration of a first run beside it.
TEST(program_end_to_end_test, runs_and_writes_the_first_configuration_when_ended) {
    testing::temporary_directory program_dir;
    testing::copy_program_into(program_dir.path());
    write_settings_file(program_dir.path());

    QProcess program;
    testing::start_unattended(program, program_dir.path());
    ASSERT_TRUE(program.waitForStarted(10000));
    // A few hundred frames at the very least, unregulated or at any designed speed.
    EXPECT_FALSE(program.waitForFinished(3000)) << program.readAllStandardError().toStdString();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const std::string said = program.readAllStandardError().toStdString();
    EXPECT_EQ(said.find("message: "), std::string::npos) << said;

    EXPECT_EQ(file_text(program_dir.path() / "Quor_Rings_32_Config.ini"),
              "[Quor_start]\r\n"
              "START_AUTO_CYCLING=1\r\n"
              "TAGGED_SETTINGS_ONLY=1\r\n"
              "MIN_TIME=30\r\n"
              "MAX_TIME=60\r\n"
              "USE_COMPRESSION=1\r\n"
              "QUOR_SETTINGS_FILE=Quor_Rings_32_Settings\r\n");
}

}  // namespace
}  // namespace quor

// The real program started among damaged files: it says what is wrong, runs on,
// and loses nothing: no settings file or palette changes, and the configuration
// is written back at the end as it always is. Messages are
// read from its standard error, where an unattended run writes them instead of
// waiting for a user to close them.

#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

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

constexpr const char* corrupt_message = "The Settings file may be corrupt\r\nYou may experience problems";

// The configuration exactly as the program writes it back, so that a run that
// ends normally leaves it byte for byte.
constexpr const char* configuration_text =
    "[Quor_start]\r\n"
    "START_AUTO_CYCLING=1\r\n"
    "TAGGED_SETTINGS_ONLY=0\r\n"
    "MIN_TIME=30\r\n"
    "MAX_TIME=60\r\n"
    "USE_COMPRESSION=1\r\n"
    "QUOR_SETTINGS_FILE=Quor_Rings_32_Settings\r\n";

using testing::file_text;
using testing::put_file;

std::string junk_bytes(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator() & 0xff);
    return bytes;
}

// Every file under the folder, by relative path, with its bytes.
std::map<std::string, std::string> files_under(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = file_text(entry.path());
    return files;
}

std::string unescaped(std::string_view line) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            text += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
        } else {
            text += line[i];
        }
    }
    return text;
}

struct program_run {
    bool ran_on = false;  // still running when it was asked to end
    int exit_code = -1;
    std::vector<std::string> messages;
    std::string standard_error;
};

// A program folder as a user has it: the program, its palettes, the about
// box's data, the configuration and a packed library of five tagged settings.
class damaged_surroundings_test : public ::testing::Test {
protected:
    void SetUp() override {
        testing::copy_program_into(dir());
        put_file(dir() / "Quor_Rings_32_Config.ini", configuration_text);
        write_library();
    }

    const fs::path& dir() const { return program_dir_.path(); }
    fs::path packed_library() const { return dir() / "Quor_Rings_32_Settings.cmp"; }

    void write_library() {
        settings_library library;
        for (int number = 1; number <= 5; ++number) {
            settings_controls form;
            form.fill_palette_list(std::vector<std::string>{"FIRE.PAL"});
            form.palette_list.set_item_index(0);
            form.max_polygons.set_position(20 * number);
            form.Screensaver.set_checked(true);
            library.settings.emplace_back();
            library.settings.back().control_strings = controls_to_lines(form, "Rings " + std::to_string(number));
        }
        library.library_modified = true;
        testing::recording_progress_box progress;
        recording_message_box messages;
        ASSERT_EQ(save_settings_file(library, {dir(), "Quor_Rings_32_Settings", true}, progress, messages),
                  save_result::saved);
    }

    // Runs the program unattended for two seconds, and longer until it has said
    // as many messages as awaited (however slow its start-up), then a second
    // more to see whether it runs on; then ends it as the system ends a program
    // (SIGTERM, the same path as its kill button).
    program_run run(std::size_t awaited_messages) {
        QProcess program;
        testing::start_unattended(program, dir());
        program_run result;
        if (!program.waitForStarted(10000)) return result;
        std::string said;
        const auto messages_said = [&said] {
            std::size_t count = 0;
            for (std::size_t at = said.find("message: "); at != std::string::npos; at = said.find("message: ", at + 1))
                ++count;
            return count;
        };
        QElapsedTimer waited;
        waited.start();
        while ((messages_said() < awaited_messages || waited.elapsed() < 2000) && waited.elapsed() < 20000 &&
               program.state() == QProcess::Running) {
            program.waitForReadyRead(100);
            said += program.readAllStandardError().toStdString();
        }
        result.ran_on = !program.waitForFinished(1000);
        if (result.ran_on) {
            program.terminate();
            program.waitForFinished(10000);
        }
        if (program.exitStatus() == QProcess::NormalExit) result.exit_code = program.exitCode();
        result.standard_error = said + program.readAllStandardError().toStdString();
        std::istringstream lines(result.standard_error);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("message: ", 0) == 0) result.messages.push_back(unescaped(line.substr(9)));
        return result;
    }

    // Runs the program and checks it ran on, said exactly `expected` (each at
    // least once, nothing else) and ended normally with every file unchanged.
    void expect_runs_on_saying(const std::string& expected) {
        const auto before = files_under(dir());
        const program_run result = run(1);
        EXPECT_TRUE(result.ran_on) << result.standard_error;
        EXPECT_EQ(result.exit_code, 0) << result.standard_error;
        ASSERT_FALSE(result.messages.empty()) << result.standard_error;
        for (const std::string& message : result.messages) EXPECT_EQ(message, expected);
        EXPECT_TRUE(files_under(dir()) == before) << "a file was changed, added or removed";
    }

private:
    testing::temporary_directory program_dir_;
};

TEST_F(damaged_surroundings_test, a_sound_folder_runs_without_a_message) {
    const auto before = files_under(dir());
    const program_run result = run(0);
    EXPECT_TRUE(result.ran_on) << result.standard_error;
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_TRUE(result.messages.empty()) << result.standard_error;
    EXPECT_TRUE(files_under(dir()) == before);
}

TEST_F(damaged_surroundings_test, a_missing_or_empty_palette_folder_is_reported_and_the_rings_run_on) {
    const std::string expected = "Palette files not found in " + dir().string() + "/Palette";
    fs::remove_all(dir() / "palette");
    expect_runs_on_saying(expected);
    fs::create_directory(dir() / "palette");
    expect_runs_on_saying(expected);
}

TEST_F(damaged_surroundings_test, a_palette_file_of_binary_junk_is_reported_and_the_rings_run_on) {
    const fs::path palette = dir() / "palette" / "FIRE.PAL";
    put_file(palette, junk_bytes(4096, 7));
    const auto before = files_under(dir());
    const program_run result = run(1);
    EXPECT_TRUE(result.ran_on) << result.standard_error;
    EXPECT_EQ(result.exit_code, 0);
    ASSERT_FALSE(result.messages.empty()) << result.standard_error;
    for (const std::string& message : result.messages) EXPECT_EQ(message.rfind(palette.string() + "\r", 0), 0u) << message;
    EXPECT_TRUE(files_under(dir()) == before);
}

TEST_F(damaged_surroundings_test, packed_headers_claiming_gigabytes_read_as_damage_and_nothing_is_saved_over) {
    const std::string packed = file_text(packed_library());
    // 4 GiB (all ones, which the header's signed length reads as -1) and 2 GiB.
    for (const std::string& header : {std::string("\xff\xff\xff\xff", 4), std::string("\xff\xff\xff\x7f", 4)}) {
        put_file(packed_library(), header + packed.substr(4));
        expect_runs_on_saying(corrupt_message);
    }
}

TEST_F(damaged_surroundings_test, a_truncated_packed_library_reads_as_damage_and_nothing_is_saved_over) {
    const std::string packed = file_text(packed_library());
    put_file(packed_library(), packed.substr(0, packed.size() / 2));
    expect_runs_on_saying(corrupt_message);
}

TEST_F(damaged_surroundings_test, a_configuration_of_junk_lines_and_overlong_values_keeps_its_junk) {
    const std::string junk_line = junk_bytes(40, 3);
    const std::string note(5000, 'n');
    std::string junk_free_line;
    for (char c : junk_line) junk_free_line += (c == '\r' || c == '\n' || c == '\0') ? '?' : c;
    put_file(dir() / "Quor_Rings_32_Config.ini",
               "a line without an equals sign\r\n" + junk_free_line + "\r\n" +
                   "[Quor_start]\r\n"
                   "=a value without a key\r\n"
                   "MIN_TIME=" + std::string(300, '9') + "\r\n" +
                   "START_AUTO_CYCLING=" + std::string(1000, 'y') + "\r\n" +
                   "USER_NOTE=" + note + "\r\n" +
                   "QUOR_SETTINGS_FILE=Quor_Rings_32_Settings\r\n");
    const std::string library = file_text(packed_library());

    const program_run result = run(0);
    EXPECT_TRUE(result.ran_on) << result.standard_error;
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_TRUE(result.messages.empty()) << result.standard_error;
    EXPECT_EQ(file_text(packed_library()), library);
    // Written back at the end: junk kept, the bad number read as 0, the bad flag
    // as off, values cut to 255 characters, missing keys added to the section.
    EXPECT_EQ(file_text(dir() / "Quor_Rings_32_Config.ini"),
              "a line without an equals sign\r\n" + junk_free_line + "\r\n" +
                  "[Quor_start]\r\n"
                  "=a value without a key\r\n"
                  "MIN_TIME=0\r\n"
                  "START_AUTO_CYCLING=0\r\n"
                  "USER_NOTE=" + note.substr(0, 255) + "\r\n" +
                  "QUOR_SETTINGS_FILE=Quor_Rings_32_Settings\r\n"
                  "TAGGED_SETTINGS_ONLY=1\r\n"
                  "MAX_TIME=60\r\n"
                  "USE_COMPRESSION=1\r\n");
}

}  // namespace
}  // namespace quor

// The settings file is replaced as a whole or not at all: a save killed at any
// point, or refused for lack of space, leaves the old library whole on disk, in
// either format.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "storage/lzh_compressor.h"
#include "storage/settings_file.h"
#include "storage/settings_library.h"
#include "support/files.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

namespace quor {
namespace {

using testing::file_text;

// A library of `count` settings whose names and lines differ, so that packing
// leaves a file of many kilobytes.
settings_library make_library(int count, const std::string& name_prefix) {
    settings_library library;
    for (int index = 0; index < count; ++index) {
        Quor_setting setting;
        setting.control_strings.push_back(name_prefix + std::to_string(index));
        for (int line = 0; line < 20; ++line) {
            setting.control_strings.push_back("        max_polygons\t" + std::to_string(index * 37 + line * 11) + "\t1\t" +
                                              std::to_string(line * index % 997));
        }
        library.settings.push_back(std::move(setting));
    }
    return library;
}

class InterruptedSettingsSave : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        location.program_directory = directory.path();
        location.base_name = "Quor_Rings_32_Settings";
        location.packed = GetParam();
        old_bytes = encoded(make_library(60, "Old setting ").write_settings());
        new_bytes = encoded(changed_library().write_settings());
        ASSERT_NE(old_bytes, new_bytes);
        restore_old_file();
    }

    std::string encoded(const std::string& text) const {
        if (!location.packed) return text;
        const auto packed = lzh_pack(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        return std::string(packed.begin(), packed.end());
    }

    static settings_library changed_library() {
        settings_library library = make_library(60, "New setting ");
        library.library_modified = true;
        return library;
    }

    void restore_old_file() const { std::ofstream(location.chosen_path(), std::ios::binary | std::ios::trunc) << old_bytes; }

    testing::temporary_directory directory;
    settings_file_location location;
    std::string old_bytes;
    std::string new_bytes;
};

TEST_P(InterruptedSettingsSave, AKilledSaveLeavesTheOldFileOrTheNewOne) {
    int old_seen = 0;
    int new_seen = 0;
    auto check_and_restore = [&](const testing::child_outcome& outcome, const std::string& when) {
        EXPECT_EQ(outcome.report, "") << when;
        const std::string on_disk = file_text(location.chosen_path());
        EXPECT_TRUE(on_disk == old_bytes || on_disk == new_bytes)
            << when << ": the file holds " << on_disk.size() << " bytes that are neither the old nor the new library";
        (on_disk == old_bytes ? old_seen : new_seen) += 1;
        restore_old_file();
    };
    auto save = [&] {
        settings_library library = changed_library();
        silent_progress_box progress;
        recording_message_box messages;
        save_settings_file(library, location, progress, messages);
    };

    const std::size_t step = new_bytes.size() / 25 + 1;
    for (std::size_t bytes = 0; bytes < new_bytes.size(); bytes += step) {
        const auto outcome = testing::run_in_child([&] {
            testing::limit_file_size(bytes, true);
            save();
            return std::string("the save went past the byte limit without dying");
        });
        EXPECT_TRUE(outcome.killed) << "at byte " << bytes;
        check_and_restore(outcome, "killed at byte " + std::to_string(bytes));
    }
    for (int delay = 0; delay <= 51200; delay = delay == 0 ? 50 : delay * 2) {
        const auto outcome = testing::run_in_child(
            [&] {
                save();
                return std::string();
            },
            std::chrono::microseconds(delay));
        check_and_restore(outcome, "killed after " + std::to_string(delay) + " microseconds");
    }
    const auto finished = testing::run_in_child([&] {
        save();
        return std::string();
    });
    check_and_restore(finished, "not killed");
    EXPECT_GT(old_seen, 0);
    EXPECT_GT(new_seen, 0);
}

TEST_P(InterruptedSettingsSave, NoSpaceIsReportedAndTheChangesWaitInMemoryForTheNextSave) {
    for (const rlim_t limit : {rlim_t{0}, rlim_t{new_bytes.size() / 2}, rlim_t{new_bytes.size() - 1}}) {
        const auto outcome = testing::run_in_child([&]() -> std::string {
            settings_library library = changed_library();
            silent_progress_box progress;
            recording_message_box messages;
            testing::limit_file_size(limit, false);
            if (save_settings_file(library, location, progress, messages) != save_result::failed) {
                return "the save reported success";
            }
            const std::vector<std::string> expected = {"Cannot create file " + location.chosen_path().string()};
            if (messages.messages != expected) {
                return "wrong messages: " + (messages.messages.empty() ? std::string("none") : messages.messages.front());
            }
            if (file_text(location.chosen_path()) != old_bytes) return "the old file was changed";
            if (std::distance(std::filesystem::directory_iterator(directory.path()), {}) != 1) {
                return "the failed save left a file behind";
            }
            if (!library.library_modified || library.write_settings() != changed_library().write_settings()) {
                return "the changes were lost from memory";
            }
            testing::lift_file_size_limit();
            if (save_settings_file(library, location, progress, messages) != save_result::saved) return "saving again failed";
            if (file_text(location.chosen_path()) != new_bytes) return "saving again did not write the changes";
            return {};
        });
        EXPECT_FALSE(outcome.killed);
        EXPECT_EQ(outcome.report, "") << "file size limit " << limit;
        restore_old_file();
    }
}

INSTANTIATE_TEST_SUITE_P(BothFormats, InterruptedSettingsSave, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& format) { return format.param ? "packed" : "plain"; });

}  // namespace
}  // namespace quor

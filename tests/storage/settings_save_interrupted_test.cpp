// The settings file is replaced as a whole or not at all: a save killed at any
// point, or refused for lack of space, leaves the old library whole on disk, in
// either format.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "interrupted_save.h"
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
        file.path = location.chosen_path();
        file.old_bytes = encoded(make_library(60, "Old setting ").write_settings());
        file.new_bytes = encoded(changed_library().write_settings());
        ASSERT_NE(file.old_bytes, file.new_bytes);
        file.put_back_old();
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

    testing::temporary_directory directory;
    settings_file_location location;
    testing::replaced_file file;
};

TEST_P(InterruptedSettingsSave, AKilledSaveLeavesTheOldFileOrTheNewOne) {
    testing::expect_killed_saves_leave_a_whole_file(file, file.new_bytes.size() / 25 + 1, [&] {
        auto library = std::make_shared<settings_library>(changed_library());
        return [this, library] {
            silent_progress_box progress;
            recording_message_box messages;
            save_settings_file(*library, location, progress, messages);
        };
    });
}

TEST_P(InterruptedSettingsSave, NoSpaceIsReportedAndTheChangesWaitInMemoryForTheNextSave) {
    const rlim_t size = file.new_bytes.size();
    testing::expect_refused_saves(file, {rlim_t{0}, rlim_t{size / 2}, rlim_t{size - 1}}, [&]() -> std::string {
        settings_library library = changed_library();
        silent_progress_box progress;
        recording_message_box messages;
        if (save_settings_file(library, location, progress, messages) != save_result::failed) {
            return "the save reported success";
        }
        const std::vector<std::string> expected = {"Cannot create file " + location.chosen_path().string()};
        if (messages.messages != expected) {
            return "wrong messages: " + (messages.messages.empty() ? std::string("none") : messages.messages.front());
        }
        if (std::string problem = file.untouched_or_why_not(); !problem.empty()) return problem;
        if (!library.library_modified || library.write_settings() != changed_library().write_settings()) {
            return "the changes were lost from memory";
        }
        testing::lift_file_size_limit();
        if (save_settings_file(library, location, progress, messages) != save_result::saved) return "saving again failed";
        if (file_text(location.chosen_path()) != file.new_bytes) return "saving again did not write the changes";
        return {};
    });
}

INSTANTIATE_TEST_SUITE_P(BothFormats, InterruptedSettingsSave, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& format) { return format.param ? "packed" : "plain"; });

}  // namespace
}  // namespace quor

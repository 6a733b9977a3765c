// The configuration is replaced as a whole or not at all: a save killed at any
// point, or refused for lack of space, leaves the old file whole on disk.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "child_process.h"
#include "storage/bag.h"
#include "storage/ini_document.h"
#include "support/files.h"
#include "support/temporary_directory.h"

namespace quor {
namespace {

using testing::file_text;

class InterruptedBagSave : public ::testing::Test {
protected:
    void SetUp() override {
        // Enough unknown entries that the write takes many system calls' worth of bytes.
        old_text = "[Quor_start]\r\nMIN_TIME=30\r\nMAX_TIME=60\r\n";
        for (int index = 0; index < 800; ++index) {
            old_text += "UNKNOWN_" + std::to_string(index) + "=kept by the program but not used\r\n";
        }
        std::ofstream(ini_path(), std::ios::binary) << old_text;

        ini_document expected = ini_document::parse(old_text);
        TBag bag = loaded_and_changed_bag();
        bag.save_to_document(expected);
        new_text = expected.text();
        ASSERT_NE(new_text, old_text);
    }

    TBag loaded_and_changed_bag() const {
        TBag bag(directory.path().string() + "/");
        bag.SetIniSect("Quor_start");
        bag.SetIniFile("Quor_Rings_32_Config.ini");
        bag.LoadFromIni();
        bag.WriteInteger("Min_Time", 45);
        bag.WriteString("Quor_settings_file", "My_Settings");
        return bag;
    }

    // Empty when the file on disk is one of the two whole versions.
    std::string check_file_is_whole() const {
        const std::string on_disk = file_text(ini_path());
        if (on_disk == old_text || on_disk == new_text) return {};
        return "the file holds " + std::to_string(on_disk.size()) + " bytes that are neither the old nor the new file";
    }

    std::filesystem::path ini_path() const { return directory.path() / "Quor_Rings_32_Config.ini"; }

    testing::temporary_directory directory;
    std::string old_text;
    std::string new_text;
};

TEST_F(InterruptedBagSave, AKilledSaveLeavesTheOldFileOrTheNewOne) {
    int old_seen = 0;
    int new_seen = 0;
    auto check_and_restore = [&](const testing::child_outcome& outcome, const std::string& when) {
        EXPECT_EQ(outcome.report, "") << when;
        EXPECT_EQ(check_file_is_whole(), "") << when;
        (file_text(ini_path()) == old_text ? old_seen : new_seen) += 1;
        std::ofstream(ini_path(), std::ios::binary | std::ios::trunc) << old_text;
    };

    // Killed at every 997th byte written.
    for (std::size_t bytes = 0; bytes < new_text.size(); bytes += 997) {
        TBag bag = loaded_and_changed_bag();
        const auto outcome = testing::run_in_child([&] {
            testing::limit_file_size(bytes, true);
            bag.SaveToIni();
            return std::string("the save went past the byte limit without dying");
        });
        EXPECT_TRUE(outcome.killed) << "at byte " << bytes;
        check_and_restore(outcome, "killed at byte " + std::to_string(bytes));
    }
    // The partial temporary file of the last kill does not stand in the way of a save.
    const auto finished = testing::run_in_child([&] {
        TBag bag = loaded_and_changed_bag();
        bag.SaveToIni();
        return std::string();
    });
    check_and_restore(finished, "not killed");
    // Killed at increasing times, which also reach the flush and the rename.
    for (int delay = 0; delay <= 51200; delay = delay == 0 ? 50 : delay * 2) {
        TBag bag = loaded_and_changed_bag();
        const auto outcome = testing::run_in_child(
            [&] {
                bag.SaveToIni();
                return std::string();
            },
            std::chrono::microseconds(delay));
        check_and_restore(outcome, "killed after " + std::to_string(delay) + " microseconds");
    }
    EXPECT_GT(old_seen, 0);
    EXPECT_GT(new_seen, 0);

    // Nor do those of the kills at any time; none is left once a save has gone through.
    TBag bag = loaded_and_changed_bag();
    bag.SaveToIni();
    EXPECT_EQ(file_text(ini_path()), new_text);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.path()), {}), 1);
}

TEST_F(InterruptedBagSave, NoSpaceIsReportedAndTheChangesWaitInMemoryForTheNextSave) {
    for (const rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{new_text.size() / 2}, rlim_t{new_text.size() - 1}}) {
        const auto outcome = testing::run_in_child([&]() -> std::string {
            TBag bag = loaded_and_changed_bag();
            testing::limit_file_size(limit, false);
            try {
                bag.SaveToIni();
                return "the save reported success";
            } catch (const EBagError& error) {
                if (error.what() != "Unable to write to " + ini_path().string()) {
                    return std::string("wrong message: ") + error.what();
                }
            }
            if (file_text(ini_path()) != old_text) return "the old file was changed";
            if (std::distance(std::filesystem::directory_iterator(directory.path()), {}) != 1) {
                return "the failed save left a file behind";
            }
            if (bag.ReadInteger("Min_Time", 0) != 45 || bag.ReadString("Quor_settings_file", "") != "My_Settings") {
                return "the changes were lost from memory";
            }
            testing::lift_file_size_limit();
            bag.SaveToIni();
            if (file_text(ini_path()) != new_text) return "saving again did not write the changes";
            return {};
        });
        EXPECT_FALSE(outcome.killed);
        EXPECT_EQ(outcome.report, "") << "file size limit " << limit;
        std::ofstream(ini_path(), std::ios::binary | std::ios::trunc) << old_text;
    }
}

}  // namespace
}  // namespace quor

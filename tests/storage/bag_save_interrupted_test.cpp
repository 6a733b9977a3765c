// The configuration is replaced as a whole or not at all: a save killed at any
// point, or refused for lack of space, leaves the old file whole on disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "interrupted_save.h"
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
        file.path = directory.path() / "Quor_Rings_32_Config.ini";
        file.old_bytes = "[Quor_start]\r\nMIN_TIME=30\r\nMAX_TIME=60\r\n";
        for (int index = 0; index < 800; ++index) {
            file.old_bytes += "UNKNOWN_" + std::to_string(index) + "=kept by the program but not used\r\n";
        }
        file.put_back_old();

        ini_document expected = ini_document::parse(file.old_bytes);
        TBag bag = loaded_and_changed_bag();
        bag.save_to_document(expected);
        file.new_bytes = expected.text();
        ASSERT_NE(file.new_bytes, file.old_bytes);
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

    testing::temporary_directory directory;
    testing::replaced_file file;
};

TEST_F(InterruptedBagSave, AKilledSaveLeavesTheOldFileOrTheNewOne) {
    // Killed at every 997th byte written.
    testing::expect_killed_saves_leave_a_whole_file(file, 997, [this] {
        auto bag = std::make_shared<TBag>(loaded_and_changed_bag());
        return [bag] { bag->SaveToIni(); };
    });

    // Nor do those of the kills at any time; none is left once a save has gone through.
    TBag bag = loaded_and_changed_bag();
    bag.SaveToIni();
    EXPECT_EQ(file_text(file.path), file.new_bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.path()), {}), 1);
}

TEST_F(InterruptedBagSave, NoSpaceIsReportedAndTheChangesWaitInMemoryForTheNextSave) {
    const rlim_t size = file.new_bytes.size();
    testing::expect_refused_saves(file, {rlim_t{0}, rlim_t{1}, rlim_t{size / 2}, rlim_t{size - 1}},
                                  [&]() -> std::string {
        TBag bag = loaded_and_changed_bag();
        try {
            bag.SaveToIni();
            return "the save reported success";
        } catch (const EBagError& error) {
            if (error.what() != "Unable to write to " + file.path.string()) {
                return std::string("wrong message: ") + error.what();
            }
        }
        if (std::string problem = file.untouched_or_why_not(); !problem.empty()) return problem;
        if (bag.ReadInteger("Min_Time", 0) != 45 || bag.ReadString("Quor_settings_file", "") != "My_Settings") {
            return "the changes were lost from memory";
        }
        testing::lift_file_size_limit();
        bag.SaveToIni();
        if (file_text(file.path) != file.new_bytes) return "saving again did not write the changes";
        return {};
    });
}

}  // namespace
}  // namespace quor

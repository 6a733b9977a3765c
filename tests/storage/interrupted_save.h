#pragma once
// A save that replaces one file, killed at any point or refused for lack of
// space, in forked children: the file on disk must always be one whole version,
// the old or the new.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>

#include "child_process.h"
#include "support/files.h"

namespace quor::testing {

// The file a save replaces and the two versions it may hold.
struct replaced_file {
    std::filesystem::path path;
    std::string old_bytes;
    std::string new_bytes;

    void put_back_old() const { std::ofstream(path, std::ios::binary | std::ios::trunc) << old_bytes; }

    // Empty when the file holds one version whole; otherwise what it holds.
    std::string whole_or_why_not() const {
        const std::string on_disk = file_text(path);
        if (on_disk == old_bytes || on_disk == new_bytes) return {};
        return "the file holds " + std::to_string(on_disk.size()) + " bytes that are neither the old nor the new version";
    }

    // Empty when a refused save left the old version and nothing else in the folder.
    std::string untouched_or_why_not() const {
        if (file_text(path) != old_bytes) return "the old file was changed";
        if (std::distance(std::filesystem::directory_iterator(path.parent_path()), {}) != 1) {
            return "the failed save left a file behind";
        }
        return {};
    }
};

// Kills the save at every `byte_step`-th byte it writes, lets one run finish
// (what a kill left behind must not stand in its way), then kills it after
// growing delays, which also reach the flush and the rename. After each run the
// file must hold one version whole, and both versions must have been seen.
// `prepare` runs in the test process and gives the save, so that a delayed kill
// falls in the save itself.
inline void expect_killed_saves_leave_a_whole_file(const replaced_file& file, std::size_t byte_step,
                                                   const std::function<std::function<void()>()>& prepare) {
    int old_seen = 0;
    int new_seen = 0;
    auto check_and_restore = [&](const child_outcome& outcome, const std::string& when) {
        EXPECT_EQ(outcome.report, "") << when;
        EXPECT_EQ(file.whole_or_why_not(), "") << when;
        (file_text(file.path) == file.old_bytes ? old_seen : new_seen) += 1;
        file.put_back_old();
    };
    auto run_save = [](const std::function<void()>& save) {
        return [save] {
            save();
            return std::string();
        };
    };

    for (std::size_t bytes = 0; bytes < file.new_bytes.size(); bytes += byte_step) {
        const std::function<void()> save = prepare();
        const child_outcome outcome = run_in_child([&] {
            limit_file_size(bytes, true);
            save();
            return std::string("the save went past the byte limit without dying");
        });
        EXPECT_TRUE(outcome.killed) << "at byte " << bytes;
        check_and_restore(outcome, "killed at byte " + std::to_string(bytes));
    }
    check_and_restore(run_in_child(run_save(prepare())), "not killed");
    for (int delay = 0; delay <= 51200; delay = delay == 0 ? 50 : delay * 2) {
        const child_outcome outcome = run_in_child(run_save(prepare()), std::chrono::microseconds(delay));
        check_and_restore(outcome, "killed after " + std::to_string(delay) + " microseconds");
    }
    EXPECT_GT(old_seen, 0);
    EXPECT_GT(new_seen, 0);
}

// Under each file-size limit, past which a write fails as on a full disk, runs
// `save_and_check` in a child; it reports what went wrong, nothing when all
// went as it should. The old version is put back after each.
inline void expect_refused_saves(const replaced_file& file, std::initializer_list<rlim_t> limits,
                                 const std::function<std::string()>& save_and_check) {
    for (const rlim_t limit : limits) {
        const child_outcome outcome = run_in_child([&] {
            limit_file_size(limit, false);
            return save_and_check();
        });
        EXPECT_FALSE(outcome.killed);
        EXPECT_EQ(outcome.report, "") << "file size limit " << limit;
        file.put_back_old();
    }
}

}  // namespace quor::testing

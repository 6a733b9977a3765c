#include "storage/settings_file.h"

#include "library_test_support.h"
#include "recording_progress_box.h"
#include "storage/lzh_compressor.h"
#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace quor {
namespace {

using testing::file_text;
using testing::library_fixture;
using testing::lzh_fixture;
using testing::names_of;
using testing::palette_form;
using testing::put_file;

constexpr const char* base_name = "Quor_Rings_32_Settings";
const std::string one_plain_setting = "{ \r\nPlain one\r\n         Screensaver\tTRUE\r\n}\r\n";

std::set<std::string> files_in(const std::filesystem::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) names.insert(entry.path().filename().string());
    return names;
}

std::string unpacked(const std::string& packed) {
    const std::vector<std::uint8_t> plain =
        lzh_unpack(std::span(reinterpret_cast<const std::uint8_t*>(packed.data()), packed.size()));
    return {plain.begin(), plain.end()};
}

// One program directory with everything a load and a save talk to.
struct program_files {
    testing::temporary_directory directory;
    settings_library library;
    palette_form form;
    uniform_random random{42};
    testing::recording_progress_box progress;
    recording_message_box messages;

    settings_file_location location(bool packed) const { return {directory.path(), base_name, packed}; }
    std::filesystem::path path(const char* extension) const { return directory.path() / (base_name + std::string(extension)); }
    void put(const char* extension, const std::string& text) const { put_file(path(extension), text); }
    library_load_result load(bool packed) {
        return load_settings_library(library, location(packed), true, form, random, progress, messages);
    }
    save_result save(bool packed) { return save_settings_file(library, location(packed), progress, messages); }
};

TEST(settings_file, a_load_prefers_the_chosen_format_and_ends_the_program_when_it_is_missing) {
    struct load_case {
        const char* what;
        bool packed_chosen;
        bool packed_present;
        bool plain_present;
        std::size_t settings;  // 3 from the packed file, 1 from the plain one
        bool ends;
    };
    const std::vector<load_case> cases = {
        {"packed chosen, both present", true, true, true, 3, false},
        {"packed chosen, only plain present", true, false, true, 1, false},
        {"plain chosen, both present", false, true, true, 1, false},
        {"plain chosen, only packed present", false, true, false, 0, true},
        {"neither present", true, false, false, 0, true},
    };
    for (const load_case& c : cases) {
        program_files files;
        if (c.packed_present) files.put(".cmp", file_text(lzh_fixture("library3.cmp")));
        if (c.plain_present) files.put(".txt", one_plain_setting);
        files.library.library_modified = true;
        const library_load_result result = files.load(c.packed_chosen);
        EXPECT_EQ(files.library.settings.size(), c.settings) << c.what;
        EXPECT_EQ(result.end_program, c.ends) << c.what;
        EXPECT_EQ(result.exit_code, 0) << c.what;
        const std::vector<std::string> expected_messages =
            c.ends ? std::vector<std::string>{missing_settings_file_message} : std::vector<std::string>{};
        EXPECT_EQ(files.messages.messages, expected_messages) << c.what;
        if (!c.ends) {
            EXPECT_FALSE(files.library.library_modified) << c.what;
            EXPECT_TRUE(result.picked_row) << c.what;
        }
    }
}

TEST(settings_file, the_progress_box_shows_unpacking_and_packing) {
    program_files files;
    files.put(".cmp", file_text(lzh_fixture("library3.cmp")));  // 5659 plain bytes: 5 KiB
    files.put(".txt", file_text(lzh_fixture("library3.txt")));
    files.load(true);
    EXPECT_EQ(files.progress.calls,
              (std::vector<std::string>{"show: Decompressing Quorrings settings data", "maximum: 5", "hide"}));

    files.progress.calls.clear();
    files.load(false);
    EXPECT_EQ(files.progress.calls, (std::vector<std::string>{"maximum: 5", "hide"}));

    files.progress.calls.clear();
    files.library.library_modified = true;
    ASSERT_EQ(files.save(true), save_result::saved);
    EXPECT_EQ(files.progress.calls, (std::vector<std::string>{"show bar: Compressing Quorrings settings data", "hide"}));
    EXPECT_EQ(files.progress.last_position, 5);
}

TEST(settings_file, quitting_without_a_change_writes_nothing) {
    program_files files;
    files.put(".txt", file_text(lzh_fixture("library3.txt")));
    files.load(true);
    EXPECT_EQ(files.save(true), save_result::unchanged);
    EXPECT_EQ(files.save(false), save_result::unchanged);
    EXPECT_EQ(files_in(files.directory.path()), (std::set<std::string>{std::string(base_name) + ".txt"}));
}

TEST(settings_file, a_changed_library_is_saved_in_the_format_chosen_at_quitting) {
    program_files files;
    const std::string loaded_text = file_text(lzh_fixture("library3.txt"));
    files.put(".txt", loaded_text);
    files.load(true);

    // What the library dialog does: rename, retag, overwrite, append.
    files.library.settings[1].setname("Renamed");
    files.library.settings[0].setscreensave(false);
    files.library.settings[2].control_strings = controls_to_lines(files.form, "Overwritten");
    files.library.settings.push_back({controls_to_lines(files.form, "Appended")});
    files.library.library_modified = true;
    const settings_library changed = files.library;

    ASSERT_EQ(files.save(true), save_result::saved);
    EXPECT_FALSE(files.library.library_modified);
    EXPECT_EQ(file_text(files.path(".txt")), loaded_text);
    EXPECT_EQ(unpacked(file_text(files.path(".cmp"))), changed.write_settings());

    files.library.library_modified = true;
    ASSERT_EQ(files.save(false), save_result::saved);
    EXPECT_EQ(file_text(files.path(".txt")), changed.write_settings());

    for (bool packed : {true, false}) {
        files.load(packed);
        ASSERT_EQ(names_of(files.library), (std::vector<std::string>{"Sample setting 1", "Renamed", "Overwritten", "Appended"}));
        for (std::size_t index = 0; index < changed.settings.size(); ++index) {
            EXPECT_EQ(files.library.settings[index].control_strings, changed.settings[index].control_strings)
                << (packed ? "packed" : "plain") << " setting " << index;
        }
    }
    EXPECT_TRUE(files.messages.messages.empty());
}

// Makes every write beyond `bytes` in a file fail, as a full disk would, until destroyed.
class file_size_limit {
public:
    explicit file_size_limit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~file_size_limit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_handler_);
    }
    file_size_limit(const file_size_limit&) = delete;
    file_size_limit& operator=(const file_size_limit&) = delete;

private:
    rlimit saved_{};
    void (*previous_handler_)(int) = nullptr;
};

TEST(settings_file, a_save_that_fails_midway_leaves_the_old_file_whole_and_can_be_retried) {
    for (bool packed : {false, true}) {
        program_files files;
        const char* extension = packed ? ".cmp" : ".txt";
        const std::string old_file = file_text(lzh_fixture(packed ? "library3.cmp" : "library3.txt"));
        files.put(extension, old_file);
        files.load(packed);
        files.library.settings.push_back({controls_to_lines(files.form, "New one")});
        files.library.library_modified = true;
        {
            const file_size_limit disk_full(packed ? 512 : 4096);
            EXPECT_EQ(files.save(packed), save_result::failed);
        }
        EXPECT_EQ(files.messages.messages,
                  std::vector<std::string>{"Cannot create file " + files.path(extension).string()});
        EXPECT_TRUE(files.library.library_modified);
        EXPECT_EQ(file_text(files.path(extension)), old_file);
        EXPECT_EQ(files_in(files.directory.path()), (std::set<std::string>{std::string(base_name) + extension}));

        ASSERT_EQ(files.save(packed), save_result::saved);
        files.load(packed);
        EXPECT_EQ(files.library.settings.size(), 4u);
    }
}

TEST(settings_file, a_damaged_file_is_kept_beside_the_one_that_replaces_it) {
    program_files files;
    const std::string damaged = file_text(library_fixture("trailing_blank_line.txt"));
    const std::string kept_name = std::string(base_name) + ".txt.damaged";
    files.put(".txt", damaged);
    files.load(false);
    EXPECT_EQ(files.library.settings.size(), 3u);
    EXPECT_EQ(files.messages.messages, std::vector<std::string>{corrupt_settings_message});

    // Unchanged, or written under another name: the damaged file is not touched, so nothing is kept.
    EXPECT_EQ(files.save(false), save_result::unchanged);
    files.library.library_modified = true;
    ASSERT_EQ(files.save(true), save_result::saved);
    EXPECT_EQ(file_text(files.path(".txt")), damaged);
    EXPECT_FALSE(std::filesystem::exists(files.directory.path() / kept_name));

    // Replacing it keeps it first, once per damaged load, never over an earlier copy.
    for (const std::string& expected_name : {kept_name, kept_name + "-2"}) {
        files.put(".txt", damaged);
        files.load(false);
        files.messages.messages.clear();
        files.library.library_modified = true;
        ASSERT_EQ(files.save(false), save_result::saved);
        ASSERT_EQ(files.save(false), save_result::unchanged);
        files.library.library_modified = true;
        ASSERT_EQ(files.save(false), save_result::saved);
        const std::filesystem::path kept = files.directory.path() / expected_name;
        EXPECT_EQ(files.messages.messages,
                  std::vector<std::string>{"The settings file was damaged when it was read; its original is kept as " +
                                           kept.string()});
        EXPECT_EQ(file_text(kept), damaged);
        EXPECT_EQ(file_text(files.path(".txt")), files.library.write_settings());
    }
    EXPECT_EQ(file_text(files.directory.path() / kept_name), damaged);
    EXPECT_FALSE(std::filesystem::exists(files.directory.path() / (kept_name + "-3")));
}

TEST(settings_file, when_the_damaged_file_cannot_be_kept_it_is_not_replaced) {
    program_files files;
    const std::string damaged = file_text(library_fixture("trailing_blank_line.txt"));
    files.put(".txt", damaged);
    files.load(false);
    files.messages.messages.clear();
    files.library.library_modified = true;
    {
        const file_size_limit disk_full(1024);
        EXPECT_EQ(files.save(false), save_result::failed);
    }
    const std::filesystem::path kept = files.directory.path() / (std::string(base_name) + ".txt.damaged");
    EXPECT_EQ(files.messages.messages, std::vector<std::string>{"Cannot create file " + kept.string()});
    EXPECT_EQ(file_text(files.path(".txt")), damaged);
    EXPECT_FALSE(std::filesystem::exists(kept));
    EXPECT_TRUE(files.library.library_modified);
}

TEST(settings_file, damaged_packed_files_load_what_they_can_with_one_message_and_are_kept) {
    struct damage_case {
        const char* what;
        std::string bytes;
        std::size_t settings;
    };
    const std::vector<damage_case> cases = {
        {"truncated", file_text(library_fixture("truncated.cmp")), 2},
        {"huge header", file_text(library_fixture("huge_header.cmp")), 0},
        {"random bytes", file_text(library_fixture("random_bytes.cmp")), 0},
        {"empty file", "", 0},
        {"header of 0", std::string(4, '\0'), 0},
        {"header cut short", "\x10\x27", 0},
    };
    for (const damage_case& c : cases) {
        program_files files;
        files.put(".cmp", c.bytes);
        const std::vector<std::string> form_before = controls_to_lines(files.form, "x");
        const library_load_result result = files.load(true);
        EXPECT_FALSE(result.end_program) << c.what;
        EXPECT_EQ(files.library.settings.size(), c.settings) << c.what;
        EXPECT_EQ(files.messages.messages, std::vector<std::string>{corrupt_settings_message}) << c.what;
        EXPECT_EQ(files.progress.calls.back(), "hide") << c.what;
        EXPECT_EQ(result.picked_row.has_value(), c.settings > 0) << c.what;
        if (c.settings == 0) {
            EXPECT_EQ(controls_to_lines(files.form, "x"), form_before) << c.what;
        }
        // Saving over it keeps the damaged bytes, whatever they were.
        files.library.library_modified = true;
        ASSERT_EQ(files.save(true), save_result::saved) << c.what;
        EXPECT_EQ(file_text(files.path(".cmp.damaged")), c.bytes) << c.what;
    }
}

TEST(settings_file, a_file_that_is_there_but_cannot_be_read_ends_the_program) {
    for (bool packed : {true, false}) {
        program_files files;
        const char* extension = packed ? ".cmp" : ".txt";
        std::filesystem::create_directory(files.path(extension));
        files.put(".txt", one_plain_setting);  // never looked at in place of an unreadable packed file
        const library_load_result result = files.load(packed);
        EXPECT_TRUE(result.end_program);
        EXPECT_NE(result.exit_code, 0);
        EXPECT_EQ(files.messages.messages, std::vector<std::string>{"Cannot open file " + files.path(extension).string()});
        EXPECT_TRUE(files.library.settings.empty());
    }
}

TEST(settings_file, a_starting_setting_the_form_refuses_is_reported_and_the_library_stays) {
    program_files files;
    files.put(".txt", file_text(library_fixture("bad_number.txt")));
    const library_load_result result = files.load(false);
    EXPECT_FALSE(result.end_program);
    EXPECT_EQ(files.library.settings.size(), 1u);
    EXPECT_EQ(files.messages.messages, std::vector<std::string>{"'lots' is not a valid integer value"});
    EXPECT_EQ(files.progress.calls.back(), "hide");
}

TEST(settings_file, the_first_pick_is_tagged_only_unless_cycling_through_all) {
    struct pick_case {
        bool run_mode;
        bool cycle_tagged;
        bool tagged_only;
    };
    for (const pick_case& c : {pick_case{true, true, true}, pick_case{true, false, false}, pick_case{false, true, true},
                               pick_case{false, false, true}}) {
        options_controls options;
        options.Run_mode.set_checked(c.run_mode);
        (c.cycle_tagged ? options.cycle_tagged : options.cycle_all).set_checked(true);
        EXPECT_EQ(first_pick_tagged_only(options), c.tagged_only) << c.run_mode << c.cycle_tagged;
    }
    options_controls options;
    options.Settings_file_name.set_text("Mine");
    options.SaveText.set_checked(true);
    EXPECT_EQ(configured_settings_file(options, "/program").chosen_path(), std::filesystem::path("/program/Mine.txt"));
}

}  // namespace
}  // namespace quor

namespace quor {
namespace {

TEST(settings_file, a_new_user_starts_from_a_copy_of_the_shipped_library_and_keeps_it) {
    const testing::temporary_directory folder;
    const std::filesystem::path shipped = folder.path() / "share";
    const std::filesystem::path user_folder = folder.path() / "home" / "data" / "quorrings";
    std::filesystem::create_directories(shipped);
    testing::put_file(shipped / (std::string(base_name) + ".cmp"), "shipped packed");
    testing::put_file(shipped / (std::string(base_name) + ".txt"), "shipped plain");
    const settings_file_location user{user_folder, base_name, true};
    recording_message_box messages;

    EXPECT_EQ(provide_user_settings_file(user, shipped, messages).program_directory, user_folder);
    EXPECT_EQ(file_text(user.packed_path()), "shipped packed");
    EXPECT_EQ(file_text(user.plain_path()), "shipped plain");
    // From then on the user's copy is kept, whatever ships later.
    testing::put_file(user.packed_path(), "the user's own");
    testing::put_file(shipped / (std::string(base_name) + ".cmp"), "shipped again");
    EXPECT_EQ(provide_user_settings_file(user, shipped, messages).program_directory, user_folder);
    EXPECT_EQ(file_text(user.packed_path()), "the user's own");
    EXPECT_TRUE(messages.messages.empty());

    // A folder that cannot be made is reported by its path, and the shipped library is read.
    testing::put_file(folder.path() / "a file", "");
    const settings_file_location blocked{folder.path() / "a file" / "quorrings", base_name, true};
    EXPECT_EQ(provide_user_settings_file(blocked, shipped, messages).program_directory, shipped);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Cannot create folder " + blocked.program_directory.string() + " (", 0), 0u)
        << messages.messages[0];
}

}  // namespace
}  // namespace quor

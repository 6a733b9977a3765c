// The screensaver module's choices without a window: which library it reads,
// which setting it shows, how it cycles and paces its frames, and that it
// writes nothing.

#include "shell/module_session.h"

#include "platform/command_line.h"
#include "storage/configuration.h"
#include "storage/library_file.h"
#include "storage/setting_conversion.h"
#include "support/fake_tick_clock.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace quor {
namespace {

using testing::file_text;
using testing::folder_contents;
using testing::temporary_directory;
namespace fs = std::filesystem;

const fs::path built = QUOR_BIN_DIR;

// The shipped library, with only the named settings tagged (all as shipped when none are named).
std::string library_text(const std::set<std::string>& tagged = {}) {
    const std::vector<std::uint8_t> text = read_library_text(built / "Quor_Rings_32_Settings.cmp");
    settings_library library;
    recording_message_box ignored;
    library.read_settings(std::string(text.begin(), text.end()), ignored);
    if (!tagged.empty())
        for (Quor_setting& setting : library.settings) setting.setscreensave(tagged.contains(setting.name()));
    return library.write_settings();
}

std::string configuration(bool cycling, int min_time, int max_time, bool packed = false) {
    return "[Quor_start]\r\nSTART_AUTO_CYCLING=" + std::string(cycling ? "1" : "0") +
           "\r\nTAGGED_SETTINGS_ONLY=1\r\nMIN_TIME=" + std::to_string(min_time) + "\r\nMAX_TIME=" +
           std::to_string(max_time) + "\r\nUSE_COMPRESSION=" + (packed ? "1" : "0") +
           "\r\nQUOR_SETTINGS_FILE=Quor_Rings_32_Settings\r\n";
}

// A program folder with the palettes, a plain library and a configuration.
struct program_folder {
    temporary_directory folder;
    program_folder(const std::string& library = library_text(), const std::string& options = configuration(false, 30, 60)) {
        fs::copy(built / "palette", folder.path() / "palette", fs::copy_options::recursive);
        folder.write("Quor_Rings_32_Settings.txt", library);
        folder.write("Quor_Rings_32_Config.ini", options);
    }
    file_locations locations() const { return file_locations::portable(folder.path()); }
};

module_arguments arguments_for(std::vector<std::string> words) {
    words.insert(words.begin(), "--root");
    return parse_program_arguments(argument_list(std::move(words))).module;
}

struct module_run {
    recording_message_box messages;
    fake_tick_clock clock;
    std::optional<module_session> module;

    module_run(const program_folder& folder, const std::vector<std::string>& words, std::uint32_t seed = 1,
               double refresh_rate = 0.0) {
        module.emplace(arguments_for(words), folder.locations(), module_services{messages, clock, refresh_rate, seed},
                       64, 48);
    }
    // The library's setting that the form shows now.
    std::string shown() const {
        for (const Quor_setting& setting : module->library().settings)
            if (controls_to_lines(module->form(), setting.name()) == setting.control_strings) return setting.name();
        return "(none)";
    }
};

TEST(ModuleSession, TheNamedSettingIsShownAndAMissingNameFallsBackToARandomTaggedOne) {
    const program_folder folder(library_text({"Lightning"}));
    const module_run named(folder, {"--setting", "Mouse Tunnel"});
    EXPECT_EQ(named.shown(), "Mouse Tunnel");
    EXPECT_TRUE(named.messages.messages.empty());

    const module_run missing(folder, {"--setting", "No Such Setting"});
    EXPECT_EQ(missing.shown(), "Lightning");
    ASSERT_EQ(missing.messages.messages.size(), 1u);
    EXPECT_NE(missing.messages.messages[0].find("No setting \"No Such Setting\""), std::string::npos);
    EXPECT_NE(missing.messages.messages[0].find("one is chosen at random"), std::string::npos);
}

TEST(ModuleSession, ARandomSettingIsTaggedUnlessAllAreAskedFor) {
    const program_folder folder(library_text({"Lightning"}));
    std::set<std::string> tagged_only, all;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        tagged_only.insert(module_run(folder, {}, seed).shown());
        all.insert(module_run(folder, {"--all"}, seed).shown());
    }
    EXPECT_EQ(tagged_only, std::set<std::string>{"Lightning"});
    EXPECT_GT(all.size(), 2u);
    EXPECT_FALSE(all.contains("(none)"));
}

TEST(ModuleSession, TheCommandLineOverridesTheConfiguredCycling) {
    struct row {
        std::vector<std::string> words;
        bool configured_cycling;
        int configured_min, configured_max;
        bool cycling;
        int min, max;
        bool all;
    };
    const row rows[] = {
        {{}, true, 30, 60, true, 30, 60, false},
        {{"--no-cycle"}, true, 30, 60, false, 30, 60, false},
        {{"--cycle"}, false, 5, 9, true, 5, 9, false},
        {{"--min-time", "100"}, true, 30, 200, true, 100, 200, false},
        {{"--min-time", "1", "--max-time", "3600", "--all"}, true, 30, 60, true, 1, 3600, true},
    };
    for (const row& r : rows) {
        options_controls options;
        options.Run_mode.set_checked(r.configured_cycling);
        options.min_seconds = r.configured_min;
        options.max_seconds = r.configured_max;
        recording_message_box messages;
        apply_module_options(arguments_for(r.words), options, messages);
        SCOPED_TRACE(r.words.empty() ? "(no options)" : r.words[0]);
        EXPECT_EQ(options.Run_mode.checked(), r.cycling);
        EXPECT_EQ(options.min_seconds, r.min);
        EXPECT_EQ(options.max_seconds, r.max);
        EXPECT_EQ(options.cycle_all.checked(), r.all);
        EXPECT_EQ(options.cycle_tagged.checked(), !r.all);
        EXPECT_TRUE(messages.messages.empty());
    }
}

TEST(ModuleSession, TimesTheOptionsDialogRefusesEndTheModuleWithItsMessage) {
    const std::vector<std::vector<std::string>> refused = {
        {"--min-time", "0"},        {"--max-time", "3601"},          {"--min-time", "60"},
        {"--min-time", "100"},      {"--max-time", "30"},            {"--min-time", "-5"},
        {"--max-time", "99999999999"}, {"--min-time", "40", "--max-time", "20", "--no-cycle"},
    };
    for (const auto& words : refused) {
        options_controls options;  // 30 and 60 as configured by default
        recording_message_box messages;
        try {
            apply_module_options(arguments_for(words), options, messages);
            ADD_FAILURE() << words[0] << " " << words[1] << " was taken";
        } catch (const module_error& error) {
            EXPECT_STREQ(error.what(), invalid_times_message);
            EXPECT_EQ(error.exit_code(), exit_usage);
        }
    }
}

TEST(ModuleSession, ConfiguredTimesThatCannotCycleAreToldAndTheDefaultsRun) {
    for (const bool cycling : {true, false}) {
        options_controls options;
        options.Run_mode.set_checked(cycling);
        options.min_seconds = 50;
        options.max_seconds = 0;
        recording_message_box messages;
        apply_module_options(arguments_for({}), options, messages);
        if (cycling) {
            EXPECT_EQ(messages.messages, std::vector<std::string>{invalid_times_message});
            EXPECT_EQ(options.min_seconds, options_controls::default_min_time);
            EXPECT_EQ(options.max_seconds, options_controls::default_max_time);
        } else {
            // Not cycling, the times do not matter.
            EXPECT_TRUE(messages.messages.empty());
            EXPECT_EQ(options.min_seconds, 50);
        }
    }
}

TEST(ModuleSession, TheLibraryIsTheGivenFileTheConfiguredOneOrInstalledTheShippedOne) {
    temporary_directory root;
    const auto environment = [&](const char* name) -> std::optional<std::string> {
        if (std::string_view(name) == "XDG_DATA_HOME") return (root.path() / "data").string();
        if (std::string_view(name) == "XDG_CONFIG_HOME") return (root.path() / "config").string();
        return std::nullopt;
    };
    fs::create_directories(root.path() / "prefix" / "bin");
    const file_locations installed = file_locations::for_executable(root.path() / "prefix" / "bin", environment);
    ASSERT_FALSE(installed.is_portable());
    root.write("prefix/share/quorrings/Quor_Rings_32_Settings.cmp", "shipped");
    options_controls packed, plain;  // the configuration's defaults: packed, the default name
    read_configuration(packed, root.path() / "no configuration");
    read_configuration(plain, root.path() / "no configuration");
    plain.SaveText.set_checked(true);

    EXPECT_EQ(module_library_file(arguments_for({"--settings-file", "/some/file.txt"}), packed, installed),
              fs::path("/some/file.txt"));
    // A user who never ran the program: the shipped library, not copied.
    EXPECT_EQ(module_library_file(arguments_for({}), packed, installed),
              installed.data_folder() / "Quor_Rings_32_Settings.cmp");
    EXPECT_FALSE(fs::exists(root.path() / "data"));
    // The user's own copy wins, in the other format when the chosen one is not there.
    root.write("data/quorrings/Quor_Rings_32_Settings.txt", "user's");
    EXPECT_EQ(module_library_file(arguments_for({}), packed, installed),
              root.path() / "data" / "quorrings" / "Quor_Rings_32_Settings.txt");
    EXPECT_EQ(module_library_file(arguments_for({}), plain, installed),
              root.path() / "data" / "quorrings" / "Quor_Rings_32_Settings.txt");

    temporary_directory empty_folder;
    EXPECT_EQ(module_library_file(arguments_for({}), packed, file_locations::portable(empty_folder.path())),
              std::nullopt);
}

TEST(ModuleSession, ALibraryWithNothingToShowEndsTheModuleAndDamageKeepsTheSettingsBeforeIt) {
    struct row {
        std::string name;
        std::string bytes;
        bool runs;
    };
    const fs::path fixtures = fs::path(QUOR_TEST_DIR) / "storage" / "fixtures" / "library";
    const row rows[] = {
        {"empty.txt", "", false},
        {"random_bytes.cmp", file_text(fixtures / "random_bytes.cmp"), false},
        {"not_a_library.txt", "these are not settings\r\n", false},
        {"truncated.cmp", file_text(fixtures / "truncated.cmp"), true},
    };
    const program_folder folder;
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        folder.folder.write(r.name, r.bytes);
        const std::string path = (folder.folder.path() / r.name).string();
        try {
            const module_run run(folder, {"--settings-file", path});
            EXPECT_TRUE(r.runs);
            ASSERT_EQ(run.messages.messages.size(), 1u);
            EXPECT_EQ(run.messages.messages[0], path + ": " + corrupt_settings_message);
            EXPECT_NE(run.shown(), "(none)");
        } catch (const module_error& error) {
            EXPECT_FALSE(r.runs) << error.what();
            EXPECT_EQ(std::string(error.what()).rfind(path + ":", 0), 0u) << error.what();
            EXPECT_EQ(error.exit_code(), module_exit_failure);
        }
    }
    try {
        const module_run run(folder, {"--settings-file", (folder.folder.path() / "missing.cmp").string()});
        ADD_FAILURE() << "a missing file was read";
    } catch (const module_error& error) {
        EXPECT_NE(std::string(error.what()).find("no such file"), std::string::npos);
    }
}

TEST(ModuleSession, CyclingAndRunningWriteNeitherTheLibraryNorTheConfiguration) {
    const program_folder folder(library_text(), configuration(true, 1, 2));
    const auto before = folder_contents(folder.folder.path());
    {
        module_run run(folder, {});
        for (int second = 0; second < 5; ++second) {
            run.clock.advance_seconds(1.0);
            run.module->step();
        }
        // Past the longest time every frame above has cycled to a new setting.
        run.module->resize(80, 60);
        run.module->step();
    }
    EXPECT_EQ(folder_contents(folder.folder.path()), before);
}

TEST(ModuleSession, FramesRunOnTheSettingsBeatWhenItsSpeedIsFixedAndOncePerRefreshOtherwise) {
    std::string unfixed = library_text();
    for (std::size_t at = 0; (at = unfixed.find("fix_speed\tTRUE", at)) != std::string::npos;)
        unfixed.replace(at, 14, "fix_speed\tFALSE");
    const program_folder fixed_folder, unfixed_folder(unfixed);
    for (const double rate : {0.0, 75.0}) {
        module_run run(unfixed_folder, {"--no-cycle"}, 1, rate);
        ASSERT_FALSE(run.module->form().fix_speed.checked());
        const double period = 1.0 / (rate > 0.0 ? rate : 60.0);
        EXPECT_EQ(run.module->seconds_until_next_frame(), 0.0);
        run.module->step();
        EXPECT_NEAR(run.module->seconds_until_next_frame(), period, 1e-6);
        run.clock.advance_seconds(period + 1e-6);
        EXPECT_EQ(run.module->seconds_until_next_frame(), 0.0);
    }
    module_run run(fixed_folder, {"--no-cycle", "--setting", "Fire Tunnel"});
    ASSERT_TRUE(run.module->form().fix_speed.checked());
    // Each reading a microsecond on (equal readings count as a whole wrap of the counter).
    run.clock.set_ticks_per_reading(1);
    run.module->step();
    // Nearly a whole period of the setting's designed speed is to come.
    EXPECT_NEAR(run.module->seconds_until_next_frame(), 1.0 / run.module->form().speed_scroll.position(), 1e-4);
    EXPECT_GT(run.module->form().speed_scroll.position(), 1);
}

}  // namespace
}  // namespace quor

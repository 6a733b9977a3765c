#include "shell/program_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

program_arguments parsed(std::vector<std::string> words) { return parse_program_arguments(argument_list(std::move(words))); }

TEST(program_arguments, reads_the_full_screen_and_the_module_forms_as_xscreensaver_writes_them) {
    EXPECT_EQ(parsed({}).mode, program_mode::full_screen);
    EXPECT_EQ(parsed({"--screen", "HDMI-1"}).screen, "HDMI-1");
    EXPECT_EQ(parsed({"--list-screens"}).mode, program_mode::list_screens);

    const program_arguments root = parsed({"-root", "-setting", "Fire Tunnel", "--all", "--no-cycle", "-min-time",
                                           "5", "--max-time", "9", "--settings-file", "/tmp/x.cmp"});
    EXPECT_EQ(root.mode, program_mode::module);
    EXPECT_EQ(root.module.target, module_target::root);
    EXPECT_EQ(root.module.setting, "Fire Tunnel");
    EXPECT_TRUE(root.module.all_settings);
    EXPECT_EQ(root.module.cycle, false);
    EXPECT_EQ(root.module.min_time, 5);
    EXPECT_EQ(root.module.max_time, 9);
    EXPECT_EQ(root.module.settings_file, std::filesystem::path("/tmp/x.cmp"));
    EXPECT_EQ(parsed({"-window"}).module.target, module_target::own_window);
    EXPECT_FALSE(parsed({"--root"}).module.cycle.has_value()) << "as configured";

    for (const auto& [text, id] : {std::pair{"12345", 12345ull}, std::pair{"0x3a00007", 0x3a00007ull},
                                   std::pair{"0X1F", 0x1Full}}) {
        const program_arguments preview = parsed({"--window-id", text});
        EXPECT_EQ(preview.module.target, module_target::window_id) << text;
        EXPECT_EQ(preview.module.window_id, id) << text;
    }
}

TEST(program_arguments, refuses_what_it_cannot_read_saying_why) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"stray"}, "unexpected argument stray"},
        {{"--screen"}, "--screen needs a value"},
        {{"--window-id", "0"}, "wants a window id"},
        {{"--window-id", "0xZZ"}, "wants a window id"},
        {{"--window-id", "-5"}, "wants a window id"},
        {{"--root", "--min-time", "soon"}, "--min-time wants a whole number of seconds"},
        {{"--setting", "Fire Tunnel"}, "need --root, --window-id or -window"},
        {{"--root", "--screen", "LEFT"}, "--screen is for the full-screen program"},
    };
    for (const auto& [words, message] : cases) {
        try {
            parsed(words);
            ADD_FAILURE() << words.front() << " was taken";
        } catch (const usage_error& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace quor

// The command-line conventions every program keeps, run as a user runs them.

#include "program_runner.h"

#include <gtest/gtest.h>

#include <string>

namespace quor {
namespace {

TEST(command_line, every_program_answers_help_and_version_and_refuses_an_unknown_option) {
    for (const std::string program : {"quorrings", "quorrings-settings", "quorrings-render"}) {
        SCOPED_TRACE(program);
        const testing::tool_run help = testing::run_program(program, {"--help"});
        EXPECT_EQ(help.exit_code, 0);
        EXPECT_EQ(help.out.rfind("usage: " + program, 0), 0u) << help.out;
        EXPECT_EQ(help.err, "");
        const testing::tool_run version = testing::run_program(program, {"--version"});
        EXPECT_EQ(version.exit_code, 0);
        EXPECT_EQ(version.out, program + " 1.0\n");
        const testing::tool_run unknown = testing::run_program(program, {"--no-such-option"});
        EXPECT_EQ(unknown.exit_code, 2);
        EXPECT_EQ(unknown.out, "");
        EXPECT_NE(unknown.err.find(program + ": unknown option --no-such-option\nusage: " + program), std::string::npos)
            << unknown.err;
    }
}

}  // namespace
}  // namespace quor

// Runs the built quorrings-settings program as a user would.

#include "library_test_support.h"
#include "program_runner.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace quor {
namespace {

using testing::file_text;
using testing::library_fixture;
using testing::lzh_fixture;
using testing::tool_run;

tool_run run_tool(const std::vector<std::string>& arguments) {
    return testing::run_program("quorrings-settings", arguments);
}

void expect_library3_served(const std::filesystem::path& folder) {
    const std::string packed = (folder / "library3.cmp").string();
    const tool_run listed = run_tool({"list", packed});
    EXPECT_EQ(listed.exit_code, 0) << listed.err;
    EXPECT_EQ(listed.out, "Sample setting 1\ttagged\nSample setting 2\tuntagged\nSample setting 3\ttagged\n");
    EXPECT_EQ(listed.err, "");

    const tool_run checked = run_tool({"check", packed});
    EXPECT_EQ(checked.exit_code, 0) << checked.err;
    EXPECT_EQ(checked.out, packed + ": 3 settings, 2 tagged\n");

    const testing::temporary_directory work;
    const std::string plain_out = (work.path() / "out.txt").string();
    const std::string packed_out = (work.path() / "out.cmp").string();
    EXPECT_EQ(run_tool({"unpack", packed, plain_out}).exit_code, 0);
    EXPECT_EQ(file_text(plain_out), file_text(folder / "library3.txt"));
    EXPECT_EQ(run_tool({"pack", (folder / "library3.txt").string(), packed_out}).exit_code, 0);
    EXPECT_EQ(file_text(packed_out), file_text(packed));
}

TEST(settings_tool, lists_checks_unpacks_and_packs_the_repository_library) {
    expect_library3_served(lzh_fixture("").parent_path());
}

TEST(settings_tool, lists_checks_unpacks_and_packs_the_shared_library) {
    const std::filesystem::path folder = std::filesystem::path(QUOR_SHARED_DIR) / "fixtures" / "lzh";
    if (!std::filesystem::is_regular_file(folder / "library3.cmp")) GTEST_SKIP() << "no shared library fixture";
    expect_library3_served(folder);
}

TEST(settings_tool, bad_files_and_arguments_give_a_reason_and_a_failing_exit) {
    const testing::temporary_directory work;
    const std::string missing_output = (work.path() / "no such folder" / "out.cmp").string();
    const std::string unpacked_output = (work.path() / "out.txt").string();
    struct bad_case {
        std::vector<std::string> arguments;
        int exit_code;
        std::string in_stderr;
        std::string out;
    };
    const std::vector<bad_case> cases = {
        {{"check", library_fixture("trailing_blank_line.txt")}, 1, "setting 4 is malformed or unfinished", ""},
        {{"check", library_fixture("bad_number.txt")}, 1, "setting 1 \"Sample setting 1\": 'lots' is not a valid integer value", ""},
        {{"check", library_fixture("huge_header.cmp")}, 1, "header claims 2147483647 plain bytes", ""},
        {{"check", library_fixture("random_bytes.cmp")}, 1, "setting 1 is malformed or unfinished", ""},
        {{"list", library_fixture("truncated.cmp")}, 1, "setting 3 is malformed or unfinished",
         "Sample setting 1\ttagged\nSample setting 2\tuntagged\n"},
        {{"unpack", library_fixture("huge_header.cmp"), unpacked_output}, 1, "header claims", ""},
        {{"list", (work.path() / "absent.txt").string()}, 1, "absent.txt: no such file", ""},
        {{"check", work.path().string()}, 1, "cannot be read", ""},
        {{"pack", lzh_fixture("library3.txt"), missing_output}, 1, "out.cmp: cannot be created", ""},
        {{}, 2, "usage: quorrings-settings list FILE", ""},
        {{"lsit", lzh_fixture("library3.txt")}, 2, "usage:", ""},
        {{"list", lzh_fixture("library3.txt"), "extra"}, 2, "usage:", ""},
        {{"pack", lzh_fixture("library3.txt")}, 2, "usage:", ""},
    };
    for (const bad_case& c : cases) {
        const tool_run run = run_tool(c.arguments);
        const std::string what = c.arguments.empty() ? "no arguments" : c.arguments[0] + " " + c.arguments.back();
        EXPECT_EQ(run.exit_code, c.exit_code) << what;
        EXPECT_NE(run.err.find(c.in_stderr), std::string::npos) << what << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << what;
    }
    EXPECT_FALSE(std::filesystem::exists(unpacked_output));
}

}  // namespace
}  // namespace quor

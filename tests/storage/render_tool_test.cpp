// Runs the built quorrings-render preview program as a user would.

#include "program_runner.h"

#include "shell/render_arguments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

namespace quor {
namespace {

using testing::file_text;
using testing::run_program;

const std::string library = (std::filesystem::path(QUOR_TEST_DIR) / "storage/fixtures/lzh/library3.txt").string();

TEST(RenderTool, TheSameSeedGivesTheSamePictureAndAnotherSeedAnother) {
    const testing::temporary_directory work;
    const auto picture = [&](const std::string& file, const std::string& seed) {
        const std::string out = (work.path() / file).string();
        const auto run = run_program("quorrings-render",
                                     {library, "Sample setting 2", out, "--frames", "60", "--size", "320x200", "--seed", seed});
        EXPECT_EQ(run.exit_code, 0) << run.err;
        return file_text(out);
    };
    const std::string first = picture("a.png", "7");
    ASSERT_GT(first.size(), 8u);
    EXPECT_EQ(first.substr(1, 3), "PNG");
    EXPECT_EQ(picture("b.png", "7"), first);
    EXPECT_NE(picture("c.png", "8"), first);
}

TEST(RenderTool, BadRequestsSayWhyAndFail) {
    const testing::temporary_directory work;
    const std::string out = (work.path() / "out.png").string();
    struct request {
        std::vector<std::string> arguments;
        int exit_code;
    };
    const request requests[] = {
        {{}, 2},
        {{library, "Sample setting 2", out, "--frames"}, 2},
        {{library, "Sample setting 2", out, "--size", "wide"}, 2},
        {{library, "No such setting", out}, 1},
        {{(work.path() / "missing.txt").string(), "Sample setting 2", out}, 1},
    };
    for (const request& bad : requests) {
        const auto run = run_program("quorrings-render", bad.arguments);
        EXPECT_EQ(run.exit_code, bad.exit_code) << testing::quoted(bad.arguments.empty() ? "" : bad.arguments.back());
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(RenderTool, TheManualNamesTheOptionsTheUsageNames) {
    const auto options = [](const std::string& text, const std::regex& option) {
        std::set<std::string> names;
        for (auto match = std::sregex_iterator(text.begin(), text.end(), option); match != std::sregex_iterator(); ++match)
            names.insert((*match)[1]);
        return names;
    };
    const std::string manual =
        file_text(std::filesystem::path(QUOR_TEST_DIR) / "../packaging/man/quorrings-render.1.in");
    ASSERT_FALSE(manual.empty());
    const std::set<std::string> in_usage = options(std::string(quorrings_render_usage), std::regex("--([a-z]+)"));
    EXPECT_EQ(options(manual, std::regex(R"(\\-\\-([a-z]+))")), in_usage);
    EXPECT_EQ(in_usage.size(), 9u) << "size seed frames seconds fps skip quiet help version";
}

}  // namespace
}  // namespace quor

#include "platform/file_locations.h"

#include "support/files.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

namespace quor {
namespace {

namespace fs = std::filesystem;

environment_lookup environment_of(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
}

TEST(file_locations, a_portable_folder_keeps_everything_beside_the_program) {
    const testing::temporary_directory folder;
    fs::create_directories(folder.path() / "bin" / "palette");
    const fs::path bin = folder.path() / "bin";
    for (const auto& locations :
         {file_locations::for_executable(bin, environment_of({{"HOME", "/home/someone"}})),
          file_locations::for_executable("/usr/bin", environment_of({{"QUORRINGS_HOME", bin.string() + "/"}})),
          file_locations::portable(bin)}) {
        EXPECT_TRUE(locations.is_portable());
        EXPECT_EQ(locations.data_folder(), bin);
        EXPECT_EQ(locations.settings_folder(), bin);
        EXPECT_EQ(locations.configuration_folder(), bin);
        EXPECT_EQ(locations.palette_folders(), std::vector<fs::path>{bin / "palette"});
    }
}

TEST(file_locations, installed_data_is_shared_and_the_users_files_follow_xdg) {
    const testing::temporary_directory folder;
    const fs::path bin = folder.path() / "prefix" / "bin";
    fs::create_directories(bin);
    const fs::path share = folder.path() / "prefix" / "share" / "quorrings";
    struct xdg_case {
        const char* name;
        std::map<std::string, std::string> variables;
        fs::path configuration;
        fs::path user_data;
    };
    const xdg_case cases[] = {
        {"defaults", {{"HOME", "/home/a"}}, "/home/a/.config/quorrings", "/home/a/.local/share/quorrings"},
        {"set", {{"HOME", "/home/a"}, {"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"}}, "/c/quorrings",
         "/d/quorrings"},
        {"not absolute", {{"HOME", "/home/a"}, {"XDG_CONFIG_HOME", "c"}, {"XDG_DATA_HOME", ""}},
         "/home/a/.config/quorrings", "/home/a/.local/share/quorrings"},
        {"an empty home", {{"HOME", "/home/a"}, {"QUORRINGS_HOME", ""}}, "/home/a/.config/quorrings",
         "/home/a/.local/share/quorrings"},
    };
    for (const xdg_case& c : cases) {
        SCOPED_TRACE(c.name);
        const file_locations locations = file_locations::for_executable(bin, environment_of(c.variables));
        EXPECT_FALSE(locations.is_portable());
        EXPECT_EQ(locations.data_folder(), share);
        EXPECT_EQ(locations.configuration_folder(), c.configuration);
        EXPECT_EQ(locations.settings_folder(), c.user_data);
        EXPECT_EQ(locations.palette_folders(), (std::vector<fs::path>{share / "palette", c.user_data / "palette"}));
    }
}

TEST(file_locations, a_read_only_program_folder_is_an_installed_one) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    const testing::temporary_directory folder;
    const fs::path bin = folder.path() / "bin";
    fs::create_directories(bin / "palette");
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(file_locations::for_executable(bin, environment_of({{"HOME", "/h"}})).is_portable());
    fs::permissions(bin, fs::perms::owner_all);
}

TEST(file_locations, private_folders_are_made_with_their_parents_for_the_owner_only) {
    const testing::temporary_directory folder;
    const fs::path deep = folder.path() / "a" / "b" / "c";
    std::error_code error;
    ASSERT_TRUE(make_private_folder(deep, error)) << error.message();
    for (const fs::path& made : {folder.path() / "a", folder.path() / "a" / "b", deep}) {
        struct stat status {};
        ASSERT_EQ(::stat(made.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0700u) << made;
    }
    EXPECT_TRUE(make_private_folder(deep, error));  // already there

    testing::put_file(folder.path() / "file", "x");
    EXPECT_FALSE(make_private_folder(folder.path() / "file" / "below", error));
    EXPECT_TRUE(error);
}

}  // namespace
}  // namespace quor

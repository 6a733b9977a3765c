#include "storage/file_name_check.h"

#include "library_test_support.h"
#include "storage/configuration.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(file_name_check, only_plain_file_names_pass_for_the_settings_file) {
    for (const char* fine : {"Quor_Rings_32_Settings", "my settings", "a.b", "...x"}) {
        EXPECT_EQ(settings_file_name_problem(fine), std::nullopt) << fine;
    }
    for (const char* refused : {"", ".", "..", "../x", "x/y", "x\\y", "c:x", "a*b", "a?b", "a|b", "a\"b", "a<b", "tab\t"}) {
        EXPECT_NE(settings_file_name_problem(refused), std::nullopt) << refused;
    }
}

TEST(file_name_check, a_stored_file_name_that_leaves_the_program_folder_gives_the_default) {
    testing::temporary_directory directory;
    for (const char* stored : {"../../etc/evil", "sub/file", "Mine"}) {
        testing::put_file(directory.path() / configuration_file_name,
                          std::string("[Quor_start]\r\nQUOR_SETTINGS_FILE=") + stored + "\r\n");
        options_controls options;
        read_configuration(options, directory.path());
        EXPECT_EQ(options.Settings_file_name.text(), std::string(stored) == "Mine" ? "Mine" : default_settings_file_name);
    }
}

}  // namespace
}  // namespace quor

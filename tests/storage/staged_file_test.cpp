#include "storage/staged_file.h"

#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quor {
namespace {

using testing::file_text;

TEST(StagedFile, TheTargetChangesOnlyWhenCommitted) {
    const testing::temporary_directory folder;
    const auto target = folder.path() / "out.gif";
    testing::put_file(target, "old");
    {
        staged_file file(target);
        std::fputs("half", file.stream());
        EXPECT_EQ(file.temporary_path().parent_path(), folder.path());
        EXPECT_EQ(testing::file_names_in(folder.path()).size(), 2u);
    }
    EXPECT_EQ(testing::file_names_in(folder.path()), std::vector<std::string>{"out.gif"}) << "abandoned: the temporary file goes";
    EXPECT_EQ(file_text(target), "old");

    const mode_t mask = ::umask(022);
    {
        staged_file file(target);
        std::fputs("new", file.stream());
        file.commit();
    }
    ::umask(mask);
    EXPECT_EQ(file_text(target), "new");
    EXPECT_EQ(testing::file_names_in(folder.path()), std::vector<std::string>{"out.gif"});
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u) << "the mode of any new file, not a private temporary one";
}

TEST(StagedFile, ATargetThatCannotBeWrittenSaysSo) {
    const testing::temporary_directory folder;
    std::filesystem::create_directory(folder.path() / "taken");
    for (const auto& target : {folder.path() / "missing" / "out.gif", folder.path() / "taken"}) {
        try {
            staged_file file(target);
            ADD_FAILURE() << target;
        } catch (const staged_file_error& error) {
            EXPECT_EQ(std::string(error.what()).find(target.string() + ": "), 0u) << error.what();
        }
    }
    EXPECT_EQ(testing::file_names_in(folder.path()), std::vector<std::string>{"taken"});
}

}  // namespace
}  // namespace quor

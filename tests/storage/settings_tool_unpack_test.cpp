// `quorrings-settings unpack` refuses a damaged packed file: one line on standard
// error, exit 1, and no output file.

#include "library_test_support.h"
#include "program_runner.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace quor {
namespace {

using testing::file_text;
using testing::library_fixture;
using testing::lzh_fixture;

// The packed library with its length header replaced by these four bytes.
std::string library3_with_header(const std::string& header) {
    return header + file_text(lzh_fixture("library3.cmp")).substr(4);
}

std::string little_endian(std::uint32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes;
}

TEST(settings_tool_unpack, damaged_packed_files_give_a_reason_exit_1_and_no_output) {
    const std::string library3 = file_text(lzh_fixture("library3.cmp"));
    const auto packed_bytes = static_cast<std::uint32_t>(library3.size() - 4);
    struct damaged_case {
        std::string name;
        std::string contents;
        std::string reason;
    };
    const std::string from_library3 = " plain bytes from " + std::to_string(packed_bytes) + " packed bytes";
    const damaged_case cases[] = {
        {"truncated.cmp", file_text(library_fixture("truncated.cmp")),
         "it ends before the 5659 plain bytes its header claims"},
        {"cut_by_one.cmp", library3.substr(0, library3.size() - 1),
         "it ends before the 5659 plain bytes its header claims"},
        {"four_gibibytes.cmp", library3_with_header("\xFF\xFF\xFF\xFF"),
         "its header claims 4294967295" + from_library3},
        {"lowest_negative.cmp", library3_with_header(little_endian(0x80000000)),
         "its header claims 2147483648" + from_library3},
        {"beyond_what_the_bytes_hold.cmp", library3_with_header(little_endian(packed_bytes * 480 + 1)),
         "its header claims " + std::to_string(packed_bytes * 480 + 1) + from_library3},
        {"header_only.cmp", little_endian(5659), "its header claims 5659 plain bytes from 0 packed bytes"},
        {"shorter_than_the_header.cmp", std::string("\x1b\x16", 2), "it is shorter than its 4-byte length header"},
        {"empty.cmp", "", "it is shorter than its 4-byte length header"},
    };
    const testing::temporary_directory work;
    for (const damaged_case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path packed = work.path() / c.name;
        const std::filesystem::path plain = work.path() / (c.name + ".txt");
        testing::put_file(packed, c.contents);
        const testing::tool_run run =
            testing::run_program("quorrings-settings", {"unpack", packed.string(), plain.string()});
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_EQ(run.err,
                  "quorrings-settings: " + packed.string() + ": LZH : The packed data is damaged: " + c.reason + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(plain));
        EXPECT_FALSE(std::filesystem::exists(plain.string() + ".tmp"));
    }
}

TEST(settings_tool_unpack, sound_files_of_no_data_still_unpack) {
    // An empty library packs to its header alone; that is no damage.
    const testing::temporary_directory work;
    const std::filesystem::path plain = work.path() / "out.txt";
    const testing::tool_run run =
        testing::run_program("quorrings-settings", {"unpack", lzh_fixture("empty.cmp").string(), plain.string()});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(plain));
    EXPECT_EQ(file_text(plain), "");
}

}  // namespace
}  // namespace quor

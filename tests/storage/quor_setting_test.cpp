#include "engine/control_error.h"
#include "storage/quor_setting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

using lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(Quor_setting, writes_a_brace_block_with_cr_lf_after_every_line) {
    Quor_setting setting;
    setting.control_strings = {"Temp setting", "         Screensaver\tFALSE", "        max_polygons\t0\t100\t0"};
    std::string stream;
    setting.WriteText(stream);
    EXPECT_EQ(stream,
              "{ \r\nTemp setting\r\n         Screensaver\tFALSE\r\n        max_polygons\t0\t100\t0\r\n}\r\n");
}

TEST(Quor_setting, reads_blocks_and_reports_the_broken_ones) {
    struct read_case {
        const char* what;
        std::string bytes;
        bool result;
        lines expected;
    };
    const std::vector<read_case> cases = {
        {"plain", "{ \r\nName\r\n  in_out\tTRUE\r\n}\r\n", true, {"Name", "  in_out\tTRUE"}},
        {"bare LF", "{ \nName\n  in_out\tTRUE\n}\n", true, {"Name", "  in_out\tTRUE"}},
        {"name on the brace line", "{  Name here \r\nx\r\n} trailing\r\n", true, {"Name here", "x"}},
        {"empty stream", "", false, {}},
        {"blank first line", "\r\n{ \r\nName\r\n}\r\n", false, {}},
        {"no brace", "Name\r\n}\r\n", false, {}},
        {"brace and nothing else", "{ ", false, {}},
        {"ends inside the block", "{ \r\nName\r\nx\r\n", false, {"Name", "x"}},
        {"blank line inside", "{ \r\nName\r\nx\r\n\r\ny\r\n}\r\n", false, {"Name", "x"}},
        // The name line is taken whole, so these names survive a round trip.
        {"empty name", "{ \r\n\r\nx\r\n}\r\n", true, {"", "x"}},
        {"name beginning with a brace", "{ \r\n}name\r\nx\r\n}\r\n", true, {"}name", "x"}},
        {"binary junk", "{ \r\n\0\xff\x01\r\n\x7f}\r\n}"s, true, {"\0\xff\x01"s, "\x7f}"}},
    };
    for (const auto& c : cases) {
        Quor_setting setting;
        text_reader reader(c.bytes);
        EXPECT_EQ(setting.ReadText(reader), c.result) << c.what;
        EXPECT_EQ(setting.control_strings, c.expected) << c.what;
    }
}

TEST(Quor_setting, names_survive_writing_and_reading_back) {
    for (std::string name : {"Sample setting 1", "  spaced  name ", "", "}", "} closing", "{ braced"}) {
        Quor_setting written;
        written.control_strings = {name, "        max_polygons\t0\t100\t84", "         Screensaver\tTRUE"};
        std::string stream;
        written.WriteText(stream);
        written.WriteText(stream);

        text_reader reader(stream);
        for (int copy = 0; copy < 2; ++copy) {
            Quor_setting read;
            ASSERT_TRUE(read.ReadText(reader)) << "'" << name << "'";
            EXPECT_EQ(read.control_strings, written.control_strings);
        }
        EXPECT_TRUE(reader.at_end());
    }
}

TEST(Quor_setting, the_tag_is_read_and_set_among_the_control_lines_only) {
    Quor_setting setting;
    setting.control_strings = {"Screensaver TRUE favourites", "              in_out\tTRUE"};
    EXPECT_FALSE(setting.screensave());

    setting.setscreensave(true);
    EXPECT_EQ(setting.control_strings,
              (lines{"Screensaver TRUE favourites", "              in_out\tTRUE", "         Screensaver\tTRUE"}));
    EXPECT_TRUE(setting.screensave());

    setting.control_strings.insert(setting.control_strings.begin() + 1, "         Screensaver\tFALSE");
    EXPECT_TRUE(setting.screensave()) << "any tag line with TRUE tags the setting";
    setting.setscreensave(true);  // rewrites the first tag line
    EXPECT_EQ(setting.control_strings[1], "         Screensaver\tTRUE");
    setting.setscreensave(false);
    EXPECT_EQ(setting.control_strings[1], "         Screensaver\tFALSE");
    EXPECT_TRUE(setting.screensave());
    EXPECT_EQ(setting.name(), "Screensaver TRUE favourites");
}

TEST(Quor_setting, name_and_tag_operations_on_an_empty_setting_fail) {
    Quor_setting setting;
    EXPECT_THROW(setting.name(), list_index_error);
    EXPECT_THROW(setting.setname("x"), list_index_error);
    EXPECT_THROW(setting.setscreensave(true), list_index_error);
    EXPECT_FALSE(setting.screensave());
    EXPECT_TRUE(setting.control_strings.empty());

    setting.control_strings = {"old"};
    setting.setname("new name");
    EXPECT_EQ(setting.name(), "new name");
}

}  // namespace
}  // namespace quor

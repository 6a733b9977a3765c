#include "storage/setting_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

std::vector<std::string> all_lines(std::string_view bytes) {
    text_reader reader(bytes);
    std::vector<std::string> lines;
    while (!reader.at_end()) lines.push_back(read_line(reader));
    return lines;
}

TEST(read_line, takes_cr_lf_bare_cr_and_bare_lf_alike) {
    const std::vector<std::string> expected = {"a", "", "bc"};
    for (std::string_view bytes : {"a\r\n\r\nbc\r\n", "a\r\rbc\r", "a\n\nbc\n", "a\r\n\nbc", "a\n\r\nbc\r"}) {
        EXPECT_EQ(all_lines(bytes), expected) << bytes;
    }
    // LF CR is two line ends, not one.
    EXPECT_EQ(all_lines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(read_line, gives_empty_text_at_the_end_of_the_stream) {
    text_reader reader("x");
    EXPECT_EQ(read_line(reader), "x");
    EXPECT_EQ(read_line(reader), "");
    EXPECT_EQ(read_line(reader), "");
}

TEST(read_line, cuts_lines_after_4096_characters) {
    const std::string full(4096, 'x');
    // Exactly 4096 then a line end: the line, as the writer wrote it.
    EXPECT_EQ(all_lines(full + "\r\nnext\r\n"), (std::vector<std::string>{full, "next"}));
    EXPECT_EQ(all_lines(full + "\nnext\r\n"), (std::vector<std::string>{full, "next"}));
    EXPECT_EQ(all_lines(full + "\r\r\nnext"), (std::vector<std::string>{full, "", "next"}));
    // One more character comes back as a line of its own.
    EXPECT_EQ(all_lines(full + "yz\r\n"), (std::vector<std::string>{full, "yz"}));
    EXPECT_EQ(all_lines(std::string(10000, 'q')).size(), 3u);
}

TEST(split_fields, separates_at_runs_of_blanks_tabs_line_ends_and_nul) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"        max_polygons\t0\t100\t84", {"max_polygons", "0", "100", "84"}},
        {"", {}},
        {" \t \r\n", {}},
        {"palette_list\tMY PAL.PAL", {"palette_list", "MY", "PAL.PAL"}},
        {std::string("a\0b", 3), {"a", "b"}},
        {"one", {"one"}},
    };
    std::vector<std::string> fields = {"stale"};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(&split_fields(text, fields), &fields);
        EXPECT_EQ(fields, expected) << text;
    }
}

TEST(write_line, ends_every_line_with_cr_lf) {
    std::string stream = "x";
    write_line(stream, "ab");
    write_line(stream, "");
    EXPECT_EQ(stream, "xab\r\n\r\n");
    EXPECT_EQ(bool_text(true), "TRUE");
    EXPECT_EQ(bool_text(false), "FALSE");
}

}  // namespace
}  // namespace quor

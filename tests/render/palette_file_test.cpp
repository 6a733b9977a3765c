#include "render/palette_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quor {
namespace {

palette_file_colours parse(const std::string& text) {
    std::istringstream input(text);
    return read_palette_colours(input);
}

TEST(PaletteFile, ReadsColoursModulo256WithAnyLineEnd) {
    struct case_row {
        std::string text;
        int count;
        std::vector<palette_entry> colours;
    };
    const std::vector<case_row> cases = {
        {"2\r\n  12   200  7\r\n1 2 3\r\n", 2, {{12, 200, 7, 1}, {1, 2, 3, 1}}},
        {"1\n300 -1 511\n", 1, {{44, 255, 255, 1}}},
        {"2 colours follow\r4 5 6 extra fields\r7 8 9", 2, {{4, 5, 6, 1}, {7, 8, 9, 1}}},
        {"  +1\r\n+9 0 00000000000000000000000000257\r\nnot a colour\r\n", 1, {{9, 0, 1, 1}}},
        // A long line counts up to character 255; the next colour comes from the next line.
        {"2\r\n1 2 3 " + std::string(400, 'x') + "\r\n4 5 6\r\n", 2, {{1, 2, 3, 1}, {4, 5, 6, 1}}},
    };
    for (const case_row& row : cases) {
        const palette_file_colours file = parse(row.text);
        EXPECT_EQ(file.colour_count, row.count) << row.text;
        for (std::size_t i = 0; i < row.colours.size(); ++i) EXPECT_EQ(file.colours[i], row.colours[i]) << row.text;
    }
}

TEST(PaletteFile, CountAbove236ReadsOnly236Lines) {
    std::string text = "300\r\n";
    for (int i = 0; i < 236; ++i) text += std::to_string(i) + " 0 0\r\n";
    text += "this line would be damage if it were read\r\n";
    const palette_file_colours file = parse(text);
    EXPECT_EQ(file.colour_count, 236);
    EXPECT_EQ(file.colours[235].red, 235);
    EXPECT_EQ(parse("99999999999999999999999\n" + text.substr(5)).colour_count, 236);
}

TEST(PaletteFile, DamagedFilesAreRejected) {
    struct case_row {
        std::string text;
        std::string reason;
    };
    const std::string bad_colour = "does not hold red, green and blue";
    const std::vector<case_row> cases = {
        {"", "no colour count"},
        {"\r\n3\r\n", "no colour count"},
        {"three\r\n1 2 3\r\n", "no colour count"},
        {"0\r\n", "at least 1"},
        {"-4\r\n1 2 3\r\n", "at least 1"},
        {"3\r\n1 2 3\r\n4 5 6\r\n", "ends before colour 3 of 3"},
        {"1\r\n1 2\r\n", bad_colour},
        {"1\r\n\r\n", bad_colour},
        {"1\r\n1 green 3\r\n", bad_colour},
        {"1\r\n1\t2 3\r\n", bad_colour},  // only the space separates
        {"1\r\n1 2 -\r\n", bad_colour},
        {"1\r\n1 2" + std::string(300, ' ') + "3\r\n", bad_colour},  // blue lies past character 255
        {"1\r\n" + std::string(2'000'000, '7'), "too large"},  // a line that never ends
        {std::string("2\r\n\x00\xff\x13 \x80\x01 9\r\n", 14), bad_colour},
    };
    for (const case_row& row : cases) {
        try {
            parse(row.text);
            ADD_FAILURE() << "accepted: " << row.text;
        } catch (const palette_file_error& error) {
            EXPECT_NE(std::string(error.what()).find(row.reason), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace quor

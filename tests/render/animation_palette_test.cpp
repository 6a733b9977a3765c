#include "render/animation_palette.h"

#include "palette_test_support.h"
#include "render/palette_file.h"
#include "render/palette_pens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

using testing::recording_message_box;
using testing::temporary_directory;

class AnimationPalette : public ::testing::Test {
protected:
    AnimationPalette() : palette(messages) { palette.set_palette_dir(folder.program_dir()); }

    temporary_directory folder;
    recording_message_box messages;
    animation_palette palette;
};

TEST_F(AnimationPalette, FillsAnimatedEntriesCyclicallyBetweenTheSystemColours) {
    folder.write("palette/ABC.PAL", "3\r\n10 20 30\r\n40 50 60\r\n70 80 90\r\n");
    EXPECT_EQ(palette.palette_handle(), 0u);
    palette.read_palette_file("ABC.PAL");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(palette.colour_count(), 3);
    EXPECT_NE(palette.palette_handle(), 0u);

    const logical_palette& record = palette.palette_record();
    EXPECT_EQ(record.version, 0x300);
    EXPECT_EQ(record.entry_count, 256);
    const palette_entry abc[3] = {{10, 20, 30, 1}, {40, 50, 60, 1}, {70, 80, 90, 1}};
    for (int e = 10; e <= 245; ++e) ASSERT_EQ(record.entries[e], abc[(e - 10) % 3]) << "entry " << e;
    EXPECT_EQ(record.entries[245], abc[1]);
    for (int e : {0, 1, 9, 246, 250, 255}) EXPECT_EQ(record.entries[e], system_palette().entries[e]) << e;
    EXPECT_EQ(record.entries[255], (palette_entry{255, 255, 255, 0}));
    EXPECT_EQ(palette.colours()[11], 0xff28323cu);
    EXPECT_EQ(palette.colours()[0], 0xff000000u);

    const std::uint32_t first_handle = palette.palette_handle();
    palette.read_palette_file("ABC.PAL");
    EXPECT_NE(palette.palette_handle(), first_handle);
    palette.set_palette_dir(folder.program_dir());
    EXPECT_EQ(palette.palette_handle(), 0u);
}

TEST_F(AnimationPalette, FailedLoadsLeaveThePaletteAsItWas) {
    folder.write("palette/GOOD.PAL", "2\r\n1 2 3\r\n4 5 6\r\n");
    folder.write("palette/SHORT.PAL", "5\r\n9 9 9\r\n8 8 8\r\n");
    folder.write("palette/WORDS.PAL", "many\r\n9 9 9\r\n");
    folder.write("palette/FIELDS.PAL", "2\r\n9 9 9\r\n8 8\r\n");
    std::filesystem::create_directories(folder.path() / "palette" / "FOLDER.PAL");
    palette.read_palette_file("GOOD.PAL");
    const logical_palette before = palette.palette_record();
    const std::uint32_t handle = palette.palette_handle();
    const colour_table colours = palette.colours();

    for (const char* name : {"SHORT.PAL", "WORDS.PAL", "FIELDS.PAL"}) {
        const std::string path = folder.program_dir() + "palette/" + name;
        try {
            palette.read_palette_file(name);
            ADD_FAILURE() << name << " accepted";
        } catch (const palette_file_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind(path + "\r", 0), 0u) << error.what();
        }
    }
    for (const char* name : {"MISSING.PAL", "FOLDER.PAL"}) palette.read_palette_file(name);
    const std::vector<std::string> expected = {folder.program_dir() + "palette/MISSING.PAL\rPalette file not found",
                                               folder.program_dir() + "palette/FOLDER.PAL\rPalette file not found"};
    EXPECT_EQ(messages.messages, expected);
    if (std::filesystem::exists("/dev/zero")) {
        palette.read_palette_file("/dev/zero");  // endless: refused rather than read
        EXPECT_EQ(messages.messages.back(), "/dev/zero\rPalette file not found");
    }
    EXPECT_EQ(palette.palette_record(), before);
    EXPECT_EQ(palette.colour_count(), 2);
    EXPECT_EQ(palette.palette_handle(), handle);
    EXPECT_EQ(palette.colours(), colours);
}

TEST_F(AnimationPalette, ListsPaletteFilesUpperCasedAndReadsThemByThatName) {
    std::vector<std::string> list = {"ALREADY THERE"};
    palette.find_palette_files(list);
    EXPECT_EQ(list.size(), 1u) << "no palette directory adds nothing";

    folder.write("palette/fire.pal", "1\r\n255 0 0\r\n");
    folder.write("palette/Ice.Pal", "1\r\n0 0 255\r\n");
    folder.write("palette/.hidden.pal", "1\r\n1 1 1\r\n");
    folder.write("palette/notes.txt", "1\r\n1 1 1\r\n");
    folder.write("palette/pal", "1\r\n1 1 1\r\n");
    std::filesystem::create_directories(folder.path() / "palette" / "folder.pal");
    palette.find_palette_files(list);
    EXPECT_EQ(list, (std::vector<std::string>{"ALREADY THERE", ".HIDDEN.PAL", "FIRE.PAL", "ICE.PAL"}));

    palette.read_palette_file("FIRE.PAL");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(palette.palette_record().entries[10], (palette_entry{255, 0, 0, 1}));

    // A name with a directory part is used as it stands.
    folder.write("elsewhere/GREEN.PAL", "1\r\n0 255 0\r\n");
    palette.read_palette_file(folder.path().string() + "/elsewhere/GREEN.PAL");
    EXPECT_EQ(palette.palette_record().entries[10], (palette_entry{0, 255, 0, 1}));
}

TEST_F(AnimationPalette, AUsersPaletteFolderAddsFilesAndItsFilesWin) {
    folder.write("palette/FIRE.PAL", "1\r\n255 0 0\r\n");
    folder.write("palette/ICE.PAL", "1\r\n0 0 255\r\n");
    folder.write("user/palette/fire.pal", "1\r\n1 2 3\r\n");
    folder.write("user/palette/MINE.PAL", "1\r\n4 5 6\r\n");
    palette.set_palette_dir(folder.program_dir(), {folder.program_dir() + "user/palette"});
    std::vector<std::string> list;
    palette.find_palette_files(list);
    EXPECT_EQ(list, (std::vector<std::string>{"FIRE.PAL", "ICE.PAL", "MINE.PAL"}));
    for (const auto& [name, red] : {std::pair{"FIRE.PAL", 1}, std::pair{"ICE.PAL", 0}, std::pair{"MINE.PAL", 4}}) {
        palette.read_palette_file(name);
        EXPECT_EQ(palette.palette_record().entries[10].red, red) << name;
    }
    // A damaged file of the user's is reported by its own path.
    folder.write("user/palette/ICE.PAL", "not a palette\r\n");
    try {
        palette.read_palette_file("ICE.PAL");
        ADD_FAILURE() << "a damaged palette was read";
    } catch (const palette_file_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind(folder.program_dir() + "user/palette/ICE.PAL\r", 0), 0u) << error.what();
    }
    palette.read_palette_file("GONE.PAL");
    EXPECT_EQ(messages.messages, std::vector<std::string>{folder.program_dir() + "palette/GONE.PAL\rPalette file not found"});
}

TEST_F(AnimationPalette, RotationTurnsOnlyTheFileColours) {
    palette.rotate_palette(3);  // nothing loaded: nothing to turn
    EXPECT_EQ(palette.palette_record(), system_palette());

    folder.write("palette/FIVE.PAL", "5\r\n0 0 0\r\n1 0 0\r\n2 0 0\r\n3 0 0\r\n4 0 0\r\n");
    struct case_row {
        int shift;
        std::vector<int> reds;  // of entries 10..14 after the shift
    };
    const std::vector<case_row> cases = {
        {0, {0, 1, 2, 3, 4}},  {1, {1, 2, 3, 4, 0}},  {-1, {4, 0, 1, 2, 3}}, {2, {2, 3, 4, 0, 1}},
        {7, {2, 3, 4, 0, 1}},  {-6, {4, 0, 1, 2, 3}}, {5, {0, 1, 2, 3, 4}},  {-2147483647 - 1, {2, 3, 4, 0, 1}},
    };
    for (const case_row& row : cases) {
        palette.read_palette_file("FIVE.PAL");
        palette.rotate_palette(row.shift);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(palette.palette_record().entries[10 + i].red, row.reds[i]) << "shift " << row.shift;
            EXPECT_EQ(palette.colours()[10 + i], rgb32(palette.palette_record().entries[10 + i]));
        }
        EXPECT_EQ(palette.palette_record().entries[15].red, 0) << "the repeated copies stay";
        EXPECT_EQ(palette.palette_record().entries[16].red, 1);
    }
}

TEST(PalettePens, PenIDrawsWithEntryI) {
    pen_table pens{};
    create_palette_pens(pens, pen_style::dotted);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(pens[i], (pen{static_cast<std::uint8_t>(i), pen_style::dotted}));
    delete_palette_pens(pens);
    EXPECT_EQ(pens[200], pen{});
}

}  // namespace
}  // namespace quor

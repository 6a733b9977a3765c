#include "render/animation_palette.h"

#include "palette_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace quor {
namespace {

TEST(ShippedPalettes, EveryPaletteLoadsAndCyclesWithoutASeam) {
    testing::recording_message_box messages;
    animation_palette palette(messages);
    palette.set_palette_dir(std::string(QUOR_TEST_DIR) + "/../data/");
    std::vector<std::string> names;
    palette.find_palette_files(names);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "AMBER.PAL", "AURORA.PAL", "CIVIDIS.PAL", "CRIMSON.PAL", "CUBEHELIX.PAL", "EMBERS.PAL",
                         "EMERALD.PAL", "FIRE.PAL", "ICE.PAL", "INFERNO.PAL", "MAGMA.PAL", "NEON.PAL", "OCEAN.PAL",
                         "PASTEL.PAL", "PLASMA.PAL", "RAINBOW.PAL", "STROBE.PAL", "SUNSET.PAL", "TWILIGHT.PAL",
                         "VIOLET.PAL", "VIRIDIS.PAL"}));

    for (const std::string& name : names) {
        palette.read_palette_file(name);
        EXPECT_TRUE(messages.messages.empty()) << name;
        const int count = palette.colour_count();
        EXPECT_GE(count, 100) << name;
        // Neighbours in the rotation, the last and the first included, differ by
        // little in every channel.
        int largest_step = 0;
        for (int i = 0; i < count; ++i) {
            const palette_entry& a = palette.palette_record().entries[10 + i];
            const palette_entry& b = palette.palette_record().entries[10 + (i + 1) % count];
            largest_step = std::max({largest_step, std::abs(a.red - b.red), std::abs(a.green - b.green),
                                     std::abs(a.blue - b.blue)});
        }
        EXPECT_LE(largest_step, 24) << name;
    }
}

}  // namespace
}  // namespace quor

#include "render/palette_phase.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(PalettePhase, StepOfOneMovesAnEntryEveryThirteenOrFourteenFrames) {
    palette_phase phase(1 * 5000);
    int frame = 0;
    std::vector<int> shift_frames;
    for (frame = 1; frame <= 60; ++frame)
        if (phase.advance() != 0) shift_frames.push_back(frame);
    ASSERT_EQ(shift_frames.size(), 4u);
    for (std::size_t i = 1; i < shift_frames.size(); ++i) {
        const int gap = shift_frames[i] - shift_frames[i - 1];
        EXPECT_TRUE(gap == 13 || gap == 14) << gap;
    }
}

TEST(PalettePhase, NegativeStepGivesNineOrTenEntriesAndKeepsOnlyTheFraction) {
    palette_phase phase(-128 * 5000);
    for (int frame = 0; frame < 100; ++frame) {
        const int shift = phase.advance();
        EXPECT_TRUE(shift == -9 || shift == -10) << shift;
        EXPECT_GE(phase.phase(), 0);
        EXPECT_LE(phase.phase(), 65535);
    }
    palette_phase still(0);
    for (int frame = 0; frame < 10; ++frame) EXPECT_EQ(still.advance(), 0);
}

}  // namespace
}  // namespace quor

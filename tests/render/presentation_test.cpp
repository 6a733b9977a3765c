#include "render/presentation.h"

#include <gtest/gtest.h>

#include <vector>

namespace quor {

namespace {

TEST(Presentation, ConvertsEveryPixelThroughTheTableRespectingStrides) {
    logical_palette palette;
    for (int i = 0; i < palette_size; ++i)
        palette.entries[i] = {std::uint8_t(i), std::uint8_t(i ^ 0x5a), std::uint8_t(255 - i), 1};
    const colour_table table = make_colour_table(palette);
    EXPECT_EQ(table[1], 0xff015bfeu) << "0xffRRGGBB, the flags byte left out";

    // Widths around the unrolled step; rows padded on both sides. The presenter
    // must follow a change of table as well as the plain conversion does.
    palette_presenter presenter;
    colour_table changed = table;
    changed[37] = 0xff123456u;
    struct run {
        int width;
        int way;  // 0 plain, 1 presenter, 2 presenter after a change of table
    };
    std::vector<run> runs;
    for (int width : {1, 7, 8, 9, 17, 33})
        for (int way : {0, 1, 2}) runs.push_back({width, way});
    for (const auto [width, way] : runs) {
        const colour_table& used = way == 2 ? changed : table;
        const int height = 3;
        const int source_stride = width + 5;
        const int destination_stride = width + 3;
        std::vector<std::uint8_t> source(source_stride * height);
        for (std::size_t i = 0; i < source.size(); ++i) source[i] = std::uint8_t(i * 37 + 11);
        std::vector<std::uint32_t> destination(destination_stride * height + 1, 0xdeadbeefu);
        const index_image from{source.data(), width, height, source_stride};
        const rgb_image to{destination.data(), width + 10, height, destination_stride};
        if (way == 0) present(from, used, to);
        else presenter.present(from, used, to);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < destination_stride; ++x) {
                const std::uint32_t expected = x < width ? used[source[y * source_stride + x]] : 0xdeadbeefu;
                ASSERT_EQ(destination[y * destination_stride + x], expected)
                    << width << " way " << way << ": " << x << "," << y;
            }
        }
        EXPECT_EQ(destination.back(), 0xdeadbeefu);
    }

    index_buffer buffer(3, 2);
    buffer.set_pixel(2, 1, 200);
    std::vector<std::uint32_t> screen(6);
    present(image_of(buffer), table, {screen.data(), 3, 2, 3});
    EXPECT_EQ(screen[5], table[200]);
    EXPECT_EQ(screen[0], table[0]);
}

}  // namespace
}  // namespace quor

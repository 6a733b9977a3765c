#include "render/presentation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
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

// The window is shown only what changed: over random frames of drawing and
// palette moves, the picture must equal a whole conversion, pixel for pixel.
TEST(Presentation, ConvertingOnlyTheChangesGivesTheWholePicture) {
    std::mt19937 random(2024);
    for (const auto [width, height] : {std::pair{37, 23}, std::pair{64, 48}}) {
        index_buffer screen(width, height);
        colour_table table{};
        for (int i = 0; i < palette_size; ++i) table[i] = 0xff000000u | std::uint32_t(i * 0x010305);
        table[0] = 0xff000000u;
        std::vector<std::uint32_t> shown(std::size_t(width) * height, 0x12345678u);
        std::vector<std::uint32_t> whole(shown.size());
        const rgb_image to_shown{shown.data(), width, height, width};
        palette_presenter presenter;
        for (int frame = 0; frame < 300; ++frame) {
            SCOPED_TRACE(frame);
            // Lines in pens and in black (erasing), a few per frame, or none.
            const int lines = int(random() % 4);
            for (int line = 0; line < lines; ++line) {
                const point from{int(random() % (width + 20)) - 10, int(random() % (height + 20)) - 10};
                const point to{int(random() % (width + 20)) - 10, int(random() % (height + 20)) - 10};
                screen.segment(from, to, random() % 3 == 0 ? 0 : std::uint8_t(10 + random() % 236));
            }
            if (frame % 50 == 49) screen.clear();
            // The palette moves in some frames, as it turns.
            if (random() % 2 == 0) std::rotate(table.begin() + 10, table.begin() + 11, table.begin() + 246);
            const pixel_area drawn = screen.take_drawn_area();
            const pixel_area expected = presenter.area_to_convert(image_of(screen), drawn, table, to_shown);
            const std::vector<std::uint32_t> before = shown;
            const pixel_area written = presenter.present_changes(image_of(screen), drawn, table, to_shown);
            present(image_of(screen), table, {whole.data(), width, height, width});
            ASSERT_EQ(shown, whole);
            // Every pixel that looks different lies in the area it says it wrote,
            // and that lies in the area it said it would.
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    if (before[std::size_t(y) * width + x] != shown[std::size_t(y) * width + x])
                        ASSERT_TRUE(x >= written.left && x < written.right && y >= written.top && y < written.bottom);
            if (!written.empty())
                EXPECT_TRUE(written.left >= expected.left && written.right <= expected.right &&
                            written.top >= expected.top && written.bottom <= expected.bottom);
        }
    }
}

TEST(Presentation, NothingIsWrittenForAFrameThatLooksTheSame) {
    index_buffer screen(16, 8);
    screen.set_pixel(3, 2, 40);
    colour_table table{};
    for (int i = 0; i < palette_size; ++i) table[i] = 0xff000000u | std::uint32_t(i);
    std::vector<std::uint32_t> shown(16 * 8);
    const rgb_image to_shown{shown.data(), 16, 8, 16};
    palette_presenter presenter;
    EXPECT_EQ(presenter.present_changes(image_of(screen), screen.take_drawn_area(), table, to_shown),
              (pixel_area{0, 0, 16, 8}));  // the first conversion is whole
    // The same pixel drawn again, and black drawn over black: nothing to write.
    screen.set_pixel(3, 2, 40);
    screen.segment({0, 6}, {15, 6}, 0);
    EXPECT_TRUE(presenter.present_changes(image_of(screen), screen.take_drawn_area(), table, to_shown).empty());
    // The palette moves: only the word holding a colour is written again.
    table[40] = 0xff00ff00u;
    EXPECT_EQ(presenter.present_changes(image_of(screen), screen.take_drawn_area(), table, to_shown),
              (pixel_area{0, 2, 8, 3}));
    EXPECT_EQ(shown[2 * 16 + 3], 0xff00ff00u);
    // Another destination starts afresh.
    std::vector<std::uint32_t> other(16 * 8);
    EXPECT_EQ(presenter.present_changes(image_of(screen), {}, table, {other.data(), 16, 8, 16}),
              (pixel_area{0, 0, 16, 8}));
}

}  // namespace
}  // namespace quor

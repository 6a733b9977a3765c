#include "render/presentation.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quor {

colour_table make_colour_table(const logical_palette& palette) {
    colour_table table{};
    for (int i = 0; i < palette_size; ++i) table[i] = rgb32(palette.entries[i]);
    return table;
}

namespace {

void convert_row(const std::uint8_t* from, std::uint32_t* to, int width, const std::uint32_t* colours) {
    int x = 0;
    // Eight lookups a round keep the loads and stores in flight.
    for (; x + 8 <= width; x += 8) {
        to[x + 0] = colours[from[x + 0]];
        to[x + 1] = colours[from[x + 1]];
        to[x + 2] = colours[from[x + 2]];
        to[x + 3] = colours[from[x + 3]];
        to[x + 4] = colours[from[x + 4]];
        to[x + 5] = colours[from[x + 5]];
        to[x + 6] = colours[from[x + 6]];
        to[x + 7] = colours[from[x + 7]];
    }
    for (; x < width; ++x) to[x] = colours[from[x]];
}

}  // namespace

void present(const index_image& source, const colour_table& table, const rgb_image& destination) {
    const int width = std::min(source.width, destination.width);
    const int height = std::min(source.height, destination.height);
    if (width <= 0 || height <= 0 || source.pixels == nullptr || destination.pixels == nullptr) return;
    for (int y = 0; y < height; ++y)
        convert_row(source.pixels + y * source.stride, destination.pixels + y * destination.stride, width,
                    table.data());
}

palette_presenter::palette_presenter() : pairs_(std::size_t(palette_size) * palette_size) {}

void palette_presenter::present(const index_image& source, const colour_table& table, const rgb_image& destination) {
    if constexpr (std::endian::native != std::endian::little) {
        quor::present(source, table, destination);
        return;
    }
    const int width = std::min(source.width, destination.width);
    const int height = std::min(source.height, destination.height);
    if (width <= 0 || height <= 0 || source.pixels == nullptr || destination.pixels == nullptr) return;

    if (!pairs_built_ || table != table_) {
        table_ = table;
        pairs_built_ = true;
        for (int second = 0; second < palette_size; ++second) {
            const std::uint64_t high = std::uint64_t(table[second]) << 32;
            std::uint64_t* row = pairs_.data() + second * palette_size;
            for (int first = 0; first < palette_size; ++first) row[first] = table[first] | high;
        }
    }
    const std::uint64_t* pairs = pairs_.data();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = source.pixels + y * source.stride;
        std::uint32_t* to = destination.pixels + y * destination.stride;
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            std::uint64_t eight;
            std::memcpy(&eight, from + x, sizeof eight);
            const std::uint64_t four_pairs[4] = {pairs[eight & 0xffff], pairs[(eight >> 16) & 0xffff],
                                                 pairs[(eight >> 32) & 0xffff], pairs[eight >> 48]};
            std::memcpy(to + x, four_pairs, sizeof four_pairs);
        }
        for (; x < width; ++x) to[x] = table_[from[x]];
    }
}

}  // namespace quor

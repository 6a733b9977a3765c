#include "render/presentation.h"

#include <algorithm>

namespace quor {

colour_table make_colour_table(const logical_palette& palette) {
    colour_table table{};
    for (int i = 0; i < palette_size; ++i) table[i] = rgb32(palette.entries[i]);
    return table;
}

void present(const index_image& source, const colour_table& table, const rgb_image& destination) {
    const int width = std::min(source.width, destination.width);
    const int height = std::min(source.height, destination.height);
    if (width <= 0 || height <= 0 || source.pixels == nullptr || destination.pixels == nullptr) return;
    const std::uint32_t* colours = table.data();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = source.pixels + y * source.stride;
        std::uint32_t* to = destination.pixels + y * destination.stride;
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
}

}  // namespace quor

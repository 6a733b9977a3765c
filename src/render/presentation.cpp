#include "render/presentation.h"

#include <algorithm>
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

namespace {

// Eight pixels at a time as one 64-bit word of indices: a word is skipped
// whole when nothing in it can look different.
std::uint64_t eight_indices(const std::uint8_t* from) {
    std::uint64_t eight;
    std::memcpy(&eight, from, sizeof eight);
    return eight;
}

// One row's changes between columns `first` and `last`; true when it wrote.
// With the colours unchanged, an unchanged index keeps its colour; with them
// moved, only black that stays black (index 0, whose colour never moves) does.
bool convert_row_changes(const std::uint8_t* from, std::uint8_t* shown, std::uint32_t* to, int first, int last,
                         bool colours_moved, const std::uint32_t* colours) {
    bool wrote = false;
    int x = first;
    for (; x + 8 <= last; x += 8) {
        const std::uint64_t now = eight_indices(from + x);
        const std::uint64_t was = eight_indices(shown + x);
        if (colours_moved ? (now | was) == 0 : now == was) continue;
        convert_row(from + x, to + x, 8, colours);
        std::memcpy(shown + x, &now, sizeof now);
        wrote = true;
    }
    for (; x < last; ++x) {
        const std::uint8_t now = from[x];
        if (colours_moved ? (now | shown[x]) == 0 : now == shown[x]) continue;
        to[x] = colours[now];
        shown[x] = now;
        wrote = true;
    }
    return wrote;
}

bool row_is_lit(const std::uint8_t* row, int width) {
    int x = 0;
    for (; x + 8 <= width; x += 8)
        if (eight_indices(row + x) != 0) return true;
    for (; x < width; ++x)
        if (row[x] != 0) return true;
    return false;
}

}  // namespace

bool palette_presenter::same_destination(const index_image& source, const rgb_image& destination) const {
    return valid_ && source.width == width_ && source.height == height_ && destination.pixels == destination_ &&
           destination.stride == destination_stride_ && destination.width >= width_ && destination.height >= height_;
}

void palette_presenter::present(const index_image& source, const colour_table& table, const rgb_image& destination) {
    valid_ = false;
    const int width = std::min(source.width, destination.width);
    const int height = std::min(source.height, destination.height);
    if (width <= 0 || height <= 0 || source.pixels == nullptr || destination.pixels == nullptr) return;
    width_ = width;
    height_ = height;
    shown_.resize(std::size_t(width) * std::size_t(height));
    lit_.assign(std::size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = source.pixels + y * source.stride;
        convert_row(from, destination.pixels + y * destination.stride, width, table.data());
        std::memcpy(shown_.data() + std::size_t(y) * std::size_t(width), from, std::size_t(width));
        lit_[std::size_t(y)] = row_is_lit(from, width) ? 1 : 0;
    }
    table_ = table;
    destination_ = destination.pixels;
    destination_stride_ = destination.stride;
    valid_ = true;
}

pixel_area palette_presenter::present_changes(const index_image& source, const pixel_area& drawn,
                                              const colour_table& table, const rgb_image& destination) {
    // Black must stay black for the shortcut; a table that moves it starts afresh.
    if (!same_destination(source, destination) || table[0] != table_[0]) {
        present(source, table, destination);
        return valid_ ? pixel_area{0, 0, width_, height_} : pixel_area{};
    }
    const bool colours_moved = table != table_;
    table_ = table;
    // Columns outside the drawn area cannot have new indices.
    const int first_drawn = std::clamp(drawn.left, 0, width_);
    const int last_drawn = std::clamp(drawn.right, 0, width_);
    int top = height_;
    int bottom = 0;
    for (int y = 0; y < height_; ++y) {
        const bool drawn_row = !drawn.empty() && y >= drawn.top && y < drawn.bottom;
        std::uint8_t& lit = lit_[std::size_t(y)];
        if (!drawn_row && !(colours_moved && lit)) continue;
        const std::uint8_t* from = source.pixels + y * source.stride;
        std::uint8_t* shown = shown_.data() + std::size_t(y) * std::size_t(width_);
        std::uint32_t* to = destination.pixels + y * destination.stride;
        const int first = colours_moved ? 0 : first_drawn;
        const int last = colours_moved ? width_ : last_drawn;
        if (convert_row_changes(from, shown, to, first, last, colours_moved, table.data())) {
            top = std::min(top, y);
            bottom = y + 1;
        }
        if (drawn_row) lit = row_is_lit(shown, width_) ? 1 : 0;
    }
    return top < bottom ? pixel_area{0, top, width_, bottom} : pixel_area{};
}

}  // namespace quor

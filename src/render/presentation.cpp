#include "render/presentation.h"

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quor {

colour_table make_colour_table(const logical_palette& palette) {
    colour_table table{};
    for (int i = 0; i < palette_size; ++i) table[i] = rgb32(palette.entries[i]);
    return table;
}

namespace {

// Eight pixels from one 64-bit load of their indices, through a table of the
// colours of every pair of neighbouring indices (second << 8 | first): four
// lookups and four stores, where one pixel at a time takes eight of each.
void convert_eight(std::uint64_t eight, std::uint32_t* to, const std::uint64_t* pairs) {
    const std::uint64_t four[4] = {pairs[eight & 0xffff], pairs[(eight >> 16) & 0xffff], pairs[(eight >> 32) & 0xffff],
                                   pairs[eight >> 48]};
    std::memcpy(to, four, sizeof four);
}

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

// The columns of a row that hold an index other than 0, by whole words.
struct lit_span {
    int first = 0;
    int last = 0;
    void add(int from, int to) {
        if (first >= last) {
            first = from;
            last = to;
        } else {
            first = std::min(first, from);
            last = std::max(last, to);
        }
    }
};

lit_span lit_span_of(const std::uint8_t* row, int width) {
    lit_span span;
    int x = 0;
    for (; x + 8 <= width; x += 8)
        if (eight_indices(row + x) != 0) span.add(x, x + 8);
    for (; x < width; ++x)
        if (row[x] != 0) span.add(x, x + 1);
    return span;
}

// The bytes of a word that are not 0: the top bit of each such byte set.
constexpr std::uint64_t nonzero_bytes(std::uint64_t word) {
    constexpr std::uint64_t low_seven = 0x7f7f7f7f7f7f7f7full;
    return ((word & low_seven) + low_seven | word) & 0x8080808080808080ull;
}

// One row's changes between columns `first` and `last`; returns the columns
// written and notes the lit ones in `lit`. With the colours unchanged, an
// unchanged index keeps its colour; with them moved, only black that stays
// black (index 0, whose colour never moves) does. Rings are thin: a word
// holds few pixels that need writing, and only those are written.
lit_span convert_row_changes(const std::uint8_t* from, std::uint8_t* shown, std::uint32_t* to, int first, int last,
                             bool colours_moved, const std::uint32_t* colours, const std::uint64_t* pairs,
                             lit_span& lit) {
    int lit_first = -1;
    int lit_last = 0;
    int written_first = -1;
    int written_last = 0;
    int x = first;
#ifdef __SSE2__
    // Sixteen pixels a round: a round of black that stays black, or of
    // unchanged indices under unchanged colours, costs a few instructions.
    const __m128i zero = _mm_setzero_si128();
    for (; x + 16 <= last; x += 16) {
        const __m128i now = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x));
        const __m128i was = _mm_loadu_si128(reinterpret_cast<const __m128i*>(shown + x));
        const unsigned now_black = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(now, zero)));
        const unsigned same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(now, was)));
        if (now_black != 0xffff) {
            if (lit_first < 0) lit_first = x + std::countr_zero(~now_black);
            lit_last = x + 16 - std::countl_zero(~now_black & 0xffffu) + 16;
        }
        const unsigned stays_black = now_black & same;
        unsigned to_write = (colours_moved ? ~stays_black : ~same) & 0xffffu;
        if (to_write == 0) continue;
        if (same != 0xffff) _mm_storeu_si128(reinterpret_cast<__m128i*>(shown + x), now);
        if (written_first < 0) written_first = x;
        written_last = x + 16;
        if (to_write == 0xffff && pairs != nullptr) {
            convert_eight(eight_indices(from + x), to + x, pairs);
            convert_eight(eight_indices(from + x + 8), to + x + 8, pairs);
            continue;
        }
        for (; to_write != 0; to_write &= to_write - 1) {
            const int pixel = x + std::countr_zero(to_write);
            to[pixel] = colours[from[pixel]];
        }
    }
#endif
    for (; x + 8 <= last; x += 8) {
        const std::uint64_t now = eight_indices(from + x);
        const std::uint64_t was = eight_indices(shown + x);
        if (now != 0) {
            if (lit_first < 0) lit_first = x;
            lit_last = x + 8;
        }
        std::uint64_t to_write = nonzero_bytes(colours_moved ? now | was : now ^ was);
        if (to_write == 0) continue;
        if (now != was) std::memcpy(shown + x, &now, sizeof now);
        if (written_first < 0) written_first = x;
        written_last = x + 8;
        if (to_write == 0x8080808080808080ull && pairs != nullptr) {
            convert_eight(now, to + x, pairs);
            continue;
        }
        for (; to_write != 0; to_write &= to_write - 1) {
            const int pixel = x + (std::countr_zero(to_write) >> 3);
            to[pixel] = colours[from[pixel]];
        }
    }
    for (; x < last; ++x) {
        const std::uint8_t now = from[x];
        if (now != 0) {
            if (lit_first < 0) lit_first = x;
            lit_last = x + 1;
        }
        if (colours_moved ? (now | shown[x]) == 0 : now == shown[x]) continue;
        to[x] = colours[now];
        shown[x] = now;
        if (written_first < 0) written_first = x;
        written_last = x + 1;
    }
    if (lit_first >= 0) lit.add(lit_first, lit_last);
    lit_span written;
    if (written_first >= 0) written.add(written_first, written_last);
    return written;
}

}  // namespace

void palette_presenter::build_pairs() {
    // Little-endian words hold the first pixel's colour in their low half.
    if constexpr (std::endian::native != std::endian::little) return;
    pairs_.resize(std::size_t(palette_size) * palette_size);
    for (int second = 0; second < palette_size; ++second) {
        const std::uint64_t high = std::uint64_t(table_[second]) << 32;
        std::uint64_t* row = pairs_.data() + second * palette_size;
        for (int first = 0; first < palette_size; ++first) row[first] = table_[first] | high;
    }
    pairs_built_ = true;
}

const std::uint64_t* palette_presenter::pairs_table() const { return pairs_built_ ? pairs_.data() : nullptr; }

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
    lit_.assign(std::size_t(height), {});
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = source.pixels + y * source.stride;
        convert_row(from, destination.pixels + y * destination.stride, width, table.data());
        std::memcpy(shown_.data() + std::size_t(y) * std::size_t(width), from, std::size_t(width));
        const lit_span lit = lit_span_of(from, width);
        lit_[std::size_t(y)] = {lit.first, lit.last};
    }
    table_ = table;
    pairs_built_ = false;
    destination_ = destination.pixels;
    destination_stride_ = destination.stride;
    valid_ = true;
}

palette_presenter::lit_columns palette_presenter::columns_to_convert(int y, const pixel_area& drawn,
                                                                   bool colours_moved) const {
    lit_span columns;
    if (!drawn.empty() && y >= drawn.top && y < drawn.bottom)
        columns.add(std::clamp(drawn.left, 0, width_), std::clamp(drawn.right, 0, width_));
    const lit_columns& lit = lit_[std::size_t(y)];
    if (colours_moved && lit.first < lit.last) columns.add(lit.first, lit.last);
    if (columns.first >= columns.last) return {};
    // Whole words from the row's start, so that every word is read aligned alike.
    return {columns.first & ~7, std::min(width_, (columns.last + 7) & ~7)};
}

pixel_area palette_presenter::area_to_convert(const index_image& source, const pixel_area& drawn,
                                              const colour_table& table, const rgb_image& destination) const {
    if (!same_destination(source, destination) || table[0] != table_[0])
        return {0, 0, std::min(source.width, destination.width), std::min(source.height, destination.height)};
    const bool colours_moved = table != table_;
    lit_span columns;
    int top = height_;
    int bottom = 0;
    for (int y = 0; y < height_; ++y) {
        const lit_columns row = columns_to_convert(y, drawn, colours_moved);
        if (row.first >= row.last) continue;
        columns.add(row.first, row.last);
        top = std::min(top, y);
        bottom = y + 1;
    }
    return top < bottom ? pixel_area{columns.first, top, columns.last, bottom} : pixel_area{};
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
    if (colours_moved || !pairs_built_) build_pairs();
    lit_span written_columns;
    int top = height_;
    int bottom = 0;
    for (int y = 0; y < height_; ++y) {
        const lit_columns columns = columns_to_convert(y, drawn, colours_moved);
        if (columns.first >= columns.last) continue;
        lit_columns& lit = lit_[std::size_t(y)];
        lit_span lit_now;
        const lit_span written =
            convert_row_changes(source.pixels + y * source.stride, shown_.data() + std::size_t(y) * std::size_t(width_),
                                destination.pixels + y * destination.stride, columns.first, columns.last,
                                colours_moved, table.data(), pairs_table(), lit_now);
        // Lit columns outside the ones looked at are still lit.
        if (lit.first < lit.last && (lit.first < columns.first || lit.last > columns.last)) lit_now.add(lit.first, lit.last);
        lit = lit_now.first < lit_now.last ? lit_columns{lit_now.first, lit_now.last} : lit_columns{};
        if (written.first < written.last) {
            written_columns.add(written.first, written.last);
            top = std::min(top, y);
            bottom = y + 1;
        }
    }
    return top < bottom ? pixel_area{written_columns.first, top, written_columns.last, bottom} : pixel_area{};
}

}  // namespace quor

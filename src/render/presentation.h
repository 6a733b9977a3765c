#pragma once
// Showing 8-bit palette indices as colours: every frame's buffer goes through here.

#include "render/index_buffer.h"
#include "render/logical_palette.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quor {

// One 32-bit colour per palette index, 0xffRRGGBB (the layout of QImage::Format_RGB32).
using colour_table = std::array<std::uint32_t, palette_size>;

colour_table make_colour_table(const logical_palette& palette);

constexpr std::uint32_t rgb32(const palette_entry& entry) {
    return 0xff000000u | (std::uint32_t(entry.red) << 16) | (std::uint32_t(entry.green) << 8) | entry.blue;
}

// A block of 8-bit pixels: `stride` bytes from one row to the next.
struct index_image {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

// A block of 32-bit pixels: `stride` pixels (not bytes) from one row to the next.
struct rgb_image {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

inline index_image image_of(const index_buffer& buffer) {
    return {buffer.data(), buffer.width(), buffer.height(), buffer.width()};
}

// Converts the overlap of the two images (top-left aligned) through the table.
void present(const index_image& source, const colour_table& table, const rgb_image& destination);

// The conversion for every frame of a window, doing only what a frame needs:
// it keeps the indices it converted last, so it rewrites only pixels that may
// look different now, and writes nothing for black that stays black.
class palette_presenter {
public:
    // Converts the whole image; the destination then holds the conversion
    // that present_changes() continues from.
    void present(const index_image& source, const colour_table& table, const rgb_image& destination);

    // The area present_changes() may write for this drawn area and table: a
    // window asks to show that much.
    pixel_area area_to_convert(const index_image& source, const pixel_area& drawn, const colour_table& table,
                               const rgb_image& destination) const;
    // Brings the destination, which holds what the last call left there, up
    // to date: pixels in `drawn` (the area written since then) whose indices
    // changed, and, when the colours moved, every pixel that is not black.
    // Converts all when there was no last call, or it went to another
    // destination or size. Returns the area it wrote.
    pixel_area present_changes(const index_image& source, const pixel_area& drawn, const colour_table& table,
                               const rgb_image& destination);

    // The destination no longer holds the last conversion (a new window
    // buffer): the next present_changes() converts all.
    void forget_destination() { valid_ = false; }

private:
    // Columns [first, last) of one row that hold an index other than 0.
    struct lit_columns {
        int first = 0;
        int last = 0;
    };
    bool same_destination(const index_image& source, const rgb_image& destination) const;
    // The colours of every pair of neighbouring indices, from table_.
    void build_pairs();
    const std::uint64_t* pairs_table() const;
    // Columns of row `y` that may change: drawn ones, and lit ones when the
    // colours moved; whole 8-pixel words. Empty when none.
    lit_columns columns_to_convert(int y, const pixel_area& drawn, bool colours_moved) const;

    bool valid_ = false;
    colour_table table_{};
    std::vector<std::uint64_t> pairs_;  // entry (second << 8 | first): both pixels' colours, first in memory first
    bool pairs_built_ = false;
    std::vector<std::uint8_t> shown_;  // the indices as last converted, row by row
    std::vector<lit_columns> lit_;     // per row of shown_
    int width_ = 0;
    int height_ = 0;
    const std::uint32_t* destination_ = nullptr;
    std::ptrdiff_t destination_stride_ = 0;
};

}  // namespace quor

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

// The same conversion for every frame of a window: it keeps a table of the colours
// of every pair of neighbouring indices (512 KiB, made once), rebuilt only when
// the colour table differs from the last one, so each lookup fills two pixels.
class palette_presenter {
public:
    palette_presenter();
    void present(const index_image& source, const colour_table& table, const rgb_image& destination);

private:
    colour_table table_{};
    bool pairs_built_ = false;
    std::vector<std::uint64_t> pairs_;  // entry (second << 8 | first): both pixels' colours, first in memory first
};

}  // namespace quor

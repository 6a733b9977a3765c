#pragma once
// A 256-entry palette as an 8-bit screen holds it, and the 20 colours that such a
// screen keeps fixed (entries 0..9 and 246..255).

#include <algorithm>
#include <array>
#include <cstdint>

namespace quor {

struct palette_entry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;  // palette_entry_reserved marks an animatable entry
    friend bool operator==(const palette_entry&, const palette_entry&) = default;
};

inline constexpr std::uint8_t palette_entry_reserved = 1;

inline constexpr int palette_size = 256;
inline constexpr int static_colours_low = 10;    // entries 0..9 are fixed
inline constexpr int first_static_high = 246;    // entries 246..255 are fixed
inline constexpr int animatable_colour_limit = first_static_high - static_colours_low;  // 236

struct logical_palette {
    std::uint16_t version = 0x300;
    std::uint16_t entry_count = palette_size;
    std::array<palette_entry, palette_size> entries{};
    friend bool operator==(const logical_palette&, const logical_palette&) = default;
};

// Turns the `count` animated entries from index 10 by `shift` places: entry
// 10 + i takes the former entry 10 + (i + shift) mod count, so a positive shift
// moves each colour toward lower indices and a negative one toward higher
// indices. A count above 236 is taken as 236; with no entries nothing moves.
// Works on any table of 256 entries (palette entries or presented colours).
template <typename Entry>
void rotate_animated_entries(std::array<Entry, palette_size>& entries, int count, int shift) {
    count = std::min(count, animatable_colour_limit);
    if (count <= 0) return;
    const int places = static_cast<int>(((static_cast<long long>(shift) % count) + count) % count);
    if (places == 0) return;
    const auto first = entries.begin() + static_colours_low;
    std::rotate(first, first + places, first + count);
}

// The emulated screen's system palette: the 20 static colours in entries 0..9 and
// 246..255, black elsewhere.
const logical_palette& system_palette();

}  // namespace quor

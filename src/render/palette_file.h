#pragma once
// The palette file: line 1 the colour count, then one "red green blue" line per
// colour. Parsed whole before anything uses it, so a damaged file changes nothing.

#include "render/logical_palette.h"

#include <array>
#include <istream>
#include <stdexcept>
#include <string>

namespace quor {

// A palette file that cannot be used; the text says why.
class palette_file_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int palette_line_limit = 255;  // characters of a line that count

struct palette_file_colours {
    int colour_count = 0;  // 1..236
    std::array<palette_entry, animatable_colour_limit> colours{};  // the first colour_count are read
};

// Lines may end in CR LF, LF or CR. The count is capped at 236 and lines after
// the last colour are ignored; more than 1 MiB before the last colour is damage. Throws palette_file_error with a reason (no path).
palette_file_colours read_palette_colours(std::istream& input);

}  // namespace quor

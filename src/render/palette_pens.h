#pragma once
// Pens of the emulated 8-bit screen: a pen is a palette index (and a line style).

#include <array>
#include <cstdint>

namespace quor {

enum class pen_style { solid, dotted };

struct pen {
    std::uint8_t index = 0;  // palette entry the pen draws with
    pen_style style = pen_style::solid;
    friend bool operator==(const pen&, const pen&) = default;
};

using pen_table = std::array<pen, 256>;

// Pen i draws with palette entry i. Making a pen cannot fail here.
void create_palette_pens(pen_table& pens, pen_style style);
// Back to the state before create_palette_pens: every pen index 0, solid.
void delete_palette_pens(pen_table& pens);

}  // namespace quor

#include "render/palette_pens.h"

namespace quor {

void create_palette_pens(pen_table& pens, pen_style style) {
    for (int i = 0; i < static_cast<int>(pens.size()); ++i) pens[i] = {static_cast<std::uint8_t>(i), style};
}

void delete_palette_pens(pen_table& pens) { pens.fill(pen{}); }

}  // namespace quor

#include "render/logical_palette.h"

namespace quor {

namespace {

logical_palette make_system_palette() {
    logical_palette palette;
    const palette_entry low[static_colours_low] = {
        {0, 0, 0, 0},     {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
        {128, 0, 128, 0}, {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
    };
    const palette_entry high[palette_size - first_static_high] = {
        {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},   {0, 255, 0, 0},
        {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0}, {255, 255, 255, 0},
    };
    for (int i = 0; i < static_colours_low; ++i) palette.entries[i] = low[i];
    for (int i = first_static_high; i < palette_size; ++i) palette.entries[i] = high[i - first_static_high];
    return palette;
}

}  // namespace

const logical_palette& system_palette() {
    static const logical_palette palette = make_system_palette();
    return palette;
}

}  // namespace quor

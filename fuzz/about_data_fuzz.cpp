// Reads arbitrary bytes as the about box's data file and builds its shapes from
// them: a short or crowded file gives fewer or clipped images, never a read past
// the data, a write past the point table or a colour that is not a number.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/uniform_random.h"
#include "fuzz_check.h"
#include "shell/about_data_file.h"
#include "shell/about_shapes.h"

namespace {

quor::about_shape_table shapes;  // 786 KB: kept out of the stack

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quor::about_images images = quor::read_about_images(std::span<const std::uint8_t>(data, size));
    QUOR_FUZZ_CHECK(images.whole_blocks == static_cast<int>(std::min<std::size_t>(size / quor::about_image_bytes, 3)));
    // The colour count comes from the palette file in use: 0 when none is loaded.
    const int colour_count = size > 0 ? data[size - 1] % 237 : 0;
    quor::uniform_random random(static_cast<std::uint32_t>(size));
    quor::build_about_shapes(shapes, images, colour_count, random);
    quor::compute_morph_steps(shapes, 1 + (size % 64));
    for (const auto& shape : shapes) {
        for (const auto& point : shape) {
            QUOR_FUZZ_CHECK(std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z));
            QUOR_FUZZ_CHECK(std::isfinite(point.colour) && std::isfinite(point.dcolour));
        }
    }
    return 0;
}

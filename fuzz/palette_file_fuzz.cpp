// Reads arbitrary bytes as a palette file: a damaged file gives a
// palette_file_error with its reason, never a crash, a hang or a read past the
// colour table; a file that reads gives 1 to 236 colours.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "render/palette_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    try {
        const quor::palette_file_colours palette = quor::read_palette_colours(input);
        QUOR_FUZZ_CHECK(palette.colour_count >= 1);
        QUOR_FUZZ_CHECK(palette.colour_count <= quor::animatable_colour_limit);
    } catch (const quor::palette_file_error& error) {
        QUOR_FUZZ_CHECK(error.what()[0] != '\0');
    }
    return 0;
}

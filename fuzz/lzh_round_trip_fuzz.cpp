// Packs arbitrary bytes and unpacks the result: the settings text must come back
// exactly, whatever it holds.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "storage/lzh_compressor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> plain(data, size);
    const auto packed = quor::lzh_pack(plain);
    QUOR_FUZZ_CHECK(packed.size() >= 4);
    const std::uint32_t header =
        packed[0] | (packed[1] << 8) | (packed[2] << 16) | (static_cast<std::uint32_t>(packed[3]) << 24);
    QUOR_FUZZ_CHECK(header == size);
    const auto unpacked = quor::lzh_unpack(packed);
    QUOR_FUZZ_CHECK(unpacked.size() == size);
    QUOR_FUZZ_CHECK(std::equal(unpacked.begin(), unpacked.end(), plain.begin()));
    return 0;
}

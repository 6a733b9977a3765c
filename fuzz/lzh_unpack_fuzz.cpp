// Unpacks arbitrary bytes as a ".cmp" settings file: damage may give wrong text
// or a clear ElzhException, never a crash or a read out of bounds.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "storage/lzh_compressor.h"
#include "storage/lzh_exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> packed(data, size);
    try {
        const auto plain = quor::lzh_unpack(packed);
        if (size < 4) {
            QUOR_FUZZ_CHECK(plain.empty());
            return 0;
        }
        const std::int32_t claimed = static_cast<std::int32_t>(
            data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<std::uint32_t>(data[3]) << 24));
        // The decoder stops at exactly the header's length.
        QUOR_FUZZ_CHECK(plain.size() == static_cast<std::size_t>(claimed > 0 ? claimed : 0));
    } catch (const quor::ElzhException&) {
        // A header that the packed bytes cannot hold is reported, not followed.
    }
    return 0;
}

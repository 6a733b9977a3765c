// Unpacks arbitrary bytes as a ".cmp" settings file: damage may give wrong text
// or a clear ElzhException, never a crash or a read out of bounds. Strict
// unpacking gives the same text or refuses; decoding from memory and through
// per-byte procedures agree.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz_check.h"
#include "storage/lzh_compressor.h"
#include "storage/lzh_exception.h"
#include "storage/lzhuf_coder.h"
#include "support/procedure_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> packed(data, size);
    std::vector<std::uint8_t> plain;
    try {
        plain = quor::lzh_unpack(packed);
    } catch (const quor::ElzhException&) {
        // A header that the packed bytes cannot hold is reported, not followed.
        bool refused = false;
        try {
            quor::lzh_unpack_strict(packed);
        } catch (const quor::ElzhException&) {
            refused = true;
        }
        QUOR_FUZZ_CHECK(refused);
        return 0;
    }
    if (size < 4) {
        QUOR_FUZZ_CHECK(plain.empty());
        return 0;
    }
    const std::int32_t claimed = static_cast<std::int32_t>(
        data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<std::uint32_t>(data[3]) << 24));
    // The decoder stops at exactly the header's length.
    QUOR_FUZZ_CHECK(plain.size() == static_cast<std::size_t>(claimed > 0 ? claimed : 0));

    std::vector<std::uint8_t> from_memory;
    const bool memory_complete = quor::decode_bytes(packed.subspan(4), claimed, from_memory);
    const auto through_procedures = quor::testing::decode_through_procedures(packed.subspan(4), claimed);
    QUOR_FUZZ_CHECK(through_procedures.plain == from_memory);
    QUOR_FUZZ_CHECK(through_procedures.complete == memory_complete);
    QUOR_FUZZ_CHECK(from_memory == plain);

    try {
        QUOR_FUZZ_CHECK(quor::lzh_unpack_strict(packed) == plain);
        QUOR_FUZZ_CHECK(memory_complete && claimed >= 0);
    } catch (const quor::ElzhException&) {
        QUOR_FUZZ_CHECK(!memory_complete || claimed < 0);
    }
    return 0;
}

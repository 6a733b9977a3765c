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

namespace {

// Decodes the stream after the header through one read and one write call per byte.
std::vector<std::uint8_t> decode_through_procedures(std::span<const std::uint8_t> stream, std::int32_t length,
                                                    bool& complete) {
    std::vector<std::uint8_t> plain;
    std::size_t position = 0;
    complete = quor::decode_stream(
        length,
        [&](std::uint8_t* buffer, std::uint16_t) -> std::uint16_t {
            if (position == stream.size()) return 0;
            *buffer = stream[position++];
            return 1;
        },
        [&](const std::uint8_t* buffer, std::uint16_t count) -> std::uint16_t {
            plain.insert(plain.end(), buffer, buffer + count);
            return count;
        });
    return plain;
}

}  // namespace

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
    bool procedures_complete = false;
    QUOR_FUZZ_CHECK(decode_through_procedures(packed.subspan(4), claimed, procedures_complete) == from_memory);
    QUOR_FUZZ_CHECK(memory_complete == procedures_complete);
    QUOR_FUZZ_CHECK(from_memory == plain);

    try {
        QUOR_FUZZ_CHECK(quor::lzh_unpack_strict(packed) == plain);
        QUOR_FUZZ_CHECK(memory_complete && claimed >= 0);
    } catch (const quor::ElzhException&) {
        QUOR_FUZZ_CHECK(!memory_complete || claimed < 0);
    }
    return 0;
}

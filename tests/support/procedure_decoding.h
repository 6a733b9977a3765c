#pragma once
// Unpacking through the LZH coder's procedure form, one read and one write call
// per byte, from bytes in memory: the reference the in-memory form must match.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "storage/lzhuf_coder.h"

namespace quor::testing {

struct procedure_decoding {
    std::vector<std::uint8_t> plain;
    bool complete = false;  // what decode_stream returned
};

// `stream` is the bit stream after the length header.
inline procedure_decoding decode_through_procedures(std::span<const std::uint8_t> stream, std::int32_t plain_length) {
    procedure_decoding result;
    std::size_t position = 0;
    result.complete = decode_stream(
        plain_length,
        [&](std::uint8_t* buffer, std::uint16_t) -> std::uint16_t {
            if (position == stream.size()) return 0;
            *buffer = stream[position++];
            return 1;
        },
        [&](const std::uint8_t* buffer, std::uint16_t count) -> std::uint16_t {
            result.plain.insert(result.plain.end(), buffer, buffer + count);
            return count;
        });
    return result;
}

}  // namespace quor::testing

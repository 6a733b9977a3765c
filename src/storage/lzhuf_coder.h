#pragma once
// The LZHUF coder: LZSS over a 4096-byte ring with adaptive Huffman coding of
// literals and match lengths and a fixed prefix code for the upper position bits.
// Its output is byte for byte that of the long-published LZHUF program, so packed
// settings files stay readable by every faithful decoder. Each call owns its
// working state; calls may run side by side.

#include <cstdint>
#include <functional>

namespace quor {

// buffer, requested byte count; returns the count actually transferred.
// The coder moves one byte per call; 0 from a read procedure means the input ended.
using read_procedure = std::function<std::uint16_t(std::uint8_t* buffer, std::uint16_t count)>;
using write_procedure = std::function<std::uint16_t(const std::uint8_t* buffer, std::uint16_t count)>;

// Packs everything `read` delivers; returns the number of plain bytes read.
// Writes nothing at all for empty input.
std::int64_t encode_stream(const read_procedure& read, const write_procedure& write);

// Unpacks exactly `plain_length` bytes (none when it is 0 or less); input that
// ends early reads as zero bits. Throws ElzhException when the length is beyond
// `lzh_plain_length_limit`.
void decode_stream(std::int32_t plain_length, const read_procedure& read, const write_procedure& write);

// A packed stream cannot hold more than this many plain bytes per packed byte:
// every symbol takes at least one bit and yields at most 60 bytes.
inline constexpr std::int64_t lzh_expansion_limit = 60 * 8;
// Settings files are a few hundred KiB at most; no header is trusted beyond this.
inline constexpr std::int32_t lzh_plain_length_limit = 256 * 1024 * 1024;

}  // namespace quor

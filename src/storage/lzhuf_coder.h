#pragma once
// The LZHUF coder: LZSS over a 4096-byte ring with adaptive Huffman coding of
// literals and match lengths and a fixed prefix code for the upper position bits.
// Its output is byte for byte that of the long-published LZHUF program, so packed
// settings files stay readable by every faithful decoder. Each call owns its
// working state; calls may run side by side.
//
// Two forms of each direction: over read and write procedures, one byte per call,
// and over bytes in memory, which makes no call per byte and is the fast one.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace quor {

// buffer, requested byte count; returns the count actually transferred.
// The coder moves one byte per call; 0 from a read procedure means the input ended.
using read_procedure = std::function<std::uint16_t(std::uint8_t* buffer, std::uint16_t count)>;
using write_procedure = std::function<std::uint16_t(const std::uint8_t* buffer, std::uint16_t count)>;

// Told the number of input bytes consumed so far: at least once in every KiB of
// input, and once more at the end with the total. Never called per byte.
using consumption_procedure = std::function<void(std::int64_t consumed)>;

// Packs everything `read` delivers; returns the number of plain bytes read.
// Writes nothing at all for empty input.
std::int64_t encode_stream(const read_procedure& read, const write_procedure& write);

// Unpacks exactly `plain_length` bytes (none when it is 0 or less); input that
// ends early reads as zero bits. Returns false when it did: the input ran out
// before `plain_length` bytes were produced. Throws ElzhException when the
// length is beyond `lzh_plain_length_limit`.
bool decode_stream(std::int32_t plain_length, const read_procedure& read, const write_procedure& write);

// `encode_stream` from memory: appends the bit stream of `plain` to `packed`.
void encode_bytes(std::span<const std::uint8_t> plain, std::vector<std::uint8_t>& packed,
                  const consumption_procedure& consumed = {});

// `decode_stream` from memory: appends `plain_length` bytes to `plain`, with the
// same result and the same refusal.
bool decode_bytes(std::span<const std::uint8_t> packed, std::int32_t plain_length, std::vector<std::uint8_t>& plain,
                  const consumption_procedure& consumed = {});

// A packed stream cannot hold more than this many plain bytes per packed byte:
// every symbol takes at least one bit and yields at most 60 bytes.
inline constexpr std::int64_t lzh_expansion_limit = 60 * 8;
// Settings files are a few hundred KiB at most; no header is trusted beyond this.
inline constexpr std::int32_t lzh_plain_length_limit = 256 * 1024 * 1024;

}  // namespace quor

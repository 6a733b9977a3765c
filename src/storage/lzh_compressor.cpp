#include "storage/lzh_compressor.h"

#include <array>
#include <limits>
#include <string>

#include "storage/file_bytes.h"
#include "storage/lzh_exception.h"

namespace quor {
namespace {

constexpr std::size_t header_size = 4;

std::array<std::uint8_t, header_size> little_endian(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

// The header's 32 bits; the stored length is their signed reading.
std::uint32_t header_bits(std::span<const std::uint8_t, header_size> bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

ElzhException damage(const std::string& what) { return ElzhException("LZH : The packed data is damaged: " + what); }

ElzhException claim_beyond_stream(std::int64_t claim, std::size_t packed_size) {
    return damage("its header claims " + std::to_string(claim) + " plain bytes from " + std::to_string(packed_size) +
                  " packed bytes");
}

}  // namespace

My_LZH_Compressor::My_LZH_Compressor()
    : read_proc([this](std::uint8_t* buffer, std::uint16_t count) { return Get_Data(buffer, count); }),
      write_proc([this](const std::uint8_t* buffer, std::uint16_t count) { return Put_Data(buffer, count); }) {}

void My_LZH_Compressor::compression(bool pack) {
    in_Stream = pack ? &i_s : &o_s;
    out_Stream = pack ? &o_s : &i_s;
    bytes_read = 0;
    kbytes_read = 0;
    input_ran_out = false;
    in_Stream->seek(0);
    out_Stream->clear();
    // The coder works on the streams' bytes directly and reports what it consumed
    // once per KiB, instead of reading through Get_Data a byte at a time.
    const consumption_procedure count_read = [this](std::int64_t total) { note_bytes_read(total); };
    std::vector<std::uint8_t> written = out_Stream->take();
    if (pack) {
        if (in_Stream->size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
            throw ElzhException("LZH : The data is too large to pack");
        }
        const auto header = little_endian(static_cast<std::int32_t>(in_Stream->size()));
        written.assign(header.begin(), header.end());
        encode_bytes(in_Stream->bytes(), written, count_read);
    } else if (in_Stream->size() >= header_size) {
        const std::span<const std::uint8_t> packed = in_Stream->bytes();
        const auto plain_length = static_cast<std::int32_t>(header_bits(packed.first<header_size>()));
        const std::span<const std::uint8_t> bit_stream = packed.subspan(header_size);
        if (plain_length > static_cast<std::int64_t>(bit_stream.size()) * lzh_expansion_limit) {
            throw claim_beyond_stream(plain_length, bit_stream.size());
        }
        input_ran_out = !decode_bytes(bit_stream, plain_length, written, count_read);
    }
    *out_Stream = memory_stream(std::move(written));
    out_Stream->seek(out_Stream->size());
    in_Stream->clear();
}

std::uint16_t My_LZH_Compressor::Get_Data(std::uint8_t* buffer, std::uint16_t count) {
    const auto delivered = static_cast<std::uint16_t>(in_Stream->read(buffer, count));
    note_bytes_read(bytes_read + delivered);
    return delivered;
}

std::uint16_t My_LZH_Compressor::Put_Data(const std::uint8_t* buffer, std::uint16_t count) {
    out_Stream->write(buffer, count);
    return count;
}

void My_LZH_Compressor::note_bytes_read(std::int64_t total) {
    bytes_read = static_cast<std::int32_t>(total);
    if (bytes_read / 1024 != kbytes_read) {
        kbytes_read = bytes_read / 1024;
        if (on_progress) on_progress(kbytes_read);
        if (progressbar != nullptr) progressbar->set_position(kbytes_read);
    }
}

std::vector<std::uint8_t> lzh_pack(std::span<const std::uint8_t> plain) {
    My_LZH_Compressor compressor;
    compressor.i_s.assign(plain);
    compressor.compression(true);
    return compressor.o_s.take();
}

std::vector<std::uint8_t> lzh_unpack(std::span<const std::uint8_t> packed) {
    My_LZH_Compressor compressor;
    compressor.o_s.assign(packed);
    compressor.compression(false);
    return compressor.i_s.take();
}

std::vector<std::uint8_t> lzh_unpack_strict(std::span<const std::uint8_t> packed) {
    if (packed.size() < header_size) {
        throw damage("it is shorter than its " + std::to_string(header_size) + "-byte length header");
    }
    // Read as unsigned: the lenient reading takes a negative length for no data.
    const std::uint32_t claim = header_bits(packed.first<header_size>());
    if (claim > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        throw claim_beyond_stream(claim, packed.size() - header_size);
    }
    My_LZH_Compressor compressor;
    compressor.o_s.assign(packed);
    compressor.compression(false);
    if (compressor.input_ran_out) {
        throw damage("it ends before the " + std::to_string(claim) + " plain bytes its header claims");
    }
    return compressor.i_s.take();
}

std::vector<std::uint8_t> lzh_unpack_file(const std::filesystem::path& path) {
    const file_read_result file = read_whole_file(path);
    if (file.status != file_read_status::read) throw ElzhException("LZH : Cannot read " + path.string());
    return lzh_unpack(file.bytes);
}

}  // namespace quor

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

std::int32_t from_little_endian(const std::array<std::uint8_t, header_size>& bytes) {
    const std::uint32_t bits = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(bits);
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
    in_Stream->seek(0);
    out_Stream->clear();
    if (pack) {
        if (in_Stream->size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
            throw ElzhException("LZH : The data is too large to pack");
        }
        const auto header = little_endian(static_cast<std::int32_t>(in_Stream->size()));
        out_Stream->write(header.data(), header.size());
        encode_stream(read_proc, write_proc);
    } else {
        std::array<std::uint8_t, header_size> header{};
        if (in_Stream->read(header.data(), header.size()) == header_size) {
            const std::int32_t plain_length = from_little_endian(header);
            const std::int64_t most_possible =
                static_cast<std::int64_t>(in_Stream->size() - header_size) * lzh_expansion_limit;
            if (plain_length > most_possible) {
                throw ElzhException("LZH : The packed data is damaged: its header claims " +
                                    std::to_string(plain_length) + " plain bytes from " +
                                    std::to_string(in_Stream->size() - header_size) + " packed bytes");
            }
            decode_stream(plain_length, read_proc, write_proc);
        }
    }
    in_Stream->clear();
}

std::uint16_t My_LZH_Compressor::Get_Data(std::uint8_t* buffer, std::uint16_t count) {
    const auto delivered = static_cast<std::uint16_t>(in_Stream->read(buffer, count));
    bytes_read += delivered;
    if (bytes_read / 1024 != kbytes_read) {
        kbytes_read = bytes_read / 1024;
        if (on_progress) on_progress(kbytes_read);
        if (progressbar != nullptr) progressbar->set_position(kbytes_read);
    }
    return delivered;
}

std::uint16_t My_LZH_Compressor::Put_Data(const std::uint8_t* buffer, std::uint16_t count) {
    out_Stream->write(buffer, count);
    return count;
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

std::vector<std::uint8_t> lzh_unpack_file(const std::filesystem::path& path) {
    const file_read_result file = read_whole_file(path);
    if (file.status != file_read_status::read) throw ElzhException("LZH : Cannot read " + path.string());
    return lzh_unpack(file.bytes);
}

}  // namespace quor

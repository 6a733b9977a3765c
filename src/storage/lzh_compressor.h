#pragma once
// Packs the settings text into the ".cmp" form and back, all in memory: a 4-byte
// little-endian plain length followed by the LZHUF bit stream.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "storage/lzhuf_coder.h"
#include "storage/memory_stream.h"

namespace quor {

// What the compressor advances once per KiB of input consumed.
class progress_indicator {
public:
    virtual ~progress_indicator() = default;
    virtual void set_position(int position) = 0;
};

class My_LZH_Compressor {
public:
    My_LZH_Compressor();
    My_LZH_Compressor(const My_LZH_Compressor&) = delete;
    My_LZH_Compressor& operator=(const My_LZH_Compressor&) = delete;

    // true packs `i_s` into `o_s`, false unpacks `o_s` into `i_s`; the stream read
    // is left empty. Unpacking throws ElzhException when the header claims more
    // than the packed bytes can hold, and otherwise gives exactly the header's
    // length, setting `input_ran_out` when the packed bytes ended first.
    void compression(bool pack);

    // The read and write procedures bound to this object's current streams.
    std::uint16_t Get_Data(std::uint8_t* buffer, std::uint16_t count);
    std::uint16_t Put_Data(const std::uint8_t* buffer, std::uint16_t count);

    memory_stream i_s;  // the plain data
    memory_stream* in_Stream = nullptr;
    memory_stream o_s;  // the packed data
    memory_stream* out_Stream = nullptr;
    read_procedure read_proc;
    write_procedure write_proc;
    std::int32_t bytes_read = 0;   // delivered by Get_Data in the current operation
    std::int32_t kbytes_read = 0;  // bytes_read / 1024, as last reported
    std::function<void(int)> on_progress;
    progress_indicator* progressbar = nullptr;  // not owned
    // Set by unpacking when the packed stream ended before the header's length
    // was produced; the missing bits were read as zeros.
    bool input_ran_out = false;

private:
    // Counts `total` bytes read so far and reports each new whole KiB.
    void note_bytes_read(std::int64_t total);
};

// One-call helpers over a fresh compressor.
std::vector<std::uint8_t> lzh_pack(std::span<const std::uint8_t> plain);
std::vector<std::uint8_t> lzh_unpack(std::span<const std::uint8_t> packed);
// Unpacks only sound input: throws ElzhException, saying what is wrong, for a
// stream shorter than its header, a header that claims a negative length or more
// than the stream can hold, and a stream that ends before the header's length.
std::vector<std::uint8_t> lzh_unpack_strict(std::span<const std::uint8_t> packed);
// Reads a packed file and unpacks it; throws ElzhException when it cannot be read.
std::vector<std::uint8_t> lzh_unpack_file(const std::filesystem::path& path);

}  // namespace quor

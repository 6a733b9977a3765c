#pragma once
// A growable block of bytes with a read/write position, the in-memory file the
// LZH compressor packs from and unpacks into.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quor {

class memory_stream {
public:
    memory_stream() = default;
    explicit memory_stream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t size() const { return bytes_.size(); }
    std::size_t position() const { return position_; }
    // Positions past the end are allowed; reading there gives nothing.
    void seek(std::size_t position) { position_ = position; }

    // Copies up to `count` bytes from the position onwards; returns how many were copied.
    std::size_t read(std::uint8_t* buffer, std::size_t count);
    // Writes at the position, growing the stream as needed.
    void write(const std::uint8_t* buffer, std::size_t count);
    void clear();

    std::span<const std::uint8_t> bytes() const { return bytes_; }
    // Replaces the contents and rewinds.
    void assign(std::span<const std::uint8_t> bytes);
    // Hands the contents over and leaves the stream empty.
    std::vector<std::uint8_t> take();

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace quor

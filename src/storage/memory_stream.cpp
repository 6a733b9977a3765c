#include "storage/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace quor {

std::size_t memory_stream::read(std::uint8_t* buffer, std::size_t count) {
    if (position_ >= bytes_.size()) return 0;
    const std::size_t available = std::min(count, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, available);
    position_ += available;
    return available;
}

void memory_stream::write(const std::uint8_t* buffer, std::size_t count) {
    if (count == 0) return;
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
}

void memory_stream::clear() {
    bytes_.clear();
    position_ = 0;
}

void memory_stream::assign(std::span<const std::uint8_t> bytes) {
    bytes_.assign(bytes.begin(), bytes.end());
    position_ = 0;
}

std::vector<std::uint8_t> memory_stream::take() {
    std::vector<std::uint8_t> result = std::move(bytes_);
    clear();
    return result;
}

}  // namespace quor

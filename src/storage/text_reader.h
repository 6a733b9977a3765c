#pragma once
// Reads bytes held in memory, one at a time, with one step back. Files are read
// whole and handed over as bytes, so tests and fuzzers feed text directly.

#include <cstddef>
#include <string_view>

namespace quor {

class text_reader {
public:
    explicit text_reader(std::string_view bytes) : bytes_(bytes) {}

    bool at_end() const { return position_ >= bytes_.size(); }
    std::size_t position() const { return position_; }
    // The next byte (0..255), or -1 at the end.
    int read_byte() { return at_end() ? -1 : static_cast<unsigned char>(bytes_[position_++]); }
    void step_back() {
        if (position_ > 0) --position_;
    }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

}  // namespace quor

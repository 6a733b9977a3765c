#include "storage/lzhuf_coder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string>

#include "storage/lzh_exception.h"

namespace quor {
namespace {

constexpr int ring_size = 4096;
constexpr int longest_match = 60;
constexpr int threshold = 2;  // matches this short or shorter go out as literals
constexpr int no_node = ring_size;
constexpr int symbol_count = 256 - threshold + longest_match;  // 314: 256 literals, lengths 3..60
constexpr int node_count = symbol_count * 2 - 1;               // 627
constexpr int root_node = node_count - 1;
constexpr int rebuild_frequency = 0x8000;
constexpr int start_position = ring_size - longest_match;  // 4036

// The published prefix code for the upper 6 bits of a match position.
constexpr std::array<std::uint8_t, 64> position_code_length = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    6, 6, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
// Left-aligned in one byte: the top `position_code_length` bits are sent.
constexpr std::array<std::uint8_t, 64> position_code = {
    0,   32,  48,  64,  80,  88,  96,  104, 112, 120, 128, 136, 144, 148, 152, 156,
    160, 164, 168, 172, 176, 180, 184, 188, 192, 194, 196, 198, 200, 202, 204, 206,
    208, 210, 212, 214, 216, 218, 220, 222, 224, 226, 228, 230, 232, 234, 236, 238,
    240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255};

struct position_decoding {
    std::array<std::uint8_t, 256> upper_bits{};
    std::array<std::uint8_t, 256> code_length{};
};

// Every byte whose top bits equal the code of u decodes to u.
constexpr position_decoding make_position_decoding() {
    position_decoding table;
    for (int upper = 0; upper < 64; ++upper) {
        const int spread = 1 << (8 - position_code_length[upper]);
        for (int low = 0; low < spread; ++low) {
            table.upper_bits[position_code[upper] + low] = static_cast<std::uint8_t>(upper);
            table.code_length[position_code[upper] + low] = position_code_length[upper];
        }
    }
    return table;
}
constexpr position_decoding position_decoding_table = make_position_decoding();

// The adaptive Huffman tree, nodes kept in ascending frequency order. Entries of
// `child` at or above `node_count` are leaves (symbol + node_count); an internal
// node's children sit at child and child + 1.
struct adaptive_huffman {
    std::array<std::uint16_t, node_count + 1> frequency;  // last entry: sentinel 0xFFFF
    std::array<std::uint16_t, node_count + symbol_count> parent;
    std::array<std::uint16_t, node_count> child;

    adaptive_huffman() {
        for (int symbol = 0; symbol < symbol_count; ++symbol) {
            frequency[symbol] = 1;
            child[symbol] = static_cast<std::uint16_t>(symbol + node_count);
            parent[symbol + node_count] = static_cast<std::uint16_t>(symbol);
        }
        for (int pair = 0, node = symbol_count; node <= root_node; pair += 2, ++node) {
            frequency[node] = static_cast<std::uint16_t>(frequency[pair] + frequency[pair + 1]);
            child[node] = static_cast<std::uint16_t>(pair);
            parent[pair] = parent[pair + 1] = static_cast<std::uint16_t>(node);
        }
        frequency[node_count] = 0xFFFF;
        parent[root_node] = 0;
    }

    // Halves the leaf frequencies and rebuilds the internal nodes in order.
    void rebuild() {
        int kept = 0;
        for (int node = 0; node < node_count; ++node) {
            if (child[node] >= node_count) {
                frequency[kept] = static_cast<std::uint16_t>((frequency[node] + 1) / 2);
                child[kept] = child[node];
                ++kept;
            }
        }
        for (int pair = 0, node = symbol_count; node < node_count; pair += 2, ++node) {
            const std::uint16_t sum = static_cast<std::uint16_t>(frequency[pair] + frequency[pair + 1]);
            int place = node - 1;
            while (sum < frequency[place]) --place;
            ++place;
            std::copy_backward(frequency.begin() + place, frequency.begin() + node, frequency.begin() + node + 1);
            frequency[place] = sum;
            std::copy_backward(child.begin() + place, child.begin() + node, child.begin() + node + 1);
            child[place] = static_cast<std::uint16_t>(pair);
        }
        for (int node = 0; node < node_count; ++node) {
            const int below = child[node];
            if (below >= node_count) {
                parent[below] = static_cast<std::uint16_t>(node);
            } else {
                parent[below] = parent[below + 1] = static_cast<std::uint16_t>(node);
            }
        }
    }

    void update(int symbol) {
        if (frequency[root_node] == rebuild_frequency) rebuild();
        int node = parent[symbol + node_count];
        do {
            const std::uint16_t raised = ++frequency[node];
            int swap_with = node + 1;
            if (raised > frequency[swap_with]) {
                while (raised > frequency[++swap_with]) {
                }
                --swap_with;
                frequency[node] = frequency[swap_with];
                frequency[swap_with] = raised;

                const int moved_up = child[node];
                parent[moved_up] = static_cast<std::uint16_t>(swap_with);
                if (moved_up < node_count) parent[moved_up + 1] = static_cast<std::uint16_t>(swap_with);
                const int moved_down = child[swap_with];
                child[swap_with] = static_cast<std::uint16_t>(moved_up);
                parent[moved_down] = static_cast<std::uint16_t>(node);
                if (moved_down < node_count) parent[moved_down + 1] = static_cast<std::uint16_t>(node);
                child[node] = static_cast<std::uint16_t>(moved_down);
                node = swap_with;
            }
            node = parent[node];
        } while (node != 0);
    }
};

constexpr const char* cannot_write_message = "LZH : Cannot write the output data";

// Where the coders' bytes come from and go to. The memory forms are plain pointer
// work that the compiler sees through; the procedure forms make one call per byte.
class memory_input {
public:
    explicit memory_input(std::span<const std::uint8_t> bytes)
        : next_(bytes.data()), begin_(bytes.data()), end_(bytes.data() + bytes.size()) {}
    bool take(std::uint8_t& byte) {
        if (next_ == end_) return false;
        byte = *next_++;
        return true;
    }
    std::int64_t consumed() const { return next_ - begin_; }

private:
    const std::uint8_t* next_;
    const std::uint8_t* begin_;
    const std::uint8_t* end_;
};

class procedure_input {
public:
    explicit procedure_input(const read_procedure& read) : read_(read) {}
    bool take(std::uint8_t& byte) {
        if (read_(&byte, 1) != 1) return false;
        ++consumed_;
        return true;
    }
    std::int64_t consumed() const { return consumed_; }

private:
    const read_procedure& read_;
    std::int64_t consumed_ = 0;
};

class vector_output {
public:
    explicit vector_output(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    void put(std::uint8_t byte) { bytes_.push_back(byte); }

private:
    std::vector<std::uint8_t>& bytes_;
};

class procedure_output {
public:
    explicit procedure_output(const write_procedure& write) : write_(write) {}
    void put(std::uint8_t byte) {
        if (write_(&byte, 1) != 1) throw ElzhException(cannot_write_message);
    }

private:
    const write_procedure& write_;
};

// Calls the consumption procedure when the count passes another KiB, so that the
// per-byte path only compares two numbers.
class consumption_meter {
public:
    explicit consumption_meter(const consumption_procedure& report)
        : report_(report), next_report_(report ? kibibyte : std::numeric_limits<std::int64_t>::max()) {}

    void at(std::int64_t consumed) {
        if (consumed >= next_report_) passed(consumed);
    }
    void finish(std::int64_t consumed) const {
        if (report_) report_(consumed);
    }

private:
    static constexpr std::int64_t kibibyte = 1024;

    void passed(std::int64_t consumed) {
        report_(consumed);
        next_report_ = (consumed / kibibyte + 1) * kibibyte;
    }

    const consumption_procedure& report_;
    std::int64_t next_report_;
};

template <typename Output>
class bit_writer {
public:
    explicit bit_writer(Output& output) : output_(output) {}

    // Sends the low `length` bits of `code`, most significant first.
    void put(std::uint32_t code, int length) {
        pending_ = (pending_ << length) | code;
        pending_count_ += length;
        while (pending_count_ >= 8) {
            pending_count_ -= 8;
            output_.put(static_cast<std::uint8_t>(pending_ >> pending_count_));
        }
    }

    // The last partial byte is padded with zero bits.
    void flush() {
        if (pending_count_ > 0) output_.put(static_cast<std::uint8_t>(pending_ << (8 - pending_count_)));
        pending_count_ = 0;
    }

private:
    Output& output_;
    std::uint64_t pending_ = 0;
    int pending_count_ = 0;
};

// Compilers make this one load (and a byte swap where needed).
std::uint64_t load_big_endian(const std::uint8_t* bytes) {
    std::uint64_t word = 0;
    for (int index = 0; index < 8; ++index) word = (word << 8) | bytes[index];
    return word;
}

// Bits most significant first from a 64-bit window, refilled a word at a time
// while eight input bytes remain, then byte by byte: from the span, then from
// `more` when given, then as zero bits once the input has ended.
class bit_reader {
public:
    bit_reader(std::span<const std::uint8_t> bytes, const read_procedure* more)
        : next_(bytes.data()), end_(bytes.data() + bytes.size()), more_(more) {}

    int bit() {
        if (count_ == 0) refill(1);
        const int value = static_cast<int>(window_ >> 63);
        window_ <<= 1;
        --count_;
        return value;
    }

    // The next `length` (1 to 16) bits, as a number.
    unsigned peek(int length) {
        if (count_ < length) refill(length);
        return static_cast<unsigned>(window_ >> (64 - length));
    }
    unsigned take(int length) {
        const unsigned value = peek(length);
        window_ <<= length;
        count_ -= length;
        return value;
    }

    // Input bytes that the bits taken so far reached into; bytes read as zero
    // after the end are not counted.
    std::int64_t consumed() const { return std::min(loaded_, loaded_ + zeros_ - count_ / 8); }
    // Whether any bit taken lay beyond the end of the input.
    bool ran_out() const { return zeros_ > count_ / 8; }

private:
    void refill(int needed) {
        if (end_ - next_ >= 8) {
            // The bits below `count_` already hold the next bytes' bits or zeros,
            // so or-ing the word over them is exact.
            window_ |= load_big_endian(next_) >> count_;
            const int taken = (63 - count_) >> 3;
            next_ += taken;
            loaded_ += taken;
            count_ += taken * 8;
            return;
        }
        while (count_ < needed) {
            std::uint8_t byte = 0;
            if (next_ != end_) {
                byte = *next_++;
                ++loaded_;
            } else if (more_ != nullptr && (*more_)(&byte, 1) == 1) {
                ++loaded_;
            } else {
                byte = 0;
                ++zeros_;
            }
            window_ |= static_cast<std::uint64_t>(byte) << (56 - count_);
            count_ += 8;
        }
    }

    std::uint64_t window_ = 0;  // the next bit is the top one
    int count_ = 0;             // bits of the window not yet taken
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    const read_procedure* more_;
    std::int64_t loaded_ = 0;  // input bytes moved into the window
    std::int64_t zeros_ = 0;   // zero bytes moved in after the input ended
};

// The index in 1..longest_match - 1 of the first byte where the strings differ,
// or longest_match when those bytes all agree. Both strings must be readable up
// to 64 bytes on.
int agreeing_length(const std::uint8_t* key, const std::uint8_t* candidate) {
    for (int length = 1; length < longest_match; length += 8) {
        std::uint64_t key_word;
        std::uint64_t candidate_word;
        std::memcpy(&key_word, key + length, sizeof key_word);
        std::memcpy(&candidate_word, candidate + length, sizeof candidate_word);
        const std::uint64_t difference = key_word ^ candidate_word;
        if (difference != 0) {
            const int byte_index = std::endian::native == std::endian::little ? std::countr_zero(difference) / 8
                                                                              : std::countl_zero(difference) / 8;
            return std::min(length + byte_index, longest_match);
        }
    }
    return longest_match;
}

struct encoder_state {
    // The ring plus a mirror of its first longest_match - 1 bytes, so that a
    // comparison may run past the ring's end without wrapping, plus room for the
    // last word a comparison reads.
    std::array<std::uint8_t, ring_size + longest_match - 1 + 8> ring{};
    std::array<std::uint16_t, ring_size + 1> left{};
    std::array<std::uint16_t, ring_size + 257> right{};  // the last 256: one root per first byte
    std::array<std::uint16_t, ring_size + 1> parent{};
    adaptive_huffman huffman;
    int match_position = 0;  // distance back to the match start, minus 1
    int match_length = 0;

    encoder_state() {
        right.fill(no_node);
        parent.fill(no_node);
    }

    // Puts the string at `current` into its tree and finds the longest earlier match.
    void insert_node(int current) {
        int comparison = 1;
        const std::uint8_t* key = &ring[current];
        int node = ring_size + 1 + key[0];
        right[current] = left[current] = no_node;
        match_length = 0;
        for (;;) {
            std::uint16_t& below = comparison >= 0 ? right[node] : left[node];
            if (below == no_node) {
                below = static_cast<std::uint16_t>(current);
                parent[current] = static_cast<std::uint16_t>(node);
                return;
            }
            node = below;
            const int length = agreeing_length(key, &ring[node]);
            if (length < longest_match) comparison = key[length] - ring[node + length];
            if (length > threshold) {
                const int distance = ((current - node) & (ring_size - 1)) - 1;
                if (length > match_length) {
                    match_position = distance;
                    match_length = length;
                    if (match_length >= longest_match) break;
                } else if (length == match_length && distance < match_position) {
                    match_position = distance;
                }
            }
        }
        // A full-length match: the new string takes the old node's place.
        parent[current] = parent[node];
        left[current] = left[node];
        right[current] = right[node];
        parent[left[node]] = static_cast<std::uint16_t>(current);
        parent[right[node]] = static_cast<std::uint16_t>(current);
        if (right[parent[node]] == node) {
            right[parent[node]] = static_cast<std::uint16_t>(current);
        } else {
            left[parent[node]] = static_cast<std::uint16_t>(current);
        }
        parent[node] = no_node;
    }

    void delete_node(int node) {
        if (parent[node] == no_node) return;
        int replacement;
        if (right[node] == no_node) {
            replacement = left[node];
        } else if (left[node] == no_node) {
            replacement = right[node];
        } else {
            replacement = left[node];
            if (right[replacement] != no_node) {
                do {
                    replacement = right[replacement];
                } while (right[replacement] != no_node);
                right[parent[replacement]] = left[replacement];
                parent[left[replacement]] = parent[replacement];
                left[replacement] = left[node];
                parent[left[node]] = static_cast<std::uint16_t>(replacement);
            }
            right[replacement] = right[node];
            parent[right[node]] = static_cast<std::uint16_t>(replacement);
        }
        parent[replacement] = parent[node];
        if (right[parent[node]] == node) {
            right[parent[node]] = static_cast<std::uint16_t>(replacement);
        } else {
            left[parent[node]] = static_cast<std::uint16_t>(replacement);
        }
        parent[node] = no_node;
    }

    template <typename Output>
    void encode_symbol(bit_writer<Output>& output, int symbol) {
        // The path is collected leaf upwards, so the root's branch ends up most significant.
        std::uint32_t code = 0;
        int length = 0;
        int node = huffman.parent[symbol + node_count];
        do {
            code |= static_cast<std::uint32_t>(node & 1) << length;
            ++length;
            node = huffman.parent[node];
        } while (node != root_node);
        output.put(code, length);
        huffman.update(symbol);
    }

    template <typename Output>
    static void encode_position(bit_writer<Output>& output, int position) {
        const int upper = position >> 6;
        const int length = position_code_length[upper];
        output.put(static_cast<std::uint32_t>(position_code[upper] >> (8 - length)), length);
        output.put(static_cast<std::uint32_t>(position & 0x3F), 6);
    }

    // Returns the number of plain bytes read.
    template <typename Input, typename Output>
    std::int64_t encode(Input& input, Output& sink, consumption_meter& meter) {
        std::fill(ring.begin(), ring.begin() + start_position, ' ');
        int oldest = 0;
        int current = start_position;
        int lookahead = 0;
        std::uint8_t byte = 0;
        while (lookahead < longest_match && input.take(byte)) ring[current + lookahead++] = byte;
        if (lookahead == 0) return 0;

        bit_writer output(sink);
        for (int back = 1; back <= longest_match; ++back) insert_node(current - back);
        insert_node(current);
        do {
            if (match_length > lookahead) match_length = lookahead;
            if (match_length <= threshold) {
                match_length = 1;
                encode_symbol(output, ring[current]);
            } else {
                encode_symbol(output, 255 - threshold + match_length);
                encode_position(output, match_position);
            }
            const int coded = match_length;
            int advanced = 0;
            for (; advanced < coded && input.take(byte); ++advanced) {
                delete_node(oldest);
                ring[oldest] = byte;
                if (oldest < longest_match - 1) ring[oldest + ring_size] = byte;
                oldest = (oldest + 1) & (ring_size - 1);
                current = (current + 1) & (ring_size - 1);
                insert_node(current);
            }
            for (; advanced < coded; ++advanced) {
                delete_node(oldest);
                oldest = (oldest + 1) & (ring_size - 1);
                current = (current + 1) & (ring_size - 1);
                if (--lookahead) insert_node(current);
            }
            meter.at(input.consumed());
        } while (lookahead > 0);
        output.flush();
        return input.consumed();
    }
};

// What the decoder produced, which its matches copy from. Through a procedure
// that is the ring of the last 4096 bytes, as published.
class ring_history {
public:
    explicit ring_history(const write_procedure& write) : output_(write) {
        std::fill(ring_.begin(), ring_.begin() + start_position, ' ');
    }

    void literal(std::uint8_t byte) {
        ring_[current_] = byte;
        current_ = (current_ + 1) & (ring_size - 1);
        output_.put(byte);
    }
    void copy(int position, int length) {
        const int start = (current_ - position - 1) & (ring_size - 1);
        for (int offset = 0; offset < length; ++offset) literal(ring_[(start + offset) & (ring_size - 1)]);
    }

private:
    std::array<std::uint8_t, ring_size> ring_{};
    int current_ = start_position;
    procedure_output output_;
};

// In memory the output itself is the ring: a match copies from the bytes already
// written, eight at a time where it does not overlap itself within eight.
class buffer_history {
public:
    // The room needed after the last byte, which a copy may overwrite.
    static constexpr std::size_t slack = 8;

    explicit buffer_history(std::uint8_t* begin) : begin_(begin), next_(begin) {}

    void literal(std::uint8_t byte) { *next_++ = byte; }
    void copy(int position, int length) {
        const std::ptrdiff_t distance = position + 1;
        std::uint8_t* const to = next_;
        next_ += length;
        if (to - begin_ < distance) {
            copy_reaching_before_start(to, distance, length);
        } else if (distance >= 8) {
            for (int offset = 0; offset < length; offset += 8) std::memcpy(to + offset, to - distance + offset, 8);
        } else {
            for (int offset = 0; offset < length; ++offset) to[offset] = to[offset - distance];
        }
    }

private:
    // Early on a match may reach back into the ring as it started: spaces, and
    // zeros in the places the first bytes were still to take.
    void copy_reaching_before_start(std::uint8_t* to, std::ptrdiff_t distance, int length) const {
        for (int offset = 0; offset < length; ++offset) {
            const std::ptrdiff_t source = (to - begin_) + offset - distance;
            if (source >= 0) {
                to[offset] = begin_[source];
            } else {
                const auto place = static_cast<int>((start_position + source) & (ring_size - 1));
                to[offset] = place < start_position ? ' ' : 0;
            }
        }
    }

    std::uint8_t* const begin_;
    std::uint8_t* next_;
};

struct decoder_state {
    adaptive_huffman huffman;

    int decode_symbol(bit_reader& input) {
        int node = huffman.child[root_node];
        while (node < node_count) node = huffman.child[node + input.bit()];
        const int symbol = node - node_count;
        huffman.update(symbol);
        return symbol;
    }

    // The prefix code and the six plain bits are taken together, once the first
    // eight bits have told the code's length.
    static int decode_position(bit_reader& input) {
        const unsigned first = input.peek(8);
        const int code_length = position_decoding_table.code_length[first];
        const unsigned bits = input.take(code_length + 6);
        return (position_decoding_table.upper_bits[first] << 6) | static_cast<int>(bits & 0x3F);
    }

    template <typename History>
    void decode(bit_reader& input, std::int32_t plain_length, History& history, consumption_meter& meter) {
        std::int32_t remaining = plain_length;
        while (remaining > 0) {
            const int symbol = decode_symbol(input);
            if (symbol < 256) {
                history.literal(static_cast<std::uint8_t>(symbol));
                --remaining;
            } else {
                const int position = decode_position(input);
                // Damaged data may ask for more than the header allows; stop at the header's length.
                const int length = std::min(symbol - 255 + threshold, remaining);
                history.copy(position, length);
                remaining -= length;
            }
            meter.at(input.consumed());
        }
    }
};

template <typename State, typename... Arguments>
std::unique_ptr<State> allocate_state(const Arguments&... arguments) {
    try {
        return std::make_unique<State>(arguments...);
    } catch (const std::bad_alloc&) {
        throw ElzhException(lzh_memory_message);
    }
}

template <typename Input, typename Output>
std::int64_t encode(Input& input, Output& output, const consumption_procedure& consumed) {
    consumption_meter meter(consumed);
    const std::int64_t total = allocate_state<encoder_state>()->encode(input, output, meter);
    meter.finish(total);
    return total;
}

// Refuses the lengths that no settings file can need; false when nothing is to be produced.
bool check_plain_length(std::int32_t plain_length) {
    if (plain_length > lzh_plain_length_limit) {
        throw ElzhException("LZH : The packed data is damaged: its header claims " + std::to_string(plain_length) +
                            " plain bytes");
    }
    return plain_length > 0;
}

template <typename History>
bool decode(bit_reader& input, std::int32_t plain_length, History& history, const consumption_procedure& consumed) {
    consumption_meter meter(consumed);
    allocate_state<decoder_state>()->decode(input, plain_length, history, meter);
    meter.finish(input.consumed());
    return !input.ran_out();
}

}  // namespace

std::int64_t encode_stream(const read_procedure& read, const write_procedure& write) {
    procedure_input input(read);
    procedure_output output(write);
    return encode(input, output, {});
}

void encode_bytes(std::span<const std::uint8_t> plain, std::vector<std::uint8_t>& packed,
                  const consumption_procedure& consumed) {
    memory_input input(plain);
    vector_output output(packed);
    encode(input, output, consumed);
}

bool decode_stream(std::int32_t plain_length, const read_procedure& read, const write_procedure& write) {
    if (!check_plain_length(plain_length)) return true;
    bit_reader input({}, &read);
    const auto history = allocate_state<ring_history>(write);
    return decode(input, plain_length, *history, {});
}

bool decode_bytes(std::span<const std::uint8_t> packed, std::int32_t plain_length, std::vector<std::uint8_t>& plain,
                  const consumption_procedure& consumed) {
    if (!check_plain_length(plain_length)) {
        consumption_meter(consumed).finish(0);
        return true;
    }
    const std::size_t start = plain.size();
    plain.resize(start + static_cast<std::size_t>(plain_length) + buffer_history::slack);
    bit_reader input(packed, nullptr);
    buffer_history history(plain.data() + start);
    const bool complete = decode(input, plain_length, history, consumed);
    plain.resize(start + static_cast<std::size_t>(plain_length));
    return complete;
}

}  // namespace quor

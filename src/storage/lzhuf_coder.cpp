#include "storage/lzhuf_coder.h"

#include <algorithm>
#include <array>
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

class bit_writer {
public:
    explicit bit_writer(const write_procedure& write) : write_(write) {}

    // Sends the low `length` bits of `code`, most significant first.
    void put(std::uint32_t code, int length) {
        pending_ = (pending_ << length) | code;
        pending_count_ += length;
        while (pending_count_ >= 8) {
            pending_count_ -= 8;
            emit(static_cast<std::uint8_t>(pending_ >> pending_count_));
        }
    }

    // The last partial byte is padded with zero bits.
    void flush() {
        if (pending_count_ > 0) emit(static_cast<std::uint8_t>(pending_ << (8 - pending_count_)));
        pending_count_ = 0;
    }

private:
    void emit(std::uint8_t byte) {
        if (write_(&byte, 1) != 1) throw ElzhException("LZH : Cannot write the output data");
    }

    const write_procedure& write_;
    std::uint64_t pending_ = 0;
    int pending_count_ = 0;
};

class bit_reader {
public:
    explicit bit_reader(const read_procedure& read) : read_(read) {}

    int bit() {
        if (pending_count_ == 0) refill();
        --pending_count_;
        return (pending_ >> pending_count_) & 1;
    }

    int byte() {
        if (pending_count_ < 8) refill();
        pending_count_ -= 8;
        return (pending_ >> pending_count_) & 0xFF;
    }

private:
    // Missing input reads as zero bits.
    void refill() {
        std::uint8_t next = 0;
        if (read_(&next, 1) != 1) next = 0;
        pending_ = (pending_ << 8) | next;
        pending_count_ += 8;
    }

    const read_procedure& read_;
    std::uint32_t pending_ = 0;
    int pending_count_ = 0;
};

struct encoder_state {
    // The ring plus a mirror of its first longest_match - 1 bytes, so that a
    // comparison may run past the ring's end without wrapping.
    std::array<std::uint8_t, ring_size + longest_match - 1> ring{};
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
            if (comparison >= 0) {
                if (right[node] == no_node) {
                    right[node] = static_cast<std::uint16_t>(current);
                    parent[current] = static_cast<std::uint16_t>(node);
                    return;
                }
                node = right[node];
            } else {
                if (left[node] == no_node) {
                    left[node] = static_cast<std::uint16_t>(current);
                    parent[current] = static_cast<std::uint16_t>(node);
                    return;
                }
                node = left[node];
            }
            int length = 1;
            for (; length < longest_match; ++length) {
                comparison = key[length] - ring[node + length];
                if (comparison != 0) break;
            }
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

    void encode_symbol(bit_writer& output, int symbol) {
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

    static void encode_position(bit_writer& output, int position) {
        const int upper = position >> 6;
        const int length = position_code_length[upper];
        output.put(static_cast<std::uint32_t>(position_code[upper] >> (8 - length)), length);
        output.put(static_cast<std::uint32_t>(position & 0x3F), 6);
    }
};

struct decoder_state {
    std::array<std::uint8_t, ring_size> ring{};
    adaptive_huffman huffman;

    int decode_symbol(bit_reader& input) {
        int node = huffman.child[root_node];
        while (node < node_count) node = huffman.child[node + input.bit()];
        const int symbol = node - node_count;
        huffman.update(symbol);
        return symbol;
    }

    static int decode_position(bit_reader& input) {
        int bits = input.byte();
        const int upper = position_decoding_table.upper_bits[bits] << 6;
        for (int extra = position_decoding_table.code_length[bits] - 2; extra > 0; --extra) {
            bits = (bits << 1) | input.bit();
        }
        return upper | (bits & 0x3F);
    }
};

template <typename State>
std::unique_ptr<State> allocate_state() {
    try {
        return std::make_unique<State>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(lzh_memory_message);
    }
}

}  // namespace

std::int64_t encode_stream(const read_procedure& read, const write_procedure& write) {
    const auto state = allocate_state<encoder_state>();
    encoder_state& coder = *state;
    auto next_byte = [&read](std::uint8_t& byte) { return read(&byte, 1) == 1; };

    std::fill(coder.ring.begin(), coder.ring.begin() + start_position, ' ');
    int oldest = 0;
    int current = start_position;
    int lookahead = 0;
    std::uint8_t byte = 0;
    while (lookahead < longest_match && next_byte(byte)) coder.ring[current + lookahead++] = byte;
    std::int64_t total_read = lookahead;
    if (lookahead == 0) return 0;

    bit_writer output(write);
    for (int back = 1; back <= longest_match; ++back) coder.insert_node(current - back);
    coder.insert_node(current);
    do {
        if (coder.match_length > lookahead) coder.match_length = lookahead;
        if (coder.match_length <= threshold) {
            coder.match_length = 1;
            coder.encode_symbol(output, coder.ring[current]);
        } else {
            coder.encode_symbol(output, 255 - threshold + coder.match_length);
            encoder_state::encode_position(output, coder.match_position);
        }
        const int coded = coder.match_length;
        int advanced = 0;
        for (; advanced < coded && next_byte(byte); ++advanced) {
            ++total_read;
            coder.delete_node(oldest);
            coder.ring[oldest] = byte;
            if (oldest < longest_match - 1) coder.ring[oldest + ring_size] = byte;
            oldest = (oldest + 1) & (ring_size - 1);
            current = (current + 1) & (ring_size - 1);
            coder.insert_node(current);
        }
        for (; advanced < coded; ++advanced) {
            coder.delete_node(oldest);
            oldest = (oldest + 1) & (ring_size - 1);
            current = (current + 1) & (ring_size - 1);
            if (--lookahead) coder.insert_node(current);
        }
    } while (lookahead > 0);
    output.flush();
    return total_read;
}

void decode_stream(std::int32_t plain_length, const read_procedure& read, const write_procedure& write) {
    if (plain_length <= 0) return;
    if (plain_length > lzh_plain_length_limit) {
        throw ElzhException("LZH : The packed data is damaged: its header claims " + std::to_string(plain_length) +
                            " plain bytes");
    }
    const auto state = allocate_state<decoder_state>();
    decoder_state& coder = *state;
    std::fill(coder.ring.begin(), coder.ring.begin() + start_position, ' ');
    bit_reader input(read);
    int current = start_position;
    std::int32_t produced = 0;
    auto put = [&](std::uint8_t byte) {
        if (write(&byte, 1) != 1) throw ElzhException("LZH : Cannot write the output data");
        coder.ring[current] = byte;
        current = (current + 1) & (ring_size - 1);
        ++produced;
    };
    while (produced < plain_length) {
        const int symbol = coder.decode_symbol(input);
        if (symbol < 256) {
            put(static_cast<std::uint8_t>(symbol));
            continue;
        }
        const int start = (current - decoder_state::decode_position(input) - 1) & (ring_size - 1);
        const int length = symbol - 255 + threshold;
        // Damaged data may ask for more than the header allows; stop at the header's length.
        for (int offset = 0; offset < length && produced < plain_length; ++offset) {
            put(coder.ring[(start + offset) & (ring_size - 1)]);
        }
    }
}

}  // namespace quor

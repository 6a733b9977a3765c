#include "storage/lzh_compressor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "library_test_support.h"
#include "storage/file_bytes.h"
#include "storage/lzh_exception.h"
#include "support/procedure_decoding.h"

namespace quor {
namespace {

using bytes = std::vector<std::uint8_t>;
using testing::lzh_fixture;

bytes file_contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every X.cmp of the folder with its plain partner X.txt or X.bin must match both ways.
void check_fixture_pairs(const std::filesystem::path& folder) {
    int pairs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".cmp") continue;
        std::filesystem::path plain_path = entry.path();
        plain_path.replace_extension(".txt");
        if (!std::filesystem::exists(plain_path)) plain_path.replace_extension(".bin");
        ASSERT_TRUE(std::filesystem::exists(plain_path)) << "no plain partner for " << entry.path();
        SCOPED_TRACE(entry.path().filename().string());
        const bytes packed = file_contents(entry.path());
        const bytes plain = file_contents(plain_path);
        EXPECT_EQ(lzh_pack(plain), packed);
        EXPECT_EQ(lzh_unpack(packed), plain);
        EXPECT_EQ(lzh_unpack_strict(packed), plain);
        ++pairs;
    }
    EXPECT_GT(pairs, 0) << "no fixture pairs in " << folder;
}

TEST(LzhFixtures, RepositoryPairsMatchBothWays) {
    check_fixture_pairs(std::filesystem::path(QUOR_TEST_DIR) / "storage" / "fixtures" / "lzh");
}

TEST(LzhFixtures, SharedPairsMatchBothWays) {
    const std::filesystem::path folder = std::filesystem::path(QUOR_SHARED_DIR) / "fixtures" / "lzh";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no shared fixture folder";
    check_fixture_pairs(folder);
}

bytes random_bytes(std::size_t size, int alphabet, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> pick(0, alphabet - 1);
    bytes result(size);
    for (auto& byte : result) byte = static_cast<std::uint8_t>(pick(generator));
    return result;
}

TEST(LzhCoder, PackThenUnpackRestoresAnyInput) {
    struct data_case {
        std::size_t size;
        int alphabet;  // 1 gives a run of one byte
    };
    const data_case cases[] = {{0, 256},    {1, 256},    {1, 1},      {59, 256},   {60, 4},     {61, 1},
                               {4095, 16},  {4097, 256}, {5000, 1},   {70000, 3},  {100000, 256}, {200000, 40}};
    unsigned seed = 1;
    for (const auto& item : cases) {
        SCOPED_TRACE("size " + std::to_string(item.size) + ", alphabet " + std::to_string(item.alphabet));
        const bytes plain = random_bytes(item.size, item.alphabet, seed++);
        const bytes packed = lzh_pack(plain);
        ASSERT_GE(packed.size(), 4u);
        EXPECT_EQ(packed[0] | (packed[1] << 8) | (packed[2] << 16) | (packed[3] << 24), static_cast<int>(item.size));
        EXPECT_EQ(lzh_unpack(packed), plain);
    }
}

TEST(LzhCoder, PatternsRepeatingAtEveryShortDistanceComeBack) {
    // Matches that overlap the bytes they produce, at each distance a copy may treat apart.
    for (int period = 1; period <= 17; ++period) {
        SCOPED_TRACE("period " + std::to_string(period));
        const bytes pattern = random_bytes(static_cast<std::size_t>(period), 256, static_cast<unsigned>(period));
        bytes plain;
        while (plain.size() < 3000) plain.insert(plain.end(), pattern.begin(), pattern.end());
        EXPECT_EQ(lzh_unpack(lzh_pack(plain)), plain);
    }
}

TEST(LzhCompressor, EachDirectionEmptiesTheStreamItRead) {
    My_LZH_Compressor compressor;
    compressor.compression(true);
    EXPECT_EQ(compressor.o_s.take(), bytes({0, 0, 0, 0}));

    const std::string text = "Quorrings settings\r\nQuorrings settings\r\n";
    compressor.i_s.assign(bytes(text.begin(), text.end()));
    compressor.compression(true);
    EXPECT_EQ(compressor.i_s.size(), 0u);
    EXPECT_GT(compressor.o_s.size(), 4u);

    compressor.compression(false);
    EXPECT_EQ(compressor.o_s.size(), 0u);
    EXPECT_EQ(compressor.i_s.take(), bytes(text.begin(), text.end()));
}

TEST(LzhCompressor, ProgressMovesOncePerKibibyteOfInput) {
    struct recording_bar : progress_indicator {
        std::vector<int> positions;
        void set_position(int position) override { positions.push_back(position); }
    } bar;
    std::vector<int> reported;
    My_LZH_Compressor compressor;
    compressor.progressbar = &bar;
    compressor.on_progress = [&reported](int kibibytes) { reported.push_back(kibibytes); };
    compressor.i_s.assign(random_bytes(10240, 7, 3));
    compressor.compression(true);
    const std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(bar.positions, expected);
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(compressor.bytes_read, 10240);
}

TEST(LzhCompressor, HeadersTheStreamCannotHoldAreReportedAsDamage) {
    // 4 GiB minus one would be -1, which means no data; these claim far more than 3 bytes can give.
    const bytes claims[] = {{0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x10, 0x00, 0x12, 0x34, 0x56}};
    for (const auto& packed : claims) {
        try {
            lzh_unpack(packed);
            ADD_FAILURE() << "a damaged header was obeyed";
        } catch (const ElzhException& error) {
            EXPECT_NE(std::string(error.what()).find("damaged"), std::string::npos) << error.what();
        }
    }
    // However long the packed stream, no header is obeyed beyond the hard cap.
    const read_procedure zeros = [](std::uint8_t* buffer, std::uint16_t) -> std::uint16_t { *buffer = 0; return 1; };
    const write_procedure sink = [](const std::uint8_t*, std::uint16_t count) { return count; };
    EXPECT_THROW(decode_stream(lzh_plain_length_limit + 1, zeros, sink), ElzhException);
}

TEST(LzhCompressor, ShortOrNonPositiveHeadersGiveNoData) {
    const bytes cases[] = {{}, {0x05, 0x00}, {0xFF, 0xFF, 0xFF, 0xFF, 0x12}, {0x00, 0x00, 0x00, 0x80, 0xAB}};
    for (const auto& packed : cases) EXPECT_TRUE(lzh_unpack(packed).empty());
}

TEST(LzhCompressor, TruncatedOrRandomPackedDataGivesExactlyTheClaimedLength) {
    const auto fixture = std::filesystem::path(QUOR_TEST_DIR) / "storage" / "fixtures" / "lzh" / "library3.cmp";
    const bytes whole = file_contents(fixture);
    ASSERT_GT(whole.size(), 100u);
    const bytes truncated(whole.begin(), whole.begin() + 100);
    EXPECT_EQ(lzh_unpack(truncated).size(), 5659u);

    std::mt19937 generator(99);
    for (int trial = 0; trial < 50; ++trial) {
        bytes noise = random_bytes(8 + generator() % 2000, 256, generator());
        const std::uint32_t claim = generator() % 20000;
        for (int index = 0; index < 4; ++index) noise[index] = static_cast<std::uint8_t>(claim >> (8 * index));
        try {
            EXPECT_EQ(lzh_unpack(noise).size(), claim);
        } catch (const ElzhException&) {
            EXPECT_GT(claim, (noise.size() - 4) * lzh_expansion_limit);
        }
    }
}

TEST(LzhCoder, EachCallHasItsOwnState) {
    // Packing again from inside a running packing must disturb neither.
    const bytes outer = random_bytes(9000, 5, 11);
    const bytes inner = random_bytes(7000, 9, 12);
    const bytes outer_alone = lzh_pack(outer);
    const bytes inner_alone = lzh_pack(inner);

    std::size_t position = 0;
    bytes packed;
    bytes inner_nested;
    encode_stream(
        [&](std::uint8_t* buffer, std::uint16_t) -> std::uint16_t {
            if (position == outer.size()) return 0;
            *buffer = outer[position++];
            return 1;
        },
        [&](const std::uint8_t* buffer, std::uint16_t count) -> std::uint16_t {
            if (packed.size() == 100) inner_nested = lzh_pack(inner);
            packed.insert(packed.end(), buffer, buffer + count);
            return count;
        });
    EXPECT_EQ(bytes(outer_alone.begin() + 4, outer_alone.end()), packed);
    EXPECT_EQ(inner_nested, inner_alone);
}

struct two_decodings {
    bytes from_memory;
    bool memory_complete = false;
    testing::procedure_decoding through_procedures;
};

// The stream after the header, decoded both from memory and through one read and
// one write call per byte.
two_decodings decode_both_ways(const bytes& stream, std::int32_t plain_length) {
    two_decodings result;
    result.memory_complete = decode_bytes(stream, plain_length, result.from_memory);
    result.through_procedures = testing::decode_through_procedures(stream, plain_length);
    return result;
}

TEST(LzhCoder, SaysWhetherTheInputHeldEveryBitTheLengthNeeded) {
    const bytes whole = file_contents(lzh_fixture("library3.cmp"));
    const bytes stream(whole.begin() + 4, whole.end());
    struct length_case {
        std::size_t stream_bytes;
        std::int32_t plain_length;
        bool complete;
    };
    const length_case cases[] = {
        {stream.size(), 5659, true},       // the stream as packed
        {stream.size() - 1, 5659, false},  // its last byte still holds bits of the last symbol
        {stream.size() - 1, 5600, true},   // a shorter length ends before the missing byte
        {100, 5659, false},
        {0, 1, false},
        {0, 0, true},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(std::to_string(item.stream_bytes) + " bytes for " + std::to_string(item.plain_length));
        const two_decodings decoded =
            decode_both_ways(bytes(stream.begin(), stream.begin() + item.stream_bytes), item.plain_length);
        EXPECT_EQ(decoded.memory_complete, item.complete);
        EXPECT_EQ(decoded.through_procedures.complete, item.complete);
        EXPECT_EQ(decoded.from_memory.size(), static_cast<std::size_t>(item.plain_length));
    }
}

TEST(LzhCoder, MemoryAndProcedureDecodingAgreeOnAnyStream) {
    // Noise reaches back into the ring as it starts (spaces, and zeros at its end),
    // overlaps copies with themselves and runs out of input.
    std::mt19937 generator(7);
    for (int trial = 0; trial < 200; ++trial) {
        const bytes noise = random_bytes(generator() % 600, 1 + static_cast<int>(generator() % 256), generator());
        const auto plain_length = static_cast<std::int32_t>(generator() % 9000);
        SCOPED_TRACE("trial " + std::to_string(trial));
        const two_decodings decoded = decode_both_ways(noise, plain_length);
        ASSERT_EQ(decoded.from_memory, decoded.through_procedures.plain);
        ASSERT_EQ(decoded.memory_complete, decoded.through_procedures.complete);
    }
    for (const char* name : {"library3.cmp", "random40k.cmp", "run5000.cmp"}) {
        const bytes whole = file_contents(lzh_fixture(name));
        const two_decodings decoded = decode_both_ways(bytes(whole.begin() + 4, whole.end()),
                                                       whole[0] | (whole[1] << 8) | (whole[2] << 16));
        EXPECT_EQ(decoded.from_memory, decoded.through_procedures.plain) << name;
    }
}

TEST(LzhCompressor, UnpackingCountsPackedBytesReadAndMovesOncePerKibibyte) {
    struct recording_bar : progress_indicator {
        std::vector<int> positions;
        void set_position(int position) override { positions.push_back(position); }
    };
    const bytes whole = file_contents(lzh_fixture("random40k.cmp"));
    struct unpack_case {
        std::size_t packed_size;
        std::int32_t bytes_read;  // the header is not counted, nor zeros read past the end
        bool ran_out;
    };
    const unpack_case cases[] = {{whole.size(), 40141, false}, {10004, 10000, true}};
    for (const auto& item : cases) {
        SCOPED_TRACE(item.packed_size);
        recording_bar bar;
        My_LZH_Compressor compressor;
        compressor.progressbar = &bar;
        compressor.o_s.assign(std::span(whole).first(item.packed_size));
        compressor.compression(false);
        EXPECT_EQ(compressor.bytes_read, item.bytes_read);
        EXPECT_EQ(compressor.input_ran_out, item.ran_out);
        EXPECT_EQ(compressor.i_s.size(), 40000u);
        std::vector<int> expected(static_cast<std::size_t>(item.bytes_read / 1024));
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(bar.positions, expected);
    }
}

TEST(LzhCompressor, StrictUnpackingRefusesWhatLenientUnpackingReadsAsNoDataOrNoise) {
    const bytes library3 = file_contents(lzh_fixture("library3.cmp"));
    bytes negative = library3;
    negative[3] = 0xFF;
    const bytes cases[] = {
        {},
        {0x00, 0x00, 0x00},
        negative,
        bytes(library3.begin(), library3.end() - 1),
    };
    for (const auto& packed : cases) {
        SCOPED_TRACE(packed.size());
        EXPECT_NO_THROW(lzh_unpack(packed));
        try {
            lzh_unpack_strict(packed);
            ADD_FAILURE() << "damaged data was unpacked";
        } catch (const ElzhException& error) {
            EXPECT_EQ(std::string(error.what()).rfind("LZH : The packed data is damaged: ", 0), 0u) << error.what();
        }
    }
}

TEST(LzhCompressor, UnpacksAFileAndReportsOneItCannotRead) {
    const auto folder = std::filesystem::path(QUOR_TEST_DIR) / "storage" / "fixtures" / "lzh";
    EXPECT_EQ(lzh_unpack_file(folder / "short.cmp"), file_contents(folder / "short.txt"));
    EXPECT_THROW(lzh_unpack_file(folder / "no such file.cmp"), ElzhException);
}

}  // namespace
}  // namespace quor

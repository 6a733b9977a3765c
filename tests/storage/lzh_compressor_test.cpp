#include "storage/lzh_compressor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "storage/file_bytes.h"
#include "storage/lzh_exception.h"

namespace quor {
namespace {

using bytes = std::vector<std::uint8_t>;

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

TEST(LzhCompressor, UnpacksAFileAndReportsOneItCannotRead) {
    const auto folder = std::filesystem::path(QUOR_TEST_DIR) / "storage" / "fixtures" / "lzh";
    EXPECT_EQ(lzh_unpack_file(folder / "short.cmp"), file_contents(folder / "short.txt"));
    EXPECT_THROW(lzh_unpack_file(folder / "no such file.cmp"), ElzhException);
}

}  // namespace
}  // namespace quor

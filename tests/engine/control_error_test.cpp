#include "engine/control_error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quor {
namespace {

TEST(integer_text, only_optional_sign_and_decimal_digits_within_32_bits_convert) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"0", 0},           {"-128", -128},    {"+7", 7},           {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},      {"2147483648", std::nullopt},        {"", std::nullopt},
        {"-", std::nullopt}, {"+", std::nullopt}, {"+-1", std::nullopt}, {"12x", std::nullopt},
        {" 1", std::nullopt}, {"1 ", std::nullopt}, {"$10", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parse_integer(text), expected) << text;
}

TEST(integer_text, a_bad_number_is_reported_with_its_text) {
    try {
        text_to_integer("1O0");
        FAIL();
    } catch (const integer_conversion_error& error) {
        EXPECT_STREQ(error.what(), "'1O0' is not a valid integer value");
    }
}

}  // namespace
}  // namespace quor

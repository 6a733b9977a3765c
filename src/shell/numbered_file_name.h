#pragma once
// A file name with a printf-style frame number, such as "frame_%04d.png": one
// "%d", optionally with the 0 flag and a width; "%%" stands for a percent sign.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quor {

class numbered_file_name {
public:
    // None when `name` holds no '%'; throws usage_error for any '%' but the
    // forms above, or for a number asked for other than exactly once.
    static std::optional<numbered_file_name> parse(std::string_view name);

    // The name of frame `number` (0 or more): the digits padded to the width,
    // with zeros when the 0 flag was given, otherwise with spaces, as printf does.
    std::string name_of(std::int64_t number) const;

private:
    std::string before_;
    std::string after_;
    int width_ = 0;
    bool zero_padded_ = false;
};

}  // namespace quor

#pragma once
// A settings library file as the command-line programs and the screensaver
// module are given it: packed or plain as its name says.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace quor {

inline constexpr std::string_view packed_extension = ".cmp";
inline constexpr std::string_view plain_extension = ".txt";

// True when the name ends in ".cmp", in any letter case.
bool is_packed_file_name(const std::filesystem::path& path);

// The text says which file and what is wrong with it: "PATH: reason".
class library_file_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The library's plain text: the file's bytes, unpacked when its name says
// packed. Unpacking is as lenient as the program's own loading: a packed file
// cut short gives text that the library reader reports as damaged.
std::vector<std::uint8_t> read_library_text(const std::filesystem::path& path);

}  // namespace quor

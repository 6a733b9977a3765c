#pragma once
// The error raised by the LZH coder; its message is shown to the user as it stands.

#include <stdexcept>
#include <string>

namespace quor {

inline constexpr const char* lzh_memory_message = "LZH : Cannot get memory for dictionary tables";
// Kept for callers that match on it; the coder's working state is released by its
// destructor, which cannot fail, so the coder itself never raises it.
inline constexpr const char* lzh_free_message = "LZH : Error freeing memory for dictionary tables";

class ElzhException : public std::runtime_error {
public:
    explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quor

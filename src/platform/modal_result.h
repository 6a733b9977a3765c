#pragma once
// How a modal dialog was closed, as every dialog of the program answers it:
// OK is 1 and Cancel 2, the values the old toolkit's modal loops returned.

#include <ostream>

namespace quor {

enum class modal_result { still_open = 0, ok = 1, cancel = 2 };

// The code a toolkit's modal loop takes and returns.
constexpr int modal_result_code(modal_result result) { return static_cast<int>(result); }

// What a finished modal loop answered: anything but OK counts as Cancel, since
// a loop also ends when the program does.
constexpr modal_result closed_result(int code) {
    return code == modal_result_code(modal_result::ok) ? modal_result::ok : modal_result::cancel;
}

inline std::ostream& operator<<(std::ostream& out, modal_result result) {
    switch (result) {
        case modal_result::still_open: return out << "still open";
        case modal_result::ok: return out << "OK";
        case modal_result::cancel: return out << "Cancel";
    }
    return out << modal_result_code(result);
}

}  // namespace quor

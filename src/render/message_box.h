#pragma once
// Where the core shows a message the user must read: a plain box with one OK
// button. The Qt layer shows it; tests record it.

#include <string>

namespace quor {

class message_box {
public:
    virtual ~message_box() = default;
    // Text may hold carriage returns (13) and line feeds (10) as line breaks.
    virtual void show_message(const std::string& text) = 0;
};

}  // namespace quor

#pragma once
// Where the program tells the user something or asks a yes/no question: a plain
// box with one OK button, or a confirmation box with Yes and No. The Qt layer
// shows them; tests record and answer them. Texts are passed exactly as they are
// to appear; they may hold carriage returns and line feeds, and their spaces
// belong to them.

#include <string_view>

namespace quor {

class message_box {
public:
    virtual ~message_box() = default;
    // Returns when the user has closed the box.
    virtual void show_message(std::string_view text) = 0;
    // True only for Yes.
    virtual bool ask_yes_no(std::string_view text) = 0;
};

}  // namespace quor

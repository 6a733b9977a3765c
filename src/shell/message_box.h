#pragma once
// Where the program tells the user something or asks a yes/no question.
// Texts are passed exactly as they are to appear; they may hold carriage
// returns and line feeds, and their spaces belong to them.

#include <string_view>

namespace quor {

class message_box {
public:
    virtual ~message_box() = default;
    // A plain box with one OK button; returns when the user has closed it.
    virtual void show_message(std::string_view text) = 0;
    // A confirmation box with Yes and No; true only for Yes.
    virtual bool ask_yes_no(std::string_view text) = 0;
};

}  // namespace quor

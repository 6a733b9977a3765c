#pragma once
// Messages for runs with nobody to close a box: the command-line programs, the
// screensaver module and unattended runs of the program. Each text goes to
// standard error as one line, so that a log keeps one message per line, and a
// question takes a fixed answer.

#include "platform/message_box.h"

#include <string>
#include <string_view>

namespace quor {

class stderr_message_box final : public message_box {
public:
    // Every line starts with `line_start` (a program's "name: ", or nothing);
    // every question is answered `answer`.
    explicit stderr_message_box(std::string line_start = {}, bool answer = true);

    // "message: TEXT"
    void show_message(std::string_view text) override;
    // "question answered Yes: TEXT" (or No)
    bool ask_yes_no(std::string_view text) override;

private:
    void write_line(std::string_view kind, std::string_view text) const;

    std::string line_start_;
    bool answer_;
};

// One line standing for the text: carriage returns, line feeds and backslashes
// written as \r, \n and \\.
std::string escaped_line(std::string_view text);

}  // namespace quor

#include "platform/stderr_message_box.h"

#include <cstdio>

namespace quor {

std::string escaped_line(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else if (c == '\\')
            line += "\\\\";
        else
            line += c;
    }
    return line;
}

stderr_message_box::stderr_message_box(std::string line_start, bool answer)
    : line_start_(std::move(line_start)), answer_(answer) {}

void stderr_message_box::write_line(std::string_view kind, std::string_view text) const {
    // One write for the whole line, so that lines of other writers never cut into it.
    const std::string line = line_start_ + std::string(kind) + ": " + escaped_line(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

void stderr_message_box::show_message(std::string_view text) { write_line("message", text); }

bool stderr_message_box::ask_yes_no(std::string_view text) {
    write_line(answer_ ? "question answered Yes" : "question answered No", text);
    return answer_;
}

}  // namespace quor

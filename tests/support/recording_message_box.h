#pragma once
// A message box that records what it was shown and answers questions from a
// script, for tests and headless runs.

#include "platform/message_box.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class recording_message_box : public message_box {
public:
    void show_message(std::string_view text) override { messages.emplace_back(text); }
    bool ask_yes_no(std::string_view text) override {
        questions.emplace_back(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> messages;   // every plain message, in order
    std::vector<std::string> questions;  // every yes/no question, in order
    std::deque<bool> answers;            // answers to the next questions; No when empty
};

}  // namespace quor

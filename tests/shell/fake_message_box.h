#pragma once
// A message box that records what it was shown and answers from a script.

#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace quor::testing {

class fake_message_box : public message_box {
public:
    // "message: TEXT" or "question: TEXT", in the order shown.
    std::vector<std::string> shown;
    // Answers for the questions, in order; a question past the end is answered No.
    std::deque<bool> answers;

    void show_message(std::string_view text) override { shown.push_back("message: " + std::string(text)); }
    bool ask_yes_no(std::string_view text) override {
        shown.push_back("question: " + std::string(text));
        if (answers.empty()) return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

inline std::string message(std::string_view text) { return "message: " + std::string(text); }
inline std::string question(std::string_view text) { return "question: " + std::string(text); }

}  // namespace quor::testing

#pragma once
// Message and confirmation boxes as Qt message boxes.
//
// With QUORRINGS_UNATTENDED set in the environment (checks that run the whole
// program without a user) no box is shown: each text goes to standard error on
// a line of its own and a question takes the boxes' default answer, Yes.

#include <QString>

#include <optional>
#include <string_view>

#include "platform/message_box.h"
#include "platform/stderr_message_box.h"

namespace quor {

class qt_message_box final : public message_box {
public:
    qt_message_box();

    // Until a title is set, boxes carry the application's name.
    void set_title(const QString& title) { title_ = title; }
    QString title() const;

    void show_message(std::string_view text) override;
    bool ask_yes_no(std::string_view text) override;

private:
    QString title_;
    std::optional<stderr_message_box> unattended_;
};

// The text as Qt lays it out: a carriage return, alone or before a line feed,
// ends a line as it does in the texts' own convention.
QString displayed_text(std::string_view text);

}  // namespace quor

#pragma once
// Message and confirmation boxes as Qt message boxes.

#include <QString>

#include "render/message_box.h"

namespace quor {

class qt_message_box final : public message_box {
public:
    // Until a title is set, boxes carry the application's name.
    void set_title(const QString& title) { title_ = title; }
    QString title() const;

    void show_message(std::string_view text) override;
    bool ask_yes_no(std::string_view text) override;

private:
    QString title_;
};

// The text as Qt lays it out: a carriage return, alone or before a line feed,
// ends a line as it does in the texts' own convention.
QString displayed_text(std::string_view text);

}  // namespace quor

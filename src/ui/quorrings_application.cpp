#include "ui/quorrings_application.h"

#include <exception>

namespace quor {

quorrings_application::quorrings_application(int& argc, char** argv)
    : QApplication(argc, argv), error_messages_(&own_messages_) {}

void quorrings_application::set_error_messages(message_box* messages) {
    error_messages_ = messages ? messages : &own_messages_;
}

bool quorrings_application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        error_messages_->show_message(error.what());
    } catch (...) {
        error_messages_->show_message("Unknown error");
    }
    return false;
}

}  // namespace quor

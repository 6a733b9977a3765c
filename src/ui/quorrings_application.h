#pragma once
// The application object, with the program's top-level error handler: an
// exception that leaves an event handler is shown in a message box, and the
// program runs on.

#include <QApplication>

#include "platform/message_box.h"
#include "ui/qt_message_box.h"

namespace quor {

class quorrings_application : public QApplication {
public:
    quorrings_application(int& argc, char** argv);

    // Where errors are shown; null puts back the application's own message box.
    void set_error_messages(message_box* messages);
    // The application's own message box, which the rest of the program may share.
    qt_message_box& messages() { return own_messages_; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    qt_message_box own_messages_;
    message_box* error_messages_;
};

}  // namespace quor

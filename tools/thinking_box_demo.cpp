// Shows the progress box over a black full-screen window, to look at it:
//   thinking_box_demo [bar | message | question]
// The box is shown while the program is busy away from the event loop for
// two seconds, so it must be visible without help from the loop.

#include <chrono>
#include <string>
#include <thread>

#include <QTimer>
#include <QWidget>

#include "shell/startup_text.h"
#include "shell/thinking_box.h"
#include "ui/cursors.h"
#include "ui/quorrings_application.h"
#include "ui/thinking_box_view.h"

int main(int argc, char** argv) {
    quor::quorrings_application application(argc, argv);
    std::string what = argc > 1 ? argv[1] : "";

    QWidget background;
    background.setStyleSheet(QStringLiteral("background: black"));
    background.setCursor(quor::cursor_for_slot(quor::dotted_cursor_slot));
    background.showFullScreen();

    quor::qt_thinking_box_view view;
    quor::TThinking_box box(view);
    application.messages().set_title(QString::fromUtf8(quor::startup_text::application_title.data()));

    QTimer::singleShot(200, [&] {
        if (what == "message") {
            application.messages().show_message(quor::startup_text::scroll_bar_warning);
        } else if (what == "question") {
            application.messages().ask_yes_no(quor::startup_text::switch_question);
        } else if (what == "bar") {
            box.think_show_bar(nullptr, "Compressing Quorrings settings data");
            box.set_bar_maximum(10);
            for (int kilobytes = 0; kilobytes <= 6; ++kilobytes) {
                box.set_bar_position(kilobytes);
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            }
        } else {
            box.think_show(nullptr, quor::startup_text::initializing_second_phase);
            std::this_thread::sleep_for(std::chrono::seconds(2));
        }
    });
    return application.exec();
}

#include "ui/qt_message_box.h"

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "shell/startup_text.h"
#include "test_application.h"

namespace quor {
namespace {

struct seen_box {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// When the next message box is up, notes what it shows and presses `button`
// (or closes it with Escape when `button` is NoButton).
void answer_next_box(QMessageBox::StandardButton button, seen_box& seen, int tries = 100) {
    QTimer::singleShot(10, [button, &seen, tries] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (tries > 0) answer_next_box(button, seen, tries - 1);
            return;
        }
        seen = {box->windowTitle(), box->text(), box->standardButtons()};
        if (button == QMessageBox::NoButton)
            box->reject();
        else
            box->button(button)->click();
    });
}

TEST(qt_message_box_test, carriage_returns_end_lines) {
    EXPECT_EQ(displayed_text("a\rb\r\nc\nd\r\re"), QStringLiteral("a\nb\nc\nd\n\ne"));
    EXPECT_EQ(displayed_text("  spaces stay  "), QStringLiteral("  spaces stay  "));
    // Unattended runs write each text on one line that can be read back.
    EXPECT_EQ(escaped_line("a\r\nb\\c\rd"), "a\\r\\nb\\\\c\\rd");
}

TEST(qt_message_box_test, questions_have_yes_and_no_and_only_yes_agrees) {
    testing::test_application();
    qt_message_box messages;
    messages.set_title(QString::fromUtf8(startup_text::application_title.data()));
    struct {
        QMessageBox::StandardButton press;
        bool answer;
    } const cases[] = {{QMessageBox::Yes, true}, {QMessageBox::No, false}, {QMessageBox::NoButton, false}};
    for (const auto& test : cases) {
        seen_box seen;
        answer_next_box(test.press, seen);
        EXPECT_EQ(messages.ask_yes_no(startup_text::restart_question), test.answer);
        EXPECT_EQ(seen.title, QStringLiteral("Quorrings from Kestovar"));
        EXPECT_EQ(seen.text, displayed_text(startup_text::restart_question));
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    }
}

TEST(qt_message_box_test, messages_have_one_ok_button_and_the_application_name_until_titled) {
    testing::test_application();
    qt_message_box messages;
    seen_box seen;
    answer_next_box(QMessageBox::Ok, seen);
    messages.show_message("Couldn't find a compatible display mode");
    EXPECT_EQ(seen.title, QCoreApplication::applicationName());
    EXPECT_EQ(seen.text, QStringLiteral("Couldn't find a compatible display mode"));
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

}  // namespace
}  // namespace quor

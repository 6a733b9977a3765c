#include "ui/idle_adapter.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include "test_application.h"

namespace quor {
namespace {

using testing::run_loop_for;

TEST(idle_adapter_test, keeps_calling_inside_a_nested_modal_loop) {
    testing::test_application();
    QDialog dialog;
    int calls_while_modal = 0;
    idle_adapter idle([&](idle_turn& turn) {
        if (QApplication::activeModalWidget() == &dialog) ++calls_while_modal;
        if (calls_while_modal == 50) dialog.accept();
        turn.done = false;
    });
    QTimer::singleShot(5000, &dialog, &QDialog::reject);  // in case it never runs
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(calls_while_modal, 50);
}

TEST(idle_adapter_test, done_waits_for_the_next_event) {
    testing::test_application();
    QObject receiver;
    int calls = 0;
    idle_adapter idle([&](idle_turn&) { ++calls; });  // leaves done true

    run_loop_for(50);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(idle.waiting());

    // Presenting a frame is no new event.
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::UpdateRequest));
    run_loop_for(30);
    EXPECT_EQ(calls, 1);

    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    run_loop_for(30);
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(idle.waiting());

    // A new handler is called at once, and a handler that keeps the loop busy runs on.
    int busy_calls = 0;
    idle.set_handler([&](idle_turn& turn) {
        ++busy_calls;
        turn.done = false;
    });
    run_loop_for(30);
    EXPECT_GT(busy_calls, 2);
    EXPECT_FALSE(idle.waiting());
}

TEST(idle_adapter_test, is_not_reentered_from_a_loop_the_handler_opens) {
    testing::test_application();
    int depth = 0;
    int deepest = 0;
    int calls = 0;
    idle_adapter idle([&](idle_turn& turn) {
        ++calls;
        ++depth;
        deepest = std::max(deepest, depth);
        if (calls == 1) {
            QDialog dialog;
            QTimer::singleShot(30, &dialog, &QDialog::accept);
            dialog.exec();
        }
        --depth;
        turn.done = calls >= 3;
    });
    run_loop_for(100);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(calls, 3);
}

}  // namespace
}  // namespace quor

#include "ui/quorrings_application.h"

#include <stdexcept>

#include <QElapsedTimer>
#include <QEvent>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../shell/fake_message_box.h"
#include "test_application.h"
#include "ui/idle_adapter.h"

namespace quor {
namespace {

using ::testing::ElementsAre;

class throwing_object : public QObject {
public:
    int events = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        ++events;
        if (events == 1) throw std::runtime_error("'abc' is not a valid integer value");
        if (events == 2) throw 42;
        return true;
    }
};

class error_handler_test : public ::testing::Test {
protected:
    error_handler_test() { testing::test_application().set_error_messages(&messages); }
    ~error_handler_test() override { testing::test_application().set_error_messages(nullptr); }
    testing::fake_message_box messages;
};

TEST_F(error_handler_test, shows_an_escaping_exception_and_runs_on) {
    throwing_object target;
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents(&target);
    }
    EXPECT_EQ(target.events, 3);
    EXPECT_THAT(messages.shown, ElementsAre("message: 'abc' is not a valid integer value",
                                            "message: Unknown error"));
}

TEST_F(error_handler_test, a_failing_idle_handler_waits_for_the_next_event) {
    int calls = 0;
    idle_adapter idle([&](idle_turn& turn) {
        ++calls;
        turn.done = false;
        throw std::runtime_error("frame failed");
    });
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 50) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(calls, 1);
    EXPECT_THAT(messages.shown, ElementsAre("message: frame failed"));
    EXPECT_TRUE(idle.waiting());
}

}  // namespace
}  // namespace quor

#include "ui/termination_signal.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>

#include <gtest/gtest.h>

#include "test_application.h"

namespace quor {
namespace {

TEST(termination_signal_test, a_signal_runs_the_handler_inside_the_event_loop_once) {
    testing::test_application();
    int calls = 0;
    termination_signal termination([&] { ++calls; });
    std::raise(SIGTERM);
    EXPECT_EQ(calls, 0);  // not from inside the signal handler
    QElapsedTimer clock;
    clock.start();
    while (calls == 0 && clock.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace quor

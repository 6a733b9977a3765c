#pragma once
// The one application object of the ui tests, and a way to let its loop turn: the program's own, so that its
// top-level error handler is the one under test. Created on first use.

#include <QCoreApplication>
#include <QElapsedTimer>

#include "ui/quorrings_application.h"

namespace quor::testing {

inline quorrings_application& test_application() {
    static int argc = 1;
    static char name[] = "quorrings_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: run at exit, its destructor would follow Qt's own globals out.
    static quorrings_application* application = new quorrings_application(argc, argv);
    return *application;
}

// Lets the event loop turn for a while without sending it anything.
inline void run_loop_for(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace quor::testing

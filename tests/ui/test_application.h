#pragma once
// The one application object of the ui tests: the program's own, so that its
// top-level error handler is the one under test. Created on first use.

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

}  // namespace quor::testing

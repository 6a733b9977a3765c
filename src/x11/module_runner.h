#pragma once
// The screensaver module's run: the animation drawn into its X window until
// the window goes, SIGTERM or SIGINT arrives, or the display is lost. It shows
// no box and takes no input: every message is one line on standard error.

#include "platform/file_locations.h"
#include "shell/program_arguments.h"

namespace quor {

// The process's exit code: 0 for a normal end (a signal, the window gone),
// 1 when it cannot run, 2 for times the options dialog would refuse.
int run_module(const module_arguments& arguments, const file_locations& locations);

}  // namespace quor

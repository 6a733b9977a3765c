#pragma once
// A fresh temporary directory per test, and a message box that records.

#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

#include <string>
#include <vector>

namespace quor::testing {

using quor::recording_message_box;

}  // namespace quor::testing

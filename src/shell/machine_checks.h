#pragma once
// The start-up's warnings about the machine: neither stops the program.

#include "platform/message_box.h"

namespace quor {

// The processor's class in the old numbering: 386, 486, 586 (Pentium), ...
class processor_info {
public:
    virtual ~processor_info() = default;
    virtual int processor_type() = 0;
};

// Asks the processor this program runs on.
class host_processor final : public processor_info {
public:
    int processor_type() override;
};

inline constexpr int pentium_processor_type = 586;

// True on a Pentium-class processor or better; below, warns first.
bool check_processor(processor_info& processor, message_box& messages);

// Scroll bars this wide or wider make the settings form hard to use.
inline constexpr int large_scroll_bar_width = 20;  // pixels

// Warns when a vertical scroll bar is `large_scroll_bar_width` pixels or wider.
void check_scroll_bars(int vertical_scroll_bar_width, message_box& messages);

}  // namespace quor

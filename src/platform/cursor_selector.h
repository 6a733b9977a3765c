#pragma once
// Which mouse cursor the animation shows over its window.

namespace quor {

// Slot 1 is the normal cursor, slot 2 the invisible one.
class cursor_selector {
public:
    virtual ~cursor_selector() = default;
    virtual void select_cursor(int slot) = 0;
};

}  // namespace quor

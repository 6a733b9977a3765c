#include "ui/window_cursor.h"

#include "ui/cursors.h"

namespace quor {

void window_cursor::select_cursor(int slot) {
    slot_ = slot;
    apply();
}

void window_cursor::attach(QWidget* window) {
    window_ = window;
    apply();
}

void window_cursor::apply() {
    if (window_) window_->setCursor(cursor_for_slot(slot_));
}

}  // namespace quor

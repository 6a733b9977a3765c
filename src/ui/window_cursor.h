#pragma once
// The cursor the ring engine chooses (slot 1 or 2), shown over one window only,
// so the dialogs on top keep the ordinary arrow. The engine chooses before the
// window exists; the choice is applied when the window is attached.

#include <QPointer>
#include <QWidget>

#include "platform/cursor_selector.h"

namespace quor {

class window_cursor final : public cursor_selector {
public:
    void select_cursor(int slot) override;
    void attach(QWidget* window);
    int slot() const { return slot_; }

private:
    void apply();

    QPointer<QWidget> window_;
    int slot_ = 1;
};

}  // namespace quor

#pragma once
// Up-down arrows, usually attached to an edit box whose text shows the position.
// Like the old toolkit's buddy integer, an attached box's text is the position
// whenever it holds a decimal integer inside the range: typing into the box moves
// the arrows' starting point.

#include "engine/control.h"
#include "engine/control_set.h"
#include "engine/edit_box.h"

#include <functional>
#include <utility>

namespace quor {

class up_down : public control {
public:
    // Throws scroll_bar_range_error for minimum > maximum. The attached box, if
    // any, must outlive this control; it is given the position's text.
    up_down(std::string name, int minimum, int maximum, int position, edit_box* associate = nullptr);
    // A field of `owner`, which it joins once built.
    template <typename... Arguments>
    explicit up_down(control_set& owner, Arguments&&... arguments) : up_down(std::forward<Arguments>(arguments)...) {
        owner.add(*this);
    }

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    bool wrap() const { return wrap_; }
    void set_wrap(bool wrap) { wrap_ = wrap; }
    int increment() const { return increment_; }
    void set_increment(int increment) { increment_ = increment; }
    edit_box* associate() const { return associate_; }

    // The attached box's value when it is a valid in-range integer, else the last position set.
    int position() const;
    // Clamped into the range; the attached box shows it.
    void set_position(int position);

    // A click on an arrow: on_changing may refuse it; otherwise the position moves
    // by the increment, stopping at the ends (or wrapping when wrap is set).
    void step_up() { step(increment_); }
    void step_down() { step(-increment_); }

    // Before a step; set allow to false to refuse it.
    std::function<void(up_down&, bool& allow)> on_changing;

private:
    void step(int delta);

    int minimum_;
    int maximum_;
    int position_;
    int increment_ = 1;
    bool wrap_ = false;
    edit_box* associate_ = nullptr;
};

}  // namespace quor

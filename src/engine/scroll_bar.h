#pragma once
// A scroll bar: a position held inside a signed range. A position outside the
// range is moved to the nearer end; a range whose minimum would exceed its
// maximum is refused with scroll_bar_range_error.

#include "engine/control.h"
#include "engine/control_set.h"

#include <functional>
#include <utility>

namespace quor {

// What the user did to the bar.
enum class scroll_code { line_up, line_down, page_up, page_down, thumb_position, thumb_track, top, bottom, end_scroll };

class scroll_bar : public control {
public:
    // Without a range a bar reads 0..100 at 0. Throws scroll_bar_range_error for minimum > maximum.
    explicit scroll_bar(std::string name, int minimum = 0, int maximum = 100, int position = 0, bool vertical = false);
    // A field of `owner`, which it joins once built.
    template <typename... Arguments>
    explicit scroll_bar(control_set& owner, Arguments&&... arguments) : scroll_bar(std::forward<Arguments>(arguments)...) {
        owner.add(*this);
    }

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    bool vertical() const { return vertical_; }
    int large_change() const { return large_change_; }
    int small_change() const { return small_change_; }

    // Each throws scroll_bar_range_error when the minimum would exceed the maximum;
    // the bar is then unchanged.
    void set_minimum(int minimum);
    void set_maximum(int maximum);
    void set_range(int minimum, int maximum);
    // Clamped into the range.
    void set_position(int position);
    void set_large_change(int step);
    void set_small_change(int step);

    // A move by the user: the new position is computed from the code (the thumb
    // position for the thumb codes) and clamped, on_scroll may change it, then
    // it is set like set_position.
    void scroll(scroll_code code, int thumb_position = 0);

    // After every real change of the position (by the user or by program).
    std::function<void(scroll_bar&)> on_change;
    // Before a move by the user; the handler may alter the position about to be taken.
    std::function<void(scroll_bar&, scroll_code, int& position)> on_scroll;

private:
    void set_parameters(int position, int minimum, int maximum);

    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    int large_change_ = 10;
    int small_change_ = 1;
    bool vertical_ = false;
};

}  // namespace quor

#pragma once
// The progress box: a small borderless wait window with a one-line message and
// an optional bar, sized to its message and centred on the screen or on a
// control. It never takes the focus or input. This is its behaviour; the
// toolkit's side draws it through `thinking_box_view`.

#include <string_view>

namespace quor {

struct screen_size {
    int width = 0;   // pixels
    int height = 0;  // pixels
};

struct screen_point {
    int x = 0;
    int y = 0;
    friend bool operator==(const screen_point&, const screen_point&) = default;
};

struct screen_rectangle {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const screen_rectangle&, const screen_rectangle&) = default;
};

// Something the box can be centred on: a control's client area in screen coordinates.
class on_screen_area {
public:
    virtual ~on_screen_area() = default;
    virtual screen_rectangle client_area_on_screen() const = 0;
};

class thinking_box_view {
public:
    virtual ~thinking_box_view() = default;
    // The extent of the character "8" in the message's font.
    virtual screen_size character_size() const = 0;
    virtual screen_size screen() const = 0;
    virtual void set_bounds(const screen_rectangle& bounds) = 0;
    virtual void set_message(std::string_view message) = 0;
    virtual void set_bar_visible(bool visible) = 0;
    // Horizontal place of the bar inside its strip; its top and height are fixed.
    virtual void set_bar_span(int left, int width) = 0;
    virtual void set_bar_maximum(int maximum) = 0;
    virtual void set_bar_position(int position) = 0;
    // Shown on top without activation, and painted at once: the caller may
    // keep the event loop busy for a long while.
    virtual void show_and_paint() = 0;
    virtual void hide() = 0;
};

// Top-left corner that centres `window` on a screen of size `screen`
// (a larger window starts left of or above the screen's edge).
screen_point centred_origin(screen_size screen, screen_size window);

class TThinking_box {
public:
    static constexpr int bar_strip_height = 24;  // pixels, under the message
    static constexpr int bar_margin = 8;         // pixels either side of the bar

    // Measures the character size once, as the view reports it now.
    explicit TThinking_box(thinking_box_view& view);

    // `control` may be null: then the box is centred on the screen.
    void think_show(const on_screen_area* control, std::string_view message);
    void think_show_bar(const on_screen_area* control, std::string_view message);
    void think_hide();

    // The bar's range and position belong to whoever drives it.
    void set_bar_maximum(int maximum) { view_.set_bar_maximum(maximum); }
    void set_bar_position(int position) { view_.set_bar_position(position); }

    int char_width() const { return char_width_; }
    int char_height() const { return char_height_; }
    bool box_showing() const { return box_showing_; }

private:
    void show(const on_screen_area* control, std::string_view message, bool with_bar);

    thinking_box_view& view_;
    int char_width_ = 0;   // pixels
    int char_height_ = 0;  // pixels
    bool box_showing_ = false;
};

}  // namespace quor

#include "shell/thinking_box.h"

namespace quor {

namespace {

// Messages are UTF-8; the box is as wide as the characters, not the bytes.
int character_count(std::string_view text) {
    int count = 0;
    for (unsigned char byte : text)
        if ((byte & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

screen_point centred_origin(screen_size screen, screen_size window) {
    // Integer division truncates toward zero, also for a window larger than the screen.
    return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

TThinking_box::TThinking_box(thinking_box_view& view) : view_(view) {
    screen_size character = view_.character_size();
    char_width_ = character.width;
    char_height_ = character.height;
}

void TThinking_box::think_show(const on_screen_area* control, std::string_view message) {
    show(control, message, false);
}

void TThinking_box::think_show_bar(const on_screen_area* control, std::string_view message) {
    show(control, message, true);
}

void TThinking_box::show(const on_screen_area* control, std::string_view message, bool with_bar) {
    screen_size box{character_count(message) * char_width_ + 12, char_height_ + 6};
    if (with_bar) box.height += bar_strip_height;

    screen_rectangle bounds{0, 0, box.width, box.height};
    if (control) {
        screen_rectangle area = control->client_area_on_screen();
        screen_point offset = centred_origin({area.width, area.height}, box);
        bounds.left = area.left + offset.x;
        bounds.top = area.top + offset.y;
    } else {
        screen_point offset = centred_origin(view_.screen(), box);
        bounds.left = offset.x;
        bounds.top = offset.y;
    }

    view_.set_bar_visible(false);
    if (with_bar) view_.set_bar_span(bar_margin, box.width - 2 * bar_margin);
    view_.set_bounds(bounds);
    view_.set_message(message);
    if (with_bar) view_.set_bar_visible(true);
    view_.show_and_paint();
    box_showing_ = true;
}

void TThinking_box::think_hide() {
    view_.hide();
    view_.set_bar_visible(false);
    box_showing_ = false;
}

}  // namespace quor

#pragma once
// A progress box view that keeps its state and logs what it was told.

#include <string>
#include <vector>

#include "shell/thinking_box.h"

namespace quor::testing {

class fake_thinking_box_view : public thinking_box_view {
public:
    screen_size character{8, 15};
    screen_size screen_area{1024, 768};

    screen_rectangle bounds;
    std::string message;
    bool bar_visible = false;
    int bar_left = 0;
    int bar_width = 0;
    bool visible = false;
    // "show MESSAGE" and "hide", in order.
    std::vector<std::string> log;

    screen_size character_size() const override { return character; }
    screen_size screen() const override { return screen_area; }
    void set_bounds(const screen_rectangle& new_bounds) override { bounds = new_bounds; }
    void set_message(std::string_view text) override { message = text; }
    void set_bar_visible(bool shown) override { bar_visible = shown; }
    void set_bar_span(int left, int width) override {
        bar_left = left;
        bar_width = width;
    }
    void set_bar_maximum(int) override {}
    void set_bar_position(int) override {}
    void show_and_paint() override {
        visible = true;
        log.push_back("show " + message);
    }
    void hide() override {
        visible = false;
        log.push_back("hide");
    }
};

}  // namespace quor::testing

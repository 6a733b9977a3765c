#include "engine/attached_handlers.h"
#include "engine/button.h"
#include "engine/scroll_bar.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quor {
namespace {

TEST(attached_handlers, run_while_their_owner_lives_and_leave_every_slot_empty_when_it_goes) {
    button first{"first"};
    button second{"second"};
    scroll_bar bar{"bar"};
    button other{"other"};
    std::vector<std::string> clicks;
    other.on_click = [&](button&) { clicks.push_back("other"); };
    {
        attached_handlers handlers;
        handlers.attach({&first.on_click, &second.on_click}, [&](button& sender) { clicks.push_back(sender.name()); });
        handlers.attach(bar.on_change, [&](scroll_bar& sender) { clicks.push_back(std::to_string(sender.position())); });
        first.click();
        second.click();
        bar.set_position(7);
    }
    EXPECT_FALSE(first.on_click);
    EXPECT_FALSE(second.on_click);
    EXPECT_FALSE(bar.on_change);
    first.click();
    bar.set_position(8);
    other.click();
    EXPECT_EQ(clicks, (std::vector<std::string>{"first", "second", "7", "other"})) << "a slot it never set stays";
}

}  // namespace
}  // namespace quor

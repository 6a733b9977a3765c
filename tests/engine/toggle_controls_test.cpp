#include "engine/check_box.h"
#include "engine/radio_button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

TEST(radio_button, checking_one_unchecks_only_its_own_panel_and_group) {
    radio_panel panel("panel");
    radio_panel other_panel("other");
    radio_button a("a", "A", panel, 0, true);
    radio_button b("b", "B", panel, 0);
    radio_button second_group("c", "C", panel, 1, true);
    radio_button elsewhere("d", "D", other_panel, 0, true);

    b.set_checked(true);
    EXPECT_FALSE(a.checked());
    EXPECT_TRUE(b.checked());
    EXPECT_TRUE(second_group.checked());
    EXPECT_TRUE(elsewhere.checked());
}

TEST(radio_button, a_group_may_be_left_with_none_checked) {
    radio_panel panel("panel");
    radio_button a("a", "A", panel, 0, true);
    radio_button b("b", "B", panel, 0);
    a.set_checked(false);
    EXPECT_FALSE(a.checked());
    EXPECT_FALSE(b.checked());
}

TEST(radio_button, click_runs_when_a_button_becomes_checked_and_views_hear_every_change) {
    radio_panel panel("panel");
    radio_button a("a", "A", panel, 0, true);
    radio_button b("b", "B", panel, 0);
    std::vector<std::string> clicks;
    int a_refreshes = 0;
    a.on_click = b.on_click = [&](radio_button& sender) { clicks.push_back(sender.name()); };
    a.on_state_changed = [&] { ++a_refreshes; };

    b.set_checked(true);   // a is turned off quietly, but its view must redraw
    b.set_checked(true);   // no change
    b.set_checked(false);  // unchecking is no click
    a.set_checked(true);
    EXPECT_EQ(clicks, (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(a_refreshes, 2);
}

TEST(check_box, click_runs_on_every_real_change_by_user_or_program) {
    check_box box("fix", "Fix", false);
    std::vector<bool> seen;
    box.on_click = [&](check_box& sender) { seen.push_back(sender.checked()); };
    box.set_checked(true);
    box.set_checked(true);
    box.set_checked(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace quor

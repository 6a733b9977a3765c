#include "engine/parameter_catalogue.h"
#include "engine/settings_controls.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quor {
namespace {

TEST(parameter_catalogue, holds_the_sixty_two_controls_of_a_setting_once_each) {
    std::map<parameter_kind, int> kinds;
    std::set<std::string_view> names;
    for (const parameter& entry : parameter_catalogue()) {
        ++kinds[entry.kind];
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_LE(entry.minimum, entry.maximum) << entry.name;
    }
    EXPECT_EQ(kinds[parameter_kind::scroll_bar], 36);
    EXPECT_EQ(kinds[parameter_kind::radio_button], 19);
    EXPECT_EQ(kinds[parameter_kind::check_box], 6);
    EXPECT_EQ(kinds[parameter_kind::list_box], 1);
    EXPECT_EQ(find_parameter("MAX_POLYGONS"), nullptr);
}

TEST(settings_controls, the_setting_controls_lead_the_form_in_catalogue_order_with_catalogue_ranges) {
    settings_controls form;
    const auto catalogue = parameter_catalogue();
    ASSERT_GT(form.components().size(), catalogue.size());
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const control* component = form.components()[i];
        EXPECT_EQ(component->name(), catalogue[i].name);
        if (auto* bar = dynamic_cast<const scroll_bar*>(component)) {
            EXPECT_EQ(bar->minimum(), catalogue[i].minimum) << catalogue[i].name;
            EXPECT_EQ(bar->maximum(), catalogue[i].maximum) << catalogue[i].name;
            EXPECT_EQ(bar->position(), catalogue[i].position) << catalogue[i].name;
        }
    }
}

TEST(settings_controls, starts_in_the_designed_state) {
    settings_controls form;
    std::set<std::string> checked;
    for (const control* component : form.components()) {
        if (auto* radio = dynamic_cast<const radio_button*>(component); radio && radio->checked()) {
            checked.insert(radio->name());
        }
        if (auto* box = dynamic_cast<const check_box*>(component); box && box->checked()) checked.insert(box->name());
    }
    EXPECT_EQ(checked, (std::set<std::string>{"rot_ran_per", "pause_continue", "shape_per", "ran_gaussian",
                                              "draw_solid"}));
    EXPECT_EQ(form.speed_scroll.minimum(), 1);
    EXPECT_EQ(form.speed_scroll.maximum(), 200);
    EXPECT_EQ(form.speed_scroll.position(), 1);
    EXPECT_EQ(form.designed_speed.caption(), "1");
    EXPECT_EQ(form.f_speed.caption(), "1");
    EXPECT_EQ(form.palette_inc.minimum(), -128);
    EXPECT_TRUE(form.density4.vertical());
    EXPECT_FALSE(form.Screensaver.visible());
    EXPECT_TRUE(form.in_out.visible());
    EXPECT_FALSE(form.palette_list.has_selection());
}

TEST(settings_controls, finds_controls_by_name_without_regard_to_case) {
    settings_controls form;
    EXPECT_EQ(form.find("Max_Polygons"), &form.max_polygons);
    EXPECT_EQ(form.find("DESIGNED_SPEED"), &form.designed_speed);
    EXPECT_EQ(form.find("screensaver"), &form.Screensaver);
    EXPECT_EQ(form.find("density1"), &form.density1);
    EXPECT_EQ(form.find("density11"), nullptr);
    EXPECT_EQ(form.find(""), nullptr);
}

TEST(settings_controls, radio_groups_of_one_panel_stay_independent) {
    settings_controls form;
    form.ran_uniform.set_checked(true);
    EXPECT_FALSE(form.ran_gaussian.checked());
    form.mouse_motion.set_checked(true);
    EXPECT_TRUE(form.ran_uniform.checked());
    form.par_motion.set_checked(true);
    EXPECT_FALSE(form.mouse_motion.checked());
    // The pause group shares its group number with shape_per, on another panel.
    form.pause_freeze.set_checked(true);
    EXPECT_FALSE(form.pause_continue.checked());
    EXPECT_TRUE(form.shape_per.checked());
    EXPECT_TRUE(form.draw_solid.checked());
}

TEST(settings_controls, the_palette_list_is_refilled_sorted) {
    settings_controls form;
    form.fill_palette_list(std::array{"SUNSET.PAL", "FIRE.PAL"});
    form.palette_list.set_item_index(0);
    form.fill_palette_list(std::vector<std::string>{"RAINBOW.PAL", "ICE.PAL", "FIRE.PAL"});
    EXPECT_EQ(form.palette_list.items(), (std::vector<std::string>{"FIRE.PAL", "ICE.PAL", "RAINBOW.PAL"}));
    EXPECT_FALSE(form.palette_list.has_selection());
}

}  // namespace
}  // namespace quor

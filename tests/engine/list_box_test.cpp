#include "engine/control_error.h"
#include "engine/list_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

TEST(list_box, a_sorted_list_orders_without_regard_to_case_and_the_selection_keeps_its_item) {
    list_box list("list");
    list.add("RAINBOW.PAL");
    list.add("FIRE.PAL");
    list.set_item_index(list.index_of("rainbow.pal"));
    list.add("ice.pal");
    list.add("Aqua.pal");
    EXPECT_EQ(list.items(), (std::vector<std::string>{"Aqua.pal", "FIRE.PAL", "ice.pal", "RAINBOW.PAL"}));
    EXPECT_EQ(list.selected_item(), "RAINBOW.PAL");
    EXPECT_EQ(list.index_of("ICE.PAL"), 2);
    EXPECT_EQ(list.index_of("ICE"), -1);
}

TEST(list_box, an_unsorted_list_keeps_the_order_of_adding) {
    list_box list("list", false);
    list.add("b");
    list.add("a");
    EXPECT_EQ(list.items(), (std::vector<std::string>{"b", "a"}));
}

TEST(list_box, indexes_outside_the_items_are_refused) {
    list_box list("list");
    list.add("A");
    list.add("B");
    list.set_item_index(1);
    for (int bad : {-2, 2, 100}) {
        try {
            list.set_item_index(bad);
            ADD_FAILURE() << bad;
        } catch (const list_index_error& error) {
            EXPECT_STREQ(error.what(), "List index out of bounds");
        }
        EXPECT_EQ(list.item_index(), 1);
    }
    EXPECT_THROW(list.item(2), list_index_error);

    list.set_item_index(-1);
    EXPECT_FALSE(list.has_selection());
    EXPECT_THROW(list.selected_item(), list_index_error);

    list.set_item_index(0);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.item_index(), -1);
}

}  // namespace
}  // namespace quor

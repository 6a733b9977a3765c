#include "ui/cursors.h"

#include <cstdlib>
#include <set>
#include <utility>

#include <QPixmap>

#include <gtest/gtest.h>

#include "test_application.h"

namespace quor {
namespace {

TEST(cursors_test, slot_one_shows_exactly_the_eight_marked_pixels_edged_in_black) {
    QImage image = cursor_image(dotted_cursor_slot);
    ASSERT_EQ(image.size(), QSize(cursor_size, cursor_size));
    const std::set<std::pair<int, int>> marked = {{13, 13}, {18, 13}, {13, 18}, {18, 18},
                                                  {15, 15}, {16, 15}, {15, 16}, {16, 16}};
    auto near_marked = [&](int x, int y) {
        for (auto [mx, my] : marked)
            if (std::abs(mx - x) <= 1 && std::abs(my - y) <= 1) return true;
        return false;
    };
    for (int y = 0; y < cursor_size; ++y) {
        for (int x = 0; x < cursor_size; ++x) {
            SCOPED_TRACE(::testing::Message() << x << "," << y);
            QRgb colour = image.pixel(x, y);
            if (marked.count({x, y}))
                EXPECT_EQ(colour, qRgba(255, 255, 255, 255));
            else if (near_marked(x, y))
                EXPECT_EQ(colour, qRgba(0, 0, 0, 255));
            else
                EXPECT_EQ(qAlpha(colour), 0);
        }
    }
}

TEST(cursors_test, slot_two_is_invisible_and_both_point_at_the_top_left) {
    testing::test_application();
    QImage image = cursor_image(hidden_cursor_slot);
    ASSERT_EQ(image.size(), QSize(cursor_size, cursor_size));
    for (int y = 0; y < cursor_size; ++y)
        for (int x = 0; x < cursor_size; ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 0);

    for (int slot : {dotted_cursor_slot, hidden_cursor_slot}) {
        QCursor cursor = cursor_for_slot(slot);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    }
    EXPECT_EQ(cursor_for_slot(3).shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace quor

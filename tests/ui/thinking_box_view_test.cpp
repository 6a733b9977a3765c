#include "ui/thinking_box_view.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include "test_application.h"

namespace quor {
namespace {

class thinking_box_view_test : public ::testing::Test {
protected:
    quorrings_application& application = testing::test_application();  // before any widget
    qt_thinking_box_view view;
    TThinking_box box{view};
};

TEST_F(thinking_box_view_test, is_sized_from_the_character_size_of_its_font) {
    QFontMetrics metrics(view.think_msg()->font());
    EXPECT_EQ(box.char_width(), metrics.horizontalAdvance(QLatin1Char('8')));
    EXPECT_EQ(box.char_height(), metrics.height());
    EXPECT_GT(box.char_width(), 0);

    box.think_show_bar(nullptr, "Decompressing Quorrings settings data");
    const int width = 37 * box.char_width() + 12;
    const int height = box.char_height() + 6 + 24;
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(view.geometry(),
              QRect((screen.width() - width) / 2, (screen.height() - height) / 2, width, height));
    EXPECT_EQ(view.think_msg()->text(), QStringLiteral("Decompressing Quorrings settings data"));
    EXPECT_EQ(view.think_msg()->geometry(), QRect(0, 0, width, height - 24));
    EXPECT_TRUE(view.barpanel()->isVisible());
    EXPECT_EQ(view.barpanel()->geometry(), QRect(0, height - 24, width, 24));
    EXPECT_EQ(view.bar()->geometry(), QRect(8, 6, width - 16, 13));

    // Without the bar the message fills the box.
    box.think_show(nullptr, "Initializing");
    EXPECT_FALSE(view.barpanel()->isVisible());
    EXPECT_EQ(view.think_msg()->geometry(), QRect(0, 0, view.width(), view.height()));
    EXPECT_EQ(view.height(), box.char_height() + 6);
}

TEST_F(thinking_box_view_test, stays_on_top_without_taking_focus_or_input) {
    QLineEdit editor;
    editor.show();
    editor.activateWindow();
    editor.setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), &editor);

    box.think_show(nullptr, "Initializing");
    QApplication::processEvents();
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &editor);
    EXPECT_NE(QApplication::activeWindow(), &view);
    EXPECT_TRUE(view.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(view.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(view.testAttribute(Qt::WA_TransparentForMouseEvents));

    box.think_hide();
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(view.barpanel()->isVisibleTo(&view));
}

TEST_F(thinking_box_view_test, centres_on_a_control_and_any_window_on_the_screen) {
    QWidget window;
    window.setGeometry(100, 80, 400, 300);
    window.show();
    QApplication::processEvents();
    widget_area area(window);
    box.think_show(&area, "ab");
    QPoint origin = window.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(view.pos(), origin + QPoint((400 - view.width()) / 2, (300 - view.height()) / 2));

    centre_on_screen(window);
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    QSize size = window.frameGeometry().size();
    EXPECT_EQ(window.frameGeometry().topLeft(),
              QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2));
    EXPECT_EQ(window.size(), QSize(400, 300));
}

}  // namespace
}  // namespace quor

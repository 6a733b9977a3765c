#include "ui/help_window.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

#include "engine/parameter_catalogue.h"
#include "engine/settings_controls.h"
#include "test_application.h"

namespace quor {
namespace {

const std::string source_data_dir = std::string(QUOR_TEST_DIR) + "/../data/";

TEST(help_window, shows_the_shipped_page_which_explains_every_control_of_the_form) {
    testing::test_application();
    help_window window;
    window.show_page(help_page_path(source_data_dir));
    EXPECT_TRUE(window.isVisible());
    const QString text = window.browser()->toPlainText();
    for (const parameter& entry : parameter_catalogue()) {
        // The density bars' captions are their numbers of sides; the page explains them together.
        if (!entry.visible || entry.caption.empty() || entry.vertical) continue;
        EXPECT_TRUE(text.contains(QString::fromUtf8(entry.caption.data(), qsizetype(entry.caption.size()))))
            << entry.name;
    }
    settings_controls controls;
    for (const button* each : {&controls.Load_btn, &controls.Save_btn, &controls.Mode_btn, &controls.About_btn,
                               &controls.Kill_btn, &controls.Set_speed}) {
        EXPECT_TRUE(text.contains(QString::fromStdString(each->caption()))) << each->name();
    }
}

TEST(help_window, says_where_it_looked_when_the_page_is_missing) {
    testing::test_application();
    help_window window;
    window.show_page(help_page_path("/nonexistent/quorrings/"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("/nonexistent/quorrings/Quor_Rings_32_Help.html")));
}

TEST(help_window, f1_opens_one_window_over_the_form_that_asked) {
    testing::test_application();
    QWidget form;
    const std::function<void()> open_help = help_opener(form, source_data_dir);
    open_help();
    open_help();
    const auto windows = form.findChildren<help_window*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_TRUE(windows.front()->browser()->toPlainText().contains(QStringLiteral("Quorrings")));
}

}  // namespace
}  // namespace quor

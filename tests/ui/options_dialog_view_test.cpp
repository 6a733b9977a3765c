#include "ui/options_dialog_view.h"

#include "input_events.h"
#include "support/recording_message_box.h"
#include "test_application.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(options_dialog_view, edits_act_at_once_and_ok_closes_only_on_valid_times) {
    testing::test_application();
    options_controls options;
    recording_message_box messages;
    settings_library library;
    options_dialog dialog{options, messages, &library};
    options_dialog_view view{dialog};

    QTimer::singleShot(0, [&] {
        view.file_name()->selectAll();
        testing::type_text(view.file_name(), "x/");
        EXPECT_EQ(options.Settings_file_name.text(), "x");
        EXPECT_FALSE(view.file_name_hint()->text().isEmpty());
        EXPECT_TRUE(library.library_modified);

        view.min_time()->selectAll();
        testing::type_text(view.min_time(), "59");
        view.max_time()->selectAll();
        testing::type_text(view.max_time(), "60");
        view.step_button(false, true)->click();
        view.step_button(true, true)->click();
        EXPECT_EQ(view.min_time()->text(), "60");
        EXPECT_EQ(view.max_time()->text(), "60");
        view.ok_button()->click();
        EXPECT_EQ(messages.messages.size(), 1u);
        EXPECT_TRUE(view.isVisible());

        view.max_time()->selectAll();
        testing::type_text(view.max_time(), "90");
        view.ok_button()->click();
        if (view.isVisible()) view.done(0);
    });
    EXPECT_EQ(view.show_modal(), modal_result::ok);
    EXPECT_EQ(dialog.modal_result(), modal_result::ok);
    EXPECT_EQ(options.min_seconds, 60);
    EXPECT_EQ(options.max_seconds, 90);
    EXPECT_EQ(view.size(), QSize(334, 359));
}

}  // namespace
}  // namespace quor

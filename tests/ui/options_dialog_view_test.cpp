#include "ui/options_dialog_view.h"

#include "input_events.h"
#include "support/recording_message_box.h"
#include "test_application.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

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

TEST(options_dialog_view, shows_what_the_program_sets_and_leaves_the_controls_unbound_when_it_goes) {
    testing::test_application();
    options_controls options;
    recording_message_box messages;
    settings_library library;
    auto dialog = std::make_unique<options_dialog>(options, messages, &library);
    auto view = std::make_unique<options_dialog_view>(*dialog);
    auto shown = [&](const char* name) { return view->findChild<QWidget*>(QString::fromLatin1(name)); };
    auto checked = [&](const char* name) {
        auto* box = qobject_cast<QAbstractButton*>(shown(name));
        return box && box->isChecked();
    };

    // As the configuration and the main window set them.
    options.Run_mode.set_checked(false);
    options.cycle_all.set_checked(true);
    options.SaveText.set_checked(true);
    options.UpDown1.set_position(45);
    options.Settings_file_name.set_text("Elsewhere");
    EXPECT_FALSE(checked("Run_mode"));
    EXPECT_TRUE(checked("Start_mode"));
    EXPECT_TRUE(checked("cycle_all"));
    EXPECT_FALSE(checked("cycle_tagged"));
    EXPECT_TRUE(checked("SaveText"));
    EXPECT_FALSE(checked("UseCompression"));
    EXPECT_EQ(view->min_time(), shown("min_time"));
    EXPECT_EQ(view->min_time()->text(), "45");
    EXPECT_EQ(view->file_name()->text(), "Elsewhere");
    EXPECT_NE(shown("UpDown2"), nullptr);

    // A click on a checked radio button leaves it checked.
    qobject_cast<QRadioButton*>(shown("SaveText"))->click();
    EXPECT_TRUE(checked("SaveText"));
    EXPECT_TRUE(options.SaveText.checked());

    view.reset();
    dialog.reset();
    for (const control* each : options.components()) EXPECT_FALSE(each->on_state_changed) << each->name();
    EXPECT_FALSE(options.OK_btn.on_click);
    EXPECT_FALSE(options.UpDown1.on_changing);
    EXPECT_FALSE(options.Settings_file_name.on_change);
    options.Settings_file_name.set_text("  Again  ");
    EXPECT_EQ(options.Settings_file_name.text(), "  Again  ") << "no dialog left to trim it";
}

}  // namespace
}  // namespace quor

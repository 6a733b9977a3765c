#include "ui/library_dialog_view.h"

#include "input_events.h"
#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"
#include "test_application.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace quor {
namespace {

struct library_dialog_view_test : ::testing::Test {
    static settings_library three_settings(const settings_controls& form) {
        settings_library library;
        for (const char* name : {"Alpha", "Beta", "Gamma"}) library.settings.push_back({controls_to_lines(form, name)});
        return library;
    }

    QPoint cell_centre(int column, int row) {
        QTableView* grid = view.settings_list();
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    void double_click(int column, int row) {
        testing::double_click_at(view.settings_list()->viewport(), cell_centre(column, row));
    }
    // Runs `steps` inside the modal loop, then reports its result.
    modal_result show_for_load(const std::function<void()>& steps) {
        QTimer::singleShot(0, [&] {
            steps();
            if (view.isVisible()) view.cancel_button()->click();
        });
        return view.show_for_load();
    }

    quorrings_application& application = testing::test_application();
    settings_controls form;
    settings_library library = three_settings(form);
    uniform_random random{3};
    recording_message_box messages;
    library_dialog dialog{library, form, random, messages};
    library_dialog_view view{dialog};
};

TEST_F(library_dialog_view_test, a_name_typed_in_the_grid_survives_enter_and_not_a_click_elsewhere) {
    show_for_load([&] {
        double_click(0, 1);
        ASSERT_NE(view.editor(), nullptr);
        EXPECT_EQ(view.info_label()->text(), "You must press <Enter> to commit changes");
        view.editor()->selectAll();
        testing::type_text(view.editor(), "Delta");
        testing::press_key(view.editor(), Qt::Key_Return);
        EXPECT_EQ(view.editor(), nullptr);

        double_click(0, 2);
        ASSERT_NE(view.editor(), nullptr);
        view.editor()->selectAll();
        testing::type_text(view.editor(), "Epsilon");
        EXPECT_EQ(dialog.settings_list.cell_text(0, 2), "Epsilon");
        testing::click_at(view.settings_list()->viewport(), cell_centre(0, 0));
        EXPECT_EQ(dialog.settings_list.row(), 0);
    });
    EXPECT_EQ(library.settings[1].name(), "Delta");
    EXPECT_EQ(library.settings[2].name(), "Gamma");
    EXPECT_TRUE(library.library_modified);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(library_dialog_view_test, the_tag_column_toggles_on_double_click_and_ok_applies_the_row) {
    form.max_polygons.set_position(42);
    library.settings[2] = {controls_to_lines(form, "Gamma")};
    form.max_polygons.set_position(1);
    dialog.select_row(2);
    QTimer::singleShot(0, [&] {
        double_click(1, 0);
        view.ok_button()->click();
    });
    EXPECT_EQ(view.show_for_load(), modal_result::ok);
    EXPECT_TRUE(library.settings[0].screensave());
    EXPECT_EQ(form.max_polygons.position(), 42);
    EXPECT_EQ(view.count_label()->text(), "Number of settings in file : 3");
    EXPECT_EQ(view.windowTitle(), "Available settings");
    EXPECT_EQ(view.size(), QSize(320, 398));
}

}  // namespace
}  // namespace quor

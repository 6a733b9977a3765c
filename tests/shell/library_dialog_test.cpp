#include "shell/library_dialog.h"

#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quor {
namespace {

namespace text = library_dialog_text;
constexpr int grid_width = 302;
constexpr int scroll_bar_width = 16;

class library_dialog_test : public ::testing::Test {
protected:
    void SetUp() override { fill({"Alpha", "Beta", "Gamma"}); }

    // One setting per name; setting i has max_polygons at 10 + i.
    void fill(const std::vector<std::string>& names) {
        library.settings.clear();
        for (std::size_t i = 0; i < names.size(); ++i) {
            form.max_polygons.set_position(static_cast<int>(10 + i));
            Quor_setting setting;
            controls_to_lines(form, setting.control_strings, names[i]);
            library.settings.push_back(std::move(setting));
        }
        form.max_polygons.set_position(99);
        dialog = std::make_unique<library_dialog>(library, form, random, messages);
    }
    void show_for_load() {
        dialog->prepare_for_load();
        dialog->FormShow(grid_width, scroll_bar_width);
    }
    void show_for_save() {
        dialog->prepare_for_save();
        dialog->FormShow(grid_width, scroll_bar_width);
    }
    void double_click(int column, int row) {
        dialog->settings_list_mouse_down(column, row, false);
        dialog->settings_list_mouse_down(column, row, true);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const Quor_setting& setting : library.settings) result.push_back(setting.name());
        return result;
    }

    settings_controls form;
    settings_library library;
    uniform_random random{7};
    recording_message_box messages;
    std::unique_ptr<library_dialog> dialog;
};

TEST_F(library_dialog_test, a_typed_name_is_kept_by_enter_and_put_back_by_any_other_way_out) {
    show_for_load();
    double_click(0, 1);
    EXPECT_TRUE(dialog->settings_list.editor());
    EXPECT_EQ(dialog->Info_label.caption(), text::press_enter_hint);
    dialog->settings_list_typed("Delta");
    dialog->settings_list_key_press(library_dialog::enter_key);
    EXPECT_EQ(names(), (std::vector<std::string>{"Alpha", "Delta", "Gamma"}));
    EXPECT_TRUE(library.library_modified);
    EXPECT_FALSE(dialog->settings_list.editor());
    EXPECT_EQ(dialog->Info_label.caption(), text::double_click_hint);

    // Each way out without Enter: another row, the text view, OK, Cancel.
    const std::vector<std::function<void()>> ways_out = {
        [&] { dialog->settings_list_mouse_down(0, 2, false); },
        [&] { dialog->ViewButtonClick(); },
        [&] { dialog->Ok_btnClick(); },
        [&] { dialog->Can_btnClick(); },
    };
    for (const auto& leave : ways_out) {
        library.library_modified = false;
        show_for_load();
        dialog->select_row(1);
        double_click(0, 1);
        dialog->settings_list_typed("Epsilon");
        EXPECT_EQ(dialog->settings_list.cell_text(0, 1), "Epsilon");
        leave();
        EXPECT_EQ(names(), (std::vector<std::string>{"Alpha", "Delta", "Gamma"}));
        EXPECT_EQ(dialog->settings_list.cell_text(0, 1), "Delta");
        EXPECT_FALSE(library.library_modified);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(library_dialog_test, a_double_click_on_the_tag_column_toggles_the_tag_in_every_mode_with_a_grid) {
    for (int mode : {0, 2, 3}) {
        SCOPED_TRACE(mode);
        SetUp();
        mode == 0 ? show_for_load() : show_for_save();
        if (mode == 3) dialog->ViewButtonClick();
        ASSERT_EQ(dialog->mode, mode);
        EXPECT_FALSE(library.settings[0].screensave());
        double_click(1, 0);
        EXPECT_TRUE(library.settings[0].screensave());
        EXPECT_TRUE(library.library_modified);
        double_click(1, 0);
        EXPECT_FALSE(library.settings[0].screensave());
        EXPECT_EQ(dialog->settings_list.col(), 0) << "the tag column is never selected";
    }
}

TEST_F(library_dialog_test, declining_the_overwrite_changes_nothing_and_keeps_the_dialog_editing) {
    dialog->select_row(1);
    const std::vector<Quor_setting> before = library.settings;
    show_for_save();
    EXPECT_TRUE(dialog->settings_list.editor());
    EXPECT_EQ(dialog->ViewButton.caption(), text::create_new_setting);

    dialog->settings_list_typed("Renamed");
    dialog->Ok_btnClick();
    // Enter answered No too: the typed name stays in the editor, uncommitted.
    dialog->settings_list_key_press(library_dialog::enter_key);
    EXPECT_EQ(messages.questions, (std::vector<std::string>{"Overwrite\r\rBeta", "Overwrite\r\rBeta"}));
    EXPECT_EQ(dialog->modal_result(), modal_result::still_open);
    EXPECT_EQ(dialog->mode, library_dialog::overwrite_mode);
    EXPECT_TRUE(dialog->settings_list.editor());
    EXPECT_EQ(dialog->settings_list.cell_text(0, 1), "Renamed");
    EXPECT_FALSE(library.library_modified);
    ASSERT_EQ(library.settings.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(library.settings[i].control_strings, before[i].control_strings);

    // Leaving the row now puts the old name back.
    dialog->settings_list_mouse_down(0, 2, false);
    EXPECT_EQ(names(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
}

TEST_F(library_dialog_test, an_accepted_overwrite_stores_the_form_under_the_typed_name_in_place) {
    for (bool by_enter : {false, true}) {
        SCOPED_TRACE(by_enter);
        SetUp();
        form.Screensaver.set_checked(true);
        dialog->select_row(1);
        show_for_save();
        dialog->settings_list_typed("Stored");
        messages.answers = {true};
        by_enter ? dialog->settings_list_key_press(library_dialog::enter_key) : dialog->Ok_btnClick();
        EXPECT_EQ(dialog->modal_result(), modal_result::ok);
        EXPECT_EQ(library.settings[1].control_strings, controls_to_lines(form, "Stored"));
        EXPECT_TRUE(library.settings[1].screensave()) << "the tag comes with the form";
        EXPECT_EQ(names(), (std::vector<std::string>{"Alpha", "Stored", "Gamma"}));
        EXPECT_TRUE(library.library_modified);
    }
}

TEST_F(library_dialog_test, a_new_setting_is_added_by_name_and_forgotten_by_cancel) {
    dialog->select_row(1);
    show_for_save();
    dialog->ViewButtonClick();
    EXPECT_EQ(dialog->mode, library_dialog::new_name_mode);
    EXPECT_EQ(dialog->num_settings.caption(), "Number of settings in file : 4");
    EXPECT_FALSE(dialog->ViewButton.enabled());
    EXPECT_EQ(dialog->settings_list.row(), 3);
    EXPECT_TRUE(dialog->settings_list.editor());
    EXPECT_FALSE(dialog->settings_list.thumb_tracking);
    EXPECT_FALSE(dialog->Settings_listSelectCell(0, 1)) << "only the new row in this mode";
    dialog->settings_list_typed("Zeta");
    dialog->Can_btnClick();
    EXPECT_EQ(dialog->modal_result(), modal_result::cancel);
    EXPECT_EQ(names(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(dialog->settings_list.row(), 1);
    EXPECT_FALSE(library.library_modified);

    for (bool by_enter : {false, true}) {
        show_for_save();
        EXPECT_TRUE(dialog->ViewButton.enabled());
        dialog->ViewButtonClick();
        dialog->settings_list_typed(by_enter ? "Eta" : "Theta");
        by_enter ? dialog->settings_list_key_press(library_dialog::enter_key) : dialog->Ok_btnClick();
        EXPECT_EQ(dialog->modal_result(), modal_result::ok);
        EXPECT_EQ(library.settings.back().control_strings, controls_to_lines(form, by_enter ? "Eta" : "Theta"));
        EXPECT_TRUE(library.library_modified);
    }
    EXPECT_EQ(library.settings.size(), 5u);
    EXPECT_TRUE(messages.questions.empty()) << "a new setting overwrites nothing";
}

TEST_F(library_dialog_test, a_name_the_file_cannot_hold_is_refused_where_it_would_be_committed) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "A setting needs a name"},
        {"}close", "A name cannot begin with }"},
        {"two\r\nlines", "A name cannot hold control characters"},
        {"tab\there", "A name cannot hold control characters"},
        {std::string(4096, 'x'), "That name is too long"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(reason);
        // Index view (Enter), overwrite (OK) and a new name (Enter).
        for (int mode : {0, 2, 3}) {
            SetUp();
            mode == 0 ? show_for_load() : show_for_save();
            if (mode == 0) double_click(0, 0);
            if (mode == 3) dialog->ViewButtonClick();
            dialog->settings_list_typed(name);
            mode == 2 ? dialog->Ok_btnClick() : dialog->settings_list_key_press(library_dialog::enter_key);
            EXPECT_EQ(dialog->Info_label.caption(), reason);
            EXPECT_TRUE(dialog->settings_list.editor());
            EXPECT_EQ(dialog->modal_result(), modal_result::still_open);
            EXPECT_FALSE(library.library_modified);
            EXPECT_TRUE(messages.questions.empty());
            EXPECT_EQ(library.settings[0].name(), "Alpha");
        }
    }
}

TEST_F(library_dialog_test, ok_in_load_mode_applies_the_selected_setting) {
    dialog->select_row(2);
    show_for_load();
    std::vector<bool> held;
    dialog->hold_form_drawing = [&](bool hold) { held.push_back(hold); };
    dialog->Ok_btnClick();
    EXPECT_EQ(dialog->modal_result(), modal_result::ok);
    EXPECT_EQ(form.max_polygons.position(), 12);
    EXPECT_EQ(held, (std::vector<bool>{true, false}));
    EXPECT_FALSE(library.library_modified);
}

TEST_F(library_dialog_test, the_text_view_shows_stripped_lines_with_a_blank_after_the_name) {
    library.settings[0].control_strings = {"  Alpha \t", "         Screensaver\tFALSE", "        max_polygons\t0\t100\t10\r"};
    show_for_load();
    dialog->ViewButtonClick();
    EXPECT_EQ(dialog->mode, library_dialog::as_text_mode);
    EXPECT_FALSE(dialog->index_view_visible());
    EXPECT_EQ(dialog->Info_label.caption(), text::read_only_hint);
    EXPECT_EQ(dialog->ViewButton.caption(), text::return_to_index);
    EXPECT_EQ(dialog->text_view_lines(),
              (std::vector<std::string>{"Alpha", " ", "Screensaver\tFALSE", "max_polygons\t0\t100\t10"}));
    dialog->ViewButtonClick();
    EXPECT_EQ(dialog->mode, library_dialog::index_mode);
    EXPECT_TRUE(dialog->index_view_visible());
    EXPECT_EQ(dialog->ViewButton.caption(), text::view_as_text);
}

TEST_F(library_dialog_test, showing_scrolls_the_selected_row_eight_below_the_top_and_sizes_the_columns) {
    struct scroll_case {
        int count, row, top;
    };
    for (const scroll_case& c : {scroll_case{40, 3, 0}, {40, 20, 12}, {40, 32, 24}, {40, 35, 25}, {10, 9, 0}}) {
        fill(std::vector<std::string>(static_cast<std::size_t>(c.count), "s"));
        dialog->select_row(c.row);
        show_for_load();
        EXPECT_EQ(dialog->settings_list.top_row, c.top) << c.count << " rows, row " << c.row;
        EXPECT_EQ(dialog->shown_row, c.row);
    }
    EXPECT_EQ(dialog->name_section_width(), grid_width - 40 - scroll_bar_width);
    EXPECT_EQ(dialog->column_width(0), dialog->name_section_width() - 2);
    EXPECT_EQ(dialog->column_width(1), 39);
}

TEST_F(library_dialog_test, the_random_pick_uses_the_library_rule_and_selects_the_row) {
    // No tagged setting: 5001 draws fail, one more picks any.
    uniform_random reference{7};
    for (int draw = 0; draw < settings_library::tagged_draws; ++draw) reference(3);
    const auto expected = static_cast<std::size_t>(reference(3));
    EXPECT_EQ(dialog->pick_random_setting(true), expected);
    EXPECT_EQ(dialog->settings_list.row(), static_cast<int>(expected));
    EXPECT_EQ(form.max_polygons.position(), static_cast<int>(10 + expected));
}

TEST_F(library_dialog_test, an_empty_library_opens_changes_nothing_on_ok_and_takes_a_new_setting) {
    fill({});
    EXPECT_EQ(dialog->pick_random_setting(false), std::nullopt);
    show_for_load();
    EXPECT_EQ(dialog->num_settings.caption(), "Number of settings in file : 0");
    double_click(0, 0);
    double_click(1, 0);
    dialog->ViewButtonClick();
    EXPECT_TRUE(dialog->text_view_lines().empty());
    dialog->Ok_btnClick();
    EXPECT_EQ(dialog->modal_result(), modal_result::cancel);
    EXPECT_EQ(form.max_polygons.position(), 99);
    EXPECT_FALSE(library.library_modified);

    show_for_save();
    dialog->Ok_btnClick();
    EXPECT_EQ(dialog->modal_result(), modal_result::still_open) << "nothing to overwrite";
    dialog->ViewButtonClick();
    dialog->settings_list_typed("First");
    dialog->settings_list_key_press(library_dialog::enter_key);
    EXPECT_EQ(dialog->modal_result(), modal_result::ok);
    EXPECT_EQ(names(), std::vector<std::string>{"First"});
    EXPECT_TRUE(library.library_modified);
}

}  // namespace
}  // namespace quor

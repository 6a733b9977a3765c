#pragma once
// The behaviour of the settings library dialog `TLoadSave_Form` ("Available
// settings") without its window: browse, apply, rename, tag, overwrite and add
// settings of the library, and show one as text. The list of settings is the
// library's own; the grid only shows it. Nothing here writes a file: the
// library reaches the disk only when the program is killed.

#include "engine/button.h"
#include "engine/label.h"
#include "engine/settings_controls.h"
#include "engine/uniform_random.h"
#include "platform/message_box.h"
#include "platform/modal_result.h"
#include "shell/string_grid.h"
#include "storage/settings_library.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quor {

namespace library_dialog_text {
inline constexpr const char* count_prefix = "Number of settings in file : ";
inline constexpr const char* double_click_hint = "Double click on an area to edit";
inline constexpr const char* press_enter_hint = "You must press <Enter> to commit changes";
inline constexpr const char* read_only_hint = "You cannot modify values in this mode";
inline constexpr const char* overwrite_hint = "You will overwrite selected setting";
inline constexpr const char* new_name_hint = "Please enter a suitable (preferably silly) name";
inline constexpr const char* view_as_text = "View setting as text";
inline constexpr const char* return_to_index = "Return to index view";
inline constexpr const char* create_new_setting = "Create new setting";
inline constexpr const char* overwrite_question = "Overwrite\r\r";
}  // namespace library_dialog_text

class library_dialog {
public:
    enum : std::uint8_t { index_mode = 0, as_text_mode = 1, overwrite_mode = 2, new_name_mode = 3 };
    static constexpr int enter_key = 13;
    static constexpr int tag_section_design_width = 40;    // pixels
    static constexpr int text_tab_stops[3] = {64, 96, 128};  // dialog units

    // All four must outlive the dialog.
    library_dialog(settings_library& library, settings_controls& form, uniform_random& random,
                   message_box& messages);
    library_dialog(const library_dialog&) = delete;
    library_dialog& operator=(const library_dialog&) = delete;

    // Before a modal showing: the mode it opens in; FormShow follows.
    void prepare_for_load() { begin_showing(index_mode); }
    void prepare_for_save() { begin_showing(overwrite_mode); }

    // Picks a random setting (the library's rule), applies it to the settings
    // form and selects its row. Nothing in an empty library.
    std::optional<std::size_t> pick_random_setting(bool tagged_only);
    // Selects a row without any validation, as the program does at start-up.
    void select_row(int row);

    // Event handlers. `grid_width` is the whole grid's, scroll bar included.
    void FormShow(int grid_width, int scroll_bar_width);
    bool Settings_listSelectCell(int column, int row) const;
    void Settings_listMouseDown(int column, int row, bool double_click);
    // False when the grid must not go on with its own Enter validation.
    bool Settings_listKeyPress(int key);
    void Ok_btnClick();
    void Can_btnClick();
    void ViewButtonClick();
    void settings_listValidate(My_str_grid& sender, std::string& text, bool& accept, int column, int row);

    // What the grid's window reports: a press (the grid selects the cell under
    // it first, then the handler runs), a key, typing in the editor, focus.
    void settings_list_mouse_down(int column, int row, bool double_click);
    void settings_list_key_press(int key);
    void settings_list_typed(const std::string& text) { settings_list.set_editor_text(text); }
    void settings_list_focus_in() { settings_list.focus_in(); }
    void settings_list_focus_out() { settings_list.focus_out(); }

    void end_edit();
    bool confirm_overwrite();
    void replace_selected_setting(const std::string& name);

    const settings_library& library() const { return library_; }
    std::uint8_t mode = index_mode;
    bool commit_pending = false;
    std::int32_t shown_row = -1;

    label num_settings{"num_settings"};
    label Info_label{"Info_label"};
    button ViewButton{"ViewButton", library_dialog_text::view_as_text};
    button Ok_btn{"Ok_btn", "OK"};
    button Can_btn{"Can_btn", "Cancel"};
    My_str_grid settings_list;

    // The index view (titles and grid) or the text view is visible.
    bool index_view_visible() const { return index_view_visible_; }
    const std::vector<std::string>& text_view_lines() const { return text_view_lines_; }
    int name_section_width() const { return name_section_width_; }
    int tag_section_width() const { return tag_section_width_; }
    int column_width(int column) const { return column == 0 ? name_section_width_ - 2 : tag_section_width_ - 1; }

    // Requests to the window, cleared by whoever acts on them.
    bool grid_wants_focus = false;
    bool editor_select_all = false;

    quor::modal_result modal_result() const { return modal_result_; }
    std::function<void()> on_close;
    // Drawing of the settings form is held while a setting is applied to it.
    std::function<void(bool held)> hold_form_drawing;

private:
    void begin_showing(std::uint8_t opening_mode);
    void close(quor::modal_result result);
    void set_grid_options(std::uint8_t for_mode);
    void show_index_view();
    void show_text_view();
    void enter_overwrite_mode();
    void enter_new_name_mode();
    void show_count();
    void scroll_to_selection();
    bool valid_row(int row) const { return row >= 0 && static_cast<std::size_t>(row) < library_.settings.size(); }
    // True when the name can be stored; otherwise the hint says why.
    bool name_fits(const std::string& name);

    settings_library& library_;
    settings_controls& form_;
    uniform_random& random_;
    message_box& messages_;
    quor::modal_result modal_result_ = modal_result::still_open;
    bool index_view_visible_ = true;
    std::vector<std::string> text_view_lines_;
    int name_section_width_ = 250;
    int tag_section_width_ = tag_section_design_width;
};

// A setting as the text view shows it: every line without blanks and control
// characters at its ends, and a line of one blank after the name.
std::vector<std::string> setting_text_view(const Quor_setting& setting);

}  // namespace quor

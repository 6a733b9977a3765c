#include "shell/library_dialog.h"

#include "engine/text_case.h"
#include "storage/file_name_check.h"
#include "storage/setting_conversion.h"

#include <algorithm>
#include <string_view>

namespace quor {

namespace text = library_dialog_text;

std::vector<std::string> setting_text_view(const Quor_setting& setting) {
    std::vector<std::string> lines;
    for (const std::string& line : setting.control_strings) lines.emplace_back(trim_blanks(line));
    if (!lines.empty()) lines.insert(lines.begin() + 1, " ");
    return lines;
}

library_dialog::library_dialog(settings_library& library, settings_controls& form, uniform_random& random,
                               message_box& messages)
    : settings_list(grid_cells{
          [&library] { return static_cast<int>(library.settings.size()); },
          [&library](int row) { return library.settings[static_cast<std::size_t>(row)].name(); },
          [&library](int row, const std::string& name) { library.settings[static_cast<std::size_t>(row)].setname(name); }}),
      library_(library),
      form_(form),
      random_(random),
      messages_(messages) {
    settings_list.can_select = [this](int column, int row) { return Settings_listSelectCell(column, row); };
    settings_list.OnValidate = [this](My_str_grid& sender, std::string& new_text, bool& accept, int column, int row) {
        settings_listValidate(sender, new_text, accept, column, row);
    };
    ViewButton.on_click = [this](button&) { ViewButtonClick(); };
    Ok_btn.on_click = [this](button&) { Ok_btnClick(); };
    Can_btn.on_click = [this](button&) { Can_btnClick(); };
    show_count();
}

std::optional<std::size_t> library_dialog::pick_random_setting(bool tagged_only) {
    const std::optional<std::size_t> chosen = library_.pick_random_setting(tagged_only, random_, form_);
    if (chosen) select_row(static_cast<int>(*chosen));
    return chosen;
}

void library_dialog::select_row(int row) {
    if (!valid_row(row)) return;
    settings_list.move_to(My_str_grid::name_column, row);
    settings_list.watch_current_cell();
}

void library_dialog::begin_showing(std::uint8_t opening_mode) {
    mode = opening_mode;
    modal_result_ = modal_result::still_open;
    commit_pending = false;
    // A row lost with a removed setting falls back to the last one.
    if (!valid_row(settings_list.row())) select_row(static_cast<int>(library_.settings.size()) - 1);
}

void library_dialog::close(quor::modal_result result) {
    modal_result_ = result;
    if (on_close) on_close();
}

void library_dialog::set_grid_options(std::uint8_t for_mode) {
    const bool editing = for_mode == overwrite_mode || for_mode == new_name_mode;
    settings_list.editing = editing;
    settings_list.always_show_editor = editing;
    settings_list.thumb_tracking = for_mode != new_name_mode;
    if (!editing) settings_list.hide_editor();
}

void library_dialog::show_count() {
    num_settings.set_caption(text::count_prefix + std::to_string(library_.settings.size()));
}

void library_dialog::scroll_to_selection() {
    const int row = settings_list.row();
    const int count = static_cast<int>(library_.settings.size());
    if (row < 8) {
        settings_list.top_row = 0;
    } else if (row + 8 <= count) {
        settings_list.top_row = row - 8;
    } else {
        settings_list.top_row = std::max(count - 15, 0);
    }
}

void library_dialog::FormShow(int grid_width, int scroll_bar_width) {
    show_count();
    scroll_to_selection();
    if (mode == index_mode) show_index_view();
    if (mode == overwrite_mode) enter_overwrite_mode();
    ViewButton.set_enabled(true);
    name_section_width_ = grid_width - tag_section_width_ - scroll_bar_width;
    shown_row = settings_list.row();
}

bool library_dialog::Settings_listSelectCell(int column, int row) const {
    if (column != My_str_grid::name_column) return false;
    return mode != new_name_mode || row == static_cast<int>(library_.settings.size()) - 1;
}

void library_dialog::settings_list_mouse_down(int column, int row, bool double_click) {
    settings_list.select_cell(column, row);
    Settings_listMouseDown(column, row, double_click);
}

void library_dialog::Settings_listMouseDown(int column, int row, bool double_click) {
    commit_pending = false;
    if (mode == index_mode) end_edit();
    if (!double_click || !valid_row(row)) return;
    if (column == My_str_grid::name_column && mode != overwrite_mode && mode != new_name_mode) {
        settings_list.editing = true;
        if (settings_list.row() == row) {
            settings_list.show_editor();
            grid_wants_focus = true;
            Info_label.set_caption(text::press_enter_hint);
        }
    }
    if (column == My_str_grid::tag_column) {
        Quor_setting& setting = library_.settings[static_cast<std::size_t>(row)];
        setting.setscreensave(!setting.screensave());
        library_.library_modified = true;
    }
}

void library_dialog::settings_list_key_press(int key) {
    if (Settings_listKeyPress(key) && key == enter_key) settings_list.enter_pressed();
}

bool library_dialog::name_fits(const std::string& name) {
    const std::optional<std::string> problem = setting_name_problem(name);
    if (problem) Info_label.set_caption(*problem);
    return !problem;
}

bool library_dialog::Settings_listKeyPress(int key) {
    if (!settings_list.editor() || key != enter_key) return true;
    const int row = settings_list.row();
    const std::string name = settings_list.cell_text(My_str_grid::name_column, row);
    // An unchanged name in the index view is no commit; a stored name must fit.
    const bool storing = mode == overwrite_mode || mode == new_name_mode;
    if ((storing || name != settings_list.entry_text) && !name_fits(name)) return false;
    commit_pending = true;
    if (mode == index_mode) {
        library_.settings[static_cast<std::size_t>(row)].setname(name);
        end_edit();
    }
    if (Info_label.caption() == text::press_enter_hint) Info_label.set_caption(text::double_click_hint);
    if (mode == overwrite_mode) {
        if (!confirm_overwrite()) {
            // Declined: nothing is committed; the typed name stays in the editor.
            commit_pending = false;
            return false;
        }
        replace_selected_setting(name);
        close(modal_result::ok);
    }
    if (mode == new_name_mode) {
        library_.settings.back().setname(name);
        library_.library_modified = true;
        close(modal_result::ok);
    }
    return true;
}

void library_dialog::settings_listValidate(My_str_grid&, std::string&, bool& accept, int, int) {
    accept = commit_pending;
    if (commit_pending) library_.library_modified = true;
    commit_pending = false;
}

void library_dialog::end_edit() {
    if (settings_list.editor()) {
        settings_list.watching = true;
        settings_list.focus_out();
        settings_list.hide_editor();
    }
    if (Info_label.caption() == text::press_enter_hint) Info_label.set_caption(text::double_click_hint);
    if (mode == index_mode) set_grid_options(index_mode);
}

bool library_dialog::confirm_overwrite() {
    const int row = settings_list.row();
    const std::string name = valid_row(row) ? library_.settings[static_cast<std::size_t>(row)].name() : "";
    return messages_.ask_yes_no(text::overwrite_question + name);
}

void library_dialog::replace_selected_setting(const std::string& name) {
    const int row = settings_list.row();
    if (!valid_row(row)) return;
    Quor_setting replacement;
    controls_to_lines(form_, replacement.control_strings, name);
    library_.settings[static_cast<std::size_t>(row)] = std::move(replacement);
    library_.library_modified = true;
}

void library_dialog::Ok_btnClick() {
    const int row = settings_list.row();
    if (mode == overwrite_mode || mode == new_name_mode) {
        if (!valid_row(row)) return;
        if (!name_fits(settings_list.cell_text(My_str_grid::name_column, row))) return;
        if (mode == overwrite_mode && !confirm_overwrite()) return;
        commit_pending = true;
    }
    end_edit();
    if (mode == index_mode || mode == as_text_mode) {
        // An empty library has nothing to apply.
        if (!valid_row(row)) return close(modal_result::cancel);
        if (hold_form_drawing) hold_form_drawing(true);
        try {
            lines_to_controls(form_, library_.settings[static_cast<std::size_t>(row)].control_strings);
        } catch (...) {
            if (hold_form_drawing) hold_form_drawing(false);
            throw;
        }
        if (hold_form_drawing) hold_form_drawing(false);
        return close(modal_result::ok);
    }
    const std::string name = settings_list.cell_text(My_str_grid::name_column, row);
    if (mode == overwrite_mode) replace_selected_setting(name);
    if (mode == new_name_mode) {
        library_.settings.back().setname(name);
        library_.library_modified = true;
    }
    close(modal_result::ok);
}

void library_dialog::Can_btnClick() {
    end_edit();
    if (mode == new_name_mode) {
        settings_list.hide_editor();
        library_.settings.pop_back();
        show_count();
        mode = index_mode;
    }
    select_row(shown_row);
    close(modal_result::cancel);
}

void library_dialog::ViewButtonClick() {
    if (mode == overwrite_mode) {
        Quor_setting added;
        controls_to_lines(form_, added.control_strings, "");
        library_.settings.push_back(std::move(added));
        // The former row's uncommitted text goes back as the selection moves.
        const int last = static_cast<int>(library_.settings.size()) - 1;
        if (!settings_list.select_cell(My_str_grid::name_column, last)) select_row(last);
        show_count();
        enter_new_name_mode();
        settings_list.show_editor();
        grid_wants_focus = true;
    } else if (mode == index_mode) {
        end_edit();
        const int row = settings_list.row();
        text_view_lines_ = valid_row(row) ? setting_text_view(library_.settings[static_cast<std::size_t>(row)])
                                          : std::vector<std::string>{};
        show_text_view();
    } else if (mode == as_text_mode) {
        show_index_view();
    }
}

void library_dialog::show_index_view() {
    mode = index_mode;
    index_view_visible_ = true;
    Info_label.set_caption(text::double_click_hint);
    ViewButton.set_caption(text::view_as_text);
    set_grid_options(index_mode);
    end_edit();
}

void library_dialog::show_text_view() {
    end_edit();
    mode = as_text_mode;
    index_view_visible_ = false;
    Info_label.set_caption(text::read_only_hint);
    ViewButton.set_caption(text::return_to_index);
    set_grid_options(index_mode);
}

void library_dialog::enter_overwrite_mode() {
    mode = overwrite_mode;
    Info_label.set_caption(text::overwrite_hint);
    ViewButton.set_caption(text::create_new_setting);
    index_view_visible_ = true;
    set_grid_options(overwrite_mode);
    settings_list.show_editor();
    settings_list.watch_current_cell();
    editor_select_all = true;
    grid_wants_focus = true;
}

void library_dialog::enter_new_name_mode() {
    mode = new_name_mode;
    Info_label.set_caption(text::new_name_hint);
    ViewButton.set_enabled(false);
    set_grid_options(new_name_mode);
}

}  // namespace quor

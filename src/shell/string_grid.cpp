#include "shell/string_grid.h"

namespace quor {

My_str_grid::My_str_grid(grid_cells cells) : cells_(std::move(cells)) {
    row_ = row_count() > 0 ? 0 : -1;
    watch_current_cell();
    watching = true;
}

std::string My_str_grid::cell_text(int column, int row) const {
    if (row < 0 || row >= row_count()) return {};
    if (typed_text_ && column == edit_col && row == edit_row) return *typed_text_;
    return column == name_column ? cells_.name(row) : std::string();
}

void My_str_grid::show_editor() {
    if (row_ >= 0 && row_ < row_count() && col_ == name_column) editor_open_ = true;
}

void My_str_grid::set_editor_text(const std::string& text) {
    if (!editor_open_) return;
    // The editor sits on the current cell, which is the watched one.
    if (col_ != edit_col || row_ != edit_row) watch_current_cell();
    typed_text_ = text;
}

bool My_str_grid::select_cell(int column, int row) {
    if (row < 0 || row >= row_count() || column < 0 || column > tag_column) return false;
    if (column == col_ && row == row_) return true;
    if (can_select && !can_select(column, row)) return false;
    move_to(column, row);
    validate_cell();
    return true;
}

void My_str_grid::move_to(int column, int row) {
    col_ = column;
    row_ = row;
    editor_open_ = editing && always_show_editor && row_ >= 0 && col_ == name_column;
}

void My_str_grid::focus_in() {
    watch_current_cell();
    watching = true;
}

void My_str_grid::focus_out() {
    if (!watching) return;
    validate_cell();
    watching = false;
}

void My_str_grid::watch_current_cell() {
    typed_text_.reset();
    edit_col = col_;
    edit_row = row_;
    entry_text = cell_text(col_, row_);
}

void My_str_grid::validate_cell() {
    const std::string text = cell_text(edit_col, edit_row);
    if (text != entry_text) {
        accepted = true;
        new_text = text;
        if (OnValidate) {
            try {
                OnValidate(*this, new_text, accepted, edit_col, edit_row);
            } catch (...) {
                // The grid keeps going whatever the handler does.
            }
        }
        write_cell(edit_col, edit_row, accepted ? new_text : entry_text);
    }
    watch_current_cell();
}

void My_str_grid::write_cell(int column, int row, const std::string& text) {
    typed_text_.reset();
    if (column != name_column || row < 0 || row >= row_count()) return;
    if (cells_.name(row) != text) cells_.set_name(row, text);
}

}  // namespace quor

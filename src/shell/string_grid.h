#pragma once
// `My_str_grid`: the library dialog's two-column grid (name, tag) without its
// window. It holds no names of its own: column 0 reads and writes the names
// through `cells`; only a text typed into the watched cell and not yet
// validated lives here. Every change of the watched cell goes through
// OnValidate before it is kept; a refused change puts the old text back.

#include <functional>
#include <optional>
#include <string>

namespace quor {

struct grid_cells {
    std::function<int()> row_count;
    std::function<std::string(int row)> name;
    std::function<void(int row, const std::string& name)> set_name;
};

class My_str_grid {
public:
    static constexpr int name_column = 0;
    static constexpr int tag_column = 1;

    explicit My_str_grid(grid_cells cells);

    int row_count() const { return cells_.row_count(); }
    int col() const { return col_; }
    int row() const { return row_; }  // -1 when there is no row
    // The text shown in a cell: the typed text in the watched cell, else the name
    // (column 0) or nothing (the tag column is drawn, not written).
    std::string cell_text(int column, int row) const;

    // Editing switches, set per mode by the dialog.
    bool editing = false;
    bool always_show_editor = false;
    bool thumb_tracking = true;
    int top_row = 0;

    // The in-place editor, always on the current cell.
    bool editor() const { return editor_open_; }
    void show_editor();
    void hide_editor() { editor_open_ = false; }
    // The editor stores its text in the edited cell at every change.
    void set_editor_text(const std::string& text);

    // A current-cell change by mouse or keyboard. can_select (the dialog's
    // Settings_listSelectCell) may refuse it; false when refused.
    bool select_cell(int column, int row);
    // Moves the current cell without the validation moment, for the program.
    void move_to(int column, int row);
    // Validation moments besides a cell change.
    void enter_pressed() { validate_cell(); }
    void focus_in();
    void focus_out();

    void watch_current_cell();
    void validate_cell();

    std::function<bool(int column, int row)> can_select;
    std::function<void(My_str_grid& sender, std::string& text, bool& accept, int column, int row)> OnValidate;

    // The watched cell and the texts of a validation.
    int edit_col = 0;
    int edit_row = -1;
    std::string entry_text;
    std::string new_text;
    bool accepted = true;
    bool watching = true;

private:
    void write_cell(int column, int row, const std::string& text);

    grid_cells cells_;
    int col_ = 0;
    int row_ = -1;
    bool editor_open_ = false;
    std::optional<std::string> typed_text_;  // in the watched cell, not yet validated
};

}  // namespace quor

#pragma once
// The settings library dialog "Available settings": 320 x 398 client pixels,
// the behaviour of `library_dialog` behind Qt widgets. The grid is a
// QTableView whose in-place editor is a delegate's line edit; the model, not
// Qt, decides whether a typed name is kept (only Enter or OK keep it).

#include <QDialog>

#include "engine/attached_handlers.h"
#include "shell/library_dialog.h"

class QFrame;
class QHeaderView;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace quor {

class library_grid_model;

class library_dialog_view final : public QDialog {
public:
    static constexpr int client_width = 320;   // pixels
    static constexpr int client_height = 398;  // pixels
    static constexpr int row_height = 16;      // pixels: 15 and the grid line

    // `dialog` must outlive the view.
    explicit library_dialog_view(library_dialog& dialog, QWidget* parent = nullptr);
    ~library_dialog_view() override;

    // Modal showings: OK when a setting was applied (stored), else Cancel.
    modal_result show_for_load();
    modal_result show_for_save();

    library_dialog& dialog() { return dialog_; }
    QTableView* settings_list() const { return settings_list_; }
    // The open in-place editor, or null.
    QLineEdit* editor() const;
    QPushButton* ok_button() const { return ok_button_; }
    QPushButton* cancel_button() const { return cancel_button_; }
    QPushButton* view_button() const { return view_button_; }
    QLabel* info_label() const { return info_label_; }
    QLabel* count_label() const { return count_label_; }
    QPlainTextEdit* text_view() const { return text_view_; }
    // Shows what no control binding shows: the views, the grid's rows,
    // selection and editor.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape and the window's close request act as Cancel.
    void reject() override;

private:
    modal_result show_modal();
    void build();
    void focus_changed(QWidget* old_focus, QWidget* new_focus);
    bool inside_grid(const QWidget* widget) const;
    void after_event();

    library_dialog& dialog_;
    library_grid_model* grid_model_ = nullptr;
    QLabel* count_label_ = nullptr;
    QWidget* index_panel_ = nullptr;
    QHeaderView* titles_ = nullptr;
    QTableView* settings_list_ = nullptr;
    QFrame* text_panel_ = nullptr;
    QPlainTextEdit* text_view_ = nullptr;
    QLabel* info_label_ = nullptr;
    QPushButton* view_button_ = nullptr;
    QPushButton* ok_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
    int editor_row_ = -1;  // the row whose persistent editor is open
    bool refreshing_ = false;
    attached_handlers handlers_;
};

}  // namespace quor

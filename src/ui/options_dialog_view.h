#pragma once
// The options dialog "Options": 334 x 359 client pixels, no Cancel. Every
// widget is bound to one control of `options_controls` and every change
// reaches the control at once; OK checks the two times and closes.

#include <QDialog>

#include "engine/attached_handlers.h"
#include "shell/options_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quor {

class options_dialog_view final : public QDialog {
public:
    static constexpr int client_width = 334;   // pixels
    static constexpr int client_height = 359;  // pixels

    // `dialog` must outlive the view; its controls are shown by this view alone.
    explicit options_dialog_view(options_dialog& dialog, QWidget* parent = nullptr);

    // Shows the dialog modally until OK accepts the times; always OK.
    modal_result show_modal();

    options_dialog& dialog() { return dialog_; }
    QLineEdit* min_time() const { return min_time_; }
    QLineEdit* max_time() const { return max_time_; }
    QLineEdit* file_name() const { return file_name_; }
    QLabel* file_name_hint() const { return file_name_hint_; }
    QPushButton* ok_button() const { return ok_button_; }
    QToolButton* step_button(bool maximum, bool up) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // No Cancel: Escape and the close request do nothing.
    void reject() override {}

private:
    void build();
    void take_focus_back();

    options_dialog& dialog_;
    QLineEdit* min_time_ = nullptr;
    QLineEdit* max_time_ = nullptr;
    QToolButton* steps_[2][2] = {};  // [maximum][up]
    QLineEdit* file_name_ = nullptr;
    QLabel* file_name_hint_ = nullptr;
    QPushButton* ok_button_ = nullptr;
    attached_handlers handlers_;
};

}  // namespace quor

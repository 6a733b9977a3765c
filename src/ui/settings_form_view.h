#pragma once
// The settings form's dialog: fixed size, no caption buttons, one widget bound
// to each control of `settings_controls`. The form's behaviour is
// `settings_form`; the hooks inherited here are what its buttons reach.

#include <QDialog>

#include "shell/settings_form.h"

class QCheckBox;

namespace quor {

class settings_form_view final : public QDialog, public settings_form_hooks {
public:
    static constexpr int client_width = 684;   // pixels
    static constexpr int client_height = 483;  // pixels

    // Builds the widgets and binds them; runs the form's FormCreate. `controls`
    // and `palette` must outlive the view.
    settings_form_view(settings_controls& controls, const animation_palette& palette, QWidget* parent = nullptr);
    ~settings_form_view() override;

    // Shows the form centred and modally until OK, Cancel or the end of the
    // program (Cancel: the application's loop ended, or end_for_program_exit).
    modal_result show_modal();
    // Closes the open form as the program ends.
    void end_for_program_exit();

    settings_form& form() { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape and the window system's close request do not close the form:
    // only its own buttons and the end of the program do.
    void reject() override;

private:
    void build();
    void show_fix_speed_colour();
    // The list can take its top row only once it has been laid out.
    void scroll_palette_list();
    bool key_pressed(QKeyEvent* event);

    settings_controls& controls_;
    settings_form form_;
    QCheckBox* fix_speed_box_ = nullptr;
};

}  // namespace quor

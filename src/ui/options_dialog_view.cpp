#include "ui/options_dialog_view.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "ui/control_bindings.h"
#include "ui/form_pictures.h"
#include "ui/thinking_box_view.h"

namespace quor {
namespace {

QFrame* bevelled_panel(QWidget* parent, const char* name, const QRect& bounds) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(bounds);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    return panel;
}

QLabel* text_label(QWidget* parent, const QString& text, const QRect& bounds) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(bounds);
    return label;
}

}  // namespace

options_dialog_view::options_dialog_view(options_dialog& dialog, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), dialog_(dialog) {
    setWindowTitle(QStringLiteral("Options"));
    setFont(form_font());
    setFixedSize(client_width, client_height);
    build();
    handlers_.attach(dialog_.on_close, [this] { done(modal_result_code(dialog_.modal_result())); });
}

void options_dialog_view::build() {
    options_controls& c = dialog_.options();
    QFrame* panel2 = bevelled_panel(this, "Panel2", QRect(8, 8, 318, 291));

    bound_widget(panel2, QRect(12, 8, 290, 20), c.Run_mode, bind_check_box);
    bound_widget(panel2, QRect(12, 30, 290, 20), c.Start_mode, bind_check_box);

    QFrame* panel1 = bevelled_panel(panel2, "Panel1", QRect(11, 56, 297, 129));
    text_label(panel1, QStringLiteral("Auto-cycling mode options"), QRect(8, 4, 280, 16));
    bound_widget(panel1, QRect(10, 22, 280, 20), c.cycle_tagged, bind_radio_button);
    bound_widget(panel1, QRect(10, 42, 280, 20), c.cycle_all, bind_radio_button);

    auto time_row = [this, panel1](int top, const QString& caption, edit_box& box, up_down& arrows, int which) {
        text_label(panel1, caption, QRect(10, top + 2, 32, 18));
        QLineEdit* line = bound_widget(panel1, QRect(44, top, 41, 21), box, bind_edit_box);
        line->installEventFilter(this);
        auto* arrow_pair = new QWidget(panel1);
        arrow_pair->setGeometry(86, top, 15, 21);
        for (int up = 0; up < 2; ++up) {
            auto* step = new QToolButton(arrow_pair);
            step->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
            step->setGeometry(0, up ? 0 : 11, 15, up ? 11 : 10);
            step->setAutoRepeat(true);
            step->setFocusPolicy(Qt::NoFocus);
            steps_[which][up] = step;
        }
        bind_up_down(*arrow_pair, *steps_[which][1], *steps_[which][0], arrows);
        text_label(panel1, QStringLiteral("time on each setting (secs)"), QRect(108, top + 2, 185, 18));
        return line;
    };
    min_time_ = time_row(70, QStringLiteral("Min."), c.min_time, c.UpDown1, 0);
    max_time_ = time_row(98, QStringLiteral("Max."), c.max_time, c.UpDown2, 1);

    bound_widget(panel2, QRect(12, 192, 296, 20), c.UseCompression, bind_radio_button);
    bound_widget(panel2, QRect(12, 212, 296, 20), c.SaveText, bind_radio_button);

    text_label(panel2, QStringLiteral("Settings file name (omit extension)"), QRect(12, 234, 290, 16));
    file_name_ = bound_widget(panel2, QRect(12, 251, 289, 21), c.Settings_file_name, bind_edit_box);
    file_name_hint_ = bound_widget(panel2, QRect(12, 273, 296, 15), dialog_.file_name_hint, bind_label);
    QPalette hint_colours = file_name_hint_->palette();
    hint_colours.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    file_name_hint_->setPalette(hint_colours);

    ok_button_ = glyph_button(glyph_kind::ok, this);
    ok_button_->setGeometry(137, 310, 63, 39);
    ok_button_->setAutoDefault(false);
    bind_button(*ok_button_, c.OK_btn, button_face::own_picture);
    // After the control's handler, which may ask for a time box's focus back.
    connect(ok_button_, &QPushButton::clicked, this, [this] { take_focus_back(); });
}

QToolButton* options_dialog_view::step_button(bool maximum, bool up) const { return steps_[maximum][up]; }

modal_result options_dialog_view::show_modal() {
    exec();
    return modal_result::ok;
}

void options_dialog_view::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_screen(*this);
    dialog_.FormShow();
}

void options_dialog_view::take_focus_back() {
    edit_box* box = dialog_.focus_back;
    dialog_.focus_back = nullptr;
    if (!box) return;
    QLineEdit* line = box == &dialog_.options().min_time ? min_time_ : max_time_;
    // After the focus change under way has finished.
    QTimer::singleShot(0, line, [line] { line->setFocus(Qt::OtherFocusReason); });
}

bool options_dialog_view::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && isVisible()) {
        if (watched == min_time_) dialog_.min_timeExit();
        if (watched == max_time_) dialog_.max_timeExit();
        take_focus_back();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quor

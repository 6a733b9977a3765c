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

#include "ui/form_pictures.h"
#include "ui/thinking_box_view.h"

#include <vector>

namespace quor {
namespace {

QString text_of(const std::string& text) { return QString::fromStdString(text); }

QFrame* bevelled_panel(QWidget* parent, const QRect& bounds) {
    auto* panel = new QFrame(parent);
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

std::vector<control*> shown_controls(options_controls& c) {
    return {&c.Run_mode, &c.Start_mode, &c.cycle_tagged, &c.cycle_all, &c.min_time, &c.max_time,
            &c.UpDown1, &c.UpDown2, &c.UseCompression, &c.SaveText, &c.Settings_file_name};
}

}  // namespace

options_dialog_view::options_dialog_view(options_dialog& dialog, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), dialog_(dialog) {
    setWindowTitle(QStringLiteral("Options"));
    setFont(form_font());
    setFixedSize(client_width, client_height);
    build();
    for (control* shown : shown_controls(dialog_.options())) shown->on_state_changed = [this] { refresh(); };
    dialog_.file_name_hint.on_state_changed = [this] { refresh(); };
    dialog_.on_close = [this] { done(modal_result_code(dialog_.modal_result())); };
    refresh();
}

options_dialog_view::~options_dialog_view() {
    for (control* shown : shown_controls(dialog_.options())) shown->on_state_changed = nullptr;
    dialog_.file_name_hint.on_state_changed = nullptr;
    dialog_.on_close = nullptr;
}

void options_dialog_view::build() {
    options_controls& c = dialog_.options();
    QFrame* panel2 = bevelled_panel(this, QRect(8, 8, 318, 291));


    run_mode_ = new QCheckBox(text_of(c.Run_mode.caption()), panel2);
    run_mode_->setGeometry(12, 8, 290, 20);
    start_mode_ = new QCheckBox(text_of(c.Start_mode.caption()), panel2);
    start_mode_->setGeometry(12, 30, 290, 20);
    connect(run_mode_, &QCheckBox::toggled, this, [&c](bool on) { c.Run_mode.set_checked(on); });
    connect(start_mode_, &QCheckBox::toggled, this, [&c](bool on) { c.Start_mode.set_checked(on); });

    QFrame* panel1 = bevelled_panel(panel2, QRect(11, 56, 297, 129));
    text_label(panel1, QStringLiteral("Auto-cycling mode options"), QRect(8, 4, 280, 16));
    cycle_tagged_ = new QRadioButton(text_of(c.cycle_tagged.caption()), panel1);
    cycle_tagged_->setGeometry(10, 22, 280, 20);
    cycle_all_ = new QRadioButton(text_of(c.cycle_all.caption()), panel1);
    cycle_all_->setGeometry(10, 42, 280, 20);

    auto time_row = [this, panel1](int top, const QString& caption, edit_box& box, up_down& arrows, int which) {
        text_label(panel1, caption, QRect(10, top + 2, 32, 18));
        auto* line = new QLineEdit(text_of(box.text()), panel1);
        line->setGeometry(44, top, 41, 21);
        line->installEventFilter(this);
        connect(line, &QLineEdit::textEdited, this, [&box](const QString& text) { box.set_text(text.toStdString()); });
        for (int up = 0; up < 2; ++up) {
            auto* step = new QToolButton(panel1);
            step->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
            step->setGeometry(86, up ? top : top + 11, 15, up ? 11 : 10);
            step->setAutoRepeat(true);
            step->setFocusPolicy(Qt::NoFocus);
            connect(step, &QToolButton::clicked, this, [&arrows, up] { up ? arrows.step_up() : arrows.step_down(); });
            steps_[which][up] = step;
        }
        text_label(panel1, QStringLiteral("time on each setting (secs)"), QRect(108, top + 2, 185, 18));
        return line;
    };
    min_time_ = time_row(70, QStringLiteral("Min."), c.min_time, c.UpDown1, 0);
    max_time_ = time_row(98, QStringLiteral("Max."), c.max_time, c.UpDown2, 1);

    use_compression_ = new QRadioButton(text_of(c.UseCompression.caption()), panel2);
    use_compression_->setGeometry(12, 192, 296, 20);
    save_text_ = new QRadioButton(text_of(c.SaveText.caption()), panel2);
    save_text_->setGeometry(12, 212, 296, 20);
    // The controls hold the exclusivity.
    for (auto [widget, control] : {std::pair{cycle_tagged_, &c.cycle_tagged}, std::pair{cycle_all_, &c.cycle_all},
                                   std::pair{use_compression_, &c.UseCompression}, std::pair{save_text_, &c.SaveText}}) {
        widget->setAutoExclusive(false);
        connect(widget, &QRadioButton::clicked, this, [this, control] {
            control->set_checked(true);
            refresh();
        });
    }

    text_label(panel2, QStringLiteral("Settings file name (omit extension)"), QRect(12, 234, 290, 16));
    file_name_ = new QLineEdit(panel2);
    file_name_->setGeometry(12, 251, 289, 21);
    connect(file_name_, &QLineEdit::textEdited, this,
            [&c](const QString& text) { c.Settings_file_name.set_text(text.toStdString()); });
    file_name_hint_ = text_label(panel2, {}, QRect(12, 273, 296, 15));
    QPalette hint_colours = file_name_hint_->palette();
    hint_colours.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    file_name_hint_->setPalette(hint_colours);

    ok_button_ = glyph_button(glyph_kind::ok, this);
    ok_button_->setGeometry(137, 310, 63, 39);
    ok_button_->setAutoDefault(false);
    connect(ok_button_, &QPushButton::clicked, this, [this] {
        dialog_.options().OK_btn.click();
        take_focus_back();
    });
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
    refresh();
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

void options_dialog_view::refresh() {
    const options_controls& c = dialog_.options();
    auto show_check = [](QAbstractButton* widget, bool checked) {
        const QSignalBlocker quiet(widget);
        widget->setChecked(checked);
    };
    show_check(run_mode_, c.Run_mode.checked());
    show_check(start_mode_, c.Start_mode.checked());
    show_check(cycle_tagged_, c.cycle_tagged.checked());
    show_check(cycle_all_, c.cycle_all.checked());
    show_check(use_compression_, c.UseCompression.checked());
    show_check(save_text_, c.SaveText.checked());
    for (auto [line, box] : {std::pair{min_time_, &c.min_time}, std::pair{max_time_, &c.max_time},
                             std::pair{file_name_, &c.Settings_file_name}}) {
        const QString text = text_of(box->text());
        if (line->text() != text) line->setText(text);
    }
    file_name_hint_->setText(text_of(dialog_.file_name_hint.caption()));
}

}  // namespace quor

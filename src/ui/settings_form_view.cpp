#include "ui/settings_form_view.h"

#include <initializer_list>
#include <string>
#include <tuple>

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "engine/parameter_catalogue.h"
#include "shell/startup_text.h"
#include "ui/control_bindings.h"
#include "ui/form_pictures.h"
#include "ui/thinking_box_view.h"

namespace quor {
namespace {

constexpr int row_height = 18;       // pixels from one bar row to the next
constexpr int bar_height = 15;       // pixels, a horizontal bar's thickness
constexpr int list_row_height = 13;  // pixels, one palette list row

QString text_of(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The label text beside a bar is the catalogue's caption.
QString caption_of(const scroll_bar& control) {
    const parameter* entry = find_parameter(control.name());
    return entry ? text_of(entry->caption) : QString();
}

// A parameter's widget tells what its catalogue entry hints at.
void show_hint(QWidget& widget, const control& shown) {
    const parameter* entry = find_parameter(shown.name());
    if (entry && !entry->hint.empty()) widget.setToolTip(text_of(entry->hint));
}

// Places the widgets of one panel; positions are relative to the panel.
class panel_builder {
public:
    panel_builder(QWidget& form, const char* name, QRect area, bool raised = false)
        : panel_(new QFrame(&form)) {
        panel_->setObjectName(QString::fromLatin1(name));
        panel_->setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
        panel_->setLineWidth(1);
        panel_->setGeometry(area);
    }

    QFrame* panel() const { return panel_; }

    QLabel* text(const QString& caption, QRect area, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        auto* label = new QLabel(caption, panel_);
        label->setAlignment(alignment);
        label->setGeometry(area);
        return label;
    }

    QLabel* text(label& control, QRect area, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        QLabel* widget = text(QString(), area, alignment);
        bind_label(*widget, control);
        return widget;
    }

    QScrollBar* bar(scroll_bar& control, QRect area) { return parameter(control, area, bind_scroll_bar); }

    // A row of a bar's caption and the bar.
    QScrollBar* captioned_bar(scroll_bar& control, int top, int label_left = 5) {
        text(caption_of(control), QRect(label_left, top, bar_left - label_left - 4, bar_height));
        return bar(control, QRect(bar_left, top, panel_->width() - bar_left - 5, bar_height));
    }

    // Rows of captioned bars from `top` down, a line between captions and bars.
    void captioned_bars(std::initializer_list<scroll_bar*> bars, int top, int label_left = 5) {
        separator(bar_left - 4, top - 1, int(bars.size()) * row_height - 2);
        for (scroll_bar* each : bars) {
            captioned_bar(*each, top, label_left);
            top += row_height;
        }
    }

    QCheckBox* check(check_box& control, QRect area) { return parameter(control, area, bind_check_box); }

    QRadioButton* radio(radio_button& control, QRect area) { return parameter(control, area, bind_radio_button); }

    QPushButton* push(button& control, QRect area, button_face face = button_face::caption) {
        auto* widget = new QPushButton(panel_);
        widget->setGeometry(area);
        widget->setFocusPolicy(Qt::TabFocus);
        bind_button(*widget, control, face);
        return widget;
    }

    // A one-pixel line between the captions and their bars.
    void separator(int left, int top, int height) {
        auto* line = new QFrame(panel_);
        line->setFrameStyle(QFrame::VLine | QFrame::Plain);
        line->setLineWidth(1);
        line->setForegroundRole(QPalette::Mid);
        line->setGeometry(left, top, 1, height);
    }

private:
    static constexpr int bar_left = 104;  // pixels, where captioned bars start

    // A parameter's widget in its place, bound to its control, with its hint.
    template <typename Widget, typename Control>
    Widget* parameter(Control& control, QRect area, void (*bind)(Widget&, Control&)) {
        Widget* widget = bound_widget(panel_, area, control, bind);
        show_hint(*widget, control);
        return widget;
    }

    QFrame* panel_;
};

}  // namespace

settings_form_view::settings_form_view(settings_controls& controls, const animation_palette& palette,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      controls_(controls),
      form_(controls, *this, palette) {
    setWindowTitle(text_of(startup_text::application_title) + QStringLiteral(" Version 32_1.0"));
    setWindowIcon(QIcon(icon_picture()));
    setFont(form_font());
    setFixedSize(client_width, client_height);
    build();
    form_.on_close = [this] { done(modal_result_code(form_.modal_result())); };
    // The form sees every key before its controls do.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

settings_form_view::~settings_form_view() {
    // The widgets go before the dialog does; what they signal as they go must
    // not reach the controls, which live on.
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children) child->blockSignals(true);
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void settings_form_view::build() {
    settings_controls& c = controls_;

    {
        panel_builder p(*this, "Panel_00", QRect(2, 4, 230, 118));
        p.check(c.Screensaver, QRect(5, 100, 100, 14));
        p.captioned_bars({&c.max_polygons, &c.vanishing, &c.perspective, &c.magnification}, 5);
        p.check(c.in_out, QRect(5, 80, 70, 16));
        p.check(c.rub_out, QRect(5, 98, 80, 16));
        p.check(c.hide_cursor, QRect(104, 80, 110, 16));
    }
    {
        panel_builder p(*this, "Panel_01", QRect(2, 126, 230, 100));
        p.text(QStringLiteral("Aspect distortion"), QRect(5, 4, 120, 14));
        p.check(c.aspect_sync, QRect(146, 3, 80, 16));
        p.captioned_bars({&c.aspect_a_x, &c.aspect_a_y, &c.aspect_f_x, &c.aspect_f_y}, 22);
    }
    {
        panel_builder p(*this, "Panel_02", QRect(2, 230, 230, 210));
        p.text(QStringLiteral("Rotation control"), QRect(5, 4, 120, 14));
        p.push(c.rot_zero, QRect(164, 3, 60, 18));
        p.radio(c.no_rotation, QRect(5, 22, 200, 16));
        p.radio(c.sin_rotation, QRect(5, 39, 210, 16));
        p.captioned_bars({&c.ampl, &c.freq, &c.precess}, 57, 20);
        p.radio(c.ran_rotation, QRect(5, 112, 210, 16));
        p.captioned_bars({&c.max_rot_speed, &c.min_rot_speed}, 130, 20);
        p.radio(c.rot_ran_per, QRect(20, 167, 80, 16));
        p.radio(c.rot_ran_ran, QRect(104, 167, 80, 16));
        p.captioned_bars({&c.rot_ran_freq}, 186, 20);
    }
    {
        panel_builder p(*this, "Panel_10", QRect(236, 4, 212, 148));
        p.text(QStringLiteral("Probability density of Quorrings"), QRect(4, 4, 204, 14), Qt::AlignCenter);
        scroll_bar* bars[] = {&c.density1, &c.density2, &c.density3, &c.density4, &c.density5,
                              &c.density6, &c.density7, &c.density8, &c.density9, &c.density10};
        const int first_left = (212 - (9 * 20 + 16)) / 2;
        for (int index = 0; index < 10; ++index) {
            const int left = first_left + index * 20;
            p.bar(*bars[index], QRect(left, 21, 16, 80));
            p.text(caption_of(*bars[index]), QRect(left - 2, 102, 20, 13), Qt::AlignCenter);
        }
        p.push(c.PDF_zero, QRect(6, 121, 60, 21));
        p.text(QStringLiteral("Sides"), QRect(70, 121, 72, 21), Qt::AlignCenter);
        p.push(c.PDF_max, QRect(146, 121, 60, 21));
    }
    {
        panel_builder p(*this, "Panel_11", QRect(236, 156, 212, 70));
        const QFont font = form_font();
        for (auto [control, kind, left] : {std::tuple{&c.OK_btn, glyph_kind::ok, 6},
                                           std::tuple{&c.Can_btn, glyph_kind::cancel, 146}}) {
            QPushButton* widget = p.push(*control, QRect(left, 5, 60, 39), button_face::own_picture);
            const QIcon glyph = button_glyph(kind, font);
            widget->setIcon(glyph);
            widget->setIconSize(glyph.availableSizes().value(0));
            widget->setToolTip(text_of(control->caption()));
        }
        QLabel* logo = p.text(QString(), QRect(69, 5, 74, 40), Qt::AlignCenter);
        logo->setObjectName(QStringLiteral("Q_image"));
        logo->setPixmap(logo_picture());
        p.text(QStringLiteral("Press F1 for help"), QRect(4, 49, 204, 16), Qt::AlignCenter);
    }
    {
        panel_builder p(*this, "Panel_12", QRect(236, 230, 212, 210));
        auto* list = new QListWidget(p.panel());
        list->setUniformItemSizes(true);
        list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; padding: 0px; }").arg(list_row_height));
        // A whole number of rows inside the frame.
        const int rows = 6;
        list->setGeometry(5, 5, 138, rows * list_row_height + 2 * list->frameWidth());
        bind_list_box(*list, c.palette_list);
        show_hint(*list, c.palette_list);

        panel_builder icon_panel(*p.panel(), "Pal_panel", QRect(150, 5, 56, 46), true);
        QLabel* icon = icon_panel.text(QString(), QRect(12, 7, 32, 32), Qt::AlignCenter);
        icon->setObjectName(QStringLiteral("Q_icon"));
        icon->setPixmap(icon_picture());
        p.push(c.Button1, QRect(150, 58, 56, 21));

        p.captioned_bars({&c.palette_inc, &c.colour_step}, 93);
        p.text(QStringLiteral("Pause mode (right button)"), QRect(5, 134, 200, 14));
        p.radio(c.pause_freeze, QRect(20, 151, 180, 16));
        p.radio(c.pause_continue, QRect(20, 169, 180, 16));
        p.radio(c.pause_mouse, QRect(20, 187, 180, 16));
    }
    {
        panel_builder p(*this, "Panel_13", QRect(2, 444, 681, 37));
        int left = 10;
        for (button* each : {&c.Load_btn, &c.Save_btn, &c.Mode_btn, &c.About_btn, &c.Kill_btn}) {
            p.push(*each, QRect(left, 6, 124, 25));
            left += 134;
        }
    }
    {
        panel_builder p(*this, "Panel_20", QRect(452, 4, 230, 60));
        p.text(QStringLiteral("Shape changing"), QRect(5, 4, 120, 14));
        p.radio(c.shape_per, QRect(20, 21, 80, 16));
        p.radio(c.shape_ran, QRect(104, 21, 80, 16));
        p.captioned_bar(c.shape_freq, 40, 20);
    }
    {
        panel_builder p(*this, "Panel_21", QRect(452, 68, 230, 220));
        p.text(QStringLiteral("Motion control"), QRect(5, 4, 120, 14));
        p.radio(c.no_motion, QRect(5, 21, 100, 16));
        p.radio(c.mouse_motion, QRect(104, 21, 110, 16));
        p.captioned_bar(c.mot_b_damping, 40, 20);
        p.radio(c.ran_fluid_motion, QRect(5, 59, 200, 16));
        // The distribution belongs to the fluid motion: indented under it.
        p.separator(12, 77, 17);
        p.radio(c.ran_gaussian, QRect(20, 77, 84, 16));
        p.radio(c.ran_uniform, QRect(104, 77, 84, 16));
        p.radio(c.ran_jump_motion, QRect(5, 97, 200, 16));
        p.captioned_bar(c.mot_ran_freq, 116, 20);
        p.radio(c.par_motion, QRect(5, 135, 200, 16));
        const QString rows[] = {QStringLiteral("f"), QStringLiteral("r"), QStringLiteral("s")};
        scroll_bar* left_column[] = {&c.mot_par_a, &c.mot_par_b, &c.mot_par_c};
        scroll_bar* right_column[] = {&c.mot_par_d, &c.mot_par_e, &c.mot_par_f};
        p.text(QStringLiteral("x"), QRect(18, 153, 92, 13), Qt::AlignCenter);
        p.text(QStringLiteral("y"), QRect(120, 153, 92, 13), Qt::AlignCenter);
        for (int row = 0; row < 3; ++row) {
            const int top = 167 + row * row_height;
            p.text(rows[row], QRect(4, top, 12, bar_height), Qt::AlignCenter);
            p.bar(*left_column[row], QRect(18, top, 92, bar_height));
            p.bar(*right_column[row], QRect(120, top, 92, bar_height));
            p.text(rows[row], QRect(214, top, 12, bar_height), Qt::AlignCenter);
        }
    }
    {
        panel_builder p(*this, "Panel_22", QRect(452, 292, 230, 41));
        p.text(QStringLiteral("Draw style"), QRect(5, 4, 120, 14));
        p.radio(c.draw_solid, QRect(20, 21, 90, 16));
        p.radio(c.draw_vertices, QRect(114, 21, 100, 16));
    }
    {
        panel_builder p(*this, "Panel1", QRect(452, 338, 230, 67));
        fix_speed_box_ = p.check(c.fix_speed, QRect(5, 4, 220, 16));
        // The approximately-equal sign, in a font that has it.
        QFont sign_font = form_font();
        sign_font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Symbol")});
        sign_font.setPixelSize(13);
        const QString about_equal = QString(QChar(0x2248));
        p.text(QStringLiteral("Current speed"), QRect(5, 24, 96, 18));
        p.text(about_equal, QRect(101, 24, 12, 18), Qt::AlignCenter)->setFont(sign_font);
        p.text(c.f_speed, QRect(116, 24, 40, 18));
        p.push(c.Set_speed, QRect(170, 23, 54, 20));
        p.text(QStringLiteral("Designed speed"), QRect(5, 46, 96, 18));
        p.text(about_equal, QRect(101, 46, 12, 18), Qt::AlignCenter)->setFont(sign_font);
        p.text(c.designed_speed, QRect(116, 46, 28, 18));
        p.bar(c.speed_scroll, QRect(146, 47, 78, bar_height));
    }
    {
        panel_builder p(*this, "Panel2", QRect(452, 410, 230, 29));
        p.text(QStringLiteral("One space left for something nice"), QRect(4, 4, 222, 21), Qt::AlignCenter);
    }
}

modal_result settings_form_view::show_modal() {
    form_.FormShow();
    show_fix_speed_colour();
    centre_on_screen(*this);
    exec();
    // Nothing the form opened stays up without it.
    for (QDialog* child : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) child->hide();
    return form_.modal_result() == modal_result::ok ? modal_result::ok : modal_result::cancel;
}

void settings_form_view::end_for_program_exit() { form_.end_for_program_exit(); }

void settings_form_view::show_fix_speed_colour() {
    const std::uint32_t colour = form_.fix_speed_check_colour();
    QPalette palette = fix_speed_box_->palette();
    palette.setColor(QPalette::Text, QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)));
    fix_speed_box_->setPalette(palette);
}

void settings_form_view::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    scroll_palette_list();
}

void settings_form_view::scroll_palette_list() {
    auto* list = findChild<QListWidget*>(QStringLiteral("palette_list"));
    list->doItemsLayout();
    const QSignalBlocker quiet(list->verticalScrollBar());
    list->verticalScrollBar()->setValue(controls_.palette_list.top_index());
}

bool settings_form_view::key_pressed(QKeyEvent* event) {
    const int key = event->key();
    const int virtual_key = key >= Qt::Key_F1 && key <= Qt::Key_F24 ? settings_form::virtual_key_f1 + (key - Qt::Key_F1) : 0;
    return virtual_key != 0 && form_.FormKeyDown(virtual_key);
}

bool settings_form_view::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && key_pressed(static_cast<QKeyEvent*>(event))) return true;
    return QDialog::eventFilter(watched, event);
}

void settings_form_view::keyPressEvent(QKeyEvent* event) {
    if (key_pressed(event)) return;
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

void settings_form_view::reject() {
    if (form_.modal_result() != modal_result::still_open) QDialog::reject();
}

}  // namespace quor

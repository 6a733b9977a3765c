#include "ui/control_bindings.h"

#include <optional>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "engine/button.h"
#include "engine/check_box.h"
#include "engine/edit_box.h"
#include "engine/label.h"
#include "engine/list_box.h"
#include "engine/radio_button.h"
#include "engine/scroll_bar.h"
#include "engine/up_down.h"

namespace quor {
namespace {

QString text_of(const std::string& text) { return QString::fromStdString(text); }

// Names the widget after the control, shows the control through it now and
// after every change of the control, and forgets the widget when it goes.
template <typename Show>
void show_control(QWidget& widget, control& shown, Show show) {
    widget.setObjectName(text_of(shown.name()));
    auto show_all = [&widget, &shown, show] {
        widget.setEnabled(shown.enabled());
        widget.setHidden(!shown.visible());
        show();
    };
    shown.on_state_changed = show_all;
    QObject::connect(&widget, &QObject::destroyed, [&shown] { shown.on_state_changed = nullptr; });
    show_all();
}

std::optional<scroll_code> scroll_code_for(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub: return scroll_code::line_up;
        case QAbstractSlider::SliderSingleStepAdd: return scroll_code::line_down;
        case QAbstractSlider::SliderPageStepSub: return scroll_code::page_up;
        case QAbstractSlider::SliderPageStepAdd: return scroll_code::page_down;
        case QAbstractSlider::SliderToMinimum: return scroll_code::top;
        case QAbstractSlider::SliderToMaximum: return scroll_code::bottom;
        case QAbstractSlider::SliderMove: return scroll_code::thumb_track;
        default: return std::nullopt;
    }
}

// A check box or radio button: its caption and checked state.
template <typename Widget, typename Control>
void show_checked(Widget& widget, const Control& control) {
    const QSignalBlocker quiet(widget);
    widget.setText(text_of(control.caption()));
    widget.setChecked(control.checked());
}

}  // namespace

void bind_scroll_bar(QScrollBar& widget, scroll_bar& control) {
    widget.setOrientation(control.vertical() ? Qt::Vertical : Qt::Horizontal);
    show_control(widget, control, [&widget, &control] {
        const QSignalBlocker quiet(widget);
        widget.setRange(control.minimum(), control.maximum());
        widget.setSingleStep(control.small_change());
        widget.setPageStep(control.large_change());
        widget.setValue(control.position());
        widget.setSliderPosition(control.position());
    });
    // The slider has moved its thumb by the action but not yet taken the value:
    // the control decides where it lands.
    QObject::connect(&widget, &QAbstractSlider::actionTriggered, [&widget, &control](int action) {
        const std::optional<scroll_code> code = scroll_code_for(action);
        if (!code) return;
        control.scroll(*code, widget.sliderPosition());
        widget.setSliderPosition(control.position());
    });
    // Any other way the value changes counts as the thumb put there.
    QObject::connect(&widget, &QAbstractSlider::valueChanged, [&widget, &control](int value) {
        if (value == control.position()) return;
        control.scroll(scroll_code::thumb_position, value);
        const QSignalBlocker quiet(widget);
        widget.setValue(control.position());
    });
}

void bind_check_box(QCheckBox& widget, check_box& control) {
    show_control(widget, control, [&widget, &control] { show_checked(widget, control); });
    QObject::connect(&widget, &QAbstractButton::toggled, [&control](bool checked) { control.set_checked(checked); });
}

void bind_radio_button(QRadioButton& widget, radio_button& control) {
    widget.setAutoExclusive(false);
    auto show = [&widget, &control] { show_checked(widget, control); };
    show_control(widget, control, show);
    QObject::connect(&widget, &QAbstractButton::clicked, [&control, show] {
        control.set_checked(true);
        // Clicking a checked button unchecked the widget but not the control.
        show();
    });
}

void bind_list_box(QListWidget& widget, list_box& control) {
    widget.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    widget.setSelectionMode(QAbstractItemView::SingleSelection);
    // The control says which row is on top; the view must not scroll to the
    // selection by itself (it would when shown). The user's moves still do.
    widget.setAutoScroll(false);
    show_control(widget, control, [&widget, &control] {
        const QSignalBlocker quiet(widget);
        const QSignalBlocker quiet_scrolling(widget.verticalScrollBar());
        bool same_items = widget.count() == control.count();
        for (int row = 0; same_items && row < control.count(); ++row) {
            same_items = widget.item(row)->text() == text_of(control.item(row));
        }
        if (!same_items) {
            widget.clear();
            for (const std::string& item : control.items()) widget.addItem(text_of(item));
        }
        if (widget.currentRow() != control.item_index()) {
            widget.setCurrentRow(control.item_index());
            if (control.item_index() < 0) widget.clearSelection();
        }
        // Scrolled per item: the scroll bar's value is the top row.
        widget.verticalScrollBar()->setValue(control.top_index());
    });
    QObject::connect(&widget, &QListWidget::currentRowChanged, [&widget, &control](int row) {
        if (row < -1 || row >= control.count()) return;
        if (row >= 0) widget.scrollToItem(widget.item(row));
        control.set_item_index(row);
    });
    QObject::connect(widget.verticalScrollBar(), &QAbstractSlider::valueChanged,
                     [&control](int top) { control.set_top_index(top); });
}

void bind_label(QLabel& widget, label& control) {
    show_control(widget, control, [&widget, &control] { widget.setText(text_of(control.caption())); });
}

void bind_edit_box(QLineEdit& widget, edit_box& control) {
    show_control(widget, control, [&widget, &control] {
        // Only a different text is set: setting it moves the cursor to the end.
        const QString text = text_of(control.text());
        if (widget.text() != text) widget.setText(text);
    });
    QObject::connect(&widget, &QLineEdit::textEdited,
                     [&control](const QString& text) { control.set_text(text.toStdString()); });
}

void bind_up_down(QWidget& arrows, QAbstractButton& up, QAbstractButton& down, up_down& control) {
    show_control(arrows, control, [] {});
    QObject::connect(&up, &QAbstractButton::clicked, [&control] {
        if (control.enabled()) control.step_up();
    });
    QObject::connect(&down, &QAbstractButton::clicked, [&control] {
        if (control.enabled()) control.step_down();
    });
}

void bind_button(QAbstractButton& widget, button& control, button_face face) {
    show_control(widget, control, [&widget, &control, face] {
        if (face == button_face::caption) widget.setText(text_of(control.caption()));
    });
    QObject::connect(&widget, &QAbstractButton::clicked, [&control] {
        if (control.enabled()) control.click();
    });
}

}  // namespace quor

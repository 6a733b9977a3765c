#pragma once
// Binds one Qt widget to one control, the one way every view does it. What the
// user does to the widget goes to the control's setters, so the control's rules
// and handlers run; every change of the control, whoever made it, is shown by
// the widget at once, and the widget takes the control's name as its object
// name. Neither side echoes the other. The control must outlive the widget;
// the binding is undone when the widget goes. Each control carries one view at
// a time.

#include <QRect>
#include <QWidget>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QScrollBar;

namespace quor {

class button;
class check_box;
class edit_box;
class label;
class list_box;
class radio_button;
class scroll_bar;
class up_down;

// Every kind of user move (arrows, page clicks, dragging, keys, wheel) goes
// through scroll_bar::scroll, so on_scroll may alter it before the thumb lands.
void bind_scroll_bar(QScrollBar& widget, scroll_bar& control);
// Check boxes and radio buttons show the control's caption.
void bind_check_box(QCheckBox& widget, check_box& control);
// The control holds the exclusivity: the widget is made non-exclusive, and
// clicking a checked button leaves it checked.
void bind_radio_button(QRadioButton& widget, radio_button& control);
// Items, selection and the top visible row.
void bind_list_box(QListWidget& widget, list_box& control);
void bind_label(QLabel& widget, label& control);
// What the user types reaches the control at every change; a text the control
// puts back (trimmed, refused) shows at once.
void bind_edit_box(QLineEdit& widget, edit_box& control);
// `arrows` holds the two arrow buttons: it shows the control's state, and a
// click on an arrow steps the control.
void bind_up_down(QWidget& arrows, QAbstractButton& up, QAbstractButton& down, up_down& control);

// A button shows the control's caption, or keeps its own picture (a glyph
// button whose picture carries its text).
enum class button_face { caption, own_picture };
// Clicks reach the control only while it is enabled.
void bind_button(QAbstractButton& widget, button& control, button_face face = button_face::caption);

// A new widget on `parent`, placed at `area` and bound by `bind`:
// bound_widget(panel, area, control, bind_check_box).
template <typename Widget, typename Control>
Widget* bound_widget(QWidget* parent, QRect area, Control& control, void (*bind)(Widget&, Control&)) {
    auto* widget = new Widget(parent);
    widget->setGeometry(area);
    bind(*widget, control);
    return widget;
}

}  // namespace quor

#pragma once
// Binds one Qt widget to one control. What the user does to the widget goes to
// the control's setters, so the control's rules and handlers run; every change
// of the control, whoever made it, is shown by the widget at once. Neither
// side echoes the other. The control must outlive the widget; the binding is
// undone when the widget goes. Each control carries one view at a time.

class QAbstractButton;
class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QScrollBar;

namespace quor {

class button;
class check_box;
class label;
class list_box;
class radio_button;
class scroll_bar;

// Every kind of user move (arrows, page clicks, dragging, keys, wheel) goes
// through scroll_bar::scroll, so on_scroll may alter it before the thumb lands.
void bind_scroll_bar(QScrollBar& widget, scroll_bar& control);
void bind_check_box(QCheckBox& widget, check_box& control);
// The control holds the exclusivity: the widget is made non-exclusive, and
// clicking a checked button leaves it checked.
void bind_radio_button(QRadioButton& widget, radio_button& control);
// Items, selection and the top visible row.
void bind_list_box(QListWidget& widget, list_box& control);
void bind_label(QLabel& widget, label& control);
// Clicks reach the control only while it is enabled; the widget keeps its own
// text or picture.
void bind_button(QAbstractButton& widget, button& control);

}  // namespace quor

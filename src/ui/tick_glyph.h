#pragma once
// The OK buttons' face, drawn in code: a green tick beside "OK".

#include <QIcon>

class QFont;

namespace quor {

// Sized for a button about 60 x 35 pixels; greyed when the button is disabled.
QIcon tick_glyph(const QFont& font);

}  // namespace quor

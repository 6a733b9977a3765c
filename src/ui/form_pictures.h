#pragma once
// The settings form's pictures, drawn in code: the OK and Cancel button
// glyphs, the logo and the program's icon.

#include <QIcon>
#include <QPixmap>

class QPushButton;
class QWidget;

namespace quor {

// The font of the forms and dialogs: bold, 11 pixels, a plain sans serif.
QFont form_font();

enum class glyph_kind { ok, cancel };

// A button face: a green tick beside "OK" or a red cross beside "Cancel", in
// `font`, with a disabled (grey) state. Sized for a 60 x 39 button.
QIcon button_glyph(glyph_kind kind, const QFont& font);
// A push button that shows only that glyph, in the parent's font.
QPushButton* glyph_button(glyph_kind kind, QWidget* parent);

// 74 x 40: the program's name in outlined letters inside a rounded frame.
QPixmap logo_picture();

// 32 x 32: nested rings on black, the program's icon.
QPixmap icon_picture();

}  // namespace quor

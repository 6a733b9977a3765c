#pragma once
// The settings form's pictures, drawn in code: the OK and Cancel button
// glyphs, the logo and the program's icon.

#include <QIcon>
#include <QPixmap>

namespace quor {

enum class glyph_kind { ok, cancel };

// A button face: a green tick beside "OK" or a red cross beside "Cancel", in
// `font`, with a disabled (grey) state. Sized for a 60 x 39 button.
QIcon button_glyph(glyph_kind kind, const QFont& font);

// 74 x 40: the program's name in outlined letters inside a rounded frame.
QPixmap logo_picture();

// 32 x 32: nested rings on black, the program's icon.
QPixmap icon_picture();

}  // namespace quor

#pragma once
// The program's two cursors, 32 x 32 with the hot spot at the top-left corner:
// slot 1 a small dotted square around a centre block, slot 2 invisible.

#include <QCursor>
#include <QImage>

namespace quor {

inline constexpr int dotted_cursor_slot = 1;
inline constexpr int hidden_cursor_slot = 2;
inline constexpr int cursor_size = 32;  // pixels

// The cursor's picture: marked pixels white, their unmarked neighbours dark so
// they show on white too (the window system cannot invert the screen), the
// rest transparent. A slot other than 1 or 2 gives a null image.
QImage cursor_image(int slot);

// The cursor of slot 1 or 2; any other slot gives the ordinary arrow.
QCursor cursor_for_slot(int slot);

}  // namespace quor

#pragma once
// The dialogs' font: "MS Sans Serif" bold, 11 pixels high, or the nearest
// sans-serif face this machine has.

#include <QFont>

namespace quor {

QFont form_font();

}  // namespace quor

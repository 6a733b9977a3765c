#include "ui/screen_queries.h"

#include <cmath>

#include <QApplication>
#include <QScreen>
#include <QStyle>

namespace quor {

emulated_display_modes screen_display_modes() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return emulated_display_modes(0, 0);
    QSize size = screen->size();
    double ratio = screen->devicePixelRatio();
    return emulated_display_modes(static_cast<int>(std::lround(size.width() * ratio)),
                                  static_cast<int>(std::lround(size.height() * ratio)));
}

int vertical_scroll_bar_width() {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

}  // namespace quor

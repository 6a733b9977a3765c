#include "ui/screen_queries.h"

#include <cmath>

#include <QApplication>
#include <QScreen>
#include <QStyle>

namespace quor {

QSize device_size_of(const QScreen* screen) {
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QSize size = screen->size();
    const double ratio = screen->devicePixelRatio();
    return {static_cast<int>(std::lround(size.width() * ratio)), static_cast<int>(std::lround(size.height() * ratio))};
}

emulated_display_modes screen_display_modes(const QScreen* screen) {
    const QSize size = device_size_of(screen);
    return emulated_display_modes(size.width(), size.height());
}

int vertical_scroll_bar_width() {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

}  // namespace quor

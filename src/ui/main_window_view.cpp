#include "ui/main_window_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace quor {

main_window_view::main_window_view(main_window& window) : window_(window) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setMouseTracking(true);

    const index_buffer& screen = window_.screen();
    pixels_.assign(static_cast<std::size_t>(screen.width()) * static_cast<std::size_t>(screen.height()), 0xff000000u);
    picture_ = QImage(reinterpret_cast<uchar*>(pixels_.data()), screen.width(), screen.height(),
                      screen.width() * static_cast<qsizetype>(sizeof(std::uint32_t)), QImage::Format_RGB32);
}

void main_window_view::show_full_screen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    showFullScreen();
}

void main_window_view::idle_frame(idle_turn& turn) {
    if (const double wait = window_.seconds_until_next_frame(); wait > 0.0) {
        turn.done = false;
        turn.delay_seconds = wait;
        return;
    }
    window_.idle_frame(turn.done);
    if (!converted_once_ || window_.session().picture_differs(presented_pixels_, presented_palette_)) present();
}

void main_window_view::end_program() {
    ending_ = true;
    close();
}

void main_window_view::present() {
    own_frame_pending_ = true;
    update();
}

void main_window_view::convert_if_changed() {
    animation_session& session = window_.session();
    if (converted_once_ && !session.picture_differs(presented_pixels_, presented_palette_)) return;
    const session_picture picture = session.picture();
    presenter_.present(picture.pixels, picture.colours,
                       {pixels_.data(), picture.pixels.width, picture.pixels.height, picture.pixels.width});
    presented_pixels_ = picture.pixels_version;
    presented_palette_ = picture.palette_version;
    converted_once_ = true;
}

void main_window_view::paintEvent(QPaintEvent* event) {
    // Nobody but the window system asks for a paint we did not: an exposure.
    if (!own_frame_pending_) window_.FormPaint();
    own_frame_pending_ = false;
    convert_if_changed();

    const qreal ratio = devicePixelRatioF();
    picture_.setDevicePixelRatio(ratio);
    QPainter painter(this);
    const QRect picture_area(QPoint(0, 0), (QSizeF(picture_.size()) / ratio).toSize());
    painter.drawImage(QPoint(0, 0), picture_);
    for (const QRect& uncovered : QRegion(event->rect()).subtracted(picture_area)) painter.fillRect(uncovered, Qt::black);
}

QPoint main_window_view::device_position(const QMouseEvent& event) const {
    const QPointF position = event.position() * devicePixelRatioF();
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

void main_window_view::mousePressEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton:
        left_pressed_ = true;
        window_.FormMouseDown(mouse_button::left);
        break;
    case Qt::RightButton:
        window_.FormMouseDown(mouse_button::right);
        break;
    default:
        window_.FormMouseDown(mouse_button::middle);
        break;
    }
}

void main_window_view::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !left_pressed_) return;
    left_pressed_ = false;
    if (rect().contains(event->position().toPoint())) window_.FormClick();
}

void main_window_view::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = device_position(*event);
    window_.FormMouseMove(position.x(), position.y());
}

void main_window_view::closeEvent(QCloseEvent* event) {
    if (ending_)
        event->accept();
    else
        event->ignore();
}

void main_window_view::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Minimising is refused: the animation covers the screen until the program ends.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !ending_)
        QTimer::singleShot(0, this, [this] { show_full_screen(); });
}

}  // namespace quor

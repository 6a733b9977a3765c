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
    clock_.start();

    const index_buffer& screen = window_.screen();
    pixels_.assign(static_cast<std::size_t>(screen.width()) * static_cast<std::size_t>(screen.height()), 0xff000000u);
    picture_ = QImage(reinterpret_cast<uchar*>(pixels_.data()), screen.width(), screen.height(),
                      screen.width() * static_cast<qsizetype>(sizeof(std::uint32_t)), QImage::Format_RGB32);
}

void main_window_view::show_full_screen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    showFullScreen();
}

double main_window_view::refresh_period() const {
    const QScreen* shown_on = screen();
    const double rate = shown_on ? shown_on->refreshRate() : 0.0;
    return 1.0 / (rate >= 1.0 ? rate : 60.0);
}

double main_window_view::seconds_now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e9; }

double main_window_view::seconds_until_frame() {
    // With speed fixing on the regulation paces the steps; with it off the
    // display does, one step a refresh.
    const double regulated = window_.seconds_until_next_frame();
    if (window_.session().fixed_speed() || last_frame_at_ < 0.0) return regulated;
    return std::max(regulated, last_frame_at_ + refresh_period() - seconds_now());
}

void main_window_view::idle_frame(idle_turn& turn) {
    // Under the settings form nothing on screen moves: the loop waits for
    // events, and the form's own loop handles them.
    if (window_.settings_open()) {
        window_.idle_frame(turn.done);
        turn.done = true;
        return;
    }
    if (const double wait = seconds_until_frame(); wait > 0.0) {
        turn.done = false;
        turn.delay_seconds = wait;
        return;
    }
    const double now = seconds_now();
    const double period = refresh_period();
    const bool fixed_speed = window_.session().fixed_speed();
    last_frame_at_ = now;
    window_.idle_frame(turn.done);
    // Faster steps than the display shows: only the latest picture is shown,
    // at most once a refresh; the steps between add to what it converts.
    const bool display_ready = last_presented_at_ < 0.0 || now - last_presented_at_ >= period * 0.95;
    if ((display_ready || !fixed_speed) &&
        (!converted_once_ || window_.session().picture_differs(presented_pixels_, presented_palette_))) {
        last_presented_at_ = now;
        present();
    }
    if (turn.done) return;
    // The next frame: when its slot comes, or after a refresh.
    turn.delay_seconds = fixed_speed ? window_.seconds_until_next_frame() : period;
}

void main_window_view::end_program() {
    ending_ = true;
    close();
}

pixel_area main_window_view::convert_changes() {
    animation_session& session = window_.session();
    const session_picture picture = session.picture();
    const pixel_area rows = presenter_.present_changes(
        picture.pixels, picture.drawn, picture.colours,
        {pixels_.data(), picture.pixels.width, picture.pixels.height, picture.pixels.width});
    presented_pixels_ = picture.pixels_version;
    presented_palette_ = picture.palette_version;
    converted_once_ = true;
    return rows;
}

void main_window_view::present() {
    const pixel_area rows = convert_changes();
    if (rows.empty()) return;
    ++presented_frames_;
    own_frame_pending_ = true;
    // Device rows to the widget's own coordinates, rounded outward.
    const qreal ratio = devicePixelRatioF();
    const int top = static_cast<int>(std::floor(rows.top / ratio));
    const int bottom = static_cast<int>(std::ceil(rows.bottom / ratio));
    update(QRect(0, top, width(), bottom - top));
}

void main_window_view::paintEvent(QPaintEvent* event) {
    // Nobody but the window system asks for a paint we did not: an exposure.
    if (!own_frame_pending_) {
        window_.FormPaint();
        convert_changes();
    }
    own_frame_pending_ = false;

    const qreal ratio = devicePixelRatioF();
    picture_.setDevicePixelRatio(ratio);
    QPainter painter(this);
    // Only what was asked for is copied into the window's backing store.
    const QRect picture_area(QPoint(0, 0), (QSizeF(picture_.size()) / ratio).toSize());
    for (const QRect& area : event->region()) {
        const QRect shown = area.intersected(picture_area);
        if (!shown.isEmpty()) {
            const QRect source((QPointF(shown.topLeft()) * ratio).toPoint(), (QSizeF(shown.size()) * ratio).toSize());
            painter.drawImage(shown, picture_, source);
        }
        for (const QRect& uncovered : QRegion(area).subtracted(picture_area)) painter.fillRect(uncovered, Qt::black);
    }
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

#include "ui/main_window_view.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>

namespace quor {

namespace {

double refresh_rate_of(const QScreen* screen) { return screen ? screen->refreshRate() : 0.0; }

}  // namespace

main_window_view::main_window_view(main_window& window)
    : window_(window), pacing_(clock_, refresh_rate_of(QGuiApplication::primaryScreen())) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setMouseTracking(true);

}

void main_window_view::show_full_screen(QScreen* screen) {
    if (screen) screen_ = screen;
    if (!screen_) screen_ = QGuiApplication::primaryScreen();
    if (screen_) {
        setGeometry(screen_->geometry());
        winId();  // a window handle, to put it on its screen before it shows
        windowHandle()->setScreen(screen_);
    }
    showFullScreen();
}

double main_window_view::refresh_period() const { return 1.0 / pacing_.refresh_rate(); }

double main_window_view::seconds_until_frame() {
    return window_.settings_open() ? 0.0 : pacing_.seconds_until_frame(window_.session());
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
    window_.idle_frame(turn.done);
    // Faster frames than the display shows: the steps between add to what the
    // next shown frame converts.
    if (pacing_.frame_ran(window_.session()) &&
        (!converted_once_ || window_.session().picture_differs(presented_pixels_, presented_palette_)))
        present();
    if (!turn.done) turn.delay_seconds = seconds_until_frame();
}

void main_window_view::end_program() {
    ending_ = true;
    close();
}

QRect main_window_view::widget_area(const pixel_area& area) const {
    // Device pixels to the widget's own coordinates, rounded outward.
    const qreal ratio = devicePixelRatioF();
    const QPoint top_left(static_cast<int>(std::floor(area.left / ratio)), static_cast<int>(std::floor(area.top / ratio)));
    const QPoint bottom_right(static_cast<int>(std::ceil(area.right / ratio)), static_cast<int>(std::ceil(area.bottom / ratio)));
    return QRect(top_left, bottom_right - QPoint(1, 1));
}

rgb_image main_window_view::picture_target() {
    // The window's own backing store, when it is a 32-bit image: converted
    // straight into it, a frame costs no copy of the whole picture.
    const index_buffer& screen = window_.screen();
    if (QBackingStore* store = backingStore()) {
        QPaintDevice* device = store->paintDevice();
        if (device && device->devType() == QInternal::Image) {
            auto* image = static_cast<QImage*>(device);
            const QImage::Format format = image->format();
            if ((format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                 format == QImage::Format_ARGB32_Premultiplied) &&
                image->width() >= screen.width() && image->height() >= screen.height())
                return {reinterpret_cast<std::uint32_t*>(image->bits()), screen.width(), screen.height(),
                        image->bytesPerLine() / static_cast<qsizetype>(sizeof(std::uint32_t))};
        }
    }
    // Elsewhere into a picture of our own, copied into the window.
    if (pixels_.size() != std::size_t(screen.width()) * std::size_t(screen.height())) {
        pixels_.assign(std::size_t(screen.width()) * std::size_t(screen.height()), 0xff000000u);
        own_picture_ = QImage(reinterpret_cast<uchar*>(pixels_.data()), screen.width(), screen.height(),
                              screen.width() * static_cast<qsizetype>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    }
    return {pixels_.data(), screen.width(), screen.height(), screen.width()};
}

void main_window_view::take_picture() {
    const session_picture picture = window_.session().picture();
    pending_drawn_ = united(pending_drawn_, picture.drawn);
    presented_pixels_ = picture.pixels_version;
    presented_palette_ = picture.palette_version;
    converted_once_ = true;
}

void main_window_view::present() {
    take_picture();
    const index_buffer& screen = window_.screen();
    const pixel_area area =
        converted_once_ && last_target_.pixels
            ? presenter_.area_to_convert(image_of(screen), pending_drawn_, window_.session().colours(), last_target_)
            : pixel_area{0, 0, screen.width(), screen.height()};
    if (area.empty()) return;
    ++presented_frames_;
    own_frame_pending_ = true;
    update(widget_area(area));
}

void main_window_view::paintEvent(QPaintEvent* event) {
    // Nobody but the window system asks for a paint we did not: an exposure.
    if (!own_frame_pending_) {
        window_.FormPaint();
        take_picture();
    }
    own_frame_pending_ = false;

    const rgb_image target = picture_target();
    const pixel_area written = presenter_.present_changes(image_of(window_.screen()), pending_drawn_,
                                                          window_.session().colours(), target);
    pending_drawn_ = {};
    last_target_ = target;
    const QRect written_area = written.empty() ? QRect() : widget_area(written);
    // Written beyond what this paint shows: shown by the next one.
    if (!written_area.isEmpty() && !event->region().contains(written_area))
        update(QRegion(written_area).subtracted(event->region()));

    const qreal ratio = devicePixelRatioF();
    const QRect picture_area(QPoint(0, 0), (QSizeF(target.width, target.height) / ratio).toSize());
    QPainter painter(this);
    if (target.pixels == pixels_.data()) {
        own_picture_.setDevicePixelRatio(ratio);
        for (const QRect& area : event->region()) {
            const QRect shown = area.intersected(picture_area);
            if (shown.isEmpty()) continue;
            const QRect source((QPointF(shown.topLeft()) * ratio).toPoint(), (QSizeF(shown.size()) * ratio).toSize());
            painter.drawImage(shown, own_picture_, source);
        }
    }
    for (const QRect& uncovered : event->region().subtracted(picture_area)) painter.fillRect(uncovered, Qt::black);
}

void main_window_view::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The window's buffer is made anew: nothing of the last picture is in it.
    presenter_.forget_destination();
    last_target_ = {};
}

QImage main_window_view::picture() const {
    const index_buffer& screen = window_.screen();
    if (last_target_.pixels == nullptr) return {};
    const QImage shown(reinterpret_cast<const uchar*>(last_target_.pixels), last_target_.width, last_target_.height,
                       last_target_.stride * static_cast<qsizetype>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    return shown.copy(0, 0, screen.width(), screen.height());
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

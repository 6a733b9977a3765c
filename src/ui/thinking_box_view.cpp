#include "ui/thinking_box_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QWindow>

namespace quor {

namespace {

constexpr int bar_strip_height = TThinking_box::bar_strip_height;
constexpr int bar_top = 6;      // pixels inside the strip
constexpr int bar_height = 13;  // pixels
constexpr int exposure_wait_limit = 500;  // milliseconds

QRect primary_screen_geometry() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void make_sunken_panel(QFrame& panel) {
    panel.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel.setLineWidth(1);
}

}  // namespace

qt_thinking_box_view::qt_thinking_box_view()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      think_msg_(new QLabel(this)),
      barpanel_(new QFrame(this)),
      bar_(new QProgressBar(barpanel_)) {
    setObjectName(QStringLiteral("Thinking_box"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(13);
    font.setBold(true);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    think_msg_->setObjectName(QStringLiteral("think_msg"));
    think_msg_->setAlignment(Qt::AlignCenter);
    think_msg_->setTextFormat(Qt::PlainText);
    make_sunken_panel(*think_msg_);
    barpanel_->setObjectName(QStringLiteral("barpanel"));
    make_sunken_panel(*barpanel_);
    barpanel_->hide();
    bar_->setObjectName(QStringLiteral("bar"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setGeometry(8, bar_top, 0, bar_height);
    lay_out();
}

screen_size qt_thinking_box_view::character_size() const {
    QFontMetrics metrics(think_msg_->font());
    return {metrics.horizontalAdvance(QLatin1Char('8')), metrics.height()};
}

screen_size qt_thinking_box_view::screen() const {
    QRect geometry = primary_screen_geometry();
    return {geometry.width(), geometry.height()};
}

void qt_thinking_box_view::set_bounds(const screen_rectangle& bounds) {
    setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    lay_out();
}

void qt_thinking_box_view::set_message(std::string_view message) {
    think_msg_->setText(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

void qt_thinking_box_view::set_bar_visible(bool visible) {
    barpanel_->setVisible(visible);
    lay_out();
}

void qt_thinking_box_view::set_bar_span(int left, int width) {
    bar_->setGeometry(left, bar_top, width, bar_height);
}

void qt_thinking_box_view::set_bar_maximum(int maximum) {
    bar_->setMaximum(maximum);
    if (isVisible()) bar_->repaint();
}

void qt_thinking_box_view::set_bar_position(int position) {
    bar_->setValue(position);
    // The caller is busy and does not return to the event loop.
    if (isVisible()) bar_->repaint();
}

void qt_thinking_box_view::show_and_paint() {
    show();
    raise();
    // The caller is about to be busy away from the event loop, and a window
    // that the window system has not mapped yet shows nothing of what is
    // painted into it. So wait for the mapping here, taking no input and
    // running no timers (the idle handler among them) meanwhile.
    QWindow* window = windowHandle();
    QElapsedTimer waited;
    waited.start();
    while (window && !window->isExposed() && waited.elapsed() < exposure_wait_limit)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers, 5);
    repaint();
}

void qt_thinking_box_view::hide() {
    QWidget::hide();
    barpanel_->hide();
}

void qt_thinking_box_view::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    lay_out();
}

void qt_thinking_box_view::lay_out() {
    int strip = barpanel_->isVisibleTo(this) ? bar_strip_height : 0;
    think_msg_->setGeometry(0, 0, width(), height() - strip);
    barpanel_->setGeometry(0, height() - bar_strip_height, width(), bar_strip_height);
}

screen_rectangle widget_area::client_area_on_screen() const {
    QPoint origin = widget_.mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), widget_.width(), widget_.height()};
}

void centre_on_screen(QWidget& window) {
    QRect screen = primary_screen_geometry();
    QSize size = window.frameGeometry().size();
    screen_point offset = centred_origin({screen.width(), screen.height()}, {size.width(), size.height()});
    window.move(screen.left() + offset.x, screen.top() + offset.y);
}

}  // namespace quor

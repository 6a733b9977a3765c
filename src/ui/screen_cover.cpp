#include "ui/screen_cover.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace quor {

black_screen_window::black_screen_window(QScreen* screen) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setCursor(Qt::BlankCursor);
    setGeometry(screen->geometry());
    winId();  // a window handle, to put it on its screen before it shows
    windowHandle()->setScreen(screen);
    showFullScreen();
}

void black_screen_window::end_program() {
    ending_ = true;
    close();
}

void black_screen_window::closeEvent(QCloseEvent* event) {
    if (ending_)
        event->accept();
    else
        event->ignore();
}

screen_cover::screen_cover(QScreen* animation_screen, std::function<void(QScreen*)> move_animation)
    : animation_screen_(animation_screen), move_animation_(std::move(move_animation)) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != animation_screen_) cover(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &screen_cover::screen_added);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &screen_cover::screen_removed);
}

screen_cover::~screen_cover() { end_program(); }

std::vector<QScreen*> screen_cover::covered_screens() const {
    std::vector<QScreen*> screens;
    for (const auto& [screen, window] : windows_) screens.push_back(screen);
    return screens;
}

void screen_cover::cover(QScreen* screen) { windows_[screen] = std::make_unique<black_screen_window>(screen); }

void screen_cover::screen_added(QScreen* screen) {
    if (screen != animation_screen_) cover(screen);
}

void screen_cover::screen_removed(QScreen* screen) {
    if (const auto covered = windows_.find(screen); covered != windows_.end()) {
        covered->second->end_program();
        windows_.erase(covered);
    }
    if (screen != animation_screen_) return;
    // The animation goes where the desktop puts its main screen; that one's
    // black window is no longer needed.
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary || primary == screen) {
        const auto others = QGuiApplication::screens();
        primary = nullptr;
        for (QScreen* other : others)
            if (other != screen) primary = other;
    }
    animation_screen_ = primary;
    if (!primary) return;
    if (const auto covered = windows_.find(primary); covered != windows_.end()) {
        covered->second->end_program();
        windows_.erase(covered);
    }
    move_animation_(primary);
}

void screen_cover::end_program() {
    for (auto& [screen, window] : windows_) window->end_program();
    windows_.clear();
}

QScreen* screen_named(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name) return screen;
    return nullptr;
}

}  // namespace quor

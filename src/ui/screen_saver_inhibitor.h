#pragma once
// Keeps the desktop's screen saver from starting while the program runs,
// through the freedesktop ScreenSaver service on the session bus. Where there
// is no bus or no such service it silently does nothing.

#include <QDBusConnection>
#include <QString>

namespace quor {

class screen_saver_inhibitor {
public:
    explicit screen_saver_inhibitor(const QDBusConnection& bus = QDBusConnection::sessionBus());
    // Lifts the inhibition again.
    ~screen_saver_inhibitor();
    screen_saver_inhibitor(const screen_saver_inhibitor&) = delete;
    screen_saver_inhibitor& operator=(const screen_saver_inhibitor&) = delete;

    bool active() const { return active_; }

private:
    QDBusConnection bus_;
    quint32 cookie_ = 0;
    bool active_ = false;
};

}  // namespace quor

#pragma once
// The animation fills one screen; every other screen is covered by a black
// window, so no desktop shows beside it. Screens that come while it runs are
// covered too, and when the animation's own screen goes, the animation moves
// to the primary one. All the windows close together at the end.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class QScreen;

namespace quor {

// A borderless black window over one screen that only the program closes.
class black_screen_window final : public QWidget {
public:
    explicit black_screen_window(QScreen* screen);
    void end_program();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool ending_ = false;
};

class screen_cover final : public QObject {
public:
    // `move_animation` puts the animation on the given screen, which then has no black window.
    screen_cover(QScreen* animation_screen, std::function<void(QScreen*)> move_animation);
    ~screen_cover() override;

    QScreen* animation_screen() const { return animation_screen_; }
    // The screens with a black window over them.
    std::vector<QScreen*> covered_screens() const;
    void end_program();

private:
    void cover(QScreen* screen);
    void screen_added(QScreen* screen);
    void screen_removed(QScreen* screen);

    QPointer<QScreen> animation_screen_;
    std::function<void(QScreen*)> move_animation_;
    std::map<QScreen*, std::unique_ptr<black_screen_window>> windows_;
};

// The screen named `name` as the windowing system reports it; null when there is none.
QScreen* screen_named(const QString& name);

}  // namespace quor

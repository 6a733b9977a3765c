#pragma once
// The progress box's window: borderless, on top, never focused, taking no
// input; a sunken message panel over an optional strip with the bar.

#include <QWidget>

#include "shell/thinking_box.h"

class QFrame;
class QLabel;
class QProgressBar;

namespace quor {

class qt_thinking_box_view final : public QWidget, public thinking_box_view {
public:
    qt_thinking_box_view();

    screen_size character_size() const override;
    screen_size screen() const override;
    void set_bounds(const screen_rectangle& bounds) override;
    void set_message(std::string_view message) override;
    void set_bar_visible(bool visible) override;
    void set_bar_span(int left, int width) override;
    void set_bar_maximum(int maximum) override;
    void set_bar_position(int position) override;
    void show_and_paint() override;
    void hide() override;

    QLabel* think_msg() const { return think_msg_; }
    QFrame* barpanel() const { return barpanel_; }
    QProgressBar* bar() const { return bar_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void lay_out();

    QLabel* think_msg_;
    QFrame* barpanel_;
    QProgressBar* bar_;
};

// A widget's client area, for centring the progress box on it.
class widget_area final : public on_screen_area {
public:
    explicit widget_area(const QWidget& widget) : widget_(widget) {}
    screen_rectangle client_area_on_screen() const override;

private:
    const QWidget& widget_;
};

// Moves a top-level window so that it is centred on the primary screen,
// without resizing or activating it.
void centre_on_screen(QWidget& window);

}  // namespace quor

#pragma once
// The main window on screen: a borderless black window over its screen that
// shows the emulated 8-bit screen through the animation palette, one image
// pixel to one device pixel, and hands the mouse to the window's behaviour.
// Frames are paced by the display: with speed fixing off at most one a
// refresh, with it on as the regulation says, and never more presented than
// the display shows. Close and minimise requests are refused; only
// `end_program` closes it.

#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "platform/tick_clock.h"
#include "render/presentation.h"
#include "shell/frame_pacing.h"
#include "shell/idle_handler.h"
#include "shell/main_window.h"

namespace quor {

class main_window_view final : public QWidget {
public:
    // `window` must outlive the view.
    explicit main_window_view(main_window& window);

    // Covers `screen` (the primary one when null), and stays there.
    void show_full_screen(QScreen* screen = nullptr);
    // The application's idle handler: one frame when it is due, shown if
    // anything changed, and the wait until the next one.
    void idle_frame(idle_turn& turn);
    // The one way to close the window, which ends the message loop.
    void end_program();

    main_window& model() { return window_; }
    // The picture as last shown (device pixels).
    QImage picture() const;
    // Frames converted and handed to the window system so far.
    std::uint64_t presented_frames() const { return presented_frames_; }
    // Seconds between two refreshes of the display the window is on.
    double refresh_period() const;
    // Seconds until the next frame is due: 0 when it may run now.
    double seconds_until_frame();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Asks for a paint of what the frame may have changed: our own frame, not
    // a repaint of the rings. The paint converts it.
    void present();
    // The session's picture is taken: what it drew waits for the next paint.
    void take_picture();
    // Where the paint converts to: the window's backing store, or our own picture.
    rgb_image picture_target();
    QRect widget_area(const pixel_area& area) const;
    QPoint device_position(const QMouseEvent& event) const;

    main_window& window_;
    QPointer<QScreen> screen_;           // the screen it covers
    std::vector<std::uint32_t> pixels_;  // our own RGB picture, where the backing store is none
    QImage own_picture_;                 // wraps pixels_
    palette_presenter presenter_;
    rgb_image last_target_;              // where the last paint converted to
    pixel_area pending_drawn_;           // drawn since the last conversion
    std::uint64_t presented_pixels_ = 0;  // the session's versions as last converted
    std::uint64_t presented_palette_ = 0;
    bool converted_once_ = false;
    std::uint64_t presented_frames_ = 0;
    steady_tick_clock clock_;
    frame_pacing pacing_;                 // paced by the primary screen's refreshes
    bool own_frame_pending_ = false;
    bool left_pressed_ = false;
    bool ending_ = false;
};

}  // namespace quor

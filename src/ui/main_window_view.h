#pragma once
// The main window on screen: a borderless black window over the primary
// screen that shows the emulated 8-bit screen through the animation palette,
// one image pixel to one device pixel, and hands the mouse to the window's
// behaviour. Close and minimise requests are refused; only `end_program`
// closes it.

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "render/presentation.h"
#include "shell/idle_handler.h"
#include "shell/main_window.h"

namespace quor {

class main_window_view final : public QWidget {
public:
    // `window` must outlive the view.
    explicit main_window_view(main_window& window);

    // Covers the primary screen.
    void show_full_screen();
    // The application's idle handler: one frame when it is due, shown if
    // anything changed; otherwise the wait until it is due.
    void idle_frame(idle_turn& turn);
    // The one way to close the window, which ends the message loop.
    void end_program();

    main_window& model() { return window_; }
    // The picture as last presented (device pixels).
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Asks for a paint of a frame we drew ourselves, not a repaint of the rings.
    void present();
    void convert_if_changed();
    QPoint device_position(const QMouseEvent& event) const;

    main_window& window_;
    std::vector<std::uint32_t> pixels_;  // the RGB picture, reused every frame
    QImage picture_;                     // wraps pixels_
    palette_presenter presenter_;
    std::uint64_t presented_pixels_ = 0;   // the session's versions as last converted
    std::uint64_t presented_palette_ = 0;
    bool converted_once_ = false;
    bool own_frame_pending_ = false;
    bool left_pressed_ = false;
    bool ending_ = false;
};

}  // namespace quor

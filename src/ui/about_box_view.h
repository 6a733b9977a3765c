#pragma once
// The about box `TAbout_Form` on screen: a fixed dialog with the title, the
// live picture of `about_demonstration`, one scroll bar bound to each of its
// controls, the credits, OK, "Stabilize" and the frame rate. While it shows it
// owns the frame loop: the main window stops and is blacked out, and the
// demonstration's frames are paced by a precise timer, never by spinning.

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/attached_handlers.h"
#include "platform/modal_result.h"
#include "render/animation_palette.h"
#include "shell/about_demonstration.h"
#include "shell/idle_handler.h"

class QScrollBar;

namespace quor {

// What the box reaches outside itself. An empty hook does nothing.
struct about_box_hooks {
    // The box is about to show: the main window's animation stops and its
    // picture is blacked out.
    std::function<void()> take_frame_loop;
    // The box has hidden: the main window animates again.
    std::function<void()> give_back_frame_loop;
};

class idle_adapter;

// The hooks that hand the frame loop from the main window to the box and back:
// while the box shows, `box_shown` is true, the idle handler only waits and
// `black_out` has blacked out the main window; when it hides, `main_handler`
// runs the main window's frames again. `idle` and `box_shown` must outlive the box.
about_box_hooks frame_loop_hand_over(idle_adapter& idle, idle_handler main_handler, std::function<void()> black_out,
                                     bool& box_shown);

class about_box_view final : public QDialog {
public:
    static constexpr int client_width = 439;   // pixels
    static constexpr int client_height = 483;  // pixels
    static constexpr char version_text[] = "Version 32_1.0";

    // `demonstration` (already given its data file's images) and `palette`
    // must outlive the view.
    about_box_view(about_demonstration& demonstration, const animation_palette& palette, about_box_hooks hooks,
                   QWidget* parent = nullptr);
    ~about_box_view() override;

    // Shows the box centred and modally until OK or a close request (Cancel).
    modal_result show_modal();

    about_demonstration& demonstration() { return demonstration_; }
    // The picture as last presented, the demonstration's surface in colour.
    const QImage& picture() const { return picture_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override;

private:
    class picture_panel;

    void build();
    void schedule_next_frame();
    void run_frame();
    void present();

    about_demonstration& demonstration_;
    const animation_palette& palette_;
    about_box_hooks hooks_;
    QTimer frame_timer_;
    std::vector<std::uint32_t> pixels_;  // the converted picture, reused every frame
    QImage picture_;                     // wraps pixels_
    picture_panel* picture_panel_ = nullptr;
    QScrollBar* first_bar_ = nullptr;
    bool owns_frame_loop_ = false;
    attached_handlers handlers_;
};

}  // namespace quor

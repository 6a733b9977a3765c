#pragma once
// The controls of the about box `TAbout_Form`, without its window: the scroll
// bars around the picture, the "Stabilize" button and the frame-rate panel.
// The demonstration reads them and reacts to their changes; the Qt box binds
// one widget to each.

#include "engine/button.h"
#include "engine/control_set.h"
#include "engine/label.h"
#include "engine/scroll_bar.h"

namespace quor {

class about_controls : public control_set {
public:
    about_controls();

    // Rotation speeds in 4 angle steps (of 16384 a turn) per frame.
    scroll_bar x_rot{*this, "x_rot", -50, 50, 4, true};
    scroll_bar y_rot{*this, "y_rot", -50, 50, 20, true};
    scroll_bar z_rot{*this, "z_rot", -50, 50, 3, true};
    // Viewing distance: 1.3 + position x 0.1.
    scroll_bar persp{*this, "persp", 1, 30, 5, true};
    // Palette entries rotated per frame; negative runs the colours the other way.
    scroll_bar cycle_speed{*this, "cycle_speed", -10, 10, 5, true};
    // Morph time: position x 10 + 1 steps.
    scroll_bar morph_sc{*this, "morph_sc", 0, 50, 5, true};
    // Pause on each shape, in frames.
    scroll_bar pause_sc{*this, "pause_sc", 0, 400, 100, true};
    button OK_btn{*this, "OK_btn"};
    button Button1{*this, "Button1", "Stabilize"};
    // The demonstration's frame rate in frames per second.
    label about_speed{*this, "about_speed", "Speed"};
};

}  // namespace quor

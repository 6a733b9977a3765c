#pragma once
// Offers to run a deeper desktop in the 8-bit mode of the same size for as
// long as the program runs, and puts the starting mode back at exit.

#include "platform/message_box.h"
#include "shell/display_modes.h"

namespace quor {

class display_switch {
public:
    display_switch(display_modes& modes, message_box& messages);

    // Reads the desktop's depth and size; an 8-bit desktop is used as it is,
    // any other is offered the switch. False: the program must end now.
    bool prepare_display();

    // Only for a desktop that is not 8-bit. False when the user declined, no
    // 8-bit mode of the same size exists, or the change did not take.
    bool switch_to_256_colours();

    // Puts the starting mode back if the program changed it, forced as the
    // change was; the result is not examined. Safe to call more than once.
    void restore();

    int screen_bits() const { return screen_bits_; }
    int screen_width() const { return screen_width_; }
    int screen_height() const { return screen_height_; }
    const display_mode& saved_mode() const { return saved_mode_; }
    bool mode_changed() const { return mode_changed_; }
    bool mode_forced() const { return mode_forced_; }

private:
    bool same_size(const display_mode& mode) const;

    display_modes& modes_;
    message_box& messages_;
    int screen_bits_ = 0;
    int screen_width_ = 0;
    int screen_height_ = 0;
    display_mode saved_mode_;  // all zero until a mode equal to the starting one is enumerated
    bool mode_changed_ = false;
    bool mode_forced_ = false;
};

}  // namespace quor

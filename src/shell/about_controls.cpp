#include "shell/about_controls.h"

namespace quor {

about_controls::about_controls() {
    for (scroll_bar* bar : {&x_rot, &y_rot, &z_rot, &morph_sc}) bar->set_large_change(10);
    for (scroll_bar* bar : {&persp, &cycle_speed}) bar->set_large_change(5);
    pause_sc.set_large_change(40);
}

}  // namespace quor

// Until the ring engine lands: the one piece of it the main window's tests use.
#include "engine/quorrings.h"

namespace quor {

screen_geometry screen_geometry::for_size(int width, int height) {
    screen_geometry geometry;
    geometry.centre_x = (width - 1) / 2;
    geometry.centre_y = (height - 1) / 2;
    geometry.half_size = geometry.centre_x < geometry.centre_y ? geometry.centre_x : geometry.centre_y;
    geometry.quarter_x = geometry.centre_x / 4;
    geometry.quarter_y = geometry.centre_y / 4;
    return geometry;
}

}  // namespace quor

#pragma once
// What a viewer sees change from one frame to the next. On our screen a pixel
// changes colour when its index changes, and also when the palette moved under
// an index it kept: palette animation recolours the whole picture.

#include "render/index_buffer.h"
#include "render/presentation.h"

namespace quor {

// The smallest rectangle holding every pixel whose colour differs between two
// pictures of the same size, each seen through its own colours; empty when
// none does.
pixel_area changed_colour_area(const index_image& before, const colour_table& before_colours, const index_image& after,
                               const colour_table& after_colours);

}  // namespace quor

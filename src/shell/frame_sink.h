#pragma once
// Where the frames of a recording go: a file that takes them one by one and is
// complete only once finished. A sink destroyed unfinished leaves nothing behind
// but what it had completed before (the pictures of a sequence).

#include "shell/animation_session.h"

namespace quor {

class frame_sink {
public:
    virtual ~frame_sink() = default;
    virtual void add_frame(const session_picture& picture) = 0;
    virtual void finish() = 0;
};

}  // namespace quor

#include "render/changed_colours.h"

#include <algorithm>

namespace quor {

namespace {

// One row of both pictures, seen through their colours.
class row_pair {
public:
    row_pair(const index_image& before, const colour_table& before_colours, const index_image& after,
             const colour_table& after_colours, int y)
        : before_(before.pixels + y * before.stride),
          after_(after.pixels + y * after.stride),
          before_colours_(before_colours.data()),
          after_colours_(after_colours.data()) {}

    bool differs(int x) const { return before_colours_[before_[x]] != after_colours_[after_[x]]; }
    // The first changed x in [from, to), or `to`.
    int first_change(int from, int to) const {
        while (from < to && !differs(from)) ++from;
        return from;
    }
    // The last changed x in [from, to), or from - 1.
    int last_change(int from, int to) const {
        while (to > from && !differs(to - 1)) --to;
        return to - 1;
    }

private:
    const std::uint8_t* before_;
    const std::uint8_t* after_;
    const std::uint32_t* before_colours_;
    const std::uint32_t* after_colours_;
};

}  // namespace

pixel_area changed_colour_area(const index_image& before, const colour_table& before_colours, const index_image& after,
                               const colour_table& after_colours) {
    const int width = std::min(before.width, after.width);
    const int height = std::min(before.height, after.height);
    const auto row = [&](int y) { return row_pair(before, before_colours, after, after_colours, y); };

    // Only the margins outside what is known to have changed are searched, so
    // a frame costs about the unchanged area around its changes.
    int top = 0;
    int left = width;
    for (; top < height && left == width; ++top) left = row(top).first_change(0, width);
    if (left == width) return {};
    --top;
    int right = row(top).last_change(left, width) + 1;
    int bottom = height - 1;
    for (; bottom > top; --bottom) {
        const row_pair last = row(bottom);
        const int first = last.first_change(0, width);
        if (first == width) continue;
        left = std::min(left, first);
        right = std::max(right, last.last_change(first, width) + 1);
        break;
    }
    for (int y = top + 1; y < bottom; ++y) {
        const row_pair middle = row(y);
        left = middle.first_change(0, left);
        right = middle.last_change(right, width) + 1;
        if (left == 0 && right == width) break;
    }
    return {left, top, right, bottom + 1};
}

}  // namespace quor

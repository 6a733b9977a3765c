#include "engine/list_box.h"

#include "engine/control_error.h"
#include "engine/text_case.h"

#include <algorithm>

namespace quor {

const std::string& list_box::item(int index) const {
    if (index < 0 || index >= count()) throw list_index_error();
    return items_[static_cast<std::size_t>(index)];
}

int list_box::add(std::string item) {
    auto place = items_.end();
    if (sorted_) {
        // After any equal items, so that adding keeps the earlier ones first.
        place = std::upper_bound(items_.begin(), items_.end(), item, [](const std::string& a, const std::string& b) {
            return compare_ignoring_case(a, b) < 0;
        });
    }
    const int index = static_cast<int>(place - items_.begin());
    items_.insert(place, std::move(item));
    if (item_index_ >= index) ++item_index_;
    state_changed();
    return index;
}

void list_box::clear() {
    items_.clear();
    item_index_ = -1;
    top_index_ = 0;
    state_changed();
}

int list_box::index_of(std::string_view text) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (equal_ignoring_case(items_[i], text)) return static_cast<int>(i);
    }
    return -1;
}

void list_box::set_item_index(int index) {
    if (index < -1 || index >= count()) throw list_index_error();
    if (item_index_ == index) return;
    item_index_ = index;
    state_changed();
}

void list_box::set_top_index(int index) {
    top_index_ = std::clamp(index, 0, std::max(0, count() - 1));
    state_changed();
}

}  // namespace quor

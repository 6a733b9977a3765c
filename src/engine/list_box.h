#pragma once
// A list box of text items with one selected item or none. A sorted list keeps
// its items in order without regard to case; lookup also ignores case.

#include "engine/control.h"
#include "engine/control_set.h"

#include <string>
#include <string_view>
#include <vector>
#include <utility>

namespace quor {

class list_box : public control {
public:
    explicit list_box(std::string name, bool sorted = true) : control(std::move(name)), sorted_(sorted) {}
    // A field of `owner`, which it joins once built.
    template <typename... Arguments>
    explicit list_box(control_set& owner, Arguments&&... arguments) : list_box(std::forward<Arguments>(arguments)...) {
        owner.add(*this);
    }

    bool sorted() const { return sorted_; }
    int count() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& items() const { return items_; }
    // Throws list_index_error outside 0..count-1.
    const std::string& item(int index) const;

    // Returns the index the item landed at; the selection keeps its item.
    int add(std::string item);
    void clear();
    // First item equal to the text without regard to case, or -1.
    int index_of(std::string_view text) const;

    // -1 when nothing is selected.
    int item_index() const { return item_index_; }
    // -1 clears the selection; anything else outside 0..count-1 throws list_index_error.
    void set_item_index(int index);
    bool has_selection() const { return item_index_ >= 0; }
    // Throws list_index_error when nothing is selected.
    const std::string& selected_item() const { return item(item_index_); }

    // First visible row, kept by the form so that its view can scroll to it.
    int top_index() const { return top_index_; }
    void set_top_index(int index);

private:
    bool sorted_ = true;
    std::vector<std::string> items_;
    int item_index_ = -1;
    int top_index_ = 0;
};

}  // namespace quor

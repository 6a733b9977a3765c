#pragma once
// Handlers that one object sets on others' handler slots (a control's on_click,
// a dialog's on_close). Each slot is cleared when this object goes, so a slot
// never calls into an object that has gone, and nobody lists the slots twice.
// Keep it as the owner's last member, so the handlers go before what they use.

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace quor {

class attached_handlers {
public:
    attached_handlers() = default;
    attached_handlers(const attached_handlers&) = delete;
    attached_handlers& operator=(const attached_handlers&) = delete;
    ~attached_handlers() {
        for (auto each = slots_.rbegin(); each != slots_.rend(); ++each) each->clear(each->slot);
    }

    // Sets the slot, which must outlive this object.
    template <typename Signature, typename Handler>
    void attach(std::function<Signature>& slot, Handler&& handler) {
        slot = std::forward<Handler>(handler);
        slots_.push_back({&slot, [](void* cleared) { *static_cast<std::function<Signature>*>(cleared) = nullptr; }});
    }

    // The same handler on several slots of one signature.
    template <typename Signature, typename Handler>
    void attach(std::initializer_list<std::function<Signature>*> targets, const Handler& handler) {
        for (std::function<Signature>* slot : targets) attach(*slot, handler);
    }

private:
    struct attached_slot {
        void* slot;
        void (*clear)(void* slot);
    };
    std::vector<attached_slot> slots_;
};

}  // namespace quor

#include "shell/quorrings_animation.h"

namespace quor {

namespace {

class quorrings_animation final : public ring_animation {
public:
    explicit quorrings_animation(ring_environment& environment) : rings_(environment) {}

    void cyclerings(index_buffer& target) override { rings_.cyclerings(target); }
    void draw_all_rings(index_buffer& target) const override { rings_.draw_all_rings(target); }

private:
    quorrings rings_;
};

}  // namespace

std::unique_ptr<ring_animation> make_quorrings_animation(ring_environment& environment) {
    return std::make_unique<quorrings_animation>(environment);
}

}  // namespace quor

#pragma once
// The 16.16 palette phase: each frame adds `step` (1/65536 of an entry) and the
// whole entries gathered so far are the shift for this frame's rotation. Whole
// entries not used in a frame are dropped, not saved up, so only the fraction
// is kept.

#include <cstdint>

namespace quor {

class palette_phase {
public:
    // `step` in 1/65536 of a palette entry per frame: palette_inc position x 5000.
    explicit palette_phase(std::int32_t step = 0) : step_(step) {}

    void restart(std::int32_t step) {
        step_ = step;
        phase_ = 0;
    }

    // Advances one frame and returns the signed number of whole entries to rotate.
    std::int32_t advance() {
        const std::uint32_t sum = static_cast<std::uint32_t>(phase_) + static_cast<std::uint32_t>(step_);
        const auto shift = static_cast<std::int16_t>(sum >> 16);
        phase_ = static_cast<std::int32_t>(sum & 0xffffu);
        return shift;
    }

    std::int32_t phase() const { return phase_; }
    std::int32_t step() const { return step_; }

private:
    std::int32_t step_ = 0;
    std::int32_t phase_ = 0;  // 0..65535 after every advance
};

}  // namespace quor

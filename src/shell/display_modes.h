#pragma once
// The display modes of the primary display, as the start-up's switch to an
// 8-bit palettised mode sees them.

#include <cstdint>
#include <optional>

namespace quor {

// The three members that are compared or set; the rest stands for whatever
// else the display system keeps in a mode record, carried along untouched.
struct display_mode {
    std::int32_t bits_per_pixel = 0;
    std::int32_t width = 0;   // pixels
    std::int32_t height = 0;  // pixels
    std::int32_t frequency = 0;  // refresh rate in hertz, 0 when unknown
    std::uint32_t fields = 0;    // which members the record sets

    friend bool operator==(const display_mode&, const display_mode&) = default;
};

// The three members bits per pixel, width and height.
inline constexpr std::uint32_t mode_size_and_depth_fields = 0x1C0000;

enum class mode_change_result {
    successful,
    restart_needed,  // the display system would apply the mode only after a restart
    failed,
};

class display_modes {
public:
    virtual ~display_modes() = default;
    // Mode number `index` (0, 1, 2, ...); nothing past the last one.
    virtual std::optional<display_mode> enumerate(int index) = 0;
    // The desktop as it is now: bits per pixel, width and height.
    virtual display_mode current() = 0;
    // `forced` asks the display system to apply the mode even where it would
    // rather restart.
    virtual mode_change_result change(const display_mode& mode, bool forced) = 0;
};

// The program's own 8-bit palettised screen: it always reports one 8-bit
// mode of the screen's size, so nothing is ever switched.
class emulated_display_modes final : public display_modes {
public:
    emulated_display_modes(int width, int height);

    std::optional<display_mode> enumerate(int index) override;
    display_mode current() override;
    mode_change_result change(const display_mode& mode, bool forced) override;

private:
    display_mode mode_;
};

}  // namespace quor

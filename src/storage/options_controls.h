#pragma once
// The controls of the options dialog `TOptions_Form`, without its window. They
// are the program's own options: auto-cycling, the settings file's format and
// name. The configuration is read into them at start-up and written from them
// at the end; the main window and the settings library read them directly.

#include "engine/button.h"
#include "engine/check_box.h"
#include "engine/control_set.h"
#include "engine/edit_box.h"
#include "engine/radio_button.h"
#include "engine/up_down.h"
#include "storage/bag.h"

#include <cstdint>
#include <string_view>

namespace quor {

class options_controls : public control_set {
public:
    static constexpr int shortest_time = 1;     // seconds
    static constexpr int longest_time = 3600;   // seconds
    static constexpr int default_min_time = 30;  // seconds
    static constexpr int default_max_time = 60;  // seconds

    options_controls();

    // Radio panels, declared before their buttons: Panel1 sits inside Panel2.
    radio_panel Panel2{"Panel2"};
    radio_panel Panel1{"Panel1"};

    check_box Run_mode{*this, "Run_mode", "Auto-cycling mode", true};
    check_box Start_mode{*this, "Start_mode", "Start up in Auto-cycling mode", true};
    radio_button cycle_tagged{*this, "cycle_tagged", "Randomly cycle through tagged settings only", Panel1, 0, true};
    radio_button cycle_all{*this, "cycle_all", "Randomly cycle through all settings", Panel1};
    edit_box min_time{*this, "min_time"};
    up_down UpDown1{*this, "UpDown1", shortest_time, longest_time, default_min_time, &min_time};
    edit_box max_time{*this, "max_time"};
    up_down UpDown2{*this, "UpDown2", shortest_time, longest_time, default_max_time, &max_time};
    radio_button UseCompression{*this, "UseCompression", "Use compression when saving settings", Panel2, 0, true};
    radio_button SaveText{*this, "SaveText", "Save settings in text format (much bigger)", Panel2};
    // Base name of the settings file, without folder or extension; set from the configuration.
    edit_box Settings_file_name{*this, "Settings_file_name"};
    button OK_btn{*this, "OK_btn", "OK"};
    // The configuration store behind these controls, on section "Quor_start".
    TBag Quor_ini;

    std::int32_t min_seconds = default_min_time;  // as last read from min_time
    std::int32_t max_seconds = default_max_time;  // as last read from max_time
};

inline constexpr const char* invalid_times_message =
    "Min and Max time settings are invalid\r\n    (1->3600 allowed) and Min<Max";

// The rule for the shortest and longest time on one setting while cycling:
// each 1..3600 seconds, and the shortest below the longest.
constexpr bool valid_cycle_times(std::int32_t shortest, std::int32_t longest) {
    auto in_range = [](std::int32_t seconds) {
        return seconds >= options_controls::shortest_time && seconds <= options_controls::longest_time;
    };
    return in_range(shortest) && in_range(longest) && shortest < longest;
}

// A time box's value: its leading integer. Leading blanks are skipped; a sign and
// "$" for hexadecimal are accepted; reading stops at the first character that is
// not a digit. No leading number reads as 0; a number beyond 32 bits reads as the
// nearer 32-bit limit, so it is still seen as out of range.
std::int32_t read_time_value(std::string_view text);

}  // namespace quor

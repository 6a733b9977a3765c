#pragma once
// The fixed texts that start-up shows; `\r` is a carriage return, and every
// space belongs to the text.

#include <string_view>

namespace quor::startup_text {

inline constexpr std::string_view processor_warning =
    "           Quorrings32 uses floating point arithmetic, and is intended    \r             to be run on a Pentium processor based machine or better.    \r\r please see the accompanying text file to get the 486 version, which uses \r       integer fixed point arithmetic and is faster on 386/486 machines.  ";
inline constexpr std::string_view scroll_bar_warning =
    "  Quorrings32 makes heavy use of scrollbars   \r    this machine has the scrollbars set to an   \r unusually large value. This may impair control ";
inline constexpr std::string_view switch_question =
    "  Quorrings32 uses palette animation to achieve colour cycling effects\r                     you need to use a 256 colour display mode.       \r     Do you wish to temporarily switch to a 256 colour display mode ? ";
inline constexpr std::string_view no_compatible_mode =
    "Couldn't find a compatible display mode";
inline constexpr std::string_view restart_question =
    "  Windows requested a restart - do you wish to try and force a colour change ? \rThis may cause your windows colours to be badly affected until your next reboot";
inline constexpr std::string_view mode_change_failed =
    "Couldn't set display mode - or machine would need restarting";

inline constexpr std::string_view initializing = "Initializing";
inline constexpr std::string_view initializing_second_phase = "Initializing second phase";
inline constexpr std::string_view application_title = "Quorrings from Kestovar";
inline constexpr std::string_view help_file = "Quor_Rings_32_Help.hlp";

}  // namespace quor::startup_text

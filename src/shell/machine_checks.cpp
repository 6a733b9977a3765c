#include "shell/machine_checks.h"

#include "shell/startup_text.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

namespace quor {

int host_processor::processor_type() {
#if defined(__i386__) || defined(__x86_64__)
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    // No identification instruction at all means a 386 or an early 486.
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return 486;
    unsigned int family = (eax >> 8) & 0xF;
    if (family == 0xF) family += (eax >> 20) & 0xFF;
    if (family < 5) return static_cast<int>(family) * 100 + 86;
    return pentium_processor_type;
#else
    // Every other processor a current compiler targets outclasses a Pentium.
    return pentium_processor_type;
#endif
}

bool check_processor(processor_info& processor, message_box& messages) {
    if (processor.processor_type() >= pentium_processor_type) return true;
    messages.show_message(startup_text::processor_warning);
    return false;
}

void check_scroll_bars(int vertical_scroll_bar_width, message_box& messages) {
    if (vertical_scroll_bar_width >= large_scroll_bar_width)
        messages.show_message(startup_text::scroll_bar_warning);
}

}  // namespace quor

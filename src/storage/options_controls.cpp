#include "storage/options_controls.h"

namespace quor {

options_controls::options_controls() {
    add_components({&Run_mode, &Start_mode, &cycle_tagged, &cycle_all, &min_time, &UpDown1, &max_time, &UpDown2,
                    &UseCompression, &SaveText, &Settings_file_name, &OK_btn});
}

}  // namespace quor

#include "storage/configuration.h"

#include "engine/control_error.h"
#include "platform/file_locations.h"
#include "storage/file_name_check.h"

#include <string>

namespace quor {
namespace {

void point_at_file(TBag& bag, const std::filesystem::path& program_directory) {
    bag.SetIniFile((program_directory / configuration_file_name).string());
}

}  // namespace

void read_configuration(options_controls& options, const std::filesystem::path& program_directory) {
    TBag& bag = options.Quor_ini;
    point_at_file(bag, program_directory);
    bag.LoadFromIni();

    options.Start_mode.set_checked(bag.ReadBool("Start_auto_cycling", true));
    options.Run_mode.set_checked(options.Start_mode.checked());
    const bool tagged = bag.ReadBool("Tagged_settings_only", true);
    options.cycle_tagged.set_checked(tagged);
    options.cycle_all.set_checked(!tagged);
    options.min_time.set_text(std::to_string(bag.ReadInteger("Min_Time", options_controls::default_min_time)));
    options.max_time.set_text(std::to_string(bag.ReadInteger("Max_Time", options_controls::default_max_time)));
    const bool compressed = bag.ReadBool("Use_Compression", true);
    options.UseCompression.set_checked(compressed);
    options.SaveText.set_checked(!compressed);
    // A stored name that would lead outside the program's directory is not taken.
    std::string file_name = bag.ReadString("Quor_settings_file", default_settings_file_name);
    if (settings_file_name_problem(file_name)) file_name = default_settings_file_name;
    options.Settings_file_name.set_text(file_name);
    options.min_seconds = text_to_integer(options.min_time.text());
    options.max_seconds = text_to_integer(options.max_time.text());
}

bool write_configuration(options_controls& options, const std::filesystem::path& program_directory,
                         message_box& messages) {
    TBag& bag = options.Quor_ini;
    try {
        point_at_file(bag, program_directory);
        // An installed program's configuration folder is made when first written;
        // when it cannot be, the write below fails and says so, naming the file.
        std::error_code ignored;
        make_private_folder(program_directory, ignored);
        // The start-up choice is stored, not whether cycling runs now.
        bag.WriteBool("Start_auto_cycling", options.Start_mode.checked());
        bag.WriteBool("Tagged_settings_only", options.cycle_tagged.checked());
        bag.WriteInteger("Min_Time", text_to_integer(options.min_time.text()));
        bag.WriteInteger("Max_Time", text_to_integer(options.max_time.text()));
        bag.WriteBool("Use_Compression", options.UseCompression.checked());
        bag.WriteString("Quor_settings_file", options.Settings_file_name.text());
        bag.SaveToIni();
    } catch (const EBagError& error) {
        messages.show_message(error.what());
        return false;
    } catch (const integer_conversion_error& error) {
        messages.show_message(error.what());
        return false;
    }
    return true;
}

}  // namespace quor

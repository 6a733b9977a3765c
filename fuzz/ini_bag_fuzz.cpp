// Reads arbitrary bytes as the configuration file, takes the options from it as
// start-up does, writes them back as the end of the program does, and reads the
// result again: every item must read back as it was saved, and whatever was
// loaded must be writable.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "storage/bag.h"
#include "storage/ini_document.h"

namespace {

constexpr const char* section = "Quor_start";

quor::TBag make_bag() {
    quor::TBag bag("/nowhere/");
    bag.SetIniSect(section);
    bag.SetIniFile("Quor_Rings_32_Config.ini");
    return bag;
}

// Values are read without the blanks around them, so a value that the 255-character
// cut ends in a blank reads back without it.
std::string_view without_trailing_blanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quor::ini_document document = quor::ini_document::parse(std::span<const std::uint8_t>(data, size));
    const std::string text = document.text();
    QUOR_FUZZ_CHECK(quor::ini_document::parse(text).text() == text);

    quor::TBag bag = make_bag();
    bag.load_from_document(document);
    bag.WriteBool("Start_auto_cycling", bag.ReadBool("Start_auto_cycling", true));
    bag.WriteBool("Tagged_settings_only", bag.ReadBool("Tagged_settings_only", true));
    bag.WriteInteger("Min_Time", bag.ReadInteger("Min_Time", 30));
    bag.WriteInteger("Max_Time", bag.ReadInteger("Max_Time", 60));
    bag.WriteBool("Use_Compression", bag.ReadBool("Use_Compression", true));
    bag.WriteString("Quor_settings_file", bag.ReadString("Quor_settings_file", "Quor_Rings_32_Settings"));
    try {
        bag.save_to_document(document);
    } catch (const std::invalid_argument&) {
        QUOR_FUZZ_CHECK(!"an item loaded from the file cannot be written back");
    }

    quor::TBag reread = make_bag();
    reread.load_from_document(quor::ini_document::parse(document.text()));
    for (std::size_t index = 0; index < bag.item_keys().size(); ++index) {
        const std::string& key = bag.item_keys()[index];
        QUOR_FUZZ_CHECK(without_trailing_blanks(reread.GetValue(key)) ==
                        without_trailing_blanks(bag.item_values()[index]));
    }
    return 0;
}

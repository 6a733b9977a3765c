#include "storage/bag.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/files.h"
#include "support/temporary_directory.h"

namespace quor {
namespace {

using testing::file_text;
using testing::put_file;

class BagFile : public ::testing::Test {
protected:
    TBag make_bag() const {
        TBag bag(program_directory());
        bag.SetIniSect("Quor_start");
        bag.SetIniFile("Quor_Rings_32_Config.ini");
        return bag;
    }
    std::string program_directory() const { return directory.path().string() + "/"; }
    std::filesystem::path ini_path() const { return directory.path() / "Quor_Rings_32_Config.ini"; }

    testing::temporary_directory directory;
};

TEST_F(BagFile, FirstRunWritesTheDefaultsInOrder) {
    TBag bag = make_bag();
    bag.LoadFromIni();
    EXPECT_EQ(bag.item_count(), 0);
    bag.WriteBool("Start_auto_cycling", bag.ReadBool("Start_auto_cycling", true));
    bag.WriteBool("Tagged_settings_only", bag.ReadBool("Tagged_settings_only", true));
    bag.WriteInteger("Min_Time", bag.ReadInteger("Min_Time", 30));
    bag.WriteInteger("Max_Time", bag.ReadInteger("Max_Time", 60));
    bag.WriteBool("Use_Compression", bag.ReadBool("Use_Compression", true));
    bag.WriteString("Quor_settings_file", bag.ReadString("Quor_settings_file", "Quor_Rings_32_Settings"));
    bag.SaveToIni();
    EXPECT_EQ(file_text(ini_path()),
              "[Quor_start]\r\n"
              "START_AUTO_CYCLING=1\r\n"
              "TAGGED_SETTINGS_ONLY=1\r\n"
              "MIN_TIME=30\r\n"
              "MAX_TIME=60\r\n"
              "USE_COMPRESSION=1\r\n"
              "QUOR_SETTINGS_FILE=Quor_Rings_32_Settings\r\n");
}

TEST_F(BagFile, HandWrittenEntriesAreReadAndWhatTheProgramDoesNotUseSurvives) {
    const std::string long_value(300, 'x');
    put_file(ini_path(),
               "[Other]\n"
               "Min_Time=1\n"
               "[QUOR_START]\n"
               "min_time=12\n"
               "Use_Compression=\n"
               "Hand_made=" + long_value + "\n"
               "min_TIME=99\n"
               "\n");
    TBag bag = make_bag();
    bag.LoadFromIni();
    EXPECT_EQ(bag.item_keys(), (std::vector<std::string>{"MIN_TIME", "HAND_MADE"}));
    EXPECT_EQ(bag.ReadInteger("Min_Time", 30), 12);
    EXPECT_TRUE(bag.ReadBool("USE_COMPRESSION", true)) << "an empty value counts as absent";
    EXPECT_EQ(bag.GetValue("hand_made"), long_value.substr(0, 255));

    bag.WriteInteger("Min_Time", 45);
    bag.WriteBool("Use_Compression", false);
    bag.SaveToIni();
    EXPECT_EQ(file_text(ini_path()),
              "[Other]\r\n"
              "Min_Time=1\r\n"
              "[QUOR_START]\r\n"
              "MIN_TIME=45\r\n"
              "USE_COMPRESSION=0\r\n"
              "HAND_MADE=" + long_value.substr(0, 255) + "\r\n"
              "min_TIME=99\r\n"
              "\r\n");

    TBag again = make_bag();
    again.LoadFromIni();
    EXPECT_EQ(again.ReadInteger("MIN_TIME", 30), 45) << "what the program wrote is what it reads next";
}

TEST(Bag, ValuesConvertAsStored) {
    TBag bag;
    const std::string ninety_nine_then_junk = "-" + std::string(97, '0') + "5" + "junk";
    struct integer_case {
        const char* stored;
        std::int32_t expected;
    };
    const integer_case integers[] = {{"", 30},       {"45", 45},          {"-7", -7},       {"+8", 8},
                                     {"letters", 0}, {"12x", 0},          {" 12", 0},       {"+-3", 0},
                                     {"2147483647", 2147483647},          {"2147483648", 0}, {"0x10", 0}};
    for (const auto& item : integers) {
        bag.SetValue("Min_Time", item.stored);
        EXPECT_EQ(bag.ReadInteger("min_time", 30), item.expected) << '"' << item.stored << '"';
    }
    bag.SetValue("Min_Time", ninety_nine_then_junk);
    EXPECT_EQ(bag.ReadInteger("MIN_TIME", 30), -5) << "only the first 99 characters count";

    struct flag_case {
        const char* stored;
        bool default_value;
        bool expected;
    };
    const flag_case flags[] = {{"", true, true}, {"", false, false}, {"1", false, true},
                               {"0", true, false}, {"yes", true, false}, {"true", true, false}};
    for (const auto& item : flags) {
        bag.SetValue("Use_Compression", item.stored);
        EXPECT_EQ(bag.ReadBool("use_compression", item.default_value), item.expected) << '"' << item.stored << '"';
    }

    bag.SetValue("Quor_settings_file", "");
    EXPECT_EQ(bag.ReadString("Quor_settings_file", "Quor_Rings_32_Settings"), "Quor_Rings_32_Settings");
    bag.WriteString("quor_settings_file", "Mine");
    EXPECT_EQ(bag.ReadString("QUOR_SETTINGS_FILE", "Quor_Rings_32_Settings"), "Mine");
    EXPECT_EQ(bag.item_keys(), (std::vector<std::string>{"MIN_TIME", "USE_COMPRESSION", "QUOR_SETTINGS_FILE"}));
    EXPECT_EQ(bag.item_count(), 3);
    EXPECT_EQ(bag.GetValue("not there"), "");
}

TEST(Bag, NamesAndPaths) {
    TBag bag("/opt/quor/");
    bag.SetIniFile("Quor_Rings_32_Config.ini");
    EXPECT_EQ(bag.IniFile(), "/opt/quor/Quor_Rings_32_Config.ini");
    bag.SetIniFile("/etc/other.ini");
    EXPECT_EQ(bag.IniFile(), "/etc/other.ini");
    bag.SetIniFile("sub/other.ini");
    EXPECT_EQ(bag.IniFile(), "sub/other.ini");
}

TEST(Bag, ProgrammingErrorsAreReportedWithTheirMessages) {
    auto message_of = [](auto&& action) -> std::string {
        try {
            action();
        } catch (const EBagError& error) {
            return error.what();
        }
        return "no error";
    };
    TBag bag("/nowhere/");
    EXPECT_EQ(message_of([&] { bag.GetValue(""); }), "No item specified");
    EXPECT_EQ(message_of([&] { bag.SetValue("", "1"); }), "No item specified");
    EXPECT_EQ(message_of([&] { bag.LoadFromIni(); }), "No INI file specified");
    EXPECT_EQ(message_of([&] { bag.SaveToIni(); }), "No INI file specified");
    bag.SetIniFile("x.ini");
    EXPECT_EQ(message_of([&] { bag.CheckIni(); }), "No INI file section specified");
    EXPECT_EQ(message_of([&] { bag.LoadFromIni(); }), "No INI file section specified");
}

TEST_F(BagFile, AFailedWriteIsReportedAndLeavesTheFileAsItWas) {
    TBag empty = make_bag();
    empty.SaveToIni();
    EXPECT_FALSE(std::filesystem::exists(ini_path())) << "an empty bag writes nothing";

    TBag bag(program_directory());
    bag.SetIniSect("Quor_start");
    bag.WriteInteger("Min_Time", 30);
    const std::string unreadable = (directory.path() / "a folder.ini").string();
    std::filesystem::create_directory(unreadable);
    const std::string nowhere = (directory.path() / "no folder" / "x.ini").string();
    for (const std::string& path : {unreadable, nowhere}) {
        bag.SetIniFile(path);
        try {
            bag.SaveToIni();
            ADD_FAILURE() << "writing " << path << " reported success";
        } catch (const EBagError& error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(unreadable));

    put_file(ini_path(), "[Quor_start]\nMIN_TIME=5\n");
    bag.SetIniFile(ini_path().string());
    bag.WriteString("Quor_settings_file", "two\nlines");
    EXPECT_THROW(bag.SaveToIni(), EBagError);
    EXPECT_EQ(file_text(ini_path()), "[Quor_start]\nMIN_TIME=5\n");
}

}  // namespace
}  // namespace quor

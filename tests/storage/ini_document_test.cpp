#include "storage/ini_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/temporary_directory.h"

namespace quor {
namespace {

TEST(IniDocument, ReadsEntriesWhateverTheLineEnds) {
    const std::vector<ini_entry> expected = {{"Min_Time", "30"}, {"name", "a = b"}, {"Flag", "1"}};
    const char* texts[] = {
        "[Quor_start]\r\nMin_Time=30\r\nname=a = b\r\nFlag=1\r\n",
        "[Quor_start]\nMin_Time=30\nname=a = b\nFlag=1",
        "[Quor_start]\rMin_Time=30\rname=a = b\rFlag=1\r",
        "[Quor_start]\r\nMin_Time=30\nname=a = b\rFlag=1",
        "  [ quor_START ]  \n  Min_Time  =  30  \n\tname = a = b\nFlag=1\n",
        // As some editors save it: a UTF-8 byte-order mark first.
        "\xEF\xBB\xBF[Quor_start]\r\nMin_Time=30\r\nname=a = b\r\nFlag=1\r\n",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ini_document::parse(text).entries("QUOR_START"), expected);
    }
}

TEST(IniDocument, LinesThatAreNoEntryAreNotRead) {
    const auto document = ini_document::parse(
        "stray=before any section\n"
        "[Quor_start]\n"
        "; a comment=with an equals sign\n"
        "a line of junk\n"
        "=no key\n"
        "Empty=\n"
        "\x01\x02\xff=binary\n"
        "[Other\n"
        "Kept=yes\n");
    const std::vector<ini_entry> expected = {{"Empty", ""}, {"\x01\x02\xff", "binary"}};
    EXPECT_EQ(document.entries("Quor_start"), expected);
    EXPECT_EQ(document.value("other", "KEPT"), "yes");  // an unclosed bracket still names a section
    EXPECT_TRUE(document.entries("missing").empty());
    EXPECT_EQ(document.value("Quor_start", "stray"), "");
}

TEST(IniDocument, RewriteChangesOnlyTheEntriesSet) {
    auto document = ini_document::parse(
        "; options\n"
        "stray line\n"
        "[Quor_start]\n"
        "min_time = 5\n"
        "Unknown_entry=kept as it was\n"
        "\n"
        "[Other]\n"
        "Min_Time=77\n");
    document.set_value("QUOR_START", "MIN_TIME", "30");
    document.set_value("Quor_start", "MAX_TIME", "60");
    document.set_value("Third", "KEY", "value");
    EXPECT_EQ(document.text(),
              "; options\r\n"
              "stray line\r\n"
              "[Quor_start]\r\n"
              "MIN_TIME=30\r\n"
              "Unknown_entry=kept as it was\r\n"
              "MAX_TIME=60\r\n"
              "\r\n"
              "[Other]\r\n"
              "Min_Time=77\r\n"
              "[Third]\r\n"
              "KEY=value\r\n");
}

TEST(IniDocument, TheFirstOfRepeatedNamesIsReadAndWritten) {
    auto document = ini_document::parse("[S]\nK=first\nK=second\n[s]\nK=third\n");
    EXPECT_EQ(document.value("S", "k"), "first");
    document.set_value("S", "K", "new");
    EXPECT_EQ(document.value("S", "K"), "new");
    EXPECT_EQ(document.text(), "[S]\r\nK=new\r\nK=second\r\n[s]\r\nK=third\r\n");
}

TEST(IniDocument, RefusesWhatWouldNotReadBackAsWritten) {
    struct bad_entry {
        const char* section;
        const char* key;
        const char* value;
    };
    const bad_entry cases[] = {{"", "K", "v"},      {"S]", "K", "v"},      {"S\n[T", "K", "v"},
                               {"S", "", "v"},      {"S", "  ", "v"},      {"S", "A=B", "v"},
                               {"S", "[T]", "v"},   {"S", ";K", "v"},      {"S", "K\r", "v"},
                               {"S", "K", "v\r\n[Other]"}};
    for (const auto& entry : cases) {
        auto document = ini_document::parse("[S]\nK=old\n");
        EXPECT_THROW(document.set_value(entry.section, entry.key, entry.value), std::invalid_argument)
            << entry.section << " / " << entry.key << " / " << entry.value;
        EXPECT_EQ(document.text(), "[S]\r\nK=old\r\n");
    }
}

TEST(IniFile, WritesReadsAndReportsWhatItCannotDo) {
    testing::temporary_directory directory;
    const auto path = directory.path() / "options.ini";
    EXPECT_TRUE(read_ini_file(path).has_value()) << "a missing file reads as empty";

    auto document = ini_document::parse("[S]\nK=1\n");
    ASSERT_TRUE(write_ini_file(path, document));
    document.set_value("S", "K", "2");
    ASSERT_TRUE(write_ini_file(path, document));
    EXPECT_EQ(read_ini_file(path)->value("S", "K"), "2");

    EXPECT_FALSE(write_ini_file(directory.path() / "no folder" / "options.ini", document));
    std::filesystem::create_directory(directory.path() / "a folder.ini");
    EXPECT_FALSE(read_ini_file(directory.path() / "a folder.ini").has_value());
    EXPECT_FALSE(write_ini_file(directory.path() / "a folder.ini", document));

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a folder.ini", "options.ini"})) << "no temporary file left behind";
}

}  // namespace
}  // namespace quor

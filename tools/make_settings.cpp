// Builds the settings library that ships with the program:
//   make_settings SOURCE.txt DATA_DIR OUT.cmp [OUT.txt]
// SOURCE holds setting blocks ("{", name, control lines, "}") that give only
// the controls a setting changes; the first block, whatever its name, is
// applied before every other one. Each setting starts from the form as it is
// designed, so the written setting carries every control. Palette names are
// those of DATA_DIR/palette. Lines starting with
// "#" and blank lines are left out. OUT.cmp is the packed library; OUT.txt,
// when given, the same text unpacked, to read.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/settings_controls.h"
#include "render/animation_palette.h"
#include "storage/file_bytes.h"
#include "storage/lzh_compressor.h"
#include "storage/quor_setting.h"
#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"

namespace {

std::string read_text(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Every line but comments and blank ones, with CR LF ends.
std::string without_comments(const std::string& text) {
    std::istringstream lines(text);
    std::string line, kept;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') continue;
        kept += line + "\r\n";
    }
    return kept;
}

std::vector<quor::Quor_setting> read_blocks(const std::string& text) {
    quor::text_reader reader(text);
    std::vector<quor::Quor_setting> blocks;
    while (!reader.at_end()) {
        quor::Quor_setting& block = blocks.emplace_back();
        if (!block.ReadText(reader)) {
            throw std::runtime_error("block " + std::to_string(blocks.size()) + " is not closed");
        }
    }
    return blocks;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: make_settings SOURCE.txt DATA_DIR OUT.cmp [OUT.txt]\n";
        return 2;
    }
    try {
        const std::vector<quor::Quor_setting> blocks = read_blocks(without_comments(read_text(argv[1])));
        if (blocks.size() < 2) throw std::runtime_error("no settings after the common block");

        quor::recording_message_box messages;
        quor::animation_palette palette(messages);
        palette.set_palette_dir(std::string(argv[2]) + "/");
        std::vector<std::string> palette_names;
        palette.find_palette_files(palette_names);

        std::string library;
        for (std::size_t index = 1; index < blocks.size(); ++index) {
            const quor::Quor_setting& block = blocks[index];
            quor::settings_controls form;
            form.fill_palette_list(palette_names);
            quor::lines_to_controls(form, blocks.front().control_strings);
            quor::lines_to_controls(form, block.control_strings);
            if (!form.palette_list.has_selection()) throw std::runtime_error(block.name() + ": no such palette");
            if (form.max_polygons.position() < 1) throw std::runtime_error(block.name() + ": no rings");

            quor::Quor_setting setting;
            quor::controls_to_lines(form, setting.control_strings, block.name());
            setting.WriteText(library);
            std::cout << (setting.screensave() ? "tagged " : "       ") << block.name() << "\n";
        }

        const std::vector<std::uint8_t> plain(library.begin(), library.end());
        if (!quor::write_file_atomically(argv[3], quor::lzh_pack(plain))) {
            throw std::runtime_error(std::string("cannot write ") + argv[3]);
        }
        if (argc > 4 && !quor::write_file_atomically(argv[4], plain)) {
            throw std::runtime_error(std::string("cannot write ") + argv[4]);
        }
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "make_settings: " << error.what() << "\n";
        return 1;
    }
}

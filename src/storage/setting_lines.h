#pragma once
// Lines and fields of a setting's text: CR LF line ends written, bare CR and
// bare LF accepted on reading, fields separated by blanks.

#include "storage/text_reader.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

// A longer line is returned in pieces of this many characters; a piece of
// exactly this length takes the line end that follows it.
inline constexpr std::size_t longest_line = 4096;

// Appends the line and CR LF.
void write_line(std::string& stream, std::string_view line);
// One line without its terminator; empty at the end of the stream.
std::string read_line(text_reader& stream);
// Clears fields and appends the runs of characters between separators (space,
// TAB, CR, LF, NUL); returns fields.
std::vector<std::string>& split_fields(std::string_view text, std::vector<std::string>& fields);
// "TRUE" or "FALSE".
std::string_view bool_text(bool flag);

}  // namespace quor

#pragma once
// One named setting held as text lines: line 0 is the name, every later line
// one control's values. In a stream it is a block: "{ ", the lines, "}", each
// line ending in CR LF.

#include "storage/text_reader.h"

#include <string>
#include <string_view>
#include <vector>

namespace quor {

class Quor_setting {
public:
    std::vector<std::string> control_strings;

    // Reads one block from the reader's position into control_strings. False when
    // the block does not open with "{" or ends before its "}" line; control_strings
    // then holds what was read.
    bool ReadText(text_reader& stream);
    // Appends the block to the stream.
    void WriteText(std::string& stream) const;
    // Line 0; throws list_index_error for an empty list.
    const std::string& name() const;
    // Tagged: a control line holds both "Screensaver" and "TRUE".
    bool screensave() const;
    // Replaces line 0; throws list_index_error for an empty list.
    void setname(std::string_view name);
    // Rewrites the first control line holding "Screensaver", or appends the tag
    // line; throws list_index_error for an empty list.
    void setscreensave(bool tagged);
};

}  // namespace quor

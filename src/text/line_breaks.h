#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Appends the text with each line break (LF or CR LF) written as
// `lineBreak`, a stretch between breaks at a time; a carriage return alone is
// no line break and is kept as it stands.
void appendWithLineBreaks(std::string& out, std::string_view text, std::string_view lineBreak);

}  // namespace corvane

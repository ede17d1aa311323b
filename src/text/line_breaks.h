#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The text with each line break (LF or CR LF) written as `lineBreak`; a
// carriage return alone is no line break and is kept as it stands.
std::string withLineBreaks(std::string_view text, std::string_view lineBreak);

// The same, appended to `out`, a stretch between breaks at a time.
void appendWithLineBreaks(std::string& out, std::string_view text, std::string_view lineBreak);

}  // namespace corvane

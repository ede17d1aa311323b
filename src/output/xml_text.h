#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The text without the characters that XML 1.0 forbids (control characters
// other than tab, LF and CR; U+FFFE, U+FFFF; ill-formed UTF-8), so no typed
// phrase can corrupt a document.
std::string withoutForbiddenXmlCharacters(std::string_view text);

// Escapes &, <, > and " for element text and attribute values; the one place
// where document text is escaped.
std::string xmlEscaped(std::string_view text);

}  // namespace corvane

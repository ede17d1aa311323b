#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The single-byte code page of the text files ("á" is byte E1). Converts
// UTF-8 text; nothing when a character is not one of the 251 the code page
// defines (its five undefined positions count as not fitting).
std::optional<std::string> toWindows1252(std::string_view utf8);

// Back to UTF-8; an undefined byte becomes the control character of that number,
// so nothing read is lost.
std::string fromWindows1252(std::string_view bytes);

// Windows-1252 when every character fits, otherwise UTF-8 behind a byte-order
// mark, so that nothing typed is written as "?".
std::string encodeForTextFile(std::string_view utf8);

// Reads what encodeForTextFile wrote: UTF-8 when it starts with the
// byte-order mark, otherwise Windows-1252.
std::string decodeTextFile(std::string_view bytes);

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace corvane

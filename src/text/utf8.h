#pragma once

#include <optional>
#include <string_view>

namespace corvane {

// One character of a UTF-8 text: its code point and how many bytes it takes.
struct Utf8Char {
  char32_t codePoint;
  std::size_t length;
};

// The character that starts at `at`; nothing when the bytes there are not
// well-formed UTF-8 (a stray continuation byte, an overlong form, a surrogate,
// anything past U+10FFFF, a sequence cut short).
std::optional<Utf8Char> decodeUtf8At(std::string_view text, std::size_t at);

bool isValidUtf8(std::string_view text);

}  // namespace corvane

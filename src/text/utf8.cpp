#include "text/utf8.h"

#include <cstdint>

namespace corvane {

std::optional<Utf8Char> decodeUtf8At(std::string_view text, std::size_t at) {
  const auto lead = static_cast<std::uint8_t>(text[at]);
  std::size_t length = 0;
  char32_t codePoint = 0;
  if (lead < 0x80) {
    return Utf8Char{lead, 1};
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    codePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    codePoint = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (at + length > text.size()) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<std::uint8_t>(text[at + k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < kSmallestOfLength[length]) return std::nullopt;       // overlong
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return std::nullopt;  // surrogate
  if (codePoint > 0x10FFFF) return std::nullopt;
  return Utf8Char{codePoint, length};
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::optional<Utf8Char> next = decodeUtf8At(text, i);
    if (!next) return false;
    i += next->length;
  }
  return true;
}

}  // namespace corvane

#include "output/xml_text.h"

#include "text/utf8.h"

namespace corvane {

namespace {

bool allowedInXml(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace

std::string withoutForbiddenXmlCharacters(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::optional<Utf8Char> next = decodeUtf8At(text, i);
    if (!next) {
      ++i;  // an ill-formed byte is dropped on its own
      continue;
    }
    if (allowedInXml(next->codePoint)) kept.append(text.substr(i, next->length));
    i += next->length;
  }
  return kept;
}

std::string xmlEscaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size() + 16);
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace corvane

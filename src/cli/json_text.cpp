#include "cli/json_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace corvane {

namespace {

// For each byte, whether it must be escaped.
constexpr std::array<bool, 256> kEscaped = [] {
  std::array<bool, 256> escaped{};
  for (int byte = 0; byte < 0x20; ++byte) escaped[byte] = true;
  escaped['"'] = escaped['\\'] = true;
  return escaped;
}();

void appendEscape(std::string& out, unsigned char byte) {
  switch (byte) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\b':
      out += "\\b";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default: {
      constexpr const char* kHex = "0123456789abcdef";
      const char unicode[] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
      out.append(unicode, sizeof unicode);
    }
  }
}

// Whether any of the eight bytes of a word must be escaped: one below 0x20, a
// quote or a backslash (the classic tests for a zero byte and for a byte less
// than n; a byte of a UTF-8 sequence, 0x80 or more, never counts).
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr bool hasZeroByte(std::uint64_t word) {
  return ((word - kOnes) & ~word & kHighBits) != 0;
}
constexpr bool needsEscape(std::uint64_t word) {
  const bool control = ((word - kOnes * 0x20) & ~word & kHighBits) != 0;
  return control || hasZeroByte(word ^ (kOnes * '"')) || hasZeroByte(word ^ (kOnes * '\\'));
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  out.push_back('"');
  std::size_t start = 0;
  std::size_t i = 0;
  // Eight bytes at a time while none of them needs escaping: most text is plain.
  while (true) {
    while (i + 8 <= text.size()) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + i, 8);
      if (needsEscape(word)) break;
      i += 8;
    }
    const std::size_t chunkEnd = std::min(i + 8, text.size());
    for (; i < chunkEnd; ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      if (!kEscaped[byte]) continue;
      out.append(text.data() + start, i - start);
      appendEscape(out, byte);
      start = i + 1;
    }
    if (i >= text.size()) break;
  }
  out.append(text.data() + start, text.size() - start);
  out.push_back('"');
}

}  // namespace corvane

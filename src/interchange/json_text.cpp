#include "interchange/json_text.h"

#include <array>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// How many bytes from the start need no escaping: most text is plain, so it
// is scanned sixty-four bytes at a time where the processor allows, else eight.
std::size_t plainRun(std::string_view text) {
  std::size_t i = 0;
#ifdef __SSE2__
  const __m128i lastControl = _mm_set1_epi8(0x1F);
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i backslash = _mm_set1_epi8('\\');
  // Of the sixteen bytes at `at`, those that must be escaped (0xFF).
  const auto special = [&](std::size_t at) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
    // A byte is a control character when the larger of it and 0x1F is 0x1F.
    const __m128i control = _mm_cmpeq_epi8(_mm_max_epu8(bytes, lastControl), lastControl);
    return _mm_or_si128(
        control, _mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, backslash)));
  };
  // A bit for each of them.
  const auto specialBytes = [&](std::size_t at) {
    return static_cast<unsigned>(_mm_movemask_epi8(special(at)));
  };
  // Sixty-four bytes at a time while none is special, then sixteen to find it.
  for (; i + 64 <= text.size(); i += 64) {
    const __m128i any = _mm_or_si128(_mm_or_si128(special(i), special(i + 16)),
                                     _mm_or_si128(special(i + 32), special(i + 48)));
    if (_mm_movemask_epi8(any) != 0) break;
  }
  for (; i + 16 <= text.size(); i += 16) {
    const unsigned mask = specialBytes(i);
    if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
  }
  // The last bytes: the sixteen that end the text, less those already scanned.
  if (i < text.size() && text.size() >= 16) {
    const std::size_t last = text.size() - 16;
    const unsigned mask = specialBytes(last) >> (i - last);
    return mask != 0 ? i + static_cast<std::size_t>(__builtin_ctz(mask)) : text.size();
  }
#else
  // The classic tests for a zero byte and for a byte less than n; a byte of a
  // UTF-8 sequence, 0x80 or more, never counts.
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  const auto hasZeroByte = [](std::uint64_t word) {
    return ((word - kOnes) & ~word & kHighBits) != 0;
  };
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    const bool control = ((word - kOnes * 0x20) & ~word & kHighBits) != 0;
    if (control || hasZeroByte(word ^ (kOnes * '"')) || hasZeroByte(word ^ (kOnes * '\\'))) break;
  }
#endif
  while (i < text.size() && !kEscaped[static_cast<unsigned char>(text[i])]) ++i;
  return i;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  out.push_back('"');
  while (true) {
    const std::size_t plain = plainRun(text);
    out.append(text.data(), plain);
    if (plain == text.size()) break;
    appendEscape(out, static_cast<unsigned char>(text[plain]));
    text.remove_prefix(plain + 1);
  }
  out.push_back('"');
}

}  // namespace corvane

#include "text/windows_1252.h"

#include <array>
#include <cstdint>

#include "text/utf8.h"

namespace corvane {

namespace {

// The characters of bytes 80 to 9F; 0 marks the five undefined positions.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178};

std::optional<char> byteFor(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == codePoint) {
      return static_cast<char>(0x80 + i);
    }
  }
  return std::nullopt;
}

void appendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

}  // namespace

std::optional<std::string> toWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::optional<Utf8Char> next = decodeUtf8At(utf8, i);
    if (!next) return std::nullopt;
    const std::optional<char> byte = byteFor(next->codePoint);
    if (!byte) return std::nullopt;
    bytes.push_back(*byte);
    i += next->length;
  }
  return bytes;
}

std::string fromWindows1252(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size() + bytes.size() / 8);
  for (char byte : bytes) {
    const auto value = static_cast<std::uint8_t>(byte);
    char32_t codePoint = value;
    if (value >= 0x80 && value < 0xA0 && kHighControls[value - 0x80] != 0) {
      codePoint = kHighControls[value - 0x80];
    }
    appendUtf8(utf8, codePoint);
  }
  return utf8;
}

std::string encodeForTextFile(std::string_view utf8) {
  if (std::optional<std::string> single = toWindows1252(utf8)) return *std::move(single);
  std::string marked{kUtf8ByteOrderMark};
  marked.append(utf8);
  return marked;
}

std::string decodeTextFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) return std::string{bytes.substr(3)};
  return fromWindows1252(bytes);
}

}  // namespace corvane

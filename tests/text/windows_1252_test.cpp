#include "text/windows_1252.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

// The characters of bytes 80 to 9F of the code page, as the code page's
// published mapping gives them; 0 where the code page defines none.
constexpr char32_t kBytes80To9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

std::string utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// Every one of the 256 bytes, both ways: each defined character is one byte
// and back; the C1 control characters are not characters of the code page.
TEST(Windows1252, EveryByteBothWays) {
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    const char32_t character =
        byte >= 0x80 && byte < 0xA0 ? kBytes80To9F[byte - 0x80] : static_cast<char32_t>(byte);
    const std::string single(1, static_cast<char>(byte));
    if (byte >= 0x80 && character == 0) {
      // Undefined: a character of that number is refused, and the byte read back keeps it.
      EXPECT_EQ(toWindows1252(utf8(static_cast<char32_t>(byte))), std::nullopt);
      EXPECT_EQ(fromWindows1252(single), utf8(static_cast<char32_t>(byte)));
      continue;
    }
    EXPECT_EQ(toWindows1252(utf8(character)), single);
    EXPECT_EQ(fromWindows1252(single), utf8(character));
  }
  // The C1 control characters have no byte of their own.
  for (char32_t control = 0x80; control < 0xA0; ++control) {
    EXPECT_EQ(toWindows1252(utf8(control)), std::nullopt) << static_cast<int>(control);
  }
  for (char32_t other : {0x100, 0x2015, 0x20AD, 0x0391, 0x1F00}) {
    EXPECT_EQ(toWindows1252(utf8(other)), std::nullopt) << static_cast<int>(other);
  }
}

TEST(Windows1252, TheTextFilesEncoding) {
  struct Row {
    std::string_view text;
    std::string_view bytes;
  };
  const Row rows[] = {
      {"plain", "plain"},
      {"Evlámpius – “quoted” €", "Evl\xE1mpius \x96 \x93quoted\x94 \x80"},
      {"Ἀθανάσιος", "\xEF\xBB\xBFἈθανάσιος"},
      {"\xC3", "\xEF\xBB\xBF\xC3"},  // not UTF-8: kept as it is, never lost
      {"", ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(encodeForTextFile(row.text), row.bytes) << row.text;
    if (row.text != "\xC3") {
      EXPECT_EQ(decodeTextFile(row.bytes), row.text);
    }
  }
}

}  // namespace
}  // namespace corvane

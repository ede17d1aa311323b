#include "interchange/json_text.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>

namespace corvane {
namespace {

std::string escaped(std::string_view text) {
  std::string out;
  appendJsonString(out, text);
  return out;
}

// The escaper writes what the JSON library writes, on hostile text: quotes,
// backslashes, every control character, DEL, letters of other scripts,
// characters beyond the Basic Multilingual Plane, and runs longer than the
// sixty-four bytes read at a time.
TEST(JsonText, AsTheJsonLibraryWritesIt) {
  std::vector<std::string> pieces = {"\"",        "\\",        "/",
                                     "\x7F",      "a",         "plain text of the feast ",
                                     "Ἀθανάσιος", "Evlámpius", "\xF0\x9F\x95\x8A",
                                     "€",         "'",         " "};
  for (int control = 0; control < 0x20; ++control)
    pieces.push_back(std::string(1, static_cast<char>(control)));
  // Each piece alone, at every offset within a block of sixty-four and past it.
  for (const std::string& piece : pieces) {
    for (int offset = 0; offset < 81; ++offset) {
      const std::string text =
          std::string(static_cast<std::size_t>(offset), 'x') + piece + "yyyyyyyy";
      EXPECT_EQ(escaped(text), nlohmann::json(text).dump()) << ::testing::PrintToString(text);
    }
  }
  // Drawn from a fixed seed.
  std::mt19937 random{20261206};
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int count = std::uniform_int_distribution<int>{0, 30}(random);
    for (int i = 0; i < count; ++i) {
      text += pieces[std::uniform_int_distribution<std::size_t>{0, pieces.size() - 1}(random)];
    }
    ASSERT_EQ(escaped(text), nlohmann::json(text).dump()) << ::testing::PrintToString(text);
  }
  EXPECT_EQ(escaped(""), "\"\"");
}

}  // namespace
}  // namespace corvane

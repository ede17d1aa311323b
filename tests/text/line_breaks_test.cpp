#include "text/line_breaks.h"

#include <gtest/gtest.h>

#include <utility>

namespace corvane {
namespace {

// Line breaks of either kind become the layout's; a carriage return alone,
// at any place, is kept as it stands and the text goes on after it.
TEST(LineBreaks, OfEitherKind) {
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"a\nb", "a|b"}, {"a\r\nb", "a|b"},        {"a\rb", "a\rb"}, {"\ra", "\ra"},
      {"a\r", "a\r"},  {"a\r\r\nb\n", "a\r|b|"}, {"\n\r\n", "||"}, {"no break", "no break"},
  };
  for (const auto& [text, expected] : rows) {
    std::string out = "<";
    appendWithLineBreaks(out, text, "|");
    EXPECT_EQ(out, "<" + std::string{expected}) << text;
  }
}

}  // namespace
}  // namespace corvane

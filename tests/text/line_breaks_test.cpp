#include "text/line_breaks.h"

#include <gtest/gtest.h>

#include <utility>

namespace corvane {
namespace {

// Line breaks of either kind become the layout's; a carriage return alone,
// at any place, is kept as it stands and the text goes on after it. With LF
// as the layout's, a line feed stays and a carriage return before one goes.
TEST(LineBreaks, OfEitherKind) {
  struct Row {
    std::string_view text, bars, lineFeeds;
  };
  const Row rows[] = {
      {"a\nb", "a|b", "a\nb"},
      {"a\r\nb", "a|b", "a\nb"},
      {"a\rb", "a\rb", "a\rb"},
      {"\ra", "\ra", "\ra"},
      {"a\r", "a\r", "a\r"},
      {"a\r\r\nb\n", "a\r|b|", "a\r\nb\n"},
      {"\n\r\n", "||", "\n\n"},
      {"\r\n\r\n\r", "||\r", "\n\n\r"},
      {"no break", "no break", "no break"},
  };
  const auto written = [](std::string_view text, std::string_view lineBreak) {
    std::string out = "<";
    appendWithLineBreaks(out, text, lineBreak);
    return out;
  };
  for (const Row& row : rows) {
    EXPECT_EQ(written(row.text, "|"), std::string{"<"}.append(row.bars)) << row.text;
    EXPECT_EQ(written(row.text, "\n"), std::string{"<"}.append(row.lineFeeds)) << row.text;
  }
}

}  // namespace
}  // namespace corvane

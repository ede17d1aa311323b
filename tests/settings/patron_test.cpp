#include "settings/patron.h"
#include "settings/temple_settings.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The command-line names, both ways; the phrase is kept for a typed patron only.
TEST(Patron, NamesAndTheTypedPhrase) {
  struct Row {
    Patron patron;
    std::string_view name;  // on the command line
  };
  const Row rows[] = {
      {Patron::trinity, "trinity"},       {Patron::lord, "lord"},
      {Patron::holySpirit, "holy-spirit"}, {Patron::theotokos, "theotokos"},
      {Patron::cross, "cross"},           {Patron::archangels, "archangels"},
      {Patron::forerunner, "forerunner"}, {Patron::apostles, "apostles"},
      {Patron::ancestors, "ancestors"},   {Patron::allSaints, "all-saints"},
      {Patron::chrysostom, "chrysostom"}, {Patron::basil, "basil"},
      {Patron::gregory, "gregory"},       {Patron::nicholas, "nicholas"},
      {Patron::typed, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempleSettings settings;
    choosePatron(settings, Patron::typed, "of St. Herman");
    choosePatron(settings, row.patron, "of the holy new martyrs");
    EXPECT_EQ(settings.patron, row.patron);
    EXPECT_EQ(settings.patronText, row.patron == Patron::typed ? "of the holy new martyrs" : "");
    EXPECT_EQ(patronName(row.patron), row.name);
    if (!row.name.empty()) {
      EXPECT_EQ(patronFromName(row.name), row.patron);
    }
  }
  EXPECT_EQ(patronFromName("typed"), std::nullopt);
  EXPECT_EQ(patronFromName(""), std::nullopt);
}

TEST(Patron, ATypedLineBreakIsHeldAsALineFeed) {
  struct Row {
    std::string_view typed, held;
  };
  const Row rows[] = {
      {"a\r\nb", "a\nb"}, {"a\rb", "a\nb"},     {"a\nb", "a\nb"},
      {"a\r", "a\n"},     {"\r\n\r\n", "\n\n"}, {"a\n\rb", "a\n\nb"},
  };
  for (const Row& row : rows) EXPECT_EQ(normalizeLineBreaks(row.typed), row.held) << row.typed;
}

}  // namespace
}  // namespace corvane

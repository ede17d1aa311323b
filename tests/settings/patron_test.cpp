#include "settings/patron.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The temple window's invariant: at most one flag, the chosen patron's own.
TEST(Patron, ChoosingSetsOnlyThePatronsOwnFlag) {
  struct Row {
    Patron patron;
    std::string_view name;  // on the command line
    bool TempleSettings::*flag;
  };
  const Row rows[] = {
      {Patron::trinity, "trinity", nullptr},
      {Patron::lord, "lord", nullptr},
      {Patron::holySpirit, "holy-spirit", nullptr},
      {Patron::theotokos, "theotokos", nullptr},
      {Patron::cross, "cross", &TempleSettings::patronCross},
      {Patron::archangels, "archangels", &TempleSettings::patronArchangels},
      {Patron::forerunner, "forerunner", &TempleSettings::patronForerunner},
      {Patron::apostles, "apostles", &TempleSettings::patronApostles},
      {Patron::ancestors, "ancestors", nullptr},
      {Patron::allSaints, "all-saints", nullptr},
      {Patron::chrysostom, "chrysostom", &TempleSettings::patronChrysostom},
      {Patron::basil, "basil", &TempleSettings::patronBasil},
      {Patron::gregory, "gregory", &TempleSettings::patronGregory},
      {Patron::nicholas, "nicholas", &TempleSettings::patronNicholas},
      {Patron::typed, "", &TempleSettings::patronTyped},
  };
  bool TempleSettings::*const allFlags[] = {
      &TempleSettings::patronArchangels, &TempleSettings::patronForerunner,
      &TempleSettings::patronCross,      &TempleSettings::patronApostles,
      &TempleSettings::patronNicholas,   &TempleSettings::patronGregory,
      &TempleSettings::patronChrysostom, &TempleSettings::patronBasil,
      &TempleSettings::patronTyped,
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempleSettings settings;
    // Every flag set before: choosing clears the others.
    for (auto flag : allFlags) settings.*flag = true;
    choosePatron(settings, row.patron, "of the holy new martyrs");
    for (auto flag : allFlags) EXPECT_EQ(settings.*flag, flag == row.flag);
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

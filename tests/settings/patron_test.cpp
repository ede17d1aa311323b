#include "settings/patron.h"

#include <gtest/gtest.h>

#include "settings/temple_settings.h"

namespace corvane {
namespace {

// The command-line names, both ways; the phrase is kept for a typed patron only.
TEST(Patron, NamesAndTheTypedPhrase) {
  struct Row {
    Patron patron;
    std::string_view name;  // on the command line
  };
  const Row rows[] = {
      {Patron::trinity, "trinity"},
      {Patron::lord, "lord"},
      {Patron::holySpirit, "holy-spirit"},
      {Patron::theotokos, "theotokos"},
      {Patron::cross, "cross"},
      {Patron::archangels, "archangels"},
      {Patron::forerunner, "forerunner"},
      {Patron::apostles, "apostles"},
      {Patron::ancestors, "ancestors"},
      {Patron::allSaints, "all-saints"},
      {Patron::chrysostom, "chrysostom"},
      {Patron::basil, "basil"},
      {Patron::gregory, "gregory"},
      {Patron::nicholas, "nicholas"},
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

// Each character that breaks a line, one blank; each control dropped, the
// neighbours of their codes kept; blanks only trimmed at the ends.
TEST(Patron, ATypedPhraseIsOneLine) {
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"a\r\nb", "a b"},
      {"a\rb", "a b"},
      {"a\nb", "a b"},
      {"a\tb", "a b"},
      {"a\u0085b", "a b"},
      {"a\u2028b", "a b"},
      {"a\u2029b", "a b"},
      {"a\n\rb", "a  b"},
      {"a\r\n\r\nb", "a  b"},
      {"a   b", "a   b"},
      {"a\x01\x1B\x7F\u0080\u009Fb", "ab"},
      {"a\u200E\u200Fb", "ab"},
      {"a\u202A\u202B\u202C\u202D\u202Eb", "ab"},
      {"a\u2066\u2067\u2068\u2069b", "ab"},
      {"a\u061Cb", "ab"},
      // U+2010 and U+2027 beside the breaks, U+202F and U+2065 beside the controls.
      {"a\u00A0\u0084\u2010\u2027\u202F\u2065\u206A\u060Cb",
       "a\u00A0\u2010\u2027\u202F\u2065\u206A\u060Cb"},
      {"\u00A0Ἀθανάσιος\u00A0", "\u00A0Ἀθανάσιος\u00A0"},
      {" \t\u2028 of St. Herman \r\n ", "of St. Herman"},
      {" \r\n\t\u202E ", ""},
      {"a\xE2\x80", "a\xE2\x80"},  // cut short: kept as it is, nothing read past the end
  };
  for (const auto& [typed, clean] : rows) EXPECT_EQ(cleanTypedPhrase(typed), clean) << typed;
  TempleSettings settings;
  choosePatron(settings, Patron::typed, "of St.\r\nHerman\u202E");
  EXPECT_EQ(settings.patronText, "of St. Herman");
}

}  // namespace
}  // namespace corvane

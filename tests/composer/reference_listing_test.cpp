// A regression net: what the composer gives on every picked date of an
// ordinary year and of the first year when Pascha falls in June, for the nine
// service variants, with the temples taking turns. The listing is checked in;
// any change of a text, of a rule's name or of the rule that speaks on a day
// shows in its diff. Regenerate it only on purpose:
//
//   CORVANE_REGENERATE_REFERENCE=1 build/release/tests/corvane_composer_tests
//       --gtest_filter='ReferenceListing.*'
//
// then read `git diff tests/data/reference-*.txt` before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "composer/composed.h"
#include "state/english_date.h"
#include "state/picked_date.h"
#include "support/independent_calendar.h"

namespace corvane {
namespace {

using namespace std::chrono;

struct Temple {
  const char* name;
  Patron patron;
  bool bishop;
};
// They take turns by the day of the year and the service.
constexpr Temple kTemples[] = {
    {"-", Patron::trinity, false},
    {"nicholas+bishop", Patron::nicholas, true},
    {"cross", Patron::cross, false},
    {"forerunner", Patron::forerunner, false},
    {"archangels", Patron::archangels, false},
    {"apostles", Patron::apostles, false},
    {"chrysostom", Patron::chrysostom, false},
    {"basil", Patron::basil, false},
    {"gregory", Patron::gregory, false},
    {"typed", Patron::typed, false},
};

// Each distinct text and rule name is listed once and referred to by number,
// so that the listing stays small and a changed text shows as one line.
class Interned {
 public:
  std::string operator()(std::string_view text, char prefix) {
    auto [at, added] = numbers_.try_emplace(std::string{text}, numbers_.size() + 1);
    if (added) order_.push_back(&at->first);
    return prefix + std::to_string(at->second);
  }
  // One a line: line breaks inside a text are shown as \r and \n, and a "|"
  // closes each text so that trailing blanks show.
  void list(std::ostream& out, char prefix) const {
    for (std::size_t i = 0; i < order_.size(); ++i) {
      out << prefix << i + 1 << '\t';
      for (char c : *order_[i]) {
        if (c == '\r') {
          out << "\\r";
        } else if (c == '\n') {
          out << "\\n";
        } else {
          out << c;
        }
      }
      out << "|\n";
    }
  }

 private:
  std::map<std::string, std::size_t> numbers_;
  std::vector<const std::string*> order_;
};

std::string withoutDates(const ServiceWarning& warning, Date picked) {
  std::string sentence = warning.sentence;
  for (const auto& [date, name] :
       {std::pair{picked, "{day}"}, std::pair{picked + days{1}, "{next}"}}) {
    const std::string shown = englishLongDate(date);
    for (std::size_t at = sentence.find(shown); at != std::string::npos; at = sentence.find(shown))
      sentence.replace(at, shown.size(), name);
  }
  return sentence;
}

std::string listingOf(int year, TempleCalendar calendar) {
  Interned texts, rules, warnings;
  std::ostringstream lines;
  int dayOfYear = 0;
  for (Date picked = testing::civilDay(year, 1, 1); picked <= testing::civilDay(year, 12, 31);
       picked += days{1}, ++dayOfYear) {
    int variantIndex = 0;
    for (const ServiceVariant& variant : kNineServiceVariants) {
      const Temple& temple =
          kTemples[static_cast<std::size_t>(dayOfYear + variantIndex++) % std::size(kTemples)];
      TempleSettings settings;
      choosePatron(settings, temple.patron,
                   "of our father among the saints Raphael, bishop of Brooklyn");
      settings.bishopPresent = temple.bishop;
      settings.calendar = calendar;
      const auto composed = testing::compose(variant.service, picked, variant.evening, settings);
      const Dismissal& result = composed.dismissal;
      lines << isoDate(picked) << ' ' << serviceName(variant.service)
            << (variant.evening ? "-evening" : "") << ' ' << temple.name;
      for (std::size_t i = 0; i < kSlotCount; ++i) {
        const auto slot = static_cast<Slot>(i);
        if (result.slotText(slot).empty()) continue;
        lines << ' ' << slotName(slot).name << '=' << texts(result.slotText(slot), 't') << ':'
              << rules(result.explanation->rule(slot), 'r');
      }
      lines << " heading=" << texts(result.serviceHeading, 't')
            << " ending=" << texts(result.endingText, 't');
      if (result.warning)
        lines << " warning=" << warnings(withoutDates(*result.warning, picked), 'w');
      lines << '\n';
    }
  }
  std::ostringstream listing;
  listing
      << "# Every picked date of " << year << " in a temple of the " << calendarName(calendar)
      << " calendar: the nine services, temples in turn; texts (t), rules (r) and warnings (w) by number.\n"
      << "texts\n";
  texts.list(listing, 't');
  listing << "rules\n";
  rules.list(listing, 'r');
  listing << "warnings\n";
  warnings.list(listing, 'w');
  listing << "compositions\n" << lines.str();
  return listing.str();
}

std::string readFile(const std::string& path) {
  std::ifstream file{path, std::ios::binary};
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The first line where the two listings part, for the failure message.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream want{expected}, got{actual};
  std::string wantLine, gotLine;
  for (int line = 1; std::getline(want, wantLine); ++line) {
    if (!std::getline(got, gotLine)) gotLine = "(end)";
    if (wantLine != gotLine)
      return "line " + std::to_string(line) + ":\n  listed: " + wantLine + "\n  now:    " + gotLine;
  }
  return "the listing now goes on past its end";
}

void checkListing(int year, TempleCalendar calendar = TempleCalendar::newCalendar) {
  const std::string name =
      "reference-" + std::to_string(year) + (calendar == TempleCalendar::oldCalendar ? "-old" : "");
  const std::string path = std::string{CORVANE_TEST_DATA} + "/" + name + ".txt";
  const std::string actual = listingOf(year, calendar);
  if (std::getenv("CORVANE_REGENERATE_REFERENCE") != nullptr) {
    std::ofstream{path, std::ios::binary} << actual;
    GTEST_SKIP() << "regenerated " << path;
  }
  const std::string expected = readFile(path);
  ASSERT_FALSE(expected.empty()) << "no listing at " << path;
  if (expected != actual) {
    const std::string written = std::string{CORVANE_TEST_OUTPUT} + "/" + name + ".now.txt";
    std::ofstream{written, std::ios::binary} << actual;
    FAIL() << "the compositions of " << year << " differ from " << path << " (now written to "
           << written << "):\n"
           << firstDifference(expected, actual);
  }
}

TEST(ReferenceListing, AnOrdinaryYear) {
  checkListing(2026);
}

// Pascha on 1 June 5175, the first Pascha in June: every Bright Week move,
// the Meeting's Leavetaking on 9 February, and on 13 July the Fathers of the
// First and of the Fourth Council together.
TEST(ReferenceListing, AYearOfPaschaInJune) {
  checkListing(5175);
}

// An old-calendar temple in the same ordinary year: the feasts on their
// Julian dates, the Meeting on Meatfare Sunday.
TEST(ReferenceListing, AnOrdinaryYearInAnOldCalendarTemple) {
  checkListing(2026, TempleCalendar::oldCalendar);
}

}  // namespace
}  // namespace corvane

#include "saved_temple/temple_ini.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

using std::string_literals::operator""s;

// What a text reads as: "old nicholas", "nothing", or the reason it cannot be read.
std::string readAs(std::string_view text) {
  const Result<std::optional<TempleChoices>> read = readTempleIni(text);
  if (!read) return "error: " + read.error();
  if (!*read) return "nothing";
  return std::string{calendarName((*read)->calendar)} + " " +
         std::string{patronChoiceName((*read)->patron)};
}

// Each row was read by the window when it kept its settings through Qt's
// QSettings (the same texts, run through that build's reader); the rows
// marked "now" are read differently on purpose.
TEST(TempleIni, ReadAsTheEarlierVersionsReadIt) {
  struct Row {
    std::string text;
    std::string readAs;
  };
  const Row rows[] = {
      {"[temple]\r\ncalendar=old\r\npatron=nicholas\r\n", "old nicholas"},
      {"[temple]\rcalendar=old\rpatron=cross\r", "old cross"},
      {"\xEF\xBB\xBF[temple]\ncalendar=old\npatron=nicholas\n", "old nicholas"},
      {"[temple]\n  calendar = old  \npatron= nicholas\n", "old nicholas"},
      {"; a comment\n[temple]\ncalendar=old\n# another\npatron=nicholas\n", "old nicholas"},
      {"[temple]\ncalendar=\"old\"\npatron=\"nicholas\"\n", "old nicholas"},
      {"[temple]\ncalendar=old ; trailing comment\n", "old typed"},
      {"[temple]\ncalendar=old\npatron=nicholas\nother=1\n[more]\nx=y\n", "old nicholas"},
      {"[temple]\ncalendar=old\ncalendar=new\n", "new typed"},
      {" [temple]\ncalendar=old", "old typed"},
      {"[temple]\npatron=holy-spirit\n", "new holy-spirit"},
      {"", "nothing"},
      {"[general]\ncalendar=old\n", "nothing"},
      {"[temple]\ncalendar=julian\n", "error: unknown calendar 'julian'"},
      {"[temple]\npatron=peter\n", "error: unknown patron 'peter'"},
      {"[temple\ncalendar=old\n", "error: it is not a settings file"},
      // now: names in any letter case, as everywhere else in the program
      // (the QSettings build refused "Old" and read nothing under "[Temple]")
      {"[temple]\ncalendar=Old\npatron=NICHOLAS\n", "old nicholas"},
      {"[Temple]\nCalendar=old\n", "old typed"},
      // now: a damaged line is said (the QSettings build passed over it, and
      // over a file of binary bytes, in silence)
      {"[temple]\ncalendar=old\ngarbage line\npatron=nicholas\n",
       "error: it is not a settings file (line 3)"},
      {"\x00\x01\x02 binary\n"s, "error: it is not a settings file (line 1)"},
  };
  for (const Row& row : rows) EXPECT_EQ(readAs(row.text), row.readAs) << row.text;
}

// Every choice written and read back (the text as QSettings wrote it is
// saved_temple_test's, against tests/data/saved_temple).
TEST(TempleIni, EveryChoiceRoundTrips) {
  std::vector<Patron> patrons = {Patron::typed};
  for (const auto& [patron, name] : kPatronNames) patrons.push_back(patron);
  for (TempleCalendar calendar : {TempleCalendar::newCalendar, TempleCalendar::oldCalendar}) {
    for (Patron patron : patrons) {
      const TempleChoices choices{calendar, patron};
      EXPECT_EQ(readTempleIni(templeIniText(choices)), choices) << templeIniText(choices);
    }
  }
}

}  // namespace
}  // namespace corvane

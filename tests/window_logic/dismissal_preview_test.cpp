#include "window_logic/dismissal_preview.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/patron.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"
#include "window_logic/booklet_list.h"

namespace corvane {
namespace {

using namespace std::chrono;

const std::string kSundayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil the Great "
    "is appointed.";

// The preview carries the warning for the notice above it and the Eucharist
// appointed for "Why?" (which days draw them, the calendar's tests decide);
// the outputs hold nothing of them.
TEST(DismissalPreview, TheWarningIsTheNoticesNotTheOutputs) {
  const DismissalPreview sunday =
      previewDismissal({2026y / March / 1, Service::presanctified, false}, {}, englishLongDate);
  EXPECT_EQ(sunday.warning, kSundayOfLent);
  EXPECT_TRUE(sunday.why.at(2).starts_with("Eucharist appointed on Sunday, March 1"));
  EXPECT_TRUE(sunday.plainText.starts_with(
      "Sunday, March 1, 2026\n-- Liturgy of the Presanctified Gifts --\n"));
  EXPECT_EQ(sunday.plainText.find("is appointed"), std::string::npos);
}

// The booklet's list marks the entries whose day appoints another service,
// in the temple's calendar: civil 19 January 2026 is Theophany in an
// old-calendar temple, a Monday like any other in a new-calendar one.
TEST(DismissalPreview, TheBookletSaysWhichEntriesDrawAWarning) {
  testing::TemporaryFolder folder;
  BookletList list{folder.path() / "booklet.txt", [](const std::string&) {}};
  list.load();
  ASSERT_TRUE(list.add({2026y / March / 4, Service::presanctified, false}));
  ASSERT_TRUE(list.add({2026y / March / 1, Service::presanctified, false}));
  ASSERT_TRUE(list.add({2026y / January / 19, Service::basil, false}));
  TempleSettings temple;
  const std::string mondayOfTheophany =
      "On Monday, January 19, 2026, the Divine Liturgy of St. John Chrysostom is appointed, not "
      "the Divine Liturgy of St. Basil the Great.";
  EXPECT_EQ(list.warnings(temple), (std::vector<std::optional<std::string>>{
                                       mondayOfTheophany, kSundayOfLent, std::nullopt}));
  temple.calendar = TempleCalendar::oldCalendar;
  EXPECT_EQ(list.warnings(temple),
            (std::vector<std::optional<std::string>>{std::nullopt, kSundayOfLent, std::nullopt}));
}

// "Why?" names the day composed for, and says why when an evening service
// belongs to the next one: by the service, or by the Liturgy's evening flag.
TEST(DismissalPreview, TheLiturgicalDayIsNamed) {
  const std::string nextDay = " (an evening service belongs to the next day)";
  struct Row {
    Date served;
    Service service;
    bool evening;
    TempleCalendar calendar;
    std::string liturgicalDay, churchDate;
  };
  using enum TempleCalendar;
  const Row rows[] = {
      {2027y / March / 21, Service::presanctified, false, oldCalendar,
       "Monday, March 22, 2027" + nextDay, "9 March 2027 (Julian calendar)"},
      {2026y / December / 5, Service::basil, true, newCalendar,
       "Sunday, December 6, 2026" + nextDay, "6 December 2026 (new calendar)"},
      {2026y / December / 6, Service::basil, false, newCalendar, "Sunday, December 6, 2026",
       "6 December 2026 (new calendar)"},
  };
  for (const Row& row : rows) {
    TempleSettings temple;
    temple.calendar = row.calendar;
    const DismissalPreview preview =
        previewDismissal({row.served, row.service, row.evening}, temple, englishLongDate);
    ASSERT_GE(preview.why.size(), 2U);
    EXPECT_EQ(preview.why[0], "Liturgical day: " + row.liturgicalDay);
    EXPECT_EQ(preview.why[1], "Church date: " + row.churchDate);
  }
}

// A rule that begins with its own label, in any case, is not labelled twice.
TEST(DismissalPreview, ARuleThatRepeatsItsLabelIsSaidOnce) {
  const struct {
    const char *label, *rule, *line;
  } rows[] = {
      {"Temple patron", "temple patron: St. Nicholas", "Temple patron: St. Nicholas"},
      {"Temple patron", "temple patronage: x", "Temple patron: temple patronage: x"},
  };
  for (const auto& row : rows) EXPECT_EQ(reasonLine(row.label, row.rule), row.line);
  TempleSettings nicholas;
  choosePatron(nicholas, Patron::nicholas);
  const DismissalPreview preview = previewDismissal(
      {2026y / October / 13, Service::dailyOrthros, false}, nicholas, englishLongDate);
  EXPECT_EQ(std::ranges::count(preview.why, "Temple patron: St. Nicholas"), 1);
}

// "Why?" names the line of a commemoration of the parish's own, and says what
// one that gave way gave way to.
TEST(DismissalPreview, OurOwnCommemorationsAreNamedByTheirLine) {
  TempleSettings temple;
  temple.commemorations = commemorationsOf(
      readCommemorationsText("P-7 of the holy Palm-bearers\n12-13 of St. Herman\n"),
      "commemorations.txt");
  const DismissalPreview palms =
      previewDismissal({2026y / April / 5, Service::orthros, false}, temple, englishLongDate);
  EXPECT_EQ(palms.why.back(),
            "Gave way to Palm Sunday: local commemoration (commemorations.txt:1)");
  const DismissalPreview herman =
      previewDismissal({2025y / December / 13, Service::orthros, false}, temple, englishLongDate);
  EXPECT_EQ(herman.why.back(),
            "Saints of the day: saints of 13 December and local commemoration "
            "(commemorations.txt:2)");
}

}  // namespace
}  // namespace corvane

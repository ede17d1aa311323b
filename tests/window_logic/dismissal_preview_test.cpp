#include "window_logic/dismissal_preview.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/patron.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"
#include "window_logic/booklet_list.h"
#include "window_logic/main_window_logic.h"

namespace corvane {
namespace {

using namespace std::chrono;

const std::string kSundayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil the Great "
    "is appointed.";

// The date stage as the window drives it: the preview carries the warning
// for the notice above it, and loses it as the service or the date changes.
TEST(DismissalPreview, TheWarningFollowsTheServiceAndTheDate) {
  ServiceRequest request;
  MainWindowLogic logic{request, [](const std::string&, const std::string&) { return false; }};
  const TempleSettings temple;
  logic.select(ServiceOption::divineLiturgy);
  logic.select(ServiceOption::presanctified);
  logic.continueToDate(2026y / March / 1);
  DismissalPreview preview = previewDismissal(request, temple, englishLongDate);
  EXPECT_EQ(preview.warning, kSundayOfLent);
  EXPECT_EQ(preview.appointedEucharist,
            "Eucharist appointed on Sunday, March 1, 2026: the Divine Liturgy of St. Basil the "
            "Great (Sundays of Great Lent)");
  // Composed all the same, and nothing of the warning in what the outputs hold.
  EXPECT_TRUE(preview.plainText.starts_with(
      "Sunday, March 1, 2026\n-- Liturgy of the Presanctified Gifts --\n"));
  EXPECT_EQ(preview.plainText.find("is appointed"), std::string::npos);

  logic.changeDate(2026y / March / 2);
  EXPECT_EQ(previewDismissal(request, temple, englishLongDate).warning, std::nullopt);
  logic.changeDate(2026y / March / 1);
  EXPECT_TRUE(previewDismissal(request, temple, englishLongDate).warning);

  logic.selectDifferentService(2026y / March / 1);
  logic.select(ServiceOption::orthros);
  logic.continueToDate(2026y / March / 1);
  preview = previewDismissal(request, temple, englishLongDate);
  EXPECT_EQ(preview.warning, std::nullopt);
  EXPECT_EQ(preview.appointedEucharist,
            "Eucharist appointed on Sunday, March 1, 2026: the Divine Liturgy of St. Basil the "
            "Great (Sundays of Great Lent)");
}

// The booklet's list marks the entries whose day appoints another service,
// in the temple's calendar: civil 19 January 2026 is Theophany in an
// old-calendar temple, a Monday like any other in a new-calendar one.
TEST(DismissalPreview, TheBookletSaysWhichEntriesDrawAWarning) {
  testing::TemporaryFolder folder;
  BookletList list{folder.path() / "booklet.txt", [](const std::string&) {}};
  list.load();
  ASSERT_TRUE(list.add({2026y / March / 2, Service::presanctified, false}));
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
// belongs to the next one.
TEST(DismissalPreview, TheLiturgicalDayIsNamed) {
  TempleSettings oldCalendar;
  oldCalendar.calendar = TempleCalendar::oldCalendar;
  struct Row {
    ServiceRequest request;
    TempleSettings temple;
    const char* liturgicalDay;
    const char* churchDate;
  };
  const Row rows[] = {
      // The Presanctified Liturgy of a Sunday evening belongs to Monday.
      {{2027y / March / 21, Service::presanctified, false},
       oldCalendar,
       "Monday, March 22, 2027 (an evening service belongs to the next day)",
       "9 March 2027 (Julian calendar)"},
      {{2022y / October / 8, Service::greatVespers, false},
       {},
       "Sunday, October 9, 2022 (an evening service belongs to the next day)",
       "9 October 2022 (new calendar)"},
      {{2026y / December / 5, Service::basil, true},
       {},
       "Sunday, December 6, 2026 (an evening service belongs to the next day)",
       "6 December 2026 (new calendar)"},
      {{2026y / December / 6, Service::orthros, false},
       {},
       "Sunday, December 6, 2026",
       "6 December 2026 (new calendar)"},
      {{2026y / December / 6, Service::basil, false},
       {},
       "Sunday, December 6, 2026",
       "6 December 2026 (new calendar)"},
  };
  for (const Row& row : rows) {
    const DismissalPreview preview = previewDismissal(row.request, row.temple, englishLongDate);
    EXPECT_EQ(preview.liturgicalDay, row.liturgicalDay);
    EXPECT_EQ(preview.churchDate, row.churchDate);
  }
}

TEST(DismissalPreview, ARuleThatRepeatsItsLabelIsSaidOnce) {
  struct Row {
    const char* label;
    const char* rule;
    const char* line;
  };
  const Row rows[] = {
      {"Temple patron", "temple patron: St. Nicholas", "Temple patron: St. Nicholas"},
      {"Temple patron", "Temple patron: typed phrase", "Temple patron: typed phrase"},
      {"Feast", "Nativity of Our Lord", "Feast: Nativity of Our Lord"},
      {"Saints of the day", "saints of 9 October", "Saints of the day: saints of 9 October"},
      {"Temple patron", "temple patronage: x", "Temple patron: temple patronage: x"},
      {"Feast", "feast", "Feast: feast"},
  };
  for (const Row& row : rows) EXPECT_EQ(reasonLine(row.label, row.rule), row.line);

  TempleSettings nicholas;
  choosePatron(nicholas, Patron::nicholas);
  const DismissalPreview preview = previewDismissal(
      {2026y / October / 13, Service::dailyOrthros, false}, nicholas, englishLongDate);
  EXPECT_NE(
      std::find(preview.reasons.begin(), preview.reasons.end(), "Temple patron: St. Nicholas"),
      preview.reasons.end());
}

}  // namespace
}  // namespace corvane

#include "window_logic/dismissal_preview.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "output/english_date.h"
#include "settings/patron.h"

namespace corvane {
namespace {

using namespace std::chrono;

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

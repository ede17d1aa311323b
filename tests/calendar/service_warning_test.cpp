#include "calendar/service_warning.h"

#include <gtest/gtest.h>

#include "state/picked_date.h"

namespace corvane {
namespace {

using namespace std::chrono;
constexpr auto N = TempleCalendar::newCalendar;
constexpr auto J = TempleCalendar::oldCalendar;

// As a composition asks: with the Eucharist of the day served worked out first.
void warningOf(const ServiceRequest& request, TempleCalendar calendar,
               std::optional<ServiceWarning>& into) {
  serviceWarning(request, calendar, appointedEucharist(request.served, calendar), into);
}

// What was picked, what is appointed, and a sentence that names the day; an
// empty sentence: no warning. Every date of 2026 in both calendars, with each
// warning's sentence, is in the reference listings, and the sweep checks every
// date against rules reckoned apart; these are days outside them, the cases
// that first showed the want of a warning, and each way of naming the days.
// Weekdays and Julian dates from the almanac.
TEST(ServiceWarning, SaysWhatIsAppointedOnTheDay) {
  struct Row {
    Service service;
    bool evening;
    Date served;
    TempleCalendar calendar;
    std::optional<Service> appointed;
    std::string_view sentence;
  };
  const Row rows[] = {
      {Service::presanctified, false, 2026y / March / 1, N, Service::basil,
       "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the "
       "first three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil "
       "the Great is appointed."},
      {Service::basil, false, 2026y / January / 18, J, Service::chrysostom,
       "On Sunday, January 18, 2026, the Divine Liturgy of St. John Chrysostom is appointed, not "
       "the Divine Liturgy of St. Basil the Great."},
      {Service::chrysostom, false, 2028y / December / 22, N, std::nullopt,
       "On Friday, December 22, 2028, no Liturgy is appointed (Royal Hours on the Friday before "
       "the paramon)."},
      {Service::chrysostom, true, 2026y / April / 9, N, std::nullopt,
       "On Thursday, April 9, 2026, the Divine Liturgy of St. Basil the Great is appointed, and "
       "on Friday, April 10, 2026, no Liturgy (Great and Holy Friday): an Evening Divine Liturgy "
       "of St. John Chrysostom belongs to neither day."},
      // What is appointed for an Evening Liturgy is the next day's.
      {Service::chrysostom, true, 2026y / April / 8, N, Service::basil,
       "On Wednesday, April 8, 2026, the Liturgy of the Presanctified Gifts is appointed, and on "
       "Thursday, April 9, 2026, the Divine Liturgy of St. Basil the Great: an Evening Divine "
       "Liturgy of St. John Chrysostom belongs to neither day."},
      {Service::dailyVespers, false, 2026y / October / 17, N, Service::greatVespers,
       "Daily Vespers is not served on the eve of a Sunday; on Saturday, October 17, 2026, Great "
       "Vespers is appointed."},
      {Service::dailyOrthros, false, 2026y / April / 13, N, Service::orthros,
       "Daily Orthros is not served in Bright Week; on Monday, April 13, 2026, Orthros is "
       "appointed."},
      // A weekday of Lent without a Liturgy, whichever Liturgy is picked.
      {Service::presanctified, false, 2026y / February / 23, N, std::nullopt,
       "On Monday, February 23, 2026, no Liturgy is appointed (Mondays, Tuesdays and Thursdays "
       "of Great Lent)."},
      {Service::chrysostom, false, 2026y / February / 26, J, std::nullopt,
       "On Thursday, February 26, 2026, no Liturgy is appointed (Mondays, Tuesdays and Thursdays "
       "of Great Lent)."},
      // The Vesperal Liturgy of St. Basil picked with the evening choice.
      {Service::basil, true, 2027y / April / 29, N, Service::basil,
       "The Vesperal Liturgy of St. Basil the Great is the Liturgy of Thursday, April 29, 2027 "
       "itself: compose it without the evening choice, or the dismissal will be that of the next "
       "day."},
      {Service::basil, true, 2026y / April / 11, J, Service::basil,
       "The Vesperal Liturgy of St. Basil the Great is the Liturgy of Saturday, April 11, 2026 "
       "itself: compose it without the evening choice, or the dismissal will be that of the next "
       "day."},
      {Service::basil, true, 2026y / December / 24, N, Service::basil,
       "The Vesperal Liturgy of St. Basil the Great is the Liturgy of Thursday, December 24, 2026 "
       "itself: compose it without the evening choice, or the dismissal will be that of the next "
       "day."},
      // No warning: Great Wednesday (Julian), Great Saturday's morning, the
      // Annunciation's evening, Julian 25 March on Great Saturday; an evening
      // St. Basil on a Sunday of Lent, and on the eve of a feast that takes it.
      {Service::basil, true, 2026y / March / 1, N, {}, ""},
      {Service::basil, true, 2022y / December / 24, N, {}, ""},
      {Service::presanctified, false, 2025y / April / 16, J, {}, ""},
      {Service::basil, false, 2025y / April / 19, N, {}, ""},
      {Service::chrysostom, true, 2025y / March / 25, N, {}, ""},
      {Service::dailyOrthros, false, 1844y / April / 6, J, {}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(isoDate(row.served) + " " + std::string{serviceName(row.service)});
    std::optional<ServiceWarning> warning;
    warningOf({row.served, row.service, row.evening}, row.calendar, warning);
    if (row.sentence.empty()) {
      EXPECT_FALSE(warning) << warning->sentence;
      continue;
    }
    ASSERT_TRUE(warning);
    EXPECT_EQ(*warning, (ServiceWarning{row.appointed, std::string{row.sentence}}));
  }
}

// A long run reuses one warning: each composition says its own day only.
TEST(ServiceWarning, ReusedStorageHoldsTheLatestWarningOnly) {
  std::optional<ServiceWarning> warning;
  warningOf({2026y / March / 1, Service::presanctified, false}, N, warning);
  warningOf({2026y / March / 7, Service::presanctified, false}, N, warning);
  ASSERT_TRUE(warning);
  EXPECT_NE(warning->sentence.find("on Saturday, March 7, 2026,"), std::string::npos);
  warningOf({2026y / March / 4, Service::presanctified, false}, N, warning);
  EXPECT_FALSE(warning);
}

}  // namespace
}  // namespace corvane

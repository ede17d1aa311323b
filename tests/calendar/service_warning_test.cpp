#include "calendar/service_warning.h"

#include <gtest/gtest.h>

#include "state/picked_date.h"

namespace corvane {
namespace {

using namespace std::chrono;
constexpr auto N = TempleCalendar::newCalendar;
constexpr auto J = TempleCalendar::oldCalendar;

std::optional<ServiceWarning> warningFor(Service service, Date served, TempleCalendar calendar,
                                         bool evening = false) {
  TempleSettings temple;
  temple.calendar = calendar;
  return serviceWarning({served, service, evening}, temple);
}

struct Row {
  Service service;
  bool evening;
  Date served;
  TempleCalendar calendar;
  bool warns;
  const char* why;
};

// When each service draws a warning. Every date of 2026 in both calendars is
// in the reference listings, and the sweep checks every date against rules
// reckoned apart; these are the cases that first showed the want of a
// warning, and one of each kind. Weekdays and Julian dates from the almanac.
TEST(ServiceWarning, WhenEachServiceIsWarnedOf) {
  const Row rows[] = {
      {Service::presanctified, false, 2026y / March / 1, N, true, "a Sunday of Lent"},
      {Service::presanctified, false, 2025y / April / 16, J, false, "Great Wednesday"},
      {Service::basil, false, 2025y / April / 19, N, false, "Great Saturday's morning"},
      {Service::chrysostom, true, 2025y / March / 25, N, false, "the Annunciation's evening"},
      {Service::chrysostom, false, 2028y / December / 22, N, true, "the Royal Hours"},
      {Service::basil, false, 2026y / January / 18, J, true, "Julian 5 January, a Sunday"},
      {Service::dailyVespers, false, 2026y / October / 17, N, true, "a Saturday"},
      {Service::basil, true, 2026y / December / 22, N, true, "two days of St. John Chrysostom"},
      {Service::dailyVespers, false, 2026y / May / 20, N, true, "the eve of the Ascension"},
      {Service::dailyOrthros, false, 1844y / April / 6, J, false,
       "Julian 25 March, Great Saturday"},
      {Service::dailyOrthros, false, 2029y / March / 25, N, true, "the Annunciation on a Sunday"},
      {Service::dailyOrthros, false, 2026y / April / 18, N, true, "Bright Saturday"},
      {Service::greatVespers, false, 2026y / June / 16, N, false, "an ordinary Tuesday"},
      {Service::orthros, false, 2026y / June / 16, N, false, "an ordinary Tuesday"},
  };
  for (const Row& row : rows) {
    const std::optional<ServiceWarning> warning =
        warningFor(row.service, row.served, row.calendar, row.evening);
    EXPECT_EQ(warning.has_value(), row.warns)
        << row.why << ": " << serviceName(row.service) << (row.evening ? " evening " : " ")
        << isoDate(row.served) << " (" << calendarName(row.calendar) << ")"
        << (warning ? "\n" + warning->sentence : "");
  }
}

// What was picked, what is appointed, and a sentence that names the day.
TEST(ServiceWarning, SaysWhatIsAppointedOnTheDay) {
  struct Sentence {
    Service service;
    bool evening;
    Date served;
    TempleCalendar calendar;
    std::optional<Service> appointed;
    std::string_view sentence;
  };
  const Sentence rows[] = {
      {Service::presanctified, false, 2026y / March / 1, N, Service::basil,
       "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the "
       "first three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil "
       "the Great is appointed."},
      {Service::presanctified, false, 2026y / April / 10, N, std::nullopt,
       "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the "
       "first three days of Holy Week; on Friday, April 10, 2026, no Liturgy is appointed (Great "
       "and Holy Friday)."},
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
      {Service::dailyVespers, false, 2026y / October / 17, N, Service::greatVespers,
       "Daily Vespers is not served on the eve of a Sunday; on Saturday, October 17, 2026, Great "
       "Vespers is appointed."},
      {Service::dailyVespers, false, 2026y / September / 20, J, Service::greatVespers,
       "Daily Vespers is not served on the eve of the Nativity of the Theotokos; on Sunday, "
       "September 20, 2026, Great Vespers is appointed."},
      {Service::dailyVespers, false, 2026y / May / 20, N, Service::greatVespers,
       "Daily Vespers is not served on the eve of the Ascension; on Wednesday, May 20, 2026, "
       "Great Vespers is appointed."},
      {Service::dailyOrthros, false, 2026y / April / 13, N, Service::orthros,
       "Daily Orthros is not served in Bright Week; on Monday, April 13, 2026, Orthros is "
       "appointed."},
  };
  for (const Sentence& row : rows) {
    const std::optional<ServiceWarning> warning =
        warningFor(row.service, row.served, row.calendar, row.evening);
    ASSERT_TRUE(warning) << row.sentence;
    EXPECT_EQ(warning->picked, (ServiceVariant{row.service, row.evening}));
    EXPECT_EQ(warning->appointed, row.appointed) << row.sentence;
    EXPECT_EQ(warning->sentence, row.sentence);
  }
}

// A long run reuses one warning: each composition says its own day only.
TEST(ServiceWarning, ReusedStorageHoldsTheLatestWarningOnly) {
  TempleSettings temple;
  std::optional<ServiceWarning> warning;
  serviceWarning({2026y / March / 1, Service::presanctified, false}, temple, warning);
  ASSERT_TRUE(warning);
  serviceWarning({2026y / March / 2, Service::presanctified, false}, temple, warning);
  EXPECT_FALSE(warning);
  serviceWarning({2026y / March / 7, Service::presanctified, false}, temple, warning);
  ASSERT_TRUE(warning);
  EXPECT_NE(warning->sentence.find("on Saturday, March 7, 2026, the Divine Liturgy of St. John "
                                   "Chrysostom is appointed."),
            std::string::npos);
  serviceWarning({2026y / March / 7, Service::orthros, false}, temple, warning);
  EXPECT_FALSE(warning);
}

}  // namespace
}  // namespace corvane

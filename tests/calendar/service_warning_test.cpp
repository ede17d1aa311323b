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

// When each service draws a warning, at the edges of its rule. Pascha 2026
// is 12 April, 2025 is 20 April; weekdays and Julian dates from the almanac.
TEST(ServiceWarning, WhenEachServiceIsWarnedOf) {
  const Row rows[] = {
      // The cases that first showed the want of a warning.
      {Service::presanctified, false, 2026y / March / 1, N, true, "a Sunday of Lent"},
      {Service::presanctified, false, 2025y / April / 16, J, false, "Great Wednesday"},
      {Service::basil, false, 2025y / April / 19, N, false, "Great Saturday's morning"},
      {Service::chrysostom, true, 2025y / March / 25, N, false, "the Annunciation's evening"},
      {Service::chrysostom, false, 2028y / December / 22, N, true, "the Royal Hours"},
      {Service::basil, false, 2026y / January / 18, J, true, "Julian 5 January, a Sunday"},
      {Service::basil, false, 2026y / January / 19, J, false, "Julian 6 January, a Monday"},
      {Service::dailyVespers, false, 2026y / October / 17, N, true, "a Saturday"},
      {Service::chrysostom, false, 2026y / April / 10, N, true, "Great Friday"},
      {Service::basil, false, 2026y / June / 16, N, true, "an ordinary Tuesday"},
      // The Presanctified Liturgy, judged on the day served.
      {Service::presanctified, false, 2026y / February / 23, N, false, "Clean Monday"},
      {Service::presanctified, false, 2026y / February / 28, N, true, "a Saturday of Lent"},
      {Service::presanctified, false, 2026y / April / 3, N, false, "p = -9"},
      {Service::presanctified, false, 2026y / April / 4, N, true, "Lazarus Saturday"},
      {Service::presanctified, false, 2026y / April / 8, N, false, "Great Wednesday"},
      {Service::presanctified, false, 2026y / April / 9, N, true, "Great Thursday"},
      {Service::presanctified, false, 2026y / March / 25, N, true, "the Annunciation"},
      // The Liturgies in the morning.
      {Service::chrysostom, false, 2026y / March / 25, N, false, "the Annunciation in Lent"},
      {Service::chrysostom, false, 2026y / March / 3, N, true, "a Tuesday of Lent"},
      {Service::basil, false, 2026y / March / 1, N, false, "a Sunday of Lent"},
      {Service::chrysostom, false, 2026y / December / 25, N, false, "the Nativity on a Friday"},
      {Service::basil, false, 2026y / December / 25, N, true, "the Nativity on a Friday"},
      // The Evening Liturgies: the day served or the next.
      {Service::basil, true, 2026y / December / 23, N, false, "the eve of a weekday paramon"},
      {Service::basil, true, 2026y / December / 24, N, false, "a weekday paramon"},
      {Service::basil, true, 2026y / December / 22, N, true, "two days of St. John Chrysostom"},
      {Service::chrysostom, true, 2026y / March / 24, N, false, "the eve of the Annunciation"},
      {Service::chrysostom, true, 2026y / March / 3, N, true, "a Tuesday of Lent"},
      {Service::chrysostom, true, 2026y / April / 9, N, true, "Great Thursday into Great Friday"},
      {Service::basil, true, 2026y / April / 9, N, false, "Great Thursday"},
      {Service::basil, true, 2026y / April / 10, N, false, "Great Friday into Great Saturday"},
      // Daily Vespers: the next day is a Sunday, a great feast, the Ascension,
      // or the Vespers of the burial on Great Friday.
      {Service::dailyVespers, false, 2026y / October / 16, N, false, "a Friday"},
      {Service::dailyVespers, false, 2026y / October / 18, N, false, "a Sunday"},
      {Service::dailyVespers, false, 2026y / September / 7, N, true, "the eve of 8 September"},
      {Service::dailyVespers, false, 2026y / September / 8, N, false, "8 September"},
      {Service::dailyVespers, false, 2026y / September / 20, J, true,
       "the eve of Julian 8 September"},
      {Service::dailyVespers, false, 2026y / September / 20, N, false, "20 September, a Sunday"},
      {Service::dailyVespers, false, 2026y / March / 24, N, true, "the eve of the Annunciation"},
      {Service::dailyVespers, false, 2026y / January / 18, J, true, "the eve of Julian 6 January"},
      {Service::dailyVespers, false, 2026y / May / 20, N, true, "the eve of the Ascension"},
      {Service::dailyVespers, false, 2026y / May / 21, N, false, "the Ascension itself"},
      {Service::dailyVespers, false, 2026y / April / 10, N, true, "Great Friday"},
      {Service::dailyVespers, false, 2026y / April / 9, N, false, "Great Thursday"},
      // Daily Orthros: a Sunday, a great feast but the Annunciation in Lent and
      // Holy Week, the Ascension, Bright Week.
      {Service::dailyOrthros, false, 2026y / October / 18, N, true, "a Sunday"},
      {Service::dailyOrthros, false, 2026y / October / 19, N, false, "a Monday"},
      {Service::dailyOrthros, false, 2026y / August / 15, N, true, "the Dormition"},
      {Service::dailyOrthros, false, 2026y / August / 28, J, true, "Julian 15 August"},
      {Service::dailyOrthros, false, 2026y / March / 25, N, false, "the Annunciation in Lent"},
      {Service::dailyOrthros, false, 1844y / April / 6, J, false,
       "Julian 25 March, Great Saturday"},
      {Service::dailyOrthros, false, 2029y / March / 25, N, true, "the Annunciation on a Sunday"},
      {Service::dailyOrthros, false, 2026y / April / 13, N, true, "Bright Monday"},
      {Service::dailyOrthros, false, 2026y / April / 18, N, true, "Bright Saturday"},
      {Service::dailyOrthros, false, 2026y / April / 20, N, false, "the Monday after"},
      {Service::dailyOrthros, false, 2026y / May / 21, N, true, "the Ascension"},
      {Service::dailyOrthros, false, 2026y / May / 22, N, false, "the day after"},
      // Great Vespers and Orthros: never.
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

#include "calendar/appointed_eucharist.h"

#include <gtest/gtest.h>

#include "state/picked_date.h"
#include "support/independent_calendar.h"

namespace corvane {
namespace {

using namespace std::chrono;
using E = Eucharist;
constexpr auto N = TempleCalendar::newCalendar;
constexpr auto J = TempleCalendar::oldCalendar;

// The rule names, as a liturgist finds them.
constexpr std::string_view kGreatFriday = "Great and Holy Friday";
constexpr std::string_view kLentSundays = "Sundays of Great Lent";
constexpr std::string_view kGreatThursdaySaturday = "Great Thursday and Great Saturday";
constexpr std::string_view kJanuary1 = "Circumcision of Our Lord and St. Basil the Great";
constexpr std::string_view kParamon = "Paramon of the Nativity or of Theophany";
constexpr std::string_view kNativityTheophany = "Nativity of Our Lord or Theophany";
constexpr std::string_view kRoyalHours = "Royal Hours on the Friday before the paramon";
constexpr std::string_view kAnnunciation = "Annunciation of the Theotokos";
constexpr std::string_view kWednesdaysFridays = "Wednesdays and Fridays of Great Lent";
constexpr std::string_view kGreatCanon = "Thursday of the Great Canon";
constexpr std::string_view kHeadOrFortyMartyrs =
    "Finding of the Forerunner's Head or Forty Martyrs of Sebaste in Great Lent";
constexpr std::string_view kNoLenten = "Mondays, Tuesdays and Thursdays of Great Lent";
constexpr std::string_view kGreatMondayToWednesday = "Great Monday, Tuesday and Wednesday";
constexpr std::string_view kCheesefare = "Cheesefare Wednesday and Friday";
constexpr std::string_view kOtherDay = "Every other day";

struct Row {
  Date day;
  TempleCalendar calendar;
  Eucharist eucharist;
  std::string_view rule;
  const char* why;
  bool vesperal = false;  // St. Basil's Liturgy at Vespers of the day itself
};

// Each rule inside its edges (the days just outside are swept against rules
// reckoned apart, in the composer's tests). Pascha from the tables of the
// computus (2026: 12 April, so Clean Monday is 23 February); the weekdays
// and the Julian dates from the almanac; the old-calendar years where Julian
// 25 March or 2 February meets a movable day found with the independent
// reckoning in tests/support.
TEST(AppointedEucharist, EachRuleAtItsEdges) {
  const Row rows[] = {
      // Great Friday: no Liturgy, unless the Annunciation falls on it.
      {2026y / April / 10, N, E::none, kGreatFriday, "p = -2"},
      {1866y / April / 6, J, E::chrysostom, kGreatFriday, "Julian 25 March on Great Friday"},
      // The Sundays of Great Lent, the Annunciation on one of them included.
      {2026y / March / 1, N, E::basil, kLentSundays, "p = -42"},
      {2026y / March / 29, N, E::basil, kLentSundays, "p = -14"},
      {2029y / March / 25, N, E::basil, kLentSundays, "the Annunciation on p = -14"},
      {1778y / April / 5, J, E::basil, kLentSundays, "Julian 25 March on p = -14"},
      // Great Thursday and Great Saturday, the Annunciation included.
      {2026y / April / 9, N, E::basil, kGreatThursdaySaturday, "p = -3", true},
      {2026y / April / 11, N, E::basil, kGreatThursdaySaturday, "p = -1", true},
      {1798y / April / 5, J, E::basil, kGreatThursdaySaturday, "Julian 25 March on p = -3", true},
      {1844y / April / 6, J, E::basil, kGreatThursdaySaturday, "Julian 25 March on p = -1", true},
      // 1 January, whatever its weekday.
      {2023y / January / 1, N, E::basil, kJanuary1, "a Sunday"},
      {2026y / January / 14, J, E::basil, kJanuary1, "Julian 1 January"},
      {2025y / December / 31, N, E::chrysostom, kOtherDay, "the day before"},
      // The paramons: St. Basil on a weekday, St. John Chrysostom on a weekend.
      {2026y / December / 24, N, E::basil, kParamon, "a Thursday", true},
      {2022y / December / 24, N, E::chrysostom, kParamon, "a Saturday"},
      {2027y / January / 5, N, E::basil, kParamon, "a Tuesday", true},
      {2025y / January / 5, N, E::chrysostom, kParamon, "a Sunday"},
      {2026y / January / 6, J, E::basil, kParamon, "Julian 24 December, a Tuesday", true},
      {2026y / January / 18, J, E::chrysostom, kParamon, "Julian 5 January, a Sunday"},
      // The feasts: St. Basil when the paramon fell on a weekend.
      {2022y / December / 25, N, E::basil, kNativityTheophany, "a Sunday"},
      {2026y / December / 25, N, E::chrysostom, kNativityTheophany, "a Friday"},
      {2025y / January / 6, N, E::basil, kNativityTheophany, "a Monday"},
      {2024y / January / 6, N, E::chrysostom, kNativityTheophany, "a Saturday"},
      {2026y / January / 19, J, E::basil, kNativityTheophany, "Julian 6 January, a Monday"},
      // The Royal Hours on the Friday before a paramon that falls on a weekend.
      {2028y / December / 22, N, E::none, kRoyalHours, "22 December, a Friday"},
      {2030y / January / 4, N, E::none, kRoyalHours, "4 January, a Friday"},
      {2024y / January / 5, J, E::none, kRoyalHours, "Julian 23 December, a Friday"},
      {2029y / December / 21, N, E::chrysostom, kOtherDay, "21 December, a Friday"},
      // The Annunciation on any other day, a weekday of Lent or Holy Week included.
      {2026y / March / 25, N, E::chrysostom, kAnnunciation, "a Wednesday of Lent"},
      {2023y / March / 25, N, E::chrysostom, kAnnunciation, "a Saturday of Lent"},
      {1773y / April / 5, J, E::chrysostom, kAnnunciation, "Julian 25 March on Great Monday"},
      // The Presanctified on the Wednesdays and Fridays of Lent, on the
      // Thursday of the Great Canon, on the Finding of the Forerunner's Head
      // and the Forty Martyrs; no Liturgy on the other weekdays of Lent.
      {2026y / February / 25, N, E::presanctified, kWednesdaysFridays, "the first Wednesday"},
      {2026y / April / 3, N, E::presanctified, kWednesdaysFridays, "the Friday before, p = -9"},
      {2026y / March / 26, N, E::presanctified, kGreatCanon, "the fifth Thursday, p = -17"},
      {2026y / February / 24, N, E::presanctified, kHeadOrFortyMartyrs, "24 February, a Tuesday"},
      {2026y / March / 9, N, E::presanctified, kHeadOrFortyMartyrs, "9 March, a Monday"},
      {2026y / March / 9, J, E::presanctified, kHeadOrFortyMartyrs, "Julian 24 February, a Monday"},
      {2026y / February / 23, N, E::none, kNoLenten, "Clean Monday, p = -48"},
      {2026y / February / 26, N, E::none, kNoLenten, "the first Thursday"},
      {2026y / February / 24, J, E::none, kNoLenten, "Julian 11 February, a Tuesday"},
      {2026y / March / 19, N, E::none, kNoLenten, "the fourth Thursday, p = -24"},
      {2026y / March / 31, N, E::none, kNoLenten, "the sixth Tuesday, p = -12"},
      // Great Monday to Wednesday.
      {1773y / April / 5, N, E::presanctified, kGreatMondayToWednesday, "Great Monday"},
      {2026y / April / 8, N, E::presanctified, kGreatMondayToWednesday, "Great Wednesday, p = -4"},
      {2025y / April / 16, J, E::presanctified, kGreatMondayToWednesday, "Great Wednesday"},
      // Cheesefare Wednesday and Friday; the Meeting there in an old-calendar temple.
      {2026y / February / 18, N, E::none, kCheesefare, "p = -53"},
      {1844y / February / 14, J, E::chrysostom, kCheesefare, "Julian 2 February on p = -53"},
      {1980y / February / 15, J, E::chrysostom, kCheesefare, "Julian 2 February on p = -51"},
      {1980y / February / 15, N, E::none, kCheesefare, "p = -51"},
      // Every other day.
      {2026y / June / 16, N, E::chrysostom, kOtherDay, "an ordinary Tuesday"},
      {9999y / December / 31, J, E::chrysostom, kOtherDay, "the last day of the range"},
  };
  for (const Row& row : rows) {
    const AppointedEucharist appointed = appointedEucharist(row.day, row.calendar);
    EXPECT_EQ(appointed, (AppointedEucharist{row.eucharist, row.rule, row.vesperal}))
        << row.why << ": " << isoDate(row.day) << " (" << calendarName(row.calendar) << ")";
  }
}

// p is counted from the Pascha of the day's civil year in both calendars.
TEST(AppointedEucharist, TheDayAsTheRulesReadIt) {
  const TypikonDay oldGreatFriday = typikonDayOf(2026y / April / 10, J);
  EXPECT_EQ(oldGreatFriday.fromPascha, -2);
  EXPECT_EQ(oldGreatFriday.date, (ChurchDate{2026, 3, 28}));
  EXPECT_EQ(oldGreatFriday.weekday, Friday);
  // Civil 10 January 2026 is Julian 28 December 2025: still p of 2026.
  const TypikonDay january = typikonDayOf(2026y / January / 10, J);
  EXPECT_EQ(january.fromPascha,
            (Date{2026y / January / 10} - testing::julianEasterAsCivil(2026)).count());
  EXPECT_EQ(january.date, (ChurchDate{2025, 12, 28}));
}

TEST(AppointedEucharist, TheLineOfWhy) {
  EXPECT_EQ(appointedEucharistLine(2026y / March / 1, appointedEucharist(2026y / March / 1, N)),
            "Eucharist appointed on Sunday, March 1, 2026: the Divine Liturgy of St. Basil the "
            "Great (Sundays of Great Lent)");
  EXPECT_EQ(appointedEucharistLine(2026y / April / 10, appointedEucharist(2026y / April / 10, J)),
            "Eucharist appointed on Friday, April 10, 2026: no Liturgy (Great and Holy Friday)");
}

}  // namespace
}  // namespace corvane

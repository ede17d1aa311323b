#include "calendar/pascha.h"

#include <gtest/gtest.h>

#include "support/independent_calendar.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::julianEasterAsCivil;

// Pascha and the derived dates, from the worked tables of the computus.
TEST(Pascha, WorkedDerivedDates) {
  struct Row {
    int year;
    month_day pascha, cleanMonday, meetingLeavetaking, lazarusSaturday, ascension, pentecost;
  };
  const Row rows[] = {
      {2025, April / 20, March / 3, February / 9, April / 12, May / 29, June / 8},
      // The edges of the Leavetaking's table: Pascha on 1 April, 9 April.
      {1668, April / 1, February / 13, February / 7, March / 24, May / 10, May / 20},
      {2034, April / 9, February / 20, February / 9, April / 1, May / 18, May / 28},
      // A leap year: the Leavetaking is counted back from Clean Monday across 29 February.
      {2048, April / 5, February / 17, February / 6, March / 28, May / 14, May / 24},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    const auto on = [&row](month_day day) { return Date{year{row.year} / day}; };
    const MovableDates dates = movableDatesOf(row.year, TempleCalendar::newCalendar);
    EXPECT_EQ(dates.pascha, on(row.pascha));
    EXPECT_EQ(dates.cleanMonday, on(row.cleanMonday));
    EXPECT_EQ(dates.meetingLeavetaking, on(row.meetingLeavetaking));
    EXPECT_EQ(dates.lazarusSaturday, on(row.lazarusSaturday));
    EXPECT_EQ(dates.ascension, on(row.ascension));
    EXPECT_EQ(dates.pentecost, on(row.pentecost));
  }
}

// Every year, against Meeus's method (from 5243 on, splitting the day count
// into a month and day by hand would give 31 June). Pascha in June or July,
// from 5175 on, leaves the Leavetaking of the Meeting on 9 February.
TEST(Pascha, AgreesWithTheJulianComputusInEveryYear) {
  for (int year = 1583; year <= 9999; ++year) {
    const Date pascha = paschaOf(year);
    ASSERT_EQ(pascha, julianEasterAsCivil(year)) << year;
    ASSERT_EQ(weekday{pascha}, Sunday) << year;
    const MovableDates dates = movableDatesOf(year, TempleCalendar::newCalendar);
    if (year_month_day{dates.pascha}.month() >= June) {
      ASSERT_EQ(dates.meetingLeavetaking, makeDate(year, 2, 9)) << year;
    }
  }
}

// An old-calendar temple: the Meeting by the number of days from Julian
// 2 February (civil 15 February from 1900 to 2099) to a Julian Pascha from 22
// to 31 March, one year of each row of the table, both ends of each row.
TEST(Pascha, TheMeetingBeforeLentInAnOldCalendarTemple) {
  struct Row {
    int year;
    month_day pascha;
    unsigned meeting, leavetaking;  // days of February; 0: no Leavetaking
  };
  const Row rows[] = {
      // 2 February on Clean Monday: the feast on Cheesefare Sunday, no afterfeast.
      {2010, April / 4, 14, 0},
      // On Cheesefare Sunday: no afterfeast.
      {2037, April / 5, 15, 0},
      // On Cheesefare Thursday to Saturday: the Leavetaking on Cheesefare Sunday.
      {2048, April / 5, 15, 16},
      {1912, April / 7, 15, 18},
      // On Cheesefare Tuesday or Wednesday: on Cheesefare Saturday.
      {1939, April / 9, 15, 18},
      {1966, April / 10, 15, 19},
      // On Meatfare Sunday or Cheesefare Monday: on Cheesefare Thursday.
      {1988, April / 10, 15, 18},
      {2004, April / 11, 15, 19},
      // On the Friday or Saturday before Meatfare Sunday: on Cheesefare Tuesday.
      {1958, April / 13, 15, 18},
      {2064, April / 13, 15, 19},
      // A Julian Pascha on 1 April (civil 14 April 2069): 6 days before Clean Monday, as
      // for a Pascha of 1 to 4 April; on 5 April (1993), 11 days.
      {2069, April / 14, 15, 19},
      {1993, April / 18, 15, 18},
      // On 22 April (2024): Julian 9 February, civil 22 February.
      {2024, May / 5, 15, 22},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    const MovableDates dates = movableDatesOf(row.year, TempleCalendar::oldCalendar);
    EXPECT_EQ(dates.pascha, Date{year{row.year} / row.pascha});
    EXPECT_EQ(dates.meeting, makeDate(row.year, 2, row.meeting));
    EXPECT_EQ(dates.meetingLeavetaking, row.leavetaking
                                            ? std::optional{makeDate(row.year, 2, row.leavetaking)}
                                            : std::nullopt);
  }
}

}  // namespace
}  // namespace corvane

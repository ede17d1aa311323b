#include "calendar/pascha.h"

#include <gtest/gtest.h>

#include "support/independent_calendar.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::julianEasterAsCivil;

// Pascha and the derived dates, from the worked tables of the computus.
struct WorkedDerived {
  int year;
  Date pascha, cleanMonday, meetingLeavetaking, lazarusSaturday, ascension, pentecost;
};

TEST(Pascha, WorkedDerivedDates) {
  const WorkedDerived rows[] = {
      {2005, 2005y / May / 1, 2005y / March / 14, 2005y / February / 9, 2005y / April / 23,
       2005y / June / 9, 2005y / June / 19},
      {2010, 2010y / April / 4, 2010y / February / 15, 2010y / February / 9, 2010y / March / 27,
       2010y / May / 13, 2010y / May / 23},
      {2025, 2025y / April / 20, 2025y / March / 3, 2025y / February / 9, 2025y / April / 12,
       2025y / May / 29, 2025y / June / 8},
      {2029, 2029y / April / 8, 2029y / February / 19, 2029y / February / 8, 2029y / March / 31,
       2029y / May / 17, 2029y / May / 27},
      {2037, 2037y / April / 5, 2037y / February / 16, 2037y / February / 5, 2037y / March / 28,
       2037y / May / 14, 2037y / May / 24},
      // The edges of the Leavetaking's table: Pascha on 1 April, 9 April.
      {1668, 1668y / April / 1, 1668y / February / 13, 1668y / February / 7, 1668y / March / 24,
       1668y / May / 10, 1668y / May / 20},
      {2034, 2034y / April / 9, 2034y / February / 20, 2034y / February / 9, 2034y / April / 1,
       2034y / May / 18, 2034y / May / 28},
      // A leap year: the Leavetaking is counted back from Clean Monday across 29 February.
      {2048, 2048y / April / 5, 2048y / February / 17, 2048y / February / 6, 2048y / March / 28,
       2048y / May / 14, 2048y / May / 24},
  };
  for (const auto& row : rows) {
    const MovableDates dates = movableDatesOf(row.year, TempleCalendar::newCalendar);
    EXPECT_EQ(dates.pascha, row.pascha) << row.year;
    EXPECT_EQ(dates.cleanMonday, row.cleanMonday) << row.year;
    EXPECT_EQ(dates.meetingLeavetaking, row.meetingLeavetaking) << row.year;
    EXPECT_EQ(dates.meeting, makeDate(row.year, 2, 2)) << row.year;
    EXPECT_EQ(dates.lazarusSaturday, row.lazarusSaturday) << row.year;
    EXPECT_EQ(dates.palmSunday, row.pascha - days{7}) << row.year;
    EXPECT_EQ(dates.ascension, row.ascension) << row.year;
    EXPECT_EQ(dates.pentecost, row.pentecost) << row.year;
  }
}

// Every year, against Meeus's method (from 5243 on, splitting the day count
// into a month and day by hand would give 31 June).
TEST(Pascha, AgreesWithTheJulianComputusInEveryYear) {
  for (int year = 1583; year <= 9999; ++year) {
    const Date pascha = paschaOf(year);
    ASSERT_EQ(pascha, julianEasterAsCivil(year)) << year;
    ASSERT_EQ(weekday{pascha}, Sunday) << year;
  }
}

TEST(Pascha, LeavetakingOfTheMeetingForPaschaInSummer) {
  // Pascha in June or July happens from 5175 on; the Leavetaking stays on 9 February.
  for (int year = 5175; year <= 9999; ++year) {
    const MovableDates dates = movableDatesOf(year, TempleCalendar::newCalendar);
    if (year_month_day{dates.pascha}.month() >= June) {
      ASSERT_EQ(dates.meetingLeavetaking, makeDate(year, 2, 9)) << year;
    }
  }
}

// An old-calendar temple: the Meeting by the number k of days from Julian
// 2 February (civil 15 February from 1900 to 2099) to a Julian Pascha from 22
// to 31 March, one year of each row of the table, both ends of each row.
TEST(Pascha, TheMeetingBeforeLentInAnOldCalendarTemple) {
  struct Row {
    int year;
    int k;
    Date pascha, cleanMonday, meeting;
    std::optional<Date> leavetaking;
  };
  const Row rows[] = {
      // 2 February on Clean Monday: the feast on Cheesefare Sunday, no afterfeast.
      {2010, 48, 2010y / April / 4, 2010y / February / 15, 2010y / February / 14, std::nullopt},
      // On Cheesefare Sunday: no afterfeast.
      {2037, 49, 2037y / April / 5, 2037y / February / 16, 2037y / February / 15, std::nullopt},
      // On Cheesefare Thursday to Saturday: the Leavetaking on Cheesefare Sunday.
      {2048, 50, 2048y / April / 5, 2048y / February / 17, 2048y / February / 15,
       2048y / February / 16},
      {1912, 52, 1912y / April / 7, 1912y / February / 19, 1912y / February / 15,
       1912y / February / 18},
      // On Cheesefare Tuesday or Wednesday: on Cheesefare Saturday.
      {1939, 53, 1939y / April / 9, 1939y / February / 20, 1939y / February / 15,
       1939y / February / 18},
      {1966, 54, 1966y / April / 10, 1966y / February / 21, 1966y / February / 15,
       1966y / February / 19},
      // On Meatfare Sunday or Cheesefare Monday: on Cheesefare Thursday.
      {1988, 55, 1988y / April / 10, 1988y / February / 22, 1988y / February / 15,
       1988y / February / 18},
      {2004, 56, 2004y / April / 11, 2004y / February / 23, 2004y / February / 15,
       2004y / February / 19},
      // On the Friday or Saturday before Meatfare Sunday: on Cheesefare Tuesday.
      {1958, 57, 1958y / April / 13, 1958y / February / 24, 1958y / February / 15,
       1958y / February / 18},
      {2064, 58, 2064y / April / 13, 2064y / February / 25, 2064y / February / 15,
       2064y / February / 19},
      // A Julian Pascha on 1 April (civil 14 April 2069): 6 days before Clean Monday, as
      // for a Pascha of 1 to 4 April; on 5 April (1993), 11 days.
      {2069, 58, 2069y / April / 14, 2069y / February / 25, 2069y / February / 15,
       2069y / February / 19},
      {1993, 62, 1993y / April / 18, 1993y / March / 1, 1993y / February / 15,
       1993y / February / 18},
      // On 22 April (2024): Julian 9 February, civil 22 February.
      {2024, 80, 2024y / May / 5, 2024y / March / 18, 2024y / February / 15, 2024y / February / 22},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    const MovableDates dates = movableDatesOf(row.year, TempleCalendar::oldCalendar);
    EXPECT_EQ(dates.pascha, row.pascha);
    EXPECT_EQ((dates.pascha - makeDate(row.year, 2, 15)).count(), row.k);
    EXPECT_EQ(dates.cleanMonday, row.cleanMonday);
    EXPECT_EQ(dates.meeting, row.meeting);
    EXPECT_EQ(dates.meetingLeavetaking, row.leavetaking);
  }
}

}  // namespace
}  // namespace corvane

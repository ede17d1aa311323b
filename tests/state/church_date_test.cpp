#include "state/church_date.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace std::chrono;

// An independent formula: the Julian Day Number of a Julian calendar date
// (JDN 2440588 is 1 January 1970, the first day of sys_days).
long julianDayNumber(int year, int month, int day) {
  return 367L * year - (7L * (year + 5001 + (month - 9) / 7)) / 4 + (275L * month) / 9 + day +
         1729777L;
}

// Every day of the supported range, both ways, against the formula.
TEST(ChurchDate, JulianDatesOfEveryDayAgreeWithTheJulianDayNumber) {
  for (Date day = 1583y / January / 1; day <= 9999y / December / 31; day += days{1}) {
    const ChurchDate julian = julianDateOf(day);
    ASSERT_EQ(julianDayNumber(julian.year, julian.month, julian.day) - 2440588L,
              day.time_since_epoch().count())
        << julian.year << "-" << julian.month << "-" << julian.day;
    ASSERT_EQ(fromJulian(julian), day);
  }
}

// Known days at the range's edges and in it; in a new-calendar temple the
// church date is the civil one.
TEST(ChurchDate, DatesOfBothCalendars) {
  struct Row {
    Date civil;
    ChurchDate julian, newCalendar;
  };
  const Row rows[] = {
      {1583y / January / 1, {1582, 12, 22}, {1583, 1, 1}},
      {2027y / January / 7,
       {2026, 12, 25},
       {2027, 1, 7}},  // the Nativity, in the Julian year before
      {1900y / March / 13,
       {1900, 2, 29},
       {1900, 3, 13}},  // a leap day only the Julian calendar has
      {9999y / December / 31, {9999, 10, 19}, {9999, 12, 31}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(churchDateOf(row.civil, TempleCalendar::oldCalendar), row.julian);
    EXPECT_EQ(dayOf(row.julian, TempleCalendar::oldCalendar), row.civil);
    EXPECT_EQ(churchDateOf(row.civil, TempleCalendar::newCalendar), row.newCalendar);
    EXPECT_EQ(dayOf(row.newCalendar, TempleCalendar::newCalendar), row.civil);
  }
}

}  // namespace
}  // namespace corvane

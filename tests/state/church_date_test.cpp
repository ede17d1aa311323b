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
  const Date first = 1583y / January / 1, last = 9999y / December / 31;
  long count = 0;
  for (Date day = first; day <= last; day += days{1}, ++count) {
    const ChurchDate julian = julianDateOf(day);
    ASSERT_EQ(julianDayNumber(julian.year, julian.month, julian.day) - 2440588L,
              day.time_since_epoch().count())
        << julian.year << "-" << julian.month << "-" << julian.day;
    ASSERT_EQ(fromJulian(julian), day);
    ASSERT_TRUE(julian.day >= 1 && julian.day <= 31 && julian.month >= 1 && julian.month <= 12);
  }
  EXPECT_EQ(count, (last - first).count() + 1);
}

TEST(ChurchDate, DatesOfBothCalendars) {
  struct Row {
    Date civil;
    ChurchDate julian;
  };
  const Row rows[] = {
      {2027y / January / 7, {2026, 12, 25}},  // the Nativity, in the Julian year before
      {2027y / January / 14, {2027, 1, 1}},  {1583y / January / 1, {1582, 12, 22}},
      {1900y / March / 13, {1900, 2, 29}},  // a leap day only the Julian calendar has
      {1900y / March / 14, {1900, 3, 1}},    {9999y / December / 31, {9999, 10, 19}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(churchDateOf(row.civil, TempleCalendar::oldCalendar), row.julian);
    EXPECT_EQ(dayOf(row.julian, TempleCalendar::oldCalendar), row.civil);
    // In a new-calendar temple the church date is the civil one.
    const year_month_day civil{row.civil};
    const ChurchDate same{static_cast<int>(civil.year()),
                          static_cast<int>(static_cast<unsigned>(civil.month())),
                          static_cast<int>(static_cast<unsigned>(civil.day()))};
    EXPECT_EQ(churchDateOf(row.civil, TempleCalendar::newCalendar), same);
    EXPECT_EQ(dayOf(same, TempleCalendar::newCalendar), row.civil);
  }
}

}  // namespace
}  // namespace corvane

#pragma once

// Dates worked out apart from the program, for choosing test dates and for
// expected values: Pascha by another method than the program's.

#include <chrono>

namespace corvane::testing {

using Day = std::chrono::sys_days;

// The Julian Easter of Meeus, as a Julian calendar date, turned into a day
// count through the Julian Day Number (JDN 2440588 is 1 January 1970).
inline Day julianEasterAsCivil(int year) {
  const int a = year % 4, b = year % 7, c = year % 19;
  const int d = (19 * c + 15) % 30;
  const int e = (2 * a + 4 * b - d + 34) % 7;
  const int month = (d + e + 114) / 31;
  const int day = (d + e + 114) % 31 + 1;
  const long jdn = 367L * year - (7L * (year + 5001 + (month - 9) / 7)) / 4 + (275L * month) / 9 +
                   day + 1729777L;
  return Day{std::chrono::days{jdn - 2440588L}};
}

// The Julian calendar's month and day of a day, from its Julian Day Number
// (the algorithm of Richards, as the almanacs give it).
struct JulianMonthDay {
  int month, day;
};
inline JulianMonthDay julianMonthDayOf(Day day) {
  const long c = day.time_since_epoch().count() + 2440588L + 32082L;
  const long d = (4 * c + 3) / 1461;
  const long e = c - (1461 * d) / 4;
  const long m = (5 * e + 2) / 153;
  return {static_cast<int>(m + 3 - 12 * (m / 10)), static_cast<int>(e - (153 * m + 2) / 5 + 1)};
}

inline Day civilDay(int year, int month, int day) {
  return std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
         std::chrono::day{static_cast<unsigned>(day)};
}

inline bool isSunday(Day day) {
  return std::chrono::weekday{day} == std::chrono::Sunday;
}

// A day whose saints of the day and clause of the Forerunner no movable day
// touches: not a Sunday, not the Saturday of St. Theodore, not from Lazarus
// Saturday to Bright Wednesday, not the Ascension nor Pentecost.
inline bool isQuietDay(Day day, int year) {
  const auto fromPascha = (day - julianEasterAsCivil(year)).count();
  return !isSunday(day) && fromPascha != -43 && (fromPascha < -8 || fromPascha > 3) &&
         fromPascha != 39 && fromPascha != 49;
}

}  // namespace corvane::testing

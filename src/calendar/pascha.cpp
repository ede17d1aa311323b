#include "calendar/pascha.h"

namespace corvane {

using namespace std::chrono;

Date paschaOf(int year) {
  // The Julian computus: d places the paschal full moon, e finds the Sunday
  // after it, and the offset carries the Julian date into the civil calendar,
  // so that Pascha falls f days after 28 March. Counting days from 28 March,
  // rather than splitting f into a month and a day by hand, stays right in
  // every year: from 5243 on the split would give "31 June".
  const int a = year % 19;
  const int d = (19 * a + 15) % 30;
  const int e = (d + year + year / 4) % 7;
  int offset = 10;  // the Julian calendar's lag behind the civil one, up to 1700
  if (year > 1600) {
    const int century = year / 100;
    offset = 10 + (century - 16) - (century - 16) / 4;
  }
  const int f = d - e + offset;
  return Date{std::chrono::year{year} / March / 28} + days{f};
}

namespace {

// The Leavetaking of the Meeting comes before Clean Monday less a margin when
// Pascha is early; otherwise it is 9 February (also for Pascha in June or
// July, which happens from 5175 on).
Date meetingLeavetakingOf(int year, Date pascha, Date cleanMonday) {
  const year_month_day easter{pascha};
  if (easter.month() == April && easter.day() <= 4d) return cleanMonday - days{6};
  if (easter.month() == April && easter.day() <= 8d) return cleanMonday - days{11};
  return makeDate(year, 2, 9);
}

}  // namespace

MovableDates movableDatesOf(int year) {
  const Date pascha = paschaOf(year);
  const Date cleanMonday = pascha - days{48};
  return MovableDates{
      .pascha = pascha,
      .cleanMonday = cleanMonday,
      .meetingLeavetaking = meetingLeavetakingOf(year, pascha, cleanMonday),
      .lazarusSaturday = pascha - days{8},
      .palmSunday = pascha - days{7},
      .ascension = pascha + days{39},
      .pentecost = pascha + days{49},
  };
}

}  // namespace corvane

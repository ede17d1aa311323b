#include "calendar/pascha.h"

#include "calendar/meeting_of_our_lord.h"

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

MovableDates movableDatesOf(int year, TempleCalendar calendar) {
  const Date pascha = paschaOf(year);
  const Date cleanMonday = pascha - days{48};
  const Meeting meeting = meetingOf(year, pascha, cleanMonday, calendar);
  return MovableDates{
      .pascha = pascha,
      .cleanMonday = cleanMonday,
      .meeting = meeting.feast,
      .meetingLeavetaking = meeting.leavetaking,
      .lazarusSaturday = pascha - days{8},
      .palmSunday = pascha - days{7},
      .ascension = pascha + days{39},
      .pentecost = pascha + days{49},
  };
}

}  // namespace corvane

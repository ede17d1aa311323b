#pragma once

#include "settings/temple_calendar.h"
#include "state/date.h"

namespace corvane {

// A date of the temple's calendar: its Julian date in an old-calendar temple,
// its civil date in a new-calendar one. Julian dates need a type of their
// own: Julian 29 February 1900 (civil 13 March 1900) is a day that no
// Gregorian date can name. The calendars meet at day counts, never field by
// field.
struct ChurchDate {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  friend bool operator==(const ChurchDate&, const ChurchDate&) = default;
};

// The Julian calendar's date of a day, and the day of a Julian date.
ChurchDate julianDateOf(Date day);
Date fromJulian(const ChurchDate& date);

// The date of a day in the temple's calendar, and back.
ChurchDate churchDateOf(Date day, TempleCalendar calendar);
Date dayOf(const ChurchDate& date, TempleCalendar calendar);

}  // namespace corvane

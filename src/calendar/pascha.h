#pragma once

#include <optional>

#include "settings/temple_calendar.h"
#include "state/date.h"

namespace corvane {

// Pascha of the Julian computus for `year`, as a day: the same day in both
// calendars. `year` is the year of the temple's calendar.
Date paschaOf(int year);

// The dates of the movable cycle that the feast rules compare against.
struct MovableDates {
  Date pascha;
  Date cleanMonday;  // Pascha - 48: the Monday that opens Great Lent
  // The Meeting of Our Lord: 2 February, or Cheesefare Sunday when 2 February
  // is Clean Monday; its Leavetaking, none when the feast has no afterfeast.
  Date meeting;
  std::optional<Date> meetingLeavetaking;
  Date lazarusSaturday;  // Pascha - 8
  Date palmSunday;       // Pascha - 7
  Date ascension;        // Pascha + 39
  Date pentecost;        // Pascha + 49
};

MovableDates movableDatesOf(int year, TempleCalendar calendar);

}  // namespace corvane

#pragma once

#include <optional>

#include "state/date.h"

namespace corvane {

// The dates of the movable cycle of one year, counted from Pascha, that the
// feast rules compare against. Worked out by the calendar, held whole by the
// state of a composition and by its result.
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

}  // namespace corvane

#pragma once

#include "state/date.h"

namespace corvane {

// Pascha of the Julian computus, as a date of the civil calendar.
Date paschaOf(int year);

// The dates of the movable cycle that the feast rules compare against.
struct MovableDates {
  Date pascha;
  Date cleanMonday;         // Pascha - 48: the Monday that opens Great Lent
  Date meetingLeavetaking;  // the Leavetaking of the Meeting of Our Lord
  Date lazarusSaturday;     // Pascha - 8
  Date palmSunday;          // Pascha - 7
  Date ascension;           // Pascha + 39
  Date pentecost;           // Pascha + 49
};

MovableDates movableDatesOf(int year);

}  // namespace corvane

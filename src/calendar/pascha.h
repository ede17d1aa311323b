#pragma once

#include "settings/temple_calendar.h"
#include "state/date.h"
#include "state/movable_dates.h"

namespace corvane {

// Pascha of the Julian computus for `year`, as a day: the same day in both
// calendars. `year` is the year of the temple's calendar.
Date paschaOf(int year);

MovableDates movableDatesOf(int year, TempleCalendar calendar);

}  // namespace corvane

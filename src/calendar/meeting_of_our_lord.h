#pragma once

#include <optional>

#include "settings/temple_calendar.h"
#include "state/date.h"

namespace corvane {

// The Meeting of Our Lord of one year, and its Leavetaking (none when the
// feast has no afterfeast).
struct Meeting {
  Date feast;
  std::optional<Date> leavetaking;
};

// The Meeting by the date of Pascha in the temple's calendar: with Pascha
// early in April its Leavetaking is counted back from Clean Monday; when a
// Julian Pascha falls in late March the feast meets Cheesefare week and the
// table kMeetingBeforeLent shortens its afterfeast (kept on Cheesefare Sunday
// when 2 February is Clean Monday); otherwise it is 9 February (also for
// Pascha in June or July, from 5175 on).
Meeting meetingOf(int year, Date pascha, Date cleanMonday, TempleCalendar calendar);

}  // namespace corvane

#include <chrono>
#include <optional>

#include "calendar/calendar_phases.h"
#include "calendar/clause_texts.h"
#include "calendar/pascha.h"

namespace corvane {

using namespace std::chrono;

bool isEveningService(const DismissalState& state) {
  return state.eveningLiturgy || state.greatVespers() || state.dailyVespers() ||
         state.presanctified();
}

void openLiturgicalDay(DismissalState& state) {
  // isSunday keeps the weekday of the date as picked; everything else works
  // on the liturgical day.
  state.isSunday = weekdayOf(state.liturgicalDay) == Sunday;
  if (state.isSunday) {
    state.write(Slot::risenClause, clauses::kRisen, "Sunday: the resurrection");
  } else {
    state.clear(Slot::risenClause);
  }

  // The evening shift: an evening service belongs to the next liturgical day.
  if (isEveningService(state)) state.liturgicalDay += days{1};

  // The rules read the liturgical day as a date of the temple's calendar.
  state.churchDate = churchDateOf(state.liturgicalDay, state.calendar);
}

void reckonMovableDates(DismissalState& state) {
  // A run of dates stays in one year for hundreds of compositions.
  struct Reckoned {
    int year;
    TempleCalendar calendar;
    MovableDates dates;
  };
  thread_local std::optional<Reckoned> last;
  if (!last || last->year != state.churchDate.year || last->calendar != state.calendar) {
    last = Reckoned{state.churchDate.year, state.calendar,
                    movableDatesOf(state.churchDate.year, state.calendar)};
  }
  state.movable = last->dates;
}

}  // namespace corvane

#include <chrono>

#include "calendar/calendar_phases.h"
#include "calendar/saints_calendar.h"

namespace corvane {

using namespace std::chrono;

namespace {

bool holds(SaintsCondition condition, const DismissalState& state) {
  switch (condition) {
    case SaintsCondition::always:
      return true;
    // The first Saturday of November is filed only under 1 to 7 November.
    case SaintsCondition::saturday:
    case SaintsCondition::firstSaturdayOfNovember:
      return weekdayOf(state.liturgicalDay) == Saturday;
    case SaintsCondition::afterPascha:
      return state.liturgicalDay > state.movable.pascha;
  }
  return false;
}

void applyRow(const SaintsRow& row, DismissalState& state) {
  if (!row.text.empty()) state.write(Slot::saintsClause, row.text, row.name);
  if (!row.also.ancestorsClause.empty()) {
    state.write(Slot::ancestorsClause, row.also.ancestorsClause, row.name);
  }
  if (!row.also.dayTitle.empty()) state.write(Slot::dayTitle, row.also.dayTitle, row.name);

  // The hierarch of the day is named once, by saintsClause; the composer
  // leaves him out of the temple's patron clause.
  const unsigned named = row.also.namedHierarchs;
  state.hierarchsOfTheDay |= named;
  if (((named & hierarch::kBasil) != 0 && state.liturgyBasil()) ||
      ((named & hierarch::kChrysostom) != 0 && state.liturgyChrysostom())) {
    state.clear(Slot::liturgyAuthorClause);
  }
}

// A commemoration of late April or early May that fell before Pascha is kept
// in Bright Week: joined after the day's saints, or replacing them.
struct BrightWeekMove {
  int daysAfterPascha;
  int month;  // the commemoration's own date
  int day;
  bool replaces;
  RuleName name;
};

// The first move that applies on a day is the only one: Mark moves to Bright
// Tuesday only when Athanasios does not.
// clang-format off
constexpr BrightWeekMove kBrightWeek[] = {
    {1, 4, 23, false, "Bright Monday: St. George moved"},
    {2, 5,  2, false, "Bright Tuesday: St. Athanasios moved"},
    {2, 4, 25, false, "Bright Tuesday: St. Mark moved"},
    {3, 4, 30, true,  "Bright Wednesday: St. James moved"},
};
// clang-format on

void moveIntoBrightWeek(DismissalState& state) {
  const auto daysAfterPascha = (state.liturgicalDay - state.movable.pascha).count();
  if (daysAfterPascha < 1 || daysAfterPascha > 3) return;
  for (const BrightWeekMove& move : kBrightWeek) {
    if (move.daysAfterPascha != daysAfterPascha) continue;
    const Date ownDate = state.dayOf(move.month, move.day);  // in the temple's calendar
    if (state.movable.pascha <= ownDate) continue;
    // The text is the one the commemoration has on its own date.
    const std::string_view moved = saintsRowsOf(move.month, move.day).back()->text;
    if (move.replaces || state.text(Slot::saintsClause).empty()) {
      state.write(Slot::saintsClause, moved, move.name);
    } else {
      state.write(Slot::saintsClause, {state.text(Slot::saintsClause), "and ", moved}, move.name);
    }
    return;
  }
}

}  // namespace

void applySaintsOfTheDay(DismissalState& state) {
  state.hierarchsOfTheDay = 0;
  for (const SaintsRow* row : saintsRowsOf(state.churchDate.month, state.churchDate.day)) {
    if (holds(row->condition, state)) applyRow(*row, state);
  }
  moveIntoBrightWeek(state);
}

}  // namespace corvane

#include <chrono>

#include "calendar/calendar_phases.h"
#include "calendar/clause_texts.h"
#include "calendar/saints_calendar.h"

namespace corvane {

using namespace std::chrono;

namespace {

void storeTitlePhrases(DismissalState& state) {
  state.titleProphet = titles::kProphet;
  state.titleRighteous = titles::kRighteous;
  state.titleApostle = titles::kApostle;
  state.titleEvangelist = titles::kEvangelist;
  state.titleMartyr = titles::kMartyr;
  state.titleGlorious = titles::kGlorious;
  state.titleHierarch = titles::kHierarch;
  state.titleVenerableFather = titles::kVenerableFather;
  state.titleVenerableMother = titles::kVenerableMother;
  state.memorySingular = titles::kMemorySingular;
  state.memoryPlural = titles::kMemoryPlural;
}

bool holds(SaintsCondition condition, const DismissalState& state) {
  switch (condition) {
    case SaintsCondition::always:
      return true;
    // The first Saturday of November is filed only under 1 to 7 November.
    case SaintsCondition::saturday:
    case SaintsCondition::firstSaturdayOfNovember:
      return weekdayOf(state.serviceDate) == Saturday;
    case SaintsCondition::afterPascha:
      return state.serviceDate > state.pascha;
  }
  return false;
}

void applyRow(const SaintsRow& row, DismissalState& state, const TempleSettings& settings) {
  if (!row.text.empty()) state.write(Slot::saintsClause, row.text, row.name);
  if (!row.also.ancestorsClause.empty()) {
    state.write(Slot::ancestorsClause, row.also.ancestorsClause, row.name);
  }
  if (!row.also.dayTitle.empty()) state.write(Slot::dayTitle, row.also.dayTitle, row.name);

  // The hierarch of the day is named once, by saintsClause.
  const unsigned named = row.also.namedHierarchs;
  if (((named & hierarch::kBasil) != 0 && settings.patronBasil) ||
      ((named & hierarch::kChrysostom) != 0 && settings.patronChrysostom) ||
      ((named & hierarch::kNicholas) != 0 && settings.patronNicholas)) {
    state.clear(Slot::patronClause);
  }
  if (((named & hierarch::kBasil) != 0 && state.liturgyBasil) ||
      ((named & hierarch::kChrysostom) != 0 && state.liturgyChrysostom)) {
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
  const auto daysAfterPascha = (state.serviceDate - state.pascha).count();
  if (daysAfterPascha < 1 || daysAfterPascha > 3) return;
  for (const BrightWeekMove& move : kBrightWeek) {
    if (move.daysAfterPascha != daysAfterPascha) continue;
    const Date ownDate =
        makeDate(state.year, static_cast<unsigned>(move.month), static_cast<unsigned>(move.day));
    if (state.pascha <= ownDate) continue;
    // The text is the one the commemoration has on its own date.
    const std::string_view moved = saintsRowsOf(move.month, move.day).back()->text;
    if (move.replaces || state.saintsClause.empty()) {
      state.write(Slot::saintsClause, moved, move.name);
    } else {
      state.write(Slot::saintsClause, {state.saintsClause, "and ", moved}, move.name);
    }
    return;
  }
}

}  // namespace

void applySaintsOfTheDay(DismissalState& state, const TempleSettings& settings) {
  storeTitlePhrases(state);
  for (const SaintsRow* row : saintsRowsOf(state.month, state.day)) {
    if (holds(row->condition, state)) applyRow(*row, state, settings);
  }
  moveIntoBrightWeek(state);
}

}  // namespace corvane

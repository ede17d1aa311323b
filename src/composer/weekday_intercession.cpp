#include <chrono>

#include "calendar/clause_texts.h"
#include "calendar/feast_rule.h"
#include "composer/composer_phases.h"
#include "composer/invocation.h"
#include "composer/sentence_texts.h"

namespace corvane {

using namespace std::chrono;
using namespace sentence;

namespace {

// The intercession that the daily services name in place of the fixed
// sentence's invocations, one a weekday of the liturgical day.
struct WeekdayIntercession {
  weekday day;
  RuleName name;
  Invocation intercession;
};

// clang-format off
constexpr WeekdayIntercession kWeekdayIntercessions[] = {
  {Sunday,    "Sunday: no weekday intercession",         {}},
  {Monday,    "Monday: the bodiless powers",             {{kBodilessPowers}}},
  {Tuesday,   "Tuesday: the Forerunner",                 {{kForerunner}, Slot::forerunnerClause, kSemicolon}},
  {Wednesday, "Wednesday: the Cross",                    {{kCross}, Slot::crossClause, kSemicolon}},
  {Thursday,  "Thursday: the apostles and St. Nicholas", {{kApostles, titles::kHierarch, kNicholas}}},
  {Friday,    "Friday: the Cross",                       {{kCross}, Slot::crossClause, kSemicolon}},
  {Saturday,  "Saturday: the martyrs and the fathers",   {{kMartyrsAndAsceticFathers}}},
};
// clang-format on
static_assert(
    [] {
      for (unsigned i = 0; i < 7; ++i) {
        if (kWeekdayIntercessions[i].day.c_encoding() != i) return false;
      }
      return true;
    }(),
    "one row a weekday, from Sunday, so that a weekday finds its row by its number");

}  // namespace

void applyWeekdayIntercession(DismissalState& state) {
  const weekday weekday = weekdayOf(state.liturgicalDay);
  const WeekdayIntercession& today = kWeekdayIntercessions[weekday.c_encoding()];
  writeInvocation(state, Slot::weekdayClause, today.intercession, today.name);

  if (!state.isDailyService()) return;

  // St. Nicholas on a Thursday: named once, in Thursday's own intercession.
  if (weekday == Thursday && isDate(state, 12, 6)) {
    state.clear(Slot::saintsClause);
    state.write(Slot::weekdayClause,
                {kApostles, titles::kHierarch, kNicholasRemembered, titles::kMemorySingular, " "},
                "St. Nicholas on a Thursday");
  }
  // The Elevation on a day of the Cross: its own intercession already says it.
  if (isDate(state, 9, 14) && (weekday == Wednesday || weekday == Friday)) {
    state.clear(Slot::saintsClause);
  }
  // The afterfeast of the Elevation: the Cross first, then the weekday's own.
  if (isBetween(state, 9, 15, 21)) {
    state.write(
        Slot::weekdayClause,
        {kCross, state.text(Slot::crossClause), kSemicolon, state.text(Slot::weekdayClause)},
        "Afterfeast of the Elevation: the Cross");
  }
}

}  // namespace corvane

#include <chrono>

#include "calendar/clause_texts.h"
#include "composer/composer_phases.h"

namespace corvane {

using namespace std::chrono;

namespace {

constexpr std::string_view kBodilessPowers =
    "by the protection of the honorable bodiless powers of heaven; ";
constexpr std::string_view kForerunner =
    "at the supplication of the honorable, glorious Prophet, Forerunner and Baptist John";
constexpr std::string_view kCross = "by the might of the precious and life-giving cross";
constexpr std::string_view kApostles = "of the holy, glorious and all-laudable apostles; ";
constexpr std::string_view kNicholas = " Nicholas the Wonderworker, bishop of Myra in Lycia; ";
constexpr std::string_view kMartyrsAndFathers =
    "of the holy, glorious and right-victorious martyrs; of our venerable and God-bearing fathers who shone in the ascetic life; ";
// On 6 December St. Nicholas ends with a comma and his memory phrase.
constexpr std::string_view kNicholasRemembered =
    " Nicholas the Wonderworker, bishop of Myra in Lycia, ";
constexpr std::string_view kSemicolon = "; ";

void writeWeekdayIntercession(DismissalState& state, weekday weekday) {
  constexpr Slot slot = Slot::weekdayClause;
  if (weekday == Sunday) {
    state.write(slot, "", "Sunday: no weekday intercession");
  } else if (weekday == Monday) {
    state.write(slot, kBodilessPowers, "Monday: the bodiless powers");
  } else if (weekday == Tuesday) {
    state.write(slot, {kForerunner, state.forerunnerClause, kSemicolon}, "Tuesday: the Forerunner");
  } else if (weekday == Wednesday) {
    state.write(slot, {kCross, state.crossClause, kSemicolon}, "Wednesday: the Cross");
  } else if (weekday == Thursday) {
    state.write(slot, {kApostles, titles::kHierarch, kNicholas},
                "Thursday: the apostles and St. Nicholas");
  } else if (weekday == Friday) {
    state.write(slot, {kCross, state.crossClause, kSemicolon}, "Friday: the Cross");
  } else {
    state.write(slot, kMartyrsAndFathers, "Saturday: the martyrs and the fathers");
  }
}

}  // namespace

void applyWeekdayIntercession(DismissalState& state) {
  const weekday weekday = weekdayOf(state.liturgicalDay);
  writeWeekdayIntercession(state, weekday);

  if (!state.isDailyService()) return;

  // St. Nicholas on a Thursday: named once, in Thursday's own intercession.
  if (weekday == Thursday && state.month == 12 && state.day == 6) {
    state.clear(Slot::saintsClause);
    state.write(Slot::weekdayClause,
                {kApostles, titles::kHierarch, kNicholasRemembered, titles::kMemorySingular, " "},
                "St. Nicholas on a Thursday");
  }
  // The Elevation on a day of the Cross: its own intercession already says it.
  if (state.month == 9 && state.day == 14 && (weekday == Wednesday || weekday == Friday)) {
    state.clear(Slot::saintsClause);
  }
  // The afterfeast of the Elevation: the Cross first, then the weekday's own.
  if (state.month == 9 && state.day >= 15 && state.day <= 21) {
    state.write(Slot::weekdayClause, {kCross, state.crossClause, kSemicolon, state.weekdayClause},
                "Afterfeast of the Elevation: the Cross");
  }
}

}  // namespace corvane

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/calendar_phases.h"
#include "calendar/clause_texts.h"
#include "calendar/feast_rule.h"
#include "calendar/great_feasts.h"
#include "calendar/join_saints.h"

namespace corvane {

using namespace std::chrono;

namespace {

// The days of the Lenten Triodion, counted from Clean Monday.
struct TriodionDay {
  int daysFromCleanMonday;
  bool suppressesSaints;
  std::array<std::string_view, 3> saints;  // when given, they replace the saints of the date
  std::string_view dayTitle;               // when empty, the day keeps its title
  RuleName name;
};

// clang-format off
constexpr TriodionDay kTriodion[] = {
    {-22, true,  {}, "Publican and Pharisee", "Sunday of the Publican and Pharisee"},
    {-15, true,  {}, "Prodigal Son", "Sunday of the Prodigal Son"},
    { -8, true,  {}, "Last Judgement/Meatfare", "Sunday of the Last Judgement"},
    { -1, true,  {}, "Forgiveness Sunday/Cheesefare", "Forgiveness Sunday"},
    {  5, false, {titles::kMartyr, " Greatmartyr Theodore the Soldier, ", titles::kMemorySingular}, {}, "Saturday of St. Theodore"},
    {  6, true,  {}, "Triumph of Orthodoxy", "Triumph of Orthodoxy"},
    { 13, false, {titles::kHierarch, " Gregory Palamas, archbishop of Thessalonika, ", titles::kMemorySingular}, "St. Gregory Palamas", "Sunday of St. Gregory Palamas"},
    { 20, true,  {}, "Adoration of the Cross", "Sunday of the Adoration of the Cross"},
    { 27, false, {titles::kVenerableFather, " John of the Ladder, ", titles::kMemorySingular}, "St. John of the Ladder", "Sunday of St. John of the Ladder"},
    { 34, false, {titles::kVenerableMother, " Mary of Egypt, ", titles::kMemorySingular}, "St. Mary of Egypt", "Sunday of St. Mary of Egypt"},
};
// clang-format on

// What a Sunday of the Fathers or of the Nativity season does to the saints.
enum class FathersEffect : std::uint8_t {
  fathers,    // the Fathers join the saint of the day, or stand alone
  suppress,   // the feast displaces the saints of the day and the Forerunner
  righteous,  // all the Righteous replace the saints of the day
};

// Month 0: the Sunday counts days after Pascha instead of a window of dates.
constexpr int kFromPascha = 0;

struct FathersSunday {
  int month;
  int firstDay;
  int lastDay;
  FathersEffect effect;
  std::string_view commemorated;  // the Fathers, or the Righteous
  RuleName name;
};

using enum FathersEffect;

// Every row is evaluated on its own, in this order: from the year 5175 the
// sixth Sunday after Pascha can fall on a Sunday of 13 to 19 July, and then
// the Fathers of both councils are named.
// clang-format off
constexpr FathersSunday kFathers[] = {
    {kFromPascha, 42, 42, fathers,   "of the 318 holy and God-bearing Fathers of the First Oecumenical Council in Nicaea, ", "Sunday of the Fathers of the First Council"},
    {10,          11, 17, fathers,   "of the 365 holy and God-bearing Fathers of the Seventh Oecumenical Council in Nicaea, ", "Sunday of the Fathers of the Seventh Council"},
    {12,          26, 31, fathers,   "of Righteous Joseph the Betrothed, David the King, and James the Brother of God, ", "Sunday after the Nativity"},
    {1,            2,  5, suppress,  {}, "Sunday before Theophany"},
    {1,            7, 13, suppress,  {}, "Sunday after Theophany"},
    {8,            7, 13, suppress,  {}, "Sunday in the afterfeast of the Transfiguration"},
    {7,           13, 19, fathers,   "of the 630 holy and God-bearing Fathers of the Fourth Oecumenical Council, ", "Sunday of the Fathers of the Fourth Council"},
    {12,          11, 17, fathers,   "of the Holy Forefathers of Christ our God, ", "Sunday of the Forefathers"},
    {12,          18, 24, righteous, "of all the Righteous who in every age have been well pleasing to God, ", "Sunday before the Nativity"},
};
// clang-format on

bool fallsOn(const FathersSunday& sunday, const DismissalState& state) {
  if (sunday.month == kFromPascha) {
    return state.liturgicalDay == state.movable.pascha + days{sunday.firstDay};
  }
  return isBetween(state, sunday.month, sunday.firstDay, sunday.lastDay) &&
         weekdayOf(state.liturgicalDay) == Sunday;
}

// The Fathers join the saint of the day, or stand alone, with one memory phrase.
void joinFathers(DismissalState& state, const FathersSunday& sunday) {
  joinTheSaintsOfTheDay(state, sunday.commemorated, titles::kMemoryPlural, sunday.name);
}

// The Meeting of Our Lord where it is kept (on Cheesefare Sunday when
// 2 February is Clean Monday), or another great feast of the fixed calendar.
bool isGreatFeast(const DismissalState& state) {
  return state.liturgicalDay == state.movable.meeting ||
         greatFeastOn(state.churchDate.month, state.churchDate.day) != nullptr;
}

// A great feast that falls on a Sunday of the Triodion keeps its name after
// the Sunday's: "Publican and Pharisee; Meeting of Our Lord in the Temple".
void writeSundayTitle(DismissalState& state, const TriodionDay& day) {
  if (isGreatFeast(state) && !state.text(Slot::dayTitle).empty()) {
    state.write(Slot::dayTitle, {day.dayTitle, "; ", state.text(Slot::dayTitle)}, day.name);
  } else {
    state.write(Slot::dayTitle, day.dayTitle, day.name);
  }
}

void applyTriodion(DismissalState& state) {
  const auto daysFromCleanMonday = (state.liturgicalDay - state.movable.cleanMonday).count();
  for (const TriodionDay& day : kTriodion) {
    if (day.daysFromCleanMonday != daysFromCleanMonday) continue;
    if (day.suppressesSaints) state.displaceSaints(day.name);
    if (!day.saints[0].empty()) {
      state.write(Slot::saintsClause, {day.saints[0], day.saints[1], day.saints[2]}, day.name);
    }
    if (!day.dayTitle.empty()) writeSundayTitle(state, day);
  }
}

void applyFathers(DismissalState& state) {
  for (const FathersSunday& sunday : kFathers) {
    if (!fallsOn(sunday, state)) continue;
    switch (sunday.effect) {
      case fathers:
        joinFathers(state, sunday);
        break;
      case suppress:
        state.displaceSaints(sunday.name);
        break;
      case righteous:
        state.write(Slot::saintsClause, sunday.commemorated, sunday.name);
        break;
    }
  }
}

}  // namespace

void applyTriodionAndFathers(DismissalState& state) {
  applyTriodion(state);
  applyFathers(state);
}

}  // namespace corvane

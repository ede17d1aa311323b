#include "composer/create_dismissal.h"

#include <array>
#include <chrono>
#include <cstring>
#include <string_view>

#include "calendar/calendar_phases.h"
#include "calendar/feast_rule.h"
#include "composer/composer_phases.h"
#include "composer/sentence_texts.h"

namespace corvane {

using namespace std::chrono;
using namespace sentence;

namespace {

void initialise(DismissalState& state, const TempleSettings& settings) {
  state.calendar = settings.calendar;
}

// The resurrection clause survives only on a Sunday, and never at Vespers,
// which on a Sunday evening belongs to Monday.
void filterRisenClause(DismissalState& state) {
  if (!state.isSunday) state.clear(Slot::risenClause);
  if ((state.dailyVespers() || state.greatVespers()) && state.isSunday) {
    state.clear(Slot::risenClause);
  }
}

// A great feast displaces the saints of the day and the Forerunner's clause.
void suppressSaints(DismissalState& state) {
  if (!state.suppressSaints) return;
  state.clear(Slot::forerunnerClause);
  state.clear(Slot::saintsClause);
}

void assemble(const DismissalState& state, std::string& sentence) {
  if (state.useWholeText) {
    sentence = state.text(Slot::wholeText);
    return;
  }
  // The pieces are gathered first and copied at once into a sentence of
  // their joined size: it is assembled for every date of a long range.
  std::array<std::string_view, 22> pieces;
  std::size_t count = 0;
  const auto append = [&](std::initializer_list<std::string_view> more) {
    for (std::string_view piece : more) pieces[count++] = piece;
  };
  append({kMay, state.text(Slot::feastClause), state.text(Slot::risenClause), kChristOurTrueGod,
          state.text(Slot::theotokosClause), kSemicolon});
  if (state.isDailyService()) {
    append({state.text(Slot::weekdayClause), state.text(Slot::patronClause)});
  } else {
    append({kCross, state.text(Slot::crossClause), kSemicolon, kBodilessPowers, kForerunner,
            state.text(Slot::forerunnerClause), kSemicolon, kApostles,
            state.text(Slot::liturgyAuthorClause), kMartyrsAndFathers,
            state.text(Slot::patronClause)});
  }
  append({kAncestors, state.text(Slot::ancestorsClause), kSemicolon, state.text(Slot::saintsClause),
          kAllTheSaints});
  std::size_t size = 0;
  for (std::size_t i = 0; i < count; ++i) size += pieces[i].size();
  sentence.resize(size);
  char* at = sentence.data();
  for (std::size_t i = 0; i < count; ++i) {
    if (pieces[i].empty()) continue;
    std::memcpy(at, pieces[i].data(), pieces[i].size());
    at += pieces[i].size();
  }
}

// From Pascha to the Wednesday before the Ascension, both included.
bool inPaschalSeason(const DismissalState& state) {
  const Date pascha = state.movable.pascha;
  return pascha <= state.liturgicalDay && state.liturgicalDay <= pascha + days{38};
}

std::string_view closingLine(const DismissalState& state, const TempleSettings& settings) {
  if (inPaschalSeason(state)) return kPaschalEnding;
  return settings.bishopPresent ? kHierarchicalEnding : kOrdinaryEnding;
}

// The vesperal Liturgy of St. Basil: the paramons of the Nativity and of
// Theophany, Great Thursday and Great Saturday. A Liturgy that is not an
// evening one is never moved, so this is the date as picked.
bool isVesperalBasilDay(const DismissalState& state) {
  return isDate(state, 12, 24) || isDate(state, 1, 5) ||
         state.liturgicalDay == state.movable.pascha - days{1} ||
         state.liturgicalDay == state.movable.pascha - days{3};
}

// "-- Great Vespers --": the service's title between two dashes, the vesperal
// Liturgy of St. Basil named so on its days.
void writeHeading(const DismissalState& state, std::string& heading) {
  heading.assign("-- ");
  if (state.liturgyBasil() && !state.eveningLiturgy && isVesperalBasilDay(state)) {
    heading.append("Vesperal ");
  }
  heading.append(serviceTitle(state.service, state.eveningLiturgy)).append(" --");
}

// The slot stands in the dismissal: the weekday's intercession only in the
// daily services, the whole dismissal only when it is one.
bool stands(const DismissalState& state, Slot slot) {
  if (state.text(slot).empty()) return false;
  if (slot == Slot::weekdayClause) return state.isDailyService();
  if (slot == Slot::wholeText) return state.useWholeText;
  return true;
}

void explain(const DismissalState& state, Explanation& explanation) {
  explanation.liturgicalDay = state.liturgicalDay;
  explanation.calendar = state.calendar;
  explanation.churchDate = state.churchDate;
  explanation.movableDates = state.movable;
  explanation.saintsDisplaced = state.suppressSaints;
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<Slot>(i);
    explanation.stands[i] = stands(state, slot);
    explanation.rules[i] = state.text(slot).empty() ? RuleName{} : state.rule(slot);
  }
}

// The outputs read the result alone: the request, the texts and every slot's text.
void fillResult(DismissalState& state, Dismissal& result) {
  result.request = {state.pickedDate, state.service, state.eveningLiturgy};
  result.dayTitle = state.text(Slot::dayTitle);
  result.dailyService = state.isDailyService();
  // The slots' texts move into the result, whose earlier storage the record
  // keeps for the next composition.
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<Slot>(i);
    result.slotTexts[i].swap(state.text(slot));
    state.clear(slot);
  }
}

}  // namespace

void CreateDismissal(DismissalState& state, const TempleSettings& settings, Dismissal& result,
                     Explanation* explanation) {
  initialise(state, settings);

  openLiturgicalDay(state);
  reckonMovableDates(state);
  applyFeastsOfTheLord(state);
  applyTheotokosCrossAndForerunner(state);
  applyTemplePatron(state, settings);
  applySaintsOfTheDay(state);
  namePatronOnce(state, settings);
  applyTriodionAndFathers(state);
  applyLocalCommemorations(state, settings, explanation);

  filterRisenClause(state);
  suppressSaints(state);
  applyWeekdayIntercession(state);
  assemble(state, result.dismissalText);

  result.paschalEnding = inPaschalSeason(state);
  result.endingText = closingLine(state, settings);
  writeHeading(state, result.serviceHeading);
  if (explanation != nullptr) explain(state, *explanation);
  fillResult(state, result);
}

}  // namespace corvane

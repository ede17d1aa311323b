#include "composer/create_dismissal.h"

#include <chrono>

#include "calendar/calendar_phases.h"
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
  sentence.clear();
  if (state.useWholeText) {
    sentence = state.wholeText;
    return;
  }
  const auto append = [&sentence](std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) sentence.append(piece);
  };
  append({kMay, state.feastClause, state.risenClause, kChristOurTrueGod, state.theotokosClause,
          kSemicolon});
  if (state.isDailyService()) {
    append({state.weekdayClause, state.patronClause});
  } else {
    append({kCross, state.crossClause, kSemicolon, kBodilessPowers, kForerunner,
            state.forerunnerClause, kSemicolon, kApostles, state.liturgyAuthorClause,
            kMartyrsAndFathers, state.patronClause});
  }
  append({kAncestors, state.ancestorsClause, kSemicolon, state.saintsClause, kAllTheSaints});
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
  return (state.month == 12 && state.day == 24) || (state.month == 1 && state.day == 5) ||
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

// The outputs read the result alone: the request, the liturgical day, the
// texts and every slot with its rule.
void fillResult(DismissalState& state, Dismissal& result) {
  result.pickedDate = state.pickedDate;
  result.service = state.service;
  result.eveningLiturgy = state.eveningLiturgy;
  result.liturgicalDay = state.liturgicalDay;
  result.calendar = state.calendar;
  result.churchDate = ChurchDate{state.year, state.month, state.day};
  result.movableDates = state.movable;
  result.dayTitle = state.dayTitle;
  result.dailyService = state.isDailyService();
  result.wholeText = state.useWholeText;
  result.saintsDisplaced = state.suppressSaints;
  // The slots' texts move into the result, whose earlier storage the record
  // keeps for the next composition.
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<Slot>(i);
    std::string& text = state.text(slot);
    result.slotRecords[i].rule = text.empty() ? RuleName{} : state.rule(slot);
    result.slotRecords[i].text.swap(text);
    state.clear(slot);
  }
}

}  // namespace

void CreateDismissal(DismissalState& state, const TempleSettings& settings, Dismissal& result) {
  initialise(state, settings);

  openLiturgicalDay(state);
  fixMovableDates(state);
  applyFeastsOfTheLord(state);
  applyTheotokosCrossAndForerunner(state);
  applyTemplePatron(state, settings);
  applySaintsOfTheDay(state);
  namePatronOnce(state, settings);
  applyTriodionAndFathers(state);

  filterRisenClause(state);
  suppressSaints(state);
  applyWeekdayIntercession(state);
  assemble(state, result.dismissalText);

  result.paschalEnding = inPaschalSeason(state);
  result.endingText = closingLine(state, settings);
  writeHeading(state, result.serviceHeading);
  fillResult(state, result);
}

}  // namespace corvane

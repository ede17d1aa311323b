#include "composer/create_dismissal.h"

#include <chrono>

#include "calendar/calendar_phases.h"
#include "composer/composer_phases.h"

namespace corvane {

using namespace std::chrono;

namespace {

// The fixed words of the sentence, between which the slots stand.
constexpr std::string_view kMay = "May ";
constexpr std::string_view kChristOurTrueGod =
    "Christ our true God, through the intercessions of His all-immaculate and all-blameless holy Mother";
constexpr std::string_view kSemicolon = "; ";
constexpr std::string_view kByTheCross = "; by the might of the precious and life-giving cross";
constexpr std::string_view kPowersAndForerunner =
    "; by the protection of the honorable bodiless powers of heaven; at the supplication of the honorable, glorious Prophet, Forerunner and Baptist John";
constexpr std::string_view kApostles = "; of the holy, glorious and all-laudable apostles; ";
constexpr std::string_view kMartyrsAndFathers =
    "of the holy, glorious and right-victorious martyrs; of our venerable and God-bearing fathers; ";
constexpr std::string_view kAncestors =
    "of the holy and righteous ancestors of God, Joachim and Anna";
constexpr std::string_view kAllTheSaints =
    "and of all the saints: have mercy on us, and save us, forasmuch as He is good and loveth mankind.";

constexpr std::string_view kOrdinaryEnding =
    "Through the prayers of our holy fathers, Lord Jesus Christ our God, have mercy on us, and save us.";
constexpr std::string_view kHierarchicalEnding =
    "HIERARCHICAL ENDING:  Through the prayers of our holy master, Lord Jesus Christ our God, have mercy on us, and save us.";
// Eleven lines joined by CR LF, no line break after the last.
constexpr std::string_view kPaschalEnding =
    "PASCHAL ENDING"
    "\r\n"
    "\r\n"
    "PRIEST:  Christ is risen!"
    "\r\n"
    "RESPONSE: Indeed, He is risen!"
    "\r\n"
    "(thrice)"
    "\r\n"
    "\r\n"
    "PRIEST: Glory to his holy third-day resurrection."
    "\r\n"
    "RESPONSE: We adore his third-day resurrection."
    "\r\n"
    "\r\n"
    "PRIEST: Christ is risen from the dead trampling down death by death and upon those in the tombs . . ."
    "\r\n"
    "RESPONSE: . . . bestowing life.";

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
  append({kMay, state.feastClause, state.risenClause, kChristOurTrueGod, state.theotokosClause});
  if (state.isDailyService()) {
    append({kSemicolon, state.weekdayClause, state.patronClause});
  } else {
    append({kByTheCross, state.crossClause, kPowersAndForerunner, state.forerunnerClause, kApostles,
            state.liturgyAuthorClause, kMartyrsAndFathers, state.patronClause});
  }
  append({kAncestors, state.ancestorsClause, kSemicolon, state.saintsClause, kAllTheSaints});
}

// From Pascha to the Wednesday before the Ascension, both included.
bool inPaschalSeason(const DismissalState& state) {
  return state.movable.pascha <= state.liturgicalDay && state.liturgicalDay <= state.movable.pascha + days{38};
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
         state.liturgicalDay == state.movable.pascha - days{1} || state.liturgicalDay == state.movable.pascha - days{3};
}

std::string_view heading(const DismissalState& state) {
  if (state.greatVespers()) return "-- Great Vespers --";
  if (state.dailyVespers()) return "-- Daily Vespers --";
  if (state.orthros()) return "-- Orthros --";
  if (state.dailyOrthros()) return "-- Daily Orthros --";
  if (state.liturgyChrysostom() && state.eveningLiturgy)
    return "-- Evening Divine Liturgy of St. John Chrysostom --";
  if (state.liturgyChrysostom()) return "-- Divine Liturgy of St. John Chrysostom --";
  if (state.liturgyBasil() && state.eveningLiturgy)
    return "-- Evening Divine Liturgy of St. Basil the Great --";
  if (state.liturgyBasil() && isVesperalBasilDay(state))
    return "-- Vesperal Divine Liturgy of St. Basil the Great --";
  if (state.liturgyBasil()) return "-- Divine Liturgy of St. Basil the Great --";
  if (state.presanctified()) return "-- Liturgy of the Presanctified Gifts --";
  return {};
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
  // The slots' texts move into the result: the state's slots are the
  // composition's scratch, left empty for the next one.
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
  result.serviceHeading = heading(state);
  fillResult(state, result);
}

}  // namespace corvane

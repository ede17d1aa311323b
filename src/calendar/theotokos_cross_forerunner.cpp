#include <chrono>

#include "calendar/calendar_phases.h"
#include "calendar/clause_texts.h"
#include "calendar/feast_rule.h"

namespace corvane {

namespace {

using namespace clauses;
using std::chrono::Sunday;

constexpr std::string_view kEmpty = "";
constexpr std::string_view kTransfiguration =
    "he who was transfigured in glory before his holy disciples and apostles on Mount Tabor, ";

// clang-format off
constexpr FeastRule kTransfigurationRules[] = {
  {.name = "Forefeast of the Transfiguration", .applies = [](const DismissalState& s) { return isDate(s, 8, 5); },
   .dayTitle = "Forefeast of the Transfiguration"},
  // On the feast itself no resurrection clause, even on a Sunday.
  {.name = "Transfiguration of Our Lord", .applies = [](const DismissalState& s) { return isDate(s, 8, 6); },
   .dayTitle = "Transfiguration of Our Lord", .feastClause = kTransfiguration, .risenClause = kEmpty},
  {.name = "Afterfeast of the Transfiguration", .applies = [](const DismissalState& s) { return isBetween(s, 8, 7, 12); },
   .dayTitle = "Afterfeast of the Transfiguration", .feastClause = kTransfiguration, .risenClause = kAndRisen},
  {.name = "Leavetaking of the Transfiguration", .applies = [](const DismissalState& s) { return isDate(s, 8, 13); },
   .dayTitle = "Leavetaking of the Transfiguration", .feastClause = kTransfiguration, .risenClause = kAndRisen},
};

// On a Sunday the Elevation keeps the Sunday's own resurrection clause.
constexpr FeastRule kElevationRules[] = {
  {.name = "Forefeast of the Elevation", .applies = [](const DismissalState& s) { return isDate(s, 9, 13); },
   .dayTitle = "Forefeast of the Elevation"},
  {.name = "Elevation of the Holy Cross on a weekday", .applies = [](const DismissalState& s) { return isDate(s, 9, 14) && weekdayOf(s.liturgicalDay) != Sunday; },
   .feastClause = kRisen, .risenClause = kEmpty},
  {.name = "Elevation of the Holy Cross", .applies = [](const DismissalState& s) { return isDate(s, 9, 14); },
   .dayTitle = "Elevation of the Holy Cross"},
  {.name = "Afterfeast of the Elevation", .applies = [](const DismissalState& s) { return isBetween(s, 9, 15, 20); },
   .dayTitle = "Afterfeast of the Elevation"},
  {.name = "Leavetaking of the Elevation", .applies = [](const DismissalState& s) { return isDate(s, 9, 21); },
   .dayTitle = "Leavetaking of the Elevation"},
};

// A commemoration on a span of dates of one month.
struct DatedText {
  int month, firstDay, lastDay;
  std::string_view text;
  RuleName name;
};

// What of the Theotokos is commemorated; the spans do not overlap.
constexpr DatedText kTheotokosClauses[] = {
  {3, 25, 26, ", whose annunciation we commemorate this day", "Annunciation of the Theotokos"},
  {7, 2, 2,   ", the deposition of whose robe we commemorate this day", "Deposition of the Robe of the Theotokos"},
  {8, 15, 23, ", whose dormition we commemorate this day", "Dormition of the Theotokos"},
  {8, 31, 31, ", the deposition of whose belt we commemorate this day", "Deposition of the Belt of the Theotokos"},
  {9, 8, 12,  ", whose nativity we commemorate this day", "Nativity of the Theotokos"},
  {10, 28, 28, ", whose protecting veil we commemorate this day", "Protecting Veil of the Theotokos"},
  {11, 21, 25, ", whose entrance into the Temple we commemorate this day", "Entrance of the Theotokos"},
  {12, 9, 9,  ", whose conception by the righteous Anna we commemorate this day", "Conception of the Theotokos"},
  {12, 26, 26, ", whose synaxis we keep this day", "Synaxis of the Theotokos"},
};

// The names of the days of the feasts of the Theotokos.
constexpr DatedText kTheotokosTitles[] = {
  {3, 24, 24, "Forefeast of the Annunciation", "Forefeast of the Annunciation"},
  {3, 25, 25, "Annunciation of the Theotokos", "Annunciation of the Theotokos"},
  {3, 26, 26, "Leavetaking of the Annunciation", "Leavetaking of the Annunciation"},
  {8, 14, 14, "Forefeast of the Dormition", "Forefeast of the Dormition"},
  {8, 15, 15, "Dormition of the Theotokos", "Dormition of the Theotokos"},
  {8, 16, 22, "Afterfeast of the Dormition", "Afterfeast of the Dormition"},
  {8, 23, 23, "Leavetaking of the Dormition", "Leavetaking of the Dormition"},
  {9, 7, 7,   "Forefeast of the Nativity of the Theotokos", "Forefeast of the Nativity of the Theotokos"},
  {9, 8, 8,   "Nativity of the Theotokos", "Nativity of the Theotokos"},
  {9, 9, 11,  "Afterfeast of the Nativity of the Theotokos", "Afterfeast of the Nativity of the Theotokos"},
  {9, 12, 12, "Leavetaking of the Nativity", "Leavetaking of the Nativity of the Theotokos"},
  {11, 20, 20, "Forefeast of the Entrance", "Forefeast of the Entrance"},
  {11, 21, 21, "Entrance of the Theotokos", "Entrance of the Theotokos"},
  {11, 22, 24, "Afterfeast of the Entrance", "Afterfeast of the Entrance"},
  {11, 25, 25, "Leavetaking of the Entrance", "Leavetaking of the Entrance"},
};

// What of the Forerunner is commemorated; the first match is taken.
constexpr DatedText kForerunnerClauses[] = {
  {1, 7, 7,   ", whose synaxis we keep this day", "Synaxis of the Forerunner"},
  {2, 24, 24, ", the first and second findings of whose venerable head we commemorate this day", "First and Second Finding of the Forerunner's Head"},
  {5, 25, 25, ", the third finding of whose venerable head we commemorate this day", "Third Finding of the Forerunner's Head"},
  {6, 24, 25, ", whose nativity we commemorate this day", "Nativity of the Forerunner"},
  {8, 29, 30, ", whose beheading we commemorate this day", "Beheading of the Forerunner"},
  {9, 23, 23, ", whose conception by the righteous Elizabeth we commemorate this day", "Conception of the Forerunner"},
};

// What of the Cross is commemorated; the first match is taken.
struct CrossRule {
  RuleName name;
  bool (*applies)(const DismissalState&);
  std::string_view text;
};
constexpr CrossRule kCrossClauses[] = {
  {"Procession of the Cross", [](const DismissalState& s) { return isDate(s, 8, 1); }, ", the procession of which we commemorate this day"},
  {"Sunday of the Adoration of the Cross", [](const DismissalState& s) { return s.liturgicalDay == s.movable.pascha - days{28}; }, ", the adoration of which we commemorate this day"},
  {"Elevation of the Holy Cross and its afterfeast", [](const DismissalState& s) { return isBetween(s, 9, 14, 21); }, ", the elevation of which we commemorate this day"},
  {"Appearance of the Cross over Jerusalem", [](const DismissalState& s) { return isDate(s, 5, 7); }, ", the appearance of which in the heavens over Jerusalem we commemorate this day"},
};
// clang-format on

const DatedText* firstOn(std::span<const DatedText> table, const DismissalState& state) {
  for (const DatedText& row : table) {
    if (isBetween(state, row.month, row.firstDay, row.lastDay)) return &row;
  }
  return nullptr;
}

// The other services name no author: the slot stays empty, as each
// composition begins.
void writeLiturgyAuthor(DismissalState& state) {
  if (state.liturgyChrysostom()) {
    state.write(Slot::liturgyAuthorClause, kChrysostom, "Liturgy of St. John Chrysostom");
  } else if (state.liturgyBasil()) {
    state.write(Slot::liturgyAuthorClause, kBasil, "Liturgy of St. Basil the Great");
  } else if (state.presanctified()) {
    state.write(Slot::liturgyAuthorClause, kGregory, "Liturgy of the Presanctified Gifts");
  }
}

// From Lazarus Saturday to the Saturday of Bright Week the day keeps the name
// the paschal cycle gave it: on 25 March the Annunciation is added to that
// name, and the forefeast and the leavetaking give way.
bool inHolyAndBrightWeek(const DismissalState& state) {
  const int fromPascha = daysFrom(state.movable.pascha, state);
  return fromPascha >= -8 && fromPascha <= 6;
}

constexpr std::string_view kAnnunciation = "Annunciation of the Theotokos";

void writeTheotokos(DismissalState& state) {
  const DatedText* clause = firstOn(kTheotokosClauses, state);
  if (clause != nullptr && !(inHolyAndBrightWeek(state) && isDate(state, 3, 26))) {
    state.write(Slot::theotokosClause, clause->text, clause->name);
  } else {
    state.clear(Slot::theotokosClause);
  }
  if (inHolyAndBrightWeek(state) && state.churchDate.month == 3) {
    if (isDate(state, 3, 25)) {
      if (state.text(Slot::dayTitle).empty()) {
        state.write(Slot::dayTitle, kAnnunciation,
                    "Annunciation of the Theotokos in Holy or Bright Week");
      } else {
        state.write(Slot::dayTitle, {state.text(Slot::dayTitle), "; ", kAnnunciation},
                    "Annunciation of the Theotokos in Holy or Bright Week");
      }
    }
    return;  // the forefeast and the leavetaking give way
  }
  if (const DatedText* row = firstOn(kTheotokosTitles, state)) {
    state.write(Slot::dayTitle, row->text, row->name);
  }
}

void writeCross(DismissalState& state) {
  for (const CrossRule& rule : kCrossClauses) {
    if (rule.applies(state)) {
      state.write(Slot::crossClause, rule.text, rule.name);
      return;
    }
  }
  state.clear(Slot::crossClause);
}

// Nothing earlier writes the Forerunner's clause, so no match leaves it empty.
void writeForerunner(DismissalState& state) {
  if (const DatedText* row = firstOn(kForerunnerClauses, state)) {
    state.write(Slot::forerunnerClause, row->text, row->name);
  }
}

}  // namespace

void applyTheotokosCrossAndForerunner(DismissalState& state) {
  applyFeastRules(kTransfigurationRules, state);
  applyFeastRules(kElevationRules, state);
  writeLiturgyAuthor(state);
  writeTheotokos(state);
  writeCross(state);
  writeForerunner(state);
}

}  // namespace corvane

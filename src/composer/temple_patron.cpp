#include <chrono>
#include <optional>
#include <string_view>

#include "calendar/clause_texts.h"
#include "composer/composer_phases.h"
#include "composer/invocation.h"
#include "composer/sentence_texts.h"

namespace corvane {

using namespace std::chrono;
using namespace sentence;

namespace {

// Where a patron's clause stands. The fixed sentence of the services that are
// not daily ones already invokes the Cross, the bodiless powers, the
// Forerunner and the apostles, so those patrons are added only to the daily
// services, and there not on the weekday whose own intercession names them.
// A Liturgy's author is named already by liturgyAuthorClause, and the
// hierarch whom the saints of the day name is named once.
struct PatronRule {
  Patron patron;
  RuleName name;
  bool dailyServicesOnly;
  std::array<std::optional<weekday>, 2> notOnWeekdays;  // in the daily services
  std::optional<Service> notAtLiturgy;
  unsigned namedBySaintsAs;  // hierarch:: bit
  Invocation clause;         // the typed phrase stands before the close of its row
};

// One row a patron; patrons the fixed sentence names already (the Holy
// Trinity, the Lord, …) have none.
// clang-format off
constexpr PatronRule kTemplePatrons[] = {
  {Patron::typed,      "temple patron: typed phrase",             false, {},                  {},                      0,                   {.close = kSemicolon}},
  {Patron::nicholas,   "temple patron: St. Nicholas",             false, {Thursday},          {},                      hierarch::kNicholas, {{titles::kHierarch, kNicholas}}},
  {Patron::cross,      "temple patron: the Holy Cross",           true,  {Wednesday, Friday}, {},                      0,                   {{kCross}, Slot::crossClause, kSemicolon}},
  {Patron::archangels, "temple patron: the Holy Archangels",      true,  {Monday},            {},                      0,                   {{kBodilessPowers}}},
  {Patron::forerunner, "temple patron: St. John the Forerunner",  true,  {Tuesday},           {},                      0,                   {{kForerunner}, Slot::forerunnerClause, kSemicolon}},
  {Patron::apostles,   "temple patron: the Twelve Apostles",      true,  {Thursday},          {},                      0,                   {{kTwelveApostles}}},
  {Patron::chrysostom, "temple patron: St. John Chrysostom",      false, {},                  Service::chrysostom,     hierarch::kChrysostom, {{clauses::kChrysostom}}},
  {Patron::basil,      "temple patron: St. Basil the Great",      false, {},                  Service::basil,          hierarch::kBasil,    {{clauses::kBasil}}},
  {Patron::gregory,    "temple patron: St. Gregory the Dialogist", false, {},                 Service::presanctified,  0,                   {{clauses::kGregory}}},
};
// clang-format on

const PatronRule* ruleOf(const TempleSettings& settings) {
  for (const PatronRule& rule : kTemplePatrons) {
    if (settings.patronIs(rule.patron)) return &rule;
  }
  return nullptr;
}

bool patronStands(const PatronRule& rule, const DismissalState& state) {
  if (rule.notAtLiturgy == state.service) return false;
  if (!state.isDailyService()) return !rule.dailyServicesOnly;
  const weekday liturgicalWeekday = weekdayOf(state.liturgicalDay);
  for (const std::optional<weekday>& named : rule.notOnWeekdays) {
    if (named == liturgicalWeekday) return false;
  }
  return true;
}

}  // namespace

void applyTemplePatron(DismissalState& state, const TempleSettings& settings) {
  constexpr Slot slot = Slot::patronClause;
  const PatronRule* rule = ruleOf(settings);
  // The slot begins every composition empty, and stays so when no patron stands.
  if (rule == nullptr || !patronStands(*rule, state)) return;
  if (rule->patron == Patron::typed) {
    state.write(slot, {settings.patronText, rule->clause.close}, rule->name);
  } else {
    writeInvocation(state, slot, rule->clause, rule->name);
  }
}

void namePatronOnce(DismissalState& state, const TempleSettings& settings) {
  const PatronRule* rule = ruleOf(settings);
  if (rule != nullptr && (state.hierarchsOfTheDay & rule->namedBySaintsAs) != 0) {
    state.clear(Slot::patronClause);
  }
}

}  // namespace corvane

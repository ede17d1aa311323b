#include <chrono>
#include <optional>
#include <string>

#include "calendar/clause_texts.h"
#include "calendar/great_feasts.h"
#include "calendar/join_saints.h"
#include "composer/composer_phases.h"

namespace corvane {

namespace {

// The slot's rule while the composition runs; the explanation names the lines.
constexpr RuleName kLocalCommemorations = "local commemorations";

bool fallsOn(const CommemorationDay& day, const DismissalState& state) {
  if (day.fromPascha) {
    return state.liturgicalDay == state.movable.pascha + days{day.daysFromPascha};
  }
  return state.churchDate.month == day.month && state.churchDate.day == day.day;
}

// What the saints of the day, and so the parish's commemorations, give way
// to: the rule that writes the whole dismissal, the rule that displaced the
// saints (Lazarus Saturday, Palm Sunday, Holy Week, Pascha, the Sundays that
// suppress them), or a great feast of the fixed calendar in the temple's
// calendar. Nothing when they are named.
std::optional<RuleName> givenWayTo(const DismissalState& state) {
  if (state.useWholeText) return state.rule(Slot::wholeText);
  if (state.suppressSaints) return state.saintsDisplacedBy;
  if (const GreatFeast* feast = greatFeastOn(state.churchDate.month, state.churchDate.day)) {
    return feast->name;
  }
  return std::nullopt;
}

// "commemorations.txt:2", or "line 2" of a list that names no file.
std::string lineName(const LocalCommemorations& list, int line) {
  if (list.fileName.empty()) return "line " + std::to_string(line);
  return list.fileName + ":" + std::to_string(line);
}

// "local commemoration (commemorations.txt:2)", "local commemorations
// (commemorations.txt:2 and 5)", "… (commemorations.txt:2, 5 and 7)".
std::string ruleOf(const LocalCommemorations& list, const std::vector<int>& lines) {
  std::string rule = lines.size() == 1 ? "local commemoration (" : "local commemorations (";
  rule += lineName(list, lines.front());
  for (std::size_t i = 1; i < lines.size(); ++i) {
    rule += i + 1 == lines.size() ? " and " : ", ";
    rule += std::to_string(lines[i]);
  }
  return rule + ")";
}

void explain(const LocalCommemorations& list, const std::vector<int>& lines,
             std::optional<RuleName> gaveWayTo, RuleName saintsRule, Explanation& explanation) {
  for (int line : lines) {
    explanation.localCommemorations.push_back(
        {.rule = ruleOf(list, {line}), .gaveWayTo = gaveWayTo.value_or(RuleName{})});
  }
  if (gaveWayTo) return;
  explanation.localSaintsRule = ruleOf(list, lines);
  if (!saintsRule.empty()) {
    explanation.localSaintsRule = std::string{saintsRule} + " and " + explanation.localSaintsRule;
  }
}

}  // namespace

void applyLocalCommemorations(DismissalState& state, const TempleSettings& settings,
                              Explanation* explanation) {
  const LocalCommemorations& list = settings.commemorations;
  if (list.empty()) return;
  std::vector<int> lines;
  for (const LocalCommemoration& commemoration : list.entries) {
    if (fallsOn(commemoration.day, state)) lines.push_back(commemoration.line);
  }
  if (lines.empty()) return;

  const std::optional<RuleName> gaveWayTo = givenWayTo(state);
  if (explanation != nullptr) {
    const RuleName saintsRule =
        state.text(Slot::saintsClause).empty() ? RuleName{} : state.rule(Slot::saintsClause);
    explain(list, lines, gaveWayTo, saintsRule, *explanation);
  }
  if (gaveWayTo) return;

  // Their phrases joined with " and ", in the order of the file.
  std::string named;
  for (const LocalCommemoration& commemoration : list.entries) {
    if (!fallsOn(commemoration.day, state)) continue;
    if (!named.empty()) named += " and ";
    named += commemoration.phrase;
  }
  named += ", ";
  joinTheSaintsOfTheDay(state, named,
                        lines.size() == 1 ? titles::kMemorySingular : titles::kMemoryPlural,
                        kLocalCommemorations);
}

}  // namespace corvane

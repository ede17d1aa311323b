#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "state/dismissal_state.h"

namespace corvane {

// One rule of a feast: when it applies to the liturgical day (and service),
// it overwrites the slots it names and leaves the others alone. Rules are
// evaluated in the order of their table and none stops the sequence, so where
// two rules write the same slot on the same day the later one wins.
struct FeastRule {
  RuleName name;
  bool (*applies)(const DismissalState&);
  std::optional<std::string_view> dayTitle = {};
  std::optional<std::string_view> feastClause = {};
  std::optional<std::string_view> risenClause = {};
  bool suppressesSaints = false;                   // the feast displaces the saints of the day
  std::optional<std::string_view> wholeText = {};  // a whole dismissal of its own
};

inline void applyFeastRules(std::span<const FeastRule> rules, DismissalState& state) {
  for (const FeastRule& rule : rules) {
    if (!rule.applies(state)) continue;
    if (rule.dayTitle) state.write(Slot::dayTitle, *rule.dayTitle, rule.name);
    if (rule.feastClause) state.write(Slot::feastClause, *rule.feastClause, rule.name);
    if (rule.risenClause) state.write(Slot::risenClause, *rule.risenClause, rule.name);
    if (rule.suppressesSaints) state.displaceSaints(rule.name);
    if (rule.wholeText) {
      state.write(Slot::wholeText, *rule.wholeText, rule.name);
      state.useWholeText = true;
    }
  }
}

// The liturgical day counted from a movable date: -3 is three days before it.
inline int daysFrom(Date movable, const DismissalState& state) {
  return static_cast<int>((state.liturgicalDay - movable).count());
}

inline bool isDate(const DismissalState& state, int month, int day) {
  return state.churchDate.month == month && state.churchDate.day == day;
}

inline bool isBetween(const DismissalState& state, int month, int firstDay, int lastDay) {
  return state.churchDate.month == month && firstDay <= state.churchDate.day &&
         state.churchDate.day <= lastDay;
}

inline bool isOrthros(const DismissalState& state) {
  return state.orthros() || state.dailyOrthros();
}
inline bool isVespers(const DismissalState& state) {
  return state.greatVespers() || state.dailyVespers();
}

}  // namespace corvane

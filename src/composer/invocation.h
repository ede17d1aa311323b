#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "state/dismissal_state.h"

namespace corvane {

// An invocation as a row of a rule table holds it: up to three fixed pieces,
// then the day's own clause of that invocation (of the Cross, of the
// Forerunner) when it has one, then its closing words.
struct Invocation {
  std::array<std::string_view, 3> pieces{};
  std::optional<Slot> dayClause{};
  std::string_view close{};
};

inline void writeInvocation(DismissalState& state, Slot slot, const Invocation& invocation,
                            RuleName rule) {
  const auto& [first, second, third] = invocation.pieces;
  if (second.empty() && !invocation.dayClause && invocation.close.empty()) {
    state.write(slot, first, rule);  // one fixed text: nothing to join
    return;
  }
  const std::string_view day =
      invocation.dayClause ? std::string_view{state.text(*invocation.dayClause)} : "";
  state.write(slot, {first, second, third, day, invocation.close}, rule);
}

}  // namespace corvane

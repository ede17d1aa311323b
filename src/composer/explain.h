#pragma once

#include <string_view>
#include <vector>

#include "composer/dismissal_state.h"

namespace corvane {

// What a composition decided and why: each slot's final text and the rule
// that wrote it (none when the slot ended empty).
struct SlotExplanation {
  std::string_view slot;  // "feastClause"
  std::string_view text;
  RuleName rule;  // empty when the slot is empty
};

struct Explanation {
  Date liturgicalDay;  // the picked date after the evening shift
  Date pascha, cleanMonday, meetingLeavetaking, lazarusSaturday, palmSunday, ascension, pentecost;
  std::vector<SlotExplanation> slots;  // in the order of Slot
};

// Read after CreateDismissal; views into the state, valid until its next run.
Explanation explain(const DismissalState& state);

}  // namespace corvane

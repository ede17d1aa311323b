#include "composer/explain.h"

namespace corvane {

Explanation explain(const DismissalState& state) {
  Explanation explanation{
      .liturgicalDay = makeDate(state.year, static_cast<unsigned>(state.month),
                                static_cast<unsigned>(state.day)),
      .pascha = state.pascha,
      .cleanMonday = state.cleanMonday,
      .meetingLeavetaking = state.meetingLeavetaking,
      .lazarusSaturday = state.lazarusSaturday,
      .palmSunday = state.palmSunday,
      .ascension = state.ascension,
      .pentecost = state.pentecost,
      .slots = {},
  };
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const auto slot = static_cast<Slot>(i);
    const std::string& text = state.text(slot);
    explanation.slots.push_back(
        {kSlotNames[i], text, text.empty() ? RuleName{} : state.rule(slot)});
  }
  return explanation;
}

}  // namespace corvane
